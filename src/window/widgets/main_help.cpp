#include "window/widgets/main_help.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tarnix {

MainHelp::MainHelp(const std::string& executableFolder, QWidget* owner)
    : QObject(owner),
      file_(QString::fromStdString(executableFolder) + kFileName),
      owner_(owner),
      opener_([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
}

void MainHelp::MainHelp1Click()
{
    if (!QFileInfo::exists(file_))
        return;
    if (!opener_(QUrl::fromLocalFile(file_)))
        showHelpWindow();
}

void MainHelp::showHelpWindow()
{
    // One window, kept for the next request; it follows its own links.
    if (!helpWindow_) {
        auto* window = new QDialog(owner_, Qt::Window);
        window->setObjectName("HelpWindow");
        window->setWindowTitle("Tarnix Help");
        window->resize(760, 640);
        auto* layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* browser = new QTextBrowser(window);
        browser->setObjectName("HelpBrowser");
        layout->addWidget(browser);
        helpWindow_ = window;
    }
    auto* browser = helpWindow_->findChild<QTextBrowser*>("HelpBrowser");
    browser->setSource(QUrl::fromLocalFile(file_));
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

}  // namespace tarnix
