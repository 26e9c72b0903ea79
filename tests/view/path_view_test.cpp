// Renders the view on the real GL stack (Mesa's software renderer under
// xvfb-run) and reads the pixels back. The top view maps scene x, y
// straight onto the panel, with the axes running right and up from the
// centre, so the test path keeps to the lower left.

#include "view/path_view.h"
#include "view/scene_renderer.h"
#include "view/view_presets.h"

#include <GL/glu.h>

#include <QSignalSpy>
#include <QTest>

#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <numbers>
#include <random>
#include <vector>

using namespace tarnix;

namespace {

TProgramBox boxOf(double minX, double minY, double minZ, double maxX, double maxY, double maxZ)
{
    TProgramBox box;
    box.gMinX = minX, box.gMinY = minY, box.gMinZ = minZ;
    box.gMaxX = maxX, box.gMaxY = maxY, box.gMaxZ = maxZ;
    return box;
}

constexpr int kPanelSize = 240;
constexpr std::int32_t kBackColor = 0x402010;  // blue-green-red
const QColor kBackground(0x10, 0x20, 0x40);
const QColor kFeedColor(128, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kToolColor(255, 255, 0);
const QColor kBlue(0, 0, 255);
const GLColor kFeed = {128.0f / 255, 1, 0};
const GLColor kRapid = {1, 0, 0};

struct Spot {
    double x, y;  // scene units, z = 0
};

struct Move {
    std::int32_t line;
    long double x, y;  // scene units, z = 0
    bool rapid = false;
};

void addMoves(TD3FloatPointList& path, std::initializer_list<Move> moves)
{
    for (const Move& move : moves)
        path.Add(move.rapid ? kRapid : kFeed, move.line, move.x, move.y, 0, move.rapid ? 3000 : 1000, move.rapid);
}

// A square of feed moves (lines 1 to 5), a rapid out of it (line 6) and a
// feed move up from the rapid's end (line 7).
const std::initializer_list<Move> kSquareWithRapid = {
    {1, -0.2L, -0.2L}, {2, -0.05L, -0.2L}, {3, -0.05L, -0.05L}, {4, -0.2L, -0.05L},
    {5, -0.2L, -0.2L}, {6, 0.1L, -0.24L, true}, {7, 0.1L, -0.1L}};

// A rapid back over the feed move before it, at the same depth.
const std::initializer_list<Move> kRapidBackOverFeed = {{1, -0.2L, -0.2L}, {2, -0.05L, -0.2L}, {3, -0.2L, -0.2L, true}};

constexpr Spot kBottomEdge{-0.125, -0.2};   // line 2
constexpr Spot kRightEdge{-0.05, -0.125};   // line 3
constexpr Spot kTopEdge{-0.125, -0.05};     // line 4
constexpr Spot kLeftEdge{-0.2, -0.125};     // line 5
constexpr Spot kRapidMiddle{-0.05, -0.22};  // line 6
constexpr Spot kAfterRapid{0.1, -0.17};     // line 7
constexpr Spot kEmptyPlace{0.15, 0.15};

QPoint pixelOf(Spot spot)
{
    const double pixelsPerUnit = (kPanelSize / 2.0) / (300 * std::tan(0.05 * std::numbers::pi / 180));
    return {static_cast<int>(std::lround(kPanelSize / 2.0 + spot.x * pixelsPerUnit)),
            static_cast<int>(std::lround(kPanelSize / 2.0 - spot.y * pixelsPerUnit))};
}

bool sameColour(QRgb pixel, const QColor& colour)
{
    return std::abs(qRed(pixel) - colour.red()) <= 2 && std::abs(qGreen(pixel) - colour.green()) <= 2 &&
           std::abs(qBlue(pixel) - colour.blue()) <= 2;
}

// Lines are one pixel wide and rounding decides which pixel: look around.
int countNear(const QImage& image, QPoint centre, const QColor& colour)
{
    int count = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            count += sameColour(image.pixel(centre + QPoint(dx, dy)), colour);
    return count;
}

bool colourNear(const QImage& image, QPoint centre, const QColor& colour)
{
    return countNear(image, centre, colour) > 0;
}
bool colourNear(const QImage& image, Spot spot, const QColor& colour)
{
    return colourNear(image, pixelOf(spot), colour);
}
bool onlyBackgroundNear(const QImage& image, QPoint centre)
{
    return countNear(image, centre, kBackground) == 9;
}
bool onlyBackgroundNear(const QImage& image, Spot spot)
{
    return onlyBackgroundNear(image, pixelOf(spot));
}

// Flat moves that cross and retrace each other, so that many pixels are
// ties of the depth test, each line in a colour of its own; two points a
// line, every fifth line a rapid.
void addTangle(TD3FloatPointList& path, std::int32_t firstLine, int lines, std::mt19937& random)
{
    std::uniform_real_distribution<double> place(-0.24, 0.24);
    std::uniform_int_distribution<int> channel(0, 4);
    long double x = place(random), y = place(random);
    for (std::int32_t line = firstLine; line < firstLine + lines; ++line) {
        const bool rapid = line % 5 == 0;
        const GLColor colour = {channel(random) / 4.0f, channel(random) / 4.0f, channel(random) / 4.0f};
        const long double backX = x, backY = y;
        x = place(random), y = place(random);
        path.Add(colour, line, x, y, 0, 1000, rapid);
        // Back over the move just made, or on to a new place.
        if (line % 3 == 0)
            x = backX, y = backY;
        else
            x = place(random), y = place(random);
        path.Add(colour, line, x, y, line % 7 == 0 ? 0.01L : 0, 1000, rapid);
    }
}

}  // namespace

class PathViewTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void feedMovesDrawInTheirColourOnTheBackground();
    void hiddenRapidLeavesGapAndNextMoveStartsAtItsEnd();
    void markedRangeDrawsWhiteUnlessReversed();
    void cursorLineDrawsWhiteWithMarkerAndTextsWhereItStarts();
    void onlyFirstPointOfCursorLineGetsMarkerAndTexts();
    void cursorOnFirstPointReadsSegmentOfNoLength();
    void emptyPathDrawsTripodAndToolAtOrigin();
    void boxDrawsOnlyWhileAProgramIsSelected();
    void panYMovesSceneDownAndFastZoomScalesIt();
    void rubberBandOutlinesTheDraggedRectangle();
    void measuringLineRunsWhileSecondPointIsAwaited();
    void laterLineAtSameDepthStaysBehindUnlessSmoothing();
    void zeroHeightPanelProjectsWithoutError();
    void pickingNamesSegmentsByLineTripodZeroAndToolTheLastLine();
    void obliquePresetShowsPathAndBox();

