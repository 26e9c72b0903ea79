#pragma once
// Extents gathered by the G-code interpreter while no run is active.
// Program units, not scaled by the coefficient.

namespace tarnix {

struct TInfoRunBox {
    double gInfoMaxX = -99999, gInfoMaxY = -99999, gInfoMaxZ = -99999;
    double gInfoMinX = 99999, gInfoMinY = 99999, gInfoMinZ = 99999;
    double gInfoMaxZG0 = -99999, gInfoMinZG0 = 99999;
    double gInfoMinF = 99999, gInfoMaxF = 0;

    void reset() { *this = TInfoRunBox{}; }
};

}  // namespace tarnix
