#pragma once
// The read-out of the segment that ends at the editor's cursor line: the
// Info panel labels and status panel 5. Coordinates are shown as scene
// units x 100 (program units for G-code) with "." as decimal separator.

#include "points/point_list.h"
#include "view/scene_point.h"

#include <string>
#include <string_view>

namespace tarnix {

struct SegmentTexts {
    // Info panel labels; all empty when showPicture is set.
    std::string lbBeginX, lbBeginY, lbBeginZ, lbFeed;
    std::string lbEndX, lbEndY, lbEndZ, lbLength;
    // Status panel 5; left alone by the window when showPicture is set.
    std::string statusPanel5;
    // The editor holds another program than the view: the Info panel shows
    // its picture instead of the segment.
    bool showPicture = false;
};

// `start` is the pen position before the segment, `end` the first point of
// the cursor line. `editorFileName` is the editor's file name with or
// without folder; only its name part is compared with `selectedFile`.
SegmentTexts cursorSegmentTexts(const ScenePoint& start, const TPathPoint& end,
                                std::string_view editorFileName, std::string_view selectedFile);

}  // namespace tarnix
