#include "settings/profile_file.h"

#include "common/atomic_file.h"

#include <algorithm>
#include <fstream>

namespace tarnix {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

// The name of a "[name]" line; nothing for any other line, so that a
// damaged header such as "[Colors" cannot hide the real section after it.
std::optional<std::string_view> sectionName(std::string_view line)
{
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    return trimmed(line.substr(1, line.size() - 2));
}

// The key of a "key=value" line; nothing for a line without "=".
std::optional<std::string_view> keyName(std::string_view line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return trimmed(line.substr(0, equals));
}

}  // namespace

ProfileFile ProfileFile::load(const std::filesystem::path& file)
{
    ProfileFile profile;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        // Files written on Windows end their lines in CR LF.
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        profile.lines_.push_back(std::move(line));
    }
    return profile;
}

std::optional<std::string> ProfileFile::readString(std::string_view section,
                                                   std::string_view key) const
{
    const std::size_t header = findSection(section);
    const std::size_t at = header == npos ? npos : findKey(header, key);
    if (at == npos)
        return std::nullopt;
    const std::string& line = lines_[at];
    return line.substr(line.find('=') + 1);
}

void ProfileFile::writeString(std::string_view section, std::string_view key,
                              std::string_view value)
{
    std::string line = std::string(key) + "=" + std::string(value);
    const std::size_t header = findSection(section);
    if (header == npos) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::move(line));
        return;
    }
    if (const std::size_t at = findKey(header, key); at != npos) {
        lines_[at] = std::move(line);
        return;
    }
    // Blank lines that end the section keep separating it from the next one.
    std::size_t insertAt = sectionEnd(header);
    while (insertAt > header + 1 && trimmed(lines_[insertAt - 1]).empty())
        --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
}

void ProfileFile::save(const std::filesystem::path& file) const
{
    std::string text;
    for (const std::string& line : lines_)
        text += line + '\n';
    writeFileAtomically(file.string(), text);
}

std::size_t ProfileFile::findSection(std::string_view section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i]);
        if (name && equalIgnoringCase(*name, section))
            return i;
    }
    return npos;
}

std::size_t ProfileFile::sectionEnd(std::size_t header) const
{
    std::size_t i = header + 1;
    while (i < lines_.size() && !sectionName(lines_[i]))
        ++i;
    return i;
}

std::size_t ProfileFile::findKey(std::size_t header, std::string_view key) const
{
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const auto name = keyName(lines_[i]);
        if (name && equalIgnoringCase(*name, key))
            return i;
    }
    return npos;
}

}  // namespace tarnix
