#pragma once
#include <string>

namespace tt {

// The session pattern of ASIGT.SESIONES for hours h (h >= 1) with whole
// part w: the number w - 13 when w is 14 or more, then min(w, 13) times
// "1", then "\xBD" (one half) when h has a fraction. The whole part is
// taken at any size, written in full (the table store keeps what fits).
std::string sessionPattern(double hours);

}  // namespace tt
