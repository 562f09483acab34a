#include "gepafiles/gepa_line.h"

#include "text/bytes.h"

namespace tt {

namespace {

constexpr std::size_t kNameColumn = 2;
constexpr std::size_t kNameWidth = 50;

char toUpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

// Position 0 is taken as 1: a field cannot start before the line.
std::string_view cutField(std::string_view line, std::size_t p, std::size_t n)
{
    const std::size_t start = p == 0 ? 0 : p - 1;
    if (start >= line.size())
        return {};
    return line.substr(start, n);
}

std::string_view trimmedFieldView(std::string_view line, std::size_t p, std::size_t n)
{
    return trimControl(cutField(line, p, n));
}

std::string trimmedField(std::string_view line, std::size_t p, std::size_t n)
{
    return std::string(trimmedFieldView(line, p, n));
}

LineKind classifyLine(std::string_view line, std::string_view upperFileName)
{
    if (!line.empty() && line[0] == '0')
        return LineKind::Header;
    if (!line.empty() && line[0] == '9')
        return LineKind::Trailer;
    const std::string_view name = trimControl(cutField(line, kNameColumn, kNameWidth));
    if (name.size() != upperFileName.size())
        return LineKind::Data;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (toUpperAscii(name[i]) != upperFileName[i])
            return LineKind::Data;
    }
    return LineKind::Named;
}

}  // namespace tt
