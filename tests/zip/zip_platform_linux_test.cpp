// The zip reader's volume queries and disk prompts on this platform.

#include "support/message_boxes.h"
#include "zip/widgets/zip_disk_prompt_box.h"
#include "zip/widgets/zip_volumes_linux.h"

#include <QStorageInfo>
#include <QTemporaryDir>

using namespace tarnix;
using namespace tarnix::testing;

class ZipPlatformLinuxTest : public QObject {
    Q_OBJECT

private slots:
    void archiveAboutToBeCreatedLiesOnItsFoldersVolume()
    {
        QTemporaryDir folder;
        const LinuxZipVolumes volumes;
        const std::string missing = (folder.path() + "/not/yet/new.zip").toStdString();
        QVERIFY(volumes.volumeLabel(missing).has_value());
        QVERIFY(volumes.volumeLabel(missing)->size() <= 11);
        QVERIFY(!volumes.isRemovable(missing));
    }

    void volumeWhoseMountCannotBeFoundHasNoLabel()
    {
        // What a path outside every listed mount (a chroot) is given.
        const QStorageInfo unknown;
        QVERIFY(!unknown.isValid());
        QCOMPARE(volumeLabelOf(unknown), std::optional<std::string>(""));
    }

    void diskPromptIsAnsweredByItsButtons()
    {
        MessageBoxDiskPrompt prompt(nullptr);
        QString text;
        answerNextMessageBox(&text, QMessageBox::Ok);
        QVERIFY(prompt.confirm("Insert [ Disk 2 ] of the Zip file into the floppy drive\n"
                               "before pressing [ OK ] to continue ..."));
        QCOMPARE(text, QString("Insert [ Disk 2 ] of the Zip file into the floppy drive\n"
                               "before pressing [ OK ] to continue ..."));
        answerNextMessageBox(&text, QMessageBox::Cancel);
        QVERIFY(!prompt.confirm("This is [ Disk 1 ] of a multiple disk Zip file."));
    }
};

QTEST_MAIN(ZipPlatformLinuxTest)

#include "zip_platform_linux_test.moc"
