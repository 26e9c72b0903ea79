#pragma once

#include <cstdint>

namespace tarnix {

enum class TCNCDebuggerState : std::uint8_t { stopped = 0, running = 1, paused = 2 };

}  // namespace tarnix
