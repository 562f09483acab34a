#pragma once
#include <string>
#include <string_view>

namespace tt {

// A file written as a whole or not at all: the bytes go to a temporary
// file in the same folder, renamed over `path` only by commit(), once they
// are complete and on disk. Destroyed without commit(), it leaves the old
// file as it was and no temporary file. Failures throw tt::Error naming
// the file.
class ReplacingFile {
public:
    explicit ReplacingFile(std::string path);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    void write(std::string_view bytes);  // buffered
    void commit();

private:
    void flush();

    std::string path_;
    std::string temporaryPath_;
    int fd_ = -1;
    bool committed_ = false;
    std::string buffer_;
};

// The whole file at once.
void replaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace tt
