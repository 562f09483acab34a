#include <gtest/gtest.h>

#include <string>

#include "gepafiles/gepa_line.h"

namespace {

struct CutCase {
    std::string line;
    std::size_t p;
    std::size_t n;
    std::string cut;
    std::string trimmed;
};

TEST(GepaCutField, CutsWhatTheLineHasAndNeverFails)
{
    const CutCase cases[] = {
        {"1ABC  DEF", 2, 5, "ABC  ", "ABC"},
        {"1ABC  DEF", 1, 1, "1", "1"},
        {"1ABC  DEF", 7, 3, "DEF", "DEF"},
        {"1ABC  DEF", 7, 10, "DEF", "DEF"},      // the line ends inside the field
        {"1ABC  DEF", 9, 1, "F", "F"},           // the last column
        {"1ABC  DEF", 10, 3, "", ""},            // just after the end
        {"1ABC  DEF", 99, 3, "", ""},
        {"1ABC  DEF", 0, 2, "1A", "1A"},         // position 0 is taken as 1
        {"1ABC  DEF", 3, 0, "", ""},
        {"", 1, 5, "", ""},
        {"1 \t\xF1" "o \r", 2, 6, " \t\xF1o \r", "\xF1o"},
        {"1    ", 2, 4, "    ", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tt::cutField(c.line, c.p, c.n), c.cut) << c.line << " @" << c.p << "," << c.n;
        EXPECT_EQ(tt::trimmedField(c.line, c.p, c.n), c.trimmed) << c.line << " @" << c.p << "," << c.n;
    }
}

struct KindCase {
    std::string line;
    tt::LineKind kind;
    const char* what;
};

std::string nameLine(const std::string& first, const std::string& name)
{
    return first + name + std::string(50 - name.size(), ' ') + "111220240830";
}

TEST(GepaClassifyLine, FirstColumnThenNameThenData)
{
    using tt::LineKind;
    const std::string file = "GEPA_GRUPO.TXT";
    const KindCase cases[] = {
        {nameLine("0", file), LineKind::Header, "header"},
        {"0", LineKind::Header, "a bare 0"},
        {"9", LineKind::Trailer, "trailer"},
        {"9" + file, LineKind::Trailer, "a 9 wins over the name"},
        {"0xyz", LineKind::Header, "a 0 wins over anything"},
        {nameLine("1", file), LineKind::Named, "name line"},
        {nameLine(" ", file), LineKind::Named, "name line starting with a blank"},
        {nameLine("1", "gepa_grupo.txt"), LineKind::Named, "name in lower case"},
        {nameLine("1", "Gepa_Grupo.Txt"), LineKind::Named, "name in mixed case"},
        {"1   " + file + "  \t", LineKind::Named, "name with blanks around it, short line"},
        {"1" + file, LineKind::Named, "name filling to the end of the line"},
        {nameLine("1", "GEPA_GRUPOS.TXT"), LineKind::Data, "a longer name"},
        {nameLine("1", "GEPA_GRUP.TXT"), LineKind::Data, "a shorter name"},
        {"1" + std::string(50, ' ') + file, LineKind::Data, "the name after column 51"},
        {"1" + std::string(40, ' ') + file, LineKind::Data, "the name cut by column 51"},
        {"1 GEPA_GRUPO.TXT X", LineKind::Data, "more after the name"},
        {"", LineKind::Data, "empty line"},
        {" 9 1 ABC", LineKind::Data, "9 not in column 1"},
        {" 0 1 ABC", LineKind::Data, "0 not in column 1"},
        {"1ABC      1", LineKind::Data, "ordinary data"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tt::classifyLine(c.line, file), c.kind) << c.what;
}

TEST(GepaClassifyLine, IsDataLineMatchesTheKind)
{
    EXPECT_TRUE(tt::isDataLine("1ABC", "GEPA_AULAS.TXT"));
    EXPECT_FALSE(tt::isDataLine("1GEPA_AULAS.TXT", "GEPA_AULAS.TXT"));
    EXPECT_FALSE(tt::isDataLine("9", "GEPA_AULAS.TXT"));
    EXPECT_FALSE(tt::isDataLine("0GEPA_AULAS.TXT", "GEPA_AULAS.TXT"));
}

TEST(GepaClassifyLine, UpperCasesOnlyAsciiLetters)
{
    // A name with ñ: the line's ñ is not turned into Ñ.
    EXPECT_EQ(tt::classifyLine("1GEPA_A\xD1O.TXT", "GEPA_A\xD1O.TXT"), tt::LineKind::Named);
    EXPECT_EQ(tt::classifyLine("1gepa_a\xF1o.txt", "GEPA_A\xD1O.TXT"), tt::LineKind::Data);
}

}  // namespace
