#include "conversion/session_pattern.h"

#include <cmath>
#include <cstdio>

namespace tt {

std::string sessionPattern(double hours)
{
    const double whole = std::floor(hours);
    std::string pattern;
    double ones = whole;
    if (whole > 13) {
        // A double that is already whole prints exactly with no decimals,
        // even beyond any integer type.
        char text[400];
        std::snprintf(text, sizeof text, "%.0f", whole - 13);
        pattern = text;
        ones = 13;
    }
    if (ones > 0)
        pattern.append(static_cast<std::size_t>(ones), '1');
    if (whole < hours)
        pattern += '\xBD';
    return pattern;
}

}  // namespace tt
