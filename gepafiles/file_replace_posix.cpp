#include "gepafiles/file_replace.h"

#include "text/error.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace tt {

namespace {

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// A created file that is removed again unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target)
    {
        const std::string base = folderOf(target) + ".tt-" + std::to_string(::getpid()) + "-";
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            path_ = base + std::to_string(attempt) + ".tmp";
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            if (fd_ < 0 && errno != EEXIST)
                break;
        }
        if (fd_ < 0)
            throw Error("No se puede crear el archivo " + target);
    }
    ~TemporaryFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!renamed_)
            ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool write(std::string_view bytes)
    {
        while (!bytes.empty()) {
            const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return ::fsync(fd_) == 0;
    }
    bool renameTo(const std::string& target)
    {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            return false;
        renamed_ = ::rename(path_.c_str(), target.c_str()) == 0;
        return renamed_;
    }

private:
    std::string path_;
    int fd_ = -1;
    bool renamed_ = false;
};

}  // namespace

void replaceFileContents(const std::string& path, std::string_view bytes)
{
    TemporaryFile temporary(path);
    if (!temporary.write(bytes))
        throw Error("No se puede escribir el archivo " + path);
    if (!temporary.renameTo(path))
        throw Error("No se puede crear el archivo " + path);
}

}  // namespace tt
