#include "explorer/shell_toolbar_file.h"

#include "common/errors.h"
#include "common/atomic_file.h"

#include <fstream>
#include <iterator>

namespace tarnix {

std::string shellToolbarFilePath(const std::string& settingsFile)
{
    const std::size_t slash = settingsFile.rfind('/');
    return (slash == std::string::npos ? std::string() : settingsFile.substr(0, slash + 1)) + "shellTB.ini";
}

std::string ShellToolbarText(const std::vector<std::string>& folders)
{
    std::string text;
    for (const std::string& folder : folders) {
        for (char c : folder) {
            if (c == '\\')
                text += "\\\\";
            else if (c == '\n')
                text += "\\n";
            else
                text += c;
        }
        text += '\n';
    }
    return text;
}

std::vector<std::string> ShellToolbarFolders(const std::string& text)
{
    std::vector<std::string> folders;
    std::string folder;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n') {
            if (!folder.empty())
                folders.push_back(std::move(folder));
            folder.clear();
        } else if (c == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == 'n')) {
            folder += text[++i] == 'n' ? '\n' : '\\';
        } else {
            folder += c;
        }
    }
    if (!folder.empty())
        folders.push_back(std::move(folder));
    return folders;
}

std::vector<std::string> ReadShellToolbarFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw InputOutputError("Cannot open \"" + path + "\".");
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        throw InputOutputError("Cannot read \"" + path + "\".");
    return ShellToolbarFolders(text);
}

void WriteShellToolbarFile(const std::string& path, const std::vector<std::string>& folders)
{
    writeFileAtomically(path, ShellToolbarText(folders));
}

}  // namespace tarnix
