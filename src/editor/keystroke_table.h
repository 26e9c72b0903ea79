#pragma once
// The editor's keystroke table: a key with its shift state, optionally
// followed by a second key, runs an editor command. Keys are Windows
// virtual-key codes and shift states the bits below, as "key.ini" stores
// them; commands are the editor component's command numbers.

#include <cstdint>
#include <optional>
#include <vector>

namespace tarnix {

enum TShiftBits : std::uint8_t { ssShift = 1, ssAlt = 2, ssCtrl = 4 };

struct TSynEditKeyStroke {
    std::uint16_t Key = 0;
    std::uint8_t Shift = 0;
    std::uint16_t Key2 = 0;  // 0: a single key
    std::uint8_t Shift2 = 0;
    std::uint16_t Command = 0;

    bool operator==(const TSynEditKeyStroke&) const = default;
};

using TSynEditKeyStrokes = std::vector<TSynEditKeyStroke>;

// The editor component's own default table, in its order, except that
// context help is on Ctrl+F1: F1 belongs to the window.
TSynEditKeyStrokes defaultKeystrokes();

// Follows the keys pressed in the editor through the table. The first
// record that matches, in table order, wins.
class KeystrokeMatcher {
public:
    struct Outcome {
        enum Kind { NoMatch, SequenceStarted, Command } kind = NoMatch;
        std::uint16_t command = 0;
    };

    // A key press. A pending first key is completed by a record naming both
    // keys; when none does, the pending key is dropped and this key is
    // looked up on its own.
    Outcome press(const TSynEditKeyStrokes& table, std::uint16_t key, std::uint8_t shift);

private:
    std::optional<std::pair<std::uint16_t, std::uint8_t>> pending_;
};

}  // namespace tarnix
