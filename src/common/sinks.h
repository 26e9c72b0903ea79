#pragma once
// The few ways the model reaches the window. The window implements them;
// tests implement them with recorders. Every text is UTF-8.

#include <string>

namespace tarnix {

// The six panels of the status bar (0 to 5) and the label of the block being run.
class StatusSink {
public:
    virtual ~StatusSink() = default;
    virtual void setPanel(int index, const std::string& text) = 0;
    virtual void setBlockLabel(const std::string& text) = 0;
};

// Collects whole lines: the hidden output editor, the log pane.
class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void appendLine(const std::string& line) = 0;
};

// The main progress bar.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void setMaximum(long long maximum) = 0;
    virtual void setPosition(long long position) = 0;
    virtual void setVisible(bool visible) = 0;
};

// An information box with an OK button; it returns when the user closes it.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showInformation(const std::string& text) = 0;
};

// Keeps the window alive inside long loops.
class EventPump {
public:
    virtual ~EventPump() = default;
    // Handles waiting window events; cheap enough to call once per line.
    virtual void pump() = 0;
    // The application is closing: long loops stop at the next line.
    virtual bool terminating() const = 0;
};

}  // namespace tarnix
