#pragma once
// Make Array: one program replicated on a grid. A pass per axis (Z, then
// X, then Y) joins the pass's source with copies shifted step by step;
// the next pass replicates the whole result. The shifted copies come from
// the transformation command, which the window runs.

#include "common/sinks.h"
#include "editor/editor_ports.h"
#include "settings/file_masks.h"
#include "transform/file_merge.h"

#include <functional>
#include <optional>
#include <string>

namespace tarnix {

// What Make Array asks of the main window.
struct ArrayHooks {
    // edShift<axis> := step, cbShift<axis> checked, the other two unchecked.
    std::function<void(char axis, const std::string& step)> shiftAlong;
    // cbShiftX, cbShiftY and cbShiftZ unchecked; the edits keep their text.
    std::function<void()> uncheckShifts;
    // edFileName := path, then the editor's Open button.
    std::function<void(const std::string& path)> openInEditor;
    // The transformation of the editor's program while Make Array runs:
    // the output is saved as the folder's "_Array". False when nothing ran
    // (a run in progress, a run stopped short).
    std::function<bool()> transformOne;
    // The Explorer's list shows the saved array.
    std::function<void(const std::string& path)> showWrittenFile;
};

// The dialog's edits.
struct ArrayRequest {
    std::string edNumX = "1", edNumY = "1", edNumZ = "1";
    std::string edX = "0", edY = "0", edZ = "0";
};

// The number of copies a count edit asks for: below 1 is 1. Throws
// ConversionError when the text is not an integer.
int arrayCount(const std::string& text);

// The copies a pass makes, the first included: a pass without a step
// ("" or "0") makes no shifted copy, so its first copy is its last.
int copiesInPass(int count, const std::string& step);

// The save dialog's proposal: the source path without its extension +
// "_Array" + the extension.
std::string proposedArrayName(const std::string& source);

class MakeArray {
public:
    // The temporary files, in the Explorer folder.
    static constexpr const char* kOutput = "Out_Array";
    static constexpr const char* kCopy = "_Array";
    static constexpr const char* kFull = "Out_Array_Full";

    // Everything passed in must outlive the object.
    MakeArray(FileMerge& merge, ArrayHooks hooks, EditorDialogs& dialogs, MessageSink& messages,
              const TFileMasks& masks);

    // Replicates the program `source` as `request` says and offers the
    // result in the save dialog, proposed in `folder` (the Explorer's, where
    // the temporary files go too: an extracted program's own folder is
    // removed at close). The temporary files go and the shift boxes
    // are unchecked however it ends; a copy that could not be made ends it
    // without saving. Throws ConversionError (a count before
    // anything is written), InputOutputError, or what a hook throws.
    void btnApplyClick(const std::string& folder, const std::string& source, const ArrayRequest& request);

private:
    // One pass into "Out_Array"; false when the application is closing or
    // a copy could not be made.
    bool pass(const std::string& folder, const std::string& source, char axis, int count, const std::string& step);
    std::optional<std::string> makeAndSave(const std::string& folder, const std::string& source,
                                           const ArrayRequest& request);
    // The file saved, if any.
    std::optional<std::string> save(const std::string& folder, const std::string& source);

    FileMerge& merge_;
    ArrayHooks hooks_;
    EditorDialogs& dialogs_;
    MessageSink& messages_;
    const TFileMasks& masks_;
};

}  // namespace tarnix
