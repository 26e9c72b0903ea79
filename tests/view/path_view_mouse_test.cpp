// The view under the mouse on the real GL stack (xvfb-run): clicks pick
// lines, the wheel waits for the focus, two clicks measure, and the fast
// pick answers as one selection pass over the whole scene would, taking
// the move in front.

#include "program_stats.h"
#include "support/message_boxes.h"
#include "view/path_view.h"
#include "view/scene_renderer.h"
#include "view/view_presets.h"

#include <GL/glu.h>

#include <QRandomGenerator>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <array>
#include <cmath>
#include <filesystem>
#include <memory>

using namespace tarnix;

namespace {

constexpr int kPanelSize = 240;
const GLColor kFeed = {0.5f, 1, 0};

// The top view maps scene x, y straight onto the panel around its centre.
QPoint pixelOf(double x, double y)
{
    const double pixelsPerUnit = (kPanelSize / 2.0) / (300 * std::tan(0.05 * std::numbers::pi / 180));
    return {static_cast<int>(std::lround(kPanelSize / 2.0 + x * pixelsPerUnit)),
            static_cast<int>(std::lround(kPanelSize / 2.0 - y * pixelsPerUnit))};
}

void sendWheel(QWidget* widget, int delta)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

}  // namespace

class PathViewMouseTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { view_.reset(); }

    void clickOnASegmentPicksItsLine();
    void clickOnBackgroundOrTripodClearsTheCursorLine();
    void wheelZoomsOnlyOnceTheViewWasClicked();
    void measuringTwoPointsOfASegmentGivesTheirDistance_data();
    void measuringTwoPointsOfASegmentGivesTheirDistance();
    void hoverReadsTheProgramCoordinatesOfTheSegment();
    void fastPickAnswersAsTheFullSelectionPass();
    void pickInADenseBundleTakesTheFrontMove();

private:
    // The nearest hit record (the first of equally near ones) of one plain
    // selection pass over the whole scene.
    GLint fullPassPick(QPoint pixel);
    // A pixel of a feed move (or of a rapid) next to `pixel`.
    QPoint linePixelNear(QPoint pixel, bool rapid = false);
    // The panel pixel of a scene point, by the camera's own matrices.
    QPoint projected(double x, double y, double z);
    // The scene point at window `depth` on the ray through the panel pixel.
    std::array<double, 3> unprojected(QPoint pixel, double depth);
    // The window depth of the scene point (0, 0, z).
    double unprojectedDepth(double z);
    void cameraMatrices(double (&modelView)[16], double (&projection)[16]);

    std::unique_ptr<PathView> view_;
    std::unique_ptr<TD3FloatPointList> path_;
};

void PathViewMouseTest::init()
{
    // Lines 1 to 3: along the bottom of the lower left quarter, then up.
    path_ = std::make_unique<TD3FloatPointList>();
    path_->Add(kFeed, 1, -0.2L, -0.2L, 0, 1000, false);
    path_->Add(kFeed, 2, -0.05L, -0.2L, 0, 1000, false);
    path_->Add(kFeed, 3, -0.05L, -0.05L, 0, 1000, false);
    view_ = std::make_unique<PathView>();
    view_->resize(kPanelSize, kPanelSize);
    view_->sceneInput().FPathPoints = path_.get();
    view_->show();
    QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
    view_->showPreset(btnExplXYClick);
}

void PathViewMouseTest::clickOnASegmentPicksItsLine()
{
    QSignalSpy picked(view_.get(), &PathView::linePicked);
    QTest::mouseClick(view_.get(), Qt::LeftButton, Qt::NoModifier, pixelOf(-0.12, -0.2));
    QTest::mouseClick(view_.get(), Qt::LeftButton, Qt::ShiftModifier, pixelOf(-0.05, -0.12));
    QCOMPARE(picked.count(), 2);
    QCOMPARE(picked[0], (QList<QVariant>{2, false}));
    QCOMPARE(picked[1], (QList<QVariant>{3, true}));
    // A right click picks nothing.
    QTest::mouseClick(view_.get(), Qt::RightButton, Qt::NoModifier, pixelOf(-0.12, -0.2));
    QCOMPARE(picked.count(), 2);
}

