#include "interpretation/program_loader.h"

#include "common/errors.h"
#include "interpretation/fanuc_header_reader.h"
#include "interpretation/program_line_reader.h"
#include "interpretation/whole_file_scanner.h"

namespace tarnix {

std::optional<ProgramKind> programKindOf(const std::string& fileName)
{
    std::string line;
    try {
        ProgramLineReader reader(fileName);
        if (!reader.readLine(line) || line.empty())
            return std::nullopt;
    } catch (const TarnixError&) {
        return std::nullopt;  // an unreadable file has no kind; reading it reports the error
    }
    if (line.front() == '%')
        return ProgramKind::Fanuc;
    if (line.front() == '!' || line.front() == '^')
        return ProgramKind::Roland;
    return std::nullopt;
}

void ProgramLoader::GetFileType(const std::string& fileName)
{
    if (const std::optional<ProgramKind> kind = programKindOf(fileName))
        context_.settings.programKind = *kind;
}

void ProgramLoader::LoadTypeFile(const std::string& fileName)
{
    GetFileType(fileName);
    if (context_.settings.programKind == ProgramKind::Fanuc)
        FanucHeaderReader(context_).GetFanucFileInfo(fileName);
    else if (context_.settings.programKind == ProgramKind::Roland)
        WholeFileScanner(context_).GetRolandFileInfo(fileName);
}

}  // namespace tarnix
