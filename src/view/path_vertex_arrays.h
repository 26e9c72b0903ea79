#pragma once
// The tool path as GL 1.1 client arrays for glDrawArrays(GL_LINES): one
// segment per drawn point, from the pen to the point, both ends in the
// point's colour. Built once per path change, so a frame of a million
// segments costs a handful of GL calls instead of one batch per segment; a
// path that grew at its tail gets only its new points converted, so a run
// or a build that draws as it goes pays once for every point.

#include "points/point_list.h"
#include "view/growing_array.h"

#include <GL/gl.h>

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace tarnix {

class PathVertexArrays {
public:
    // Rebuilds when the path differs from the last call's. A path only
    // grows at its tail or is replaced by a new list, so the list's serial
    // and its count tell a change without walking the points.
    // A hidden rapid leaves no segment, which makes "View Rapid" part of
    // what is built.
    void update(const TD3FloatPointList* points, bool viewRapid);

    // Changes with every change; what is derived from the arrays keys on it.
    std::uint64_t generation() const { return generation_; }
    // Whether the arrays of `generation` are a head of these: the path only
    // grew since, so its points and segments are still here, unchanged, and
    // only those after them need to be taken in.
    bool extends(std::uint64_t generation) const { return generation != 0 && generation >= rebuiltAt_; }

    GLsizei segmentCount() const { return static_cast<GLsizei>(lines_.size()); }
    const GLfloat* vertices() const { return vertices_.data(); }  // x, y, z per vertex
    const GLfloat* colors() const { return colors_.data(); }      // red, green, blue per vertex
    // The same segments indexed: one vertex per point, in the point's colour
    // clamped to 0..1 as bytes (GL clamps before it draws), and two indices
    // per segment, the point before and the point. Drawn with flat shading
    // (the last vertex gives a line its colour) they look the same at half
    // the vertices to transform.
    GLsizei pointCount() const { return static_cast<GLsizei>(pointVertices_.size() / 3); }
    const GLfloat* pointVertices() const { return pointVertices_.data(); }
    const GLubyte* pointColors() const { return pointColors_.data(); }
    const GLuint* segmentIndices() const { return segmentIndices_.data(); }
    // The corners of the box around every vertex; empty (min above max) without segments.
    const std::array<GLfloat, 3>& boxMin() const { return boxMin_; }
    const std::array<GLfloat, 3>& boxMax() const { return boxMax_; }
    // The program line of each segment's point, in drawing order.
    const std::int32_t* segmentLines() const { return lines_.data(); }

    // Bytes the arrays hold, for the memory benchmark and its test.
    std::size_t reservedBytes() const;
    // Bytes given back by the rebuilds since the last call: the view hands
    // a large amount on to the system (free_memory.h).
    std::size_t takeReleasedBytes() { return std::exchange(releasedBytes_, 0); }

private:
    struct Source {
        std::uint64_t serial = 0;  // 0: no list
        std::int32_t count = 0;
        bool viewRapid = false;
        bool operator==(const Source&) const = default;
    };

    // Drops the arrays, giving their memory back: a cleared path of
    // millions of points must not keep hundreds of megabytes.
    void release();
    // Converts the points of `points` from index `from` on; the arrays hold
    // those before it, and the walk goes on from the tail they ended on.
    void append(const TD3FloatPointList& points, std::int32_t from, bool viewRapid);
    void takeIntoBox(std::size_t fromVertex);

    Source source_;
    std::uint64_t generation_ = 0;
    std::uint64_t rebuiltAt_ = 0;  // the generation of the last rebuild from the head
    std::optional<TD3FloatPointList::Cursor> tail_;  // on the last point converted
    std::size_t releasedBytes_ = 0;
    GrowingArray<GLfloat> vertices_;
    GrowingArray<GLfloat> colors_;
    GrowingArray<GLfloat> pointVertices_;
    GrowingArray<GLubyte> pointColors_;
    GrowingArray<GLuint> segmentIndices_;
    GrowingArray<std::int32_t> lines_;
    std::array<GLfloat, 3> boxMin_{}, boxMax_{};
};

}  // namespace tarnix
