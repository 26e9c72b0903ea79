#include "conversion/gcode_converter.h"

#include "common/number_format.h"
#include "common/number_text.h"
#include "interpretation/arc_geometry.h"
#include "conversion/coordinate_text.h"
#include "interpretation/gcode_words.h"
#include "conversion/transform_setup.h"

#include <cmath>
#include <algorithm>
#include <numbers>

namespace tarnix {
namespace {

const char* const kArcWarning = "Attention! Circle interpolation was used. Convertion result may be incorrect!";
constexpr char kAxisLetters[3] = {'X', 'Y', 'Z'};
constexpr char kCentreLetters[3] = {'I', 'J', 'K'};

bool isMoveCode(double value) { return value == 0 || value == 1 || value == 2 || value == 3; }
bool isPlaneCode(double value) { return value == 17 || value == 18 || value == 19; }

}  // namespace

// The words of a block as the converter rewrites them.
struct GCodeConverter::Words {
    std::string percent;  // a first word at the start of the text that holds "%"
    std::string n;        // "N" + the last N word
    struct G {
        double value;
        std::string text;  // "G" + the word as written
    };
    std::vector<G> g;
    std::string kept;     // the words the converter leaves alone, as written
    std::string s, t;     // "S", "T" + the last such word
    std::vector<std::int32_t> m;
    std::array<bool, 3> axis{};  // X, Y, Z words
    bool centre = false;         // an I, J or K word
    bool moveWord = false, planeWord = false;
};

GCodeConverter::GCodeConverter(InterpreterContext& context) : context_(context)
{
    context_.converter = this;
}

GCodeConverter::~GCodeConverter()
{
    if (context_.converter == this)
        context_.converter = nullptr;
}

void GCodeConverter::startRun(bool transforming)
{
    setUpTransformRun(params_, transforming);
    state_ = TConverterState{};
    state_.readerMoveMode = context_.state.gMoveMode;
}

void GCodeConverter::beginBlock()
{
    const TTransformPanel& panel = params_.panel;
    shift_ = {panel.cbShiftX ? parseFloat(panel.edShiftX) : 0.0,
              panel.cbShiftY ? parseFloat(panel.edShiftY) : 0.0,
              panel.cbShiftZ ? parseFloat(panel.edShiftZ) : 0.0};
}

GCodeConverter::Words GCodeConverter::scan(std::string_view text) const
{
    Words words;
    if (!text.empty() && !GCodeWordScanner::isDelimiter(text.front())) {
        std::size_t end = 0;
        while (end < text.size() && !GCodeWordScanner::isDelimiter(text[end]))
            ++end;
        std::string_view first = text.substr(0, end);
        if (first.find('%') != std::string_view::npos)
            words.percent = first;
    }
    GCodeWordScanner scanner(text);
    for (GCodeWord word; scanner.next(word);) {
        std::string written = word.letter + std::string(word.text);
        switch (word.letter) {
        case 'X': words.axis[0] = true; break;
        case 'Y': words.axis[1] = true; break;
        case 'Z': words.axis[2] = true; break;
        case 'I': case 'J': case 'K': words.centre = true; break;
        case 'F': break;
        case 'N': words.n = written; break;
        case 'S': words.s = written; break;
        case 'T': words.t = written; break;
        case 'M': words.m.push_back(parseInt(word.text)); break;
        case 'G': {
            double value = parseFloat(word.text);
            words.moveWord = words.moveWord || isMoveCode(value);
            words.planeWord = words.planeWord || isPlaneCode(value);
            words.g.push_back({value, written});
            break;
        }
        default: words.kept += written; break;
        }
    }
    return words;
}

void GCodeConverter::writeBlock(const ConvertedBlock& block)
{
    const TInterpreterState& s = context_.state;
    Words words = scan(block.text);
    bool axisWord = words.axis[0] || words.axis[1] || words.axis[2] || words.centre;
    PointTransform transform(params_, shift_);
    if (!axisWord)
        writePlain(words, block);
    else if (s.gMoveMode == 0 || s.gMoveMode == 1)
        writeStraight(words, block, transform);
    else
        writeArc(words, block, transform);
    if (axisWord)
        state_.gPercentSeen = false;
}

// N, the G words (move words other than `motion` become `motionText`, plane
// words follow the rotation), a move word when the line moves and the reader
// is in another mode, a plane word `addPlane`, then the words kept as written.
GCodeConverter::Line GCodeConverter::head(const Words& words, int motion, const std::string& motionText,
                                          bool moves, int addPlane) const
{
    PointTransform planes(params_, {});
    Line line;
    line.text = words.n;
    for (const Words::G& g : words.g) {
        if (isMoveCode(g.value)) {
            bool replaced = motion >= 0 && g.value != motion;
            line.text += replaced ? motionText : g.text;
            line.motion = replaced ? motion : static_cast<int>(g.value);
        } else if (isPlaneCode(g.value)) {
            auto plane = static_cast<std::int32_t>(g.value);
            std::int32_t mapped = planes.mapPlane(plane);
            line.text += mapped == plane ? g.text : "G" + std::to_string(mapped);
            line.plane = mapped;
        } else {
            line.text += g.text;
        }
    }
    if (motion >= 0 && moves && !words.moveWord && state_.readerMoveMode != motion) {
        line.text += motionText;
        line.motion = motion;
    }
    if (addPlane != 0) {
        line.text += "G" + std::to_string(addPlane);
        line.plane = addPlane;
    }
    line.text += words.kept;
    return line;
}

// The "%" word, the line of a ":" block and the comment.
void GCodeConverter::finishStart(Line& line, const Words& words, const ConvertedBlock& block)
{
    if (!words.percent.empty()) {
        line.text += words.percent;
        state_.gPercentSeen = true;
    }
    if (context_.FBlockText.find(':') != std::string::npos) {
        line.text = context_.FBlockText;
        line.motion = words.moveWord ? context_.state.gMoveMode : -1;
        line.plane = words.planeWord ? context_.state.gPlane : 0;
    }
    line.text += block.comment;
}

void GCodeConverter::appendKeptTail(Line& line, const Words& words)
{
    line.text += words.s;
    line.text += words.t;
    for (std::int32_t m : words.m)
        line.text += (m < 10 ? "M0" : "M") + std::to_string(m);
}

// The coordinates that move a reader from `reader` to `target` (rounded as
// written), each axis when it changes, is forced, or `all`; in G91 as
// differences of rounded positions, so rounding never adds up.
std::string GCodeConverter::coordinates(const Vec3& target, const std::array<bool, 3>& force, bool all,
                                        Vec3& reader) const
{
    bool absolute = context_.state.gDistMode == 90;
    std::string text;
    for (int axis = 0; axis < 3; ++axis) {
        std::string value = formatCoordinate(target[axis]);
        double next = parseFloat(value);
        if (!absolute) {
            value = formatCoordinate(next - reader[axis]);
            next = reader[axis] + parseFloat(value);
        }
        if (all || force[axis] || next != reader[axis]) {
            text += kAxisLetters[axis] + value;
            reader[axis] = next;
        }
    }
    return text;
}

std::string GCodeConverter::feedText(double feed) const
{
    return "F" + formatGeneral(feed * params_.FFeedCoeff);
}

void GCodeConverter::writeLine(const Line& line)
{
    if (line.text.empty())
        return;
    if (context_.FOutEdit != nullptr)
        context_.FOutEdit->appendLine(line.text);
    if (line.motion >= 0)
        state_.readerMoveMode = line.motion;
    if (line.plane != 0)
        state_.readerPlane = line.plane;
}

Vec3 GCodeConverter::readerPosition() const
{
    const TConverterState& c = state_;
    return {c.gOutX, c.gOutY, c.gOutZ};
}

void GCodeConverter::setReaderPosition(const Vec3& position)
{
    TConverterState& c = state_;
    c.gOutX = position[0];
    c.gOutY = position[1];
    c.gOutZ = position[2];
}

// A block without coordinates: its words, and the feed its F word sets.
void GCodeConverter::writePlain(const Words& words, const ConvertedBlock& block)
{
    Line line = head(words, -1, {}, false, 0);
    finishStart(line, words, block);
    if (context_.state.gHasFeedWord)
        line.text += feedText(block.feedSet);
    appendKeptTail(line, words);
    writeLine(line);
}

void GCodeConverter::writeStraight(const Words& words, const ConvertedBlock& block, const PointTransform& transform)
{
    TInterpreterState& s = context_.state;
    TConverterState& c = state_;
    const TInterpreterSettings& settings = context_.settings;
    TTransformParams& params = params_;

    if (params.gArcWarn && words.centre) {
        params.gArcWarn = false;
        if (context_.messages != nullptr)
            context_.messages->showInformation(kArcWarning);
    }
    Vec3 target = transform.point({s.gX, s.gY, s.gZ});
    target[2] = transform.clipZ(target[2]);

    const Vec3 before = readerPosition();
    const std::array<bool, 3> force = {(c.gPercentSeen && words.axis[0]) || c.writeXYAgain,
                                       (c.gPercentSeen && words.axis[1]) || c.writeXYAgain,
                                       c.gPercentSeen && words.axis[2]};
    Vec3 reader = before;
    std::string coords = coordinates(target, force, false, reader);
    c.writeXYAgain = c.gPercentSeen;

    std::optional<double> feed;
    double dx = std::fabs(target[0] - before[0]), dy = std::fabs(target[1] - before[1]);
    // Back to the program's feed once a steep move's constant Z feed is done.
    if (c.gOutFeedPending && s.gMoveMode == 1 && (dx > 0.05 || dy > 0.05) && settings.cbConstFz) {
        s.gFeed = s.gFWord;
        if (!s.gHasFeedWord)
            feed = s.gFeed;
        c.gOutFeedPending = false;
    }
    // Z falls more than ten times as far as X or Y moves: the constant Z feed.
    double fall = before[2] - target[2];
    bool steep = fall / (0.0001 + dx) > 10 || fall / (0.0001 + dy) > 10;
    bool rapidToFeed = false;
    if (steep && (s.gMoveMode == 1 || (s.gMoveMode == 0 && params.panel.cbG0)) && settings.cbConstFz) {
        s.gFeed = settings.FSpeedZ;
        feed = s.gFeed;
        c.gOutFeedPending = true;
        rapidToFeed = s.gMoveMode == 0;
    }
    setReaderPosition(reader);
    if (context_.FZFeedLimited) {
        feed = s.gFeed;
        c.gOutZFeedPending = true;
    } else {
        if (c.gOutZFeedPending) {
            feed = s.gFeed;
            c.gOutZFeedPending = false;
        }
        // The feed the F word set, not the rapid rate a G0 block runs at.
        if (s.gHasFeedWord && !c.gOutFeedPending && !c.gOutZFeedPending)
            feed = block.feedSet;
    }

    int motion = rapidToFeed ? 1 : s.gMoveMode;
    Line line = head(words, motion, motion == 0 ? s.gG0Text : s.gG1Text, !coords.empty() || rapidToFeed, 0);
    finishStart(line, words, block);
    line.text += coords;
    if (feed)
        line.text += feedText(*feed);
    appendKeptTail(line, words);
    writeLine(line);
}

void GCodeConverter::writeArc(const Words& words, const ConvertedBlock& block, const PointTransform& transform)
{
    const TInterpreterState& s = context_.state;
    if (transform.clips() || !transform.keepsPlane(s.gPlane)) {
        writeChords(words, block, transform);
        return;
    }
    TConverterState& c = state_;
    const std::int32_t plane = transform.mapPlane(s.gPlane);
    const std::int32_t mode = transform.mappedArcMode(s.gPlane, s.gMoveMode, plane);
    const bool incrementalCentre = s.gDistMode != 90 || context_.settings.cbIncMode;
    const Vec3 centre = incrementalCentre ? transform.linear(block.centreWords) : transform.point(block.centreWords);

    Vec3 reader = readerPosition();
    std::string coords = coordinates(transform.point({s.gX, s.gY, s.gZ}), {}, true, reader);
    Vec3 writtenCentre{};
    std::string centreText;
    for (int axis = 0; axis < 3; ++axis) {
        if (axis == normalAxis(plane))
            continue;
        std::string value = formatCoordinate(centre[axis]);
        writtenCentre[axis] = parseFloat(value);
        centreText += kCentreLetters[axis] + value;
    }
    if (!readerDrawsAlike(block, transform, reader, writtenCentre, plane, mode)) {
        writeChords(words, block, transform);
        return;
    }

    int addPlane = !words.planeWord && c.readerPlane != plane ? plane : 0;
    Line line = head(words, mode, mode == 2 ? s.gG2Text : s.gG3Text, true, addPlane);
    line.text += coords + centreText;
    if (s.gHasFeedWord)
        line.text += feedText(block.feedSet);
    finishStart(line, words, block);
    appendKeptTail(line, words);
    writeLine(line);
    setReaderPosition(reader);
    c.writeXYAgain = c.gPercentSeen;
}

// Whether a reader of the written arc draws the points the block drew,
// transformed, within what rounding allows: the same number of points (one
// more or fewer where the last falls on the end point). Tiny arcs whose
// rounded centre moves their angles, and full circles of the XY plane that a
// rotation moves into another plane (or the reverse), are drawn otherwise.
bool GCodeConverter::readerDrawsAlike(const ConvertedBlock& block, const PointTransform& transform,
                                      const Vec3& readerEnd, const Vec3& centre, std::int32_t plane,
                                      std::int32_t mode) const
{
    ArcInput in;
    in.start = readerPosition();
    in.end = readerEnd;
    in.words = centre;
    in.plane = plane;
    in.moveMode = mode;
    in.centreIsIncremental = context_.state.gDistMode != 90 || context_.settings.cbIncMode;
    in.radiusFromWords = context_.settings.cbIncMode;
    ArcGeometry arc;
    if (!arcGeometry(in, arc))
        return false;
    std::int32_t n = parseInt(context_.settings.edFine);
    if (n == 0)
        n = 1;
    std::vector<Vec3> drawn;
    for (std::int64_t counter = 0; counter < arc.sweep / n; counter += n) {
        double theta = arc.startAngle + arc.dir * static_cast<double>(counter) * n * std::numbers::pi / 180.0;
        Vec3 point;
        point[arc.u] = arc.centre[arc.u] + arc.radius * std::cos(theta);
        point[arc.v] = arc.centre[arc.v] + arc.radius * std::sin(theta);
        point[arc.w] = readerEnd[arc.w];
        drawn.push_back(point);
    }
    std::vector<Vec3> expected;
    for (const Vec3& point : block.arcPoints)
        expected.push_back(transform.point(point));
    // Half a unit of the last written digit, twice over for a redrawn point.
    auto near = [](const Vec3& a, const Vec3& b) {
        for (int axis = 0; axis < 3; ++axis)
            if (std::fabs(a[axis] - b[axis]) > 0.001 + 1e-4 * std::fabs(b[axis]))
                return false;
        return true;
    };
    const std::size_t common = std::min(drawn.size(), expected.size());
    if (std::max(drawn.size(), expected.size()) > common + 1)
        return false;
    for (std::size_t i = 0; i < common; ++i)
        if (!near(drawn[i], expected[i]))
            return false;
    if (drawn.size() > common)
        return near(drawn.back(), readerEnd);
    if (expected.size() > common)
        return near(expected.back(), readerEnd);
    return true;
}

// An arc as straight moves through its drawn points and on to its end.
void GCodeConverter::writeChords(const Words& words, const ConvertedBlock& block, const PointTransform& transform)
{
    const TInterpreterState& s = context_.state;
    TConverterState& c = state_;
    std::vector<Vec3> points = block.arcPoints;
    points.push_back({s.gX, s.gY, s.gZ});
    Vec3 reader = readerPosition();
    for (std::size_t i = 0; i < points.size(); ++i) {
        Vec3 target = transform.point(points[i]);
        target[2] = transform.clipZ(target[2]);
        Line line;
        if (i == 0)
            line = head(words, 1, s.gG1Text, true, 0);
        line.text += coordinates(target, {}, true, reader);
        if (i == 0 && s.gHasFeedWord)
            line.text += feedText(block.feedSet);
        if (i + 1 == points.size()) {
            finishStart(line, words, block);
            appendKeptTail(line, words);
        }
        writeLine(line);
    }
    setReaderPosition(reader);
    c.writeXYAgain = c.gPercentSeen;
}

}  // namespace tarnix
