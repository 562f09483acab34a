#pragma once
// Little-endian integers as bytes, for building archive fixtures by hand.
#include <cstdint>
#include <string>

namespace tt::testing {

inline std::string littleEndian(std::uint64_t value, int byteCount) {
    std::string bytes;
    for (int i = 0; i < byteCount; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xFF);
    return bytes;
}

inline std::string u16(std::uint16_t value) { return littleEndian(value, 2); }
inline std::string u32(std::uint32_t value) { return littleEndian(value, 4); }
inline std::string u64(std::uint64_t value) { return littleEndian(value, 8); }

}  // namespace tt::testing
