#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "gepafiles/line_reading.h"
#include "gepafiles_temp_folder.h"
#include "text/error.h"

namespace {

using Lines = std::vector<std::string>;

struct SplitCase {
    std::string bytes;
    Lines lines;
    const char* what;
};

TEST(GepaTextFileLines, SplitsAtLfAndCrLfAndDropsLoneCr)
{
    const SplitCase cases[] = {
        {"", {}, "empty file"},
        {"a", {"a"}, "last line without line end"},
        {"a\n", {"a"}, "one line"},
        {"a\r\n", {"a"}, "CR LF"},
        {"a\n\n", {"a", ""}, "empty second line"},
        {"\n", {""}, "one empty line"},
        {"a\nb", {"a", "b"}, "second line without line end"},
        {"a\r\nb\nc\r\n", {"a", "b", "c"}, "mixed line ends"},
        {"ab\rcd\n", {"abcd"}, "lone CR dropped, the line goes on"},
        {"ab\r\rcd\r\n", {"abcd"}, "two lone CRs"},
        {"a\r\r\n", {"a"}, "CR before CR LF"},
        {"a\r", {"a"}, "CR at the end"},
        {"a\n\r", {"a", ""}, "a last line of only a CR"},
        {"a\nb\x1A" "c\nd\n", {"a", "b"}, "Ctrl-Z ends the file, its line's text counts"},
        {"a\n\x1A" "b\n", {"a"}, "Ctrl-Z at a line start gives no line"},
        {"\x1A" "a\n", {}, "Ctrl-Z first"},
        {"a\n\x1A", {"a"}, "Ctrl-Z as the last byte"},
        {std::string("a\0b\n", 4), {std::string("a\0b", 3)}, "byte 0 is text here"},
        {"\xF1\t \n", {"\xF1\t "}, "line bytes kept as they are"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tt::splitTextFileLines(c.bytes).toStrings(), c.lines) << c.what;
}

TEST(GepaListLines, SplitsAtCrLfLfAndLoneCr)
{
    const SplitCase cases[] = {
        {"", {}, "empty text"},
        {"a", {"a"}, "no line end"},
        {"a\n", {"a"}, "LF at the end adds no line"},
        {"a\r\n", {"a"}, "CR LF at the end adds no line"},
        {"a\r", {"a"}, "CR at the end adds no line"},
        {"\n", {""}, "one empty line"},
        {"a\n\n", {"a", ""}, "empty second line"},
        {"a\r\rb", {"a", "", "b"}, "two lone CRs"},
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}, "every line end"},
        {"a\n\rb", {"a", "", "b"}, "LF CR is two line ends"},
        {"a\r\n\r\nb", {"a", "", "b"}, "two CR LF"},
        {std::string("a\nb\0c\nd", 7), {"a", "b"}, "byte 0 ends the text"},
        {std::string("\0a", 2), {}, "byte 0 first"},
        {"a\x1A" "b", {"a\x1A" "b"}, "Ctrl-Z is text here"},
        {" x \t", {" x \t"}, "blanks kept"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tt::splitListLines(c.bytes).toStrings(), c.lines) << c.what;
}

TEST(GepaReadLines, ReadsRealFilesInBinary)
{
    const tt::testing::TempFolder folder;
    const std::string bytes = "0CABECERA\r\n1uno\r\n1dos\rsigue\n1tres\n9\x1A" "basura\n";
    const std::string path = folder.write("gepa.txt", bytes);
    EXPECT_EQ(tt::readTextFileLines(path).toStrings(), (Lines{"0CABECERA", "1uno", "1dossigue", "1tres", "9"}));
    EXPECT_EQ(tt::readListLines(path).toStrings(),
              (Lines{"0CABECERA", "1uno", "1dos", "sigue", "1tres", "9\x1A" "basura"}));
}

TEST(GepaReadLines, ReadsALargeFileWhole)
{
    const tt::testing::TempFolder folder;
    std::string bytes;
    for (int i = 0; i < 20000; ++i)
        bytes += "1" + std::to_string(i) + std::string(40, ' ') + "\r\n";
    const std::string path = folder.write("grande.txt", bytes);
    const Lines lines = tt::readTextFileLines(path).toStrings();
    ASSERT_EQ(lines.size(), 20000u);
    EXPECT_EQ(lines.front(), "10" + std::string(40, ' '));
    EXPECT_EQ(lines.back(), "119999" + std::string(40, ' '));
    EXPECT_EQ(tt::readListLines(path).toStrings(), lines);
}

TEST(GepaReadLines, EmptyFileGivesNoLines)
{
    const tt::testing::TempFolder folder;
    const std::string path = folder.write("vacio.txt", "");
    EXPECT_TRUE(tt::readTextFileLines(path).empty());
    EXPECT_TRUE(tt::readListLines(path).empty());
}

std::string errorTextOfReading(const std::string& path, bool asList)
{
    try {
        if (asList)
            tt::readListLines(path);
        else
            tt::readTextFileLines(path);
    } catch (const tt::Error& error) {
        return error.what();
    }
    return "(no error)";
}

TEST(GepaReadLines, UnreadableFileIsAnErrorNamingIt)
{
    const tt::testing::TempFolder folder;
    const std::string missing = folder.ruta() + "no_esta.txt";
    for (bool asList : {false, true}) {
        EXPECT_EQ(errorTextOfReading(missing, asList), "No se puede leer el archivo " + missing + " (no existe)");
        const std::string text = errorTextOfReading(folder.path(), asList);
        EXPECT_EQ(text.rfind("No se puede leer el archivo " + folder.path() + " (", 0), 0u) << text;
    }
}

TEST(GepaReadLines, SampleSchoolFileWithALoneCr)
{
    const std::string path = std::string(TT_TEST_DATA_DIR) + "/../../../shared/samples/escuela-pequena/gepa_sesiones.txt";
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << "sample school not present";
    const Lines textLines = tt::readTextFileLines(path).toStrings();
    const Lines listLines = tt::readListLines(path).toStrings();
    // The file has 24 LF line ends and 8 lone CRs, the first inside line 3.
    ASSERT_EQ(textLines.size(), 24u);
    ASSERT_EQ(listLines.size(), 32u);
    EXPECT_EQ(textLines[0], "0GEPA_SESIONES.TXT" + std::string(33, ' ') + "111220240830");
    EXPECT_EQ(textLines[2], "1   0002108550950 0030003109501045");
    EXPECT_EQ(listLines[2], "1   0002108550950");
    EXPECT_EQ(listLines[3], " 0030003109501045");
}

}  // namespace
