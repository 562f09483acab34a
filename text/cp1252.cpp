#include "text/cp1252.h"

#include <array>
#include <cstdint>

namespace tt {

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the code page equals
// Latin-1. The five undefined bytes keep their own value (C1 controls).
constexpr std::array<char16_t, 32> kHighControlsBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t decodeByte(char byte)
{
    const auto value = static_cast<unsigned char>(byte);
    if (value >= 0x80 && value <= 0x9F)
        return kHighControlsBlock[value - 0x80];
    return value;
}

// The byte of a code point, or '?' when the code page lacks it.
char encodeCodePoint(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    for (std::size_t i = 0; i < kHighControlsBlock.size(); ++i) {
        if (kHighControlsBlock[i] == codePoint)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

void appendUtf8(std::string& out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Reads one UTF-8 character at `pos` and moves past it. A malformed
// sequence yields U+FFFD and moves past its longest valid beginning (at
// least one byte), so that the next character is read afresh.
char32_t readUtf8(std::string_view utf8, std::size_t& pos)
{
    constexpr char32_t kMalformed = 0xFFFD;
    const auto lead = static_cast<unsigned char>(utf8[pos++]);
    if (lead < 0x80)
        return lead;

    std::size_t length = 0;
    char32_t codePoint = 0;
    unsigned char secondMin = 0x80;
    unsigned char secondMax = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        if (lead == 0xE0) secondMin = 0xA0;  // no overlong forms
        if (lead == 0xED) secondMax = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        if (lead == 0xF0) secondMin = 0x90;  // no overlong forms
        if (lead == 0xF4) secondMax = 0x8F;  // nothing above U+10FFFF
    } else {
        return kMalformed;
    }

    for (std::size_t i = 1; i < length; ++i) {
        if (pos >= utf8.size())
            return kMalformed;
        const auto byte = static_cast<unsigned char>(utf8[pos]);
        const bool valid = (i == 1) ? (byte >= secondMin && byte <= secondMax) : isContinuation(byte);
        if (!valid)
            return kMalformed;
        codePoint = (codePoint << 6) | (byte & 0x3F);
        ++pos;
    }
    return codePoint;
}

}  // namespace

void decodeCp1252Into(std::string_view bytes, std::u16string& out)
{
    out.resize(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out[i] = decodeByte(bytes[i]);
}

std::u16string decodeCp1252(std::string_view bytes)
{
    std::u16string result;
    decodeCp1252Into(bytes, result);
    return result;
}

std::string cp1252ToUtf8(std::string_view bytes)
{
    std::string result;
    result.reserve(bytes.size() + bytes.size() / 4);
    for (char byte : bytes)
        appendUtf8(result, decodeByte(byte));
    return result;
}

std::string utf8ToCp1252(std::string_view utf8)
{
    std::string result;
    result.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size())
        result += encodeCodePoint(readUtf8(utf8, pos));
    return result;
}

}  // namespace tt
