#pragma once
// Errors raised inside a signal handler. An exception must not unwind
// through Qt's signal delivery; posted and rethrown from the event loop, it
// leaves an event handler and reaches the application's error handler like
// every other error.

#include <exception>
#include <type_traits>
#include <utility>

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

// Wraps a slot so that what it throws is reported later:
// connect(..., guard([this] { ... })). A slot that takes none of the
// signal's arguments is called without them.
template <typename Slot>
auto guard(Slot slot)
{
    return [slot = std::move(slot)](const auto&... arguments) -> void {
        guarded([&] {
            if constexpr (std::is_invocable_v<const Slot&, decltype(arguments)...>)
                slot(arguments...);
            else
                slot();
        });
    };
}

}  // namespace tarnix
