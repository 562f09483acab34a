#pragma once
// Byte-string helpers. Text is Windows-1252 bytes with 1-based column
// positions in the GEPA files; nothing here converts character sets.
#include <string>
#include <string_view>

namespace tt {

// Removes bytes 0 to 32 (blanks and control characters) from both ends.
std::string_view trimControl(std::string_view text);

// Upper- or lower-cases the ASCII letters only; bytes above 127 stay as they are.
std::string upperAscii(std::string_view text);
std::string lowerAscii(std::string_view text);

// Case-insensitive equality over ASCII letters only.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace tt
