// Which file a help request names.
#include <gtest/gtest.h>

#include "helpviewer/help_file_name.h"

namespace tt::help {
namespace {

TEST(HelpFileName, LooksForBareNamesInTheProgramFolderAndServesOnlyChm) {
    const std::filesystem::path program("/opt/programa");
    const struct {
        const char* name;
        std::optional<std::filesystem::path> expected;
    } cases[] = {
        {"GEPA.chm", "/opt/programa/GEPA.chm"},
        {"gepa.CHM", "/opt/programa/gepa.CHM"},
        {"Ayuda.cHm", "/opt/programa/Ayuda.cHm"},
        {"Ayuda\xF1.chm", "/opt/programa/Ayuda\xC3\xB1.chm"},
        {"/otra/carpeta/GEPA.chm", "/otra/carpeta/GEPA.chm"},
        {"ayuda/GEPA.chm", "ayuda/GEPA.chm"},
        {"C:\\ayuda\\GEPA.chm", "C:\\ayuda\\GEPA.chm"},
        {"GEPA.hlp", std::nullopt},
        {"GEPA.chm.bak", std::nullopt},
        {"GEPAchm", std::nullopt},
        {"chm", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(resolveHelpFile(c.name, program), c.expected) << c.name;
}

}  // namespace
}  // namespace tt::help
