#include "text/first_index_map.h"

#include <gtest/gtest.h>

#include <string>

namespace tt {
namespace {

TEST(TextFirstIndexMap, KeepsTheFirstPositionOfEveryKey)
{
    FirstIndexMap map;
    EXPECT_FALSE(map.find("A").has_value());
    EXPECT_TRUE(map.insert("A", 0));
    EXPECT_FALSE(map.insert("A", 1));
    EXPECT_TRUE(map.insert("a", 2));  // exact keys: letter case counts
    EXPECT_TRUE(map.insert("", 3));   // the empty key is a key like any other
    EXPECT_EQ(map.find("A"), 0u);
    EXPECT_EQ(map.find("a"), 2u);
    EXPECT_EQ(map.find(""), 3u);
    EXPECT_FALSE(map.find("B").has_value());
    EXPECT_EQ(map.size(), 3u);
}

TEST(TextFirstIndexMap, StaysRightWhileItGrows)
{
    FirstIndexMap map;
    for (std::size_t i = 0; i < 100000; ++i)
        ASSERT_TRUE(map.insert("K" + std::to_string(i), i));
    for (std::size_t i = 0; i < 100000; i += 7)
        ASSERT_FALSE(map.insert("K" + std::to_string(i), 0));
    for (std::size_t i = 0; i < 100000; ++i)
        ASSERT_EQ(map.find("K" + std::to_string(i)), i);
    EXPECT_FALSE(map.find("K100000").has_value());
}

TEST(TextFirstIndexMap, KeyPartsNeverRunTogether)
{
    auto key = [](std::initializer_list<std::string_view> parts) {
        std::string k;
        for (std::string_view part : parts)
            appendKeyPart(k, part);
        return k;
    };
    EXPECT_NE(key({"AB", "C"}), key({"A", "BC"}));
    EXPECT_NE(key({"", "A"}), key({"A", ""}));
    EXPECT_NE(key({std::string(1, '\x01') + "A"}), key({"", "A"}));
    EXPECT_NE(key({std::string(300, 'x'), "y"}), key({std::string(301, 'x'), ""}));
    EXPECT_EQ(key({"L", "1"}), key({"L", "1"}));
}

}  // namespace
}  // namespace tt
