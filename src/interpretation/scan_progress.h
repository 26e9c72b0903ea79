#pragma once
// The progress bar of a whole-file scan: shown for the scan with a maximum
// of the file's size ÷ 128, moved every 100th line, the maximum doubling
// whenever the bar is full. Hidden again when the scan ends, on every path.

#include "common/sinks.h"

namespace tarnix {

class ScanProgress {
public:
    ScanProgress(ProgressSink* bar, long long fileSizeInBytes);
    ~ScanProgress();
    ScanProgress(const ScanProgress&) = delete;
    ScanProgress& operator=(const ScanProgress&) = delete;

    // Counts one more line read.
    void lineDone();
    long long lines() const { return lines_; }
    void hide();

private:
    ProgressSink* bar_;
    long long maximum_;
    long long lines_ = 0;
    bool visible_ = true;
};

}  // namespace tarnix
