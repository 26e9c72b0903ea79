#pragma once
// The file a merge writes, line by line. The lines go to a new file beside
// the target, which takes the target's place only when the merge is
// complete: a merge given up or failing leaves the old file (or none).

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace tarnix {

class MergeOutputFile {
public:
    // Throws InputOutputError when the file beside `path` cannot be made.
    explicit MergeOutputFile(std::string path);
    // Removes the unfinished file unless commit() ran.
    ~MergeOutputFile();
    MergeOutputFile(const MergeOutputFile&) = delete;
    MergeOutputFile& operator=(const MergeOutputFile&) = delete;

    // Writes `line` ended by CR LF. Throws InputOutputError.
    void writeLine(std::string_view line);
    // The last line written, without its end.
    const std::string& previousLine() const { return previous_; }

    // Puts the written lines in place of the target. Throws InputOutputError.
    void commit();

    const std::string& path() const { return path_; }

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::string path_;
    std::string temporary_;
    std::unique_ptr<std::FILE, Closer> file_;
    std::string previous_;
    bool committed_ = false;
};

}  // namespace tarnix
