#include "text/numbers.h"

#include <charconv>
#include <system_error>

#include "text/error.h"

namespace tt {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Moves past a run of digits and tells how many there were.
std::size_t skipDigits(std::string_view text, std::size_t& pos)
{
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos - start;
}

bool hasSign(std::string_view text)
{
    return !text.empty() && (text[0] == '+' || text[0] == '-');
}

[[noreturn]] void throwInvalidInteger(std::string_view text)
{
    throw Error("'" + std::string(text) + "' no es un valor entero v\xE1lido");
}

[[noreturn]] void throwInvalidFloat(std::string_view text)
{
    throw Error("'" + std::string(text) + "' no es un valor punto flotante v\xE1lido");
}

// Whether the text is: sign, digits with an optional point and fraction
// (at least one digit on some side of the point), optional exponent.
bool isFloatSyntax(std::string_view text)
{
    std::size_t pos = hasSign(text) ? 1 : 0;
    std::size_t digits = skipDigits(text, pos);
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        digits += skipDigits(text, pos);
    }
    if (digits == 0)
        return false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            ++pos;
        if (skipDigits(text, pos) == 0)
            return false;
    }
    return pos == text.size();
}

// For a well-formed float text out of the double range: whether it is
// too small (below 1 in magnitude) rather than too large. The decimal
// exponent of its first significant digit decides.
bool isBelowRange(std::string_view text)
{
    std::size_t pos = hasSign(text) ? 1 : 0;
    long long integerDigits = 0;
    long long digitIndex = 0;
    long long firstSignificant = -1;
    bool seenPoint = false;
    for (; pos < text.size() && text[pos] != 'e' && text[pos] != 'E'; ++pos) {
        if (text[pos] == '.') {
            seenPoint = true;
            continue;
        }
        if (!seenPoint)
            ++integerDigits;
        if (firstSignificant < 0 && text[pos] != '0')
            firstSignificant = digitIndex;
        ++digitIndex;
    }
    if (firstSignificant < 0)
        return true;

    long long exponent = 0;
    bool negativeExponent = false;
    if (pos < text.size()) {
        ++pos;
        negativeExponent = text[pos] == '-';
        if (text[pos] == '+' || text[pos] == '-')
            ++pos;
        for (; pos < text.size(); ++pos) {
            if (exponent < 1000000)  // far beyond any double; stops overflow
                exponent = exponent * 10 + (text[pos] - '0');
        }
    }
    if (negativeExponent)
        exponent = -exponent;
    return integerDigits - 1 - firstSignificant + exponent < 0;
}

}  // namespace

std::int32_t parseInteger(std::string_view text)
{
    const std::size_t start = hasSign(text) ? 1 : 0;
    std::size_t pos = start;
    if (skipDigits(text, pos) == 0 || pos != text.size())
        throwInvalidInteger(text);
    // from_chars takes a minus sign but not a plus sign.
    const std::string_view number = (text[0] == '+') ? text.substr(1) : text;
    std::int32_t value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc() || result.ptr != number.data() + number.size())
        throwInvalidInteger(text);
    return value;
}

double parseFloat(std::string_view text)
{
    if (!isFloatSyntax(text))
        throwInvalidFloat(text);
    const std::string_view number = (text[0] == '+') ? text.substr(1) : text;
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range && isBelowRange(number))
        return number[0] == '-' ? -0.0 : 0.0;
    if (result.ec != std::errc() || result.ptr != number.data() + number.size())
        throwInvalidFloat(text);
    return value;
}

std::string formatInteger(std::int64_t value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace tt
