#pragma once
// "Main Help": the help file beside the executable, opened with the
// desktop's browser, or in a help window of the program's own when the
// desktop cannot open it. Without the file the command does nothing.

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <string>

class QTextBrowser;
class QUrl;
class QWidget;

namespace tarnix {

class MainHelp : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kFileName = "Tarnix.html";
    // Hands a file to the desktop; false when the desktop cannot open it.
    using UrlOpener = std::function<bool(const QUrl&)>;

    // `executableFolder` ends in "/".
    MainHelp(const std::string& executableFolder, QWidget* owner);

    // The desktop's opener unless replaced (tests record the request).
    void setOpener(UrlOpener opener) { opener_ = std::move(opener); }
    void MainHelp1Click();
    // The program's own help window once it has been needed, else null.
    QWidget* helpWindow() const { return helpWindow_; }

private:
    void showHelpWindow();

    QString file_;
    QWidget* owner_;
    UrlOpener opener_;
    QPointer<QWidget> helpWindow_;
};

}  // namespace tarnix
