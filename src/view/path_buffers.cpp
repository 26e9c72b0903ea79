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
        const GLuint buffers[] = {vertices_, colors_, indices_};
        functions_.glDeleteBuffers(3, buffers);
    }
    context_ = nullptr;
    vertices_ = colors_ = indices_ = 0;
    uploaded_ = 0;
}

void PathBuffers::upload(const PathVertexArrays& arrays)
{
    QOpenGLContext* current = QOpenGLContext::currentContext();
    if (current != context_) {
        release();
        context_ = current;
        functions_.initializeOpenGLFunctions();
        GLuint buffers[3];
        functions_.glGenBuffers(3, buffers);
        vertices_ = buffers[0];
        colors_ = buffers[1];
        indices_ = buffers[2];
    }
    const auto points = static_cast<std::size_t>(arrays.pointCount());
    functions_.glBindBuffer(GL_ARRAY_BUFFER, vertices_);
    functions_.glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(3 * points * sizeof(GLfloat)),
                            arrays.pointVertices(), GL_STATIC_DRAW);
    functions_.glBindBuffer(GL_ARRAY_BUFFER, colors_);
    functions_.glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(3 * points), arrays.pointColors(),
                            GL_STATIC_DRAW);
    functions_.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indices_);
    functions_.glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                            static_cast<GLsizeiptr>(2 * static_cast<std::size_t>(arrays.segmentCount()) * sizeof(GLuint)),
                            arrays.segmentIndices(), GL_STATIC_DRAW);
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
    functions_.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indices_);
}

void PathBuffers::drawSegments(GLint first, GLsizei count)
{
    const std::size_t offset = 2 * static_cast<std::size_t>(first) * sizeof(GLuint);
    glDrawElements(GL_LINES, 2 * count, GL_UNSIGNED_INT, reinterpret_cast<const void*>(offset));
}

void PathBuffers::unbindArrays()
{
    functions_.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

}  // namespace tarnix
