#include "gepafiles/file_replace.h"

#include "text/error.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tt {

namespace {

constexpr std::size_t kBufferSize = 1 << 20;

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

ReplacingFile::ReplacingFile(std::string path) : path_(std::move(path))
{
    const std::string base = folderOf(path_) + ".tt-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temporaryPath_ = base + std::to_string(attempt) + ".tmp";
        fd_ = ::open(temporaryPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd_ < 0 && errno != EEXIST)
            break;
    }
    if (fd_ < 0)
        throw Error("No se puede crear el archivo " + path_);
    buffer_.reserve(kBufferSize);
}

ReplacingFile::~ReplacingFile()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!committed_)
        ::unlink(temporaryPath_.c_str());
}

void ReplacingFile::write(std::string_view bytes)
{
    buffer_ += bytes;
    if (buffer_.size() >= kBufferSize)
        flush();
}

void ReplacingFile::flush()
{
    if (!writeAll(fd_, buffer_))
        throw Error("No se puede escribir el archivo " + path_);
    buffer_.clear();
}

void ReplacingFile::commit()
{
    flush();
    if (::fsync(fd_) != 0)
        throw Error("No se puede escribir el archivo " + path_);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        throw Error("No se puede escribir el archivo " + path_);
    if (::rename(temporaryPath_.c_str(), path_.c_str()) != 0)
        throw Error("No se puede crear el archivo " + path_);
    committed_ = true;
}

void replaceFileContents(const std::string& path, std::string_view bytes)
{
    ReplacingFile file(path);
    file.write(bytes);
    file.commit();
}

}  // namespace tt
