#pragma once
// A dBase table held in memory: its records as one block of bytes, in the
// layout of the file, with a current record. A table opened from a file
// keeps the file (and its lock) open; when opened for writing, close()
// writes the whole table back if anything was appended or edited. A table
// being built has no file: its NewTable writes it.
#include <cstdint>
#include <string>
#include <vector>

#include "tables/dbf_layout.h"
#include "tables/disk_file.h"
#include "tables/table_store.h"
#include "text/large_buffer.h"

namespace tt {

struct DbfContent {
    DbfFamily family = DbfFamily::Level3;
    std::vector<DbfField> fields;
    std::size_t recordLength = 0;
    std::string header;   // as read from the file; empty for a new table
    // Whole records, deletion flag first, from recordsStart on. A table read
    // from a file keeps the file's bytes here as read, header included, so
    // that loading a large table copies nothing.
    ByteBuffer records;
    std::size_t recordsStart = 0;
};

class DbfTable : public Table {
public:
    // A table read from a file, which stays open (and locked) until close().
    DbfTable(std::string name, std::string path, DbfContent content, DiskFile file, Access access);
    // A new empty table in memory.
    DbfTable(std::string name, std::vector<DbfField> fields);
    ~DbfTable() override;

    const std::string& name() const override { return name_; }
    std::size_t recordCount() const override { return liveRecords_; }
    bool hasField(std::string_view field) const override;

    void reserve(std::size_t records) override;
    void append() override;
    void edit() override;
    void post() override;

    void setString(std::string_view field, std::string_view value) override;
    void setBoolean(std::string_view field, bool value) override;
    void setFloat(std::string_view field, double value) override;

    std::string getString(std::string_view field) const override;
    std::int32_t getInteger(std::string_view field) const override;
    double getFloat(std::string_view field) const override;

    void first() override;
    void next() override;
    bool atEnd() const override;
    bool locate(std::string_view field, std::string_view value) override;

    void close() override;

    // The file for the table as it stands, in its parts: the header of
    // today, then the records (a view into the table), then the end-of-file
    // byte. Written in parts, the records need no copy.
    std::string fileHeader() const;
    std::string_view recordBytes() const { return std::string_view(content_.records).substr(content_.recordsStart); }
    static constexpr std::string_view kFileEnd = "\x1A";

private:
    std::size_t storedRecords() const
    {
        return (content_.records.size() - content_.recordsStart) / content_.recordLength;
    }
    std::size_t recordOffset(std::size_t record) const
    {
        return content_.recordsStart + record * content_.recordLength;
    }
    bool isDeleted(std::size_t record) const;
    std::size_t firstLiveFrom(std::size_t record) const;
    const DbfField* findField(std::string_view field) const;
    const DbfField& requireField(std::string_view field) const;
    void requireOpen() const;
    void requireWritable() const;
    void requireCurrent() const;
    char* editableBytes(const DbfField& field);
    std::string_view currentBytes(const DbfField& field) const;
    void writeBack();

    std::string name_;
    std::string path_;
    DbfContent content_;
    DiskFile file_;
    bool readOnly_ = false;
    bool inMemory_ = false;
    bool closed_ = false;
    bool editing_ = false;
    bool changed_ = false;
    std::size_t liveRecords_ = 0;
    std::size_t current_ = 0;
    mutable std::size_t lastField_ = 0;  // where the next field lookup starts
};

}  // namespace tt
