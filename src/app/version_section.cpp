// The program's version block, in a section of its own that the About box
// finds in the executable file.

namespace {
[[gnu::used, gnu::section(".tarnix_version")]] const unsigned char versionBlock[] = {
#include "version_block.inc"
};
}  // namespace
