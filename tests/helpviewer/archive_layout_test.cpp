// The header fields that tell a whole help file from a truncated one.
#include <gtest/gtest.h>

#include <string>

#include "helpviewer/archive_layout.h"
#include "little_endian.h"

namespace tt::help {
namespace {

using testing::u32;
using testing::u64;

std::string header(std::uint32_t version, std::uint64_t directory, std::uint64_t length,
                   std::uint64_t content) {
    std::string bytes = "ITSF" + u32(version);
    bytes.resize(0x48, '\0');
    bytes += u64(directory) + u64(length);
    if (version >= 3) bytes += u64(content);
    return bytes;
}

TEST(ArchiveLayout, ReadsTheDirectoryAndContentPlaces) {
    const struct {
        const char* what;
        std::string header;
        std::optional<std::uint64_t> directoryEnd;
        std::optional<std::uint64_t> contentStart;
    } cases[] = {
        {"version 3", header(3, 0x78, 0x2000, 0x2078), 0x2078, 0x2078},
        {"version 2: content after the directory", header(2, 0x58, 0x1000, 0), 0x1058, 0x1058},
        {"version 3 cut before its content offset", header(3, 0x78, 0x2000, 0).substr(0, 0x5C),
         std::nullopt, std::nullopt},
        {"cut before the directory length", header(3, 0x78, 0x2000, 0).substr(0, 0x50), std::nullopt,
         std::nullopt},
        {"directory end beyond 64 bits", header(3, UINT64_MAX, 2, 0), std::nullopt, std::nullopt},
        {"not an archive", "ITSX" + header(3, 0x78, 0x2000, 0x2078).substr(4), std::nullopt, std::nullopt},
        {"empty", "", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<ArchiveLayout> layout = readArchiveLayout(c.header);
        EXPECT_EQ(layout.has_value(), c.directoryEnd.has_value()) << c.what;
        if (layout && c.directoryEnd) {
            EXPECT_EQ(layout->directoryEnd, *c.directoryEnd) << c.what;
            EXPECT_EQ(layout->contentStart, *c.contentStart) << c.what;
        }
    }
}

TEST(ArchiveLayout, ObjectsFitOnlyWhollyInsideTheFile) {
    const ArchiveLayout layout{0x100, 0x100};
    EXPECT_TRUE(objectFits(layout, 0, 0x100, 0x200));
    EXPECT_FALSE(objectFits(layout, 0, 0x101, 0x200));
    EXPECT_FALSE(objectFits(layout, 0x100, 1, 0x200));
    EXPECT_FALSE(objectFits(layout, UINT64_MAX, 1, 0x200));
    EXPECT_FALSE(objectFits(layout, 0, UINT64_MAX, 0x200));
    EXPECT_FALSE(objectFits(ArchiveLayout{0x300, 0x100}, 0, 1, 0x200));
}

}  // namespace
}  // namespace tt::help
