#include "gepafiles/file_finder.h"

#include <filesystem>
#include <system_error>

#include "text/bytes.h"

namespace tt {

namespace fs = std::filesystem;

namespace {

// Whether the path names a regular file, following links; never throws.
bool isRegularFile(const std::string& path)
{
    std::error_code error;
    return fs::is_regular_file(fs::path(path), error);
}

}  // namespace

std::optional<std::string> findFile(const std::string& ruta, const std::string& name)
{
    if (isRegularFile(ruta + name))
        return ruta + name;

    // A folder that cannot be listed simply holds no match.
    std::optional<std::string> best;
    std::error_code error;
    fs::directory_iterator entry(fs::path(ruta), error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        const std::string entryName = entry->path().filename().string();
        if (!equalsIgnoringAsciiCase(entryName, name) || !isRegularFile(ruta + entryName))
            continue;
        if (!best || entryName < *best)
            best = entryName;
    }
    if (!best)
        return std::nullopt;
    return ruta + *best;
}

bool folderExists(const std::string& ruta)
{
    std::error_code error;
    return !ruta.empty() && fs::is_directory(fs::path(ruta), error);
}

std::string makeRuta(const std::string& folder)
{
    return folder + kPathSeparator;
}

}  // namespace tt
