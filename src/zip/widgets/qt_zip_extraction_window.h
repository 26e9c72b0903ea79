#pragma once
// Zip extraction's boxes and progress dialog as Qt widgets over the main
// window.

#include "zip/zip_extraction_window.h"

class QWidget;

namespace tarnix {

class QtZipExtractionWindow : public ZipExtractionWindow {
public:
    // `mainForm` parents the boxes and places the progress dialog.
    explicit QtZipExtractionWindow(QWidget* mainForm) : mainForm_(mainForm) {}

    void ShowInformation(const std::string& message) override;
    void ShowError(const std::string& message) override;
    std::string AskPassword(const std::string& prompt) override;
    ZipDamagedAnswer AskDamaged(const std::string& question) override;
    std::unique_ptr<ZipProgressView> CreateProgressForm(ZipExtractor& owner) override;
    void ProcessMessages() override;
    void Sleep(int milliseconds) override;

private:
    QWidget* mainForm_;
};

}  // namespace tarnix
