#pragma once
// Splits a G-code block into words without allocating.
//
// A word is a maximal run of characters that are not delimiters; its letter
// is the character just before it. The delimiters are the blank, "(", "/",
// ":" and the capital letters except "O" and "U". Lower-case letters, tabs,
// signs, points and ")" belong to a word's text. A run that starts at the
// first character ends the scan, so a block that does not begin with a
// delimiter ("%", "O1000", "g1 x10") has no words at all.
//
// Nearly every word is a plain decimal number: the scan reads it while it
// looks for the word's end, so its text is passed over once.

#include "common/number_text.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tarnix {

struct GCodeWord {
    char letter;
    std::string_view text;
    // The text's value where the text is a plain decimal (sign, digits,
    // point) whose value the scan could give exactly; otherwise empty, and
    // the reader converts the text itself.
    std::optional<double> value;
    // The text is a plain integer of at most nine digits (fits 32 bits).
    bool smallInteger;
};

class GCodeWordScanner {
public:
    explicit GCodeWordScanner(std::string_view block) : block_(block) {}

    // The next word, or false when the block has no more. Inline: it runs
    // for every word of every block.
    bool next(GCodeWord& word)
    {
        const char* const text = block_.data();
        const std::size_t size = block_.size();
        std::size_t start = position_;
        while (start < size && isDelimiter(text[start]))
            ++start;
        if (start >= size || start == 0) {
            position_ = size;
            return false;
        }
        // The number, where the word is one: sign, digits, point, digits.
        // Up to 19 digits the mantissa holds them all, exactly.
        std::size_t i = start;
        const bool negative = text[i] == '-';
        if (negative || text[i] == '+')
            ++i;
        std::uint64_t mantissa = 0;
        const std::size_t firstDigit = i;
        for (; i < size && isDigit(text[i]); ++i)
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(text[i] - '0');
        std::size_t digits = i - firstDigit;
        std::size_t decimals = 0;
        const bool point = i < size && text[i] == '.';
        if (point) {
            const std::size_t firstDecimal = ++i;
            for (; i < size && isDigit(text[i]); ++i)
                mantissa = mantissa * 10 + static_cast<std::uint64_t>(text[i] - '0');
            decimals = i - firstDecimal;
            digits += decimals;
        }
        const bool plain = digits > 0 && digits <= kMostDigits && (i == size || isDelimiter(text[i]));
        std::size_t end = i;
        if (!plain) {
            while (end < size && !isDelimiter(text[end]))
                ++end;
        }
        word.letter = text[start - 1];
        word.text = std::string_view(text + start, end - start);
        double value = 0;
        if (plain && exactDecimalValue(mantissa, -static_cast<int>(decimals), negative, value))
            word.value = value;
        else
            word.value.reset();
        word.smallInteger = plain && !point && digits <= kMostIntegerDigits;
        position_ = end;
        return true;
    }

    static bool isDelimiter(char c) { return kDelimiters[static_cast<unsigned char>(c)]; }

private:
    static bool isDigit(char c) { return static_cast<unsigned char>(c - '0') < 10; }

    static constexpr std::size_t kMostDigits = 19;
    static constexpr std::size_t kMostIntegerDigits = 9;

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