    // The path kept for drawing between frames follows every change.
    void pointsAppendedAfterADrawingAppear();
    void pathDrawnWhileItGrowsEndsAsDrawnAtOnce();
    void anotherListOfAsManyPointsDrawsItsOwn();
    void clearedPathDrawsNoSegments();
    void highlightsFollowTheCursorLineOnAnUnchangedPath();
    void cursorOnHiddenRapidMarksWhereTheRapidStarts();
    void frameOverKeptImageEqualsWholeDrawing();

    // The hidden frustum command.
    void frustumOfInfoBoxIsMultipliedOntoProjectionAndDrawn();
    void frustumGlWouldRejectLeavesProjectionWithoutError();

private:
    QImage render() { return view_->grabFramebuffer(); }
    SegmentTexts renderForTexts();
    GLint firstPickedName(Spot spot);
    std::array<GLdouble, 16> projectionMatrix();
    // Colour and depth of the view's framebuffer after `renderer` drew into it.
    std::pair<std::vector<GLubyte>, std::vector<GLuint>> frameDrawnBy(SceneRenderer& renderer);

    std::unique_ptr<PathView> view_;
    TD3FloatPointList path_;
    TD3FloatPointList emptyPath_;
};

void PathViewTest::initTestCase()
{
    addMoves(path_, kSquareWithRapid);
    view_ = std::make_unique<PathView>();
    view_->sceneInput().FBackColor = kBackColor;
    view_->resize(kPanelSize, kPanelSize);
    view_->show();
    QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
    QCOMPARE(view_->devicePixelRatioF(), 1.0);
}

