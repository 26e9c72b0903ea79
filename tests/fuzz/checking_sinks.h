#pragma once
// Sinks that stand for the window and stop the process (a finding) when the
// model breaks their contract: every text UTF-8, progress within its maximum.
// The output collector is left out: it gathers lines to be saved as a
// program, whose bytes it keeps as the program had them.

#include "common/sinks.h"
#include "common/text_encoding.h"
#include "interpretation/interpreter_context.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace tarnix::fuzz {

[[noreturn]] inline void contractBroken(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "sink contract broken: %s: \"%s\"\n", what, detail.c_str());
    std::abort();
}

class CheckingStatus : public StatusSink {
public:
    void setPanel(int index, const std::string& text) override
    {
        if (index < 0 || index > 5)
            contractBroken("status panel", std::to_string(index));
        requireUtf8(text);
    }
    void setBlockLabel(const std::string& text) override { requireUtf8(text); }

    static void requireUtf8(const std::string& text)
    {
        if (!isValidUtf8(text))
            contractBroken("text is not UTF-8", text);
    }
};

class CheckingLines : public LineSink {
public:
    void appendLine(const std::string& line) override { CheckingStatus::requireUtf8(line); }
};

class CheckingProgress : public ProgressSink {
public:
    void setMaximum(long long maximum) override
    {
        if (maximum < 0)
            contractBroken("negative progress maximum", std::to_string(maximum));
        maximum_ = maximum;
    }
    void setPosition(long long position) override
    {
        if (position < 0 || position > maximum_)
            contractBroken("progress beyond its maximum", std::to_string(position));
    }
    void setVisible(bool) override {}

private:
    long long maximum_ = 0;
};

class IgnoredLines : public LineSink {
public:
    void appendLine(const std::string&) override {}
};

// Connects one set of sinks to `context`.
struct CheckingSinks {
    CheckingStatus status;
    CheckingLines lines;
    IgnoredLines output;
    CheckingProgress progress;

    void connect(InterpreterContext& context)
    {
        context.status = &status;
        context.FOutEdit = &output;
        context.Scroll = &lines;
        context.ProgressBar = &progress;
    }
};

}  // namespace tarnix::fuzz
