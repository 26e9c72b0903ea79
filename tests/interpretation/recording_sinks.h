#pragma once
// Sinks that remember what the model told the window.

#include "common/sinks.h"

#include <map>
#include <string>
#include <vector>

namespace tarnix::testing {

class RecordingStatus : public StatusSink {
public:
    void setPanel(int index, const std::string& text) override { panels[index] = text; ++writes; }
    void setBlockLabel(const std::string& text) override { blockLabel = text; }

    std::map<int, std::string> panels;
    std::string blockLabel;
    int writes = 0;
};

class RecordingLines : public LineSink {
public:
    void appendLine(const std::string& line) override { lines.push_back(line); }

    std::vector<std::string> lines;
};

}  // namespace tarnix::testing
