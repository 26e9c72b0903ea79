#pragma once
// Loading a part program: its kind (Fanuc G-code or Roland) from its first
// character, then what the kind's reader finds about it.

#include "interpretation/interpreter_context.h"

#include <optional>
#include <string>

namespace tarnix {

// The kind a program's first character names: "%" Fanuc, "!" or "^" Roland.
// Nothing for any other start, an empty or unreadable file.
std::optional<ProgramKind> programKindOf(const std::string& fileName);

class ProgramLoader {
public:
    explicit ProgramLoader(InterpreterContext& context) : context_(context) {}

    // A first line starting with "%" makes the kind Fanuc, one starting with
    // "!" or "^" Roland; anything else, and any failure, leaves it. Never throws.
    void GetFileType(const std::string& fileName);

    // GetFileType, then the header reader for Fanuc or the whole-file scan
    // for Roland. Their errors pass to the caller.
    void LoadTypeFile(const std::string& fileName);

private:
    InterpreterContext& context_;
};

}  // namespace tarnix
