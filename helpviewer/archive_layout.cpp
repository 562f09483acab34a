#include "helpviewer/archive_layout.h"

#include "helpviewer/byte_reader.h"

namespace tt::help {

namespace {

constexpr std::size_t directoryOffsetAt = 0x48;
constexpr std::size_t directoryLengthAt = 0x50;
constexpr std::size_t contentOffsetAt = 0x58;

std::optional<std::uint64_t> u64At(const ByteReader& reader, std::size_t offset) {
    const std::optional<std::uint32_t> low = reader.u32At(offset);
    const std::optional<std::uint32_t> high = reader.u32At(offset + 4);
    if (!low || !high) return std::nullopt;
    return std::uint64_t{*high} << 32 | *low;
}

bool sumFits(std::uint64_t a, std::uint64_t b, std::uint64_t limit) {
    return a <= limit && b <= limit - a;
}

}  // namespace

std::optional<ArchiveLayout> readArchiveLayout(std::string_view header) {
    const ByteReader reader(header);
    if (!header.starts_with("ITSF")) return std::nullopt;
    const std::optional<std::uint32_t> version = reader.u32At(4);
    const std::optional<std::uint64_t> directory = u64At(reader, directoryOffsetAt);
    const std::optional<std::uint64_t> length = u64At(reader, directoryLengthAt);
    if (!version || !directory || !length || !sumFits(*directory, *length, UINT64_MAX))
        return std::nullopt;
    const std::uint64_t directoryEnd = *directory + *length;
    if (*version < 3) return ArchiveLayout{directoryEnd, directoryEnd};
    const std::optional<std::uint64_t> content = u64At(reader, contentOffsetAt);
    if (!content) return std::nullopt;
    return ArchiveLayout{directoryEnd, *content};
}

bool objectFits(const ArchiveLayout& layout, std::uint64_t start, std::uint64_t length,
                std::uint64_t fileSize) {
    return layout.directoryEnd <= fileSize && sumFits(layout.contentStart, start, fileSize) &&
           sumFits(layout.contentStart + start, length, fileSize);
}

}  // namespace tt::help
