#include "unzfdll/callback_channel.h"

namespace tarnix::unzfdll {

CallbackChannel::CallbackChannel(TUnzCallback callback, void* caller) : callback_(callback), caller_(caller) {}

bool CallbackChannel::send(std::int32_t action, std::int32_t number, std::string_view text, std::int32_t flag)
{
    rec_ = TUnzCallbackRec{};
    rec_.Caller = caller_;
    rec_.ActionCode = action;
    rec_.Flag = flag;
    rec_.Number = number;
    // An empty view may hold a null pointer, which memcpy must not be given.
    text.copy(rec_.Text, sizeof rec_.Text - 1);
    return callback_(&rec_) != UNZ_CALLBACK_STOP;
}

}  // namespace tarnix::unzfdll
