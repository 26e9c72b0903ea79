// The Explorer page with the real unzip library: an entry click extracts
// the archive, and the entry is then quick-viewed and drawn from the
// extraction folder.

#include "explorer_list_clicks.h"
#include "explorer/widgets/explorer.h"
#include "explorer/widgets/explorer_file_list.h"
#include "window/widgets/main_window.h"
#include "window/widgets/tarnix_application.h"
#include "support/main_window_start.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QTemporaryDir>

#include <zip.h>

#include <deque>
#include <memory>
#include <utility>
#include <vector>

using namespace tarnix;
using namespace tarnix::testing;

namespace {

const QByteArray kTwoMoves = "%\n(HEAD)\n(PART TWO)\nG0 X1 Z5\nG1 Z-1 F100\n";
const QByteArray kFourMoves = "%\nG0 X0 Y0 Z5\nG1 Z-1 F100\nG1 X20\nG1 Y20\n";

void writeZip(const QString& path, const std::vector<std::pair<std::string, QByteArray>>& entries)
{
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    QVERIFY(archive != nullptr);
    std::deque<QByteArray> data;  // libzip reads the data at close
    for (const auto& [name, bytes] : entries) {
        const QByteArray& kept = data.emplace_back(bytes);
        zip_source_t* source = zip_source_buffer(archive, kept.constData(), static_cast<zip_uint64_t>(kept.size()), 0);
        QVERIFY(zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_RAW) >= 0);
    }
    QCOMPARE(zip_close(archive), 0);
}

}  // namespace

class ExplorerArchiveTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> home;
    QString programs;  // ending in "/"
    QString tempFolder;
    AppPaths paths;
    std::unique_ptr<MainWindow> window;
    ExplorerFileList* list = nullptr;

    void start()
    {
        writeFile(QString::fromStdString(paths.settingsFile),
                  "[Options]\nStart_dir=" + programs.toUtf8() + "\nextentions=*.nc;*.zip\n");
        window = testing::startMainWindow(paths);
        list = window->findChild<ExplorerFileList*>("lvFiles");
    }

    QStringList logLines() const
    {
        return window->findChild<QPlainTextEdit*>("Scroll")->toPlainText().split('\n');
    }
    QString fileNameBox() const { return window->findChild<QLineEdit*>("edFileName")->text(); }
    int pathPoints() const { return window->context().FPathPoints->Count(); }
    int rowOf(const QString& caption) const { return captions(*list).indexOf(caption); }

    // Below the last row of the list there is no item to click.
    void clickBelowTheRows()
    {
        const QRect last = list->visualItemRect(list->topLevelItem(list->topLevelItemCount() - 1));
        QVERIFY(last.bottom() + 20 < list->viewport()->height());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(last.center().x(), last.bottom() + 20));
    }

