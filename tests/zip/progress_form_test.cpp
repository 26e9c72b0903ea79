// The extraction's progress dialog and boxes as widgets: the dialog's layout
// and Cancel button, the boxes' buttons, and Cancel pressed while the unzip
// library runs.

#include "zip/widgets/progress_form.h"
#include "zip/widgets/qt_zip_extraction_window.h"
#include "zip/zip_archive.h"
#include "zip/zip_extractor.h"

#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <zip.h>

#include <filesystem>

using namespace tarnix;

namespace {

struct FixedDisk : ZipVolumes, ZipDiskPrompt {
    bool isRemovable(const std::string&) const override { return false; }
    std::optional<std::string> volumeLabel(const std::string&) const override { return "DATA"; }
    bool confirm(const std::string&) override { return false; }
};

TProgressForm* shownProgressForm()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<TProgressForm*>(widget); form && form->isVisible())
            return form;
    return nullptr;
}

// Answers the next modal box once the event loop reaches it.
template <class Box, class Answer>
void whenBoxOpens(Answer answer)
{
    QTimer::singleShot(0, [answer] {
        auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
        QVERIFY(box);
        answer(*box);
    });
}

}  // namespace

class ProgressFormTest : public QObject {
    Q_OBJECT

private:
    FixedDisk disk;
    TsZip zip{disk, disk};
    QtZipExtractionWindow window{nullptr};
    ZipExtractor owner{zip, window, TARNIX_UNZDLL_FOLDER};

private slots:
    void isLaidOutCentredOverTheMainWindow()
    {
        QWidget main;
        main.setGeometry(100, 100, 800, 600);
        TProgressForm form(owner, &main);

        QCOMPARE(form.size(), QSize(300, 100));
        QCOMPARE(form.pos(), QPoint(350, 350));
        QCOMPARE(form.windowTitle(), QApplication::applicationDisplayName());
        QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
        auto* label = form.findChild<QLabel*>("Label");
        QCOMPARE(label->text(), QStringLiteral("wait ..."));
        QCOMPARE(label->geometry().topLeft(), QPoint(10, 15));
        QCOMPARE(label->width(), 280);
        QCOMPARE(form.findChild<QProgressBar*>("ProgressBar")->geometry().topLeft(), QPoint(10, 35));
        auto* button = form.findChild<QPushButton*>("Button");
        QCOMPARE(button->text(), QStringLiteral("&Cancel"));
        QCOMPARE(button->geometry().topLeft(), QPoint(112, 60));
        QVERIFY(button->isDefault());
    }

    void followsTheExtraction()
    {
        TProgressForm form(owner, nullptr);
        auto* bar = form.findChild<QProgressBar*>("ProgressBar");

        form.SetMax(1000);
        form.SetPosition(400);
        QCOMPARE(bar->value(), 400);
        form.SetPosition(1500);  // beyond the total: a full bar
        QCOMPARE(bar->value(), 1000);
        form.SetFileText("sub/part.nc");
        QCOMPARE(form.findChild<QLabel*>("Label")->text(), QStringLiteral("sub/part.nc"));
    }

    void cancelCancelsTheOwnerAndHides()
    {
        owner.Cancelled = false;
        TProgressForm form(owner, nullptr);
        form.show();

        QTest::mouseClick(form.findChild<QPushButton*>("Button"), Qt::LeftButton);

        QVERIFY(owner.Cancelled);
        QVERIFY(!form.isVisible());
    }

