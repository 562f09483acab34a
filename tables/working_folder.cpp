#include "tables/working_folder.h"

#include <cstdlib>

namespace tt {

namespace {

std::string environment(const char* variable)
{
    const char* value = std::getenv(variable);
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

std::string defaultWorkingFolder()
{
    const std::string chosen = environment("VTEMP");
    if (!chosen.empty())
        return chosen;
#ifdef _WIN32
    return "C:\\VTEMP";
#else
    std::string prefix = environment("WINEPREFIX");
    if (prefix.empty())
        prefix = environment("HOME") + "/.wine";
    return prefix + "/drive_c/VTEMP";
#endif
}

}  // namespace tt
