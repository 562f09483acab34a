#include "app/launch_mode.h"

namespace tt::app {

namespace {

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string asciiLower(std::string_view text)
{
    std::string lowered(text);
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lowered;
}

}  // namespace

std::optional<std::uint32_t> parseWindowHandle(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

MitadVisible halfForModeWord(std::string_view word)
{
    const std::string lowered = asciiLower(word);
    if (lowered == "importar")
        return MitadVisible::SoloImportar;
    if (lowered == "exportar")
        return MitadVisible::SoloExportar;
    return MitadVisible::Ambas;
}

LaunchRequest readLaunchRequest(const std::vector<std::string>& parameters)
{
    LaunchRequest request;
    if (parameters.size() != 2)
        return request;
    request.twoParameters = true;
    request.modeWord = parameters[0];
    request.handleText = parameters[1];
    return request;
}

}  // namespace tt::app
