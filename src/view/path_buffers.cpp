#include "view/path_buffers.h"

#include <QOpenGLContext>

#include <algorithm>
#include <limits>

namespace tarnix {
namespace {

// Per point: three floats of position, three bytes of colour; per segment two indices.
constexpr std::size_t kVertexBytes = 3 * sizeof(GLfloat);
constexpr std::size_t kColorBytes = 3;
constexpr std::size_t kSegmentBytes = 2 * sizeof(GLuint);
constexpr std::size_t kFirstPiecePoints = std::size_t{1} << 16;

}  // namespace

PathBuffers::~PathBuffers()
{
    release();
}

bool PathBuffers::available()
{
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return context != nullptr && context->functions()->hasOpenGLFeature(QOpenGLFunctions::Buffers);
}

void PathBuffers::setMostPiecePoints(std::size_t mostPoints)
{
    deletePieces();
    mostPiecePoints_ = std::max<std::size_t>(mostPoints, 1);
}

// Buffers die with their context; they are deleted only while it is current.
void PathBuffers::deletePieces()
{
    if (context_ != nullptr && QOpenGLContext::currentContext() == context_)
        for (const Piece& piece : pieces_) {
            const GLuint buffers[] = {piece.vertices, piece.colors, piece.indices};
            functions_.glDeleteBuffers(3, buffers);
        }
    pieces_.clear();
    bound_ = nullptr;
    uploaded_ = 0;
    points_ = segments_ = 0;
}

void PathBuffers::release()
{
    deletePieces();
    context_ = nullptr;
}

PathBuffers::Piece& PathBuffers::pieceOwning(const PathVertexArrays& arrays, std::size_t point)
{
    const auto arrayPoints = static_cast<std::size_t>(arrays.pointCount());
    while (pieces_.empty() || pieces_.back().endPoint <= point) {
        Piece piece;
        piece.firstPoint = pieces_.empty() ? 0 : pieces_.back().endPoint;
        // Room for the points the arrays have already, as for a path drawn
        // at once; a growing one gets twice the last piece's.
        const std::size_t growth =
            pieces_.empty() ? kFirstPiecePoints : 2 * (pieces_.back().endPoint - pieces_.back().firstPoint);
        const std::size_t room = std::min(std::max(growth, arrayPoints - piece.firstPoint), mostPiecePoints_);
        piece.endPoint = piece.firstPoint + room;
        piece.basePoint = piece.firstPoint == 0 ? 0 : piece.firstPoint - 1;
        GLuint buffers[3];
        functions_.glGenBuffers(3, buffers);
        piece.vertices = buffers[0];
        piece.colors = buffers[1];
        piece.indices = buffers[2];
        const std::size_t points = piece.endPoint - piece.basePoint;
        const auto allocate = [this](GLenum target, GLuint buffer, std::size_t bytes) {
            functions_.glBindBuffer(target, buffer);
            functions_.glBufferData(target, static_cast<GLsizeiptr>(bytes), nullptr, GL_STATIC_DRAW);
            functions_.glBindBuffer(target, 0);
        };
        allocate(GL_ARRAY_BUFFER, piece.vertices, points * kVertexBytes);
        allocate(GL_ARRAY_BUFFER, piece.colors, points * kColorBytes);
        allocate(GL_ELEMENT_ARRAY_BUFFER, piece.indices, room * kSegmentBytes);
        pieces_.push_back(piece);
    }
    // Points come in order: the owner is one of the last pieces.
    auto owner = pieces_.end() - 1;
    while (owner->firstPoint > point)
        --owner;
    return *owner;
}

void PathBuffers::putPoints(const PathVertexArrays& arrays, std::size_t from, std::size_t to)
{
    if (from >= to)
        return;
    pieceOwning(arrays, to - 1);
    for (const Piece& piece : pieces_) {
        const std::size_t begin = std::max(from, piece.basePoint), end = std::min(to, piece.endPoint);
        if (begin >= end)
            continue;
        const auto offset = begin - piece.basePoint, count = end - begin;
        functions_.glBindBuffer(GL_ARRAY_BUFFER, piece.vertices);
        functions_.glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(offset * kVertexBytes),
                                   static_cast<GLsizeiptr>(count * kVertexBytes),
                                   arrays.pointVertices() + 3 * begin);
        functions_.glBindBuffer(GL_ARRAY_BUFFER, piece.colors);
        functions_.glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(offset * kColorBytes),
                                   static_cast<GLsizeiptr>(count * kColorBytes), arrays.pointColors() + 3 * begin);
    }
    functions_.glBindBuffer(GL_ARRAY_BUFFER, 0);
}

