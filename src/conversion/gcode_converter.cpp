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
    bool unread = false;  // the text starts inside a word: the interpreter reads none of it
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
    words.unread = !text.empty() && !GCodeWordScanner::isDelimiter(text.front());
    GCodeWordScanner scanner(text);
    std::size_t previousEnd = 0;
    for (GCodeWord word; scanner.next(word);) {
        const std::size_t end = static_cast<std::size_t>(word.text.data() - text.data()) + word.text.size();
        std::string written = word.letter + std::string(word.text);
        // A number after a blank, ":" or "/" ("Y 0.18", ":7") is no word the
        // interpreter reads: it is kept as written, with the letters the
        // scan skipped before it, so that no number loses its letter.
        if (word.letter < 'A' || word.letter > 'Z') {
            written = text.substr(previousEnd, end - previousEnd);
        }
        previousEnd = end;
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
    const std::size_t first = block.text.find_first_not_of(' ');
    blockDelete_ = first != std::string_view::npos && block.text[first] == '/';
    Words words = scan(block.text);
    bool axisWord = words.axis[0] || words.axis[1] || words.axis[2] || words.centre;
    PointTransform transform(params_, shift_);
    if (words.unread)
        writeUnread(block);
    else if (!axisWord)
        writePlain(words, block);
    else if (s.gMoveMode == 0 || s.gMoveMode == 1)
        writeStraight(words, block, transform);
    else
        writeArc(words, block, transform);
    if (axisWord)
        state_.gPercentSeen = false;
    // A control may skip the block: what it leaves a reader in is unknown.
    if (blockDelete_) {
        state_.positionKnown = false;
        state_.readerMoveMode = -1;
        state_.readerPlane = 0;
    }
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
        context_.FOutEdit->appendLine(blockDelete_ ? "/" + line.text : line.text);
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

// After a written move: the reader stands where it ends and knows every
// axis; after a "%" it must be given X and Y again.
void GCodeConverter::readerMovesTo(const Vec3& position)
{
    TConverterState& c = state_;
    c.gOutX = position[0];
    c.gOutY = position[1];
    c.gOutZ = position[2];
    c.positionKnown = true;
    c.writeXYAgain = c.gPercentSeen;
}

// A block that starts inside a word ("%", "O1000"): the interpreter read
// none of it, so it stays as written.
void GCodeConverter::writeUnread(const ConvertedBlock& block)
{
    writeLine({std::string(block.text) + block.comment});
    if (block.text.find('%') != std::string_view::npos)
        state_.gPercentSeen = true;
}

// A block without coordinates: its words, and the feed its F word sets.
void GCodeConverter::writePlain(const Words& words, const ConvertedBlock& block)
{
    Line line = head(words, -1, {}, false, 0);
    line.text += block.comment;
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
    std::string coords = coordinates(target, force, !c.positionKnown, reader);

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
    readerMovesTo(reader);
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
    line.text += block.comment;
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
    line.text += block.comment;
    appendKeptTail(line, words);
    writeLine(line);
    readerMovesTo(reader);
}

// Whether a reader of the written arc draws the block's circle, transformed:
// the same centre and radius, the same sweep and the same point halfway
// round (so the same sense), each within the rounding of the written values
// (half a unit of their last digit, twice over for a value a reader adds up
// from two written ones). Full circles of the XY plane that a rotation moves
// into another plane (or the reverse), and end points that round into the
// other side of the start angle, are drawn otherwise.
bool GCodeConverter::readerDrawsAlike(const ConvertedBlock& block, const PointTransform& transform,
                                      const Vec3& readerEnd, const Vec3& centre, std::int32_t plane,
                                      std::int32_t mode) const
{
    const TInterpreterState& s = context_.state;
    ArcInput source;
    source.start = block.start;
    source.end = {s.gX, s.gY, s.gZ};
    source.words = block.centreWords;
    source.plane = s.gPlane;
    source.moveMode = s.gMoveMode;
    source.centreIsIncremental = s.gDistMode != 90 || context_.settings.cbIncMode;
    source.radiusFromWords = context_.settings.cbIncMode;
    ArcInput written = source;
    written.start = readerPosition();
    written.end = readerEnd;
    written.words = centre;
    written.plane = plane;
    written.moveMode = mode;
    ArcGeometry wanted, drawn;
    if (!arcGeometry(source, wanted) || !arcGeometry(written, drawn))
        return false;

    auto pointAt = [](const ArcGeometry& arc, double degrees, double w) {
        const double theta = arc.startAngle + arc.dir * degrees * std::numbers::pi / 180.0;
        Vec3 point;
        point[arc.u] = arc.centre[arc.u] + arc.radius * std::cos(theta);
        point[arc.v] = arc.centre[arc.v] + arc.radius * std::sin(theta);
        point[arc.w] = w;
        return point;
    };
    // Every value is written to the same last digit at any magnitude: half a
    // unit of it for the centre, and up to twice as much again for the radius
    // the reader finds from its rounded start.
    auto near = [](const Vec3& a, const Vec3& b) {
        for (int axis = 0; axis < 3; ++axis)
            if (std::fabs(a[axis] - b[axis]) > 0.002)
                return false;
        return true;
    };
    // The rounded start and end each move along the circle by up to half a
    // unit of the last digit on both axes.
    const double sweepLength = std::fabs(drawn.sweep - wanted.sweep) * std::numbers::pi / 180.0 * wanted.radius;
    if (sweepLength > 0.0015)
        return false;
    // The points a reader draws lie on a circle, so their distance from the
    // block's changes smoothly: a point every 1/64 of the sweep and the end
    // tell the whole.
    const double sweep = std::min(drawn.sweep, wanted.sweep);
    for (int step = 0; step <= 64; ++step) {
        const double degrees = sweep * step / 64;
        if (!near(pointAt(drawn, degrees, readerEnd[drawn.w]),
                  transform.point(pointAt(wanted, degrees, source.end[wanted.w]))))
            return false;
    }
    // One point more or fewer only where it falls on the end point.
    std::int32_t n = parseInt(context_.settings.edFine);
    if (n == 0)
        n = 1;
    const std::int64_t drawnCount = arcPointCount(drawn.sweep, n), wantedCount = arcPointCount(wanted.sweep, n);
    if (drawnCount == wantedCount)
        return true;
    if (std::max(drawnCount, wantedCount) > std::min(drawnCount, wantedCount) + 1)
        return false;
    const bool drawnMore = drawnCount > wantedCount;
    const ArcGeometry& longer = drawnMore ? drawn : wanted;
    const double lastDegrees = static_cast<double>((std::max(drawnCount, wantedCount) - 1) * n) * n;
    Vec3 last = pointAt(longer, lastDegrees, drawnMore ? readerEnd[drawn.w] : source.end[wanted.w]);
    return near(drawnMore ? last : transform.point(last), readerEnd);
}

// An arc as straight moves through its drawn points and on to its end.
void GCodeConverter::writeChords(const Words& words, const ConvertedBlock& block, const PointTransform& transform)
{
    const TInterpreterState& s = context_.state;
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
            line.text += block.comment;
            appendKeptTail(line, words);
        }
        writeLine(line);
    }
    readerMovesTo(reader);
}

}  // namespace tarnix
