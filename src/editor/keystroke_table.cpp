#include "editor/keystroke_table.h"

namespace tarnix {

KeystrokeMatcher::Outcome KeystrokeMatcher::press(const TSynEditKeyStrokes& table, std::uint16_t key,
                                                  std::uint8_t shift)
{
    if (pending_) {
        const auto [firstKey, firstShift] = *pending_;
        pending_.reset();
        for (const TSynEditKeyStroke& record : table)
            if (record.Key2 != 0 && record.Key == firstKey && record.Shift == firstShift && record.Key2 == key &&
                record.Shift2 == shift)
                return {Outcome::Command, record.Command};
    }
    for (const TSynEditKeyStroke& record : table) {
        if (record.Key != key || record.Shift != shift)
            continue;
        if (record.Key2 == 0)
            return {Outcome::Command, record.Command};
        pending_.emplace(key, shift);
        return {Outcome::SequenceStarted, 0};
    }
    return {};
}

}  // namespace tarnix
