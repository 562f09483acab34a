#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tt {

// A table that a run wrote, and how many records it holds.
struct TableSummary {
    std::string table;
    std::size_t records = 0;
    double seconds = 0;  // how long its builder (or the export) took
};

// What a run shares with the window that started it.
struct RunState {
    std::int32_t estadoProceso = 0;  // 0, 1 or -1, handed to Vestrano on close
    bool embedded = false;           // started docked by Vestrano
    std::vector<TableSummary> written;
};

// How a run ended when no error ended it.
enum class RunEnd {
    FolderMissing,  // "No existe la carpeta" was shown
    Finished,       // "Proceso finalizado" was shown
};

}  // namespace tt
