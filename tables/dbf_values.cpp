#include "tables/dbf_values.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "tables/byte_order.h"
#include "tables/calendar.h"
#include "text/error.h"

namespace tt {

namespace {

std::string fieldLabel(const FieldPlace& place)
{
    return "El campo " + place.field.name + " de la tabla " + place.table;
}

[[noreturn]] void throwFieldError(const FieldPlace& place, const std::string& fault)
{
    throw Error(fieldLabel(place) + " " + fault);
}

[[noreturn]] void throwUnknownType(const FieldPlace& place)
{
    throwFieldError(place, std::string("es de un tipo desconocido ('") + place.field.type + "')");
}

bool isPadding(char c)
{
    return c == ' ' || c == '\0';
}

std::string_view trimRight(std::string_view text)
{
    while (!text.empty() && isPadding(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view trimBoth(std::string_view text)
{
    text = trimRight(text);
    while (!text.empty() && isPadding(text.front()))
        text.remove_prefix(1);
    return text;
}

bool isMemoType(const FieldPlace& place)
{
    const char type = place.field.type;
    return type == 'M' || type == 'G' || type == 'P' || (type == 'B' && place.family != DbfFamily::VisualFoxPro);
}

// The bytes of a binary field, after checking the width its type needs.
const char* binaryBytes(const FieldPlace& place, std::string_view bytes, std::size_t width)
{
    if (bytes.size() != width)
        throwFieldError(place, "tiene un ancho (" + std::to_string(bytes.size()) + ") que no corresponde a su tipo '" +
                                   std::string(1, place.field.type) + "'");
    return bytes.data();
}

// A number as the field holds it.
struct Number {
    enum class Kind { Blank, Whole, Real, Invalid } kind = Kind::Blank;
    std::int64_t whole = 0;
    double real = 0;

    static Number ofWhole(std::int64_t value) { return {Kind::Whole, value, 0}; }
    static Number ofReal(double value) { return {Kind::Real, 0, value}; }
};

bool isWholeSyntax(std::string_view text)
{
    std::size_t pos = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    if (pos == text.size())
        return false;
    for (; pos < text.size(); ++pos)
        if (text[pos] < '0' || text[pos] > '9')
            return false;
    return true;
}

// Numbers written as text, in the C locale, as dBase writes them.
Number parseNumberText(std::string_view text)
{
    text = trimBoth(text);
    if (text.empty())
        return {};
    std::string_view digits = text;
    if (digits.size() > 1 && digits[0] == '+')
        digits.remove_prefix(1);
    const char* end = digits.data() + digits.size();
    if (isWholeSyntax(text)) {
        std::int64_t whole = 0;
        const auto [stop, status] = std::from_chars(digits.data(), end, whole);
        if (status == std::errc() && stop == end)
            return Number::ofWhole(whole);
    }
    double real = 0;
    const auto [stop, status] = std::from_chars(digits.data(), end, real);
    if (status != std::errc() || stop != end || !std::isfinite(real))
        return {Number::Kind::Invalid, 0, 0};
    return Number::ofReal(real);
}

std::int32_t signFlippedLong(const char* p)
{
    return static_cast<std::int32_t>(readBig32(p) ^ 0x80000000u);
}

// dBase 7 keeps doubles big-endian so that their bytes sort like their
// values: positives with the sign bit set, negatives with all bits inverted.
double orderedDouble(const char* p)
{
    std::uint64_t bits = readBig64(p);
    bits = (bits & 0x8000000000000000ull) ? (bits ^ 0x8000000000000000ull) : ~bits;
    return std::bit_cast<double>(bits);
}

std::int32_t binaryInteger(const FieldPlace& place, std::string_view bytes)
{
    const char* p = binaryBytes(place, bytes, 4);
    if (place.field.type == '+' || place.family == DbfFamily::Level7)
        return signFlippedLong(p);
    return static_cast<std::int32_t>(readLittle32(p));
}

Number currency(const FieldPlace& place, std::string_view bytes)
{
    const auto units = static_cast<std::int64_t>(readLittle64(binaryBytes(place, bytes, 8)));
    if (units % 10000 == 0)
        return Number::ofWhole(units / 10000);
    return Number::ofReal(static_cast<double>(units) / 10000.0);
}

Number decodeNumber(const FieldPlace& place, std::string_view bytes)
{
    switch (place.field.type) {
    case 'N':
    case 'F':
    case 'C':
        return parseNumberText(bytes);
    case 'I':
    case '+':
        return Number::ofWhole(binaryInteger(place, bytes));
    case 'O':
        return Number::ofReal(orderedDouble(binaryBytes(place, bytes, 8)));
    case 'B':
        if (place.family == DbfFamily::VisualFoxPro)
            return Number::ofReal(std::bit_cast<double>(readLittle64(binaryBytes(place, bytes, 8))));
        break;
    case 'Y':
        return currency(place, bytes);
    case 'L':
    case 'D':
    case 'T':
    case '@':
    case 'M':
    case 'G':
    case 'P':
        break;
    default:
        throwUnknownType(place);
    }
    throwFieldError(place, std::string("no es num\xE9rico (tipo '") + place.field.type + "')");
}

Number checkedNumber(const FieldPlace& place, std::string_view bytes)
{
    const Number number = decodeNumber(place, bytes);
    if (number.kind == Number::Kind::Invalid)
        throwFieldError(place, "contiene '" + std::string(trimBoth(bytes)) + "', que no es un n\xFAmero");
    return number;
}

std::string shortestText(double value)
{
    if (value == 0)
        value = 0;  // no "-0"
    // Plain digits, as the field shows them, unless that would be very long.
    const double magnitude = std::fabs(value);
    const bool plain = magnitude == 0 || (magnitude >= 1e-6 && magnitude < 1e17);
    char buffer[64];
    const auto result = plain ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
                              : std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string currencyText(const FieldPlace& place, std::string_view bytes)
{
    const auto units = static_cast<std::int64_t>(readLittle64(binaryBytes(place, bytes, 8)));
    const bool negative = units < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    std::string text = (negative ? "-" : "") + std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(magnitude % 10000 + 10000).substr(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    return fraction.empty() ? text : text + "." + fraction;
}

std::string numberText(const FieldPlace& place, std::string_view bytes)
{
    const Number number = decodeNumber(place, bytes);
    switch (number.kind) {
    case Number::Kind::Blank:
        return "";
    case Number::Kind::Whole:
        return std::to_string(number.whole);
    case Number::Kind::Real:
        return shortestText(number.real);
    case Number::Kind::Invalid:
        break;
    }
    return std::string(trimBoth(bytes));  // shown as it is
}

std::string logicalText(std::string_view bytes)
{
    switch (bytes.empty() ? ' ' : bytes[0]) {
    case 'T':
    case 't':
    case 'Y':
    case 'y':
        return "True";
    case 'F':
    case 'f':
    case 'N':
    case 'n':
        return "False";
    default:
        return "";
    }
}

std::string dateText(std::string_view bytes)
{
    const std::string_view text = trimBoth(bytes);
    if (text.empty() || text.find_first_not_of('0') == std::string_view::npos)
        return "";
    if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::string(text);
    return std::string(text.substr(6, 2)) + "/" + std::string(text.substr(4, 2)) + "/" + std::string(text.substr(0, 4));
}

// dBase 7 writes the two longs of a timestamp as plain big-endian numbers
// or with the sign bit flipped like its Long fields; valid values are
// positive and below 2^31, so the top bit tells which.
std::uint32_t timestampPart(const char* p)
{
    return readBig32(p) & 0x7FFFFFFFu;
}

std::string textOf(const FieldPlace& place, std::string_view bytes)
{
    switch (place.field.type) {
    case 'C':
        return std::string(trimRight(bytes));
    case 'N':
    case 'F':
    case 'I':
    case '+':
    case 'O':
    case 'Y':
        return place.field.type == 'Y' ? currencyText(place, bytes) : numberText(place, bytes);
    case 'L':
        return logicalText(bytes);
    case 'D':
        return dateText(bytes);
    case 'T': {
        const char* p = binaryBytes(place, bytes, 8);
        return dateTimeText(readLittle32(p), readLittle32(p + 4));
    }
    case '@': {
        const char* p = binaryBytes(place, bytes, 8);
        return dateTimeText(timestampPart(p), timestampPart(p + 4));
    }
    case 'B':
        if (place.family == DbfFamily::VisualFoxPro)
            return numberText(place, bytes);
        return "";
    default:
        if (isMemoType(place))
            return "";
        throwUnknownType(place);
    }
}

void checkWritable(const FieldPlace& place)
{
    const char type = place.field.type;
    if (type != 'C' && type != 'N' && type != 'F' && type != 'L')
        throwFieldError(place, std::string("es de tipo '") + type + "', en el que no se puede escribir");
}

void putRightAligned(const FieldPlace& place, char* bytes, std::string_view text)
{
    const std::size_t width = place.field.width;
    if (text.size() > width)
        throwFieldError(place, "no tiene cabida para el valor " + std::string(text));
    std::memset(bytes, ' ', width - text.size());
    std::memcpy(bytes + (width - text.size()), text.data(), text.size());
}

// The shortest exponent form that fits the width, "1.2345E+25".
bool fitExponent(double value, std::size_t width, std::string& text)
{
    for (int precision = static_cast<int>(width); precision >= 0; --precision) {
        char buffer[64];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                                          precision);
        if (result.ec != std::errc() || static_cast<std::size_t>(result.ptr - buffer) > width)
            continue;
        text.assign(buffer, result.ptr);
        for (char& c : text)
            if (c == 'e')
                c = 'E';
        return true;
    }
    return false;
}

}  // namespace

std::string readText(const FieldPlace& place, std::string_view bytes)
{
    return textOf(place, bytes);
}

std::int32_t readInteger(const FieldPlace& place, std::string_view bytes)
{
    const Number number = checkedNumber(place, bytes);
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    if (number.kind == Number::Kind::Blank)
        return 0;
    if (number.kind == Number::Kind::Real && number.real != std::trunc(number.real))
        throwFieldError(place, "contiene " + shortestText(number.real) + ", que no es un n\xFAmero entero");
    const double value = number.kind == Number::Kind::Whole ? static_cast<double>(number.whole) : number.real;
    if (!(value >= low && value <= high))
        throwFieldError(place, "contiene " + numberText(place, bytes) + ", fuera del rango de los enteros");
    return static_cast<std::int32_t>(number.kind == Number::Kind::Whole ? number.whole : static_cast<std::int64_t>(value));
}

double readFloat(const FieldPlace& place, std::string_view bytes)
{
    const Number number = checkedNumber(place, bytes);
    if (number.kind == Number::Kind::Whole)
        return static_cast<double>(number.whole);
    return number.real;
}

bool textEquals(const FieldPlace& place, std::string_view bytes, std::string_view value)
{
    if (place.field.type == 'C')
        return trimRight(bytes) == value;
    return textOf(place, bytes) == value;
}

void writeText(const FieldPlace& place, char* bytes, std::string_view value)
{
    checkWritable(place);
    const std::size_t width = place.field.width;
    const char type = place.field.type;
    if (type == 'C') {
        const std::size_t kept = value.size() < width ? value.size() : width;
        if (kept > 0)  // an empty view may have no data pointer at all
            std::memcpy(bytes, value.data(), kept);
        std::memset(bytes + kept, ' ', width - kept);
        return;
    }
    if (type == 'L') {
        const std::string_view text = trimBoth(value);
        if (text.empty())
            bytes[0] = ' ';
        else if (std::string_view("TtYySs").find(text[0]) != std::string_view::npos)
            bytes[0] = 'T';
        else if (std::string_view("FfNn").find(text[0]) != std::string_view::npos)
            bytes[0] = 'F';
        else
            throwFieldError(place, "no admite el valor '" + std::string(value) + "' (l\xF3gico)");
        return;
    }
    const Number number = parseNumberText(value);
    switch (number.kind) {
    case Number::Kind::Blank:
        std::memset(bytes, ' ', width);
        return;
    case Number::Kind::Whole:
        if (place.field.decimals == 0)
            return putRightAligned(place, bytes, std::to_string(number.whole));
        return writeFloat(place, bytes, static_cast<double>(number.whole));
    case Number::Kind::Real:
        return writeFloat(place, bytes, number.real);
    case Number::Kind::Invalid:
        break;
    }
    throwFieldError(place, "no admite el valor '" + std::string(value) + "', que no es un n\xFAmero");
}

void writeBoolean(const FieldPlace& place, char* bytes, bool value)
{
    if (place.field.type != 'L')
        throwFieldError(place, "no es l\xF3gico");
    bytes[0] = value ? 'T' : 'F';
}

void writeFloat(const FieldPlace& place, char* bytes, double value)
{
    checkWritable(place);
    if (place.field.type != 'N' && place.field.type != 'F')
        throwFieldError(place, "no es num\xE9rico");
    if (!std::isfinite(value))
        throwFieldError(place, "no admite un valor no finito");
    if (value == 0)
        value = 0;  // no "-0.0000"
    char buffer[400];
    const auto fixed = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                     place.field.decimals);
    const std::size_t width = place.field.width;
    if (fixed.ec == std::errc() && static_cast<std::size_t>(fixed.ptr - buffer) <= width)
        return putRightAligned(place, bytes, std::string_view(buffer, fixed.ptr - buffer));
    std::string exponent;
    if (place.field.decimals == 0 || !fitExponent(value, width, exponent))
        throwFieldError(place, "no tiene cabida para el valor " + shortestText(value));
    putRightAligned(place, bytes, exponent);
}

}  // namespace tt
