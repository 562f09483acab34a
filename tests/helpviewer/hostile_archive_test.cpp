// Damaged and hostile help files: the reader refuses them or reads what is
// intact, and never crashes (the tests run under the address and undefined
// behaviour sanitizers).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "helpviewer/help_archive.h"
#include "temp_folder.h"

namespace tt::help {
namespace {

// chmlib itself opens a truncated file and, for objects whose compressed
// blocks are cut off, hands back blocks it never filled; the reader must
// refuse the file instead.
TEST(HostileArchive, TruncatedCopiesAreNotOpened) {
    const std::string whole = testing::readWholeFile(TT_FIXTURE_CHM);
    ASSERT_GT(whole.size(), 1000u);
    ASSERT_TRUE(HelpArchive::open(TT_FIXTURE_CHM));
    std::vector<std::size_t> lengths{0, 1, 0x38, 0x60, 0x78, whole.size() / 4, whole.size() / 2};
    for (std::size_t length = whole.size() * 3 / 4; length < whole.size(); length += 97)
        lengths.push_back(length);
    lengths.push_back(whole.size() - 1);
    const testing::HelpTempFolder folder;
    for (const std::size_t length : lengths) {
        const auto file = folder.write("cut.chm", whole.substr(0, length));
        EXPECT_FALSE(HelpArchive::open(file)) << "cut at " << length;
    }
}

TEST(HostileArchive, FilesThatAreNoArchiveAreNotOpened) {
    const testing::HelpTempFolder folder;
    EXPECT_FALSE(HelpArchive::open(folder.write("texto.chm", std::string(5000, 'x'))));
    EXPECT_FALSE(HelpArchive::open(folder.write("itsf.chm", "ITSF" + std::string(200, '\xFF'))));
    EXPECT_FALSE(HelpArchive::open(folder.path() / "no_existe.chm"));
    EXPECT_FALSE(HelpArchive::open(folder.path()));
}

// The settings object of a chmcmd file is stored uncompressed, so its bytes
// can be found and damaged in place.
std::string withRecordLength(std::string archive, const std::string& record,
                             std::uint16_t length) {
    const std::size_t at = archive.find(record);
    if (at == std::string::npos || archive.find(record, at + 1) != std::string::npos)
        throw std::runtime_error("record not found once");
    archive[at + 2] = static_cast<char>(length & 0xFF);
    archive[at + 3] = static_cast<char>(length >> 8);
    return archive;
}

TEST(HostileArchive, SettingsRecordRunningPastItsObjectLosesItAndWhatFollows) {
    const std::string whole = testing::readWholeFile(TT_FIXTURE_CHM);
    const std::string defaultTopicRecord = std::string("\x02\x00\x0B\x00inicio.htm\0", 15);
    const testing::HelpTempFolder folder;
    for (const std::uint16_t length : {std::uint16_t{0xFFFF}, std::uint16_t{0x2000}}) {
        const auto file = folder.write("sistema.chm", withRecordLength(whole, defaultTopicRecord, length));
        const std::optional<HelpArchive> archive = HelpArchive::open(file);
        ASSERT_TRUE(archive) << length;
        EXPECT_EQ(archive->defaultTopic(), std::nullopt) << length;
        EXPECT_EQ(archive->title(), "") << length;
        // The contents file named after the damaged record is found anyway.
        EXPECT_EQ(archive->contentsPath(), "/contenido.hhc") << length;
        EXPECT_EQ(archive->topicForContext(3), (TopicLocation{"/temas/ventana.htm", ""}));
    }
}

}  // namespace
}  // namespace tt::help
