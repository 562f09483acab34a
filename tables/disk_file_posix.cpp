// The POSIX side of DiskFile: open(2), flock(2) and friends.
#ifndef _WIN32

#include "tables/disk_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tt {

namespace {

// What the user reads about a failed system call.
std::string describeErrno(int code)
{
    switch (code) {
    case ENOENT:
    case ENOTDIR:
        return "no existe";
    case EACCES:
    case EPERM:
        return "permiso denegado";
    case ENOSPC:
        return "no queda espacio en el disco";
    case EROFS:
        return "el disco es de solo lectura";
    case EEXIST:
        return "ya existe";
    case EISDIR:
        return "es una carpeta";
    default:
        return std::string("error del sistema ") + std::to_string(code) + " (" + std::strerror(code) + ")";
    }
}

}  // namespace

DiskFile::~DiskFile()
{
    close();
}

DiskFile::DiskFile(DiskFile&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)),
      busy_(other.busy_),
      missing_(other.missing_),
      alreadyExists_(other.alreadyExists_),
      failure_(std::move(other.failure_))
{
}

DiskFile& DiskFile::operator=(DiskFile&& other) noexcept
{
    if (this != &other) {
        close();
        handle_ = std::exchange(other.handle_, -1);
        busy_ = other.busy_;
        missing_ = other.missing_;
        alreadyExists_ = other.alreadyExists_;
        failure_ = std::move(other.failure_);
    }
    return *this;
}

bool DiskFile::fail()
{
    const int code = errno;
    missing_ = code == ENOENT || code == ENOTDIR;
    alreadyExists_ = code == EEXIST;
    failure_ = describeErrno(code);
    return false;
}

bool DiskFile::openExisting(const std::string& path, bool writable)
{
    close();
    handle_ = ::open(path.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    return handle_ >= 0 || fail();
}

bool DiskFile::createNew(const std::string& path)
{
    close();
    handle_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    return handle_ >= 0 || fail();
}

bool DiskFile::tryLock(LockKind kind)
{
    busy_ = false;
    const int operation = (kind == LockKind::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    while (::flock(handle_, operation) != 0) {
        if (errno == EINTR)
            continue;
        if (errno == EWOULDBLOCK) {
            busy_ = true;
            failure_ = "en uso";
            return false;
        }
        return fail();
    }
    return true;
}

bool DiskFile::readAll(ByteBuffer& bytes)
{
    struct stat status {};
    if (::fstat(handle_, &status) != 0)
        return fail();
    bytes.resize(static_cast<std::size_t>(status.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::pread(handle_, bytes.data() + done, bytes.size() - done,
                                    static_cast<off_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return fail();
        if (got == 0)
            break;  // the file shrank meanwhile
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return true;
}

bool DiskFile::rewrite(std::initializer_list<std::string_view> parts)
{
    std::size_t offset = 0;
    for (std::string_view bytes : parts) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t put = ::pwrite(handle_, bytes.data() + done, bytes.size() - done,
                                         static_cast<off_t>(offset + done));
            if (put < 0 && errno == EINTR)
                continue;
            if (put < 0)
                return fail();
            done += static_cast<std::size_t>(put);
        }
        offset += done;
    }
    if (::ftruncate(handle_, static_cast<off_t>(offset)) != 0)
        return fail();
    return true;
}

bool DiskFile::sync()
{
    return ::fsync(handle_) == 0 || fail();
}

void DiskFile::close()
{
    if (handle_ >= 0)
        ::close(handle_);  // also releases the lock
    handle_ = -1;
}

bool replaceFile(const std::string& from, const std::string& to, std::string& failure)
{
    if (::rename(from.c_str(), to.c_str()) == 0)
        return true;
    failure = describeErrno(errno);
    return false;
}

void syncFolder(const std::string& folder)
{
    const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return;
    ::fsync(handle);
    ::close(handle);
}

long processId()
{
    return static_cast<long>(::getpid());
}

}  // namespace tt

#endif  // _WIN32
