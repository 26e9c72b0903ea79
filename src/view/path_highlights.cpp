#include "view/path_highlights.h"

#include "view/path_point_position.h"

namespace tarnix {
namespace {

struct CursorPoint {
    CursorSegment segment;
    GLint segmentsBefore = 0;  // drawn segments ahead of it: where the marker goes
};

// The first point of the cursor line in the list's order, drawn or not:
// a hidden rapid on the cursor line still gets the marker.
std::optional<CursorPoint> findCursorPoint(const TD3FloatPointList* points, bool viewRapid,
                                           std::int32_t cursorLine)
{
    const std::int32_t count = points != nullptr ? points->Count() : 0;
    if (count == 0)
        return std::nullopt;
    auto point = points->First();
    ScenePoint pen = scenePoint(*point);
    GLint drawn = 0;
    for (std::int32_t i = 0; i < count; ++i, point.Next()) {
        if (point->LineNo == cursorLine)
            return CursorPoint{{pen, *point}, drawn};
        if (!point->Rapid || viewRapid)
            ++drawn;
        pen = scenePoint(*point);
    }
    return std::nullopt;
}

}  // namespace

void PathHighlights::update(const PathVertexArrays& arrays, const TD3FloatPointList* points,
                            bool viewRapid, std::int32_t cursorLine, std::int32_t selBeginLine,
                            std::int32_t selEndLine)
{
    const Key key{arrays.generation(), cursorLine, selBeginLine, selEndLine};
    if (key == key_)
        return;
    key_ = key;

    const std::optional<CursorPoint> found = findCursorPoint(points, viewRapid, cursorLine);
    const GLint markerAt = found ? found->segmentsBefore : -1;

    // The marker is drawn between two segments, so a run ends there.
    runs_.clear();
    markerRun_ = 0;
    bool markerPlaced = false;
    const std::vector<std::int32_t>& lines = arrays.segmentLines();
    for (GLint segment = 0; segment < arrays.segmentCount(); ++segment) {
        const std::int32_t line = lines[static_cast<std::size_t>(segment)];
        const bool highlighted = line == cursorLine || (selBeginLine <= line && line <= selEndLine);
        if (segment == markerAt) {
            markerRun_ = runs_.size();
            markerPlaced = true;
        }
        if (runs_.empty() || runs_.back().highlighted != highlighted || segment == markerAt)
            runs_.push_back({segment, 0, highlighted});
        ++runs_.back().count;
    }
    if (!markerPlaced)
        markerRun_ = runs_.size();

    cursor_.reset();
    if (found)
        cursor_ = found->segment;
}

}  // namespace tarnix
