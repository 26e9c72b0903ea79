#include "window/widgets/desktop_file_opener.h"

#include <QProcess>

#include <memory>
#include <utility>

namespace tarnix {

void openFileOnDesktop(const QString& file, QObject* owner, std::function<void()> notOpened)
{
    auto* opener = new QProcess(owner);
    // Either signal may come, or both (a crash is an error and a finish):
    // the user hears of it once.
    auto report = std::make_shared<std::function<void()>>(std::move(notOpened));
    auto fail = [opener, report] {
        if (*report)
            std::exchange(*report, nullptr)();
        opener->deleteLater();
    };
    QObject::connect(opener, &QProcess::errorOccurred, opener, [fail](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart || error == QProcess::Crashed)
            fail();
    });
    QObject::connect(opener, &QProcess::finished, opener, [opener, fail](int exitCode, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || exitCode != 0)
            fail();
        else
            opener->deleteLater();
    });
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->start("xdg-open", {file});
}

}  // namespace tarnix