void PathViewMouseTest::clickOnBackgroundOrTripodClearsTheCursorLine()
{
    QSignalSpy picked(view_.get(), &PathView::linePicked);
    for (QPoint pixel : {pixelOf(0.15, 0.15), pixelOf(0.01, 0)}) {
        view_->sceneInput().FCursorLine = 2;
        QTest::mouseClick(view_.get(), Qt::LeftButton, Qt::NoModifier, pixel);
        QCOMPARE(view_->sceneInput().FCursorLine, 0);
    }
    QCOMPARE(picked.count(), 0);
}

void PathViewMouseTest::wheelZoomsOnlyOnceTheViewWasClicked()
{
    const double zoom = view_->sceneInput().camera.FZoom;
    sendWheel(view_.get(), 120);
    QCOMPARE(view_->sceneInput().camera.FZoom, zoom);
    // No window manager activates the window under Xvfb.
    QApplication::setActiveWindow(view_.get());
    QTest::mouseClick(view_.get(), Qt::RightButton, Qt::NoModifier, pixelOf(0.15, 0.15));
    QVERIFY(view_->hasFocus());
    sendWheel(view_.get(), 120);
    QCOMPARE(view_->sceneInput().camera.FZoom, zoom + 0.4);
}

QPoint PathViewMouseTest::linePixelNear(QPoint pixel, bool rapid)
{
    const QImage image = view_->grabFramebuffer();
    // Smoothed lines blend their colour into the background.
    auto onLine = [rapid](QRgb rgb) { return rapid ? qRed(rgb) > 200 && qGreen(rgb) < 50 : qGreen(rgb) > 200; };
    for (int dy : {0, -1, 1, -2, 2})
        for (int dx : {0, -1, 1})
            if (onLine(image.pixel(pixel + QPoint(dx, dy))))
                return pixel + QPoint(dx, dy);
    return pixel;
}

void PathViewMouseTest::measuringTwoPointsOfASegmentGivesTheirDistance_data()
{
    QTest::addColumn<bool>("hiddenMove");
    QTest::addColumn<bool>("smooth");
    QTest::newRow("plain") << false << false;
    // From straight above one step of the depth buffer spans tens of program
    // units: a rapid drawn later, a little below the feed, falls in the same
    // step and the depth test keeps the feed in front.
    QTest::newRow("later move hidden in the same depth step") << true << false;
    QTest::newRow("smooth") << false << true;
    QTest::newRow("smooth, later move hidden") << true << true;
}

