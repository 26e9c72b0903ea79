#include "interpretation/gcode_interpreter.h"

#include "common/number_format.h"
#include "common/number_text.h"
#include "common/text_encoding.h"
#include "interpretation/gcode_words.h"
#include "interpretation/status_bar_writer.h"

#include <cmath>

namespace tarnix {
namespace {

void replaceAll(std::string& text, const std::string& pattern)
{
    std::string result;
    std::size_t from = 0;
    for (std::size_t at = text.find(pattern); at != std::string::npos;
         at = text.find(pattern, from)) {
        result.append(text, from, at - from);
        from = at + pattern.size();
    }
    result.append(text, from, std::string::npos);
    text.swap(result);
}

// The word's number: read by the scan, or converted here with the
// conversion error of a word that is no number.
double numberOf(const GCodeWord& word)
{
    return word.value ? *word.value : parseFloat(word.text);
}

// Throws the conversion error of a word that is no 32-bit integer.
void checkInteger(const GCodeWord& word)
{
    if (!word.smallInteger)
        parseInt(word.text);
}

}  // namespace

double GCodeInterpreter::moveSeconds(double length, double feed)
{
    return feed == 0 ? length / 0.000001 : 60.0 * length / feed;
}

bool GCodeInterpreter::SimulateFanucStr(std::string_view line, std::int32_t lineNo)
{
    return ParseFanucStr(line, lineNo);
}

bool GCodeInterpreter::ParseFanucStr(std::string_view line, std::int32_t lineNo)
{
    TInterpreterState& s = context_.state;
    TRunTotals& totals = context_.totals;

    s.gHasMoveWord = s.gHasPlaneWord = s.gHasFeedWord = false;
    movesToReset_ = movesWritten_;
    struct ResetOnExit {
        GCodeInterpreter& interpreter;
        ~ResetOnExit() { interpreter.resetMoveTexts(); }
    } resetOnExit{*this};
    Block block;
    block.lineNo = lineNo;
    block.startX = s.gX;
    block.startY = s.gY;
    block.startZ = s.gZ;
    // Only the converter reads what the block tells it; the comment of a
    // comment-only block is written afresh whenever there is one.
    const bool converting = isConverting();
    if (converting) {
        converted_.clear();
        context_.converter->beginBlock();
    }

    comment_.clear();
    block_ = blockTextOf(line, converting);
    if (block_.empty()) {
        if (!comment_.empty() && context_.FOutEdit != nullptr)
            context_.FOutEdit->appendLine(converted_.comment);
        return true;
    }

    GCodeWordScanner scanner(block_);
    for (GCodeWord word; scanner.next(word);)
        readWord(block, word);
    resetMoveTexts();

    if (s.gHasMoveWord)
        applyMoveFeeds(block);
    block.k = coefficient_.valueOf(context_.settings.edCoeff);

    if (!totals.FFirstMove && (s.gMoveMode == 0 || s.gMoveMode == 1))
        measureStraightMove(block);

    if (block.hasAxisWord) {
        const TInterpreterSettings& settings = context_.settings;
        GLColor color;
        bool rapid = false;
        const GLColor& moveColor = s.gMoveMode == 0   ? settings.FG0ColorGL
                                    : s.gMoveMode == 1 ? settings.FG1ColorGL
                                                       : settings.FG2ColorGL;
        color = moveColor;
        rapid = s.gMoveMode == 0;
        if (settings.cbSpeedColor && s.gMoveMode == 1) {
            double f = s.gFeed;
            if (settings.cbBlackAndWite) {
                color[0] = color[1] = color[2] = static_cast<float>(f * settings.gSpeedScale1 + 0.05);
            } else {
                color[2] = static_cast<float>(f * settings.gSpeedScale1 + 0.05);
                color[0] = static_cast<float>(f * settings.gSpeedScale2 + 0.05);
                color[1] = static_cast<float>(f * settings.gSpeedScale3 + 0.05);
            }
        }
        if (s.gMoveMode == 2 || s.gMoveMode == 3)
            interpolateArc(block, color);
        const long double scale = 0.01L * block.k;
        context_.FPathPoints->Add(color, lineNo, scale * s.gX, scale * s.gY, scale * s.gZ,
                                  s.gFeed, rapid);
    }

    if (!context_.runActive())
        widenInfoExtents(block);

    const bool shown = context_.settings.cbDelay || block.pause;
    if (shown || converting)
        writeBlockText(block);
    if (shown)
        showBlockStatus(block);

    totals.FPrevX = s.gX;
    totals.FPrevY = s.gY;
    totals.FPrevZ = s.gZ;
    if (converting) {
        converted_.text = block_;
        converted_.start = {block.startX, block.startY, block.startZ};
        context_.converter->writeBlock(converted_);
    }
    totals.FFirstMove = false;
    return !block.pause;
}

// The line as the words are read from it: commas as points, the comment cut.
// A line with neither is read in place.
std::string_view GCodeInterpreter::blockTextOf(std::string_view line, bool converting)
{
    // Two searches by memchr, many bytes at a time, cost less than one
    // byte by byte.
    if (!converting && line.find(',') == std::string_view::npos &&
        line.find('(') == std::string_view::npos)
        return line;
    text_.assign(line);
    for (char& c : text_)
        if (c == ',')
            c = '.';
    cutComment(line);
    return text_;
}

// Cuts the block's one comment, from the first "(" to the first ")" (a
// missing ")" is taken to stand at the end), removing every occurrence of
// it. The converter gets the comment as `written`, its commas unchanged.
void GCodeInterpreter::cutComment(std::string_view written)
{
    std::size_t open = text_.find('(');
    if (open == std::string::npos)
        return;
    std::size_t close = text_.find(')');
    if (close == std::string::npos) {
        text_ += ')';
        close = text_.size() - 1;
    }
    if (close < open)
        return;
    comment_.assign(text_, open, close - open + 1);
    converted_.comment = written.substr(open, close - open);
    converted_.comment += ')';
    replaceAll(text_, comment_);
}

// The block as understood: its words but the F and N words, then the feed in
// force where a replacement or the Z-feed limit changed it. Built only for
// blocks that show it or convert it.
void GCodeInterpreter::writeBlockText(const Block& block)
{
    std::string& text = context_.FBlockText;
    text.clear();
    GCodeWordScanner scanner(block_);
    for (GCodeWord word; scanner.next(word);) {
        if (word.letter == 'F' || word.letter == 'N')
            continue;
        text += word.letter;
        text.append(word.text);
    }
    const TInterpreterState& s = context_.state;
    if (block.feedReplaced || block.plungeReplaced)
        text += "F" + formatGeneral(s.gFeed);
    if (context_.FZFeedLimited)
        text += "F" + formatGeneral(s.gFeed);
}

void GCodeInterpreter::readWord(Block& block, const GCodeWord& word)
{
    TInterpreterState& s = context_.state;
    const TInterpreterSettings& settings = context_.settings;
    const std::string_view text = word.text;
    auto axis = [&](double& position, bool& flag) {
        double v = numberOf(word);
        position = s.gDistMode == 90 ? v : position + v;
        block.hasAxisWord = flag = true;
    };
    auto centre = [&](double& value) {
        value = numberOf(word);
        block.hasAxisWord = true;
    };

    switch (word.letter) {
    case 'X': axis(s.gX, block.hasX); break;
    case 'Y': axis(s.gY, block.hasY); break;
    case 'Z': axis(s.gZ, block.hasZ); break;
    case 'I': centre(s.gI); break;
    case 'J': centre(s.gJ); break;
    case 'K': centre(s.gK); break;
    case 'G': {
        double v = numberOf(word);
        if (v == 0 || v == 1 || v == 2 || v == 3) {
            s.gHasMoveWord = true;
            s.gMoveMode = static_cast<std::int32_t>(v);
            writeMoveText(s.gMoveMode, text);
            if (v == 0 && settings.cbGchange)
                block.pause = true;
        } else if (v == 17 || v == 18 || v == 19) {
            s.gHasPlaneWord = true;
            s.gPlane = static_cast<std::int32_t>(v);
        } else if (v == 90 || v == 91) {
            s.gDistMode = static_cast<std::int32_t>(v);
        }
        break;
    }
    case 'F':
        readFeedWord(block, numberOf(word));
        break;
    case 'S':
        s.gSpindle = numberOf(word);
        break;
    case 'T':
        if (settings.cbToolChange)
            block.pause = true;
        break;
    case 'M':
    case 'N':
        checkInteger(word);
        break;
    default:
        break;
    }
}

// The move text of a G0 to G3 word: "G" and the number as written.
void GCodeInterpreter::writeMoveText(std::int32_t mode, std::string_view number)
{
    TInterpreterState& s = context_.state;
    std::string& moveText = mode == 0 ? s.gG0Text : mode == 1 ? s.gG1Text : mode == 2 ? s.gG2Text : s.gG3Text;
    const auto bit = static_cast<std::uint8_t>(1u << mode);
    movesToReset_ &= static_cast<std::uint8_t>(~bit);
    movesWritten_ |= bit;
    if (moveText.size() != number.size() + 1 || std::string_view(moveText).substr(1) != number) {
        moveText = "G";
        moveText.append(number);
    }
}

// Gives the move texts the block did not write their defaults back.
void GCodeInterpreter::resetMoveTexts()
{
    if (movesToReset_ == 0)
        return;
    static const char* const kDefaults[] = {"G00", "G01", "G02", "G03"};
    TInterpreterState& s = context_.state;
    std::string* texts[] = {&s.gG0Text, &s.gG1Text, &s.gG2Text, &s.gG3Text};
    for (int mode = 0; mode < 4; ++mode) {
        if (movesToReset_ & (1u << mode))
            *texts[mode] = kDefaults[mode];
    }
    movesWritten_ &= static_cast<std::uint8_t>(~movesToReset_);
    movesToReset_ = 0;
}

void GCodeInterpreter::readFeedWord(Block& block, double value)
{
    TInterpreterState& s = context_.state;
    const TInterpreterSettings& settings = context_.settings;
    s.gHasFeedWord = true;
    if (settings.cbFchange)
        block.pause = true;
    s.gFWord = value;

    // A feed move that names neither X nor Y is a plunge: its F is the Z feed too.
    // The tests are plain substring tests, so "G17" also counts as "G1".
    bool hasXOrY = false;
    for (std::size_t i = 0; !hasXOrY && i < block_.size(); ++i)
        hasXOrY = block_[i] == 'X' || block_[i] == 'Y';
    bool plunge = !hasXOrY &&
                  (block_.find("G1") != std::string_view::npos || block_.find("G01") != std::string_view::npos);
    if (plunge) {
        s.gFeedZ = value;
        s.gFeed = value;
        if (settings.cbConstFz && settings.FSpeedZ != 0 && settings.FSpeedZ != s.gLastRapidFeed) {
            s.gSavedFeed = s.gFeed;
            s.gFeed = settings.FSpeedZ;
            block.plungeReplaced = true;
        }
    } else {
        s.gFeed = value;
        if (settings.cbConstSpeedF && settings.FSpeedX != 0 && settings.FSpeedX != s.gLastRapidFeed) {
            s.gSavedFeed = s.gFeed;
            s.gFeed = settings.FSpeedX;
            block.feedReplaced = true;
        }
    }
    context_.FFeedWordSeen = true;
    converted_.feedSet = s.gFeed;
}

// The feeds after the words of a block with a G0 to G3 word: a rapid block
// switches to the rapid rate, saving the feed; a feed block without an F word
// gets the saved feeds back.
void GCodeInterpreter::applyMoveFeeds(const Block& block)
{
    TInterpreterState& s = context_.state;
    if (s.gMoveMode == 0) {
        if (s.gFeed != s.gLastRapidFeed) {
            if (context_.FFeedWordSeen)
                s.gSavedFeed = s.gFeed;
            s.gFeed = rapidFeed_.valueOf(context_.settings.edRapid);
        }
        if (s.gFeed != s.gLastRapidFeed) {
            if (context_.FFeedWordSeen)
                s.gSavedFeedZ = s.gFeedZ;
            s.gFeedZ = s.gFeed;
        }
        s.gLastRapidFeed = s.gFeed;
    }
    else if (!s.gHasFeedWord && !block.feedReplaced && !block.plungeReplaced) {
        if (s.gSavedFeed != 0)
            s.gFeed = s.gSavedFeed;
        if (s.gSavedFeedZ != 0)
            s.gFeedZ = s.gSavedFeedZ;
    }
}

void GCodeInterpreter::measureStraightMove(Block& block)
{
    TInterpreterState& s = context_.state;
    TRunTotals& totals = context_.totals;
    const TInterpreterSettings& settings = context_.settings;
    const double k = block.k;

    double dx = s.gX - totals.FPrevX, dy = s.gY - totals.FPrevY, dz = s.gZ - totals.FPrevZ;
    double len = std::sqrt(k * k * dx * dx + k * k * dy * dy + k * k * dz * dz);
    totals.FLength += len;
    double t = moveSeconds(len, s.gFeed);

    if (settings.cbLimitZ && settings.FSpeedZ != 0 && s.gMoveMode == 1) {
        // Z-feed limit: a move whose Z speed exceeds the limit is slowed down
        // until it fits; the next move that fits gets the program's feed back.
        block.zTravel = std::fabs(dz);
        if (60.0 * block.zTravel / t > settings.FSpeedZ) {
            if (!context_.FZFeedLimited)
                context_.FSavedFeed = s.gFeed;
            s.gFeed = roundHalfEven(settings.FSpeedZ * len / block.zTravel);
            context_.FZFeedLimited = true;
            t = t * context_.FSavedFeed / s.gFeed;
        } else if (context_.FZFeedLimited) {
            s.gFeed = context_.FSavedFeed;
            context_.FZFeedLimited = false;
        }
    } else if (context_.FZFeedLimited) {
        s.gFeed = context_.FSavedFeed;
        t = 60.0 * len / s.gFeed;
        context_.FZFeedLimited = false;
    }
    totals.FTime += t;
    block.moveTime = t;
}

void GCodeInterpreter::widenInfoExtents(const Block& block)
{
    const TInterpreterState& s = context_.state;
    TInfoRunBox& box = context_.infoBox;
    if (s.gHasFeedWord) {
        if (s.gFeed > box.gInfoMaxF) box.gInfoMaxF = s.gFeed;
        if (s.gFeed < box.gInfoMinF) box.gInfoMinF = s.gFeed;
    }
    auto widen = [](double value, double& maximum, double& minimum) {
        if (value > maximum) maximum = value;
        if (value < minimum) minimum = value;
    };
    if (s.gMoveMode == 1) {
        if (block.hasX) widen(s.gX, box.gInfoMaxX, box.gInfoMinX);
        if (block.hasY) widen(s.gY, box.gInfoMaxY, box.gInfoMinY);
        if (block.hasZ) widen(s.gZ, box.gInfoMaxZ, box.gInfoMinZ);
    } else if (s.gMoveMode == 0 && block.hasZ) {
        widen(s.gZ, box.gInfoMaxZG0, box.gInfoMinZG0);
    }
}

void GCodeInterpreter::showBlockStatus(const Block& block)
{
    const TInterpreterState& s = context_.state;
    StatusSink* status = context_.status;
    if (status == nullptr)
        return;
    status->setPanel(0, formatGeneral(s.gX) + ", " + formatGeneral(s.gY) + ", " + formatGeneral(s.gZ));
    // A block that took no time has no Z speed; show 0 rather than 0 / 0.
    double zSpeed = block.moveTime != 0 ? 60.0 * block.zTravel / block.moveTime : 0.0;
    status->setPanel(1, "F: " + formatGeneral(s.gFeed) + ", Fz: " + formatFixed(zSpeed, 1) +
                            ", S: " + formatGeneral(s.gSpindle));
    // Word texts are the program's bytes: Windows-1251 unless they are UTF-8.
    status->setBlockLabel(decodeProgramText(context_.FBlockText));
    SetStatusBar(context_, 2);
}

}  // namespace tarnix
