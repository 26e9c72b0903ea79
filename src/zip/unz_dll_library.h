#pragma once
// The unzip library as the process has loaded it: one per process, loaded
// at the first extraction and kept until the zip component goes.

#include "unzfdll/unz_dll.h"

#include <string>

namespace tarnix {

inline constexpr const char* kUnzDllFileName = "libunzfdll.so";

// Loads the library unless it is loaded: first from `folder` (the
// executable's), then by the platform's library search order. False when it
// cannot be loaded or lacks one of its two entry points.
bool LoadUnzDll(const std::string& folder);

// The loaded library's UnzDllExec; nullptr while none is loaded.
TUnzDllExec UnzDllExec();

void ZipFreeDlls();

}  // namespace tarnix
