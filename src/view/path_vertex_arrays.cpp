#include "view/path_vertex_arrays.h"

#include "view/path_point_position.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace tarnix {
namespace {

void putVertex(GLfloat* to, const ScenePoint& p)
{
    to[0] = p.x;
    to[1] = p.y;
    to[2] = p.z;
}

GLubyte colorByte(float component)
{
    if (!(component > 0))  // NaN too
        return 0;
    return component >= 1 ? 255 : static_cast<GLubyte>(std::lround(component * 255));
}

}  // namespace

void PathVertexArrays::update(const TD3FloatPointList* points, bool viewRapid)
{
    const Source source = points != nullptr ? Source{points->serial(), points->Count(), viewRapid}
                                            : Source{0, 0, viewRapid};
    if (source == source_)
        return;
    const bool grew = source_.count > 0 && source.serial == source_.serial && source.viewRapid == source_.viewRapid &&
                      source.count > source_.count;
    ++generation_;
    if (!grew) {
        rebuiltAt_ = generation_;
        release();
    }
    if (source.count > 0)
        append(*points, grew ? source_.count : 0, viewRapid);
    source_ = source;
}

void PathVertexArrays::release()
{
    constexpr GLfloat kInfinity = std::numeric_limits<GLfloat>::infinity();
    boxMin_ = {kInfinity, kInfinity, kInfinity};
    boxMax_ = {-kInfinity, -kInfinity, -kInfinity};
    tail_.reset();
    releasedBytes_ += reservedBytes();
    vertices_.release();
    colors_.release();
    pointVertices_.release();
    pointColors_.release();
    segmentIndices_.release();
    lines_.release();
}

void PathVertexArrays::append(const TD3FloatPointList& points, std::int32_t from, bool viewRapid)
{
    const std::int32_t count = points.Count();
    // Sized for every new point at once (hidden rapids only leave the tail
    // unused); the arrays grow by half their room, so a path that grows in
    // many small steps is not moved at every step.
    std::size_t segments = lines_.size();
    const auto most = segments + static_cast<std::size_t>(count - from);
    const std::size_t firstVertex = vertices_.size();
    vertices_.resize(6 * most);
    colors_.resize(6 * most);
    lines_.resize(most);
    pointVertices_.resize(3 * static_cast<std::size_t>(count));
    pointColors_.resize(3 * static_cast<std::size_t>(count));
    segmentIndices_.resize(2 * most);

    // The pen starts on the first point, so the first segment has no length.
    ScenePoint pen;
    if (from == 0) {
        tail_.emplace(points.First());
        pen = scenePoint(**tail_);
    } else {
        pen = scenePoint(**tail_);
        tail_->follow();
        tail_->Next();
    }
    for (std::int32_t i = from;; ++i) {
        const TPathPoint& point = **tail_;
        const ScenePoint end = scenePoint(point);
        const auto index = static_cast<std::size_t>(i);
        putVertex(&pointVertices_[3 * index], end);
        std::transform(point.Color, point.Color + 3, &pointColors_[3 * index], colorByte);
        if (!point.Rapid || viewRapid) {
            putVertex(&vertices_[6 * segments], pen);
            putVertex(&vertices_[6 * segments + 3], end);
            std::copy_n(point.Color, 3, &colors_[6 * segments]);
            std::copy_n(point.Color, 3, &colors_[6 * segments + 3]);
            segmentIndices_[2 * segments] = static_cast<GLuint>(i > 0 ? i - 1 : 0);
            segmentIndices_[2 * segments + 1] = static_cast<GLuint>(i);
            lines_[segments] = point.LineNo;
            ++segments;
        }
        pen = end;
        // The cursor stays on the last point, where the next growth goes on.
        if (i + 1 == count)
            break;
        tail_->Next();
    }
    vertices_.resize(6 * segments);
    colors_.resize(6 * segments);
    segmentIndices_.resize(2 * segments);
    lines_.resize(segments);
    takeIntoBox(firstVertex);
}

std::size_t PathVertexArrays::reservedBytes() const
{
    return vertices_.reservedBytes() + colors_.reservedBytes() + pointVertices_.reservedBytes() +
           pointColors_.reservedBytes() + segmentIndices_.reservedBytes() + lines_.reservedBytes();
}

void PathVertexArrays::takeIntoBox(std::size_t fromVertex)
{
    for (std::size_t i = fromVertex; i < vertices_.size(); i += 3) {
        for (std::size_t axis = 0; axis < 3; ++axis) {
            boxMin_[axis] = std::min(boxMin_[axis], vertices_[i + axis]);
            boxMax_[axis] = std::max(boxMax_[axis], vertices_[i + axis]);
        }
    }
}

}  // namespace tarnix
