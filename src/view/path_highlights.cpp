#include "view/path_highlights.h"

#include "view/path_point_position.h"

namespace tarnix {

void PathHighlights::update(const PathVertexArrays& arrays, const TD3FloatPointList* points,
                            bool viewRapid, std::int32_t cursorLine, std::int32_t selBeginLine,
                            std::int32_t selEndLine)
{
    const Key key{arrays.generation(), cursorLine, selBeginLine, selEndLine};
    if (key == key_)
        return;
    // A path that only grew keeps what was found in its head: the cursor
    // point, and the runs up to the last segment, which may go on.
    const bool grew = key.cursorLine == key_.cursorLine && key.selBeginLine == key_.selBeginLine &&
                      key.selEndLine == key_.selEndLine && arrays.extends(key_.arrays);
    key_ = key;
    if (!grew)
        restart();
    const std::int32_t count = points != nullptr ? points->Count() : 0;
    if (!cursor_ && searched_ < count)
        searchCursorPoint(*points, viewRapid, cursorLine);
    extendRuns(arrays, cursorLine, selBeginLine, selEndLine);
}

void PathHighlights::restart()
{
    runs_.clear();
    markerRun_ = 0;
    markerAt_ = -1;
    segmentsDone_ = 0;
    cursor_.reset();
    search_.reset();
    searched_ = 0;
    drawnBefore_ = 0;
}

// The first point of the cursor line in the list's order, drawn or not: a
// hidden rapid on the cursor line still gets the marker. The walk goes on
// from where the last one ended.
void PathHighlights::searchCursorPoint(const TD3FloatPointList& points, bool viewRapid, std::int32_t cursorLine)
{
    const std::int32_t count = points.Count();
    if (searched_ == 0) {
        search_.emplace(points.First());
        pen_ = scenePoint(**search_);
    } else {
        search_->follow();
        search_->Next();
    }
    for (;;) {
        const TPathPoint& point = **search_;
        if (point.LineNo == cursorLine) {
            cursor_ = CursorSegment{pen_, point};
            markerAt_ = drawnBefore_;
            search_.reset();
            return;
        }
        if (!point.Rapid || viewRapid)
            ++drawnBefore_;
        pen_ = scenePoint(point);
        // The walk stays on the last point, where the next growth goes on.
        if (++searched_ == count)
            return;
        search_->Next();
    }
}

void PathHighlights::extendRuns(const PathVertexArrays& arrays, std::int32_t cursorLine, std::int32_t selBeginLine,
                                std::int32_t selEndLine)
{
    // The marker is drawn between two segments, so a run ends there.
    const std::int32_t* lines = arrays.segmentLines();
    for (GLint segment = segmentsDone_; segment < arrays.segmentCount(); ++segment) {
        const std::int32_t line = lines[static_cast<std::size_t>(segment)];
        const bool highlighted = line == cursorLine || (selBeginLine <= line && line <= selEndLine);
        if (segment == markerAt_)
            markerRun_ = runs_.size();
        if (runs_.empty() || runs_.back().highlighted != highlighted || segment == markerAt_)
            runs_.push_back({segment, 0, highlighted});
        ++runs_.back().count;
    }
    segmentsDone_ = arrays.segmentCount();
    // Until its segment is taken in, the marker goes after every run.
    if (markerAt_ < 0 || markerAt_ >= segmentsDone_)
        markerRun_ = runs_.size();
}

}  // namespace tarnix
