#pragma once
// Keeps the window alive during a long loop without pumping after every
// line: pumping costs far more than interpreting a line.

#include "common/sinks.h"

#include <chrono>
#include <functional>
#include <utility>

namespace tarnix {

class TimeSlicedPump {
public:
    // `beforePump` runs before each pump: what the window shows of the
    // loop's work is brought up to date a piece at a time.
    TimeSlicedPump(EventPump* events, std::chrono::milliseconds interval, std::function<void()> beforePump = {})
        : events_(events), interval_(interval), beforePump_(std::move(beforePump)),
          last_(std::chrono::steady_clock::now())
    {
    }

    // Pumps when `interval` has passed since the last pump; true when the
    // application is terminating and the loop should stop.
    bool poll()
    {
        if (events_ == nullptr)
            return false;
        const auto now = std::chrono::steady_clock::now();
        if (now - last_ >= interval_) {
            if (beforePump_)
                beforePump_();
            events_->pump();
            last_ = now;
        }
        return events_->terminating();
    }

private:
    EventPump* events_;
    std::chrono::milliseconds interval_;
    std::function<void()> beforePump_;
    std::chrono::steady_clock::time_point last_;
};

}  // namespace tarnix
