#pragma once
// Merging the programs of the "Merge List" into one file: the save
// dialog's proposal, the name its answer gives, and the copying in order.

#include "editor/editor_ports.h"
#include "interpretation/interpreter_settings.h"
#include "path/program_location.h"
#include "transform/file_merge.h"
#include "transform/mask_save_filter.h"

#include <optional>
#include <string>
#include <vector>

namespace tarnix {

// `folder` (where the program in edFileName has its output written, see
// ProgramLocation::outputFolderFor) + "Merged_" + the file name of the
// first entry.
std::string proposedMergeName(const std::string& folder, const std::string& firstEntry);

// The file the merge writes: with "All files" a name without extension
// takes the first entry's; any other entry replaces the name's extension
// with its own.
std::string mergeOutputName(const SaveDialogAnswer& answer, const MaskSaveFilter& filter,
                            const std::string& firstEntry);

// G-code and Roland lines in one file are read by neither reader. Each
// program is of the kind its first character names, else of `unnamedKind`
// (the Config page's, which it is read as). The text of the box that
// refuses a merge of programs of different kinds, naming each program and
// its kind; nothing when they are of one kind.
std::optional<std::string> mixedKindsRefusal(const ProgramLocation& location, const std::vector<std::string>& entries,
                                             ProgramKind unnamedKind);

// Copies the programs `entries` (list captions, found by `location`'s
// path rule) in order into `outputPath`, which is replaced only when every
// program was copied. Hides the progress bar at the end. Throws
// InputOutputError when a program cannot be read or the output written.
MergeOutcome mergePrograms(FileMerge& merge, ProgressSink& progress, ProgramLocation& location,
                           const std::vector<std::string>& entries, const std::string& outputPath);

}  // namespace tarnix
