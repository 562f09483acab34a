#pragma once
// Writing one value into a Windows settings file (.ini) the way Windows
// does it for a single key, without touching anything else in the file:
// other sections, keys, comments, blank lines and line ends stay byte for
// byte. The file is written to a temporary file beside it and renamed into
// place, so that a crash leaves either the old file or the new one.
#include <stdexcept>
#include <string>
#include <string_view>

namespace tt::app {

// Raised when the file cannot be written; the text is "Unable to write to
// <path>", the message Windows programs show in that case.
class IniWriteError : public std::runtime_error {
public:
    explicit IniWriteError(const std::string& path) : std::runtime_error("Unable to write to " + path) {}
};

// The contents of an ini file with `key` of `section` set to `value`.
// Section and key are found regardless of ASCII letter case; the first of
// each counts. A missing key is added after the last non-blank line of its
// section, a missing section at the end of the file; new lines end like
// the file's first line (CR LF when it has none).
std::string iniWithValue(std::string_view contents, std::string_view section, std::string_view key,
                         std::string_view value);

// Sets `key` of `section` to `value` in the file at `path`, creating the
// file when it is missing. An existing file that is read-only (no write
// permission bit at all, as the Windows read-only attribute) is not
// replaced. Throws IniWriteError.
void writeIniValue(const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value);

}  // namespace tt::app
