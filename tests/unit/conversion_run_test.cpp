// The conversion run's own rules: the folder test, the run status handed
// to Vestrano, the messages in order and the busy indicator, driven with a
// recording user interface over a real table store on disk.
#include "conversion/conversion_run.h"
#include "tables/dbf_table_store.h"
#include "text/error.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tt {
namespace {

namespace fs = std::filesystem;

class RecordingUserInterface : public UserInterface {
public:
    std::vector<std::string> events;
    bool busy = false;
    void showMessage(const std::string& text) override { events.push_back("message: " + text); }
    void setBusy(bool on) override
    {
        busy = on;
        events.push_back(on ? "busy on" : "busy off");
    }
};

class ConversionRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("tt-run-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "gepa");
        fs::create_directories(root / "vtemp");
    }
    void TearDown() override { fs::remove_all(root); }

    void writeFile(const std::string& name, const std::string& bytes)
    {
        std::ofstream(root / "gepa" / name, std::ios::binary) << bytes;
    }
    void writeAllInputs(const std::string& except = "")
    {
        const std::pair<const char*, const char*> files[] = {
            {"gepa_asignat.txt", "1MAT MATEMATICAS\r\n"},
            {"gepa_prof.txt", "1P1  ANA\r\n"},
            {"gepa_aulas.txt", "1A1        A1\r\n"},
            {"gepa_grupo.txt", "1G1A       G1A\r\n"},
            {"gepa_asignatgrupo.txt", "1G1A           MAT\r\n"},
            {"gepa_asignatcurso.txt", "1NIV   1             MAT     3\r\n"},
            {"gepa_sesiones.txt", "1   0001L08000855\r\n"},
        };
        for (const auto& [name, bytes] : files)
            if (name != except)
                writeFile(name, bytes);
    }

    fs::path root;
    RecordingUserInterface ui;
};

TEST_F(ConversionRunTest, CompleteRunSetsStatusOneAndEndsWithItsMessage)
{
    writeAllInputs();
    DbfTableStore store((root / "vtemp").string());
    RunState state;
    EXPECT_EQ(runConversion((root / "gepa").string(), store, ui, state), RunEnd::Finished);
    EXPECT_EQ(state.estadoProceso, 1);
    EXPECT_EQ(ui.events, (std::vector<std::string>{"busy on", "busy off", "message: Proceso finalizado"}));
    std::vector<std::string> tables;
    for (const TableSummary& written : state.written)
        tables.push_back(written.table);
    EXPECT_EQ(tables, (std::vector<std::string>{"ASIGNOMT", "PROFT", "AULAT", "GRUPOST", "ASIGT", "DIASHORAST"}));
}

TEST_F(ConversionRunTest, MissingRequiredFileSetsMinusOneAndTheRunGoesOn)
{
    writeAllInputs("gepa_prof.txt");
    DbfTableStore store((root / "vtemp").string());
    RunState state;
    EXPECT_EQ(runConversion((root / "gepa").string(), store, ui, state), RunEnd::Finished);
    EXPECT_EQ(state.estadoProceso, -1);
    EXPECT_EQ(ui.events, (std::vector<std::string>{"busy on",
                                                   "message: No existe archivo de profesores (GEPA_PROF.TXT)",
                                                   "busy off", "message: Proceso finalizado"}));
    EXPECT_TRUE(fs::exists(root / "vtemp" / "AULAT.DBF"));
}

TEST_F(ConversionRunTest, MissingFolderChangesTheStatusOnlyWhenEmbedded)
{
    struct Case {
        bool embedded;
        int expectedStatus;
    };
    for (const Case& c : {Case{false, 7}, Case{true, -1}}) {
        DbfTableStore store((root / "vtemp").string());
        RecordingUserInterface recorder;
        RunState state;
        state.embedded = c.embedded;
        state.estadoProceso = 7;
        EXPECT_EQ(runConversion((root / "no-such-folder").string(), store, recorder, state), RunEnd::FolderMissing);
        EXPECT_EQ(state.estadoProceso, c.expectedStatus) << "embedded " << c.embedded;
        EXPECT_EQ(recorder.events, (std::vector<std::string>{"message: No existe la carpeta"}));
    }
}

TEST_F(ConversionRunTest, AFileIsNotAFolder)
{
    writeFile("plain.txt", "x");
    DbfTableStore store((root / "vtemp").string());
    RunState state;
    EXPECT_EQ(runConversion((root / "gepa" / "plain.txt").string(), store, ui, state), RunEnd::FolderMissing);
}

TEST_F(ConversionRunTest, AnErrorNeverLeavesStatusOneAndAlwaysEndsBusy)
{
    writeAllInputs();
    DbfTableStore store((root / "no-working-folder").string());
    RunState state;
    EXPECT_THROW(runConversion((root / "gepa").string(), store, ui, state), Error);
    EXPECT_EQ(state.estadoProceso, -1);
    EXPECT_FALSE(ui.busy);
    EXPECT_EQ(ui.events, (std::vector<std::string>{"busy on", "busy off"}));
    EXPECT_FALSE(fs::exists(root / "no-working-folder"));
}

}  // namespace
}  // namespace tt
