#pragma once
// Splits a G-code block into words without allocating.
//
// A word is a maximal run of characters that are not delimiters; its letter
// is the character just before it. The delimiters are the blank, "(", "/",
// ":" and the capital letters except "O" and "U". Lower-case letters, tabs,
// signs, points and ")" belong to a word's text. A run that starts at the
// first character ends the scan, so a block that does not begin with a
// delimiter ("%", "O1000", "g1 x10") has no words at all.

#include <array>
#include <string_view>

namespace tarnix {

struct GCodeWord {
    char letter;
    std::string_view text;
};

class GCodeWordScanner {
public:
    explicit GCodeWordScanner(std::string_view block) : block_(block) {}

    // The next word, or false when the block has no more.
    bool next(GCodeWord& word);

    static bool isDelimiter(char c) { return kDelimiters[static_cast<unsigned char>(c)]; }

private:
    // A table: the scan looks at every character of every block.
    static constexpr auto kDelimiters = [] {
        std::array<bool, 256> table{};
        for (int c = 'A'; c <= 'Z'; ++c)
            table[c] = c != 'O' && c != 'U';
        for (unsigned char c : {' ', '(', '/', ':'})
            table[c] = true;
        return table;
    }();

    std::string_view block_;
    std::size_t position_ = 0;
};

}  // namespace tarnix
