#include "transform/merge_programs.h"

#include "common/text_encoding.h"
#include "editor/save_as_name.h"
#include "interpretation/program_loader.h"

#include <algorithm>

namespace tarnix {

std::string proposedMergeName(const std::string& folder, const std::string& firstEntry)
{
    return folder + "Merged_" + fileNamePartOf(firstEntry);
}

std::string mergeOutputName(const SaveDialogAnswer& answer, const MaskSaveFilter& filter,
                            const std::string& firstEntry)
{
    if (answer.filterIndex > 1)
        return withExtension(answer.fileName, filter.extensionOf(answer.filterIndex));
    if (hasExtension(answer.fileName))
        return answer.fileName;
    return answer.fileName + extensionOf(fileNamePartOf(firstEntry));
}

std::optional<std::string> mixedKindsRefusal(const ProgramLocation& location, const std::vector<std::string>& entries,
                                             ProgramKind unnamedKind)
{
    std::vector<ProgramKind> kinds;
    for (const std::string& entry : entries)
        kinds.push_back(programKindOf(location.pathOf(entry)).value_or(unnamedKind));
    const auto holds = [&kinds](ProgramKind kind) { return std::ranges::find(kinds, kind) != kinds.end(); };
    if (!holds(ProgramKind::Fanuc) || !holds(ProgramKind::Roland))
        return std::nullopt;
    std::string text = "Programs of different kinds cannot be merged:";
    for (std::size_t n = 0; n < entries.size(); ++n) {
        const ProgramKind kind = kinds[n];
        text += "\n" + decodeProgramText(entries[n]) + " - " +
                (kind == ProgramKind::Fanuc ? "G-code" : kind == ProgramKind::Roland ? "Roland" : "no kind");
    }
    return text;
}

MergeOutcome mergePrograms(FileMerge& merge, ProgressSink& progress, ProgramLocation& location,
                           const std::vector<std::string>& entries, const std::string& outputPath)
{
    // The bar goes also when a program cannot be read.
    struct HideProgress {
        ProgressSink& progress;
        ~HideProgress() { progress.setVisible(false); }
    } hide{progress};

    MergeOutputFile output(outputPath);
    for (std::size_t n = 0; n < entries.size(); ++n) {
        location.FSelectedFile = entries[n];
        const MergeOutcome outcome =
            merge.merge(n == 0, n + 1 == entries.size(), location.pathOf(entries[n]), output, false);
        if (outcome != MergeOutcome::Copied)
            return outcome;
    }
    output.commit();
    return MergeOutcome::Copied;
}

}  // namespace tarnix
