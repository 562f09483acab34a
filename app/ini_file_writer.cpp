#include "app/ini_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

namespace tt::app {

namespace {

// One line of the file: its text and the line end that follows it
// ("\r\n", "\n" or nothing for a last line without one).
struct Line {
    std::string_view text;
    std::string_view end;
};

std::vector<Line> splitLines(std::string_view contents)
{
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < contents.size()) {
        const std::size_t newline = contents.find('\n', start);
        if (newline == std::string_view::npos) {
            lines.push_back({contents.substr(start), {}});
            break;
        }
        std::size_t textEnd = newline;
        if (textEnd > start && contents[textEnd - 1] == '\r')
            --textEnd;
        lines.push_back({contents.substr(start, textEnd - start), contents.substr(textEnd, newline + 1 - textEnd)});
        start = newline + 1;
    }
    return lines;
}

std::string_view trimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The name of a section header line ("[name]"), or nothing.
std::optional<std::string_view> sectionName(std::string_view text)
{
    const std::string_view trimmed = trimBlanks(text);
    if (trimmed.empty() || trimmed.front() != '[')
        return std::nullopt;
    const std::size_t close = trimmed.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimBlanks(trimmed.substr(1, close - 1));
}

// Where the value of a "key=value" line for `key` starts, or npos.
std::size_t valueStart(std::string_view text, std::string_view key)
{
    const std::string_view trimmed = trimBlanks(text);
    if (trimmed.empty() || trimmed.front() == ';')
        return std::string_view::npos;
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos || !equalsIgnoringAsciiCase(trimBlanks(text.substr(0, equals)), key))
        return std::string_view::npos;
    return equals + 1;
}

std::string_view lineEndOf(const std::vector<Line>& lines)
{
    for (const Line& line : lines)
        if (!line.end.empty())
            return line.end;
    return "\r\n";
}

std::string join(const std::vector<Line>& lines)
{
    std::string out;
    for (const Line& line : lines) {
        out += line.text;
        out += line.end;
    }
    return out;
}

// A file descriptor closed when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// A temporary file removed unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile()
    {
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& path() const { return path_; }
    bool renameTo(const std::string& target)
    {
        if (::rename(path_.c_str(), target.c_str()) != 0)
            return false;
        path_.clear();
        return true;
    }

private:
    std::string path_;
};

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates a new file beside `path` with the given permissions; empty name
// and fd -1 when none can be created.
std::pair<std::string, int> createSibling(const std::string& path, mode_t mode)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = path + "." + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0)
            return {name, fd};
        if (errno != EEXIST)
            break;
    }
    return {{}, -1};
}

}  // namespace

std::string iniWithValue(std::string_view contents, std::string_view section, std::string_view key,
                         std::string_view value)
{
    std::vector<Line> lines = splitLines(contents);
    const std::string_view eol = lineEndOf(lines);
    const std::string keyLine = std::string(key) + "=" + std::string(value);
    const std::string header = "[" + std::string(section) + "]";

    std::size_t index = 0;
    while (index < lines.size()) {
        const auto name = sectionName(lines[index].text);
        if (name && equalsIgnoringAsciiCase(*name, section))
            break;
        ++index;
    }

    std::vector<std::string> added;  // owns the text of new lines
    added.reserve(3);
    auto ensureEnded = [&](std::size_t at) {
        if (lines[at].end.empty())
            lines[at].end = eol;
    };

    if (index == lines.size()) {
        if (!lines.empty())
            ensureEnded(lines.size() - 1);
        added.push_back(header);
        lines.push_back({added.back(), eol});
        added.push_back(keyLine);
        lines.push_back({added.back(), eol});
        return join(lines);
    }

    std::size_t lastFilled = index;
    for (std::size_t i = index + 1; i < lines.size() && !sectionName(lines[i].text); ++i) {
        const std::size_t start = valueStart(lines[i].text, key);
        if (start != std::string_view::npos) {
            added.push_back(std::string(lines[i].text.substr(0, start)) + std::string(value));
            lines[i].text = added.back();
            return join(lines);
        }
        if (!trimBlanks(lines[i].text).empty())
            lastFilled = i;
    }
    ensureEnded(lastFilled);
    added.push_back(keyLine);
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastFilled) + 1, Line{added.back(), eol});
    return join(lines);
}

void writeIniValue(const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value)
{
    std::string contents;
    mode_t mode = 0666;
    bool existed = false;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        existed = true;
        if (!S_ISREG(info.st_mode) || (info.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)
            throw IniWriteError(path);
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        if (!in)
            throw IniWriteError(path);
        contents = bytes.str();
        mode = info.st_mode & 07777;
    } else if (errno != ENOENT) {
        throw IniWriteError(path);
    }

    const std::string updated = iniWithValue(contents, section, key, value);
    auto [tempName, fd] = createSibling(path, mode);
    if (fd < 0)
        throw IniWriteError(path);
    TemporaryFile temp(tempName);
    FileDescriptor file(fd);
    if (!writeAll(file.get(), updated) || ::fsync(file.get()) != 0 || !file.close())
        throw IniWriteError(path);
    // The new file keeps the old one's permissions, which the process's
    // file creation mask may have narrowed at creation.
    if (existed && ::chmod(temp.path().c_str(), mode) != 0)
        throw IniWriteError(path);
    if (!temp.renameTo(path))
        throw IniWriteError(path);
}

}  // namespace tt::app
