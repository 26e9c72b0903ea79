// Runs the Info panel's test classes in one QApplication.

#include <QApplication>

int runJpegImageTests(int argc, char** argv);
int runInfoFormTests(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return runJpegImageTests(argc, argv) + runInfoFormTests(argc, argv);
}
