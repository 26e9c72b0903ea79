#pragma once
// Appends a UTF-8 line to the Explorer page's log pane, when there is one.

#include "interpretation/interpreter_context.h"

#include <string>

namespace tarnix {

inline void appendToScroll(InterpreterContext& context, const std::string& line)
{
    if (context.Scroll != nullptr)
        context.Scroll->appendLine(line);
}

}  // namespace tarnix
