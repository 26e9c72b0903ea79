#include "window/widgets/desktop_file_opener.h"

#include <QProcess>

namespace tarnix {

void openFileOnDesktop(const QString& file, QObject* owner, std::function<void()> notOpened)
{
    auto* opener = new QProcess(owner);
    // An opener that cannot be started only tells so; one that started
    // always finishes, also after a crash, and its finish gives the verdict:
    // the user hears of a failure once.
    QObject::connect(opener, &QProcess::errorOccurred, opener, [opener, notOpened](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        notOpened();
        opener->deleteLater();
    });
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, notOpened](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0)
                             notOpened();
                         opener->deleteLater();
                     });
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->start("xdg-open", {file});
}

}  // namespace tarnix
