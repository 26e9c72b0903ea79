#pragma once
// A settings file in the plain profile format that users' existing files
// are in: "[Section]" lines, then "key=value" lines, where the value is the
// text after the first "=", kept verbatim (";", "," and "\" included).
// Sections and keys are found without regard to letter case, the first of
// equal names winning. Lines this program does not know (other sections,
// other keys, comments) survive a rewrite in their places.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnix {

class ProfileFile {
public:
    // A missing or unreadable file gives an empty profile, in which every
    // key is absent. Line ends may be LF or CR LF.
    static ProfileFile load(const std::filesystem::path& file);

    // The key's value; nothing when the section or the key is absent, so
    // the caller's default applies.
    std::optional<std::string> readString(std::string_view section, std::string_view key) const;

    // Replaces the key's line in place; a new key goes after the last
    // non-blank line of its section, a new section at the end.
    void writeString(std::string_view section, std::string_view key, std::string_view value);

    // Creates or replaces the file. Throws InputOutputError when it cannot.
    void save(const std::filesystem::path& file) const;

private:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    std::size_t findSection(std::string_view section) const;
    std::size_t sectionEnd(std::size_t header) const;
    std::size_t findKey(std::size_t header, std::string_view key) const;

    std::vector<std::string> lines_;
};

}  // namespace tarnix
