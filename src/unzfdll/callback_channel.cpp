#include "unzfdll/callback_channel.h"

#include <algorithm>
#include <cstring>

namespace tarnix::unzfdll {

CallbackChannel::CallbackChannel(TUnzCallback callback, void* caller) : callback_(callback), caller_(caller) {}

bool CallbackChannel::send(std::int32_t action, std::int32_t number, std::string_view text, std::int32_t flag)
{
    rec_ = TUnzCallbackRec{};
    rec_.Caller = caller_;
    rec_.ActionCode = action;
    rec_.Flag = flag;
    rec_.Number = number;
    const std::size_t length = std::min(text.size(), sizeof rec_.Text - 1);
    std::memcpy(rec_.Text, text.data(), length);
    return callback_(&rec_) != UNZ_CALLBACK_STOP;
}

}  // namespace tarnix::unzfdll
