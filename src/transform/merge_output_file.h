#pragma once
// The file a merge writes, line by line. The lines go to a new file beside
// the target, which takes the target's place only when the merge is
// complete: a merge given up or failing leaves the old file (or none).

#include "common/atomic_file.h"

#include <string>
#include <string_view>
#include <utility>

namespace tarnix {

class MergeOutputFile {
public:
    // Throws InputOutputError when the file beside `path` cannot be made.
    explicit MergeOutputFile(std::string path) : path_(std::move(path)), file_(path_) {}

    // Writes `line` ended by CR LF. Throws InputOutputError.
    void writeLine(std::string_view line);
    // The last line written, without its end.
    const std::string& previousLine() const { return previous_; }

    // Puts the written lines in place of the target; a merge dropped before
    // leaves the old file (or none). Throws InputOutputError.
    void commit() { file_.commit(); }

    const std::string& path() const { return path_; }

private:
    std::string path_;
    FileReplacement file_;
    std::string previous_;
};

}  // namespace tarnix
