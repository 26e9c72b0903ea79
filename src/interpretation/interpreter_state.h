#pragma once
// The G-code interpreter's modal state: one set for the whole process,
// carried from block to block and from pass to pass. Each pass resets what
// it needs before its first block.

#include <cstdint>
#include <string>

namespace tarnix {

struct TInterpreterState {
    // Current tool position, program units.
    double gX = 0, gY = 0, gZ = 0;
    // The last I, J, K words (arc centre words).
    double gI = 0, gJ = 0, gK = 0;
    // Feed in force and plunge feed, program units per minute.
    double gFeed = 0, gFeedZ = 0;
    // Feeds saved when a rapid block or a constant-feed replacement overwrote them.
    double gSavedFeed = 0, gSavedFeedZ = 0;
    // The feed the last G0 block applied.
    double gLastRapidFeed = 64.0;
    // The last F word as written, before any replacement.
    double gFWord = 0;
    double gSpindle = 0;
    std::int32_t gMoveMode = 0;  // 0 to 3 for G0 to G3
    std::int32_t gPlane = 17;    // 17, 18, 19
    std::int32_t gDistMode = 90; // 90 absolute, anything else incremental

    // Per-block flags and move-word texts, reset by every block.
    bool gHasMoveWord = false;
    bool gHasPlaneWord = false;
    bool gHasFeedWord = false;
    std::string gG0Text = "G00", gG1Text = "G01", gG2Text = "G02", gG3Text = "G03";
};

}  // namespace tarnix
