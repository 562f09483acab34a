#pragma once
// An open compiled help file (an ITSS archive), read through chmlib.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

struct chmFile;

namespace tt::help {

class ChmFile {
public:
    // No value when the file is missing, is not an archive, or is cut short.
    static std::optional<ChmFile> open(const std::filesystem::path& file);

    // True for an object (not a folder) with this path, e.g. "/index.htm".
    bool contains(const std::string& path) const;

    // The whole object, or no value when it is missing, a folder, larger
    // than the reader accepts, or cannot be read to its end.
    std::optional<std::string> read(const std::string& path) const;

    // The path of the first object whose name ends in `suffix`, letter case
    // ignored, in the archive's own order.
    std::optional<std::string> firstPathEndingIn(const std::string& suffix) const;

private:
    struct Closer {
        void operator()(chmFile* handle) const;
    };

    explicit ChmFile(chmFile* handle) : handle_(handle) {}

    std::unique_ptr<chmFile, Closer> handle_;
};

}  // namespace tt::help
