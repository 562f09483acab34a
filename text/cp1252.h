#pragma once
// The Windows-1252 code page: decoding for comparisons and for display.
#include <string>
#include <string_view>

namespace tt {

// Decodes Windows-1252 bytes to UTF-16. The five bytes that the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of
// the same value, as Windows does.
std::u16string decodeCp1252(std::string_view bytes);

// The same decoding into a buffer the caller keeps, so that repeated
// decoding needs no new memory; `out` is replaced.
void decodeCp1252Into(std::string_view bytes, std::u16string& out);

// Windows-1252 bytes to UTF-8, for the terminal and for the window toolkit.
std::string cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252; a character the code page lacks becomes "?".
std::string utf8ToCp1252(std::string_view utf8);

}  // namespace tt
