#pragma once
// Keeps the window alive during a long loop without pumping after every
// line: pumping costs far more than interpreting a line.

#include "common/sinks.h"

#include <chrono>

namespace tarnix {

class TimeSlicedPump {
public:
    TimeSlicedPump(EventPump* events, std::chrono::milliseconds interval)
        : events_(events), interval_(interval), last_(std::chrono::steady_clock::now())
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
            events_->pump();
            last_ = now;
        }
        return events_->terminating();
    }

private:
    EventPump* events_;
    std::chrono::milliseconds interval_;
    std::chrono::steady_clock::time_point last_;
};

}  // namespace tarnix
