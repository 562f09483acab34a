#include "tables/folder_lookup.h"

#include <filesystem>
#include <system_error>

#include "text/bytes.h"

namespace tt {

namespace fs = std::filesystem;

std::string joinPath(const std::string& folder, const std::string& fileName)
{
    return (fs::path(folder) / fileName).string();
}

std::optional<std::string> findFileIgnoringCase(const std::string& folder, const std::string& fileName)
{
    std::error_code failure;
    const fs::path exact = fs::path(folder) / fileName;
    if (fs::is_regular_file(exact, failure))
        return exact.string();

    std::optional<std::string> best;
    fs::directory_iterator entries(folder, failure);
    for (; !failure && entries != fs::directory_iterator(); entries.increment(failure)) {
        const std::string name = entries->path().filename().string();
        std::error_code unreadable;  // an entry we cannot examine is no match, not the end
        if (!equalsIgnoringAsciiCase(name, fileName) || !entries->is_regular_file(unreadable))
            continue;
        if (!best || name < fs::path(*best).filename().string())
            best = entries->path().string();
    }
    return best;
}

}  // namespace tt
