#pragma once
// Everything the scene drawing reads. The window keeps it current from its
// controls and fields; the drawing never writes it.

#include "interpretation/program_box.h"
#include "points/point_list.h"
#include "view/view_camera.h"

#include <cstdint>
#include <string>

namespace tarnix {

// The rectangle dragged with Ctrl and the left button, in panel pixels.
struct RubberBandInput {
    bool gRubberBand = false;
    int gRubberX1 = 0, gRubberY1 = 0;
    int gRubberX2 = 0, gRubberY2 = 0;

    bool operator==(const RubberBandInput&) const = default;
};

// The two-point measurement: while gMeasureCount is 1 a line runs from the
// first point to the point under the mouse (scene units).
struct MeasureInput {
    int gMeasureCount = 0;
    double gMeasX1 = 0, gMeasY1 = 0, gMeasZ1 = 0;
    double gMeasX2 = 0, gMeasY2 = 0, gMeasZ2 = 0;

    bool operator==(const MeasureInput&) const = default;
};

struct SceneInput {
    TViewCamera camera;

    // Not owned; null or empty draws no path.
    const TD3FloatPointList* FPathPoints = nullptr;

    // The program's box and tool in program units (steps for Roland); the
    // start values mean "not known yet" and are drawn as they stand. A tool
    // radius of 0 draws the tool as radius 0.01 scene units.
    TProgramBox box;
    // Scene units per program unit for the box: 0.01 for G-code, 0.0001
    // for Roland programs (rbRoland).
    double boxScale = 0.01;

    // The program the view shows; empty hides the box.
    std::string FSelectedFile;
    // The editor's file name; the segment texts are shown only
    // when its name part is FSelectedFile.
    std::string edFileName;

    std::int32_t FCursorLine = 0;  // 0: no cursor line
    std::int32_t FSelBeginLine = 0;
    std::int32_t FSelEndLine = 0;
    bool FToolMarkOn = false;

    bool cbSmooth = false;
    bool cbViewRapid = true;
    // Blue-green-red integer: red is the low byte.
    std::int32_t FBackColor = 0;

    RubberBandInput rubberBand;
    MeasureInput measure;

    // The list is compared by its address: whether its points changed is
    // for the caller to tell (PathView::renderIfChanged).
    bool operator==(const SceneInput&) const = default;
};

}  // namespace tarnix