private slots:
    void init()
    {
        home = std::make_unique<QTemporaryDir>();
        const QString root = home->path() + "/";
        paths.executableFolder = root.toStdString();
        paths.executablePath = (root + "tarnix").toStdString();
        paths.settingsFile = (root + "CNCconfig.ini").toStdString();
        paths.formStorageFile = (root + "tarnix.ini").toStdString();
        tempFolder = root + "tempcnc/";
        paths.tempFolder = tempFolder.toStdString();
        // The program loads the unzip library from beside its executable.
        QVERIFY(QFile::copy(TARNIX_UNZDLL_FOLDER "/libunzfdll.so", root + "libunzfdll.so"));
        programs = root + "programs/";
        QDir().mkpath(programs + "other");
        writeFile(programs + "other/x.nc", kFourMoves);
    }

    void cleanup()
    {
        window.reset();
        QDir::setCurrent(QDir::tempPath());  // extraction left the process in the extraction folder
    }

    void entryWithBackslashedFoldersIsExtractedQuickViewedAndDrawn()
    {
        writeZip(programs + "set.zip", {{"dir\\part.nc", kTwoMoves}, {"top.nc", kFourMoves}});
        start();
        clickRow(*list, rowOf("set.zip"));
        QCOMPARE(captions(*list), QStringList({"dir\\part.nc", "top.nc"}));

        clickRow(*list, 0);  // extracts
        QCOMPARE(fileNameBox(), tempFolder + "dir/part.nc");
        clickRow(*list, 1);
        clickRow(*list, 0);
        QCOMPARE(logLines().first(), "File name: " + tempFolder + "dir/part.nc");
        QVERIFY(logLines().contains("(PART TWO)"));

        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(pathPoints(), 2);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centreOf(*list, rowOf("top.nc")));
        QCOMPARE(pathPoints(), 4);
    }

    void theFirstLookIntoAnArchiveShowsTheEntryNotTheFolderFileOfItsName()
    {
        const QByteArray inFolder = "%\n(FOLDER COPY)\nG0 X1 Z5\n";
        const QByteArray inArchive = "%\n(ARCHIVE COPY)\nG0 X1 Z5\n";
        writeFile(programs + "same.nc", inFolder);
        writeZip(programs + "a1.zip", {{"same.nc", inArchive}});
        writeZip(programs + "a2.zip", {{"first.nc", kTwoMoves}, {"same.nc", inArchive}});
        start();

        // By a click, and by the keys.
        clickRow(*list, rowOf("a1.zip"));
        clickRow(*list, 0);
        QCOMPARE(logLines().first(), "File name: " + tempFolder + "same.nc");
        QVERIFY(logLines().contains("(ARCHIVE COPY)"));
        QCOMPARE(fileNameBox(), tempFolder + "same.nc");

        window->findChild<QToolButton*>("SpeedButton2")->click();
        clickRow(*list, rowOf("a2.zip"));
        list->setCurrentItem(list->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(logLines().first(), "File name: " + tempFolder + "same.nc");
        QVERIFY(logLines().contains("(ARCHIVE COPY)"));
        QFile folderFile(programs + "same.nc");
        QVERIFY(folderFile.open(QIODevice::ReadOnly));
        QCOMPARE(folderFile.readAll(), inFolder);
    }

    void folderChosenWhileTheArchiveIsExtractedIsNotTakenForTheArchive()
    {
        writeZip(programs + "set.zip", {{"x.nc", kTwoMoves}});
        start();
        clickRow(*list, rowOf("set.zip"));
        // The extraction lets window events in: the user picks another folder.
        QTimer::singleShot(0, window.get(), [this] { window->explorer()->browseTo((programs + "other").toStdString()); });
        clickRow(*list, 0);
        QCOMPARE(captions(*list), QStringList({"x.nc"}));

        clickRow(*list, 0);
        QCOMPARE(logLines().first(), "File name: " + programs + "other/x.nc");
        QCOMPARE(fileNameBox(), programs + "other/x.nc");
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(pathPoints(), 4);
    }


    void aClickWhereThereIsNoItemChangesNoFileAndNoList()
    {
        writeZip(programs + "basic.zip", {{"part.nc", kTwoMoves}});
        writeFile(programs + "other/y.nc", kTwoMoves);
        start();
        clickRow(*list, rowOf("basic.zip"));
        window->findChild<QToolButton*>("SpeedButton2")->click();
        window->explorer()->browseTo((programs + "other").toStdString());
        clickBelowTheRows();
        QVERIFY(!QFile::exists(programs + "other/basic.zip"));
        QCOMPARE(captions(*list), QStringList({"x.nc", "y.nc"}));

        // Inside an open archive, before its first extraction.
        window->explorer()->browseTo(programs.toStdString());
        clickRow(*list, rowOf("basic.zip"));
        clickBelowTheRows();
        QVERIFY(!QFile::exists(tempFolder + "basic.zip"));
        QCOMPARE(captions(*list), QStringList({"part.nc"}));
        QVERIFY(window->explorer()->zipOpen());
    }

    void entriesOfOneNameInTwoFoldersShowAndDrawTheEntryClicked()
    {
        writeZip(programs + "dup.zip", {{"a/x.nc", "%\n(HEAD)\n(A VERSION)\n" + kTwoMoves.mid(2)},
                                        {"b/x.nc", "%\n(HEAD)\n(B VERSION)\n" + kFourMoves.mid(2)}});
        start();
        clickRow(*list, rowOf("dup.zip"));
        clickRow(*list, rowOf("b/x.nc"));
        QVERIFY(logLines().contains("(B VERSION)"));
        clickRow(*list, rowOf("a/x.nc"));
        QVERIFY(logLines().contains("(A VERSION)"));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centreOf(*list, rowOf("b/x.nc")));
        QCOMPARE(pathPoints(), 4);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centreOf(*list, rowOf("a/x.nc")));
        QCOMPARE(pathPoints(), 2);
        // The program page's Refresh draws the file its name box names.
        clickRow(*list, rowOf("b/x.nc"));
        window->findChild<QAction*>("btnBuild")->trigger();
        QCOMPARE(pathPoints(), 4);
    }

    void aClickOnAnEntryThatIsNeverExtractedSaysWhy()
    {
        writeZip(programs + "odd.zip", {{"../up.nc", kTwoMoves}, {"/abs.nc", kTwoMoves}, {"link.nc", "x.nc"}});
        int error = 0;
        zip_t* archive = zip_open(QFile::encodeName(programs + "odd.zip").constData(), 0, &error);
        QCOMPARE(zip_file_set_external_attributes(archive, 2, 0, ZIP_OPSYS_UNIX, 0120777u << 16), 0);
        QCOMPARE(zip_close(archive), 0);
        start();
        clickRow(*list, rowOf("odd.zip"));
        const struct {
            const char* entry;
            const char* reason;
        } cases[] = {
            {"../up.nc", "\"../up.nc\" is not extracted: its name leads outside the extraction folder."},
            {"/abs.nc", "\"/abs.nc\" is not extracted: its name leads outside the extraction folder."},
            {"link.nc", "\"link.nc\" is not extracted: it is a link, and links are never extracted."},
        };
        for (const auto& c : cases) {
            clickRow(*list, rowOf(c.entry));
            QVERIFY2(logLines().contains(c.reason), qPrintable(logLines().join("|")));
        }
    }

    void aClickOnAnArchiveShowsNoProgramHeader()
    {
        writeZip(programs + "set.zip", {{"part.nc", kTwoMoves}});
        start();
        clickRow(*list, rowOf("set.zip"));
        QCOMPARE(logLines(), QStringList({"File name: " + programs + "set.zip"}));
    }
};

int runExplorerArchiveTests(int argc, char** argv)
{
    ExplorerArchiveTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "explorer_archive_test.moc"
