// The timetable export over real tables on disk and a fixed clock: the
// exact bytes of GEPA_HORARIO.TXT, the lookups, and what a failure leaves.
#include "timetable/gepa_horario_lines.h"
#include "timetable/timetable_export.h"

#include "gepafiles_temp_folder.h"
#include "tables/dbf_table_store.h"
#include "text/error.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>
#include <vector>

namespace tt {
namespace {

namespace fs = std::filesystem;

// Answers the times it was given, one per call: the header's, then the trailer's.
class FixedClock : public Clock {
public:
    explicit FixedClock(std::vector<std::tm> times) : times_(std::move(times)) {}
    std::tm localNow() const override { return times_.at(std::min(calls_++, times_.size() - 1)); }

private:
    std::vector<std::tm> times_;
    mutable std::size_t calls_ = 0;
};

std::tm at(int day, int month, int year, int hour, int minute)
{
    std::tm t{};
    t.tm_mday = day;
    t.tm_mon = month - 1;
    t.tm_year = year - 1900;
    t.tm_hour = hour;
    t.tm_min = minute;
    return t;
}

class RecordingUi : public UserInterface {
public:
    std::vector<std::string> messages;
    bool busy = false;
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void setBusy(bool on) override { busy = on; }
};

struct SolucEntry {
    int dia;
    int hora;
    std::string prof, codgrupo, tarea, asig, aula;
};

class TimetableExportTest : public ::testing::Test {
protected:
    TimetableExportTest() : store(vtemp.path())
    {
        gepa.write("gepa_asignat.txt", "0GEPA_ASIGNAT.TXT" + std::string(34, ' ') + " 4100 12111220240830\r\n"
                                       "1MAT MATEMATICAS\r\n");
        gepa.write("GEPA_SESIONES.TXT", "0GEPA_SESIONES.TXT\r\n1   0001L08000855\r\n");
        table("GRUPOST", {{"ABREV", FieldKind::String, 10}, {"ABREVCORTA", FieldKind::String, 4}},
              {{"1ESOA", "1A"}, {"1ESOA", "XX"}, {"VACIO", ""}, {"1esob", "1b"}});
        table("AULAT", {{"ABREV", FieldKind::String, 10}, {"ABREVCORTA", FieldKind::String, 4}},
              {{"LAB", "LABO"}, {"SINCORTA", ""}});
        table("ASIGNOMT", {{"COD", FieldKind::String, 10}, {"CODTAREA", FieldKind::String, 10}},
              {{"*GUA", "GUA"}, {"*TUT", ""}, {"MAT", ""}});
        table("PROFT", {{"ABREV", FieldKind::String, 10}}, {});
        table("DIASHORAST", {{"DIA", FieldKind::String, 20}, {"HORA", FieldKind::String, 8},
                             {"CODDIHO", FieldKind::String, 10}},
              {{"L", "1", "0001"}, {"L", "1", "0099"}, {"M", "2", "0002"}, {"8", "1", "0008"}, {"1", "1", "N001"}});
    }

    void table(const std::string& name, const std::vector<FieldDef>& fields,
               const std::vector<std::vector<std::string>>& rows)
    {
        store.createTable(name, fields);
        auto t = store.open(name, Access::ReadWrite, Sharing::Exclusive);
        for (const auto& row : rows) {
            t->append();
            for (std::size_t i = 0; i < row.size(); ++i)
                t->setString(fields[i].name, row[i]);
            t->post();
        }
        t->close();
    }

    void soluc(const std::vector<SolucEntry>& entries)
    {
        const std::vector<FieldDef> fields = {
            {"DIA", FieldKind::Integer},          {"HORA", FieldKind::Integer},
            {"PROF", FieldKind::String, 10},      {"CODGRUPO", FieldKind::String, 10},
            {"TAREA", FieldKind::String, 10},     {"ASIG", FieldKind::String, 10},
            {"AULA", FieldKind::String, 12}};
        store.createTable("SOLUC", fields);
        auto t = store.open("SOLUC", Access::ReadWrite, Sharing::Exclusive);
        for (const SolucEntry& e : entries) {
            t->append();
            t->setFloat("DIA", e.dia);
            t->setFloat("HORA", e.hora);
            t->setString("PROF", e.prof);
            t->setString("CODGRUPO", e.codgrupo);
            t->setString("TAREA", e.tarea);
            t->setString("ASIG", e.asig);
            t->setString("AULA", e.aula);
            t->post();
        }
        t->close();
    }

