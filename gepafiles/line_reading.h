#pragma once
// The two ways GEPA files are read into lines. Lines are byte strings
// without their line ends.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "text/large_buffer.h"

namespace tt {

// The lines of one file, as views into one buffer that they share: one
// allocation for the whole file instead of one per line.
class TextLines {
public:
    TextLines() = default;
    TextLines(std::unique_ptr<ByteBuffer> buffer, std::vector<std::string_view> lines)
        : buffer_(std::move(buffer)), lines_(std::move(lines))
    {
    }

    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    std::string_view operator[](std::size_t i) const { return lines_[i]; }
    auto begin() const { return lines_.begin(); }
    auto end() const { return lines_.end(); }

    std::vector<std::string> toStrings() const { return {lines_.begin(), lines_.end()}; }

private:
    std::unique_ptr<ByteBuffer> buffer_;  // the views point into it; a pointer, so that moves keep them valid
    std::vector<std::string_view> lines_;
};

// Text-file reading: a line ends at LF or CR LF; a CR not followed by LF
// is dropped from the line; a byte 26 (Ctrl-Z) ends the file: what comes
// before it on its line is a line when it is not empty. A last line
// without a line end is still a line. Throws Error naming the file when it
// cannot be opened or read.
TextLines readTextFileLines(const std::string& path);

// List reading: split at CR LF, at LF and at a lone CR; a final line end
// gives no extra empty line; a byte 0 ends the text. Throws like above.
TextLines readListLines(const std::string& path);

// The same rules over bytes already in memory.
TextLines splitTextFileLines(std::string_view bytes);
TextLines splitListLines(std::string_view bytes);

}  // namespace tt
