#include "editor/widgets/virtual_keys.h"

#include "editor/keystroke_table.h"

#include <QKeySequence>

#include <utility>
#include <vector>

namespace tarnix {
namespace {

const std::vector<std::pair<std::uint16_t, Qt::Key>>& keyTable()
{
    static const std::vector<std::pair<std::uint16_t, Qt::Key>> table = [] {
        std::vector<std::pair<std::uint16_t, Qt::Key>> keys = {
            {0x08, Qt::Key_Backspace}, {0x09, Qt::Key_Tab},       {0x0D, Qt::Key_Return},
            {0x13, Qt::Key_Pause},     {0x1B, Qt::Key_Escape},    {0x20, Qt::Key_Space},
            {0x21, Qt::Key_PageUp},    {0x22, Qt::Key_PageDown},  {0x23, Qt::Key_End},
            {0x24, Qt::Key_Home},      {0x25, Qt::Key_Left},      {0x26, Qt::Key_Up},
            {0x27, Qt::Key_Right},     {0x28, Qt::Key_Down},      {0x2D, Qt::Key_Insert},
            {0x2E, Qt::Key_Delete},    {0x5D, Qt::Key_Menu},      {0x6A, Qt::Key_Asterisk},
            {0x6B, Qt::Key_Plus},      {0x6D, Qt::Key_Minus},     {0xBA, Qt::Key_Semicolon},
            {0xBB, Qt::Key_Equal},     {0xBC, Qt::Key_Comma},     {0xBE, Qt::Key_Period},
            {0xBF, Qt::Key_Slash},     {0xC0, Qt::Key_QuoteLeft}, {0xDB, Qt::Key_BracketLeft},
            {0xDC, Qt::Key_Backslash}, {0xDD, Qt::Key_BracketRight}, {0xDE, Qt::Key_Apostrophe},
        };
        for (int digit = 0; digit <= 9; ++digit)
            keys.emplace_back(0x30 + digit, static_cast<Qt::Key>(Qt::Key_0 + digit));
        for (int letter = 0; letter < 26; ++letter)
            keys.emplace_back(0x41 + letter, static_cast<Qt::Key>(Qt::Key_A + letter));
        for (int f = 0; f < 24; ++f)
            keys.emplace_back(0x70 + f, static_cast<Qt::Key>(Qt::Key_F1 + f));
        return keys;
    }();
    return table;
}

}  // namespace

std::optional<Qt::Key> qtKeyFor(std::uint16_t virtualKey)
{
    for (const auto& [vk, key] : keyTable())
        if (vk == virtualKey)
            return key;
    return std::nullopt;
}

std::optional<std::uint16_t> virtualKeyFor(Qt::Key key)
{
    // The keypad's Enter is the Enter key.
    if (key == Qt::Key_Enter)
        key = Qt::Key_Return;
    for (const auto& [vk, qtKey] : keyTable())
        if (qtKey == key)
            return vk;
    return std::nullopt;
}

std::uint8_t shiftBitsFor(Qt::KeyboardModifiers modifiers)
{
    return static_cast<std::uint8_t>((modifiers & Qt::ShiftModifier ? ssShift : 0) |
                                     (modifiers & Qt::AltModifier ? ssAlt : 0) |
                                     (modifiers & Qt::ControlModifier ? ssCtrl : 0));
}

Qt::KeyboardModifiers modifiersFor(std::uint8_t shiftBits)
{
    Qt::KeyboardModifiers modifiers;
    if (shiftBits & ssShift)
        modifiers |= Qt::ShiftModifier;
    if (shiftBits & ssAlt)
        modifiers |= Qt::AltModifier;
    if (shiftBits & ssCtrl)
        modifiers |= Qt::ControlModifier;
    return modifiers;
}

QString keystrokeText(std::uint16_t virtualKey, std::uint8_t shiftBits)
{
    std::optional<Qt::Key> key = qtKeyFor(virtualKey);
    if (!key)
        return QString("key 0x%1 (shift %2)").arg(virtualKey, 2, 16, QChar('0')).arg(shiftBits);
    return QKeySequence(QKeyCombination(modifiersFor(shiftBits), *key)).toString();
}

}  // namespace tarnix
