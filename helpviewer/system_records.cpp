#include "helpviewer/system_records.h"

#include "helpviewer/byte_reader.h"

namespace tt::help {

namespace {

constexpr std::size_t versionSize = 4;
constexpr std::size_t recordHeaderSize = 4;

std::string* fieldForCode(ArchiveSettings& settings, std::uint16_t code) {
    switch (code) {
    case 0: return &settings.contentsFile;
    case 2: return &settings.defaultTopic;
    case 3: return &settings.title;
    default: return nullptr;
    }
}

// Record data is a string, normally NUL-terminated; a missing NUL ends it at
// the record's end.
std::string recordText(std::string_view data) {
    return std::string(data.substr(0, data.find('\0')));
}

}  // namespace

ArchiveSettings parseSystemRecords(std::string_view bytes) {
    ArchiveSettings settings;
    const ByteReader reader(bytes);
    std::size_t offset = versionSize;
    while (reader.fits(offset, recordHeaderSize)) {
        const std::uint16_t code = *reader.u16At(offset);
        const std::uint16_t length = *reader.u16At(offset + 2);
        const std::size_t dataStart = offset + recordHeaderSize;
        if (!reader.fits(dataStart, length)) break;
        std::string* field = fieldForCode(settings, code);
        if (field != nullptr && field->empty())
            *field = recordText(bytes.substr(dataStart, length));
        offset = dataStart + length;
    }
    return settings;
}

}  // namespace tt::help