void PathViewTest::init()
{
    SceneInput& input = view_->sceneInput();
    input = SceneInput{};
    input.FBackColor = kBackColor;
    input.FPathPoints = &path_;
    view_->showPreset(btnExplXYClick);
    // The view keeps the path it drew by its list, count and last point. A
    // list that a test builds on its stack can take the place and the
    // blocks of an earlier test's list of as many points, so every test
    // starts from a drawing of the shared path.
    render();
}

SegmentTexts PathViewTest::renderForTexts()
{
    QSignalSpy textsSent(view_.get(), &PathView::segmentTextsChanged);
    render();
    if (textsSent.count() != 1)
        return {};
    return textsSent.first().first().value<SegmentTexts>();
}

void PathViewTest::feedMovesDrawInTheirColourOnTheBackground()
{
    const QImage image = render();
    for (Spot edge : {kBottomEdge, kRightEdge, kTopEdge, kLeftEdge, kAfterRapid})
        QVERIFY(colourNear(image, edge, kFeedColor));
    QVERIFY(colourNear(image, kRapidMiddle, kRed));
    QVERIFY(onlyBackgroundNear(image, kEmptyPlace));
}

void PathViewTest::hiddenRapidLeavesGapAndNextMoveStartsAtItsEnd()
{
    view_->sceneInput().cbViewRapid = false;
    const QImage image = render();
    QVERIFY(onlyBackgroundNear(image, kRapidMiddle));
    QVERIFY(colourNear(image, kAfterRapid, kFeedColor));
}

void PathViewTest::markedRangeDrawsWhiteUnlessReversed()
{
    SceneInput& input = view_->sceneInput();
    input.FSelBeginLine = 3;
    input.FSelEndLine = 4;
    QImage image = render();
    QVERIFY(colourNear(image, kRightEdge, kWhite));
    QVERIFY(colourNear(image, kTopEdge, kWhite));
    QVERIFY(colourNear(image, kBottomEdge, kFeedColor));
    QVERIFY(colourNear(image, kLeftEdge, kFeedColor));

    std::swap(input.FSelBeginLine, input.FSelEndLine);
    image = render();
    QVERIFY(colourNear(image, kRightEdge, kFeedColor));
    QVERIFY(colourNear(image, kTopEdge, kFeedColor));
}

void PathViewTest::cursorLineDrawsWhiteWithMarkerAndTextsWhereItStarts()
{
    view_->sceneInput().FCursorLine = 3;
    const QImage image = render();
    QVERIFY(colourNear(image, kRightEdge, kWhite));
    QVERIFY(colourNear(image, kTopEdge, kFeedColor));
    // The marker square, half-size 0.015 here, stands on the end of line 2.
    QVERIFY(colourNear(image, Spot{-0.065, -0.19}, kWhite));
    QVERIFY(colourNear(image, Spot{-0.035, -0.21}, kWhite));

    const SegmentTexts texts = renderForTexts();
    QCOMPARE(texts.lbBeginY, std::string("-20.000"));
    QCOMPARE(texts.lbEndY, std::string("-5.000"));
    QCOMPARE(texts.lbLength, std::string("15.000 "));

    view_->sceneInput().FCursorLine = 99;
    QSignalSpy textsSent(view_.get(), &PathView::segmentTextsChanged);
    render();
    QCOMPARE(textsSent.count(), 0);
}

void PathViewTest::onlyFirstPointOfCursorLineGetsMarkerAndTexts()
{
    // Line 3 of two moves: up to the middle of the right edge, then on.
    TD3FloatPointList path;
    addMoves(path, {{1, -0.2L, -0.2L}, {2, -0.05L, -0.2L}, {3, -0.05L, -0.125L}, {3, -0.05L, -0.05L}});
    view_->sceneInput().FPathPoints = &path;
    view_->sceneInput().FCursorLine = 3;

    const QImage image = render();
    QVERIFY(colourNear(image, Spot{-0.05, -0.16}, kWhite));
    QVERIFY(colourNear(image, Spot{-0.05, -0.09}, kWhite));
    QVERIFY(colourNear(image, Spot{-0.065, -0.19}, kWhite));
    QVERIFY(onlyBackgroundNear(image, Spot{-0.065, -0.125}));

    const SegmentTexts texts = renderForTexts();
    QCOMPARE(texts.lbBeginY, std::string("-20.000"));
    QCOMPARE(texts.lbEndY, std::string("-12.500"));
}