    void cancelWhileTheLibraryRunsStopsIt()
    {
        QTemporaryDir folder;
        const std::string archive = folder.filePath("big.zip").toStdString();
        const std::string big(1 << 20, 'G');
        int error = 0;
        zip_t* writer = zip_open(archive.c_str(), ZIP_CREATE, &error);
        for (const char* name : {"first.nc", "second.nc"})
            zip_file_add(writer, name, zip_source_buffer(writer, big.data(), big.size(), 0), 0);
        QCOMPARE(zip_close(writer), 0);
        zip.SetZipFileName(archive);
        owner.ExtrBaseDir = folder.path().toStdString();
        int progressCalls = 0;
        owner.OnZEDProgressEvent = [&](ZipExtractor&, const std::string&, int, int) {
            if (++progressCalls > 1)
                return;
            // The click arrives while the callback lets the window work.
            QTimer::singleShot(0, [] {
                if (TProgressForm* form = shownProgressForm())
                    QTest::mouseClick(form->findChild<QPushButton*>("Button"), Qt::LeftButton);
            });
        };

        owner.Extract();

        QVERIFY(owner.Cancelled);
        QCOMPARE(progressCalls, 1);
        QVERIFY(!std::filesystem::exists(folder.filePath("first.nc").toStdString()));
        QVERIFY(!shownProgressForm());
        owner.OnZEDProgressEvent = nullptr;
    }

    void damagedDataIsAskedWithNoAsDefault()
    {
        whenBoxOpens<QMessageBox>([](QMessageBox& box) {
            QCOMPARE(box.icon(), QMessageBox::Question);
            QCOMPARE(box.defaultButton(), box.button(QMessageBox::No));
            box.button(QMessageBox::Cancel)->click();
        });
        QCOMPARE(window.AskDamaged("bad.nc"), ZipDamagedAnswer::Cancel);

        whenBoxOpens<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
        QCOMPARE(window.AskDamaged("bad.nc"), ZipDamagedAnswer::Yes);
    }

    // Escape and the close box pass over the entry the question names; only
    // Cancel stops the extraction.
    void everyDamagedEntryIsAskedAboutWhateverClosedTheLastQuestion()
    {
        QTemporaryDir folder;
        const std::string archive = folder.filePath("bad.zip").toStdString();
        int error = 0;
        zip_t* writer = zip_open(archive.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
        static const char data[] = "(DAMAGE ME)";
        for (const char* name : {"one.nc", "two.nc", "three.nc"}) {
            const zip_int64_t index = zip_file_add(writer, name, zip_source_buffer(writer, data, sizeof data - 1, 0), 0);
            zip_set_file_compression(writer, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
        }
        QCOMPARE(zip_close(writer), 0);
        QFile file(QString::fromStdString(archive));
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QByteArray damaged = file.readAll().replace("(DAMAGE ME)", "(DAMAGED!!)");
        file.seek(0);
        file.write(damaged);
        file.close();
        zip.SetZipFileName(archive);
        owner.ExtrBaseDir = folder.path().toStdString();

        QStringList asked;
        QTimer answerer;
        connect(&answerer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible())
                return;
            asked << box->text().section('"', 1, 1);
            if (asked.size() == 1)
                QTest::keyClick(box, Qt::Key_Escape);
            else if (asked.size() == 2)
                box->close();
            else
                box->button(QMessageBox::No)->click();
        });
        answerer.start(10);
        owner.Extract();
        answerer.stop();

        QCOMPARE(asked, QStringList({"one.nc", "two.nc", "three.nc"}));
        QVERIFY(!owner.Cancelled);
    }

    void thePasswordBoxShowsWhatIsTyped()
    {
        whenBoxOpens<QInputDialog>([](QInputDialog& box) {
            QCOMPARE(box.labelText(), QStringLiteral("A new password is required for \"x.nc\""));
            QCOMPARE(box.textEchoMode(), QLineEdit::Normal);
            box.setTextValue("pw");
            box.accept();
        });
        QCOMPARE(window.AskPassword("A new password is required for \"x.nc\""), std::string("pw"));

        whenBoxOpens<QInputDialog>([](QInputDialog& box) {
            box.setTextValue("typed, then cancelled");
            box.reject();
        });
        QCOMPARE(window.AskPassword("?"), std::string());
    }
};

QTEST_MAIN(ProgressFormTest)
#include "progress_form_test.moc"
