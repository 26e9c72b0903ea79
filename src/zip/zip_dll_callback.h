#pragma once
// The callback that the unzip library calls while it extracts: it keeps the
// batch's counters, fires the zip component's events, drives the progress
// dialog and asks the user for passwords and about damaged data.

#include "unzfdll/unz_dll.h"

#include <cstdint>

namespace tarnix {

// `rec->Caller` is the extracting ZipExtractor. Returns UNZ_CALLBACK_STOP
// once the extraction is cancelled, else 0.
std::int32_t ZipDllCallback(TUnzCallbackRec* rec);

}  // namespace tarnix
