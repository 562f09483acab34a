#pragma once
// Finding GEPA files regardless of letter case: the system names them in
// lower case while GEPA writes them in capitals or mixed case.
#include <optional>
#include <string>

namespace tt {

// The path of the file `name` in the folder `ruta` (a folder followed by
// one separator, see makeRuta): ruta + name when that exists, else the
// one entry of the folder whose name equals `name` ignoring ASCII letter
// case; of several such entries the one whose name is smallest byte by
// byte. Only regular files (or links to them) count. Empty when none.
std::optional<std::string> findFile(const std::string& ruta, const std::string& name);

// Whether `ruta` names an existing folder.
bool folderExists(const std::string& ruta);

// The chosen folder followed by one path separator, appended without
// looking at how the folder ends (a root folder gives two).
std::string makeRuta(const std::string& folder);

// The platform's path separator.
constexpr char kPathSeparator =
#ifdef _WIN32
    '\\';
#else
    '/';
#endif

}  // namespace tt
