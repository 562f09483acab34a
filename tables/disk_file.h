#pragma once
// One open file of the working folder, with the advisory lock that keeps
// other programs out of a table while we use it. The operating system
// calls live in one source file per system (disk_file_posix.cpp here), so
// the rest of the table code does not depend on them.
#include <cstdint>
#include <initializer_list>

#include "text/large_buffer.h"
#include <string>
#include <string_view>

namespace tt {

enum class LockKind { Shared, Exclusive };

class DiskFile {
public:
    DiskFile() = default;
    ~DiskFile();
    DiskFile(DiskFile&& other) noexcept;
    DiskFile& operator=(DiskFile&& other) noexcept;
    DiskFile(const DiskFile&) = delete;
    DiskFile& operator=(const DiskFile&) = delete;

    // Each operation answers false on failure; failure() then says why in
    // Spanish (Windows-1252 bytes) and missing() whether the file or its
    // folder did not exist.
    bool openExisting(const std::string& path, bool writable);
    // Creates the file, which must not exist yet, for writing.
    bool createNew(const std::string& path);
    // Takes the lock without waiting; false when another holder has it
    // (then busy() is true) or on failure.
    bool tryLock(LockKind kind);
    bool readAll(ByteBuffer& bytes);
    // Replaces the whole content of the file with the parts, one after another.
    bool rewrite(std::initializer_list<std::string_view> parts);
    bool sync();
    void close();

    bool isOpen() const { return handle_ >= 0; }
    bool busy() const { return busy_; }
    bool missing() const { return missing_; }
    bool alreadyExists() const { return alreadyExists_; }
    const std::string& failure() const { return failure_; }

private:
    bool fail();

    int handle_ = -1;
    bool busy_ = false;
    bool missing_ = false;
    bool alreadyExists_ = false;
    std::string failure_;
};

// Renames a file over another (atomically where the system allows it).
bool replaceFile(const std::string& from, const std::string& to, std::string& failure);

// Makes a finished rename in the folder durable; failures are ignored.
void syncFolder(const std::string& folder);

// The process id, for names of temporary files.
long processId();

}  // namespace tt
