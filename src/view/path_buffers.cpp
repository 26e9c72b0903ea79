#include "view/path_buffers.h"

#include <QOpenGLContext>

#include <vector>

namespace tarnix {

PathBuffers::~PathBuffers()
{
    release();
}

bool PathBuffers::available()
{
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return context != nullptr && context->functions()->hasOpenGLFeature(QOpenGLFunctions::Buffers);
}

// Buffers die with their context; they are deleted only while it is current.
void PathBuffers::release()
{
    if (context_ != nullptr && QOpenGLContext::currentContext() == context_) {
        const GLuint buffers[] = {vertices_, colors_};
        functions_.glDeleteBuffers(2, buffers);
    }
    context_ = nullptr;
    vertices_ = colors_ = 0;
    uploaded_ = 0;
}

void PathBuffers::upload(const PathVertexArrays& arrays)
{
    QOpenGLContext* current = QOpenGLContext::currentContext();
    if (current != context_) {
        release();
        context_ = current;
        functions_.initializeOpenGLFunctions();
        GLuint buffers[2];
        functions_.glGenBuffers(2, buffers);
        vertices_ = buffers[0];
        colors_ = buffers[1];
    }
    const auto vertexCount = static_cast<std::size_t>(2 * arrays.segmentCount());
    functions_.glBindBuffer(GL_ARRAY_BUFFER, vertices_);
    functions_.glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(3 * vertexCount * sizeof(GLfloat)),
                            arrays.vertices(), GL_STATIC_DRAW);
    functions_.glBindBuffer(GL_ARRAY_BUFFER, colors_);
    functions_.glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(3 * vertexCount),
                            arrays.colorBytes(), GL_STATIC_DRAW);
    uploaded_ = arrays.generation();
}

void PathBuffers::bindArrays(const PathVertexArrays& arrays)
{
    if (uploaded_ != arrays.generation() || QOpenGLContext::currentContext() != context_)
        upload(arrays);
    functions_.glBindBuffer(GL_ARRAY_BUFFER, vertices_);
    glVertexPointer(3, GL_FLOAT, 0, nullptr);
    functions_.glBindBuffer(GL_ARRAY_BUFFER, colors_);
    glColorPointer(3, GL_UNSIGNED_BYTE, 0, nullptr);
    functions_.glBindBuffer(GL_ARRAY_BUFFER, 0);
}

}  // namespace tarnix
