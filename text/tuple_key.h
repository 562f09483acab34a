#pragma once
// One map key made of several texts: each text is preceded by its length,
// so that no two different tuples give the same key.
#include <initializer_list>
#include <string>
#include <string_view>

namespace tt {

inline std::string tupleKey(std::initializer_list<std::string_view> parts)
{
    std::string key;
    for (std::string_view part : parts) {
        key += std::to_string(part.size());
        key += ':';
        key += part;
    }
    return key;
}

}  // namespace tt
