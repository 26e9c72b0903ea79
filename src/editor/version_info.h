#pragma once
// The program's version as Windows keeps it in an executable: a
// VS_VERSIONINFO block (fixed file info, StringFileInfo tables named by
// language and code page, the VarFileInfo "Translation" table). Here the
// block lives in an ELF section of its own, ".tarnix_version".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnix {

inline constexpr const char* kVersionSection = ".tarnix_version";

struct VersionTranslation {
    std::uint16_t language = 0;
    std::uint16_t codePage = 0;
};

struct VersionStringTable {
    std::string name;  // "040904E4": language and code page in hex
    std::vector<std::pair<std::string, std::string>> strings;
};

// A VS_VERSIONINFO block holding these tables and translations.
std::string buildVersionInfo(const std::vector<VersionStringTable>& tables,
                             const std::vector<VersionTranslation>& translations);

// The value of a sub-block, as the platform's query gives it: `path` names
// the nodes from the root separated by "\" (repeated separators count as
// one). Text values come as UTF-8, others as their bytes. Nothing when no
// node has that path or the block is damaged.
std::optional<std::string> queryVersionValue(std::string_view block, std::string_view path);

// The block in the named ELF file's version section; nothing when the
// file cannot be read, is no ELF file or has no such section.
std::optional<std::string> readVersionSection(const std::string& fileName);

// The "FileVersion" text of the first translation whose string table
// answers; empty when there is none.
std::string fileVersionFromBlock(std::string_view block);
std::string GetFileVersionString(const std::string& fileName);

}  // namespace tarnix
