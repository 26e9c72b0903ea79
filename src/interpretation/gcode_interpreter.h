#pragma once
// The G-code block interpreter: one line of a Fanuc-style part program at a
// time. It updates the modal state, appends tool-path points (arcs as short
// chords), adds the block's length and machine time to the totals, widens
// the information-run extents and writes the status bar.

#include "interpretation/block_converter.h"
#include "interpretation/cached_setting.h"
#include "interpretation/gcode_words.h"
#include "interpretation/interpreter_context.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnix {

class GCodeInterpreter {
public:
    explicit GCodeInterpreter(InterpreterContext& context) : context_(context) {}

    // Interprets one block; `lineNo` (from 1) names every point it appends.
    // Returns false when the block asks a run to pause (a G0 word with
    // cbGchange, a T word with cbToolChange, an F word with cbFchange).
    // Throws ConversionError when a word or a setting is not a number; the
    // words before it have changed the state, nothing else is recorded.
    bool ParseFanucStr(std::string_view line, std::int32_t lineNo);

    // The form the run engine calls; errors pass through unchanged.
    bool SimulateFanucStr(std::string_view line, std::int32_t lineNo);

private:
    // Values that live for one block only.
    struct Block {
        bool pause = false;
        bool hasAxisWord = false;
        bool hasX = false, hasY = false, hasZ = false;
        bool feedReplaced = false, plungeReplaced = false;
        double startX = 0, startY = 0, startZ = 0;  // position before the block
        double k = 1;                               // the coefficient
        double moveTime = 0;                        // t of the straight move or arc
        double zTravel = 0;                         // Δz of the Z-feed limit check
        std::int32_t lineNo = 0;
    };

    // Time of a move of `length` at `feed` units per minute; a feed of 0 counts
    // a million seconds per unit so that a missing feed shows as a huge time.
    static double moveSeconds(double length, double feed);

    void cutComment(std::string_view written);
    void readWord(Block& block, const GCodeWord& word);
    void readFeedWord(Block& block, double value);
    void applyMoveFeeds(const Block& block);
    void measureStraightMove(Block& block);
    void interpolateArc(Block& block, const GLColor& color);
    void widenInfoExtents(const Block& block);
    void showBlockStatus(const Block& block);
    void writeMoveText(std::int32_t mode, std::string_view number);
    void resetMoveTexts();
    std::string_view blockTextOf(std::string_view line, bool converting);
    void writeBlockText(const Block& block);
    bool isConverting() const { return context_.converter != nullptr && context_.converter->converting(); }

    InterpreterContext& context_;
    // What the converter is told about the block (its comment as written too).
    ConvertedBlock converted_;
    // The block's text: the line itself, or when it has commas or a comment
    // a working copy (reused between calls to avoid allocations).
    std::string_view block_;
    std::string text_;
    std::string comment_;
    // Move texts (bit n for Gn) that differ from their defaults, and those of
    // them the current block has not written: they get their defaults back
    // once its words are read. Putting back only what the block does not
    // write again saves two string copies a block.
    std::uint8_t movesWritten_ = 0;
    std::uint8_t movesToReset_ = 0;
    // Settings read on every block, arc or rapid.
    CachedFloatSetting coefficient_;
    CachedFloatSetting rapidFeed_;
    CachedIntSetting arcViewMode_;
};

}  // namespace tarnix
