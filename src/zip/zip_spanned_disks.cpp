#include "zip/zip_spanned_disks.h"

#include "common/number_text.h"

#include <filesystem>
#include <string_view>

namespace tarnix {
namespace {

constexpr std::string_view kSetLabelPrefix = "PKBACK# ";

}  // namespace

int ZipDiskNumber(const std::string& path, const ZipVolumes& volumes)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) || !volumes.isRemovable(path))
        return 0;
    const std::optional<std::string> label = volumes.volumeLabel(path);
    if (!label || !label->starts_with(kSetLabelPrefix))
        return 0;
    return tryParseInt(std::string_view(*label).substr(kSetLabelPrefix.size(), 3)).value_or(0);
}

bool ZipAskForDisk(const std::string& path, int wanted, const ZipVolumes& volumes,
                   ZipDiskPrompt& prompt)
{
    const std::string message = "Insert [ Disk " + std::to_string(wanted)
                                + " ] of the Zip file into the floppy drive\n"
                                  "before pressing [ OK ] to continue ...";
    while (ZipDiskNumber(path, volumes) != wanted)
        if (!prompt.confirm(message))
            return false;
    return true;
}

bool ZipAskForLastDisk(int disk, ZipDiskPrompt& prompt)
{
    return prompt.confirm("This is [ Disk " + std::to_string(disk)
                          + " ] of a multiple disk Zip file.\n"
                            "Insert the last disk of the Zip file before pressing [ OK ] to continue ...");
}

}  // namespace tarnix
