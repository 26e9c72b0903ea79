#pragma once
// A setting's edit text converted once and reused while the text stays the
// same: the interpreters read some settings on every block. A text that is
// no number is never kept, so every block that reads it still fails with
// the conversion error.

#include "common/number_text.h"

#include <cstdint>
#include <string>

namespace tarnix {

template <typename Number, Number (*convert)(std::string_view)>
class CachedSetting {
public:
    Number valueOf(const std::string& text)
    {
        if (!valid_ || text != text_) {
            value_ = convert(text);
            text_ = text;
            valid_ = true;
        }
        return value_;
    }

private:
    std::string text_;
    Number value_{};
    bool valid_ = false;
};

using CachedFloatSetting = CachedSetting<double, parseFloat>;
using CachedIntSetting = CachedSetting<std::int32_t, parseInt>;

}  // namespace tarnix
