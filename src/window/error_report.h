#pragma once
// What the application's error handler shows for an exception that no
// caller caught: one message box per exception, and for conversion errors a
// few lines in the Explorer page's log pane.

#include <exception>
#include <string>
#include <vector>

namespace tarnix {

struct ErrorReport {
    std::string boxText;
    // Conversion errors: the log pane is cleared before the box is shown
    // and receives these lines after it is closed.
    bool clearsLog = false;
    std::vector<std::string> logLines;
};

// The report for `error`, chosen by its kind. Messages may carry program
// text in Windows-1251; they are decoded to UTF-8 here.
ErrorReport reportFor(const std::exception& error);

// The report for something thrown that is not a std::exception.
ErrorReport reportForUnknown();

}  // namespace tarnix
