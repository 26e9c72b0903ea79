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
    source_ = source;
    ++generation_;
    rebuild(points, viewRapid);
}

void PathVertexArrays::rebuild(const TD3FloatPointList* points, bool viewRapid)
{
    const std::int32_t count = points != nullptr ? points->Count() : 0;
    constexpr GLfloat kInfinity = std::numeric_limits<GLfloat>::infinity();
    boxMin_ = {kInfinity, kInfinity, kInfinity};
    boxMax_ = {-kInfinity, -kInfinity, -kInfinity};
    if (count == 0) {
        vertices_.clear();
        colors_.clear();
        pointVertices_.clear();
        pointColors_.clear();
        segmentIndices_.clear();
        lines_.clear();
        return;
    }
    auto point = points->First();

    // Sized for every point at once, so a large path is not copied while
    // it grows; hidden rapids only leave the tail unused.
    const auto most = static_cast<std::size_t>(count);
    vertices_.resize(6 * most);
    colors_.resize(6 * most);
    lines_.resize(most);
    pointVertices_.resize(3 * most);
    pointColors_.resize(3 * most);
    segmentIndices_.resize(2 * most);

    // The pen starts on the first point, so the first segment has no length.
    ScenePoint pen = scenePoint(*point);
    std::size_t segments = 0;
    for (std::int32_t i = 0; i < count; ++i, point.Next()) {
        const ScenePoint end = scenePoint(*point);
        const auto index = static_cast<std::size_t>(i);
        putVertex(&pointVertices_[3 * index], end);
        std::transform(point->Color, point->Color + 3, &pointColors_[3 * index], colorByte);
        if (!point->Rapid || viewRapid) {
            putVertex(&vertices_[6 * segments], pen);
            putVertex(&vertices_[6 * segments + 3], end);
            std::copy_n(point->Color, 3, &colors_[6 * segments]);
            std::copy_n(point->Color, 3, &colors_[6 * segments + 3]);
            segmentIndices_[2 * segments] = static_cast<GLuint>(i > 0 ? i - 1 : 0);
            segmentIndices_[2 * segments + 1] = static_cast<GLuint>(i);
            lines_[segments] = point->LineNo;
            ++segments;
        }
        pen = end;
    }
    vertices_.resize(6 * segments);
    colors_.resize(6 * segments);
    segmentIndices_.resize(2 * segments);
    lines_.resize(segments);
    for (std::size_t i = 0; i < vertices_.size(); i += 3) {
        for (std::size_t axis = 0; axis < 3; ++axis) {
            boxMin_[axis] = std::min(boxMin_[axis], vertices_[i + axis]);
            boxMax_[axis] = std::max(boxMax_[axis], vertices_[i + axis]);
        }
    }
}

}  // namespace tarnix
