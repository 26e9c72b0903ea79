#pragma once
// Windows virtual-key codes and the 1/2/4 shift bits, as "key.ini" keeps
// them, to and from Qt's keys and modifiers: one table for both ways.

#include <QKeyCombination>
#include <QString>

#include <cstdint>
#include <optional>

namespace tarnix {

std::optional<Qt::Key> qtKeyFor(std::uint16_t virtualKey);
std::optional<std::uint16_t> virtualKeyFor(Qt::Key key);

std::uint8_t shiftBitsFor(Qt::KeyboardModifiers modifiers);
Qt::KeyboardModifiers modifiersFor(std::uint8_t shiftBits);

// "Ctrl+Shift+K", or the code in hex when Qt has no key for it.
QString keystrokeText(std::uint16_t virtualKey, std::uint8_t shiftBits);

}  // namespace tarnix
