// The program page's editor as a user drives it: replace, bookmarks, go to
// line, keys through the keystroke table, the keystroke editor, printing,
// saving through the real dialogs.

#include "editor/widgets/editor_bookmarks.h"
#include "support/message_boxes.h"
#include "editor/widgets/editor_page.h"
#include "editor/key_ini_file.h"
#include "editor/widgets/search_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
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
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <Qsci/qsciprinter.h>
#include <Qsci/qsciscintilla.h>

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

    template <typename T = QAction>
    T* named(const char* name) { return window->findChild<T*>(name); }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(folder->path());
        beeps = programPageShown = 0;
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
            {0x4B, 4, 0x44, 0, static_cast<std::uint16_t>(QsciScintillaBase::SCI_LINEDELETE)},  // Ctrl+K, D
            {0x51, 0, 0, 0, static_cast<std::uint16_t>(QsciScintillaBase::SCI_ADDTEXT)},        // takes arguments
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

    void keystrokeEditorWritesTheTableOnOkOnly()
    {
        const std::size_t defaults = page->keystrokes().size();
        QVERIFY(defaults > 50);
        answerNext<QDialog>([](QDialog* dialog) { dialog->reject(); });
        page->btnEditClick();
        QVERIFY(!QFile::exists("key.ini"));

        answerNext<QDialog>([](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("Pellam Keystroke Editor"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        page->btnEditClick();
        QCOMPARE(QFileInfo("key.ini").size(), qint64(4 + 8 * defaults));
        const TSynEditKeyStrokes written = page->keystrokes();
        page->keystrokes().clear();
        page->readKeystrokes();
        QVERIFY(page->keystrokes() == written);
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
