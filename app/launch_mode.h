#pragma once
// What the command line asks of the window: standalone, or docked into a
// Vestrano window with one half or both shown.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tt::app {

// The halves of the top band that an embedded window shows.
enum class MitadVisible { Ambas, SoloImportar, SoloExportar };

// The window handle of the second parameter: hexadecimal digits only (no
// prefix, sign or blank), of a value that fits in 32 bits; leading zeros
// do not count. Empty when the text is no such number.
std::optional<std::uint32_t> parseWindowHandle(std::string_view text);

// The half that a mode word selects, its ASCII letters lower-cased first:
// "importar" and "exportar" each keep their own half; any other word both.
MitadVisible halfForModeWord(std::string_view word);

// The command line as the window reads it.
struct LaunchRequest {
    bool twoParameters = false;   // exactly two parameters were given
    std::string modeWord;         // parameter 1 (when twoParameters)
    std::string handleText;       // parameter 2 (when twoParameters)
};

LaunchRequest readLaunchRequest(const std::vector<std::string>& parameters);

}  // namespace tt::app