    RunEnd run(RunState& state)
    {
        FixedClock clock({at(11, 12, 2026, 8, 30), at(11, 12, 2026, 8, 31)});
        return runTimetableExport(gepa.path(), store, ui, state, clock);
    }

    std::string horario() const
    {
        std::ifstream in(gepa.ruta() + "GEPA_HORARIO.TXT", std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    std::vector<std::string> folderEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(gepa.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    testing::TempFolder gepa, vtemp;
    DbfTableStore store;
    RecordingUi ui;
};

const std::string kHead = "GEPA_HORARIO.TXT" + std::string(34, ' ');

TEST_F(TimetableExportTest, WritesHeaderDetailsAndTrailerByteForByte)
{
    soluc({
        {1, 1, "P1", "1ESOA", "*GUA", "MAT", "LAB"},          // everything found; the first of two slots
        {2, 9, "P2", "ZZ", "NOPE", "LEN", "AULAXYZLONG"},     // nothing found, after a found entry
        {0, 1, "SKIP", "1ESOA", "*GUA", "MAT", "LAB"},        // day 0: no line
        {1, 1, "PROF5", "VACIO", "*TUT", "MAT", "SINCORTA"},  // found with empty codes; five-byte teacher
        {8, 1, "P3", "1esoa", "MAT", "M", "lab"},             // day 8 stays 8; letter case matters
    });
    RunState state;
    EXPECT_EQ(run(state), RunEnd::Finished);
    EXPECT_EQ(horario(), "0" + kHead + " 4100 12" + "111220260830\r\n"
                         "10001LP1  1A  GUA MAT LABO\r\n"
                         "1    MP2  ZZ  LEC LEN AULA\r\n"
                         "10001LPROF5        MAT     \r\n"
                         "100088P3  1eso    M   lab \r\n"
                         "9" + kHead + " 4100 12" + "1112202608314\r\n");
    EXPECT_EQ(state.estadoProceso, 1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Proceso finalizado"});
    EXPECT_FALSE(ui.busy);
    ASSERT_EQ(state.written.size(), 1u);
    EXPECT_EQ(state.written[0].records, 4u);
}

TEST_F(TimetableExportTest, NumberFormatUsesTheDayAsRead)
{
    gepa.write("GEPA_SESIONES.TXT", "1   0001L08000855\r\n1   0001108000855\r\n");  // line 1 is never looked at
    soluc({{1, 1, "P1", "1ESOA", "*GUA", "MAT", "LAB"}});
    RunState state;
    run(state);
    EXPECT_NE(horario().find("\r\n1N0011P1  1A  GUA MAT LABO\r\n"), std::string::npos) << horario();
}

TEST_F(TimetableExportTest, DayFormatComesFromColumnNineOfTheSecondLine)
{
    struct Case {
        std::string secondLine;
        char column6;
    } cases[] = {{"1   0001108000855", '1'}, {"1   0001708000855", '1'}, {"1   0001L08000855", 'L'},
                 {"1   0001 08000855", 'L'}, {"1   0001", 'L'}, {"1   00018", 'L'}, {"", 'L'}};
    soluc({{1, 1, "P1", "1ESOA", "*GUA", "MAT", "LAB"}});
    for (const Case& c : cases) {
        gepa.write("gepa_sesiones.txt", "0GEPA_SESIONES.TXT\n" + c.secondLine + "\n");
        fs::remove(gepa.ruta() + "GEPA_SESIONES.TXT");
        RunState state;
        run(state);
        const std::string file = horario();
        const std::size_t detail = file.find("\r\n") + 2;
        EXPECT_EQ(file[detail + 5], c.column6) << c.secondLine;
    }
}

TEST_F(TimetableExportTest, SchoolCodeIsTakenAsItStands)
{
    struct Case {
        std::string subjects;
        std::string code;
    } cases[] = {
        {"1MAT\r\n", "        "},                                        // no "0" line
        {"0GEPA_ASIGNAT.TXT\r\n", "        "},                          // a "0" line of fewer than 52 bytes
        {"0" + std::string(50, ' ') + "1234\r\n", "1234    "},           // ends at column 55
        {"1X\r\n0" + std::string(50, ' ') + "  AB CDEFGH\r\n0" + std::string(50, ' ') + "SECOND\r\n",
         "  AB CDE"},                                                        // the first "0" line, untrimmed
    };
    soluc({});
    for (const Case& c : cases) {
        gepa.write("gepa_asignat.txt", c.subjects);
        RunState state;
        run(state);
        EXPECT_EQ(horario(), "0" + kHead + c.code + "111220260830\r\n9" + kHead + c.code + "1112202608310\r\n");
    }
}

TEST_F(TimetableExportTest, ReplacesAnExistingFileUnderAnyLetterCase)
{
    gepa.write("gepa_horario.txt", std::string(5000, 'x'));
    soluc({});
    RunState state;
    run(state);
    EXPECT_EQ(folderEntries(), (std::vector<std::string>{"GEPA_SESIONES.TXT", "gepa_asignat.txt", "gepa_horario.txt"}));
    std::ifstream in(gepa.ruta() + "gepa_horario.txt", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes.size(), 2 * 73u + 1);
}

TEST_F(TimetableExportTest, MissingFolderSetsZeroOnlyWhenEmbedded)
{
    for (bool embedded : {false, true}) {
        RunState state;
        state.embedded = embedded;
        state.estadoProceso = 5;
        FixedClock clock({at(1, 1, 2026, 0, 0)});
        EXPECT_EQ(runTimetableExport(gepa.ruta() + "missing", store, ui, state, clock), RunEnd::FolderMissing);
        EXPECT_EQ(state.estadoProceso, embedded ? 0 : 5);
    }
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"No existe la carpeta", "No existe la carpeta"}));
}

TEST_F(TimetableExportTest, FailuresWriteNothingAndKeepTheStatus)
{
    soluc({{1, 1, "P1", "1ESOA", "*GUA", "MAT", "LAB"}});
    gepa.write("GEPA_HORARIO.TXT", "old timetable\r\n");
    struct Case {
        const char* what;
        std::function<void()> breakIt, mendIt;
        std::string expected;  // part of the error's text
    } cases[] = {
        {"one-line sessions file", [&] { gepa.write("GEPA_SESIONES.TXT", "0GEPA_SESIONES.TXT\r\n"); },
         [&] { gepa.write("GEPA_SESIONES.TXT", "0GEPA_SESIONES.TXT\r\n1   0001L08000855\r\n"); },
         "\xCDndice de lista fuera de l\xEDmites (1)"},
        {"missing subjects file", [&] { fs::rename(gepa.ruta() + "gepa_asignat.txt", gepa.ruta() + "x"); },
         [&] { fs::rename(gepa.ruta() + "x", gepa.ruta() + "gepa_asignat.txt"); }, "gepa_asignat.txt"},
        {"missing table", [&] { fs::rename(vtemp.ruta() + "PROFT.DBF", vtemp.ruta() + "x"); },
         [&] { fs::rename(vtemp.ruta() + "x", vtemp.ruta() + "PROFT.DBF"); }, "PROFT"},
        {"missing field",
         [&] { table("AULAT", {{"ABREV", FieldKind::String, 10}}, {{"LAB"}}); },
         [&] { table("AULAT", {{"ABREV", FieldKind::String, 10}, {"ABREVCORTA", FieldKind::String, 4}}, {}); },
         "ABREVCORTA"},
    };
    for (const Case& c : cases) {
        c.breakIt();
        RunState state;
        state.estadoProceso = -1;
        try {
            run(state);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(c.expected), std::string::npos) << c.what << ": " << e.what();
        }
        EXPECT_EQ(state.estadoProceso, -1) << c.what;
        EXPECT_FALSE(ui.busy) << c.what;
        EXPECT_EQ(horario(), "old timetable\r\n") << c.what;
        c.mendIt();
    }
}

TEST_F(TimetableExportTest, ATableHeldByAnotherProgramStopsTheExport)
{
    soluc({});
    const int held = ::open((vtemp.ruta() + "DIASHORAST.DBF").c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_SH), 0);
    RunState state;
    try {
        run(state);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("DIASHORAST"), std::string::npos) << e.what();
    }
    ::close(held);
    EXPECT_FALSE(fs::exists(gepa.ruta() + "GEPA_HORARIO.TXT"));
    EXPECT_EQ(folderEntries().size(), 2u);  // no temporary file either
}

TEST(TimetableLines, RellenarCampoFillsButNeverCuts)
{
    struct Case {
        std::string value;
        int width;
        std::string expected;
    } cases[] = {{"AB", 4, "AB  "}, {"ABCD", 4, "ABCD"}, {"ABCDE", 4, "ABCDE"}, {"", 1, " "},
                 {"", 0, ""},       {"X", 95, "X" + std::string(94, ' ')}, {"", 120, std::string(95, ' ')}};
    for (const Case& c : cases) {
        std::string line = "1";
        RellenarCampo(line, c.value, c.width);
        EXPECT_EQ(line, "1" + c.expected) << c.value << " " << c.width;
    }
}

}  // namespace
}  // namespace tt
