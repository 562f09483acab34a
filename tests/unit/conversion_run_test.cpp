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
    void writeAllInputs()
    {
        writeFile("gepa_prof.txt", "1P1  ANA\r\n");
        writeFile("gepa_aulas.txt", "1A1        A1\r\n");
        writeFile("gepa_grupo.txt", "1G1A       G1A\r\n");
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
    ASSERT_EQ(state.written.size(), 3u);
    EXPECT_EQ(state.written[0].table, "PROFT");
    EXPECT_EQ(state.written[2].table, "GRUPOST");
}

TEST_F(ConversionRunTest, MissingRequiredFileSetsMinusOneAndTheRunGoesOn)
{
    writeFile("gepa_aulas.txt", "1A1        A1\r\n");
    writeFile("gepa_grupo.txt", "1G1A       G1A\r\n");
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
