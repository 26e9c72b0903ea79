#include "transform/transform_output.h"

#include "editor/save_as_name.h"

#include <filesystem>
#include <system_error>

namespace tarnix {

std::string outputText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

std::string chosenOutputName(const SaveDialogAnswer& answer, const std::string& filter)
{
    if (hasExtension(answer.fileName))
        return answer.fileName;
    return answer.fileName + defaultExtension(filter, answer.filterIndex);
}

bool namesSameFile(const std::string& chosen, const std::string& source)
{
    if (chosen == source)
        return true;
    std::error_code error;
    return std::filesystem::equivalent(chosen, source, error) && !error;
}

}  // namespace tarnix
