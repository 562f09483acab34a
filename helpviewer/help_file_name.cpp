#include "helpviewer/help_file_name.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "text/cp1252.h"

namespace tt::help {

namespace {

bool endsInChm(std::string_view name) {
    constexpr std::string_view suffix = ".chm";
    if (name.size() < suffix.size()) return false;
    return std::ranges::equal(name.substr(name.size() - suffix.size()), suffix,
                              [](char a, char b) {
                                  return std::tolower(static_cast<unsigned char>(a)) == b;
                              });
}

bool hasFolderPart(std::string_view name) {
    return name.find_first_of("/\\") != std::string_view::npos;
}

}  // namespace

std::optional<std::filesystem::path> resolveHelpFile(std::string_view name,
                                                     const std::filesystem::path& programFolder) {
    if (!endsInChm(name)) return std::nullopt;
    const std::filesystem::path file(cp1252ToUtf8(name));
    if (hasFolderPart(name)) return file;
    return programFolder / file;
}

}  // namespace tt::help
