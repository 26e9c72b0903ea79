#pragma once
// Time as the run engine sees it: the tick count that paces the yields and
// the sleep of the per-line delay. Tests drive a fake one without waiting.

#include <cstdint>

namespace tarnix {

class RunClock {
public:
    virtual ~RunClock() = default;
    // Milliseconds from an arbitrary start; never goes back.
    virtual std::int64_t tickCount() = 0;
    virtual void sleep(int milliseconds) = 0;
};

// The process's monotonic clock.
class SteadyRunClock : public RunClock {
public:
    std::int64_t tickCount() override;
    void sleep(int milliseconds) override;
};

}  // namespace tarnix
