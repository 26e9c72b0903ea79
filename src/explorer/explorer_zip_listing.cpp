#include "explorer/explorer_zip_listing.h"

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

}  // namespace tarnix
