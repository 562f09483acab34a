#pragma once
// The one exception type of the system: its text is what the user reads,
// in Spanish, as Windows-1252 bytes.
#include <stdexcept>
#include <string>

namespace tt {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& text) : std::runtime_error(text) {}
};

// The text of an error box: the error's text, with a period added when its
// last byte sorts after ".".
std::string errorBoxText(const std::string& text);

}  // namespace tt
