#pragma once
// The program editor as the run engine reads it. The window implements it on
// its editor; lines count from 1.

#include <string>

namespace tarnix {

class RunEditor {
public:
    virtual ~RunEditor() = default;
    virtual int lineCount() const = 0;
    // The caret's line. The engine never moves the caret itself: the window's
    // answer to a current-line change does (without scrolling or repainting
    // per line), and each step executes the line under the caret.
    virtual int caretLine() const = 0;
    // A line's text; a line outside the text reads as empty.
    virtual std::string lineText(int line) const = 0;
};

}  // namespace tarnix
