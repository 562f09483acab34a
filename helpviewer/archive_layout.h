#pragma once
// Where the parts of a compiled help file lie, from its "ITSF" header, so
// that a truncated file can be told before chmlib reads past its end (chmlib
// then hands back blocks it never filled).
#include <cstdint>
#include <optional>
#include <string_view>

namespace tt::help {

struct ArchiveLayout {
    std::uint64_t directoryEnd;  // end of the directory of objects
    std::uint64_t contentStart;  // where the uncompressed section begins
};

// The header is 0x60 bytes in version 3 and 0x58 in version 2, whose
// content follows the directory. No value for a header that is not one.
std::optional<ArchiveLayout> readArchiveLayout(std::string_view header);

// True when an object of the uncompressed section, at `start` with
// `length` bytes, lies wholly inside a file of `fileSize` bytes.
bool objectFits(const ArchiveLayout& layout, std::uint64_t start, std::uint64_t length,
                std::uint64_t fileSize);

}  // namespace tt::help