void PathViewMouseTest::measuringTwoPointsOfASegmentGivesTheirDistance()
{
    QFETCH(bool, hiddenMove);
    QFETCH(bool, smooth);
    // The feed near the top of a depth step, the rapid near its bottom.
    view_->makeCurrent();
    GLint depthBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    view_->doneCurrent();
    const double steps = std::ldexp(1.0, depthBits) - 1;
    const QPoint centre(kPanelSize / 2, kPanelSize / 2);
    const double step = std::round(steps * unprojectedDepth(0));
    const long double feedZ = hiddenMove ? unprojected(centre, (step - 0.4) / steps)[2] : 0;
    const long double rapidZ = unprojected(centre, (step + 0.1) / steps)[2];

    path_ = std::make_unique<TD3FloatPointList>();
    path_->Add(kFeed, 1, -0.2L, -0.2L, feedZ, 1000, false);
    path_->Add(kFeed, 2, -0.05L, -0.2L, feedZ, 1000, false);
    path_->Add(kFeed, 3, -0.05L, -0.05L, feedZ, 1000, false);
    if (hiddenMove) {
        // Back over the first measuring point only.
        path_->Add({1, 0, 0}, 4, -0.1L, -0.2L, rapidZ, 3000, true);
        path_->Add({1, 0, 0}, 5, -0.2L, -0.2L, rapidZ, 3000, true);
    }
    SceneInput& input = view_->sceneInput();
    input.FPathPoints = path_.get();
    input.cbViewRapid = true;
    input.cbSmooth = smooth;
    view_->RenderScene();

    view_->mnMeasureClick();
    // A click on the background is ignored.
    QTest::mouseClick(view_.get(), Qt::LeftButton, Qt::NoModifier, pixelOf(0.15, 0.15));
    // Without depth writes the smoothed rapid drawn later shows on top; the
    // depth is still the plain drawing's.
    const bool rapidShows = smooth && hiddenMove;
    QTest::mouseClick(view_.get(), Qt::LeftButton, Qt::NoModifier, linePixelNear(pixelOf(-0.18, -0.2), rapidShows));
    QCOMPARE(input.measure.gMeasureCount, 1);
    QString message;
    testing::answerNextMessageBox(&message);
    QTest::mouseClick(view_.get(), Qt::LeftButton, Qt::NoModifier, linePixelNear(pixelOf(-0.06, -0.2)));
    QVERIFY(!view_->gMeasureMode());

    // 12 program units along x, read to the pixel (about 0.22 units here).
    QVERIFY2(message.startsWith("Analized distance: dx: "), qPrintable(message));
    const double distance = message.section("Distance: ", 1).toDouble();
    QVERIFY2(std::fabs(distance - 12) < 0.5, qPrintable(message));
    QVERIFY2(message.contains(" dz: 0.000;"), qPrintable(message));
}

void PathViewMouseTest::cameraMatrices(double (&modelView)[16], double (&projection)[16])
{
    const TViewCamera& camera = view_->sceneInput().camera;
    view_->makeCurrent();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPerspective(camera.FFovY, static_cast<double>(view_->width()) / view_->height(), 0.01, 5000 / camera.FFovY);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(camera.FPanX, -camera.FPanY, camera.FViewDist);
    glRotatef(camera.FRotX, 1, 0, 0);
    glRotatef(camera.FRotZ, 0, 0, 1);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glPopMatrix();
    view_->doneCurrent();
}

QPoint PathViewMouseTest::projected(double x, double y, double z)
{
    GLdouble modelView[16], projection[16];
    cameraMatrices(modelView, projection);
    const GLint viewport[4] = {0, 0, view_->width(), view_->height()};
    GLdouble wx, wy, wz;
    gluProject(x, y, z, modelView, projection, viewport, &wx, &wy, &wz);
    return {static_cast<int>(wx), view_->height() - 1 - static_cast<int>(wy)};
}

double PathViewMouseTest::unprojectedDepth(double z)
{
    GLdouble modelView[16], projection[16];
    cameraMatrices(modelView, projection);
    const GLint viewport[4] = {0, 0, view_->width(), view_->height()};
    GLdouble wx, wy, wz;
    gluProject(0, 0, z, modelView, projection, viewport, &wx, &wy, &wz);
    return wz;
}

std::array<double, 3> PathViewMouseTest::unprojected(QPoint pixel, double depth)
{
    GLdouble modelView[16], projection[16];
    cameraMatrices(modelView, projection);
    const GLint viewport[4] = {0, 0, view_->width(), view_->height()};
    std::array<double, 3> p{};
    gluUnProject(pixel.x(), view_->height() - pixel.y(), depth, modelView, projection, viewport, &p[0], &p[1], &p[2]);
    return p;
}

