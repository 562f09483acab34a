#pragma once
// What both generators share: the codes of the invented school, so that
// the SOLUC generator names the same teachers, groups and rooms.
#include <cstdint>
#include <string>

namespace bench {

// Cut or filled with blanks to `width`.
inline std::string fixed(const std::string& value, std::size_t width)
{
    std::string out = value.substr(0, width);
    out.resize(width, ' ');
    return out;
}

// Base-36 code of `n`, `width` characters with leading zeros.
inline std::string code(std::uint32_t n, std::size_t width)
{
    static const char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string out(width, '0');
    for (std::size_t i = width; i-- > 0 && n > 0; n /= 36)
        out[i] = digits[n % 36];
    return out;
}

// The code of group `g`: its number and a letter.
inline std::string groupCode(std::uint32_t g)
{
    return "G" + code(g, 5) + static_cast<char>('A' + g % 6);
}

}  // namespace bench