void PathViewTest::cursorOnFirstPointReadsSegmentOfNoLength()
{
    view_->sceneInput().FCursorLine = 1;
    QVERIFY(colourNear(render(), Spot{-0.215, -0.19}, kWhite));
    const SegmentTexts texts = renderForTexts();
    QCOMPARE(texts.lbBeginX, std::string("-20.000"));
    QCOMPARE(texts.lbEndX, std::string("-20.000"));
    QCOMPARE(texts.lbLength, std::string(" 0.000 "));
}

void PathViewTest::emptyPathDrawsTripodAndToolAtOrigin()
{
    view_->sceneInput().FPathPoints = &emptyPath_;
    const QImage image = render();
    QVERIFY(colourNear(image, Spot{0.1, 0}, kRed));
    QVERIFY(colourNear(image, Spot{0, 0.1}, QColor(0, 255, 0)));
    // Tool radius 0 draws a circle of 0.01 scene units.
    QVERIFY(colourNear(image, Spot{-0.01, 0}, kToolColor));
    QVERIFY(colourNear(image, Spot{0, -0.01}, kToolColor));
    QVERIFY(onlyBackgroundNear(image, Spot{-0.03, 0}));
}

void PathViewTest::boxDrawsOnlyWhileAProgramIsSelected()
{
    SceneInput& input = view_->sceneInput();
    input.FPathPoints = &emptyPath_;
    input.box = boxOf(-20, -10, -1, 20, 10, 1);
    QVERIFY(onlyBackgroundNear(render(), Spot{0.2, -0.05}));

    input.FSelectedFile = "part.nc";
    const QImage image = render();
    QVERIFY(colourNear(image, Spot{0.2, -0.05}, kBlue));
    QVERIFY(colourNear(image, Spot{-0.2, 0.05}, kBlue));
}

void PathViewTest::panYMovesSceneDownAndFastZoomScalesIt()
{
    TViewCamera& camera = view_->sceneInput().camera;
    camera.FPanY = 0.02f;
    QVERIFY(colourNear(render(), Spot{kBottomEdge.x, -0.22}, kFeedColor));

    camera.FPanY = 0;
    camera.FZoom = 0.5;
    QVERIFY(colourNear(render(), kBottomEdge, kFeedColor));
    camera.FUseGlScale = true;
    const QImage image = render();
    QVERIFY(colourNear(image, Spot{-0.0625, -0.1}, kFeedColor));
    QVERIFY(onlyBackgroundNear(image, kBottomEdge));
}

void PathViewTest::rubberBandOutlinesTheDraggedRectangle()
{
    view_->sceneInput().rubberBand = RubberBandInput{true, 20, 30, 100, 90};
    const QImage image = render();
    for (QPoint side : {QPoint(20, 60), QPoint(100, 60), QPoint(60, 30), QPoint(60, 90)})
        QVERIFY(colourNear(image, side, kWhite));
    QVERIFY(onlyBackgroundNear(image, QPoint(60, 60)));
}

void PathViewTest::measuringLineRunsWhileSecondPointIsAwaited()
{
    MeasureInput& measure = view_->sceneInput().measure;
    measure = MeasureInput{1, -0.2, 0.05, 0, -0.05, 0.2, 0};
    QVERIFY(colourNear(render(), Spot{-0.125, 0.125}, kWhite));
    measure.gMeasureCount = 0;
    QVERIFY(onlyBackgroundNear(render(), Spot{-0.125, 0.125}));
}

