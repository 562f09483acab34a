#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <unicode/locid.h>

#include "text/code_list.h"
#include "text/collation_locale.h"

namespace {

int sign(int value)
{
    return (value > 0) - (value < 0);
}

int keyOrder(const tt::LocaleComparison& comparison, const std::string& a, const std::string& b)
{
    const std::string keyA = comparison.sortKey(a);
    const std::string keyB = comparison.sortKey(b);
    return keyA < keyB ? -1 : (keyA == keyB ? 0 : 1);
}

struct OrderCase {
    std::string a;
    std::string b;
    int expected;  // -1: a before b, 0: equal, 1: a after b
};

TEST(TextLocaleComparison, IgnoresCaseButNotAccents)
{
    const tt::LocaleComparison comparison;
    const OrderCase cases[] = {
        {"abcd", "ABCD", 0},
        {"AbCd", "aBcD", 0},
        {"\xD1", "\xF1", 0},                        // Ñ = ñ
        {"espa\xF1" "a", "ESPA\xD1" "A", 0},
        {"\xC1", "\xE1", 0},                        // Á = á
        {"a", "\xE1", -1},                          // a before á
        {"\xE1", "a", 1},
        {"a", "b", -1},
        {"B", "a", 1},
        {"0800", "0855", -1},                       // digits in plain character order
        {"0855", "1000", -1},
        {"1000", "900", -1},
        {"08", "0800", -1},                         // a beginning sorts first
        {"", "a", -1},
        {"a b", "a b", 0},
        {"a b", "ab", -1},                          // the blank counts
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sign(comparison.compare(c.a, c.b)), c.expected) << c.a << " / " << c.b;
        EXPECT_EQ(keyOrder(comparison, c.a, c.b), c.expected) << "keys of " << c.a << " / " << c.b;
    }
}

TEST(TextLocaleComparison, LongTextsGetWholeSortKeys)
{
    const tt::LocaleComparison comparison;
    const std::string lower(700, 'x');
    const std::string upper(700, 'X');
    EXPECT_EQ(comparison.sortKey(lower), comparison.sortKey(upper));
    EXPECT_NE(comparison.sortKey(lower), comparison.sortKey(lower + "y"));
    EXPECT_NE(comparison.sortKey(lower + "a"), comparison.sortKey(lower + "\xE1"));
    EXPECT_GT(comparison.sortKey(lower).size(), 700u);
}

TEST(TextLocaleComparison, ViewAndCopyOfTheKeyAgree)
{
    const tt::LocaleComparison comparison;
    const std::string copy = comparison.sortKey("Gepa");
    EXPECT_EQ(std::string(comparison.sortKeyView("gEPA")), copy);
    EXPECT_EQ(copy.find('\0'), std::string::npos);  // the final zero of ICU's key is left out
}

TEST(TextCollationLocale, NoLocaleMeansTheRootCollation)
{
    const char* noLocale[] = {"en_US_POSIX", "de_DE_POSIX", "", "c", "C"};
    for (const char* name : noLocale)
        EXPECT_EQ(tt::collationLocale(icu::Locale(name)), icu::Locale::getRoot()) << "'" << name << "'";
    const char* userLocales[] = {"es_ES", "es", "ca_ES", "en_US", "en_GB"};
    for (const char* name : userLocales)
        EXPECT_EQ(tt::collationLocale(icu::Locale(name)), icu::Locale(name)) << name;
}

// Sets ICU's default locale for one test and restores the previous one.
class DefaultLocaleGuard {
public:
    explicit DefaultLocaleGuard(const char* name) : saved_(icu::Locale::getDefault())
    {
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale::setDefault(icu::Locale(name), status);
        EXPECT_TRUE(U_SUCCESS(status));
    }
    ~DefaultLocaleGuard()
    {
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale::setDefault(saved_, status);
    }
    DefaultLocaleGuard(const DefaultLocaleGuard&) = delete;
    DefaultLocaleGuard& operator=(const DefaultLocaleGuard&) = delete;

private:
    icu::Locale saved_;
};

TEST(TextLocaleComparison, PosixDefaultLocaleStillIgnoresCase)
{
    const DefaultLocaleGuard guard("en_US_POSIX");
    const tt::LocaleComparison comparison;
    EXPECT_EQ(comparison.compare("a", "A"), 0);
    EXPECT_GT(comparison.compare("Zeta", "alfa"), 0);  // not capitals first
    EXPECT_EQ(comparison.sortKey("abcd"), comparison.sortKey("ABCD"));
}

