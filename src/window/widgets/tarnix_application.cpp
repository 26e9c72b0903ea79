#include "window/widgets/tarnix_application.h"

#include <QMessageBox>

namespace tarnix {

TarnixApplication::TarnixApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName("Tarnix");
    setApplicationDisplayName("Tarnix");
}

bool TarnixApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        AppException(reportFor(error));
    } catch (...) {
        AppException(reportForUnknown());
    }
    return false;
}

void TarnixApplication::AppException(const ErrorReport& report)
{
    if (report.clearsLog && clearLog)
        clearLog();
    QMessageBox box(QMessageBox::NoIcon, applicationDisplayName(),
                    QString::fromStdString(report.boxText), QMessageBox::Ok, activeWindow());
    box.setObjectName("AppExceptionBox");
    // Above the splash window, which stays on top during start-up.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
    if (appendLog)
        for (const std::string& line : report.logLines)
            appendLog(line);
}

}  // namespace tarnix