// The later line loses the depth test to the earlier one, even when it is the
// cursor line or marked; only smoothing lets it show.
void PathViewTest::laterLineAtSameDepthStaysBehindUnlessSmoothing()
{
    TD3FloatPointList path;
    addMoves(path, kRapidBackOverFeed);
    SceneInput& input = view_->sceneInput();
    input.FPathPoints = &path;
    QVERIFY(colourNear(render(), kBottomEdge, kFeedColor));
    input.FCursorLine = 3;
    QVERIFY(colourNear(render(), kBottomEdge, kFeedColor));
    input.FCursorLine = 0;
    input.FSelBeginLine = 3;
    input.FSelEndLine = 3;
    QVERIFY(colourNear(render(), kBottomEdge, kFeedColor));

    input.FSelBeginLine = input.FSelEndLine = 0;
    input.cbSmooth = true;
    const QRgb pixel = render().pixel(pixelOf(kBottomEdge));
    QVERIFY2(qRed(pixel) > qGreen(pixel), qPrintable(QColor(pixel).name()));
}

void PathViewTest::zeroHeightPanelProjectsWithoutError()
{
    view_->makeCurrent();
    SceneRenderer(view_->sceneInput()).FormResize(kPanelSize, 0, 1.0);
    const GLenum error = glGetError();
    view_->doneCurrent();
    view_->FormResize();
    QCOMPARE(error, static_cast<GLenum>(GL_NO_ERROR));
}

// The selection pass as picking runs it: a 4 x 4 pixel pick square, the
// name 0 pushed first, the first hit record's name as result.
GLint PathViewTest::firstPickedName(Spot spot)
{
    const QPoint pixel = pixelOf(spot);
    view_->makeCurrent();
    GLuint selectBuffer[128];
    glSelectBuffer(128, selectBuffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPickMatrix(pixel.x(), kPanelSize - pixel.y(), 4, 4, viewport);
    const double fovY = view_->sceneInput().camera.FFovY;
    gluPerspective(fovY, 1, 0.01, 5000 / fovY);
    glMatrixMode(GL_MODELVIEW);

    SceneRenderer(view_->sceneInput()).RenderScene(GL_SELECT);
    const GLint hits = glRenderMode(GL_RENDER);
    view_->doneCurrent();
    view_->FormResize();
    return hits > 0 ? static_cast<GLint>(selectBuffer[3]) : -1;
}

void PathViewTest::pickingNamesSegmentsByLineTripodZeroAndToolTheLastLine()
{
    view_->sceneInput().box.gToolRadius = 4;
    QCOMPARE(firstPickedName(kBottomEdge), 2);
    QCOMPARE(firstPickedName(kRightEdge), 3);
    QCOMPARE(firstPickedName(kRapidMiddle), 6);
    QCOMPARE(firstPickedName(kEmptyPlace), -1);
    QCOMPARE(firstPickedName(Spot{0.1, 0}), 0);
    QCOMPARE(firstPickedName(Spot{0.06, -0.1}), 7);  // the tool circle
}

void PathViewTest::obliquePresetShowsPathAndBox()
{
    SceneInput& input = view_->sceneInput();
    input.FSelectedFile = "square.nc";
    input.box = boxOf(-20, -24, -5, 10, -5, 5);
    input.FCursorLine = 3;
    input.FSelBeginLine = 6;
    input.FSelEndLine = 7;
    view_->showPreset(btnExplXYZClick);

    const QImage image = render();
    int feed = 0, box = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            feed += sameColour(image.pixel(x, y), kFeedColor);
            box += sameColour(image.pixel(x, y), kBlue);
        }
    QVERIFY(feed > 50);
    QVERIFY(box > 50);

    // For looking at: TARNIX_VIEW_SCREENSHOT=/tmp/tarnix-view.png
    if (const char* file = std::getenv("TARNIX_VIEW_SCREENSHOT"))
        QVERIFY(image.save(file));
}

