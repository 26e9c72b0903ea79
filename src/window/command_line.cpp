#include "window/command_line.h"

#include "explorer/explorer_names.h"

#include <algorithm>

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

CommandLineRequest parseCommandLine(const std::vector<std::string>& arguments,
                                    const std::string& executableFolder)
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
    request.folder = folderPart(programFile);
    if (request.folder.empty())
        request.folder = executableFolder;
    return request;
}

}  // namespace tarnix
