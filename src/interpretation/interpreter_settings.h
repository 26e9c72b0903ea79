#pragma once
// The controls the interpreters read on every block, as plain values. The
// window keeps this struct current from its controls' change signals, so a
// changed setting takes effect at the next block. Edit texts stay text: they
// are converted when used, and a text that is no number fails at that block.

#include "common/gl_color.h"

#include <string>

namespace tarnix {

enum class ProgramKind { None, Fanuc, Roland };

struct TInterpreterSettings {
    // Config page, "Machine settings".
    ProgramKind programKind = ProgramKind::Fanuc;  // rbFanuc / rbRoland
    std::string edRapid = "3000";
    std::string edCoeff = "1";
    // Config page.
    std::string edFine = "2";       // "Arc view mode"
    bool cbIncMode = false;         // "Always incremental ARC center"
    bool cbSpeedColor = false;
    bool cbBlackAndWite = false;
    // "Pause on change".
    bool cbGchange = false;
    bool cbToolChange = false;
    bool cbFchange = false;
    // Transformation panel.
    bool cbConstSpeedF = false;
    bool cbConstFz = false;
    bool cbLimitZ = false;
    double FSpeedX = 0;
    double FSpeedZ = 0;
    // Run panel, "Visualisation delay".
    bool cbDelay = false;
    // Run panel: the per-line delay in milliseconds (track bar, 0 to 100).
    int tbDelay = 0;
    // Config page, "*.tap/(*.inf)": loading a G-code program reads its comment header.
    bool cbTap = true;
    // Program-view page, hidden: written by the header reader when the last
    // G-code program loaded holds "AirHead" near its start.
    bool cbAirHead = false;

    // Move colours for drawing (red, green, blue), the settings' defaults
    // until the settings file is read.
    GLColor FG0ColorGL = {1.0f, 0.0f, 0.0f};
    GLColor FG1ColorGL = {128.0f / 255.0f, 1.0f, 0.0f};
    GLColor FG2ColorGL = {0.0f, 1.0f, 1.0f};
    // Config page: the speed-colour scale ("Min", "Max"; integer texts) and
    // "G1 Color random", read by path building.
    std::string edMin = "20";
    std::string edMax = "2000";
    bool FColorRandom = false;
    // Speed-colour scales, set by path building.
    double gSpeedScale1 = 0, gSpeedScale2 = 0, gSpeedScale3 = 0;
};

}  // namespace tarnix
