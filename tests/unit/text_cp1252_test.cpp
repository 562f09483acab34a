#include <gtest/gtest.h>

#include <string>

#include "text/cp1252.h"

namespace {

TEST(TextCp1252, DecodesTheWholeCodePage)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::u16string decoded = tt::decodeCp1252(all);
    ASSERT_EQ(decoded.size(), 256u);
    for (int b = 0; b < 0x80; ++b)
        EXPECT_EQ(decoded[b], b);
    for (int b = 0xA0; b < 0x100; ++b)
        EXPECT_EQ(decoded[b], b) << b;

    const struct {
        int byte;
        char16_t codePoint;
    } high[] = {
        {0x80, 0x20AC}, {0x82, 0x201A}, {0x83, 0x0192}, {0x84, 0x201E}, {0x85, 0x2026},
        {0x86, 0x2020}, {0x87, 0x2021}, {0x88, 0x02C6}, {0x89, 0x2030}, {0x8A, 0x0160},
        {0x8B, 0x2039}, {0x8C, 0x0152}, {0x8E, 0x017D}, {0x91, 0x2018}, {0x92, 0x2019},
        {0x93, 0x201C}, {0x94, 0x201D}, {0x95, 0x2022}, {0x96, 0x2013}, {0x97, 0x2014},
        {0x98, 0x02DC}, {0x99, 0x2122}, {0x9A, 0x0161}, {0x9B, 0x203A}, {0x9C, 0x0153},
        {0x9E, 0x017E}, {0x9F, 0x0178},
        // undefined in the code page: the C1 control of the same value
        {0x81, 0x0081}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x9D, 0x009D},
    };
    for (const auto& h : high)
        EXPECT_EQ(decoded[h.byte], h.codePoint) << std::hex << h.byte;
}

TEST(TextCp1252, Utf8RoundTripKeepsEveryByte)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(tt::utf8ToCp1252(tt::cp1252ToUtf8(all)), all);
}

TEST(TextCp1252, EncodesToKnownUtf8)
{
    EXPECT_EQ(tt::cp1252ToUtf8("a\xF1\xD1"), "a\xC3\xB1\xC3\x91");
    EXPECT_EQ(tt::cp1252ToUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(tt::cp1252ToUtf8("\x9F"), "\xC5\xB8");
    EXPECT_EQ(tt::cp1252ToUtf8("\x81"), "\xC2\x81");
    EXPECT_EQ(tt::cp1252ToUtf8(""), "");
}

struct Utf8Case {
    std::string utf8;
    std::string expected;
    const char* what;
};

TEST(TextCp1252, Utf8ToCp1252MarksWhatItCannotHold)
{
    const Utf8Case cases[] = {
        {"Espa\xC3\xB1" "a", "Espa\xF1" "a", "two-byte letter"},
        {"\xE2\x82\xAC" "5", "\x80" "5", "euro sign"},
        {"\xE2\x84\xA2", "\x99", "trade mark"},
        {"\xE4\xB8\xAD", "?", "CJK character"},
        {"\xF0\x9F\x98\x80" "x", "?x", "four-byte emoji"},
        {"\xC2\x80", "?", "U+0080 is not in the code page"},
        {"\xC2\x81", "\x81", "U+0081 is byte 0x81"},
        {"a\xFF" "b", "a?b", "invalid lead byte"},
        {"a\x80" "b", "a?b", "lone continuation byte"},
        {"a\xC3", "a?", "cut two-byte sequence at the end"},
        {"\xE2\x82" "b", "?b", "cut three-byte sequence before ASCII"},
        {"\xC0\xAF", "??", "overlong slash"},
        {"\xE0\x80\xAF", "???", "overlong three-byte form"},
        {"\xED\xA0\x80", "???", "surrogate"},
        {"\xF4\x90\x80\x80", "????", "above U+10FFFF"},
        {"\xC3" "\xC3\xB1", "?\xF1", "cut sequence followed by a good one"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tt::utf8ToCp1252(c.utf8), c.expected) << c.what;
}

TEST(TextCp1252, DecodeIntoReplacesTheBuffer)
{
    std::u16string buffer = u"long previous content";
    tt::decodeCp1252Into("\xD1o", buffer);
    EXPECT_EQ(buffer, u"\u00D1o");
}

}  // namespace
