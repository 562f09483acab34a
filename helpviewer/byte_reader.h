#pragma once
// Bounds-checked reading of little-endian integers and NUL-terminated
// strings from a block of bytes taken from an archive. Every read that would
// pass the end of the block gives no value instead.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tt::help {

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    std::size_t size() const { return bytes_.size(); }

    std::optional<std::uint16_t> u16At(std::size_t offset) const {
        if (!fits(offset, 2)) return std::nullopt;
        return static_cast<std::uint16_t>(byteAt(offset) | byteAt(offset + 1) << 8);
    }

    std::optional<std::uint32_t> u32At(std::size_t offset) const {
        if (!fits(offset, 4)) return std::nullopt;
        std::uint32_t value = 0;
        for (std::size_t i = 4; i-- > 0;) value = value << 8 | byteAt(offset + i);
        return value;
    }

    // The bytes from `offset` up to the first NUL, which must lie within
    // `limit` bytes of `offset` and inside the block.
    std::optional<std::string> cStringAt(std::size_t offset, std::size_t limit) const {
        if (offset >= bytes_.size()) return std::nullopt;
        const std::string_view rest = bytes_.substr(offset, limit);
        const std::size_t end = rest.find('\0');
        if (end == std::string_view::npos) return std::nullopt;
        return std::string(rest.substr(0, end));
    }

    bool fits(std::size_t offset, std::size_t length) const {
        return offset <= bytes_.size() && length <= bytes_.size() - offset;
    }

private:
    std::uint32_t byteAt(std::size_t offset) const {
        return static_cast<unsigned char>(bytes_[offset]);
    }

    std::string_view bytes_;
};

}  // namespace tt::help