// A segment's second index is its own point, which says the piece.
void PathBuffers::putSegments(const PathVertexArrays& arrays, std::size_t from, std::size_t to)
{
    const GLuint* indices = arrays.segmentIndices();
    for (std::size_t segment = from; segment < to;) {
        Piece& piece = pieceOwning(arrays, indices[2 * segment + 1]);
        std::size_t end = segment;
        while (end < to && indices[2 * end + 1] < piece.endPoint)
            ++end;
        rebased_.resize(2 * (end - segment));
        std::transform(indices + 2 * segment, indices + 2 * end, rebased_.begin(),
                       [&piece](GLuint index) { return static_cast<GLuint>(index - piece.basePoint); });
        if (piece.segments == 0)
            piece.firstSegment = segment;
        functions_.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, piece.indices);
        functions_.glBufferSubData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLintptr>(piece.segments * kSegmentBytes),
                                   static_cast<GLsizeiptr>(rebased_.size() * sizeof(GLuint)), rebased_.data());
        piece.segments += end - segment;
        segment = end;
    }
    functions_.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

void PathBuffers::takeIn(const PathVertexArrays& arrays, std::size_t budgetBytes)
{
    if (QOpenGLContext::currentContext() != context_) {
        release();
        context_ = QOpenGLContext::currentContext();
        functions_.initializeOpenGLFunctions();
    } else if (uploaded_ != arrays.generation() && !arrays.extends(uploaded_)) {
        // A new path: the old one's pieces go back.
        deletePieces();
    }
    const auto points = static_cast<std::size_t>(arrays.pointCount());
    const auto segments = static_cast<std::size_t>(arrays.segmentCount());
    const std::size_t budget = budgetBytes / (kVertexBytes + kColorBytes + kSegmentBytes);
    const std::size_t pointsTo = std::min(points, points_ + budget);
    const std::size_t segmentsTo = std::min(segments, segments_ + budget);
    putPoints(arrays, points_, pointsTo);
    putSegments(arrays, segments_, segmentsTo);
    points_ = pointsTo;
    segments_ = segmentsTo;
    uploaded_ = arrays.generation();
}

void PathBuffers::bindArrays(const PathVertexArrays& arrays)
{
    takeIn(arrays, std::numeric_limits<std::size_t>::max());
    bound_ = nullptr;
}

void PathBuffers::bindPiece(const Piece& piece)
{
    if (bound_ == &piece)
        return;
    bound_ = &piece;
    functions_.glBindBuffer(GL_ARRAY_BUFFER, piece.vertices);
    glVertexPointer(3, GL_FLOAT, 0, nullptr);
    functions_.glBindBuffer(GL_ARRAY_BUFFER, piece.colors);
    glColorPointer(3, GL_UNSIGNED_BYTE, 0, nullptr);
    functions_.glBindBuffer(GL_ARRAY_BUFFER, 0);
    functions_.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, piece.indices);
}

void PathBuffers::drawSegments(GLint first, GLsizei count)
{
    const auto from = static_cast<std::size_t>(first), to = from + static_cast<std::size_t>(count);
    for (const Piece& piece : pieces_) {
        const std::size_t begin = std::max(from, piece.firstSegment);
        const std::size_t end = std::min(to, piece.firstSegment + piece.segments);
        if (begin >= end)
            continue;
        bindPiece(piece);
        const std::size_t offset = (begin - piece.firstSegment) * kSegmentBytes;
        glDrawElements(GL_LINES, static_cast<GLsizei>(2 * (end - begin)), GL_UNSIGNED_INT,
                       reinterpret_cast<const void*>(offset));
    }
}

void PathBuffers::empty()
{
    if (!pieces_.empty())
        deletePieces();
}

void PathBuffers::unbindArrays()
{
    bound_ = nullptr;
    functions_.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

}  // namespace tarnix
