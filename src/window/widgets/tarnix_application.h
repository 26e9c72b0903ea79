#pragma once
// The application object. Its event dispatch is the application-wide error
// handler: an exception that an event handler lets through is shown as one
// message box and the event loop goes on.

#include "window/error_report.h"

#include <QApplication>

#include <functional>

namespace tarnix {

class TarnixApplication : public QApplication {
    Q_OBJECT

public:
    TarnixApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // `AppException`: shows the report's box and, for conversion errors,
    // refills the log pane through `logPane`.
    void AppException(const ErrorReport& report);

    // The log pane's side: clear, then append one line.
    std::function<void()> clearLog;
    std::function<void(const std::string&)> appendLog;
};

}  // namespace tarnix
