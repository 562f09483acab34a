#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "text/error.h"
#include "text/numbers.h"

namespace {

std::string integerMessage(const std::string& text)
{
    return "'" + text + "' no es un valor entero v\xE1lido";
}

std::string floatMessage(const std::string& text)
{
    return "'" + text + "' no es un valor punto flotante v\xE1lido";
}

template <typename Parse>
std::string errorTextOf(Parse parse, const std::string& text)
{
    try {
        parse(text);
    } catch (const tt::Error& error) {
        return error.what();
    }
    return "(no error)";
}

TEST(TextParseInteger, AcceptsSignAndDigitsInRange)
{
    const struct {
        std::string text;
        std::int32_t value;
    } cases[] = {
        {"0", 0}, {"7", 7}, {"-7", -7}, {"+7", 7}, {"007", 7}, {"-0", 0},
        {"2147483647", 2147483647}, {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"+2147483647", 2147483647}, {"00000000000000000012", 12},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tt::parseInteger(c.text), c.value) << c.text;
}

TEST(TextParseInteger, RejectsEverythingElseWithTheUsersMessage)
{
    const std::string invalid[] = {
        "", " ", "+", "-", " 7", "7 ", "1 2", "7a", "0x1F", "1.0", "1e3", "--7", "+-7",
        "2147483648", "-2147483649", "99999999999999999999", "\xB9", "\xF1",
    };
    for (const auto& text : invalid)
        EXPECT_EQ(errorTextOf(tt::parseInteger, text), integerMessage(text)) << "'" << text << "'";
}

TEST(TextParseFloat, AcceptsTheNumberForms)
{
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"0", 0.0}, {"2", 2.0}, {"2.", 2.0}, {".5", 0.5}, {"2.5", 2.5}, {"-2.5", -2.5},
        {"+2.5", 2.5}, {"1e3", 1000.0}, {"1E3", 1000.0}, {"1e+3", 1000.0}, {"25e-1", 2.5},
        {"-.5E1", -5.0}, {"2.E2", 200.0}, {"1.7976931348623157e308", 1.7976931348623157e308},
        {"007.50", 7.5},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(tt::parseFloat(c.text), c.value) << c.text;
}

TEST(TextParseFloat, ValuesTooSmallForADoubleBecomeZero)
{
    EXPECT_EQ(tt::parseFloat("1E-999"), 0.0);
    EXPECT_EQ(tt::parseFloat("0.0000001e-400"), 0.0);
    EXPECT_TRUE(std::signbit(tt::parseFloat("-1e-999")));
    EXPECT_EQ(tt::parseFloat("0e999"), 0.0);  // zero is zero whatever the exponent
}

TEST(TextParseFloat, RejectsEverythingElseWithTheUsersMessage)
{
    const std::string invalid[] = {
        "", " ", ".", "-", "+", "-.", "e3", ".e3", "1e", "1e+", "1e-", "1 ", " 1", "1,5", "2,",
        "1.2.3", "1e3.5", "inf", "-inf", "nan", "infinity", "0x1p3", "1e999", "-1E999",
        "1.8e308", "100000e304", "++1", "1d3", "1f",
    };
    for (const auto& text : invalid)
        EXPECT_EQ(errorTextOf(tt::parseFloat, text), floatMessage(text)) << "'" << text << "'";
}

// Restores the numeric locale of the process at the end of a test.
class NumericLocaleGuard {
public:
    NumericLocaleGuard() : saved_(std::setlocale(LC_NUMERIC, nullptr)) {}
    ~NumericLocaleGuard() { std::setlocale(LC_NUMERIC, saved_.c_str()); }
    NumericLocaleGuard(const NumericLocaleGuard&) = delete;
    NumericLocaleGuard& operator=(const NumericLocaleGuard&) = delete;

private:
    std::string saved_;
};

TEST(TextParseFloat, PointIsTheSeparatorWhateverTheLocale)
{
    NumericLocaleGuard guard;
    const char* commaLocales[] = {"es_ES.UTF-8", "es_ES.utf8", "es_ES", "de_DE.UTF-8", "fr_FR.UTF-8"};
    bool set = false;
    for (const char* name : commaLocales) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            set = true;
            break;
        }
    }
    if (!set)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_DOUBLE_EQ(tt::parseFloat("2.5"), 2.5);
    EXPECT_EQ(errorTextOf(tt::parseFloat, "2,5"), floatMessage("2,5"));
    EXPECT_EQ(tt::formatInteger(-1234567), "-1234567");
}

TEST(TextFormatInteger, WritesDecimalWithMinus)
{
    EXPECT_EQ(tt::formatInteger(0), "0");
    EXPECT_EQ(tt::formatInteger(42), "42");
    EXPECT_EQ(tt::formatInteger(-42), "-42");
    EXPECT_EQ(tt::formatInteger(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(tt::formatInteger(std::numeric_limits<std::int64_t>::max()), "9223372036854775807");
}

}  // namespace
