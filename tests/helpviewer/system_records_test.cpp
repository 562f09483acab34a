// The settings records of /#SYSTEM, intact and damaged.
#include <gtest/gtest.h>

#include <string>

#include "helpviewer/system_records.h"
#include "little_endian.h"

namespace tt::help {
namespace {

std::string record(std::uint16_t code, const std::string& data) {
    return testing::u16(code) + testing::u16(static_cast<std::uint16_t>(data.size())) + data;
}

std::string text(const char* value) { return std::string(value) + '\0'; }

const std::string version("\x03\x00\x00\x00", 4);

TEST(SystemRecords, ReadsContentsDefaultTopicAndTitle) {
    const struct {
        const char* what;
        std::string bytes;
        ArchiveSettings expected;
    } cases[] = {
        {"all three among others",
         version + record(9, text("HHA Version 4.74")) + record(2, text("inicio.htm")) +
             record(3, text("Ayuda")) + record(0, text("toc.hhc")),
         {"toc.hhc", "inicio.htm", "Ayuda"}},
        {"data without its NUL ends with the record",
         version + record(2, "inicio.htm") + record(3, text("Ayuda")), {"", "inicio.htm", "Ayuda"}},
        {"text stops at the first NUL", version + record(3, std::string("Ay\0uda\0", 7)), {"", "", "Ay"}},
        {"first record of a code wins", version + record(2, text("a.htm")) + record(2, text("b.htm")),
         {"", "a.htm", ""}},
        {"record running past the end stops the reading",
         version + record(2, text("inicio.htm")) + record(3, text("Ayuda")).substr(0, 6) ,
         {"", "inicio.htm", ""}},
        {"length beyond the end, later records lost",
         version + record(3, text("Ayuda")) + "\x02\x00\xFF\xFF" + record(0, text("toc.hhc")),
         {"", "", "Ayuda"}},
        {"header cut short", version + record(3, text("Ayuda")) + "\x00", {"", "", "Ayuda"}},
        {"only a version", version, {}},
        {"nothing", "", {}},
        {"empty records", version + record(0, "") + record(2, "") + record(3, text("T")), {"", "", "T"}},
    };
    for (const auto& c : cases) {
        const ArchiveSettings settings = parseSystemRecords(c.bytes);
        EXPECT_EQ(settings.contentsFile, c.expected.contentsFile) << c.what;
        EXPECT_EQ(settings.defaultTopic, c.expected.defaultTopic) << c.what;
        EXPECT_EQ(settings.title, c.expected.title) << c.what;
    }
}

}  // namespace
}  // namespace tt::help
