#pragma once
// Context numbers of a compiled help file. /#IVB holds a 32-bit byte count
// and then pairs of 32-bit numbers: a context id and an offset into
// /#STRINGS, where the topic's name ends in a NUL. All numbers are
// little-endian.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tt::help {

// The topic name that the tables map `context` to. No name when the id is
// not in the table, or when the table is damaged: a byte count beyond the
// /#IVB data or not a whole number of pairs, an offset outside /#STRINGS, a
// name without its NUL, or an empty name.
std::optional<std::string> findContextName(std::string_view ivb, std::string_view strings,
                                           std::uint32_t context);

}  // namespace tt::help
