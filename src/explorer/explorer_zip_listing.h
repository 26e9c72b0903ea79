#pragma once
// The rows of an archive listing: the entries the masks let through, with
// the texts of their Date, Size and Description cells.

#include "settings/file_masks.h"
#include "zip/zip_archive.h"

#include <string>
#include <vector>

namespace tarnix {

struct ZipListRow {
    int index = 0;         // the entry's number in the archive
    std::string name;      // as the archive stores it
    std::string date;      // "dd/mm/yy hh:nn"
    std::string size;      // "1,234,567"
    std::string comment;   // the entry's comment
};

// The listed entries of `zip` in directory order.
std::vector<ZipListRow> zipListingRows(const TsZip& zip, const TFileMasks& masks);

// Why the file of `entry` is not in the extraction folder, for the log pane:
// links and names leading outside the folder are never extracted; any other
// entry was declined or could not be written.
std::string entryNotExtractedLine(const TFileInfo& entry);

}  // namespace tarnix
