#pragma once
// What of the path is drawn white, and where the cursor marker goes: the
// segments of the cursor line and of the marked line range. They are drawn
// in the path's own order like every other segment, so the depth test
// decides between overlapping lines exactly as for the rest of the path.
// Kept until the path or one of those lines changes: the editor's caret
// moves far more often than the path changes, and a frame must not scan a
// million segments for it. A path that grew at its tail, as in a run, has
// only its new segments looked at.

#include "view/path_vertex_arrays.h"
#include "points/point_list.h"
#include "view/scene_point.h"

#include <GL/gl.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tarnix {

// Consecutive segments of the arrays that share their colouring.
struct SegmentRun {
    GLint first = 0;  // segment index
    GLsizei count = 0;
    bool highlighted = false;
};

// The segment that leads into the cursor line, from the pen to the line's
// first point; it gets the marker and the read-out.
struct CursorSegment {
    ScenePoint pen;
    TPathPoint point;  // a copy, so nothing here points into the list
};

class PathHighlights {
public:
    // `arrays` must be up to date with `points` and `viewRapid`.
    void update(const PathVertexArrays& arrays, const TD3FloatPointList* points, bool viewRapid,
                std::int32_t cursorLine, std::int32_t selBeginLine, std::int32_t selEndLine);

    const std::vector<SegmentRun>& runs() const { return runs_; }
    // Empty when the cursor line has no point.
    const std::optional<CursorSegment>& cursor() const { return cursor_; }
    // The marker goes in before this run; runs().size() puts it after all,
    // which is also the value when there is no marker.
    std::size_t markerRun() const { return markerRun_; }

private:
    struct Key {
        std::uint64_t arrays = 0;
        std::int32_t cursorLine = 0;
        std::int32_t selBeginLine = 0;
        std::int32_t selEndLine = 0;
        bool operator==(const Key&) const = default;
    };

    void restart();
    void searchCursorPoint(const TD3FloatPointList& points, bool viewRapid, std::int32_t cursorLine);
    void extendRuns(const PathVertexArrays& arrays, std::int32_t cursorLine, std::int32_t selBeginLine,
                    std::int32_t selEndLine);

    Key key_;
    std::vector<SegmentRun> runs_;
    std::optional<CursorSegment> cursor_;
    std::size_t markerRun_ = 0;
    GLint markerAt_ = -1;     // drawn segments ahead of the cursor point
    GLint segmentsDone_ = 0;  // segments the runs take in
    // The search for the cursor point: on the last point looked at, with
    // the pen there and the segments drawn up to it.
    std::optional<TD3FloatPointList::Cursor> search_;
    std::int32_t searched_ = 0;
    ScenePoint pen_;
    GLint drawnBefore_ = 0;
};

}  // namespace tarnix
