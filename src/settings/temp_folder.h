#pragma once
// The folder zip entries are extracted into, and its removal on close.

#include <string>

namespace tarnix {

// Removes the folder tree `folder` with every file in it, read-only files
// included. Failures are ignored: what could not be removed stays. Always
// returns true.
bool MyRemoveDir(const std::string& folder);

}  // namespace tarnix
