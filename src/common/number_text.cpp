#include "common/number_text.h"

#include "common/errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace tarnix {
namespace {

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

enum class Scan { NotANumber, Exact, NeedsFullConversion };

// Checks the grammar ourselves (from_chars alone would also take "inf",
// "nan" and hexadecimal floats, none of which a part program may hold) and
// converts in the same pass where that is exact (exactDecimalValue).
// Program numbers nearly always take that way.
Scan scanDecimal(std::string_view t, double& value)
{
    constexpr int kMostDigits = 19;

    const std::size_t n = t.size();
    std::size_t i = 0;
    bool negative = false;
    if (i < n && (t[i] == '+' || t[i] == '-')) {
        negative = t[i] == '-';
        ++i;
    }
    std::uint64_t mantissa = 0;
    int significant = 0;  // digits from the first non-zero one
    int exponent = 0;
    std::size_t digits = 0;
    auto addDigit = [&](char c) {
        if (mantissa == 0 && c == '0')
            return;
        if (++significant <= kMostDigits)
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
    };
    for (; i < n && isDigit(t[i]); ++i, ++digits)
        addDigit(t[i]);
    if (i < n && t[i] == '.') {
        for (++i; i < n && isDigit(t[i]); ++i, ++digits) {
            addDigit(t[i]);
            --exponent;
        }
    }
    if (digits == 0)
        return Scan::NotANumber;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (t[i] == '+' || t[i] == '-')) {
            negativeExponent = t[i] == '-';
            ++i;
        }
        std::size_t expDigits = 0;
        int written = 0;
        for (; i < n && isDigit(t[i]); ++i, ++expDigits)
            if (written < 100000)
                written = written * 10 + (t[i] - '0');
        if (expDigits == 0)
            return Scan::NotANumber;
        exponent += negativeExponent ? -written : written;
    }
    if (i != n)
        return Scan::NotANumber;
    if (significant > kMostDigits || !exactDecimalValue(mantissa, exponent, negative, value))
        return Scan::NeedsFullConversion;
    return Scan::Exact;
}

// For a text of isDecimalNumber's grammar: whether its magnitude is below 1,
// told from the digits and the exponent, so any exponent length works.
bool isBelowOne(std::string_view t)
{
    std::size_t i = (t.front() == '+' || t.front() == '-') ? 1 : 0;
    // Decimal exponent of the first significant digit, before the "e" part.
    long long leading = 0;
    bool significant = false;
    for (; i < t.size() && isDigit(t[i]); ++i) {
        significant = significant || t[i] != '0';
        if (significant)
            ++leading;
    }
    if (significant)
        --leading;
    if (i < t.size() && t[i] == '.')
        for (++i; !significant && i < t.size() && isDigit(t[i]); ++i) {
            --leading;
            significant = t[i] != '0';
        }
    while (i < t.size() && isDigit(t[i]))
        ++i;
    if (!significant)
        return true;
    long long exponent = 0;
    if (i < t.size()) {
        ++i;  // "e"
        const bool negative = t[i] == '-';
        if (t[i] == '+' || t[i] == '-')
            ++i;
        constexpr long long kSaturated = 1'000'000'000'000LL;
        for (; i < t.size(); ++i)
            exponent = std::min(kSaturated, exponent * 10 + (t[i] - '0'));
        if (negative)
            exponent = -exponent;
    }
    return leading + exponent < 0;
}
}  // namespace

std::optional<double> tryParseFloat(std::string_view text)
{
    std::string_view t = trimBlanks(text);
    double value = 0;
    const Scan scan = scanDecimal(t, value);
    if (scan == Scan::NotANumber)
        return std::nullopt;
    if (scan == Scan::Exact)
        return value;
    if (t.front() == '+')
        t.remove_prefix(1);  // from_chars takes no plus sign
    const char* last = t.data() + t.size();
    auto [end, ec] = std::from_chars(t.data(), last, value);
    if (ec == std::errc() && end == last)
        return value;
    if (ec != std::errc::result_out_of_range)
        return std::nullopt;
    // Out of a double's range: a value too small to matter reads as zero,
    // one too large is no number.
    if (!isBelowOne(t))
        return std::nullopt;
    return t.front() == '-' ? -0.0 : 0.0;
}

std::optional<std::int32_t> tryParseInt(std::string_view text)
{
    std::string_view t = trimBlanks(text);
    bool plus = !t.empty() && t.front() == '+';
    if (plus)
        t.remove_prefix(1);  // from_chars takes no plus sign
    if (t.empty() || t.front() == '+' || (plus && t.front() == '-'))
        return std::nullopt;
    std::int32_t value = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (ec != std::errc() || end != t.data() + t.size())
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> tryParseIntOrHex(std::string_view text)
{
    std::string_view t = trimBlanks(text);
    if (t.empty() || t.front() != '$')
        return tryParseInt(text);
    t.remove_prefix(1);
    // Unsigned, so from_chars takes no sign after the "$".
    std::uint32_t bits = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), bits, 16);
    if (ec != std::errc() || end != t.data() + t.size())
        return std::nullopt;
    return static_cast<std::int32_t>(bits);
}

double parseFloat(std::string_view text)
{
    if (auto value = tryParseFloat(text))
        return *value;
    throw invalidFloat(text);
}

std::int32_t parseInt(std::string_view text)
{
    if (auto value = tryParseInt(text))
        return *value;
    throw invalidInteger(text);
}

std::int32_t parseIntOrHex(std::string_view text)
{
    if (auto value = tryParseIntOrHex(text))
        return *value;
    throw invalidInteger(text);
}

std::string commasToPoints(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        if (c == ',')
            c = '.';
    return result;
}

}  // namespace tarnix
