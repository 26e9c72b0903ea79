#pragma once
// The program in the editor as a file: Open, New, Save and Save As, the
// encoding the text came in, and the one "save now?" question that Open,
// New, the view's Refresh and the close sequence ask, each its own way.

#include "editor/editor_ports.h"
#include "editor/file_stamp.h"
#include "editor/program_file.h"

#include <functional>
#include <optional>
#include <string>

namespace tarnix {

struct DocumentHooks {
    // The Explorer's folder `FCurrentFolder`, ending in "/".
    std::function<std::string()> currentFolder;
    // "All files|*.*" and a pair for every file mask.
    std::function<std::string()> maskFilter;
    // `FNeedRepaint`: the 3-D view repaints when idle.
    std::function<void()> requestRepaint;
};

// Who asks "save now?": the text and the dialog's set-up differ.
enum class SaveAsker { Open, New, Refresh, Close };

class EditorDocument {
public:
    static constexpr const char* kLoadingLine = "    LOADING...";

    EditorDocument(EditorBuffer& editor, FileNameBox& edFileName, EditorDialogs& dialogs, DocumentHooks hooks);

    void btnEditOpenClick();
    void btnEditNewClick();
    void Save();
    void SaveAs();
    // The program named with the edit switch on the command line.
    void loadFromCommandLine(const std::string& path);

    // Asks when the text is modified; on Yes, offers the save dialog and
    // writes the text. Returns the name written, nothing when nothing was.
    std::optional<std::string> offerSave(SaveAsker asker);

    bool FFileLoaded() const { return fileLoaded_; }
    const std::string& FEditFileName() const { return editFileName_; }
    // The name the text belongs to: the file it was opened from, "NoName"
    // after New, or the name it was last saved as.
    const std::string& textFileName() const { return textFileName_; }
    TextEncoding encoding() const { return encoding_; }

private:
    void load(const std::string& path);
    // False when the user would rather not save: the file is left as it is.
    bool write(const std::string& path);
    // Notes the file as the editor now knows it.
    void stamp(const std::string& path);
    // True unless the file changed on disk since the editor read or wrote
    // it and the user would rather keep those changes.
    bool mayReplaceChangesOnDisk(const std::string& path);

    EditorBuffer& editor_;
    FileNameBox& edFileName_;
    EditorDialogs& dialogs_;
    DocumentHooks hooks_;
    bool fileLoaded_ = false;
    std::string editFileName_;
    std::string textFileName_;
    TextEncoding encoding_ = TextEncoding::Utf8;
    std::string stampedFile_;
    std::optional<FileStamp> stamp_;
    // The save dialog keeps what it was last shown with.
    SaveDialogSetup saveDialog_;
};

}  // namespace tarnix
