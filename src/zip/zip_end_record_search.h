#pragma once
// Locating the end-of-central-directory record, which sits at the end of the
// archive, possibly followed by the archive comment.

#include "zip/zip_archive_file.h"

#include <cstdint>

namespace tarnix {

// Position of the record in the file; -1 when there is none. Only the last
// 65535 bytes are searched, so a record followed by a comment of more than
// 65513 bytes is not found.
std::int64_t ZipFindEndOfCentralDir(const ZipArchiveFile& file);

}  // namespace tarnix
