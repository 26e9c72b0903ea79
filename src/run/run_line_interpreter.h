#pragma once
// Executes one program line for the run engine.

#include <cstdint>
#include <string_view>

namespace tarnix {

class RunLineInterpreter {
public:
    virtual ~RunLineInterpreter() = default;
    // Returns false when the line asks the run to pause after it. Errors in
    // the line's text pass through.
    virtual bool executeLine(std::string_view text, std::int32_t lineNo) = 0;
};

}  // namespace tarnix
