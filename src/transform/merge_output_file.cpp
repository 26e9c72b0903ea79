#include "transform/merge_output_file.h"

namespace tarnix {

void MergeOutputFile::writeLine(std::string_view line)
{
    file_.write(line);
    file_.write("\r\n");
    previous_ = line;
}

}  // namespace tarnix
