// The program page and the user's files, through the real window, editor
// widget and document: every byte of a program that the user did not edit
// comes back on save, a typed character the file's code page cannot hold
// is named before anything is written, and one Enter in the file-name box
// gives one box.

#include "window/widgets/main_window.h"
#include "window/widgets/tarnix_application.h"
#include "support/app_paths_in.h"
#include "support/main_window_start.h"
#include "support/message_boxes.h"
#include "support/scratch_folder.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <Qsci/qsciscintilla.h>

#include <functional>
#include <memory>
#include <string>

using namespace tarnix;
using namespace std::string_literals;
using tarnix::testing::answerNext;
using tarnix::testing::answerNextMessageBox;
using tarnix::testing::readFile;
using tarnix::testing::writeFile;

namespace {

// NUL, the byte Windows-1251 leaves undefined and CR LF line ends.
const std::string kAwkwardProgram = "G0 X0 Y0\r\nG1 X1 Y1 F100\r\n\0\r\n(\x98 \xcf\xd0\xce\xc3)\r\nG1 X2 Y2\r\nM30\r\n"s;

// Answers the next save dialog with `fileName`, typed as a user would.
void answerSaveDialogWith(const QString& fileName)
{
    answerNext<QFileDialog>([fileName](QFileDialog* dialog) {
        dialog->setDirectory(QFileInfo(fileName).path());
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QFileInfo(fileName).fileName());
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
}

// Every message box that shows, answered with `answer`, its text kept.
class BoxCounter {
public:
    explicit BoxCounter(QMessageBox::StandardButton answer)
    {
        QObject::connect(&poll_, &QTimer::timeout, [this, answer] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible() && !box->property("counted").toBool()) {
                    box->setProperty("counted", true);
                    texts << box->text();
                    onShown ? onShown(box) : box->button(answer)->click();
                }
        });
        poll_.start(20);
    }

    QStringList texts;
    std::function<void(QMessageBox*)> onShown;

private:
    QTimer poll_;
};

}  // namespace

class ProgramPageFilesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder;
    AppPaths paths;

    std::string at(const char* name) const { return folder->filePath(name).toStdString(); }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        paths = testing::appPathsIn(folder->path() + "/");
    }

    void programOpenedWithTheEditSwitchKeepsEveryByteOutsideTheEditedLine()
    {
        writeFile(at("awkward.nc"), kAwkwardProgram);
        auto window = testing::startMainWindow(paths, {"-e", at("awkward.nc")});
        auto* editor = window->findChild<QsciScintilla*>("SynEdit");
        QCOMPARE(editor->lines(), 7);
        editor->setFocus();
        editor->setCursorPosition(4, 0);
        QTest::keyClicks(editor, "N5 ");
        // The edit switch loads without opening: the first save asks for a name.
        answerSaveDialogWith(QString::fromStdString(at("awkward.nc")));
        window->findChild<QAction*>("mnSaveMain")->trigger();
        std::string expected = kAwkwardProgram;
        expected.insert(expected.find("G1 X2"), "N5 ");
        QCOMPARE(readFile(at("awkward.nc")), expected);
    }

    // The gutter holds the last line's number whole, with room for at least
    // six digits: a program passing a million lines, by Return or by
    // loading, widens it, and shrinking back below narrows it again.
    void lineNumbersKeepEveryDigitOfTheLastLine()
    {
        std::string program;
        for (int line = 1; line < 999999; ++line)
            program += "G1\n";
        program += "M30";
        writeFile(at("long.nc"), program);
        auto window = testing::startMainWindow(paths, {"-e", at("long.nc")});
        auto* editor = window->findChild<QsciScintilla*>("SynEdit");
        QCOMPARE(editor->lines(), 999999);
        auto gutter = [editor] { return editor->marginWidth(0); };
        // Whether the last line's number keeps clear of the gutter's left
        // edge, where a gutter too narrow cuts the first digit.
        auto lastNumberWhole = [editor, &gutter] {
            editor->setFirstVisibleLine(editor->lines() - 1);
            const QImage shown = editor->viewport()->grab().toImage();
            const int top = static_cast<int>(editor->SendScintilla(
                QsciScintilla::SCI_POINTYFROMPOSITION, 0UL,
                editor->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, editor->lines() - 1)));
            const int height = static_cast<int>(editor->SendScintilla(QsciScintilla::SCI_TEXTHEIGHT, 0UL));
            const QColor back = shown.pixelColor(gutter() - 1, top);
            int ink = 0, edgeInk = 0;
            for (int x = 0; x < gutter(); ++x)
                for (int y = top; y < top + height; ++y)
                    (x == 0 ? edgeInk : ink) += shown.pixelColor(x, y) != back;
            return ink > 0 && edgeInk == 0;
        };
        QVERIFY(lastNumberWhole());
        const int sixDigits = gutter();

        editor->setFocus();
        editor->setCursorPosition(999998, 0);
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(editor->lines(), 1000000);
        QVERIFY(lastNumberWhole());
        const int sevenDigits = gutter();
        QVERIFY(sevenDigits > sixDigits);
        QTest::keyClick(editor, Qt::Key_Backspace);
        QCOMPARE(editor->lines(), 999999);
        QCOMPARE(gutter(), sixDigits);

        writeFile(at("longer.nc"), program + "\nG1\nG1");
        window->findChild<QLineEdit*>("edFileName")->setText(QString::fromStdString(at("longer.nc")));
        QString question;
        answerNextMessageBox(&question, QMessageBox::No);
        window->findChild<QAction*>("btnEditOpen")->trigger();
        QCOMPARE(editor->lines(), 1000001);
        QVERIFY(lastNumberWhole());

        // Switched off and on again from the Config page.
        auto* lineNumbers = window->findChild<QCheckBox*>("cbLineNum");
        lineNumbers->setChecked(true);
        lineNumbers->click();
        QCOMPARE(gutter(), 0);
        lineNumbers->click();
        QCOMPARE(gutter(), sevenDigits);
    }

    void binaryFileOpenedAndSavedUneditedComesBackWhole()
    {
        std::string binary;
        for (int i = 0; i < 2000; ++i)
            binary += static_cast<char>((i * 37 + i / 256) % 256);
        for (const std::string& bytes : {binary, "G1 X1\n\0\xd0\x9f\n"s}) {
            writeFile(at("data.bin"), bytes);
            auto window = testing::startMainWindow(paths);
            window->findChild<QLineEdit*>("edFileName")->setText(QString::fromStdString(at("data.bin")));
            window->findChild<QAction*>("btnEditOpen")->trigger();
            window->findChild<QAction*>("mnSaveMain")->trigger();
            QCOMPARE(readFile(at("data.bin")).size(), bytes.size());
            QVERIFY(readFile(at("data.bin")) == bytes);
        }
    }

    void typedCharacterTheCodePageCannotHoldIsNamedAndTheUserMayCancel()
    {
        const std::string bytes = "(\xcf\xd0\xce\xc3)\r\nG1 X1\r\n";
        writeFile(at("part.nc"), bytes);
        auto window = testing::startMainWindow(paths);
        window->findChild<QLineEdit*>("edFileName")->setText(QString::fromStdString(at("part.nc")));
        window->findChild<QAction*>("btnEditOpen")->trigger();
        auto* editor = window->findChild<QsciScintilla*>("SynEdit");
        editor->setFocus();
        editor->setCursorPosition(1, 5);
        QTest::keyClicks(editor, " (");
        QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString::fromUtf8("\u4e2d"), Qt::NoModifier);
        QTest::keyClicks(editor, ")");
        {
            BoxCounter boxes(QMessageBox::No);
            window->findChild<QAction*>("mnSaveMain")->trigger();
            QCOMPARE(boxes.texts.size(), 1);
            QVERIFY2(boxes.texts[0].startsWith("Line 2 "), qPrintable(boxes.texts[0]));
            QCOMPARE(readFile(at("part.nc")), bytes);
            QVERIFY(editor->isModified());
        }
        BoxCounter boxes(QMessageBox::Yes);
        window->findChild<QAction*>("mnSaveMain")->trigger();
        QCOMPARE(readFile(at("part.nc")), std::string("(\xcf\xd0\xce\xc3)\r\nG1 X1 (?)\r\n"));
        QVERIFY(!editor->isModified());
    }

    void enterInTheFileNameBoxGivesOneBoxPerEnter()
    {
        auto window = testing::startMainWindow(paths);
        auto* box = window->findChild<QLineEdit*>("edFileName");
        box->setText(QString::fromStdString(at("missing.nc")));
        box->setFocus();
        BoxCounter boxes(QMessageBox::Ok);
        // The box closes on the press of Enter; the release then reaches
        // the file-name box, which has the focus again.
        boxes.onShown = [box](QMessageBox* shown) {
            QTest::keyPress(shown, Qt::Key_Return);
            QTimer::singleShot(0, box, [box] { QTest::keyRelease(box, Qt::Key_Return); });
        };
        QTest::keyClick(box, Qt::Key_Return);
        QTest::qWait(500);
        QCOMPARE(boxes.texts.size(), 1);
    }
};

int main(int argc, char** argv)
{
    // Qt's own file dialog, which the test can answer, not the desktop's.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    TarnixApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    testing::installUnexpectedMessageBoxWatchdog();
    ProgramPageFilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "program_page_files_test.moc"
