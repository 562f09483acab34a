#pragma once
// The value of one field inside a record: decoding the encodings of the
// field types dBase and FoxPro write, and encoding what we write (text,
// numbers as text, logicals). Errors name the field and the table.
#include <cstdint>
#include <string>
#include <string_view>

#include "tables/dbf_layout.h"

namespace tt {

// Where a field's bytes are and how to read them.
struct FieldPlace {
    const DbfField& field;
    DbfFamily family;
    const std::string& table;
};

// Text fields without trailing blanks; numbers as plain text ("3",
// "2.5"); logicals "True"/"False"; dates "dd/mm/yyyy"; date-times
// "dd/mm/yyyy hh:mm:ss"; blank values and memo fields "".
std::string readText(const FieldPlace& place, std::string_view bytes);
// Blank numbers read 0; a value with a fraction or out of range throws.
std::int32_t readInteger(const FieldPlace& place, std::string_view bytes);
double readFloat(const FieldPlace& place, std::string_view bytes);

// Whether the field holds text that compares byte for byte with value,
// as readText would give it.
bool textEquals(const FieldPlace& place, std::string_view bytes, std::string_view value);

// The bytes span the field's width.
void writeText(const FieldPlace& place, char* bytes, std::string_view value);
void writeBoolean(const FieldPlace& place, char* bytes, bool value);
void writeFloat(const FieldPlace& place, char* bytes, double value);

}  // namespace tt
