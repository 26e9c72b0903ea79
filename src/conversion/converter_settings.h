#pragma once
// What the converter reads while it rewrites a transformation run's blocks:
// the transformation panel's controls, the values the transformation command
// and the run set-up derive from them, and the converter's own state kept
// from block to block.

#include <string>

namespace tarnix {

// The transformation panel's controls, as the window keeps them current.
// Edit texts stay text: they are converted when used.
struct TTransformPanel {
    int rgMirror = -1;  // 0 X, 1 Y, 2 Z; -1 nothing chosen
    int rgRotate = -1;  // 0 X, 1 Y, 2 Z; -1 nothing chosen
    std::string edAngle = "0";
    bool cbShiftX = false, cbShiftY = false, cbShiftZ = false;
    std::string edShiftX = "0", edShiftY = "0", edShiftZ = "0";
    bool cbZmin = false, cbZmax = false;
    std::string edZminmax;
    bool cbCoeff = false;
    std::string edFCoeff = "1.0";
    bool cbG0 = false;  // "G1 && G0 Const speed Z"
};

struct TTransformParams {
    TTransformPanel panel;
    // Set by the transformation command.
    double FZminValue = -10000000.0;
    double FZmaxValue = 10000000.0;
    double FZSafe = 0;
    double FFeedCoeff = 1.0;
    bool FDoShift = false, FDoRotate = false, FDoMirror = false;
    // Set by the run set-up.
    bool gTransformOut = false;
    bool gArcWarn = false;
    double gRotAngle = 0;
    // sin Z, cos Z, sin X, cos X, cos Y, sin Y.
    double gRotCoef[6] = {0, 1, 0, 1, 1, 0};
    bool gSwap17_18 = false, gSwap17_19 = false, gSwap18_19 = false;
};

// The converter's memory between blocks. Besides the written position it
// tracks the modal state a reader of the output is in, so that every line
// carries the words that reader needs.
struct TConverterState {
    // The position a reader of the output holds (the written, rounded values).
    double gOutX = 0, gOutY = 0, gOutZ = 0;
    bool gOutFeedPending = false;   // a constant Z feed replaced the program's
    bool gOutZFeedPending = false;  // a Z-limited feed was written
    bool gPercentSeen = false;      // a "%" line was written
    bool writeXYAgain = false;      // the move after the one after "%" writes X and Y
    // Not before the first move, nor after a block a control may skip: the
    // output may be joined after a program that ends anywhere.
    bool positionKnown = false;
    int readerMoveMode = 0;         // 0 to 3, -1 unknown
    int readerPlane = 17;           // 0 unknown
};

}  // namespace tarnix
