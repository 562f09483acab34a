#pragma once
// The header of a dBase table file: reading the headers that dBase III to
// 7 and (Visual) FoxPro write, and writing the dBase III+ header of ours.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tables/table_store.h"

namespace tt {

// The header layouts we know. Level 3 covers dBase III to 5 and the
// FoxPro versions before Visual FoxPro; the record data differs for the
// binary field types only.
enum class DbfFamily { Level3, VisualFoxPro, Level7 };

struct DbfField {
    std::string name;
    char type = 'C';
    std::size_t width = 0;
    int decimals = 0;
    std::size_t offset = 0;  // from the start of the record (the deletion flag is byte 0)
};

struct DbfLayout {
    std::uint8_t version = 0;
    DbfFamily family = DbfFamily::Level3;
    std::size_t headerLength = 0;
    std::size_t recordLength = 0;
    std::uint32_t headerRecordCount = 0;
    std::vector<DbfField> fields;
};

struct HeaderDate {
    int year = 1900;
    int month = 1;
    int day = 1;
};

// Today in local time.
HeaderDate today();

// Reads and checks the header at the start of a table file. Throws Error
// naming the table (tableLabel, e.g. "SOLUC (/x/SOLUC.DBF)") and the fault.
DbfLayout parseDbfHeader(std::string_view file, const std::string& tableLabel);

// Our fields for the definitions given, checked; throws Error naming the
// table and the field at fault.
std::vector<DbfField> fieldsFromDefs(const std::vector<FieldDef>& defs, const std::string& tableName);

// The header of a dBase III+ table without memo, language driver
// Windows ANSI (code page 1252).
std::string makeDbfHeader(const std::vector<DbfField>& fields, std::size_t recordLength,
                          std::uint32_t recordCount, HeaderDate date);

// Puts the date of last update and the record count into a header read
// from a file; its other bytes stay as they are.
void stampDbfHeader(std::string& header, std::uint32_t recordCount, HeaderDate date);

}  // namespace tt
