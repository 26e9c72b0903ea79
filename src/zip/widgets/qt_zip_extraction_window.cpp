#include "zip/widgets/qt_zip_extraction_window.h"

#include "zip/widgets/progress_form.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QThread>

namespace tarnix {

void QtZipExtractionWindow::ShowInformation(const std::string& message)
{
    QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(),
                    QString::fromStdString(message), QMessageBox::Ok, mainForm_);
    box.exec();
}

void QtZipExtractionWindow::ShowError(const std::string& message)
{
    QMessageBox box(QMessageBox::Critical, "Error", QString::fromStdString(message), QMessageBox::Ok, mainForm_);
    box.exec();
}

std::string QtZipExtractionWindow::AskPassword(const std::string& prompt)
{
    // The typed characters are shown, as in a plain input box.
    const QString answer = QInputDialog::getText(mainForm_, QApplication::applicationDisplayName(),
                                                 QString::fromStdString(prompt), QLineEdit::Normal, QString());
    return answer.toStdString();
}

ZipDamagedAnswer QtZipExtractionWindow::AskDamaged(const std::string& question)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), QString::fromStdString(question),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, mainForm_);
    box.setDefaultButton(QMessageBox::No);
    // Escape and the close box pass over this entry, as the default does:
    // the extraction goes on and asks about every later damaged entry. Only
    // the Cancel button stops it.
    box.setEscapeButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return ZipDamagedAnswer::Yes;
    case QMessageBox::Cancel:
        return ZipDamagedAnswer::Cancel;
    default:
        return ZipDamagedAnswer::No;
    }
}

std::unique_ptr<ZipProgressView> QtZipExtractionWindow::CreateProgressForm(ZipExtractor& owner)
{
    return std::make_unique<TProgressForm>(owner, mainForm_);
}

void QtZipExtractionWindow::ProcessMessages()
{
    QCoreApplication::processEvents();
}

void QtZipExtractionWindow::Sleep(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

}  // namespace tarnix