TEST(TextLocaleComparison, FollowsTheUsersLocale)
{
    // Spanish sorts ñ as a letter of its own after n; the root collation
    // takes it for an n with an accent.
    {
        const DefaultLocaleGuard guard("es_ES");
        const tt::LocaleComparison comparison;
        EXPECT_GT(comparison.compare("\xF1" "a", "nb"), 0);
        EXPECT_EQ(comparison.compare("\xF1" "a", "\xD1" "A"), 0);
    }
    {
        const DefaultLocaleGuard guard("en_US_POSIX");
        const tt::LocaleComparison comparison;
        EXPECT_LT(comparison.compare("\xF1" "a", "nb"), 0);
    }
}

TEST(TextCodeList, KeepsOrderOfAddingAndFindsTheFirstEqualItem)
{
    tt::CodeList list;
    list.add("Ana");
    list.add("pepe");
    list.add("ANA");   // equal to item 0: kept, but find gives item 0
    list.add("\xD1" "u");
    list.add("\xE1" "na");  // ána differs from ana
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[0], "Ana");
    EXPECT_EQ(list[2], "ANA");
    EXPECT_EQ(list[4], "\xE1" "na");

    const struct {
        std::string value;
        std::optional<std::size_t> position;
    } lookups[] = {
        {"ana", 0}, {"ANA", 0}, {"PEPE", 1}, {"\xF1" "U", 3}, {"\xC1" "NA", 4},
        {"an", std::nullopt}, {"anas", std::nullopt}, {"", std::nullopt}, {"nu", std::nullopt},
    };
    for (const auto& l : lookups) {
        EXPECT_EQ(list.find(l.value), l.position) << l.value;
        EXPECT_EQ(list.contains(l.value), l.position.has_value()) << l.value;
    }
}

TEST(TextCodeList, EmptyListFindsNothing)
{
    const tt::CodeList list;
    EXPECT_EQ(list.size(), 0u);
    EXPECT_FALSE(list.find("x").has_value());
}

TEST(TextSortedCodeList, KeepsTimesInCharacterOrder)
{
    tt::SortedCodeList list;
    for (const char* time : {"1000", "0855", "900", "0800", "08", "1000", "0855"})
        list.add(time);
    const std::vector<std::string> expected = {"08", "0800", "0855", "1000", "900"};
    ASSERT_EQ(list.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(list[i], expected[i]) << i;
        EXPECT_EQ(list.find(expected[i]), i) << expected[i];
    }
    EXPECT_FALSE(list.find("0801").has_value());
    EXPECT_FALSE(list.find("0").has_value());
    EXPECT_FALSE(list.find("999").has_value());
}

TEST(TextSortedCodeList, EqualValuesKeepTheFirstSpelling)
{
    tt::SortedCodeList list;
    list.add("Mar\xEDn");
    list.add("b");
    list.add("MAR\xCDN");
    list.add("mar\xEDn");
    list.add("marin");  // no accent: a value of its own
    list.add("\xD1" "a");
    list.add("\xF1" "A");
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list.find("MAR\xEDN"), list.find("Mar\xEDn"));
    EXPECT_EQ(list[*list.find("mar\xCDn")], "Mar\xEDn");
    EXPECT_EQ(list[*list.find("\xF1" "a")], "\xD1" "a");
    EXPECT_NE(list.find("marin"), list.find("mar\xEDn"));
}

TEST(TextSortedCodeList, OrderAgreesWithTheComparisonForManyValues)
{
    // Codes in a scrambled order, with repeats in other letter cases.
    std::vector<std::string> values;
    unsigned state = 12345;
    const std::string letters = "aBcD\xF1\xD1\xE1" "09 ";
    for (int i = 0; i < 400; ++i) {
        std::string code;
        const int length = 1 + static_cast<int>(state % 4);
        for (int j = 0; j < length; ++j) {
            state = state * 1103515245u + 12345u;
            code += letters[(state >> 16) % letters.size()];
        }
        values.push_back(code);
    }
    tt::SortedCodeList list;
    for (const auto& v : values)
        list.add(v);

    const tt::LocaleComparison comparison;
    for (std::size_t i = 1; i < list.size(); ++i)
        EXPECT_LT(comparison.compare(list[i - 1], list[i]), 0) << list[i - 1] << " / " << list[i];
    for (const auto& v : values) {
        const auto position = list.find(v);
        ASSERT_TRUE(position.has_value()) << v;
        EXPECT_EQ(comparison.compare(list[*position], v), 0) << v;
    }
}

}  // namespace
