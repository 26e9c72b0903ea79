// Runs the Info panel's test classes in one QApplication.

#include "support/message_boxes.h"

#include <QApplication>

int runJpegImageTests(int argc, char** argv);
int runInfoFormTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tarnix::testing::installUnexpectedMessageBoxWatchdog();
    return runJpegImageTests(argc, argv) + runInfoFormTests(argc, argv);
}
