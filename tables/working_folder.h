#pragma once
#include <string>

namespace tt {

// The working folder of Vestrano: the environment variable VTEMP when it
// is set; otherwise C:\VTEMP on Windows and, elsewhere, the VTEMP folder of
// drive C of the user's Wine prefix ($WINEPREFIX, or ~/.wine when unset).
// The folder is never created here.
std::string defaultWorkingFolder();

}  // namespace tt
