#pragma once
// Stand-ins for the window's volume queries and disk prompts.

#include "zip/zip_platform.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarnix::testing {

// A readable fixed drive unless a test says otherwise.
struct FakeVolumes : ZipVolumes {
    bool removable = false;
    std::optional<std::string> label = "DATA";

    bool isRemovable(const std::string&) const override { return removable; }
    std::optional<std::string> volumeLabel(const std::string&) const override { return label; }
};

// Records every box. The user cancels unless `answer` says otherwise; an
// answer may swap the disk first, as the user would.
struct PromptRecorder : ZipDiskPrompt {
    std::vector<std::string> messages;
    std::function<bool(std::size_t box)> answer = [](std::size_t) { return false; };

    bool confirm(const std::string& message) override
    {
        messages.push_back(message);
        return answer(messages.size() - 1);
    }
};

}  // namespace tarnix::testing
