#pragma once
// The two ways GEPA files are read into lines. Lines are byte strings
// without their line ends.
#include <string>
#include <string_view>
#include <vector>

namespace tt {

// Text-file reading: a line ends at LF or CR LF; a CR not followed by LF
// is dropped from the line; a byte 26 (Ctrl-Z) ends the file. A last line
// without a line end is still a line. Throws Error naming the file when it
// cannot be opened or read.
std::vector<std::string> readTextFileLines(const std::string& path);

// List reading: split at CR LF, at LF and at a lone CR; a final line end
// gives no extra empty line; a byte 0 ends the text. Throws like above.
std::vector<std::string> readListLines(const std::string& path);

// The same rules over bytes already in memory.
std::vector<std::string> splitTextFileLines(std::string_view bytes);
std::vector<std::string> splitListLines(std::string_view bytes);

}  // namespace tt
