#pragma once
// Recorders standing in for the editor widget, the file-name box and the
// dialogs; the dialogs answer from scripts.

#include "editor/editor_ports.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tarnix::test {

struct RecordingEditor : EditorBuffer {
    std::string content;
    bool modified = false;
    std::vector<std::string> painted;

    std::string text() const override { return content; }
    void load(const std::string& utf8) override { content = utf8, modified = false; }
    void showLoading(const std::string& line) override
    {
        content = line;
        modified = false;
        painted.push_back(line);
    }
    void clearLines() override { content.clear(); }
    bool isModified() const override { return modified; }
    void setModified(bool value) override { modified = value; }
};

struct RecordingNameBox : FileNameBox {
    std::string name;
    std::string fileName() const override { return name; }
    void setFileName(const std::string& value) override { name = value; }
};

struct ScriptedDialogs : EditorDialogs {
    std::deque<bool> confirmations;
    std::deque<std::optional<SaveDialogAnswer>> saveAnswers;
    std::deque<std::optional<std::string>> openAnswers;
    std::vector<std::string> questions;
    std::vector<SaveDialogSetup> saveSetups;
    int openDialogs = 0;

    bool confirm(const std::string& question) override
    {
        questions.push_back(question);
        bool yes = !confirmations.empty() && confirmations.front();
        if (!confirmations.empty())
            confirmations.pop_front();
        return yes;
    }
    std::optional<SaveDialogAnswer> saveDialog(const SaveDialogSetup& setup) override
    {
        saveSetups.push_back(setup);
        if (saveAnswers.empty())
            return std::nullopt;
        auto answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    std::optional<std::string> openDialog(const std::string&, const std::string&) override
    {
        ++openDialogs;
        if (openAnswers.empty())
            return std::nullopt;
        auto answer = openAnswers.front();
        openAnswers.pop_front();
        return answer;
    }
};

}  // namespace tarnix::test
