#pragma once
// The tool path as picking reads it, and the choice of the segments a pick
// can hit. A selection pass over a million segments takes seconds on a
// software GL; projecting them on the CPU takes milliseconds. The choice is
// made against the pick's clip volume, a little enlarged, so it never
// leaves out a segment GL would report; GL then decides among the few
// chosen, drawn in their order, so that equal depths resolve as drawn.

#include "points/point_list.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tarnix {

// The pick square in normalised device coordinates.
struct PickRegion {
    double left = -1, right = 1, bottom = -1, top = 1;
};

// One piece of the selection pass, in drawing order: the segment that
// leads to point `index` (from the point before it, or from itself for the
// first point), the cursor marker drawn before it, or both.
struct PickEntry {
    std::int32_t index = 0;
    bool segment = false;
    bool marker = false;
};

class PickPath {
public:
    // Follows the path: a new list is copied, a list that grew since the
    // last call gets its new points appended.
    void update(const TD3FloatPointList* points);

    std::int32_t count() const { return static_cast<std::int32_t>(lines_.size()); }
    std::int32_t line(std::int32_t index) const { return lines_[static_cast<std::size_t>(index)]; }
    // Positions in single floats, exactly as the drawing hands them to GL.
    const float* position(std::int32_t index) const { return &xyz_[3 * static_cast<std::size_t>(index)]; }
    // Where the pen is before point `index`.
    const float* pen(std::int32_t index) const { return position(index > 0 ? index - 1 : 0); }

    // The pieces of the path that may meet `region`. `clipFromScene` is the
    // projection times the model-view matrix (column-major, as GL keeps
    // them); hidden rapids are never drawn; the marker goes before the
    // first point of `cursorLine`, where the drawing puts it.
    std::vector<PickEntry> candidates(const std::array<double, 16>& clipFromScene, const PickRegion& region,
                                      bool viewRapid, std::int32_t cursorLine) const;

private:
    // Appends the points of `points` after the first count() of them.
    void append(const TD3FloatPointList& points);

    std::uint64_t serial_ = 0;  // 0: no list yet
    std::vector<float> xyz_;
    std::vector<std::int32_t> lines_;
    std::vector<bool> rapid_;
};

}  // namespace tarnix
