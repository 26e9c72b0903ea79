#pragma once
// The path's indexed arrays in GL buffer objects: uploaded once per path
// change, so a frame hands GL a handful of calls and no data. The buffers
// come in pieces that never grow: a path that grew at its tail has only its
// new part uploaded, into the last piece and new ones. A buffer that grew
// would have to be made again and filled again from the head, and software
// GLs clear a new buffer first: a run of millions of lines froze for a
// third of a second each time.

#include "view/path_vertex_arrays.h"

#include <QOpenGLFunctions>

#include <cstddef>
#include <cstdint>
#include <vector>

class QOpenGLContext;

namespace tarnix {

class PathBuffers {
public:
    // Points a piece holds at most: a few milliseconds to make and fill.
    static constexpr std::size_t kMostPiecePoints = std::size_t{1} << 20;

    PathBuffers() = default;
    PathBuffers(const PathBuffers&) = delete;
    PathBuffers& operator=(const PathBuffers&) = delete;
    ~PathBuffers();

    // Whether the current context has buffer objects.
    static bool available();

    // A piece holds the points the arrays have when it is made, or, for a
    // path that grows, twice as many as the piece before (a small first
    // one makes no room for millions of points); at most `mostPoints`.
    void setMostPiecePoints(std::size_t mostPoints);

    // Uploads what of the arrays the buffers do not hold yet, at most
    // about `budgetBytes` of it, so no single call stalls.
    void takeIn(const PathVertexArrays& arrays, std::size_t budgetBytes);
    // Whether the buffers hold all of the arrays.
    bool holds(const PathVertexArrays& arrays) const
    {
        return uploaded_ == arrays.generation() && points_ == static_cast<std::size_t>(arrays.pointCount()) &&
               segments_ == static_cast<std::size_t>(arrays.segmentCount());
    }
    // Uploads what the buffers do not hold yet, first of all when the
    // arrays were rebuilt or the context is not the one the buffers were
    // made in. Draw with drawSegments, with the vertex (and colour) arrays
    // enabled, until unbindArrays.
    void bindArrays(const PathVertexArrays& arrays);
    // Draws `count` segments from segment `first` with glDrawElements,
    // pointing the vertex and colour arrays into each piece it draws from.
    void drawSegments(GLint first, GLsizei count);
    // Unbinds the index buffer: immediate drawing must not read it.
    void unbindArrays();
    // Gives the GL's copy of the path back, for a path with nothing to
    // draw: a cleared path must not keep hundreds of megabytes there.
    void empty();

private:
    // A piece owns the points from `firstPoint` to `endPoint` and the
    // segments that end on them. It holds the point before its first as
    // well, so that a segment's two points lie in one piece: its indices
    // are the arrays' less `basePoint`.
    struct Piece {
        GLuint vertices = 0, colors = 0, indices = 0;
        std::size_t firstPoint = 0, endPoint = 0, basePoint = 0;
        std::size_t firstSegment = 0, segments = 0;
    };

    void release();
    void deletePieces();
    // Makes the pieces up to the one that owns `point`, sized by the points
    // `arrays` have.
    Piece& pieceOwning(const PathVertexArrays& arrays, std::size_t point);
    void putPoints(const PathVertexArrays& arrays, std::size_t from, std::size_t to);
    void putSegments(const PathVertexArrays& arrays, std::size_t from, std::size_t to);
    void bindPiece(const Piece& piece);

    QOpenGLContext* context_ = nullptr;
    QOpenGLFunctions functions_;
    std::vector<Piece> pieces_;
    std::size_t mostPiecePoints_ = kMostPiecePoints;
    const Piece* bound_ = nullptr;  // the piece the arrays point into while bound
    std::uint64_t uploaded_ = 0;    // the arrays' generation in the buffers; 0 none
    // The head of the arrays the buffers hold, when uploaded_ is their
    // generation or one they extend.
    std::size_t points_ = 0, segments_ = 0;
    std::vector<GLuint> rebased_;  // a piece's indices on their way up
};

}  // namespace tarnix
