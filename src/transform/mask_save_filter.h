#pragma once
// The filter of the save dialogs of merging and Make Array: "All files|*.*"
// first, then one entry per listed file mask, caption and pattern both the
// mask. Filter index 1 is "All files", index n + 2 the n-th listed mask.

#include "settings/file_masks.h"

#include <string>
#include <vector>

namespace tarnix {

class MaskSaveFilter {
public:
    // Lists every non-empty mask; with `leaveOutZip` not "*.ZIP" in any case.
    MaskSaveFilter(const TFileMasks& masks, bool leaveOutZip);

    std::string text() const;
    // The mask of entry `filterIndex` with every "*" removed ("*.nc" gives
    // ".nc"); empty for "All files" and past the end.
    std::string extensionOf(int filterIndex) const;

private:
    std::vector<std::string> masks_;
};

// The extension of a path's file-name part, its dot included; empty when
// the name has none.
std::string extensionOf(const std::string& path);
// `path` with the extension of its file-name part replaced by `extension`
// (added when it has none).
std::string withExtension(const std::string& path, const std::string& extension);

}  // namespace tarnix
