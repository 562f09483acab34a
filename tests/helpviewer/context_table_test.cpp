// Context numbers straight from /#IVB and /#STRINGS bytes, intact and
// damaged.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "helpviewer/context_table.h"
#include "little_endian.h"

namespace tt::help {
namespace {

using testing::u32;

std::string pairs(const std::vector<std::pair<std::uint32_t, std::uint32_t>>& entries) {
    std::string bytes;
    for (const auto& [context, offset] : entries) bytes += u32(context) + u32(offset);
    return bytes;
}

// A table whose byte count is right.
std::string ivbOf(const std::vector<std::pair<std::uint32_t, std::uint32_t>>& entries) {
    const std::string body = pairs(entries);
    return u32(static_cast<std::uint32_t>(body.size())) + body;
}

const std::string strings("\0/build/a.htm\0sub\\b.htm#x\0", 26);

TEST(ContextTable, FindsNamesAndRefusesDamagedTables) {
    const std::string intact = ivbOf({{3, 1}, {7, 14}});
    const std::string twoPairs = pairs({{3, 1}, {7, 14}});
    const struct {
        const char* what;
        std::string ivb;
        std::string strings;
        std::uint32_t context;
        std::optional<std::string> name;
    } cases[] = {
        {"first pair", intact, strings, 3, "/build/a.htm"},
        {"second pair, name kept as written", intact, strings, 7, "sub\\b.htm#x"},
        {"id not in the table", intact, strings, 5, std::nullopt},
        {"offset used as id", intact, strings, 1, std::nullopt},
        {"empty table", ivbOf({}), strings, 3, std::nullopt},
        {"byte count beyond the data", u32(24) + twoPairs, strings, 3, std::nullopt},
        {"byte count far beyond the data", u32(0xFFFFFFFF) + twoPairs, strings, 3, std::nullopt},
        {"byte count not whole pairs", u32(12) + twoPairs, strings, 3, std::nullopt},
        {"byte count short of the data", u32(8) + twoPairs, strings, 7, std::nullopt},
        {"byte count short of the data, first pair", u32(8) + twoPairs, strings, 3, "/build/a.htm"},
        {"no byte count", std::string("\x08\x00", 2), strings, 3, std::nullopt},
        {"no /#IVB bytes", "", strings, 3, std::nullopt},
        {"offset beyond /#STRINGS", ivbOf({{3, 400}}), strings, 3, std::nullopt},
        {"offset at the end of /#STRINGS", ivbOf({{3, 26}}), strings, 3, std::nullopt},
        {"largest offset", ivbOf({{3, 0xFFFFFFFF}}), strings, 3, std::nullopt},
        {"name without its NUL", ivbOf({{3, 1}}), std::string("\0/a.htm", 7), 3, std::nullopt},
        {"empty name", ivbOf({{3, 0}}), strings, 3, std::nullopt},
        {"no /#STRINGS bytes", intact, "", 3, std::nullopt},
        {"first of two pairs for one id", ivbOf({{3, 14}, {3, 1}}), strings, 3, "sub\\b.htm#x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findContextName(c.ivb, c.strings, c.context), c.name) << c.what;
}

}  // namespace
}  // namespace tt::help
