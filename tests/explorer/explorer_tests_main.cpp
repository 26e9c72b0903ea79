// Runs the Explorer page's widget test classes in one application, whose
// error handler reports what the page's handlers let through.

#include "support/message_boxes.h"
#include "window/widgets/tarnix_application.h"

int runExplorerArchiveTests(int argc, char** argv);
int runExplorerFileListTests(int argc, char** argv);
int runExplorerPageTests(int argc, char** argv);
int runShellToolbarTests(int argc, char** argv);

int main(int argc, char** argv)
{
    tarnix::TarnixApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    tarnix::testing::installUnexpectedMessageBoxWatchdog();
    return runExplorerFileListTests(argc, argv) + runExplorerPageTests(argc, argv) + runExplorerArchiveTests(argc, argv)
           + runShellToolbarTests(argc, argv);
}
