#include <gtest/gtest.h>

#include <string>

#include "text/bytes.h"

namespace {

struct TrimCase {
    std::string input;
    std::string expected;
};

TEST(TextTrimControl, RemovesBytesUpTo32FromBothEndsOnly)
{
    const TrimCase cases[] = {
        {"", ""},
        {"   ", ""},
        {"abc", "abc"},
        {"  abc  ", "abc"},
        {"\t\r\nabc\x1A\x1F", "abc"},
        {std::string("\0a b\0", 5), "a b"},           // byte 0 is a control too
        {"\x20" "a\x21", "a\x21"},                     // 33 ('!') stays
        {"\xA0" "a\xA0", "\xA0" "a\xA0"},              // no-break space is above 127: stays
        {"a  b", "a  b"},                              // inner blanks stay
        {" \xF1 ", "\xF1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tt::trimControl(c.input), c.expected) << "input: '" << c.input << "'";
}

struct CaseConversionCase {
    std::string input;
    std::string upper;
    std::string lower;
};

TEST(TextAsciiCase, ChangesOnlyAsciiLetters)
{
    const CaseConversionCase cases[] = {
        {"", "", ""},
        {"abcXYZ", "ABCXYZ", "abcxyz"},
        {"az@[`{AZ", "AZ@[`{AZ", "az@[`{az"},            // neighbours of the letter ranges
        {"\xF1\xD1", "\xF1\xD1", "\xF1\xD1"},            // ñ and Ñ untouched
        {"espa\xF1ol", "ESPA\xF1OL", "espa\xF1ol"},
        {"\xE1\xC1" "09", "\xE1\xC1" "09", "\xE1\xC1" "09"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tt::upperAscii(c.input), c.upper) << c.input;
        EXPECT_EQ(tt::lowerAscii(c.input), c.lower) << c.input;
    }
}

TEST(TextAsciiCase, EqualityIgnoresOnlyAsciiCase)
{
    EXPECT_TRUE(tt::equalsIgnoringAsciiCase("gepa_grupo.txt", "GEPA_GRUPO.TXT"));
    EXPECT_TRUE(tt::equalsIgnoringAsciiCase("", ""));
    EXPECT_FALSE(tt::equalsIgnoringAsciiCase("gepa_grupo.txt", "GEPA_GRUPOS.TXT"));
    EXPECT_FALSE(tt::equalsIgnoringAsciiCase("\xF1", "\xD1"));
    EXPECT_FALSE(tt::equalsIgnoringAsciiCase("@", "`"));  // differ by 32 but are not letters
}

}  // namespace