void PathViewMouseTest::hoverReadsTheProgramCoordinatesOfTheSegment()
{
    // A feed move along x at z -2 and a rapid back along y at z 10, seen
    // obliquely, as the program starts.
    path_ = std::make_unique<TD3FloatPointList>();
    path_->Add(kFeed, 1, -0.2L, 0.1L, -0.02L, 1000, false);
    path_->Add(kFeed, 2, 0.2L, 0.1L, -0.02L, 1000, false);
    path_->Add({1, 0, 0}, 3, 0.25L, -0.3L, 0.1L, 3000, true);
    path_->Add({1, 0, 0}, 4, 0.25L, 0.2L, 0.1L, 3000, true);
    view_->sceneInput().FPathPoints = path_.get();
    view_->sceneInput().cbViewRapid = true;

    struct Case {
        void (&preset)(TViewCamera&);
        double x, y, z;  // program units
        bool alongX;
    };
    // From straight above the depth buffer alone cannot tell z -2 from 10.
    for (const Case& c : {Case{btnExplXYZClick, 0, 10, -2, true}, Case{btnExplXYZClick, 25, -10, 10, false},
                          Case{btnExplXYClick, -5, 10, -2, true}, Case{btnExplXYClick, 25, -10, 10, false}})
    for (bool smooth : {false, true}) {
        view_->sceneInput().cbSmooth = smooth;
        view_->showPreset(c.preset);
        QSignalSpy readout(view_.get(), &PathView::mouseReadout);
        const QPoint pixel = linePixelNear(projected(c.x / 100, c.y / 100, c.z / 100), !c.alongX);
        // Sent to the view itself: the suite's other windows share the display
        // and may lie over it, so a real pointer move could reach them.
        QMouseEvent move(QEvent::MouseMove, pixel, view_->mapToGlobal(pixel), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(view_.get(), &move);
        QVERIFY(!readout.isEmpty());
        const QString text = readout.last().first().toString();
        QVERIFY2(text.startsWith("World : (X: "), qPrintable(text));
        const double x = text.section("X: ", 1).section(';', 0, 0).toDouble();
        const double y = text.section("Y: ", 1).section(';', 0, 0).toDouble();
        const double z = text.section("Z: ", 1).section(')', 0, 0).toDouble();
        // A pixel here is about half a program unit.
        const double tolerance = 1.5;
        QVERIFY2(std::fabs((c.alongX ? y : x) - (c.alongX ? c.y : c.x)) < tolerance, qPrintable(text));
        QVERIFY2(std::fabs((c.alongX ? x : y) - (c.alongX ? c.x : c.y)) < 3 * tolerance, qPrintable(text));
        QVERIFY2(std::fabs(z - c.z) < tolerance, qPrintable(text));
    }
}

GLint PathViewMouseTest::fullPassPick(QPoint pixel)
{
    view_->makeCurrent();
    // Room for a record per point, the tripod's and the tool's.
    std::vector<GLuint> buffer(4 * (static_cast<std::size_t>(view_->sceneInput().FPathPoints->Count()) + 2));
    glSelectBuffer(static_cast<GLsizei>(buffer.size()), buffer.data());
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPickMatrix(pixel.x(), view_->height() - pixel.y(), 4, 4, viewport);
    const double fovY = view_->sceneInput().camera.FFovY;
    gluPerspective(fovY, static_cast<double>(view_->width()) / view_->height(), 0.01, 5000 / fovY);
    glMatrixMode(GL_MODELVIEW);
    SceneRenderer(view_->sceneInput()).RenderScene(GL_SELECT);
    const GLint hits = glRenderMode(GL_RENDER);
    view_->doneCurrent();
    GLint name = -1;
    GLuint nearest = 0;
    for (GLint record = 0; record < hits; ++record)
        if (name < 0 || buffer[4 * record + 1] < nearest) {
            nearest = buffer[4 * record + 1];
            name = static_cast<GLint>(buffer[4 * record + 3]);
        }
    return name;
}

void PathViewMouseTest::fastPickAnswersAsTheFullSelectionPass()
{
    const std::filesystem::path program = std::filesystem::path(TARNIX_CORPUS) / "gcode/camotics/botomata_bottom.nc";
    if (!std::filesystem::exists(program))
        QSKIP("no corpus");
    InterpreterContext context;
    runProgramFile(program.string(), context);
    QVERIFY(context.FPathPoints->Count() > 5000);

    SceneInput& input = view_->sceneInput();
    input.FPathPoints = context.FPathPoints.get();
    input.box.gToolRadius = 3;
    const TInfoRunBox& box = context.infoBox;
    const double centreX = 0.005 * (box.gInfoMinX + box.gInfoMaxX), centreY = 0.005 * (box.gInfoMinY + box.gInfoMaxY);
    const double halfSide = 0.005 * std::max(box.gInfoMaxX - box.gInfoMinX, box.gInfoMaxY - box.gInfoMinY);

    QRandomGenerator random(15);
    int lineHits = 0;
    // Straight from above, then turned: lines cross and overlap in depth.
    for (float rotX : {0.0f, -60.0f}) {
        btnExplXYZClick(input.camera);
        input.camera.FRotX = rotX;
        input.camera.FRotZ = rotX == 0 ? 0 : 30;
        input.camera.FPanX = static_cast<float>(-centreX);
        input.camera.FPanY = static_cast<float>(centreY);
        input.camera.FViewDist = static_cast<float>(-1.2 * halfSide / std::tan(5 * std::numbers::pi / 180));
        input.FCursorLine = static_cast<std::int32_t>(random.bounded(1, 6000));
        view_->FormResize();
        for (int click = 0; click < 30; ++click) {
            const QPoint pixel(random.bounded(kPanelSize), random.bounded(kPanelSize));
            const GLint full = fullPassPick(pixel);
            QCOMPARE(view_->DoSelect(pixel.x(), pixel.y()), full);
            lineHits += full > 0;
        }
    }
    // The clicks landed on lines, not only on the background.
    QVERIFY(lineHits > 10);
}

void PathViewMouseTest::pickInADenseBundleTakesTheFrontMove()
{
    // 300 short moves crossing the ray through one pixel, one behind the
    // other: far more hit records than 128 entries hold. The one nearest
    // the camera is neither the first nor the last drawn.
    constexpr int kMoves = 300;
    constexpr int kFront = 170;
    view_->showPreset(btnExplXYZClick);
    const QPoint pixel = projected(0.1, 0.1, 0);
    const std::array<double, 3> nearPoint = unprojected(pixel, 0), farPoint = unprojected(pixel, 1);
    std::array<double, 3> ray{};
    for (int axis = 0; axis < 3; ++axis)
        ray[axis] = farPoint[axis] - nearPoint[axis];
    const double rayLength = std::hypot(ray[0], ray[1], ray[2]);
    path_ = std::make_unique<TD3FloatPointList>();
    for (int move = 0; move < kMoves; ++move) {
        const int behind = move == kFront ? 0 : 1 + (move * 7) % kMoves;
        const double distance = 3 + 0.02 * behind;
        std::array<long double, 3> at{};
        for (int axis = 0; axis < 3; ++axis)
            at[axis] = nearPoint[axis] + distance * ray[axis] / rayLength;
        const double angle = move * std::numbers::pi / kMoves;
        const long double dx = 0.05L * std::cos(angle), dy = 0.05L * std::sin(angle);
        path_->Add(kFeed, 2 * move + 1, at[0] - dx, at[1] - dy, at[2], 1000, true);
        path_->Add(kFeed, 2 * move + 2, at[0] + dx, at[1] + dy, at[2], 1000, false);
    }
    view_->sceneInput().FPathPoints = path_.get();
    view_->RenderScene();
    QSignalSpy picked(view_.get(), &PathView::linePicked);
    QTest::mouseClick(view_.get(), Qt::LeftButton, Qt::NoModifier, pixel);
    QCOMPARE(picked.count(), 1);
    QCOMPARE(picked[0].first().toInt(), 2 * kFront + 2);
}

QTEST_MAIN(PathViewMouseTest)
#include "path_view_mouse_test.moc"
