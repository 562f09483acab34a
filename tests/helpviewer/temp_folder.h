#pragma once
// A fresh folder under the system's temporary folder, removed with all it
// holds when the object goes away.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

namespace tt::testing {

class HelpTempFolder {
public:
    HelpTempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tt_helpviewer_XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
        path_ = pattern;
    }
    ~HelpTempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    HelpTempFolder(const HelpTempFolder&) = delete;
    HelpTempFolder& operator=(const HelpTempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    std::filesystem::path write(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path file = path_ / name;
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + file.string());
        return file;
    }

private:
    std::filesystem::path path_;
};

inline std::string readWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace tt::testing