void PathViewTest::pointsAppendedAfterADrawingAppear()
{
    TD3FloatPointList path;
    addMoves(path, {{1, -0.2L, -0.2L}, {2, -0.05L, -0.2L}});
    view_->sceneInput().FPathPoints = &path;
    QImage image = render();
    QVERIFY(colourNear(image, kBottomEdge, kFeedColor));
    QVERIFY(onlyBackgroundNear(image, kRightEdge));

    addMoves(path, {{3, -0.05L, -0.05L}, {4, -0.2L, -0.05L}});
    image = render();
    QVERIFY(colourNear(image, kRightEdge, kFeedColor));
    QVERIFY(colourNear(image, kTopEdge, kFeedColor));
    QVERIFY(onlyBackgroundNear(image, kLeftEdge));
}

// A run draws its path as it grows, a build takes it in as it grows: what only the new points
// add (segments, highlighted runs, the cursor marker found late, a hidden
// rapid's gap) must end exactly as the whole path drawn at once.
void PathViewTest::pathDrawnWhileItGrowsEndsAsDrawnAtOnce()
{
    SceneInput& input = view_->sceneInput();
    const struct {
        std::int32_t cursorLine;
        bool viewRapid;
        std::int32_t selBegin, selEnd;
    } cases[] = {{0, true, 0, 0}, {3, true, 0, 0}, {6, false, 0, 0}, {7, false, 0, 0}, {0, true, 2, 4}, {5, true, 6, 7}};
    for (const auto& c : cases) {
        const QString name = QString("cursor %1, rapids %2, range %3-%4")
                                 .arg(c.cursorLine).arg(c.viewRapid).arg(c.selBegin).arg(c.selEnd);
        input.FCursorLine = c.cursorLine;
        input.cbViewRapid = c.viewRapid;
        input.FSelBeginLine = c.selBegin;
        input.FSelEndLine = c.selEnd;
        TD3FloatPointList growing;
        input.FPathPoints = &growing;
        // A build takes its points in without drawing; a run draws them.
        bool drawn = false;
        for (const Move& move : kSquareWithRapid) {
            addMoves(growing, {move});
            if ((drawn = !drawn))
                render();
            else
                view_->takeInPath();
        }
        const SegmentTexts grownTexts = renderForTexts();
        const QImage grown = render();

        TD3FloatPointList whole;
        whole.AddList(growing);
        input.FPathPoints = &whole;
        const SegmentTexts wholeTexts = renderForTexts();
        QVERIFY2(render() == grown, qPrintable(name));
        QVERIFY2(grownTexts.lbBeginX == wholeTexts.lbBeginX && grownTexts.lbEndY == wholeTexts.lbEndY,
                 qPrintable(name));
        input.FPathPoints = &path_;
        render();
    }
}

void PathViewTest::anotherListOfAsManyPointsDrawsItsOwn()
{
    QVERIFY(colourNear(render(), kBottomEdge, kFeedColor));

    // The same seven moves a little higher up, as a rebuilt program would
    // give them.
    TD3FloatPointList moved;
    for (Move move : kSquareWithRapid) {
        move.y += 0.3L;
        addMoves(moved, {move});
    }
    view_->sceneInput().FPathPoints = &moved;
    const QImage image = render();
    QVERIFY(onlyBackgroundNear(image, kBottomEdge));
    QVERIFY(colourNear(image, Spot{kBottomEdge.x, kBottomEdge.y + 0.3}, kFeedColor));
}

void PathViewTest::clearedPathDrawsNoSegments()
{
    auto points = std::make_unique<TD3FloatPointList>();
    points->AddList(path_);
    view_->sceneInput().FPathPoints = points.get();
    QVERIFY(colourNear(render(), kBottomEdge, kFeedColor));

    // Clearing replaces the list by a new, empty one.
    points = std::make_unique<TD3FloatPointList>();
    view_->sceneInput().FPathPoints = points.get();
    const QImage image = render();
    for (Spot spot : {kBottomEdge, kRightEdge, kTopEdge, kLeftEdge, kRapidMiddle, kAfterRapid})
        QVERIFY(onlyBackgroundNear(image, spot));
    QVERIFY(colourNear(image, Spot{-0.01, 0}, kToolColor));
}

