#include "gepafiles/line_reading.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "text/error.h"

namespace tt {

namespace {

constexpr char kEndOfFile = 26;  // Ctrl-Z

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::string reasonInSpanish(int error)
{
    switch (error) {
    case ENOENT: return "no existe";
    case EACCES: return "no hay permiso para leerlo";
    case EISDIR: return "es una carpeta";
    default: return "error del sistema " + std::to_string(error);
    }
}

[[noreturn]] void throwUnreadable(const std::string& path, int error)
{
    throw Error("No se puede leer el archivo " + path + " (" + reasonInSpanish(error) + ")");
}

// The whole file as bytes, read in binary.
std::string readWholeFile(const std::string& path)
{
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file)
        throwUnreadable(path, errno);
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const std::size_t count = std::fread(buffer, 1, sizeof buffer, file.get());
        bytes.append(buffer, count);
        if (count < sizeof buffer)
            break;
    }
    if (std::ferror(file.get()))
        throwUnreadable(path, errno);
    return bytes;
}

// The bytes before the first `stop` byte, or all of them.
std::string_view cutAt(std::string_view bytes, char stop)
{
    const std::size_t at = bytes.find(stop);
    return at == std::string_view::npos ? bytes : bytes.substr(0, at);
}

// A text-file line: its bytes without any CR, since a CR before LF is part
// of the line end and any other CR is dropped.
std::string withoutCarriageReturns(std::string_view segment)
{
    std::string line;
    line.reserve(segment.size());
    for (char c : segment) {
        if (c != '\r')
            line += c;
    }
    return line;
}

}  // namespace

std::vector<std::string> splitTextFileLines(std::string_view bytes)
{
    const std::string_view text = cutAt(bytes, kEndOfFile);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();  // a last line without its line end
        lines.push_back(withoutCarriageReturns(text.substr(start, end - start)));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> splitListLines(std::string_view bytes)
{
    const std::string_view text = cutAt(bytes, '\0');
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        lines.emplace_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> readTextFileLines(const std::string& path)
{
    return splitTextFileLines(readWholeFile(path));
}

std::vector<std::string> readListLines(const std::string& path)
{
    return splitListLines(readWholeFile(path));
}

}  // namespace tt
