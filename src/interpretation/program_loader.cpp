#include "interpretation/program_loader.h"

#include "common/errors.h"
#include "interpretation/fanuc_header_reader.h"
#include "interpretation/program_line_reader.h"
#include "interpretation/whole_file_scanner.h"

namespace tarnix {

void ProgramLoader::GetFileType(const std::string& fileName)
{
    std::string line;
    try {
        ProgramLineReader reader(fileName);
        if (!reader.readLine(line) || line.empty())
            return;
    } catch (const TarnixError&) {
        return;  // an unreadable file has no kind; loading it reports the error
    }
    if (line.front() == '%')
        context_.settings.programKind = ProgramKind::Fanuc;
    else if (line.front() == '!' || line.front() == '^')
        context_.settings.programKind = ProgramKind::Roland;
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
