#include "editor/editor_document.h"

#include "editor/save_as_name.h"

#include <string>
#include <utility>

namespace tarnix {

EditorDocument::EditorDocument(EditorBuffer& editor, FileNameBox& edFileName, EditorDialogs& dialogs,
                               DocumentHooks hooks)
    : editor_(editor), edFileName_(edFileName), dialogs_(dialogs), hooks_(std::move(hooks))
{
}

std::optional<std::string> EditorDocument::offerSave(SaveAsker asker)
{
    if (!editor_.isModified())
        return std::nullopt;
    const bool current = asker == SaveAsker::Open || asker == SaveAsker::Refresh;
    if (!dialogs_.confirm(current ? "Current file modified.  Save now?" : "File modified.  Save now?"))
        return std::nullopt;
    if (current)
        saveDialog_ = {hooks_.maskFilter(), saveDialog_.filterIndex, hooks_.currentFolder(), edFileName_.fileName()};
    else if (saveDialog_.filter.empty())
        saveDialog_.filter = hooks_.maskFilter();  // never shown yet
    std::optional<SaveDialogAnswer> answer = dialogs_.saveDialog(saveDialog_);
    if (!answer)
        return std::nullopt;
    saveDialog_.fileName = answer->fileName;
    saveDialog_.filterIndex = answer->filterIndex;
    if (!write(answer->fileName))
        return std::nullopt;
    if (asker == SaveAsker::Refresh) {
        edFileName_.setFileName(answer->fileName);
        editFileName_ = textFileName_ = answer->fileName;
        editor_.setModified(false);
        hooks_.requestRepaint();
    }
    return answer->fileName;
}

void EditorDocument::btnEditOpenClick()
{
    offerSave(SaveAsker::Open);
    const std::string name = edFileName_.fileName();
    const std::string namePart = fileNamePartOf(name);
    if (!namePart.empty() && namePart != "NoName") {
        load(name);
    } else if (std::optional<std::string> chosen = dialogs_.openDialog(hooks_.currentFolder(), hooks_.maskFilter())) {
        load(*chosen);
        edFileName_.setFileName(*chosen);
    }
    if (fileLoaded_)
        editor_.setModified(false);
    hooks_.requestRepaint();
}

void EditorDocument::load(const std::string& path)
{
    editor_.showLoading(kLoadingLine);
    // Noted before the read: a change made while it reads is asked about.
    stamp(path);
    ProgramText text;
    try {
        text = readProgramFile(path);
    } catch (...) {
        // The editor now holds only the loading line: a Save must not write
        // it over the file the text came from.
        textFileName_.clear();
        throw;
    }
    editor_.load(text.utf8);
    encoding_ = text.encoding;
    editFileName_ = textFileName_ = path;
    fileLoaded_ = true;
}

void EditorDocument::loadFromCommandLine(const std::string& path)
{
    stamp(path);
    ProgramText text = readProgramFile(path);
    editor_.load(text.utf8);
    encoding_ = text.encoding;
    editFileName_ = textFileName_ = path;
}

void EditorDocument::btnEditNewClick()
{
    offerSave(SaveAsker::New);
    editor_.clearLines();
    textFileName_ = hooks_.currentFolder() + "NoName";
    edFileName_.setFileName(textFileName_);
}

void EditorDocument::Save()
{
    // The Explorer renames the box when another program is selected, before
    // the editor reloads: the text goes to the file it belongs to, never to
    // the program just selected.
    if (fileLoaded_ && !textFileName_.empty()) {
        if (write(textFileName_))
            editor_.setModified(false);
    } else {
        SaveAs();
    }
}

void EditorDocument::SaveAs()
{
    saveDialog_ = {hooks_.maskFilter(), 1, saveDialog_.folder, edFileName_.fileName()};
    std::optional<SaveDialogAnswer> answer = dialogs_.saveDialog(saveDialog_);
    if (!answer) {
        hooks_.requestRepaint();
        return;
    }
    std::string name = answer->fileName;
    if (!hasExtension(name))
        name += defaultExtension(saveDialog_.filter, answer->filterIndex);
    saveDialog_.fileName = name;
    saveDialog_.filterIndex = answer->filterIndex;
    if (!write(name)) {
        hooks_.requestRepaint();
        return;
    }
    edFileName_.setFileName(name);
    textFileName_ = name;
    editor_.setModified(false);
    hooks_.requestRepaint();
}

bool EditorDocument::write(const std::string& path)
{
    const EncodedProgram program = encodeProgramText(editor_.text(), encoding_);
    if (program.firstLineWithReplacement > 0
        && !dialogs_.confirm("Line " + std::to_string(program.firstLineWithReplacement) +
                             " holds characters that Windows-1251, the file's code page, cannot hold: they "
                             "would be saved as \"?\".  Save anyway?"))
        return false;
    if (!mayReplaceChangesOnDisk(path))
        return false;
    writeFileReplacing(path, program.bytes);
    stamp(path);
    return true;
}

void EditorDocument::stamp(const std::string& path)
{
    stampedFile_ = path;
    stamp_ = stampOf(path);
}

bool EditorDocument::mayReplaceChangesOnDisk(const std::string& path)
{
    if (path != stampedFile_ || !stamp_)
        return true;
    const std::optional<FileStamp> now = stampOf(path);
    if (!now || *now == *stamp_)
        return true;
    return dialogs_.confirm("\"" + path +
                            "\" was changed on disk since it was opened or last saved here.  Replace those "
                            "changes with the text in the editor?");
}

}  // namespace tarnix
