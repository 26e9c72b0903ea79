#include "window/command_line.h"

#include "explorer/explorer_names.h"

#include <algorithm>
#include <filesystem>

namespace tarnix {
namespace {

bool isEditSwitch(const std::string& parameter)
{
    return parameter.size() == 2 && (parameter[0] == '-' || parameter[0] == '/') &&
           (parameter[1] == 'e' || parameter[1] == 'E');
}

std::string trimBlanks(std::string text)
{
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

}  // namespace

std::string currentFolder()
{
    std::error_code error;
    std::string folder = std::filesystem::current_path(error).string();
    return folder.empty() || folder.back() == '/' ? folder : folder + "/";
}

CommandLineRequest parseCommandLine(const std::vector<std::string>& arguments,
                                    const std::string& executableFolder,
                                    const std::string& workingFolder)
{
    CommandLineRequest request;
    if (arguments.empty())
        return request;
    request.hasParameters = true;

    std::string programFile = arguments[0];
    if (std::any_of(arguments.begin(), arguments.end(), isEditSwitch)) {
        request.gEditFile = arguments[0];
        programFile = arguments.size() > 1 ? arguments[1] : std::string();
    }
    request.name = trimBlanks(fileNamePart(programFile));
    // Made absolute before anything else: start-up changes the current
    // directory to the program's folder.
    const std::string folder = folderPart(programFile);
    std::error_code error;
    if (folder.empty())
        request.folder = std::filesystem::exists(workingFolder + request.name, error) ? workingFolder
                                                                                            : executableFolder;
    else if (folder.front() == '/')
        request.folder = folder;
    else
        request.folder = (std::filesystem::path(workingFolder) / folder).lexically_normal().string();
    return request;
}

}  // namespace tarnix
