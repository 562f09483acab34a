// Topic names as help files store them, and finding them in an archive
// whose names carry folders that are not in it.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "helpviewer/topic_location.h"

namespace tt::help {
namespace {

TEST(TopicLocation, SplitsNamesIntoPathAndAnchor) {
    const struct {
        const char* name;
        TopicLocation expected;
    } cases[] = {
        {"index.htm", {"/index.htm", ""}},
        {"/sub/b.htm", {"/sub/b.htm", ""}},
        {"sub\\b.htm", {"/sub/b.htm", ""}},
        {"C:\\ayuda\\sub\\b.htm#avisos", {"/C:/ayuda/sub/b.htm", "avisos"}},
        {"//sub/./b.htm", {"/sub/b.htm", ""}},
        {"b.htm#a#b", {"/b.htm", "a#b"}},
        {"#solo", {"", "solo"}},
        {"", {"", ""}},
    };
    for (const auto& c : cases) EXPECT_EQ(splitTopicName(c.name), c.expected) << c.name;
}

TEST(TopicLocation, DropsLeadingFoldersUntilAnObjectMatches) {
    const std::set<std::string> objects{"/index.htm", "/sub/b.htm", "/a/b.htm", "/b.htm"};
    std::vector<std::string> tried;
    const ObjectExists exists = [&](const std::string& path) {
        tried.push_back(path);
        return objects.contains(path);
    };
    const struct {
        const char* name;
        std::optional<TopicLocation> expected;
    } cases[] = {
        {"index.htm", TopicLocation{"/index.htm", ""}},
        {"/work/build/help/index.htm", TopicLocation{"/index.htm", ""}},
        {"/work/build/help/sub/b.htm#x", TopicLocation{"/sub/b.htm", "x"}},
        {"C:\\trabajo\\ayuda\\sub\\b.htm", TopicLocation{"/sub/b.htm", ""}},
        {"/a/b.htm", TopicLocation{"/a/b.htm", ""}},
        {"/x/a/b.htm", TopicLocation{"/a/b.htm", ""}},
        {"/work/build/nada.htm", std::nullopt},
        {"/work/build/", std::nullopt},
        {"#anchor", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(locateTopic(c.name, exists), c.expected) << c.name;

    tried.clear();
    locateTopic("/w/b/sub/b.htm", exists);
    EXPECT_EQ(tried, (std::vector<std::string>{"/w/b/sub/b.htm", "/b/sub/b.htm", "/sub/b.htm"}));
}

}  // namespace
}  // namespace tt::help
