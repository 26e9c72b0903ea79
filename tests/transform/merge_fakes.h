#pragma once
// Recorders standing for the window in merging and Make Array tests.

#include "common/sinks.h"
#include "editor/editor_ports.h"

#include <optional>
#include <string>
#include <vector>

namespace tarnix::testing {

class RecordingProgress : public ProgressSink {
public:
    void setMaximum(long long value) override { maximum = value; }
    void setPosition(long long value) override
    {
        position = value;
        if (value > maximum)
            ++pastMaximum;
    }
    void setVisible(bool value) override { visible = value; }

    long long maximum = 0, position = 0;
    int pastMaximum = 0;
    bool visible = false;
};

class QuietPump : public EventPump {
public:
    void pump() override {}
    bool terminating() const override { return closing; }
    bool closing = false;
};

// The save dialog answers `answer`; nothing means Cancel.
class FakeDialogs : public EditorDialogs {
public:
    bool confirm(const std::string& question) override
    {
        questions.push_back(question);
        return confirmAnswer;
    }
    std::optional<SaveDialogAnswer> saveDialog(const SaveDialogSetup& setup) override
    {
        shown.push_back(setup);
        return answer;
    }
    std::optional<std::string> openDialog(const std::string&, const std::string&) override { return std::nullopt; }

    std::optional<SaveDialogAnswer> answer;
    bool confirmAnswer = false;
    std::vector<SaveDialogSetup> shown;
    std::vector<std::string> questions;
};

class RecordingMessages : public MessageSink {
public:
    void showInformation(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

}  // namespace tarnix::testing
