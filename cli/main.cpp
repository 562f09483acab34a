// transtaleno-cli: the runs of the window, for batch use and scripting.
// Messages go to stderr, one per line, as the window's boxes would show
// them; stdout gets one line per table written.
#include "cli/arguments.h"
#include "conversion/conversion_run.h"
#include "tables/dbf_table_store.h"
#include "tables/working_folder.h"
#include "text/cp1252.h"
#include "text/error.h"
#include "timetable/timetable_export.h"

#include <cstdio>
#include <iostream>

namespace {

using namespace tt;

class ConsoleUserInterface : public UserInterface {
public:
    void showMessage(const std::string& text) override { std::cerr << cp1252ToUtf8(text) << '\n'; }
    void setBusy(bool) override {}
};

constexpr int kExitSuccess = 0;
constexpr int kExitIncomplete = 1;
constexpr int kExitError = 2;
constexpr int kExitUsage = 64;

int exitStatus(RunEnd end, const RunState& state)
{
    if (end == RunEnd::FolderMissing)
        return kExitIncomplete;
    return state.estadoProceso == 1 ? kExitSuccess : kExitIncomplete;
}

// One line per table written with its record count; for the timetable
// file, its count of timetable lines.
void printSummary(const RunState& state, bool withTimes)
{
    for (const TableSummary& table : state.written) {
        std::cout << table.table << ": " << table.records
                  << (table.table == "GEPA_HORARIO.TXT" ? " l\xC3\xADneas" : " registros");
        if (withTimes) {
            char seconds[32];
            std::snprintf(seconds, sizeof seconds, " (%.4f s)", table.seconds);
            std::cout << seconds;
        }
        std::cout << '\n';
    }
}

int run(const cli::Arguments& args)
{
    DbfTableStore store(args.vtemp ? *args.vtemp : defaultWorkingFolder());
    ConsoleUserInterface ui;
    RunState state;
    try {
        RunEnd end = RunEnd::Finished;
        if (args.command == cli::Command::Exportar)
            end = runConversion(args.carpeta, store, ui, state);
        else
            end = runTimetableExport(args.carpeta, store, ui, state, SystemClock());
        printSummary(state, args.tiempos);
        return exitStatus(end, state);
    } catch (const Error& e) {
        printSummary(state, args.tiempos);
        ui.showMessage(errorBoxText(e.what()));
        return kExitError;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    cli::Arguments parsed;
    try {
        parsed = cli::parseArguments(args);
    } catch (const cli::UsageError& e) {
        std::cerr << "transtaleno-cli: " << tt::cp1252ToUtf8(e.text) << "\n\n" << tt::cp1252ToUtf8(cli::kUsage);
        return kExitUsage;
    }
    if (parsed.command == cli::Command::Ayuda) {
        std::cout << tt::cp1252ToUtf8(cli::kUsage);
        return kExitSuccess;
    }
    try {
        return run(parsed);
    } catch (const std::exception& e) {
        std::cerr << tt::cp1252ToUtf8(tt::errorBoxText(e.what())) << '\n';
        return kExitError;
    }
}
