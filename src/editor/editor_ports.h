#pragma once
// How the editor's document commands reach the window: the editor widget,
// the file-name box of the program page and the dialogs. The window
// implements them; tests implement them with recorders. Texts are UTF-8.

#include <optional>
#include <string>

namespace tarnix {

// The editor widget's text.
class EditorBuffer {
public:
    virtual ~EditorBuffer() = default;
    virtual std::string text() const = 0;
    // Replaces the text; marks, undo and redo go, the modified flag clears.
    virtual void load(const std::string& utf8) = 0;
    // Clears the editor completely and paints the one loading line at once.
    virtual void showLoading(const std::string& line) = 0;
    // Clears the lines only.
    virtual void clearLines() = 0;
    virtual bool isModified() const = 0;
    virtual void setModified(bool modified) = 0;
};

// The program page's file-name box `edFileName`.
class FileNameBox {
public:
    virtual ~FileNameBox() = default;
    virtual std::string fileName() const = 0;
    virtual void setFileName(const std::string& name) = 0;
};

// What the save dialog shows: the filter as "caption|pattern|..." pairs,
// the filter index counted from 1, the folder and the proposed name.
struct SaveDialogSetup {
    std::string filter;
    int filterIndex = 1;
    std::string folder;
    std::string fileName;
};

struct SaveDialogAnswer {
    std::string fileName;
    int filterIndex = 1;
};

class EditorDialogs {
public:
    virtual ~EditorDialogs() = default;
    // A confirmation with the buttons Yes and No; true on Yes.
    virtual bool confirm(const std::string& question) = 0;
    // Nothing when the user cancels.
    virtual std::optional<SaveDialogAnswer> saveDialog(const SaveDialogSetup& setup) = 0;
    virtual std::optional<std::string> openDialog(const std::string& folder, const std::string& filter) = 0;
};

}  // namespace tarnix
