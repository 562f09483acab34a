#pragma once
// A fresh folder under the system's temporary folder, removed with all it
// holds when the object goes away; for tests that need real files.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include <gtest/gtest.h>

namespace tt::testing {

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tt_gepafiles_XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            ADD_FAILURE() << "no temporary folder";
        path_ = pattern;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string ruta() const { return path_ + "/"; }

    // Writes a file with exactly these bytes and gives its path.
    std::string write(const std::string& name, const std::string& bytes) const
    {
        const std::string file = ruta() + name;
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            ADD_FAILURE() << "cannot write " << file;
        return file;
    }

private:
    std::string path_;
};

}  // namespace tt::testing
