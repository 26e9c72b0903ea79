#pragma once
// The library's side of the callback: one record per call, filled fresh,
// whose answer fields the caller may change.

#include "unzfdll/unz_dll.h"

#include <cstdint>
#include <string_view>

namespace tarnix::unzfdll {

class CallbackChannel {
public:
    CallbackChannel(TUnzCallback callback, void* caller);

    // Calls back with `text` cut to fit the record; false when the caller
    // asked to stop, after which the extraction makes no further call.
    bool send(std::int32_t action, std::int32_t number, std::string_view text = {}, std::int32_t flag = 0);

    // The record as the last call left it: the caller's answers.
    const TUnzCallbackRec& answer() const { return rec_; }

private:
    TUnzCallback callback_;
    void* caller_;
    TUnzCallbackRec rec_{};
};

}  // namespace tarnix::unzfdll
