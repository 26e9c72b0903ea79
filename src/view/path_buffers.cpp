#include "view/path_buffers.h"

#include <QOpenGLContext>

#include <algorithm>
#include <utility>

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
    points_ = segments_ = pointCapacity_ = segmentCapacity_ = 0;
}

void PathBuffers::ensureBuffers()
{
    QOpenGLContext* current = QOpenGLContext::currentContext();
    if (current == context_)
        return;
    release();
    context_ = current;
    functions_.initializeOpenGLFunctions();
    GLuint buffers[3];
    functions_.glGenBuffers(3, buffers);
    vertices_ = buffers[0];
    colors_ = buffers[1];
    indices_ = buffers[2];
}

namespace {

// Per point: three floats of position, three bytes of colour; per segment two indices.
constexpr std::size_t kVertexBytes = 3 * sizeof(GLfloat);
constexpr std::size_t kColorBytes = 3;
constexpr std::size_t kSegmentBytes = 2 * sizeof(GLuint);

}  // namespace

void PathBuffers::upload(const PathVertexArrays& arrays, std::size_t fromPoint, std::size_t fromSegment)
{
    const auto points = static_cast<std::size_t>(arrays.pointCount());
    const auto segments = static_cast<std::size_t>(arrays.segmentCount());
    const auto* vertexBytes = reinterpret_cast<const char*>(arrays.pointVertices());
    const auto* colorBytes = reinterpret_cast<const char*>(arrays.pointColors());
    const auto* indexBytes = reinterpret_cast<const char*>(arrays.segmentIndices());
    const auto put = [this](GLenum target, GLuint buffer, std::size_t from, std::size_t to, const char* bytes) {
        functions_.glBindBuffer(target, buffer);
        if (to > from)
            functions_.glBufferSubData(target, static_cast<GLintptr>(from), static_cast<GLsizeiptr>(to - from),
                                       bytes + from);
    };
    const bool growing = fromPoint > 0;
    if (!growing || points > pointCapacity_ || segments > segmentCapacity_) {
        // A path that grows gets room to grow on; a new path exactly its
        // size, and the old one's room goes back.
        pointCapacity_ = growing ? std::max(points, 2 * pointCapacity_) : points;
        segmentCapacity_ = growing ? std::max(segments, 2 * segmentCapacity_) : segments;
        const auto allocate = [this](GLenum target, GLuint buffer, std::size_t bytes) {
            functions_.glBindBuffer(target, buffer);
            functions_.glBufferData(target, static_cast<GLsizeiptr>(bytes), nullptr, GL_STATIC_DRAW);
        };
        allocate(GL_ARRAY_BUFFER, vertices_, pointCapacity_ * kVertexBytes);
        allocate(GL_ARRAY_BUFFER, colors_, pointCapacity_ * kColorBytes);
        allocate(GL_ELEMENT_ARRAY_BUFFER, indices_, segmentCapacity_ * kSegmentBytes);
        fromPoint = fromSegment = 0;
    }
    put(GL_ARRAY_BUFFER, vertices_, fromPoint * kVertexBytes, points * kVertexBytes, vertexBytes);
    put(GL_ARRAY_BUFFER, colors_, fromPoint * kColorBytes, points * kColorBytes, colorBytes);
    put(GL_ELEMENT_ARRAY_BUFFER, indices_, fromSegment * kSegmentBytes, segments * kSegmentBytes, indexBytes);
    points_ = points;
    segments_ = segments;
    uploaded_ = arrays.generation();
}

void PathBuffers::bindArrays(const PathVertexArrays& arrays)
{
    if (QOpenGLContext::currentContext() != context_) {
        ensureBuffers();
        upload(arrays, 0, 0);
    } else if (uploaded_ != arrays.generation()) {
        const bool grew = arrays.extends(uploaded_) && points_ > 0;
        upload(arrays, grew ? points_ : 0, grew ? segments_ : 0);
    }
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

void PathBuffers::empty()
{
    if (pointCapacity_ == 0 && segmentCapacity_ == 0)
        return;
    if (context_ != nullptr && QOpenGLContext::currentContext() == context_) {
        for (const auto& [target, buffer] : {std::pair{GLenum{GL_ARRAY_BUFFER}, vertices_},
                                             std::pair{GLenum{GL_ARRAY_BUFFER}, colors_},
                                             std::pair{GLenum{GL_ELEMENT_ARRAY_BUFFER}, indices_}}) {
            functions_.glBindBuffer(target, buffer);
            functions_.glBufferData(target, 0, nullptr, GL_STATIC_DRAW);
            functions_.glBindBuffer(target, 0);
        }
    }
    uploaded_ = 0;
    points_ = segments_ = pointCapacity_ = segmentCapacity_ = 0;
}

void PathBuffers::unbindArrays()
{
    functions_.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

}  // namespace tarnix
