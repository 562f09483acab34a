#include "gepafiles/line_reading.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>

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

// The whole file as bytes, read in binary, into one buffer of its size.
std::unique_ptr<ByteBuffer> readWholeFile(const std::string& path)
{
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file)
        throwUnreadable(path, errno);
    struct stat info {};
    if (::fstat(::fileno(file.get()), &info) != 0)
        throwUnreadable(path, errno);
    if (S_ISDIR(info.st_mode))
        throwUnreadable(path, EISDIR);
    auto bytes = std::make_unique<ByteBuffer>();
    if (info.st_size > 0)
        bytes->resize(static_cast<std::size_t>(info.st_size));
    std::size_t filled = std::fread(bytes->data(), 1, bytes->size(), file.get());
    // A file that grew meanwhile, or one whose size the system does not tell.
    char more[1 << 16];
    for (std::size_t count; !std::ferror(file.get()) && (count = std::fread(more, 1, sizeof more, file.get())) > 0;) {
        bytes->resize(filled);
        bytes->append(more, count);
        filled = bytes->size();
    }
    if (std::ferror(file.get()))
        throwUnreadable(path, errno);
    bytes->resize(filled);
    return bytes;
}

// How many bytes come before the first `stop` byte.
std::size_t lengthBefore(std::string_view bytes, char stop)
{
    const std::size_t at = bytes.find(stop);
    return at == std::string_view::npos ? bytes.size() : at;
}

// The two ways of splitting, over a buffer that the lines keep.
TextLines splitTextFile(std::unique_ptr<ByteBuffer> buffer)
{
    char* const text = buffer->data();
    const std::size_t size = lengthBefore(*buffer, kEndOfFile);
    std::vector<std::string_view> lines;
    lines.reserve(static_cast<std::size_t>(std::count(text, text + size, '\n')) + 1);
    // Each line is moved left in place over the CRs dropped before it: a
    // CR before LF belongs to the line end, and any other CR is dropped.
    std::size_t write = 0;
    for (std::size_t read = 0; read < size;) {
        const std::size_t lineStart = write;
        for (; read < size && text[read] != '\n'; ++read)
            if (text[read] != '\r')
                text[write++] = text[read];
        lines.emplace_back(text + lineStart, write - lineStart);
        ++read;  // past the LF, or past the end for a last line without one
    }
    return TextLines(std::move(buffer), std::move(lines));
}

TextLines splitList(std::unique_ptr<ByteBuffer> buffer)
{
    const std::string_view text(buffer->data(), lengthBefore(*buffer, '\0'));
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return TextLines(std::move(buffer), std::move(lines));
}

}  // namespace

TextLines splitTextFileLines(std::string_view bytes)
{
    return splitTextFile(std::make_unique<ByteBuffer>(bytes));
}

TextLines splitListLines(std::string_view bytes)
{
    return splitList(std::make_unique<ByteBuffer>(bytes));
}

TextLines readTextFileLines(const std::string& path)
{
    return splitTextFile(readWholeFile(path));
}

TextLines readListLines(const std::string& path)
{
    return splitList(readWholeFile(path));
}

}  // namespace tt
