#include "tables/dbf_table.h"

#include <limits>
#include <utility>

#include "tables/dbf_values.h"
#include "text/bytes.h"
#include "text/error.h"

namespace tt {

namespace {

constexpr char kDeletedFlag = '*';

}  // namespace

DbfTable::DbfTable(std::string name, std::string path, DbfContent content, DiskFile file, Access access)
    : name_(std::move(name)),
      path_(std::move(path)),
      content_(std::move(content)),
      file_(std::move(file)),
      readOnly_(access == Access::ReadOnly)
{
    const std::size_t stored = storedRecords();
    for (std::size_t record = 0; record < stored; ++record)
        if (!isDeleted(record))
            ++liveRecords_;
    current_ = firstLiveFrom(0);
}

DbfTable::DbfTable(std::string name, std::vector<DbfField> fields)
    : name_(std::move(name)), inMemory_(true)
{
    content_.fields = std::move(fields);
    content_.recordLength = 1;
    for (const DbfField& field : content_.fields)
        content_.recordLength += field.width;
}

DbfTable::~DbfTable()
{
    try {
        close();
    } catch (...) {
        // A destructor cannot report; close() explicitly to hear of it.
    }
}

bool DbfTable::isDeleted(std::size_t record) const
{
    return content_.records[recordOffset(record)] == kDeletedFlag;
}

std::size_t DbfTable::firstLiveFrom(std::size_t record) const
{
    const std::size_t stored = storedRecords();
    while (record < stored && isDeleted(record))
        ++record;
    return record;
}

const DbfField* DbfTable::findField(std::string_view field) const
{
    // Callers mostly name the fields in their order, so the search starts
    // after the field found last.
    const std::vector<DbfField>& fields = content_.fields;
    const std::size_t count = fields.size();
    for (std::size_t step = 0; step < count; ++step) {
        const std::size_t index = (lastField_ + step) % count;
        const std::string& name = fields[index].name;
        if (name.size() == field.size() && equalsIgnoringAsciiCase(name, field)) {
            lastField_ = index + 1;
            return &fields[index];
        }
    }
    return nullptr;
}

const DbfField& DbfTable::requireField(std::string_view field) const
{
    const DbfField* found = findField(field);
    if (found == nullptr)
        throw Error("La tabla " + name_ + " no tiene el campo " + std::string(field));
    return *found;
}

bool DbfTable::hasField(std::string_view field) const
{
    return findField(field) != nullptr;
}

void DbfTable::requireOpen() const
{
    if (closed_)
        throw Error("La tabla " + name_ + " est\xE1 cerrada");
}

void DbfTable::requireWritable() const
{
    requireOpen();
    if (readOnly_)
        throw Error("La tabla " + name_ + " est\xE1 abierta solo para lectura");
}

void DbfTable::requireCurrent() const
{
    requireOpen();
    if (current_ >= storedRecords())
        throw Error("La tabla " + name_ + " no tiene registro actual");
}

void DbfTable::reserve(std::size_t records)
{
    content_.records.reserve(content_.records.size() + records * content_.recordLength);
}

void DbfTable::append()
{
    requireWritable();
    if (storedRecords() >= std::numeric_limits<std::uint32_t>::max())
        throw Error("La tabla " + name_ + " no admite m\xE1s registros");
    content_.records.append(content_.recordLength, ' ');
    current_ = storedRecords() - 1;
    ++liveRecords_;
    editing_ = true;
    changed_ = true;
}

void DbfTable::edit()
{
    requireWritable();
    requireCurrent();
    editing_ = true;
    changed_ = true;
}

void DbfTable::post()
{
    requireOpen();
    editing_ = false;
}

char* DbfTable::editableBytes(const DbfField& field)
{
    if (!editing_)
        throw Error("La tabla " + name_ + " no tiene un registro en edici\xF3n (campo " + field.name + ")");
    return content_.records.data() + recordOffset(current_) + field.offset;
}

std::string_view DbfTable::currentBytes(const DbfField& field) const
{
    requireCurrent();
    return std::string_view(content_.records).substr(recordOffset(current_) + field.offset, field.width);
}

void DbfTable::setString(std::string_view field, std::string_view value)
{
    requireWritable();
    const DbfField& found = requireField(field);
    writeText({found, content_.family, name_}, editableBytes(found), value);
}

void DbfTable::setBoolean(std::string_view field, bool value)
{
    requireWritable();
    const DbfField& found = requireField(field);
    writeBoolean({found, content_.family, name_}, editableBytes(found), value);
}

void DbfTable::setFloat(std::string_view field, double value)
{
    requireWritable();
    const DbfField& found = requireField(field);
    writeFloat({found, content_.family, name_}, editableBytes(found), value);
}

std::string DbfTable::getString(std::string_view field) const
{
    requireOpen();
    const DbfField& found = requireField(field);
    return readText({found, content_.family, name_}, currentBytes(found));
}

std::int32_t DbfTable::getInteger(std::string_view field) const
{
    requireOpen();
    const DbfField& found = requireField(field);
    return readInteger({found, content_.family, name_}, currentBytes(found));
}

double DbfTable::getFloat(std::string_view field) const
{
    requireOpen();
    const DbfField& found = requireField(field);
    return readFloat({found, content_.family, name_}, currentBytes(found));
}

void DbfTable::first()
{
    requireOpen();
    editing_ = false;
    current_ = firstLiveFrom(0);
}

void DbfTable::next()
{
    requireOpen();
    editing_ = false;
    if (current_ < storedRecords())
        current_ = firstLiveFrom(current_ + 1);
}

bool DbfTable::atEnd() const
{
    requireOpen();
    return current_ >= storedRecords();
}

bool DbfTable::locate(std::string_view field, std::string_view value)
{
    requireOpen();
    editing_ = false;
    const DbfField& found = requireField(field);
    const FieldPlace place{found, content_.family, name_};
    const std::string_view records(content_.records);
    const std::size_t stored = storedRecords();
    for (std::size_t record = 0; record < stored; ++record) {
        if (isDeleted(record))
            continue;
        if (textEquals(place, records.substr(recordOffset(record) + found.offset, found.width), value)) {
            current_ = record;
            return true;
        }
    }
    return false;
}

std::string DbfTable::fileHeader() const
{
    const auto count = static_cast<std::uint32_t>(storedRecords());
    if (content_.header.empty())
        return makeDbfHeader(content_.fields, content_.recordLength, count, today());
    std::string header = content_.header;
    stampDbfHeader(header, count, today());
    return header;
}

void DbfTable::writeBack()
{
    if (!file_.rewrite({fileHeader(), recordBytes(), kFileEnd}) || !file_.sync())
        throw Error("No se puede guardar la tabla " + name_ + " (" + path_ + "): " + file_.failure());
}

void DbfTable::close()
{
    editing_ = false;
    if (closed_ || inMemory_)
        return;
    closed_ = true;
    // The file, and with it the lock, goes even when writing fails.
    struct FileCloser {
        DiskFile& file;
        ~FileCloser() { file.close(); }
    } closer{file_};
    if (changed_ && !readOnly_) {
        changed_ = false;
        writeBack();
    }
}

}  // namespace tt
