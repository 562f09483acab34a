#include "text/error.h"

namespace tt {

std::string errorBoxText(const std::string& text)
{
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        return text + ".";
    return text;
}

}  // namespace tt
