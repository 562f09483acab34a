#include "helpviewer/chm_file.h"

#include <chm_lib.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

#include "helpviewer/archive_layout.h"

namespace tt::help {

namespace {

// Help objects are pages, style sheets and images; anything larger comes
// from a damaged or hostile archive and is refused rather than allocated.
constexpr LONGUINT64 largestObject = 64u * 1024 * 1024;

bool isFolder(const chmUnitInfo& unit) {
    const std::string_view path(unit.path);
    return path.empty() || path.back() == '/';
}

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    if (suffix.size() > text.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - suffix.size(),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

struct SuffixSearch {
    std::string_view suffix;
    std::optional<std::string> found;
};

int takeFirstWithSuffix(chmFile*, chmUnitInfo* unit, void* context) {
    auto* search = static_cast<SuffixSearch*>(context);
    if (isFolder(*unit) || !endsWithIgnoringCase(unit->path, search->suffix))
        return CHM_ENUMERATOR_CONTINUE;
    search->found = unit->path;
    return CHM_ENUMERATOR_SUCCESS;
}

struct ExtentCheck {
    ArchiveLayout layout;
    std::uint64_t fileSize;
    bool allFit = true;
};

int checkExtent(chmFile*, chmUnitInfo* unit, void* context) {
    auto* check = static_cast<ExtentCheck*>(context);
    if (unit->space != CHM_UNCOMPRESSED || unit->length == 0) return CHM_ENUMERATOR_CONTINUE;
    if (objectFits(check->layout, unit->start, unit->length, check->fileSize))
        return CHM_ENUMERATOR_CONTINUE;
    check->allFit = false;
    return CHM_ENUMERATOR_SUCCESS;
}

std::optional<ArchiveLayout> layoutOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string header(0x60, '\0');
    in.read(header.data(), static_cast<std::streamsize>(header.size()));
    header.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return readArchiveLayout(header);
}

// The uncompressed section holds every object's bytes, the compressed
// section's stream among them; in a whole file all of it lies before the
// file's end.
bool isWhole(chmFile* handle, const std::filesystem::path& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    const std::optional<ArchiveLayout> layout = layoutOf(file);
    if (error || !layout) return false;
    ExtentCheck check{*layout, size};
    chm_enumerate(handle, CHM_ENUMERATE_ALL, checkExtent, &check);
    return check.allFit;
}

}  // namespace

void ChmFile::Closer::operator()(chmFile* handle) const { chm_close(handle); }

std::optional<ChmFile> ChmFile::open(const std::filesystem::path& file) {
    ChmFile chm(chm_open(file.c_str()));
    if (!chm.handle_ || !isWhole(chm.handle_.get(), file)) return std::nullopt;
    return chm;
}

bool ChmFile::contains(const std::string& path) const {
    chmUnitInfo unit{};
    if (path.size() > CHM_MAX_PATHLEN) return false;
    return chm_resolve_object(handle_.get(), path.c_str(), &unit) == CHM_RESOLVE_SUCCESS &&
           !isFolder(unit);
}

std::optional<std::string> ChmFile::read(const std::string& path) const {
    chmUnitInfo unit{};
    if (path.size() > CHM_MAX_PATHLEN ||
        chm_resolve_object(handle_.get(), path.c_str(), &unit) != CHM_RESOLVE_SUCCESS ||
        isFolder(unit) || unit.length > largestObject)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(unit.length), '\0');
    if (bytes.empty()) return bytes;
    const LONGINT64 got =
        chm_retrieve_object(handle_.get(), &unit, reinterpret_cast<unsigned char*>(bytes.data()),
                            0, static_cast<LONGINT64>(unit.length));
    if (got != static_cast<LONGINT64>(unit.length)) return std::nullopt;
    return bytes;
}

std::optional<std::string> ChmFile::firstPathEndingIn(const std::string& suffix) const {
    SuffixSearch search{suffix, std::nullopt};
    chm_enumerate(handle_.get(), CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, takeFirstWithSuffix,
                  &search);
    return search.found;
}

}  // namespace tt::help
