#pragma once
// The table store: the operations the builders and the timetable export
// need of the dBase tables in the working folder. Every failure throws
// tt::Error with a Spanish text that names the table (and the field).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tt {

enum class FieldKind { String, Logical, Integer, Float };

struct FieldDef {
    std::string name;  // at most 10 characters
    FieldKind kind;
    int width = 0;     // strings only
};

enum class Access { ReadWrite, ReadOnly };
enum class Sharing { Shared, Exclusive };

// An open table with a current record.
class Table {
public:
    virtual ~Table() = default;

    virtual const std::string& name() const = 0;
    virtual std::size_t recordCount() const = 0;
    virtual bool hasField(std::string_view field) const = 0;

    // Room for this many more records, so that appending them does not
    // move the records again and again. Only a hint.
    virtual void reserve(std::size_t records) { (void)records; }

    // A new empty record at the end becomes current and editable.
    virtual void append() = 0;
    // The current record becomes editable.
    virtual void edit() = 0;
    // Stores the record being edited.
    virtual void post() = 0;

    // Strings longer than the field are cut to its width.
    virtual void setString(std::string_view field, std::string_view value) = 0;
    virtual void setBoolean(std::string_view field, bool value) = 0;
    virtual void setFloat(std::string_view field, double value) = 0;

    // String fields come back without trailing blanks; a field never set
    // reads as "" or 0.
    virtual std::string getString(std::string_view field) const = 0;
    virtual std::int32_t getInteger(std::string_view field) const = 0;
    virtual double getFloat(std::string_view field) const = 0;

    // A walk over the records that are not deleted, in physical order.
    virtual void first() = 0;
    virtual void next() = 0;
    virtual bool atEnd() const = 0;

    // Makes current the first record whose field equals the value exactly
    // (letter case included) and answers true; else false.
    virtual bool locate(std::string_view field, std::string_view value) = 0;

    // Writes what was posted and releases the file and its lock.
    virtual void close() = 0;
};

// A table being built from nothing into a temporary file. commit() puts
// it in place of the old table; destroyed without commit(), it leaves the
// old table files exactly as they were and no temporary file behind.
class NewTable {
public:
    virtual ~NewTable() = default;
    virtual Table& table() = 0;
    virtual void commit() = 0;
};

class TableStore {
public:
    virtual ~TableStore() = default;

    // The folder that holds the tables.
    virtual const std::string& folder() const = 0;

    // Deletes NAME.DBF and then NAME.MDX, each when it exists; a failed
    // delete is ignored.
    virtual void removeTableFiles(const std::string& name) = 0;

    // Creates an empty table with exactly these fields in this order.
    virtual void createTable(const std::string& name, const std::vector<FieldDef>& fields) = 0;

    // Starts a fresh table that replaces NAME only on commit (the old
    // NAME.MDX is removed then too).
    virtual std::unique_ptr<NewTable> buildTable(const std::string& name,
                                                 const std::vector<FieldDef>& fields) = 0;

    virtual std::unique_ptr<Table> open(const std::string& name, Access access, Sharing sharing) = 0;
};

}  // namespace tt
