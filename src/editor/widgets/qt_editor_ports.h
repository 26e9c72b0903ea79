#pragma once
// The document commands' view of the editor widget, the file-name box and
// the dialogs, on Qt.

#include "editor/editor_ports.h"

#include <functional>

class QDialog;
class QLineEdit;
class QWidget;
class QsciScintilla;

namespace tarnix {

class QtEditorBuffer : public EditorBuffer {
public:
    explicit QtEditorBuffer(QsciScintilla& editor) : editor_(editor) {}
    std::string text() const override;
    void load(const std::string& utf8) override;
    void showLoading(const std::string& line) override;
    void clearLines() override;
    bool isModified() const override;
    void setModified(bool modified) override;

private:
    void replaceAll(const std::string& utf8);
    QsciScintilla& editor_;
};

class LineEditNameBox : public FileNameBox {
public:
    explicit LineEditNameBox(QLineEdit& box) : box_(box) {}
    std::string fileName() const override;
    void setFileName(const std::string& name) override;

private:
    QLineEdit& box_;
};

class QtEditorDialogs : public EditorDialogs {
public:
    explicit QtEditorDialogs(QWidget* parent) : owner_([parent] { return parent; }) {}
    // Dialogs over the window `owner` gives when asked, which stays on top
    // of others: they open in front of it (execInFront).
    struct InFront {
        std::function<QWidget*()> owner;
    };
    explicit QtEditorDialogs(InFront inFront) : owner_(std::move(inFront.owner)), inFront_(true) {}
    bool confirm(const std::string& question) override;
    std::optional<SaveDialogAnswer> saveDialog(const SaveDialogSetup& setup) override;
    std::optional<std::string> openDialog(const std::string& folder, const std::string& filter) override;

private:
    int run(QDialog& dialog) const;

    std::function<QWidget*()> owner_;
    bool inFront_ = false;
};

}  // namespace tarnix
