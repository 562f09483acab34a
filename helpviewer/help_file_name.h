#pragma once
// Which file a help request names.
#include <filesystem>
#include <optional>
#include <string_view>

namespace tt::help {

// The help file for a request naming `name` (Windows-1252 bytes): a name
// without a folder part lies in `programFolder`; a name with one is taken as
// it is. No file for a name that does not end in ".chm", letter case ignored.
std::optional<std::filesystem::path> resolveHelpFile(std::string_view name,
                                                     const std::filesystem::path& programFolder);

}  // namespace tt::help
