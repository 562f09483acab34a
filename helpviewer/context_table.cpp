#include "helpviewer/context_table.h"

#include "helpviewer/byte_reader.h"

namespace tt::help {

namespace {

constexpr std::size_t countSize = 4;
constexpr std::size_t pairSize = 8;

std::optional<std::size_t> offsetOfContext(const ByteReader& ivb, std::uint32_t context) {
    const std::optional<std::uint32_t> byteCount = ivb.u32At(0);
    if (!byteCount || !ivb.fits(countSize, *byteCount) || *byteCount % pairSize != 0)
        return std::nullopt;
    for (std::size_t pair = countSize; pair < countSize + *byteCount; pair += pairSize) {
        if (*ivb.u32At(pair) == context) return *ivb.u32At(pair + 4);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> findContextName(std::string_view ivb, std::string_view strings,
                                           std::uint32_t context) {
    const std::optional<std::size_t> offset = offsetOfContext(ByteReader(ivb), context);
    if (!offset) return std::nullopt;
    std::optional<std::string> name = ByteReader(strings).cStringAt(*offset, strings.size());
    if (!name || name->empty()) return std::nullopt;
    return name;
}

}  // namespace tt::help
