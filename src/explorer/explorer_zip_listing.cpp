#include "explorer/explorer_zip_listing.h"

#include "common/zip_entry_names.h"
#include "explorer/explorer_names.h"
#include "zip/zip_listing_cells.h"

namespace tarnix {

std::vector<ZipListRow> zipListingRows(const TsZip& zip, const TFileMasks& masks)
{
    std::vector<ZipListRow> rows;
    for (int n = 0; n < zip.Count(); ++n) {
        const TFileInfo entry = zip.GetEntry(n);
        if (!zipEntryListed(entry.FileName, masks))
            continue;
        rows.push_back({n, entry.FileName, zipListingDate(entry), zipListingSize(entry), zip.GetEntryComment(n)});
    }
    return rows;
}

std::string entryNotExtractedLine(const TFileInfo& entry)
{
    const std::string name = "\"" + entry.FileName + "\"";
    if (zipEntryIsLink(entry.Header.HostSystem, entry.Header.ExternalAttributes))
        return name + " is not extracted: it is a link, and links are never extracted.";
    if (!zipEntryPath(entry.FileName))
        return name + " is not extracted: its name leads outside the extraction folder.";
    return name + " was not extracted.";
}

}  // namespace tarnix
