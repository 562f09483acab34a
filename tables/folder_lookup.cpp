#include "tables/folder_lookup.h"

#include <filesystem>

#include "gepafiles/file_finder.h"

namespace tt {

namespace fs = std::filesystem;

std::string joinPath(const std::string& folder, const std::string& fileName)
{
    return (fs::path(folder) / fileName).string();
}

std::optional<std::string> findFileIgnoringCase(const std::string& folder, const std::string& fileName)
{
    return findFile(makeRuta(folder), fileName);
}

}  // namespace tt
