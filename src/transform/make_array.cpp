#include "transform/make_array.h"

#include "common/errors.h"
#include "common/atomic_file.h"
#include "common/number_text.h"
#include "editor/save_as_name.h"
#include "transform/mask_save_filter.h"
#include "transform/transform_output.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace tarnix {
namespace {

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad() || !in.is_open())
        throw InputOutputError("Cannot read \"" + path + "\"");
    return bytes;
}

}  // namespace

int arrayCount(const std::string& text)
{
    return std::max(parseInt(text), 1);
}

int copiesInPass(int count, const std::string& step)
{
    return step.empty() || step == "0" ? 1 : count;
}

std::string proposedArrayName(const std::string& source)
{
    return withExtension(source, "") + "_Array" + extensionOf(source);
}

MakeArray::MakeArray(FileMerge& merge, ArrayHooks hooks, EditorDialogs& dialogs, MessageSink& messages,
                     const TFileMasks& masks)
    : merge_(merge), hooks_(std::move(hooks)), dialogs_(dialogs), messages_(messages), masks_(masks)
{
}

void MakeArray::btnApplyClick(const std::string& folder, const std::string& source, const ArrayRequest& request)
{
    // Shown once the temporary files are gone.
    const std::optional<std::string> saved = makeAndSave(folder, source, request);
    if (saved && hooks_.showWrittenFile)
        hooks_.showWrittenFile(*saved);
}

std::optional<std::string> MakeArray::makeAndSave(const std::string& folder, const std::string& source,
                                                  const ArrayRequest& request)
{
    const int nx = arrayCount(request.edNumX);
    const int ny = arrayCount(request.edNumY);
    const int nz = arrayCount(request.edNumZ);

    struct CleanUp {
        const std::string& folder;
        ArrayHooks& hooks;
        ~CleanUp()
        {
            std::error_code ignored;
            for (const char* name : {kOutput, kCopy, kFull})
                std::filesystem::remove(folder + name, ignored);
            hooks.uncheckShifts();
        }
    } cleanUp{folder, hooks_};

    const std::string full = folder + kFull;
    if (!pass(folder, source, 'Z', nz, request.edZ))
        return std::nullopt;
    writeFileAtomically(full, fileBytes(folder + kOutput));
    if (!pass(folder, full, 'X', nx, request.edX))
        return std::nullopt;
    writeFileAtomically(full, fileBytes(folder + kOutput));
    if (!pass(folder, full, 'Y', ny, request.edY))
        return std::nullopt;
    return save(folder, source);
}

bool MakeArray::pass(const std::string& folder, const std::string& source, char axis, int count,
                     const std::string& step)
{
    const int copies = copiesInPass(count, step);
    MergeOutputFile output(folder + kOutput);
    if (merge_.merge(true, copies < 2, source, output, true) != MergeOutcome::Copied)
        return false;
    if (copies > 1) {
        hooks_.shiftAlong(axis, step);
        hooks_.openInEditor(source);
        const std::string copy = folder + kCopy;
        for (int n = 2; n <= copies; ++n) {
            // Each copy is shifted once more from the one before.
            if (!hooks_.transformOne())
                return false;
            hooks_.openInEditor(copy);
            if (merge_.merge(false, n == copies, copy, output, true) != MergeOutcome::Copied)
                return false;
        }
    }
    output.commit();
    return true;
}

std::optional<std::string> MakeArray::save(const std::string& folder, const std::string& source)
{
    const MaskSaveFilter filter(masks_, false);
    const std::optional<SaveDialogAnswer> answer =
        dialogs_.saveDialog({filter.text(), 1, folder, proposedArrayName(folder + fileNamePartOf(source))});
    if (!answer)
        return std::nullopt;
    std::string name = answer->fileName;
    if (!hasExtension(name))
        name += answer->filterIndex == 1 ? ".tap" : filter.extensionOf(answer->filterIndex);
    // The name as it will be written: "part" completed to "part.tap" would
    // otherwise replace the source it was made from.
    if (namesSameFile(name, source)) {
        messages_.showInformation("File " + name + " exists, change File name to save.");
        return std::nullopt;
    }
    writeFileAtomically(name, fileBytes(folder + kOutput));
    return name;
}

}  // namespace tarnix
