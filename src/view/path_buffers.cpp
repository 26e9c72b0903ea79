#include "view/path_buffers.h"

#include <QOpenGLContext>

#include <algorithm>
#include <limits>
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

void PathBuffers::takeIn(const PathVertexArrays& arrays, std::size_t budgetBytes)
{
    bool newPath = false;
    if (QOpenGLContext::currentContext() != context_) {
        ensureBuffers();
        newPath = true;
    } else if (uploaded_ != arrays.generation() && !arrays.extends(uploaded_)) {
        newPath = true;
    }
    const auto points = static_cast<std::size_t>(arrays.pointCount());
    const auto segments = static_cast<std::size_t>(arrays.segmentCount());
    if (newPath || points > pointCapacity_ || segments > segmentCapacity_) {
        // A path that grows gets half its size again as room to grow on (the
        // GL fills new room, so more would cost memory); a new path exactly
        // its size, and the old one's room goes back. Either way the
        // buffers start empty and are filled from the head.
        pointCapacity_ = newPath ? points : std::max(points, pointCapacity_ + pointCapacity_ / 2);
        segmentCapacity_ = newPath ? segments : std::max(segments, segmentCapacity_ + segmentCapacity_ / 2);
        const auto allocate = [this](GLenum target, GLuint buffer, std::size_t bytes) {
            functions_.glBindBuffer(target, buffer);
            functions_.glBufferData(target, static_cast<GLsizeiptr>(bytes), nullptr, GL_STATIC_DRAW);
        };
        allocate(GL_ARRAY_BUFFER, vertices_, pointCapacity_ * kVertexBytes);
        allocate(GL_ARRAY_BUFFER, colors_, pointCapacity_ * kColorBytes);
        allocate(GL_ELEMENT_ARRAY_BUFFER, indices_, segmentCapacity_ * kSegmentBytes);
        points_ = segments_ = 0;
    }
    const std::size_t budget = budgetBytes / (kVertexBytes + kColorBytes + kSegmentBytes);
    const std::size_t pointsTo = std::min(points, points_ + budget);
    const std::size_t segmentsTo = std::min(segments, segments_ + budget);
    const auto put = [this](GLenum target, GLuint buffer, std::size_t from, std::size_t to, const void* array) {
        functions_.glBindBuffer(target, buffer);
        if (to > from)
            functions_.glBufferSubData(target, static_cast<GLintptr>(from), static_cast<GLsizeiptr>(to - from),
                                       static_cast<const char*>(array) + from);
    };
    put(GL_ARRAY_BUFFER, vertices_, points_ * kVertexBytes, pointsTo * kVertexBytes, arrays.pointVertices());
    put(GL_ARRAY_BUFFER, colors_, points_ * kColorBytes, pointsTo * kColorBytes, arrays.pointColors());
    put(GL_ELEMENT_ARRAY_BUFFER, indices_, segments_ * kSegmentBytes, segmentsTo * kSegmentBytes,
        arrays.segmentIndices());
    functions_.glBindBuffer(GL_ARRAY_BUFFER, 0);
    functions_.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    points_ = pointsTo;
    segments_ = segmentsTo;
    uploaded_ = arrays.generation();
}

void PathBuffers::bindArrays(const PathVertexArrays& arrays)
{
    takeIn(arrays, std::numeric_limits<std::size_t>::max());
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
