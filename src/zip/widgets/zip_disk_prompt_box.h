#pragma once
// The zip reader's disk-change questions as information boxes with OK and
// Cancel, captioned with the application title.

#include "zip/zip_platform.h"

class QWidget;

namespace tarnix {

class MessageBoxDiskPrompt : public ZipDiskPrompt {
public:
    explicit MessageBoxDiskPrompt(QWidget* parent) : parent_(parent) {}
    bool confirm(const std::string& message) override;

private:
    QWidget* parent_;
};

}  // namespace tarnix
