#pragma once
// Archives spanned over removable disks. Each disk of a set carries the
// volume label "PKBACK# " followed by its three-digit number.

#include "zip/zip_platform.h"

#include <string>

namespace tarnix {

// The number of the spanned-set disk holding the file `path`; 0 when the
// file is missing, the drive is not removable or the label is not a set's.
int ZipDiskNumber(const std::string& path, const ZipVolumes& volumes);

// Asks until disk `wanted` holds `path`; false when the user cancels.
bool ZipAskForDisk(const std::string& path, int wanted, const ZipVolumes& volumes,
                   ZipDiskPrompt& prompt);

// Asks for the disk with the end record, having found disk `disk` instead;
// false when the user cancels.
bool ZipAskForLastDisk(int disk, ZipDiskPrompt& prompt);

}  // namespace tarnix
