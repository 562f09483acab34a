// Where Vestrano's working folder is looked for.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "tables/working_folder.h"

namespace tt {
namespace {

// Sets (or unsets) an environment variable for the life of the object.
class EnvironmentSetting {
public:
    EnvironmentSetting(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value == nullptr)
            unsetenv(name);
        else
            setenv(name, value, 1);
    }
    ~EnvironmentSetting()
    {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }
    EnvironmentSetting(const EnvironmentSetting&) = delete;
    EnvironmentSetting& operator=(const EnvironmentSetting&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(TablesWorkingFolder, ChosenByTheEnvironment)
{
    const struct {
        const char* vtemp;
        const char* winePrefix;
        const char* home;
        const char* folder;
    } cases[] = {
        {"/datos/vtemp", "/wine", "/home/u", "/datos/vtemp"},
        {"", "/wine", "/home/u", "/wine/drive_c/VTEMP"},
        {nullptr, "/wine", "/home/u", "/wine/drive_c/VTEMP"},
        {nullptr, "", "/home/u", "/home/u/.wine/drive_c/VTEMP"},
        {nullptr, nullptr, "/home/u", "/home/u/.wine/drive_c/VTEMP"},
    };
    for (const auto& c : cases) {
        EnvironmentSetting vtemp("VTEMP", c.vtemp);
        EnvironmentSetting prefix("WINEPREFIX", c.winePrefix);
        EnvironmentSetting home("HOME", c.home);
        EXPECT_EQ(defaultWorkingFolder(), c.folder);
    }
}

}  // namespace
}  // namespace tt