void PathViewTest::highlightsFollowTheCursorLineOnAnUnchangedPath()
{
    SceneInput& input = view_->sceneInput();
    input.FCursorLine = 3;
    QVERIFY(colourNear(render(), kRightEdge, kWhite));

    // Line 4 starts at the end of line 3, where the marker moves to.
    input.FCursorLine = 4;
    QImage image = render();
    QVERIFY(colourNear(image, kRightEdge, kFeedColor));
    QVERIFY(colourNear(image, kTopEdge, kWhite));
    QVERIFY(colourNear(image, Spot{-0.065, -0.04}, kWhite));
    QVERIFY(onlyBackgroundNear(image, Spot{-0.065, -0.19}));
    QCOMPARE(renderForTexts().lbBeginY, std::string("-5.000"));

    input.FCursorLine = 0;
    image = render();
    for (Spot edge : {kRightEdge, kTopEdge})
        QVERIFY(colourNear(image, edge, kFeedColor));
    QVERIFY(onlyBackgroundNear(image, Spot{-0.065, -0.04}));
}

void PathViewTest::cursorOnHiddenRapidMarksWhereTheRapidStarts()
{
    SceneInput& input = view_->sceneInput();
    input.cbViewRapid = false;
    input.FCursorLine = 6;
    const QImage image = render();
    QVERIFY(colourNear(image, Spot{-0.215, -0.19}, kWhite));
    QVERIFY(onlyBackgroundNear(image, kRapidMiddle));
    QVERIFY(colourNear(image, kAfterRapid, kFeedColor));
    const SegmentTexts texts = renderForTexts();
    QCOMPARE(texts.lbBeginX, std::string("-20.000"));
    QCOMPARE(texts.lbEndX, std::string("10.000"));
}

std::pair<std::vector<GLubyte>, std::vector<GLuint>> PathViewTest::frameDrawnBy(SceneRenderer& renderer)
{
    renderer.FormResize(kPanelSize, kPanelSize, 1.0);
    renderer.RenderScene(GL_RENDER);
    std::vector<GLubyte> colour(kPanelSize * kPanelSize * 4);
    std::vector<GLuint> depth(kPanelSize * kPanelSize);
    glReadPixels(0, 0, kPanelSize, kPanelSize, GL_RGBA, GL_UNSIGNED_BYTE, colour.data());
    glReadPixels(0, 0, kPanelSize, kPanelSize, GL_DEPTH_COMPONENT, GL_UNSIGNED_INT, depth.data());
    return {colour, depth};
}

// A frame drawn over the kept image of the path, after every kind of change
// it takes in without starting the image again (a highlight or marker that
// moved, points appended, the decorations) and after those that start it
// again, leaves the colours and depths of a drawing of the whole scene.
void PathViewTest::frameOverKeptImageEqualsWholeDrawing()
{
    std::mt19937 random(35);
    TD3FloatPointList path;
    addTangle(path, 1, 150, random);
    SceneInput& input = view_->sceneInput();
    input.FPathPoints = &path;
    input.FSelectedFile = "tangle.nc";
    input.box = boxOf(-20, -20, 0, 20, 20, 1);
    view_->makeCurrent();
    QVERIFY(SceneBase::available());
    SceneRenderer kept(input), whole(input);
    // Chunks of 16 segments give the tags of a path of millions; buffer
    // pieces of 7 points its many pieces, against the one piece of `whole`.
    kept.setKeepsImage(true, 16);
    kept.setBufferPiecePoints(7);
    whole.setKeepsImage(false);

    const struct {
        const char* change;
        std::function<void()> make;
    } steps[] = {
        {"first frame", [] {}},
        {"cursor on line 40", [&] { input.FCursorLine = 40; }},
        {"cursor on line 41, tool mark", [&] { input.FCursorLine = 41, input.FToolMarkOn = true; }},
        {"points appended", [&] { addTangle(path, 151, 100, random); }},
        {"range 30-180", [&] { input.FSelBeginLine = 30, input.FSelEndLine = 180; }},
        {"cursor on the first line", [&] { input.FCursorLine = 1; }},
        {"cursor on the last line", [&] { input.FCursorLine = 250; }},
        {"rapids hidden, cursor on a rapid", [&] { input.cbViewRapid = false, input.FCursorLine = 100; }},
        {"rubber band", [&] { input.rubberBand = {true, 20, 30, 200, 150}; }},
        {"measuring line", [&] { input.measure = {1, -0.2, -0.2, 0, 0.2, 0.1, 0}; }},
        {"turned", [&] { input.camera.FRotZ = 30; }},
        {"more points, range gone", [&] { addTangle(path, 251, 60, random), input.FSelBeginLine = input.FSelEndLine = 0; }},
        {"points taken in as a build does", [&] {
             addTangle(path, 311, 30, random);
             kept.takeInPath();
             addTangle(path, 341, 30, random);
         }},
    };
    for (const auto& step : steps) {
        step.make();
        const auto [keptColour, keptDepth] = frameDrawnBy(kept);
        const auto [wholeColour, wholeDepth] = frameDrawnBy(whole);
        int colours = 0, depths = 0;
        for (std::size_t i = 0; i < wholeDepth.size(); ++i) {
            colours += std::memcmp(&keptColour[4 * i], &wholeColour[4 * i], 4) != 0;
            depths += keptDepth[i] != wholeDepth[i];
        }
        QVERIFY2(colours == 0 && depths == 0,
                 qPrintable(QString("%1: %2 colours, %3 depths differ").arg(step.change).arg(colours).arg(depths)));
    }
    view_->doneCurrent();
    view_->FormResize();
}

