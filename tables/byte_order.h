#pragma once
// Reading and writing fixed-size integers in a byte buffer, in either
// byte order, whatever the machine's own.
#include <cstdint>

namespace tt {

inline std::uint32_t byteAt(const char* p, int i)
{
    return static_cast<unsigned char>(p[i]);
}

inline std::uint16_t readLittle16(const char* p)
{
    return static_cast<std::uint16_t>(byteAt(p, 0) | (byteAt(p, 1) << 8));
}

inline std::uint32_t readLittle32(const char* p)
{
    return byteAt(p, 0) | (byteAt(p, 1) << 8) | (byteAt(p, 2) << 16) | (byteAt(p, 3) << 24);
}

inline std::uint32_t readBig32(const char* p)
{
    return (byteAt(p, 0) << 24) | (byteAt(p, 1) << 16) | (byteAt(p, 2) << 8) | byteAt(p, 3);
}

inline std::uint64_t readLittle64(const char* p)
{
    return readLittle32(p) | (static_cast<std::uint64_t>(readLittle32(p + 4)) << 32);
}

inline std::uint64_t readBig64(const char* p)
{
    return (static_cast<std::uint64_t>(readBig32(p)) << 32) | readBig32(p + 4);
}

inline void writeLittle16(char* p, std::uint16_t value)
{
    p[0] = static_cast<char>(value & 0xFF);
    p[1] = static_cast<char>(value >> 8);
}

inline void writeLittle32(char* p, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace tt
