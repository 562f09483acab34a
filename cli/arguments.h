#pragma once
#include <optional>
#include <string>
#include <vector>

namespace tt::cli {

enum class Command { Exportar, Importar, Ayuda };

struct Arguments {
    Command command = Command::Ayuda;
    std::string carpeta;                  // the folder of the GEPA files
    std::optional<std::string> vtemp;     // --vtemp DIR
    bool tiempos = false;                 // --tiempos: how long each table took
};

// Reads the command line (without the program name). Throws
// UsageError with a Spanish text on bad usage.
Arguments parseArguments(const std::vector<std::string>& args);

struct UsageError {
    std::string text;
};

extern const char* const kUsage;

}  // namespace tt::cli
