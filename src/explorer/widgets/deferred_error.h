#pragma once
// Errors raised inside a signal handler. An exception must not unwind
// through Qt's signal delivery; posted and rethrown from the event loop, it
// leaves an event handler and reaches the application's error handler like
// every other error.

#include <exception>

namespace tarnix {

void reportLater(std::exception_ptr error);

// Runs `handler`; what it throws is reported later.
template <typename Handler>
void guarded(Handler&& handler)
{
    try {
        handler();
    } catch (...) {
        reportLater(std::current_exception());
    }
}

}  // namespace tarnix
