// Runs in the main window: the Run/Pause set-up with its start-point scan,
// the editor's marks, status panel 3, the held Step button, a run to the end
// and a run that meets a conversion error. Qt Test under xvfb-run -a.

#include "common/errors.h"
#include "support/app_paths_in.h"
#include "support/main_window_start.h"
#include "editor/widgets/editor_page.h"
#include "run/widgets/run_controller.h"
#include "run/widgets/run_images.h"
#include "run/widgets/run_panel_widget.h"
#include "support/message_boxes.h"
#include "view/path_view.h"
#include "window/widgets/main_window.h"
#include "window/widgets/status_bar_widget.h"
#include "window/widgets/tarnix_application.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <Qsci/qsciscintilla.h>

#include <functional>
#include <memory>

using namespace tarnix;
Q_DECLARE_METATYPE(std::function<void(QsciScintilla&)>)
using State = TCNCDebuggerState;

class RunWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<MainWindow> window;
    QsciScintilla* editor = nullptr;
    RunController* run = nullptr;
    int beeps = 0;

    template <typename Widget>
    Widget* child(const char* name)
    {
        return window->findChild<Widget*>(name);
    }

    void click(const char* button) { child<QToolButton>(button)->click(); }
    TCNCDebugger& engine() { return run->debugger(); }
    QString panel3() { return child<StatusBarWidget>("StatusBar")->panelText(3); }

    int lineY(int line)
    {
        const long position = editor->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line - 1);
        return static_cast<int>(editor->SendScintilla(QsciScintilla::SCI_POINTYFROMPOSITION, 0UL, position)) +
               static_cast<int>(editor->SendScintilla(QsciScintilla::SCI_TEXTHEIGHT, 0UL)) / 2;
    }

    // How many pixels of `color` the text area shows on `line`.
    int pixelsOnLine(int line, QColor color)
    {
        const QImage image = editor->viewport()->grab().toImage();
        int count = 0;
        for (int x = marginsWidth(); x < image.width(); ++x)
            count += image.pixelColor(x, lineY(line)) == color;
        return count;
    }

    // The glyph (0 to 3) that the gutter shows for `line`, read from the
    // screen; -1 for none.
    int glyphAt(int line)
    {
        // Only the rows in view are painted.
        const int first = editor->firstVisibleLine();
        const int rows = static_cast<int>(editor->SendScintilla(QsciScintilla::SCI_LINESONSCREEN));
        if (line - 1 < first || line - 1 >= first + rows)
            editor->setFirstVisibleLine(line - 1);
        const QRect rect = run->marks().glyphRect(line);
        const QImage shown = editor->viewport()->grab().toImage().copy(rect).convertToFormat(QImage::Format_RGB32);
        const QColor back = shown.pixelColor(0, 0);
        for (int glyph = 0; glyph < 4; ++glyph) {
            QImage expected(rect.size(), QImage::Format_RGB32);
            expected.fill(back);
            QPainter painter(&expected);
            painter.drawImage(0, 0, gutterGlyph(glyph));
            painter.end();
            if (sameImage(shown, expected))
                return glyph;
        }
        return -1;
    }

    static bool sameImage(const QImage& a, const QImage& b)
    {
        if (a.size() != b.size())
            return false;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                if (std::abs(qRed(p) - qRed(q)) > 2 || std::abs(qGreen(p) - qGreen(q)) > 2 ||
                    std::abs(qBlue(p) - qBlue(q)) > 2)
                    return false;
            }
        return true;
    }

    void clickGlyph(int line)
    {
        int x = 2;
        for (int margin = 0; margin < run->marks().glyphMargin(); ++margin)
            x += static_cast<int>(editor->SendScintilla(QsciScintilla::SCI_GETMARGINWIDTHN, margin));
        QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, QPoint(x, lineY(line)));
    }

    // Whether any of the line's text carries an indicator (the white text).
    bool whiteTextOn(int line)
    {
        const long start = editor->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line - 1);
        const long end = editor->SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, line - 1);
        for (unsigned long indicator = 0; indicator <= QsciScintilla::INDIC_MAX; ++indicator)
            for (long at = start; at < end; ++at)
                if (editor->SendScintilla(QsciScintilla::SCI_INDICATORVALUEAT, indicator, at) != 0)
                    return true;
        return false;
    }

    // Counts the paintings of a window, each of which draws and flushes it.
    struct PaintCounter : QObject {
        explicit PaintCounter(QWidget& window) { window.installEventFilter(this); }
        bool eventFilter(QObject*, QEvent* event) override
        {
            count += event->type() == QEvent::UpdateRequest;
            return false;
        }
        int count = 0;
    };

    int marginsWidth()
    {
        int width = 0;
        for (unsigned long margin = 0; margin < 5; ++margin)
            width += static_cast<int>(editor->SendScintilla(QsciScintilla::SCI_GETMARGINWIDTHN, margin));
        return width;
    }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        const AppPaths paths = testing::appPathsIn(folder->path() + "/");
        window = testing::startMainWindow(paths);
        child<QTabWidget>("PageControl1")->setCurrentIndex(1);
        QTest::qWait(50);
        editor = child<QsciScintilla>("SynEdit");
        run = &window->runController();
        beeps = 0;
        run->beep = [this] { ++beeps; };
    }

    void cleanup() { window.reset(); }

    void startPointScanTakesTheNearestEarlierWords_data()
    {
        QTest::addColumn<QString>("nearestGLine");
        QTest::addColumn<int>("plane");
        QTest::addColumn<int>("distMode");
        QTest::newRow("G91") << "G91 Y-3" << 17 << 91;
        QTest::newRow("G18") << "G18 Y-3" << 18 << 90;
    }

    void startPointScanTakesTheNearestEarlierWords()
    {
        QFETCH(QString, nearestGLine);
        QFETCH(int, plane);
        QFETCH(int, distMode);
        editor->setText("G19 G1 X1 Y7\n" + nearestGLine + "\nX12.5\nM3\nG1\nG1 X40 Z-2\n");
        child<QLineEdit>("edStartPoint")->setText("5");
        child<QLineEdit>("edStopPoint")->setText("5");
        click("tbtnPause");
        QCOMPARE(engine().state(), State::paused);
        QCOMPARE(engine().currentLine(), 5);
        QVERIFY(child<RunPanelWidget>("Panel2")->pauseButtonDown());
        const TInterpreterState& state = window->context().state;
        QCOMPARE(state.gX, 12.5);
        QCOMPARE(state.gY, -3.0);
        QCOMPARE(state.gZ, 0.0);
        QCOMPARE(state.gPlane, plane);
        QCOMPARE(state.gDistMode, distMode);
        QCOMPARE(beeps, 1);
    }

    void breakpointOnTheCurrentLineShowsItsGlyphAndTheCurrentColours()
    {
        editor->setText("G1 X1 F100\nG1 X2\nG1 X3\nG1 X4\nG1 X5\nG1 X6\n");
        editor->setCursorPosition(2, 0);
        click("tbtnToggleBreakpoint");
        clickGlyph(5);
        QCOMPARE(engine().breakpoints(), (std::vector<int>{3, 5}));

        click("tbtnPause");
        QCOMPARE(engine().currentLine(), 3);
        QTest::qWait(50);
        const int glyphs[] = {0, 0, 2, 0, 3, 0};
        for (int line = 1; line <= 6; ++line)
            QCOMPARE(glyphAt(line), glyphs[line - 1]);
        QVERIFY(pixelsOnLine(3, QColor(0, 0, 255)) > 0);
        QVERIFY(pixelsOnLine(3, Qt::white) > 0);
        QCOMPARE(pixelsOnLine(3, QColor(255, 0, 0)), 0);
        QVERIFY(pixelsOnLine(5, QColor(255, 0, 0)) > 0);
        QVERIFY(pixelsOnLine(5, Qt::white) > 0);
        QCOMPARE(pixelsOnLine(4, QColor(0, 0, 255)) + pixelsOnLine(4, QColor(255, 0, 0)), 0);

        click("tbtnClearAllBreakpoints");
        QCOMPARE(glyphAt(3), 1);
        QCOMPARE(glyphAt(5), 0);
    }

    void marksStayOnTheEnginesLinesWhenLinesAreInserted()
    {
        QString program;
        for (int line = 1; line <= 5; ++line)
            program += QString("G1 X%1 F100\n").arg(line);
        editor->setText(program);
        clickGlyph(4);
        editor->insertAt("G1 X0 F100\n", 0, 0);
        QTest::qWait(20);
        QCOMPARE(engine().breakpoints(), (std::vector<int>{4}));
        QCOMPARE(glyphAt(4), 3);
        QCOMPARE(glyphAt(5), 0);
        QVERIFY(pixelsOnLine(4, QColor(255, 0, 0)) > 0);
        QCOMPARE(pixelsOnLine(5, QColor(255, 0, 0)), 0);
        // A click on the breakpoint shown removes the one that exists.
        clickGlyph(4);
        QCOMPARE(engine().breakpoints(), std::vector<int>{});
        QCOMPARE(glyphAt(4), 0);
        QCOMPARE(pixelsOnLine(4, QColor(255, 0, 0)), 0);

        // The current line during a pause, then a line deleted above it.
        click("tbtnStep");
        click("tbtnStep");
        click("tbtnStep");
        QCOMPARE(engine().currentLine(), 3);
        editor->setSelection(0, 0, 1, 0);
        editor->removeSelectedText();
        QTest::qWait(20);
        QCOMPARE(glyphAt(3), 1);
        QCOMPARE(glyphAt(2), 0);
        QVERIFY(pixelsOnLine(3, QColor(0, 0, 255)) > 0);
        QCOMPARE(pixelsOnLine(2, QColor(0, 0, 255)), 0);

        // Undo brings the line back quietly, without a notice for each piece
        // of the change: the bar is painted anew all the same.
        child<QAction>("btnEditUndo")->trigger();
        QTest::qWait(20);
        QCOMPARE(editor->lines(), 7);
        QVERIFY(pixelsOnLine(3, QColor(0, 0, 255)) > 0);
        QCOMPARE(pixelsOnLine(2, QColor(0, 0, 255)), 0);
    }

    // Edits that add or remove lines next to the marks, wherever Scintilla
    // carries a line's markers and its coloured text: the colours come back
    // to the engine's lines and to no other.
    void marksFollowTheEngineAfterEveryKindOfLineChange_data()
    {
        QTest::addColumn<std::function<void(QsciScintilla&)>>("edit");
        using Edit = std::function<void(QsciScintilla&)>;
        auto keys = [](int line, int column, std::vector<Qt::Key> pressed) -> Edit {
            return [=](QsciScintilla& editor) {
                editor.setFocus();
                editor.setCursorPosition(line - 1, column);
                for (Qt::Key key : pressed)
                    QTest::keyClick(&editor, key);
            };
        };
        QTest::newRow("Return at the start of a breakpoint line") << keys(4, 0, {Qt::Key_Return});
        QTest::newRow("Return inside a breakpoint line") << keys(4, 3, {Qt::Key_Return, Qt::Key_Return});
        QTest::newRow("Return inside the current line") << keys(2, 2, {Qt::Key_Return});
        QTest::newRow("BackSpace joins a breakpoint line to the one above") << keys(4, 0, {Qt::Key_Backspace});
        QTest::newRow("BackSpace joins the line below to a breakpoint line") << keys(5, 0, {Qt::Key_Backspace});
        QTest::newRow("Delete joins the current line and a breakpoint line")
            << keys(2, 5, {Qt::Key_End, Qt::Key_Delete, Qt::Key_Delete});
        QTest::newRow("lines with marks deleted") << Edit([](QsciScintilla& editor) {
            editor.setSelection(1, 2, 5, 1);
            editor.removeSelectedText();
        });
        QTest::newRow("lines pasted above and between the marks") << Edit([](QsciScintilla& editor) {
            editor.insertAt("G1 X0\nG1 X0\n", 0, 0);
            editor.insertAt("\nG1 X0\nG1 X0", 2, 4);
        });
        QTest::newRow("undone and redone") << Edit([](QsciScintilla& editor) {
            editor.setSelection(1, 0, 4, 0);
            editor.removeSelectedText();
            editor.undo();
            editor.redo();
            editor.undo();
        });
    }

    void marksFollowTheEngineAfterEveryKindOfLineChange()
    {
        QFETCH(std::function<void(QsciScintilla&)>, edit);
        editor->setText("G1 X1 F100\nG1 X2\nG1 X3\nG1 X4\nG1 X5\nG1 X6\nG1 X7\n");
        editor->setCursorPosition(3, 0);
        click("tbtnToggleBreakpoint");
        editor->setCursorPosition(5, 0);
        click("tbtnToggleBreakpoint");
        click("tbtnStep");
        click("tbtnStep");
        QCOMPARE(engine().currentLine(), 2);
        QCOMPARE(engine().breakpoints(), (std::vector<int>{4, 6}));

        edit(*editor);
        QTest::qWait(20);
        for (int line = 1; line <= editor->lines(); ++line) {
            const bool current = line == 2, breakpoint = line == 4 || line == 6;
            editor->setFirstVisibleLine(line - 1);
            QCOMPARE(pixelsOnLine(line, QColor(0, 0, 255)) > 0, current);
            QCOMPARE(pixelsOnLine(line, QColor(255, 0, 0)) > 0, breakpoint && !current);
            QCOMPARE(whiteTextOn(line), (current || breakpoint) && editor->lineLength(line - 1) > 1);
        }
    }

    // A keystroke shows in one painting of the window: painting it is what
    // costs most on a software-drawn desktop, and the gutter glyphs must not
    // ask for a painting of their own when nothing moved under them.
    void aKeystrokeIsPaintedOnce_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("column");
        QTest::newRow("a letter") << Qt::Key_A << 3;
        QTest::newRow("Return") << Qt::Key_Return << 3;
        QTest::newRow("BackSpace joining two lines") << Qt::Key_Backspace << 0;
    }

    void aKeystrokeIsPaintedOnce()
    {
        QFETCH(Qt::Key, key);
        QFETCH(int, column);
        QString program;
        for (int line = 1; line <= 30; ++line)
            program += QString("G1 X%1 F100\n").arg(line);
        editor->setText(program);
        editor->setCursorPosition(3, 0);
        click("tbtnToggleBreakpoint");
        // A blinking caret would paint in between.
        editor->SendScintilla(QsciScintilla::SCI_SETCARETPERIOD, 0UL);
        editor->setFocus();
        // Away from the last row in view, so that nothing scrolls.
        editor->setFirstVisibleLine(0);
        editor->setCursorPosition(2, column);
        QTest::qWait(100);
        PaintCounter paints(*window);
        QTest::keyPress(editor, key);
        QTest::qWait(100);
        QCOMPARE(paints.count, 1);
        QTest::keyRelease(editor, key);
    }

    void everyGutterRowShowsItsGlyph()
    {
        editor->setText("G1 X1 F100\nG1 X2\n");
        editor->setCursorPosition(1, 0);
        click("tbtnToggleBreakpoint");
        QTest::qWait(20);
        // Line 3 is the empty one after the last line end; 4 and 5 lie below
        // the text.
        const int glyphs[] = {0, 3, 0, 0, 0};
        for (int line = 1; line <= 5; ++line)
            QCOMPARE(glyphAt(line), glyphs[line - 1]);
        click("tbtnClearAllBreakpoints");
        editor->clear();
        QTest::qWait(20);
        QCOMPARE(glyphAt(1), 0);
        QCOMPARE(glyphAt(2), 0);
    }

    // Rows past the engine's last line (the empty one after the last line
    // end, and those below the text) hold no line a run could stop on: a
    // click there, in the line numbers or on the glyphs, sets nothing.
    void gutterClickBelowTheLastLineSetsNoBreakpoint()
    {
        editor->setText("G1 X1 F100\nG1 X2\n");
        const int glyphX = 2 + static_cast<int>(editor->SendScintilla(QsciScintilla::SCI_GETMARGINWIDTHN, 0UL)) +
                           static_cast<int>(editor->SendScintilla(QsciScintilla::SCI_GETMARGINWIDTHN, 1UL));
        const int rowHeight = static_cast<int>(editor->SendScintilla(QsciScintilla::SCI_TEXTHEIGHT, 0UL));
        for (int x : {4, glyphX})
            for (int rowsBelowLine2 : {1, 3}) {
                QTest::mouseClick(editor->viewport(), Qt::LeftButton, {},
                                  QPoint(x, lineY(2) + rowsBelowLine2 * rowHeight));
                QVERIFY2(engine().breakpoints().empty(), qPrintable(QString("x %1, %2 rows below line 2")
                                                                       .arg(x)
                                                                       .arg(rowsBelowLine2)));
            }
        QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, QPoint(4, lineY(2)));
        QCOMPARE(engine().breakpoints(), std::vector<int>{2});
    }

    void loadedProgramShowsTheGlyphsAndKeepsTheBreakpoints()
    {
        editor->setText("G1 X1 F100\nG1 X2\nG1 X3\n");
        editor->setCursorPosition(1, 0);
        click("tbtnToggleBreakpoint");
        const QString path = folder->filePath("part.nc");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("G1 X1 F100\nG1 X2\nG1 X3\nG1 X4\n");
        file.close();
        window->findChild<EditorPage*>()->document().loadFromCommandLine(path.toStdString());
        const int glyphs[] = {0, 3, 0, 0};
        for (int line = 1; line <= 4; ++line)
            QCOMPARE(glyphAt(line), glyphs[line - 1]);
    }

    void statusPanel3FollowsTheStateAndSmoothDrawStopsTheLiveRedraw()
    {
        QString program;
        for (int line = 1; line <= 30; ++line)
            program += QString("G1 X%1 F100\n").arg(line);
        editor->setText(program);
        child<QCheckBox>("cbDelay")->setChecked(true);
        child<QSlider>("tbDelay")->setValue(10);
        QString duringRun;
        bool liveRedrawBeforeSmoothDraw = false;
        bool liveRedrawWithSmoothDraw = true;
        // Served by the run's first yield.
        QTimer::singleShot(0, window.get(), [&] {
            duringRun = panel3();
            liveRedrawBeforeSmoothDraw = run->liveRedraw();
            child<QCheckBox>("cbCanSmoothDraw")->setChecked(true);
            liveRedrawWithSmoothDraw = run->liveRedraw();
        });
        click("tbtnPause");
        QCOMPARE(duringRun, QString(" Program is running"));
        QVERIFY(liveRedrawBeforeSmoothDraw);
        QVERIFY(!liveRedrawWithSmoothDraw);
        QCOMPARE(panel3(), QString(" Ready"));
        QCOMPARE(run->debugLine(), -1);
        QCOMPARE(glyphAt(30), 0);
        click("tbtnStep");
        QCOMPARE(panel3(), QString(" Program is paused"));
        QCOMPARE(glyphAt(1), 1);
    }

    // Behind a dialog nothing changes, and a path of millions of segments
    // drawn on every tick left the window answering once a second: the
    // live redraw draws only what changed.
    void liveRedrawDrawsTheViewOnlyWhenTheSceneChanged()
    {
        PathView* view = window->view();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        struct PaintCounter : QObject {
            int paints = 0;
            bool eventFilter(QObject*, QEvent* event) override
            {
                paints += event->type() == QEvent::Paint;
                return false;
            }
        } counter;
        view->installEventFilter(&counter);
        run->timer()->stop();
        run->setLiveRedraw(true);
        const auto paintsOverTicks = [&](int ticks) {
            counter.paints = 0;
            for (int tick = 0; tick < ticks; ++tick) {
                run->Timer11Timer();
                QCoreApplication::processEvents();
            }
            return counter.paints;
        };
        paintsOverTicks(1);
        QCOMPARE(paintsOverTicks(5), 0);
        window->context().FPathPoints->Add({1, 1, 1}, 1, 1, 1, 0, 100, false);
        QCOMPARE(paintsOverTicks(5), 1);
        view->sceneInput().camera.FRotZ += 10;
        QCOMPARE(paintsOverTicks(5), 1);
        window->ClearPath();
        QCOMPARE(paintsOverTicks(5), 1);
        run->setLiveRedraw(false);
    }

    void heldStepRepeatsOnEveryTickAfterTheFirstSecond()
    {
        QString program;
        for (int line = 1; line <= 15; ++line)
            program += QString("G1 X%1 F100\n").arg(line);
        editor->setText(program);
        run->timer()->stop();
        run->timer()->setInterval(50);
        auto* step = child<QToolButton>("tbtnStep");
        QTest::mousePress(step, Qt::LeftButton);
        for (int tick = 0; tick < 20; ++tick)
            run->Timer11Timer();
        QCOMPARE(engine().currentLine(), -1);
        for (int tick = 0; tick < 10; ++tick)
            run->Timer11Timer();
        QCOMPARE(engine().currentLine(), 10);
        QTest::mouseRelease(step, Qt::LeftButton);
        QCOMPARE(engine().currentLine(), 11);
        run->Timer11Timer();
        QCOMPARE(engine().currentLine(), 11);
    }

    void heldStepThatFailsEndsTheHold()
    {
        editor->setText("G1 X1 F100\nG1 X2\nG1 X1.2.3\nG1 X4\n");
        run->timer()->stop();
        run->timer()->setInterval(50);
        QTest::mousePress(child<QToolButton>("tbtnStep"), Qt::LeftButton);
        for (int tick = 0; tick < 22; ++tick)
            run->Timer11Timer();
        QCOMPARE(engine().currentLine(), 2);
        QVERIFY_THROWS_EXCEPTION(ConversionError, run->Timer11Timer());
        run->Timer11Timer();
        QCOMPARE(engine().currentLine(), 3);
        QCOMPARE(engine().state(), State::paused);
    }

    void runOfASmallProgramReachesItsEndDrawingThePath()
    {
        editor->setText("G0 X0 Y0 Z5\nG1 Z-1 F100\nG1 X10\nG1 Y10\n");
        click("tbtnPause");
        QCOMPARE(engine().state(), State::stopped);
        QCOMPARE(window->context().FPathPoints->Count(), 4);
        QCOMPARE(window->context().state.gY, 10.0);
        QVERIFY(!child<RunPanelWidget>("Panel2")->pauseButtonDown());
        QVERIFY(!run->liveRedraw());
        QCOMPARE(panel3(), QString(" Ready"));
        QCOMPARE(editor->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS),
                 editor->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, 3UL));
    }

    // The editor ends the run showing the last line run, wherever the
    // run's pumps had scrolled it before.
    void wholeRunEndsShowingTheLastLineRun()
    {
        QString program;
        for (int line = 1; line <= 400; ++line)
            program += QString("G1 X%1 F100\n").arg(line);
        editor->setText(program);
        editor->setFirstVisibleLine(100);
        click("tbtnPause");
        QCOMPARE(engine().state(), State::stopped);
        int caret = 0, column = 0;
        editor->getCursorPosition(&caret, &column);
        QCOMPARE(caret + 1, 400);
        const long first = editor->firstVisibleLine();
        const long rows = editor->SendScintilla(QsciScintilla::SCI_LINESONSCREEN);
        QVERIFY2(first <= 399 && 399 < first + rows, qPrintable(QString("rows %1 to %2 shown").arg(first + 1).arg(first + rows)));
    }

    // Closing presses Stop before it asks about the text: a paused run and
    // a run still going (closed from inside its pump) are both stopped,
    // the Run button up and the status "Ready", by the time of the question.
    void closingStopsARunBeforeTheSaveQuestion_data()
    {
        QTest::addColumn<bool>("paused");
        QTest::newRow("paused") << true;
        QTest::newRow("running") << false;
    }

    void closingStopsARunBeforeTheSaveQuestion()
    {
        QFETCH(bool, paused);
        QString program;
        for (int line = 1; line <= 50; ++line)
            program += QString("G1 X%1 F100\n").arg(line);
        editor->setText(program);
        QVERIFY(editor->isModified());
        QString atQuestion;
        auto* question = new QTimer(window.get());
        question->setInterval(10);
        connect(question, &QTimer::timeout, window.get(), [&, question] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            question->stop();
            atQuestion = QString("%1, button %2, %3")
                             .arg(engine().state() == State::stopped ? "stopped" : "not stopped")
                             .arg(child<RunPanelWidget>("Panel2")->pauseButtonDown() ? "down" : "up")
                             .arg(panel3());
            box->button(QMessageBox::No)->click();
        });
        question->start();
        if (paused) {
            editor->setCursorPosition(9, 0);
            click("tbtnToggleBreakpoint");
            click("tbtnPause");
            QCOMPARE(engine().state(), State::paused);
            window->close();
        } else {
            child<QCheckBox>("cbDelay")->setChecked(true);
            child<QSlider>("tbDelay")->setValue(10);
            QTimer::singleShot(0, window.get(), [this] { window->close(); });
            click("tbtnPause");
        }
        QCOMPARE(atQuestion, QString("stopped, button up,  Ready"));
        QCOMPARE(engine().state(), State::stopped);
    }

    // A fresh Run starts the totals and the position from zero; Run after a
    // pause goes on with what the lines before summed and where they left
    // the tool.
    void freshRunClearsTheTotalsAndThePositionAndAResumeKeepsThem()
    {
        // Incremental moves: each ends where the one before left the tool.
        editor->setText("G91 G1 X1 F100\nX1\nX1\nX1\n");
        editor->setCursorPosition(2, 0);
        click("tbtnToggleBreakpoint");
        TRunTotals& totals = window->context().totals;
        TInterpreterState& state = window->context().state;
        totals.FTime = totals.FLength = 1000;
        state.gX = 50;
        state.gY = 60;
        state.gZ = 70;
        click("tbtnPause");
        QCOMPARE(engine().state(), State::paused);
        // The breakpoint's line ran; 0.6 s for each millimetre after the first move.
        QCOMPARE(totals.FTime, 1.2);
        QCOMPARE(totals.FLength, 2.0);
        QCOMPARE(QList<double>({state.gX, state.gY, state.gZ}), QList<double>({3, 0, 0}));

        click("tbtnPause");
        QCOMPARE(engine().state(), State::stopped);
        QCOMPARE(totals.FTime, 1.8);
        QCOMPARE(totals.FLength, 3.0);
        QCOMPARE(state.gX, 4.0);
    }

    void conversionErrorMidRunIsReportedAndTheRunCanBeStoppedAndRunAgain()
    {
        editor->setText("G1 X1 F100\nG1 X2\nG1 X1.2.3\nG1 X4\n");
        QString boxText;
        testing::answerNextMessageBox(&boxText);
        click("tbtnPause");
        QTest::qWait(300);
        QVERIFY2(boxText.contains("1.2.3"), qPrintable(boxText));
        QCOMPARE(engine().state(), State::paused);
        QCOMPARE(engine().currentLine(), 3);
        QVERIFY(!run->liveRedraw());

        click("tbtnStop");
        QCOMPARE(engine().state(), State::stopped);
        editor->setText("G1 X1 F100\nG1 X2\nG1 X3\nG1 X4\n");
        click("tbtnPause");
        QCOMPARE(engine().state(), State::stopped);
        QCOMPARE(window->context().FPathPoints->Count(), 4);
        QCOMPARE(window->context().state.gX, 4.0);
    }
};

int main(int argc, char** argv)
{
    TarnixApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    RunWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "run_window_test.moc"
