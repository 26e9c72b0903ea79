#include "fuzzed_settings.h"

#include <array>
#include <string_view>

namespace tarnix::fuzz {
namespace {

// Texts that reach the number readers' edges; random bytes rarely do.
constexpr std::array<std::string_view, 16> kEditTexts = {
    "3000", "1", "2", "0", "-1", "0.5", " 7 ", "", "1e308", "-1e308", "1e-320",
    "2147483648", "-2147483649", "nan", "inf", "1,5",
};

std::string editText(InputTail& input)
{
    std::uint8_t choice = input.byte();
    if (choice < 2 * kEditTexts.size())
        return std::string(kEditTexts[choice % kEditTexts.size()]);
    return input.text(12);
}

}  // namespace

void takeSettings(InputTail& input, TInterpreterSettings& settings)
{
    settings.edRapid = editText(input);
    settings.edCoeff = editText(input);
    settings.edFine = editText(input);
    const std::uint16_t switches = static_cast<std::uint16_t>(input.byte() | input.byte() << 8);
    bool* const flags[] = {
        &settings.cbIncMode,     &settings.cbSpeedColor, &settings.cbBlackAndWite, &settings.cbGchange,
        &settings.cbToolChange,  &settings.cbFchange,    &settings.cbConstSpeedF,  &settings.cbConstFz,
        &settings.cbLimitZ,      &settings.cbDelay,      &settings.cbTap,          &settings.cbAirHead,
    };
    for (std::size_t i = 0; i < std::size(flags); ++i)
        *flags[i] = (switches >> i & 1) != 0;
    settings.tbDelay = input.byte() % 101;
    settings.FSpeedX = input.number();
    settings.FSpeedZ = input.number();
    settings.gSpeedScale1 = input.number();
    settings.gSpeedScale2 = input.number();
    settings.gSpeedScale3 = input.number();
}

}  // namespace tarnix::fuzz
