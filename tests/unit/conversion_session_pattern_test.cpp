#include "conversion/session_pattern.h"

#include <gtest/gtest.h>

namespace tt {
namespace {

TEST(ConversionSessionPattern, FollowsTheHours)
{
    const std::string ones13(13, '1');
    struct Case {
        double hours;
        std::string pattern;
    } cases[] = {
        {1, "1"},
        {3, "111"},
        {2.5, "11\xBD"},
        {2.25, "11\xBD"},  // any fraction gives one half
        {13, ones13},
        {13.5, ones13 + "\xBD"},
        {14, "1" + ones13},
        {15, "2" + ones13},
        {15.5, "2" + ones13 + "\xBD"},
        {23, "10" + ones13},
        {999999, "999986" + ones13},
        {9e9, "8999999987" + ones13},           // beyond 32 bits: the whole part in full
        {1e20, "100000000000000000000" + ones13},  // beyond 64 bits: no overflow
    };
    for (const Case& c : cases)
        EXPECT_EQ(sessionPattern(c.hours), c.pattern) << c.hours;
}

}  // namespace
}  // namespace tt
