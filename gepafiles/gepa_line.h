#pragma once
// Column rules of the GEPA fixed-column lines.
#include <string>
#include <string_view>

namespace tt {

// The n bytes from the 1-based position p, or fewer when the line ends
// before: the cut never fails.
std::string_view cutField(std::string_view line, std::size_t p, std::size_t n);

// cutField, then bytes 0 to 32 removed from both ends.
std::string trimmedField(std::string_view line, std::size_t p, std::size_t n);
// The same, as a view into the line.
std::string_view trimmedFieldView(std::string_view line, std::size_t p, std::size_t n);

enum class LineKind { Header, Trailer, Named, Data };

// By column 1: "0" header, "9" trailer; otherwise a line whose columns
// 2-51, trimmed and upper-cased (ASCII only), equal the file's upper-case
// name is a name line; anything else, an empty line too, is data.
LineKind classifyLine(std::string_view line, std::string_view upperFileName);

inline bool isDataLine(std::string_view line, std::string_view upperFileName)
{
    return classifyLine(line, upperFileName) == LineKind::Data;
}

}  // namespace tt
