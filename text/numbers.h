#pragma once
// Number conversions with the messages the user knows, in the "C" locale:
// the point is the decimal separator whatever the machine's settings.
#include <cstdint>
#include <string>
#include <string_view>

namespace tt {

// An optional sign and decimal digits, in the 32-bit signed range.
// Otherwise throws Error("'<text>' no es un valor entero válido").
std::int32_t parseInteger(std::string_view text);

// An optional sign, digits with an optional point and fraction, and an
// optional exponent. Otherwise throws
// Error("'<text>' no es un valor punto flotante válido").
double parseFloat(std::string_view text);

// Decimal text of an integer, with a minus sign when negative.
std::string formatInteger(std::int64_t value);

}  // namespace tt
