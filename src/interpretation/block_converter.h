#pragma once
// How the G-code interpreter hands its blocks to the converter of
// transformation runs. The converter sits above the interpreters, so the
// interpreter knows it only through this interface, reached through the
// context.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tarnix {

using Vec3 = std::array<double, 3>;

// What the interpreter tells the converter about the block it has executed.
struct ConvertedBlock {
    std::string_view text;            // the cleaned block: commas read as points, comment cut
    std::string comment;              // the comment as written, parentheses included
    Vec3 start{};                     // the position before the block
    Vec3 centreWords{};               // I, J, K of an arc, before G91 clears them
    double feedSet = 0;               // the feed the block's F word set
    std::vector<Vec3> arcPoints;      // an arc's intermediate points
    bool arcClosed = false;           // the arc ends at its start angle

    void clear()
    {
        text = {};
        comment.clear();
        start = centreWords = {};
        feedSet = 0;
        arcPoints.clear();
        arcClosed = false;
    }
};

class BlockConverter {
public:
    virtual ~BlockConverter() = default;

    // A run started afresh: the converter is on only when `transforming`.
    // Throws ConversionError when a setting it needs is not a number.
    virtual void startRun(bool transforming) = 0;
    virtual bool converting() const = 0;
    // At the start of every block of a converting run.
    virtual void beginBlock() = 0;
    // At the end of a block of a converting run: writes its converted lines.
    virtual void writeBlock(const ConvertedBlock& block) = 0;
};

}  // namespace tarnix
