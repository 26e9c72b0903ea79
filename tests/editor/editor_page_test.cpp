// The program page's editor as a user drives it: replace, bookmarks, go to
// line, keys through the keystroke table, the keystroke editor, printing,
// saving through the real dialogs.

#include "editor/editor_commands.h"
#include "editor/widgets/editor_bookmarks.h"
#include "editor/widgets/virtual_keys.h"
#include "support/message_boxes.h"
#include "editor/widgets/editor_page.h"
#include "editor/widgets/program_lexer.h"
#include "editor/key_ini_file.h"
#include "editor/widgets/search_dialog.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <Qsci/qsciprinter.h>
#include <Qsci/qsciscintilla.h>

#include <functional>
#include <map>
#include <set>
#include <memory>

using namespace tarnix;
using tarnix::testing::answerNext;
using tarnix::testing::answerNextMessageBox;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

// The PDF's text as poppler's pdftotext reads it (scripts/install-deps
// installs poppler-utils).
QString pdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", path, "-"});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return "pdftotext failed: " + pdftotext.errorString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

int pdfPages(const QString& path)
{
    const QByteArray pdf = readAll(path);
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1))
        pages += pdf.mid(at + 11, 1) != "s";
    return pages;
}

QString numberedLines(int count)
{
    QString text;
    for (int i = 1; i <= count; ++i)
        text += QString("N%1 G1 X%1\n").arg(i);
    return text;
}

}  // namespace

class EditorPageTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> window;
    QsciScintilla* SynEdit = nullptr;
    QLineEdit* edFileName = nullptr;
    EditorPage* page = nullptr;
    std::unique_ptr<QTemporaryDir> folder;
    int beeps = 0;
    int programPageShown = 0;
    int contextHelps = 0;

    template <typename T = QAction>
    T* named(const char* name) { return window->findChild<T*>(name); }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(folder->path());
        beeps = programPageShown = contextHelps = 0;
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        edFileName = new QLineEdit(window.get());
        SynEdit = new QsciScintilla(window.get());
        layout->addWidget(edFileName);
        layout->addWidget(SynEdit);
        EditorPageHooks hooks;
        hooks.document.currentFolder = [this] { return folder->path().toStdString() + "/"; };
        hooks.document.maskFilter = [] { return std::string("All files|*.*|*.nc|*.nc|*.tap|*.tap"); };
        hooks.document.requestRepaint = [] {};
        hooks.showProgramPage = [this] { ++programPageShown; };
        hooks.beep = [this] { ++beeps; };
        hooks.contextHelp = [this] { ++contextHelps; };
        page = new EditorPage(*SynEdit, *edFileName, std::move(hooks), window.get());
        layout->insertWidget(0, page->ControlBar2());
        layout->addWidget(page->configBox());
        window->resize(600, 400);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        SynEdit->setFocus();
    }

    void cleanup() { window.reset(); }

    void replaceAllReplacesEveryOccurrenceAndBeepsOnce()
    {
        SynEdit->setText("G1 X1\ng1 X2\nG1 X3\nG1 X4\n");
        page->mnReplaceClick();
        auto* dialog = named<SearchDialog>("ReplaceDialog1");
        dialog->findChild<QLineEdit*>("FindText")->setText("G1");
        dialog->findChild<QLineEdit*>("ReplaceText")->setText("G01");
        dialog->findChild<QCheckBox*>("MatchCase")->setChecked(true);
        dialog->findChild<QPushButton*>("ReplaceAll")->click();
        QCOMPARE(SynEdit->text(), QString("G01 X1\ng1 X2\nG01 X3\nG01 X4\n"));
        QCOMPARE(beeps, 1);

        SynEdit->setCursorPosition(0, 0);
        dialog->findChild<QCheckBox*>("MatchCase")->setChecked(false);
        dialog->findChild<QLineEdit*>("ReplaceText")->setText("G1");
        dialog->findChild<QPushButton*>("Replace")->click();  // the next match only
        QCOMPARE(SynEdit->text(), QString("G01 X1\nG1 X2\nG01 X3\nG01 X4\n"));
        dialog->findChild<QLineEdit*>("FindText")->setText("nowhere");
        dialog->findChild<QPushButton*>("Replace")->click();
        QCOMPARE(beeps, 2);
    }

    // A single Replace with "Match case" passes over a match of another
    // case; one with nothing of the same case left replaces nothing and beeps.
    void singleReplaceHonoursMatchCase()
    {
        SynEdit->setText("g1 X1\nG1 X2\n");
        SynEdit->setCursorPosition(0, 0);
        page->mnReplaceClick();
        auto* dialog = named<SearchDialog>("ReplaceDialog1");
        dialog->findChild<QLineEdit*>("FindText")->setText("G1");
        dialog->findChild<QLineEdit*>("ReplaceText")->setText("G01");
        dialog->findChild<QCheckBox*>("MatchCase")->setChecked(true);
        dialog->findChild<QPushButton*>("Replace")->click();
        QCOMPARE(SynEdit->text(), QString("g1 X1\nG01 X2\n"));
        SynEdit->setCursorPosition(0, 0);
        dialog->findChild<QLineEdit*>("FindText")->setText("x1");
        dialog->findChild<QPushButton*>("Replace")->click();
        QCOMPARE(SynEdit->text(), QString("g1 X1\nG01 X2\n"));
        QCOMPARE(beeps, 1);
    }

    // Replace All goes from the caret to the end in one undo step, leaves
    // the bookmarks on their lines and ends with the last replacement selected.
    void replaceAllIsOneUndoStepFromTheCaret()
    {
        const QString before = "G1 Z-0.15\nG1 Z-0.15 X1\nZ-0.15Z-0.15\nG0 Z5\n";
        SynEdit->setText(before);
        SynEdit->setCursorPosition(3, 0);
        page->bookmarks().SetBookmark(2);
        SynEdit->setCursorPosition(1, 0);
        page->mnReplaceClick();
        auto* dialog = named<SearchDialog>("ReplaceDialog1");
        dialog->findChild<QLineEdit*>("FindText")->setText("Z-0.15");
        dialog->findChild<QLineEdit*>("ReplaceText")->setText("Z-0.250");
        QSignalSpy changed(SynEdit, &QsciScintilla::textChanged);
        dialog->findChild<QPushButton*>("ReplaceAll")->click();
        QCOMPARE(SynEdit->text(), QString("G1 Z-0.15\nG1 Z-0.250 X1\nZ-0.250Z-0.250\nG0 Z5\n"));
        QCOMPARE(beeps, 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(SynEdit->selectedText(), QString("Z-0.250"));
        int line = 0, index = 0;
        SynEdit->getCursorPosition(&line, &index);
        QCOMPARE(std::pair(line, index), std::pair(2, 14));
        QCOMPARE(SynEdit->markersAtLine(3) != 0, true);
        SynEdit->insert(" ");  // the widget tells of edits again
        QCOMPARE(changed.count(), 2);
        SynEdit->undo();
        SynEdit->undo();
        QCOMPARE(SynEdit->text(), before);

        // A replacement that holds the find text is not searched again.
        SynEdit->setText("a b a\n");
        SynEdit->setCursorPosition(0, 0);
        dialog->findChild<QLineEdit*>("FindText")->setText("a");
        dialog->findChild<QLineEdit*>("ReplaceText")->setText("aa");
        dialog->findChild<QCheckBox*>("WholeWord")->setChecked(true);
        dialog->findChild<QPushButton*>("ReplaceAll")->click();
        QCOMPARE(SynEdit->text(), QString("aa b aa\n"));
        QCOMPARE(beeps, 2);
    }

    // Undoing or redoing a Replace All, by the tool bar or by the keys, is
    // one step that reaches the widget's listeners once: a notice for every
    // piece froze the window for minutes on a big program.
    void undoAndRedoOfAReplaceAllAreOneQuietStep()
    {
        const QString before = "G1 Z-0.15\nG1 Z-0.15 X1\nG0 Z5\n";
        const QString after = "G1 Z-0.25\nG1 Z-0.25 X1\nG0 Z5\n";
        auto* undoButton = named<QAction>("btnEditUndo");
        auto* redoButton = named<QAction>("btnEditRedo");
        struct Way {
            const char* name;
            std::function<void()> undo, redo;
        };
        const Way ways[] = {
            {"tool bar", [&] { undoButton->trigger(); }, [&] { redoButton->trigger(); }},
            {"keys", [&] { QTest::keyClick(SynEdit, Qt::Key_Z, Qt::ControlModifier); },
             [&] { QTest::keyClick(SynEdit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }},
        };
        for (const Way& way : ways) {
            SynEdit->setText(before);
            SynEdit->setCursorPosition(0, 0);
            page->mnReplaceClick();
            auto* dialog = named<SearchDialog>("ReplaceDialog1");
            dialog->findChild<QLineEdit*>("FindText")->setText("Z-0.15");
            dialog->findChild<QLineEdit*>("ReplaceText")->setText("Z-0.25");
            dialog->findChild<QPushButton*>("ReplaceAll")->click();
            dialog->hide();
            QSignalSpy changed(SynEdit, &QsciScintilla::textChanged);
            int pieces = 0;
            auto counter = connect(SynEdit, &QsciScintillaBase::SCN_MODIFIED, this,
                                   [&pieces](int, int type) {
                                       if (type & (QsciScintillaBase::SC_MOD_INSERTTEXT |
                                                   QsciScintillaBase::SC_MOD_DELETETEXT))
                                           ++pieces;
                                   });
            way.undo();
            QVERIFY2(SynEdit->text() == before, way.name);
            way.redo();
            QVERIFY2(SynEdit->text() == after, way.name);
            disconnect(counter);
            QVERIFY2(changed.count() == 2, way.name);
            QVERIFY2(pieces == 0, way.name);
        }
    }

    // The highlighter's keywords, whole words in any letter case, and
    // comments in their own style; every other word is plain.
    void highlighterMarksTheKeywordsAndComments()
    {
        SynEdit->setText("N10 G1 X1.5 G01 g17 M30 T3 T4 G540 (G1 M3) H1\n(open G0\nG1X5 M6;G0\n");
        SynEdit->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0, -1);
        struct Case {
            int line;
            const char* word;
            int occurrence;
            int style;
        } cases[] = {
            {0, "N10", 0, ProgramLexer::Default},  {0, "G1", 0, ProgramLexer::Keyword},
            {0, "X1", 0, ProgramLexer::Default},   {0, "G01", 0, ProgramLexer::Default},
            {0, "g17", 0, ProgramLexer::Keyword},  {0, "M30", 0, ProgramLexer::Keyword},
            {0, "T3", 0, ProgramLexer::Keyword},   {0, "T4", 0, ProgramLexer::Default},
            {0, "G540", 0, ProgramLexer::Default}, {0, "G1", 1, ProgramLexer::Comment},
            {0, "M3)", 0, ProgramLexer::Comment},  {0, "H1", 0, ProgramLexer::Keyword},
            {1, "G0", 0, ProgramLexer::Comment},   {2, "G1X5", 0, ProgramLexer::Default},
            {2, "M6", 0, ProgramLexer::Keyword},   {2, "G0", 0, ProgramLexer::Keyword},
        };
        for (const Case& c : cases) {
            const QString text = SynEdit->text(c.line);
            int at = -1;
            for (int n = 0; n <= c.occurrence; ++n)
                at = text.indexOf(c.word, at + 1);
            QVERIFY(at >= 0);
            const long position = SynEdit->positionFromLineIndex(c.line, at);
            for (int i = 0; i < static_cast<int>(qstrlen(c.word)); ++i)
                QVERIFY2(SynEdit->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, position + i) == c.style,
                         c.word);
        }
    }

    // "High Lighter" off takes the colours away and leaves the letters as
    // they were: the same font, the same size, lines as high as before.
    void highlighterOffKeepsTheFont()
    {
        SynEdit->setText("G1 X1 (cut)\n");
        auto fontNow = [this] {
            auto fontOf = [this](unsigned long style) {
                QByteArray family(64, '\0');
                SynEdit->SendScintilla(QsciScintillaBase::SCI_STYLEGETFONT, style, family.data());
                return QString::fromLatin1(family.constData()) + " " +
                       QString::number(SynEdit->SendScintilla(QsciScintillaBase::SCI_STYLEGETSIZEFRACTIONAL, style));
            };
            return QString("text %1, line numbers %2 / %3 px high, %4 px wide")
                .arg(fontOf(QsciScintillaBase::STYLE_DEFAULT))
                .arg(fontOf(QsciScintillaBase::STYLE_LINENUMBER))
                .arg(SynEdit->SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0UL))
                .arg(SynEdit->SendScintilla(QsciScintillaBase::SCI_TEXTWIDTH, 0UL, "G1 X1"));
        };
        const QString highlighted = fontNow();
        auto* box = named<QCheckBox>("cbHighLighter");
        QVERIFY(box->isChecked());
        box->click();
        QCOMPARE(SynEdit->lexer(), nullptr);
        QCOMPARE(fontNow(), highlighted);
        box->click();
        QVERIFY(SynEdit->lexer() != nullptr);
        QCOMPARE(fontNow(), highlighted);
    }

    // The program's monospaced font with Cyrillic letters, or the system's
    // fixed font where it is missing.
    void editorFontIsMonospacedWithCyrillic()
    {
        const QFont font = SynEdit->lexer()->defaultFont();
        const QString wanted = QFontDatabase::hasFamily("Liberation Mono")
                                   ? QString("Liberation Mono")
                                   : QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
        QCOMPARE(QFontInfo(font).family(), wanted);
        QVERIFY(QFontInfo(font).fixedPitch());
        QVERIFY(QFontMetrics(font).inFont(QChar(0x0416)));  // Cyrillic Zhe
    }

    // Typing after Ctrl+F goes into the search text, never into the program,
    // also when the dialog was left open behind the main window.
    void searchDialogsTakeTheKeyboard()
    {
        for (int round = 0; round < 2; ++round) {
            for (auto [show, name] : {std::pair{&EditorPage::mnSearchClick, "FindDialog1"},
                                      std::pair{&EditorPage::mnReplaceClick, "ReplaceDialog1"}}) {
                window->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(window.get()));
                (page->*show)();
                auto* findText = named<SearchDialog>(name)->findChild<QLineEdit*>("FindText");
                QTRY_COMPARE(QApplication::focusWidget(), findText);
            }
        }
    }

    void findSearchesBothWaysAndBeepsWhenNothingIsFound()
    {
        SynEdit->setText("G0 X0\nG1 X1\nG0 X2\n");
        SynEdit->setCursorPosition(2, 5);
        page->mnSearchClick();
        auto* dialog = named<SearchDialog>("FindDialog1");
        dialog->findChild<QLineEdit*>("FindText")->setText("x");
        dialog->findChild<QRadioButton*>("Up")->setChecked(true);
        dialog->findChild<QPushButton*>("FindNext")->click();
        dialog->findChild<QPushButton*>("FindNext")->click();
        int line = 0, index = 0, lineTo = 0, indexTo = 0;
        SynEdit->getSelection(&line, &index, &lineTo, &indexTo);
        QCOMPARE(line, 1);
        QCOMPARE(beeps, 0);
        dialog->findChild<QCheckBox*>("WholeWord")->setChecked(true);
        dialog->findChild<QPushButton*>("FindNext")->click();
        QCOMPARE(beeps, 1);
    }

    void bookmarkItemsFollowTheGutterMenu()
    {
        SynEdit->setText(numberedLines(10));
        SynEdit->setCursorPosition(4, 2);
        auto* set3 = page->bookmarks().pmnBookMark()->findChild<QAction*>("SetBookmark3");
        auto* goto3 = page->bookmarks().pmnBookMark()->findChild<QAction*>("GotoBookmark3");
        set3->trigger();
        QVERIFY(set3->isChecked() && goto3->isChecked());
        QVERIFY(page->bookmarks().hasBookmark(3));

        SynEdit->setCursorPosition(9, 0);
        goto3->trigger();
        int line = 0, index = 0;
        SynEdit->getCursorPosition(&line, &index);
        QCOMPARE(line, 4);
        QCOMPARE(index, 2);
        QVERIFY(goto3->isChecked());

        set3->trigger();
        QVERIFY(!set3->isChecked() && !goto3->isChecked());
        QVERIFY(!page->bookmarks().hasBookmark(3));
    }

    // The check marks follow only the "Set BookMark" clicks; an item without
    // its mark goes nowhere, even to a bookmark the editor has.
    void gotoBookmarkWithoutItsCheckMarkDoesNothing()
    {
        SynEdit->setText(numberedLines(10));
        SynEdit->setCursorPosition(4, 2);
        page->bookmarks().SetBookmark(5);  // as the editor's own keys set it
        auto* goto5 = page->bookmarks().pmnBookMark()->findChild<QAction*>("GotoBookmark5");
        QVERIFY(!goto5->isChecked());
        SynEdit->setCursorPosition(9, 0);
        goto5->trigger();
        int line = 0, index = 0;
        SynEdit->getCursorPosition(&line, &index);
        QCOMPARE(line, 9);
        QVERIFY(!goto5->isChecked());
    }

    // Plain substrings in any letter case, forwards from the caret; the
    // match is selected and nothing found leaves the caret.
    void blockSearchesFindG1AndG0InAnyCase()
    {
        SynEdit->setText("g0 x0\nN2 G17\ng1 x1\nG0 X2\n");
        auto* begin = page->pmnEditRight()->findChild<QAction*>("GotoBlockBeginingG11");
        auto* end = page->pmnEditRight()->findChild<QAction*>("GotoBlockendG01");
        // Line, column and length of the selection.
        auto selectionAfter = [this](QAction* action) {
            action->trigger();
            int lineFrom = 0, indexFrom = 0, lineTo = 0, indexTo = 0;
            SynEdit->getSelection(&lineFrom, &indexFrom, &lineTo, &indexTo);
            return QList<int>({lineFrom, indexFrom, indexTo - indexFrom});
        };
        SynEdit->setCursorPosition(0, 0);
        QCOMPARE(selectionAfter(end), QList<int>({0, 0, 2}));
        QCOMPARE(selectionAfter(begin), QList<int>({1, 3, 2}));
        QCOMPARE(selectionAfter(begin), QList<int>({2, 0, 2}));
        QCOMPARE(selectionAfter(end), QList<int>({3, 0, 2}));
        QCOMPARE(selectionAfter(begin), QList<int>({3, 0, 2}));  // no G1 after the caret
    }

    void goToLineKeepsTheCaretAndStopsAtTheLastFullWindow()
    {
        SynEdit->setText(numberedLines(200));
        SynEdit->setCursorPosition(5, 0);
        const int onScreen = static_cast<int>(SynEdit->SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN));
        struct Case {
            const char* typed;
            int topLine;
        } cases[] = {{"1000", 201 - onScreen}, {"50", 49}, {"fifty", 49}, {"", 49}};
        for (const Case& c : cases) {
            answerNext<QInputDialog>([c](QInputDialog* dialog) {
                QCOMPARE(dialog->windowTitle(), QString("Go to line number"));
                QCOMPARE(dialog->labelText(), QString("Type line number:"));
                dialog->setTextValue(c.typed);
                dialog->accept();
            });
            page->GotoLine1Click();
            QCOMPARE(SynEdit->firstVisibleLine(), c.topLine);
        }
        int line = 0, index = 0;
        SynEdit->getCursorPosition(&line, &index);
        QCOMPARE(line, 5);
    }

    void keysGoThroughTheTableAndThePopUpComesFirst()
    {
        SynEdit->setText("first\nsecond\n");
        SynEdit->setCursorPosition(0, 0);
        page->keystrokes() = {
            {0x4B, 4, 0x44, 0, ecDeleteLine},  // Ctrl+K, D
            {0x51, 0, 0, 0, 2001},             // no command of the editor
        };
        QTest::keyClick(SynEdit, Qt::Key_K, Qt::ControlModifier);
        QTest::keyClick(SynEdit, Qt::Key_D);
        QCOMPARE(SynEdit->text(), QString("second\n"));
        QTest::keyClick(SynEdit, Qt::Key_Q);
        QTest::keyClick(SynEdit, Qt::Key_Z);  // not in the table: typed
        QCOMPARE(SynEdit->text(), QString("zsecond\n"));
        QTest::keyClick(SynEdit, Qt::Key_Right);  // no binding left at all
        QTest::keyClick(SynEdit, Qt::Key_Y);
        QCOMPARE(SynEdit->text(), QString("zysecond\n"));

        int newFiles = 0;
        auto* mainMenuNew = new QAction(window.get());
        mainMenuNew->setShortcut(QKeySequence("Ctrl+N"));
        window->addAction(mainMenuNew);
        connect(mainMenuNew, &QAction::triggered, [&newFiles] { ++newFiles; });
        QTest::keyClick(SynEdit, Qt::Key_N, Qt::ControlModifier);  // the pop-up's feed search
        QCOMPARE(newFiles, 0);
        edFileName->setFocus();
        QTest::keyClick(edFileName, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(newFiles, 1);
    }

    // Every record of the table the editor starts with, pressed as a user
    // would, does what its command says. Keys that the pop-up menu owns while
    // the editor has the focus (Ctrl+C, Ctrl+V, Ctrl+N) are left out; their
    // commands are reached by their other keys, or rebound here.
    void everyDefaultKeystrokeRunsItsCommand()
    {
        struct Case {
            std::function<void()> setup;
            std::function<void()> check;
        };
        const QString text = "one two\nthree four\nfive six\n";
        auto caretIs = [this](int line, int index) {
            int l = 0, i = 0;
            SynEdit->getCursorPosition(&l, &i);
            QCOMPARE(std::pair(l, i), std::pair(line, index));
        };
        auto selected = [this](const QString& expected) { QCOMPARE(SynEdit->selectedText(), expected); };
        auto textIs = [this](const QString& expected) { QCOMPARE(SynEdit->text(), expected); };
        auto sci = [this](int message) { return SynEdit->SendScintilla(static_cast<unsigned int>(message)); };
        // Long programs, shown from line 50 with the caret on line 60.
        auto longText = [this] {
            SynEdit->setText(numberedLines(200));
            SynEdit->setCursorPosition(60, 0);
            SynEdit->setFirstVisibleLine(50);
        };
        const int onScreen = [&] {
            longText();
            return static_cast<int>(sci(QsciScintillaBase::SCI_LINESONSCREEN));
        }();
        auto shiftDown = [this] { QTest::keyClick(SynEdit, Qt::Key_Down, Qt::ShiftModifier); };
        auto nothing = [] {};

        std::map<std::uint16_t, Case> cases = {
            {ecUp, {nothing, [&] { caretIs(0, 2); }}},
            {ecSelUp, {nothing, [&] { selected("e two\nth"); }}},
            {ecScrollUp, {longText, [&] { QCOMPARE(SynEdit->firstVisibleLine(), 49); caretIs(60, 0); }}},
            {ecDown, {nothing, [&] { caretIs(2, 2); }}},
            {ecSelDown, {nothing, [&] { selected("ree four\nfi"); }}},
            {ecScrollDown, {longText, [&] { QCOMPARE(SynEdit->firstVisibleLine(), 51); caretIs(60, 0); }}},
            {ecLeft, {nothing, [&] { caretIs(1, 1); }}},
            {ecSelLeft, {nothing, [&] { selected("h"); }}},
            {ecWordLeft, {nothing, [&] { caretIs(1, 0); }}},
            {ecSelWordLeft, {nothing, [&] { selected("th"); }}},
            {ecRight, {nothing, [&] { caretIs(1, 3); }}},
            {ecSelRight, {nothing, [&] { selected("r"); }}},
            {ecWordRight, {nothing, [&] { caretIs(1, 6); }}},
            {ecSelWordRight, {nothing, [&] { selected("ree "); }}},
            {ecPageDown, {longText, [&] { QVERIFY(SynEdit->firstVisibleLine() > 50); caretIs(60 + onScreen - 1, 0); }}},
            {ecSelPageDown, {longText, [&] { QCOMPARE(SynEdit->selectedText().count('\n'), onScreen - 1); }}},
            {ecPageBottom, {longText, [&] { caretIs(50 + onScreen - 1, 0); QCOMPARE(SynEdit->firstVisibleLine(), 50); }}},
            {ecSelPageBottom, {longText, [&] { QCOMPARE(SynEdit->selectedText().count('\n'), 50 + onScreen - 1 - 60); }}},
            {ecPageUp, {longText, [&] { QVERIFY(SynEdit->firstVisibleLine() < 50); caretIs(60 - onScreen + 1, 0); }}},
            {ecSelPageUp, {longText, [&] { QCOMPARE(SynEdit->selectedText().count('\n'), onScreen - 1); }}},
            {ecPageTop, {longText, [&] { caretIs(50, 0); QCOMPARE(SynEdit->firstVisibleLine(), 50); }}},
            {ecSelPageTop, {longText, [&] { QVERIFY(SynEdit->selectedText().startsWith("N51 ")); }}},
            {ecLineStart, {nothing, [&] { caretIs(1, 0); }}},
            {ecSelLineStart, {nothing, [&] { selected("th"); }}},
            {ecLineEnd, {nothing, [&] { caretIs(1, 10); }}},
            {ecSelLineEnd, {nothing, [&] { selected("ree four"); }}},
            {ecEditorTop, {nothing, [&] { caretIs(0, 0); }}},
            {ecSelEditorTop, {nothing, [&] { selected("one two\nth"); }}},
            {ecEditorBottom, {nothing, [&] { caretIs(3, 0); }}},
            {ecSelEditorBottom, {nothing, [&] { selected("ree four\nfive six\n"); }}},
            {ecToggleMode, {nothing, [&] {
                 QVERIFY(SynEdit->overwriteMode());
                 SynEdit->setOverwriteMode(false);
             }}},
            {ecCopy, {[&] { SynEdit->setSelection(0, 4, 0, 7); },
                      [&] { QCOMPARE(QApplication::clipboard()->text(), QString("two")); textIs(text); }}},
            {ecCut, {[&] { SynEdit->setSelection(0, 4, 0, 7); }, [&] {
                         QCOMPARE(QApplication::clipboard()->text(), QString("two"));
                         textIs("one \nthree four\nfive six\n");
                     }}},
            {ecPaste, {[&] { QApplication::clipboard()->setText("X"); },
                       [&] { textIs("one two\nthXree four\nfive six\n"); }}},
            {ecDeleteChar, {nothing, [&] { textIs("one two\nthee four\nfive six\n"); }}},
            {ecDeleteLastChar, {nothing, [&] { textIs("one two\ntree four\nfive six\n"); }}},
            {ecDeleteLastWord, {nothing, [&] { textIs("one two\nree four\nfive six\n"); }}},
            {ecDeleteWord, {nothing, [&] { textIs("one two\nthfour\nfive six\n"); }}},
            {ecDeleteEOL, {nothing, [&] { textIs("one two\nth\nfive six\n"); }}},
            {ecDeleteLine, {nothing, [&] { textIs("one two\nfive six\n"); }}},
            {ecUndo, {[&] { SynEdit->insert("X"); }, [&] { textIs(text); }}},
            {ecRedo, {[&] {
                          SynEdit->insert("X");
                          SynEdit->undo();
                      },
                      [&] { textIs("one two\nthXree four\nfive six\n"); }}},
            {ecLineBreak, {nothing, [&] { textIs("one two\nth\nree four\nfive six\n"); caretIs(2, 0); }}},
            {ecInsertLine, {nothing, [&] { textIs("one two\nth\nree four\nfive six\n"); caretIs(1, 2); }}},
            {ecTab, {[&] { SynEdit->setCursorPosition(1, 0); }, [&] { textIs("one two\n\tthree four\nfive six\n"); }}},
            {ecShiftTab, {[&] { SynEdit->setText("one two\n\tthree four\n"); SynEdit->setCursorPosition(1, 1); },
                          [&] { textIs("one two\nthree four\n"); }}},
            {ecContextHelp, {[&] { contextHelps = 0; }, [&] { QCOMPARE(contextHelps, 1); }}},
            {ecSelectAll, {nothing, [&] { selected(text); }}},
            {ecBlockIndent, {[&] { SynEdit->setSelection(0, 1, 1, 1); },
                             [&] { textIs("  one two\n  three four\nfive six\n"); }}},
            {ecBlockUnindent, {[&] {
                                   SynEdit->setText(" one\n\t\ttwo\n   three\nfour\n");
                                   SynEdit->setSelection(0, 0, 3, 0);
                               },
                               [&] { textIs("one\ntwo\n three\nfour\n"); }}},
            {ecNormalSelect, {[&] { QTest::keyClick(SynEdit, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier); },
                              [&] {
                                  shiftDown();
                                  QVERIFY(!sci(QsciScintillaBase::SCI_SELECTIONISRECTANGLE));
                                  selected("ree four\nfi");
                              }}},
            {ecColumnSelect, {nothing, [&] {
                                  shiftDown();
                                  QTest::keyClick(SynEdit, Qt::Key_Right, Qt::ShiftModifier);
                                  QVERIFY(sci(QsciScintillaBase::SCI_SELECTIONISRECTANGLE));
                                  QTest::keyClick(SynEdit, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
                              }}},
            {ecLineSelect, {nothing, [&] {
                                shiftDown();
                                selected("three four\nfive six");
                                QTest::keyClick(SynEdit, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
                            }}},
            {ecMatchBracket, {[&] {
                                  SynEdit->setText("G1 (cut) X1\n");
                                  SynEdit->setCursorPosition(0, 3);
                              },
                              [&] {
                                  caretIs(0, 7);
                                  QTest::keyClick(SynEdit, Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
                                  caretIs(0, 3);
                              }}},
        };
        for (int mark = 0; mark < kBookmarkCount; ++mark) {
            cases[ecSetMarker0 + mark] = {nothing, [&, mark] {
                                              QVERIFY(page->bookmarks().hasBookmark(mark));
                                              page->bookmarks().ClearBookmark(mark);
                                          }};
            cases[ecGotoMarker0 + mark] = {[&, mark] {
                                               SynEdit->setCursorPosition(2, 3);
                                               page->bookmarks().SetBookmark(mark);
                                               SynEdit->setCursorPosition(0, 0);
                                           },
                                           [&, mark] {
                                               caretIs(2, 3);
                                               page->bookmarks().ClearBookmark(mark);
                                           }};
        }

        std::set<std::uint16_t> pressed;
        const TSynEditKeyStrokes table = page->keystrokes();
        auto run = [&](const TSynEditKeyStroke& record) {
            const Case& c = cases.at(record.Command);
            SynEdit->setText(text);
            SynEdit->setCursorPosition(1, 2);
            c.setup();
            // Up and Down keep the caret's column as the user last chose it.
            SynEdit->SendScintilla(QsciScintillaBase::SCI_CHOOSECARETX);
            const std::optional<Qt::Key> key = qtKeyFor(record.Key);
            QVERIFY(key);
            QTest::keyClick(SynEdit, *key, modifiersFor(record.Shift));
            c.check();
            pressed.insert(record.Command);
        };
        for (const TSynEditKeyStroke& record : table) {
            QVERIFY2(cases.count(record.Command), qPrintable(editorCommandName(record.Command).c_str()));
            const QKeySequence keys(QKeyCombination(modifiersFor(record.Shift), *qtKeyFor(record.Key)));
            bool popUpOwns = false;
            for (QAction* action : page->pmnEditRight()->actions())
                popUpOwns |= action->shortcut() == keys;
            if (popUpOwns)
                continue;
            run(record);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QString::fromStdString(editorCommandName(record.Command)) + " on " + keys.toString()));
        }
        for (const TSynEditKeyStroke& record : table)
            if (!pressed.count(record.Command)) {
                page->keystrokes() = {{0x7B, 0, 0, 0, record.Command}};  // on F12 alone
                run({0x7B, 0, 0, 0, record.Command});
                page->keystrokes() = table;
                if (QTest::currentTestFailed())
                    QFAIL(qPrintable(QString::fromStdString(editorCommandName(record.Command)) + " on F12"));
            }
        QCOMPARE(pressed.size(), cases.size());
    }

    // The editor's own bookmark keys: on the bookmark's line they clear it,
    // elsewhere they move it; the gutter menu's check marks follow.
    void bookmarkKeysToggleAndTheGutterMenuFollows()
    {
        SynEdit->setText(numberedLines(10));
        auto* set3 = page->bookmarks().pmnBookMark()->findChild<QAction*>("SetBookmark3");
        auto* goto3 = page->bookmarks().pmnBookMark()->findChild<QAction*>("GotoBookmark3");
        const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        SynEdit->setCursorPosition(4, 2);
        QTest::keyClick(SynEdit, Qt::Key_3, ctrlShift);
        QVERIFY(set3->isChecked() && goto3->isChecked());
        SynEdit->setCursorPosition(7, 1);
        QTest::keyClick(SynEdit, Qt::Key_3, ctrlShift);  // moves it here
        SynEdit->setCursorPosition(0, 0);
        goto3->trigger();
        int line = 0, index = 0;
        SynEdit->getCursorPosition(&line, &index);
        QCOMPARE(std::pair(line, index), std::pair(7, 1));
        QTest::keyClick(SynEdit, Qt::Key_3, ctrlShift);  // same line: clears it
        QVERIFY(!page->bookmarks().hasBookmark(3));
        QVERIFY(!set3->isChecked() && !goto3->isChecked());

        // Bookmark 9 has keys and no menu items.
        QTest::keyClick(SynEdit, Qt::Key_9, ctrlShift);
        QVERIFY(page->bookmarks().hasBookmark(9));
        QVERIFY(!page->bookmarks().pmnBookMark()->findChild<QAction*>("SetBookmark9"));
    }

    // A keyboard reports Ctrl+Shift+3 as Ctrl+Shift+"#": the key's place on
    // the keyboard makes it the digit.
    void shiftedDigitKeysAreKnownByTheirPlace()
    {
        SynEdit->setText(numberedLines(10));
        SynEdit->setCursorPosition(5, 0);
        const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_NumberSign, ctrlShift, 12, 0x23, 0, "#");
        QApplication::sendEvent(SynEdit, &press);
        QVERIFY(page->bookmarks().hasBookmark(3));
        QKeyEvent bracket(QEvent::KeyPress, Qt::Key_ParenRight, ctrlShift, 19, 0x29, 0, ")");
        QApplication::sendEvent(SynEdit, &bracket);
        QVERIFY(page->bookmarks().hasBookmark(0));
        QCOMPARE(SynEdit->text(), numberedLines(10));
    }

    // The table lives beside the settings, whatever folder a file dialog or
    // an extraction made current since the start.
    void keystrokeEditorWritesTheTableOnOkOnlyIntoItsOwnPlace()
    {
        QTemporaryDir settings;
        const QString keyFile = settings.filePath("key.ini");
        page->readKeystrokes(keyFile.toStdString(), folder->filePath("key.ini").toStdString());
        QTemporaryDir elsewhere;
        QDir::setCurrent(elsewhere.path());
        const std::size_t defaults = page->keystrokes().size();
        QVERIFY(defaults > 50);
        answerNext<QDialog>([](QDialog* dialog) { dialog->reject(); });
        page->btnEditClick();
        QVERIFY(!QFile::exists(keyFile));

        answerNext<QDialog>([](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("Pellam Keystroke Editor"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        page->btnEditClick();
        QCOMPARE(QFileInfo(keyFile).size(), qint64(4 + 8 * defaults));
        QVERIFY(!QFile::exists("key.ini"));
        QVERIFY(!QFile::exists(folder->filePath("key.ini")));
        const TSynEditKeyStrokes written = page->keystrokes();
        page->keystrokes().clear();
        page->readKeystrokes(keyFile.toStdString(), folder->filePath("key.ini").toStdString());
        QVERIFY(page->keystrokes() == written);
        QDir::setCurrent(folder->path());
    }

    void printsTheSelectionOnlyWhenThereIsOne()
    {
        SynEdit->setText(numberedLines(300));
        const QString pdf = folder->filePath("print.pdf");
        auto print = [&] {
            QsciPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            page->printOn(printer);
        };
        SynEdit->setSelection(10, 0, 13, 0);
        print();
        QCOMPARE(pdfPages(pdf), 1);
        SynEdit->selectAll(false);
        print();
        QVERIFY(pdfPages(pdf) >= 4);
    }

    // The gutter's line numbers are the screen's, not the program's: the
    // whole text and a selection both print the text alone.
    void printsNeitherWayTheGutterLineNumbers()
    {
        SynEdit->setText(numberedLines(30));
        named<QCheckBox>("cbLineNum")->click();
        QVERIFY(named<QCheckBox>("cbLineNum")->isChecked());
        const QString pdf = folder->filePath("print.pdf");
        for (bool selected : {false, true}) {
            SynEdit->setSelection(10, 0, 13, 0);
            if (!selected)
                SynEdit->selectAll(false);
            QsciPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            page->printOn(printer);
            const QStringList lines = pdfText(pdf).split('\n', Qt::SkipEmptyParts);
            QCOMPARE(lines.first().trimmed(), selected ? QString("N11 G1 X11") : QString("N1 G1 X1"));
            for (const QString& line : lines)
                QVERIFY2(line.trimmed().isEmpty() || line.trimmed().startsWith('N'), qPrintable(line));
        }
        QVERIFY(SynEdit->marginWidth(0) > 0);
    }

    // With no printer, Print offers a PDF file through the print dialog,
    // proposed beside the program; the dialog starts from the editor's
    // selection and the user may still choose the whole text.
    void printingWithoutAPrinterWritesAPdf_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QString>("choice");  // the dialog's range button the user clicks, if any
        QTest::addColumn<QStringList>("printed");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<bool>("onePage");
        const QStringList whole{"N1 G1 X1", "N150 G1 X150", "N300 G1 X300"};
        QTest::newRow("selection") << true << QString() << QStringList{"N11 G1 X11", "N13 G1 X13"}
                                   << QStringList{"N10 G1 X10", "N14 G1 X14"} << true;
        QTest::newRow("whole text") << false << QString() << whole << QStringList{} << false;
        QTest::newRow("whole text chosen over the selection")
            << true << QString("printAll") << whole << QStringList{} << false;
    }

    void printingWithoutAPrinterWritesAPdf()
    {
        QFETCH(bool, selected);
        QFETCH(QString, choice);
        QFETCH(QStringList, printed);
        QFETCH(QStringList, left);
        QFETCH(bool, onePage);
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("this machine has a printer");
        SynEdit->setText(numberedLines(300));
        if (selected)
            SynEdit->setSelection(10, 0, 13, 0);
        edFileName->setText(folder->filePath("part.nc"));
        QString proposed;
        bool selectionOffered = false;
        answerNext<QPrintDialog>([&](QPrintDialog* dialog) {
            proposed = dialog->printer()->outputFileName();
            auto* selection = dialog->findChild<QRadioButton*>("printSelection");
            selectionOffered = selection && selection->isEnabled() && selection->isChecked();
            if (auto* button = dialog->findChild<QRadioButton*>(choice); button && !choice.isEmpty())
                button->setChecked(true);
            dialog->accept();
        });
        named("btnEditPrint")->trigger();
        QCOMPARE(proposed, folder->filePath("part.pdf"));
        QCOMPARE(selectionOffered, selected);
        const QString text = pdfText(folder->filePath("part.pdf"));
        for (const QString& line : printed)
            QVERIFY2(text.contains(line), qPrintable(line));
        for (const QString& line : left)
            QVERIFY2(!text.contains(line), qPrintable(line));
        // The page count depends on the fonts; the whole text takes several.
        QCOMPARE(pdfPages(folder->filePath("part.pdf")) == 1, onePage);
    }

    void printingWithoutAPrinterWritesNothingWhenCancelled()
    {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("this machine has a printer");
        SynEdit->setText(numberedLines(3));
        edFileName->setText(folder->filePath("part.nc"));
        answerNext<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); });
        named("btnEditPrint")->trigger();
        QVERIFY(QDir(folder->path()).entryList(QDir::Files).isEmpty());
    }

    // Neither a printer nor a file that can be written: the message.
    void printingWithoutAPrinterOrAWritableFileSaysSo()
    {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("this machine has a printer");
        SynEdit->setText(numberedLines(3));
        edFileName->setText(folder->filePath("missing/part.nc"));
        answerNext<QPrintDialog>([](QPrintDialog* dialog) { dialog->accept(); });
        QString text;
        answerNextMessageBox(&text);
        named("btnEditPrint")->trigger();
        QCOMPARE(text, QString("No printer is installed: the program cannot be printed."));
    }

    void windows1251ProgramRoundTripsThroughTheEditor()
    {
        const QString path = folder->filePath("part.nc");
        const QByteArray bytes("(\xcf\xd0\xce\xc3\xd0\xc0\xcc\xcc\xc0)\r\nG1 X1\r\n");
        writeAll(path, bytes);
        edFileName->setText(path);
        named("btnEditOpen")->trigger();
        QCOMPARE(SynEdit->text(0), QString::fromUtf8("(ПРОГРАММА)\r\n"));
        QVERIFY(!SynEdit->isModified());
        SynEdit->setCursorPosition(2, 0);
        QTest::keyClicks(SynEdit, "M");
        QTest::keyClick(SynEdit, Qt::Key_3);
        QTest::keyClick(SynEdit, Qt::Key_0);
        QTest::keyClick(SynEdit, Qt::Key_Return);
        named("btnEditSave")->trigger();
        QCOMPARE(readAll(path), bytes + "M30\r\n");
    }

    void saveAsThroughTheDialogTakesTheChosenFiltersExtension()
    {
        SynEdit->setText("G0 X0\n");
        answerNext<QFileDialog>([this](QFileDialog* dialog) {
            dialog->selectNameFilter("*.nc (*.nc)");
            dialog->setDirectory(folder->path());
            // Typed, as a user would: the dialog's own selection follows its
            // folder listing, which may not have arrived yet.
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText("part");
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        page->SaveAs();
        QCOMPARE(readAll(folder->filePath("part.nc")), QByteArray("G0 X0\n"));
        QCOMPARE(edFileName->text(), folder->filePath("part.nc"));
    }

    // The editor's text accessible counts the characters up to the caret
    // after every repaint that moved it, a cost that grows with the
    // program: it comes only while a screen reader listens, and then reads
    // the text and the caret as they are.
    void theEditorReadsItsTextOnlyToAListeningScreenReader()
    {
        SynEdit->setText("G0 X0\nG1 Y5\n");
        QAccessibleInterface* unheard = QAccessible::queryAccessibleInterface(SynEdit);
        QVERIFY(unheard != nullptr);
        QCOMPARE(unheard->role(), QAccessible::EditableText);
        QVERIFY(unheard->textInterface() == nullptr);

        QAccessible::setActive(true);
        QAccessibleTextInterface* heard = QAccessible::queryAccessibleInterface(SynEdit)->textInterface();
        QVERIFY(heard != nullptr);
        QCOMPARE(heard->text(0, heard->characterCount()), SynEdit->text());
        SynEdit->setCursorPosition(1, 3);
        QTRY_COMPARE(heard->cursorPosition(), 9);

        QAccessible::setActive(false);
        QVERIFY(QAccessible::queryAccessibleInterface(SynEdit)->textInterface() == nullptr);
    }

    void openFromTheMenuEmptiesTheBoxAndShowsTheProgramPage()
    {
        edFileName->setText(folder->filePath("elsewhere.nc"));
        answerNext<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
        page->mnOpenClick();
        QCOMPARE(edFileName->text(), QString());
        QCOMPARE(programPageShown, 1);
    }
};

QTEST_MAIN(EditorPageTest)
#include "editor_page_test.moc"