std::array<GLdouble, 16> PathViewTest::projectionMatrix()
{
    std::array<GLdouble, 16> matrix{};
    view_->makeCurrent();
    glGetDoublev(GL_PROJECTION_MATRIX, matrix.data());
    view_->doneCurrent();
    return matrix;
}

void PathViewTest::frustumOfInfoBoxIsMultipliedOntoProjectionAndDrawn()
{
    const std::array<GLdouble, 16> before = projectionMatrix();
    view_->sceneInput().FCursorLine = 3;
    QSignalSpy drawn(view_.get(), &PathView::segmentTextsChanged);

    // X -2..4, Y 1..9, Z -3..5: left -2, right 4, bottom 5, top -3, near 1, far 9.
    view_->Button1Click(-2, 4, 1, 9, -3, 5);
    QTRY_COMPARE(drawn.count(), 1);

    const double l = -2, r = 4, b = 5, t = -3, n = 1, f = 9;
    // glFrustum's matrix, column by column.
    const double frustum[16] = {2 * n / (r - l), 0, 0, 0,
                                0, 2 * n / (t - b), 0, 0,
                                (r + l) / (r - l), (t + b) / (t - b), -(f + n) / (f - n), -1,
                                0, 0, -2 * f * n / (f - n), 0};
    const std::array<GLdouble, 16> after = projectionMatrix();
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row) {
            double expected = 0;
            for (int k = 0; k < 4; ++k)
                expected += before[k * 4 + row] * frustum[column * 4 + k];
            // GL keeps its matrices in single floats.
            const double actual = after[column * 4 + row];
            QVERIFY2(std::abs(actual - expected) <= 1e-5 * (1 + std::abs(expected)),
                     qPrintable(QString("row %1, column %2: %3, expected %4")
                                    .arg(row).arg(column).arg(actual).arg(expected)));
        }
}

void PathViewTest::frustumGlWouldRejectLeavesProjectionWithoutError()
{
    // Before any information run the box holds its start values: near
    // 99999, far -99999, which glFrustum refuses.
    view_->makeCurrent();
    while (glGetError() != GL_NO_ERROR) {
    }
    view_->doneCurrent();
    const std::array<GLdouble, 16> before = projectionMatrix();
    view_->Button1Click(99999, -99999, 99999, -99999, 99999, -99999);
    QCOMPARE(projectionMatrix(), before);
    view_->makeCurrent();
    const GLenum error = glGetError();
    view_->doneCurrent();
    QCOMPARE(error, static_cast<GLenum>(GL_NO_ERROR));
}

QTEST_MAIN(PathViewTest)
#include "path_view_test.moc"
