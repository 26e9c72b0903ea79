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
    s.gG0Text = "G00";
    s.gG1Text = "G01";
    s.gG2Text = "G02";
    s.gG3Text = "G03";
    Block block;
    block.lineNo = lineNo;
    block.startX = s.gX;
    block.startY = s.gY;
    block.startZ = s.gZ;

    text_.assign(line);
    for (char& c : text_)
        if (c == ',')
            c = '.';
    context_.FBlockText.clear();
    bool commentCut = cutComment();
    if (text_.empty()) {
        if (commentCut && context_.FOutEdit != nullptr)
            context_.FOutEdit->appendLine(comment_);
        return true;
    }

    GCodeWordScanner scanner(text_);
    for (GCodeWord word; scanner.next(word);)
        readWord(block, word.letter, word.text);

    if (s.gHasMoveWord)
        applyMoveFeeds(block);
    block.k = parseFloat(context_.settings.edCoeff);

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

    if (block.feedReplaced || block.plungeReplaced)
        context_.FBlockText += "F" + formatGeneral(s.gFeed);
    if (context_.FZFeedLimited)
        context_.FBlockText += "F" + formatGeneral(s.gFeed);

    if (context_.settings.cbDelay || block.pause)
        showBlockStatus(block);

    totals.FPrevX = s.gX;
    totals.FPrevY = s.gY;
    totals.FPrevZ = s.gZ;
    totals.FFirstMove = false;
    return !block.pause;
}

// Cuts the block's one comment, from the first "(" to the first ")" (a
// missing ")" is taken to stand at the end), removing every occurrence of
// it. Returns whether a comment was cut.
bool GCodeInterpreter::cutComment()
{
    comment_.clear();
    std::size_t open = text_.find('(');
    if (open == std::string::npos)
        return false;
    std::size_t close = text_.find(')');
    if (close == std::string::npos) {
        text_ += ')';
        close = text_.size() - 1;
    }
    if (close < open)
        return false;
    comment_.assign(text_, open, close - open + 1);
    replaceAll(text_, comment_);
    return true;
}

void GCodeInterpreter::appendToBlockText(char letter, std::string_view text)
{
    context_.FBlockText += letter;
    context_.FBlockText.append(text);
}

void GCodeInterpreter::readWord(Block& block, char letter, std::string_view text)
{
    TInterpreterState& s = context_.state;
    const TInterpreterSettings& settings = context_.settings;
    auto axis = [&](double& position, bool& flag) {
        double v = parseFloat(text);
        position = s.gDistMode == 90 ? v : position + v;
        block.hasAxisWord = flag = true;
        appendToBlockText(letter, text);
    };
    auto centre = [&](double& word) {
        word = parseFloat(text);
        block.hasAxisWord = true;
        appendToBlockText(letter, text);
    };

    switch (letter) {
    case 'X': axis(s.gX, block.hasX); break;
    case 'Y': axis(s.gY, block.hasY); break;
    case 'Z': axis(s.gZ, block.hasZ); break;
    case 'I': centre(s.gI); break;
    case 'J': centre(s.gJ); break;
    case 'K': centre(s.gK); break;
    case 'G': {
        double v = parseFloat(text);
        appendToBlockText(letter, text);
        if (v == 0 || v == 1 || v == 2 || v == 3) {
            s.gHasMoveWord = true;
            s.gMoveMode = static_cast<std::int32_t>(v);
            std::string& moveText = v == 0 ? s.gG0Text : v == 1 ? s.gG1Text : v == 2 ? s.gG2Text : s.gG3Text;
            moveText = "G";
            moveText.append(text);
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
        readFeedWord(block, parseFloat(text));
        break;
    case 'S':
        s.gSpindle = parseFloat(text);
        appendToBlockText(letter, text);
        break;
    case 'T':
        if (settings.cbToolChange)
            block.pause = true;
        appendToBlockText(letter, text);
        break;
    case 'M':
        parseInt(text);
        appendToBlockText(letter, text);
        break;
    case 'N':
        parseInt(text);
        break;
    default:
        appendToBlockText(letter, text);
        break;
    }
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
    bool plunge = text_.find('X') == std::string::npos && text_.find('Y') == std::string::npos &&
                  (text_.find("G1") != std::string::npos || text_.find("G01") != std::string::npos);
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
            s.gFeed = parseFloat(context_.settings.edRapid);
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
    status->setBlockLabel(decodeProgramText(context_.FBlockText));
    SetStatusBar(context_, 2);
}

}  // namespace tarnix
