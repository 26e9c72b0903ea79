#pragma once
// Qt widgets and loops behind the model's sink interfaces.

#include "common/sinks.h"

#include <QPlainTextEdit>
#include <QProgressBar>

#include <string>
#include <vector>

namespace tarnix {

// The Explorer page's log pane `Scroll`.
class LogPane : public QPlainTextEdit, public LineSink {
    Q_OBJECT

public:
    explicit LogPane(QWidget* parent = nullptr);
    void appendLine(const std::string& line) override;
};

// The main progress bar, hidden until a long loop shows it.
class ProgressPanel : public QProgressBar, public ProgressSink {
    Q_OBJECT

public:
    explicit ProgressPanel(QWidget* parent = nullptr);
    void setMaximum(long long maximum) override;
    void setPosition(long long position) override;
    void setVisible(bool visible) override;
    // Lies across the top of `below` (a sibling), over what is above it:
    // coming and going, it changes the size of nothing. A view that changed
    // size would draw its whole path again, a freeze at the end of drawing
    // a program of millions of lines.
    void lieOver(QWidget& below);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* below_ = nullptr;
};

// Handles waiting window events from inside long loops.
class QtEventPump : public EventPump {
public:
    void pump() override;
    bool terminating() const override { return terminating_; }
    // Closing the main window asks running loops to stop at their next line.
    void requestTermination() { terminating_ = true; }

private:
    bool terminating_ = false;
};

// The hidden second editor `FOutEdit`: collects comment-only and converted
// lines until a transformation saves them.
class OutputCollector : public LineSink {
public:
    void appendLine(const std::string& line) override { lines_.push_back(line); }
    const std::vector<std::string>& lines() const { return lines_; }
    void clear() { lines_.clear(); }

private:
    std::vector<std::string> lines_;
};

}  // namespace tarnix
