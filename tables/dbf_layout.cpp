#include "tables/dbf_layout.h"

#include <ctime>

#include "tables/byte_order.h"
#include "text/bytes.h"
#include "text/error.h"

namespace tt {

namespace {

constexpr std::size_t kPrefixLevel3 = 32;
constexpr std::size_t kPrefixLevel7 = 68;
constexpr std::size_t kDescriptorLevel3 = 32;
constexpr std::size_t kDescriptorLevel7 = 48;
constexpr char kTerminator = 0x0D;
constexpr std::uint8_t kOurVersion = 0x03;
constexpr std::uint8_t kWindowsAnsiDriver = 0x03;
constexpr std::size_t kMaxStringWidth = 254;
constexpr std::size_t kMaxNameLength = 10;

[[noreturn]] void throwDamaged(const std::string& tableLabel, const std::string& fault)
{
    throw Error("La tabla " + tableLabel + " no es un archivo dBase v\xE1lido: " + fault);
}

std::string hexByte(std::uint8_t value)
{
    const char* digits = "0123456789ABCDEF";
    return std::string("0x") + digits[value >> 4] + digits[value & 0x0F];
}

// Which layout a version byte announces; the low three bits give the
// dBase level, a few values are Visual FoxPro.
bool familyOfVersion(std::uint8_t version, DbfFamily& family)
{
    if (version == 0x30 || version == 0x31 || version == 0x32) {
        family = DbfFamily::VisualFoxPro;
        return true;
    }
    const int level = version & 0x07;
    if (level == 4) {
        family = DbfFamily::Level7;
        return true;
    }
    if (level == 3 || level == 5 || version == 0x02) {
        family = DbfFamily::Level3;
        return true;
    }
    return false;
}

// A name stored NUL-padded (some programs pad with blanks instead).
std::string storedName(std::string_view bytes)
{
    const std::size_t nul = bytes.find('\0');
    std::string_view name = bytes.substr(0, nul);
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    return std::string(name);
}

DbfField readDescriptor(std::string_view descriptor, DbfFamily family)
{
    DbfField field;
    const auto byteAt = [&](std::size_t i) { return static_cast<std::uint8_t>(descriptor[i]); };
    if (family == DbfFamily::Level7) {
        field.name = storedName(descriptor.substr(0, 32));
        field.type = descriptor[32];
        field.width = byteAt(33);
        field.decimals = byteAt(34);
    } else {
        field.name = storedName(descriptor.substr(0, 11));
        field.type = descriptor[11];
        field.width = byteAt(16);
        field.decimals = byteAt(17);
        if (field.type == 'C' && field.decimals != 0) {
            // Clipper and FoxPro keep the high byte of long text widths there.
            field.width += static_cast<std::size_t>(field.decimals) * 256;
            field.decimals = 0;
        }
    }
    return field;
}

std::vector<DbfField> readDescriptors(std::string_view file, const DbfLayout& layout,
                                      const std::string& tableLabel)
{
    const bool level7 = layout.family == DbfFamily::Level7;
    const std::size_t size = level7 ? kDescriptorLevel7 : kDescriptorLevel3;
    std::vector<DbfField> fields;
    std::size_t pos = level7 ? kPrefixLevel7 : kPrefixLevel3;
    std::size_t offset = 1;
    while (true) {
        if (pos >= layout.headerLength || (file[pos] != kTerminator && pos + size > layout.headerLength))
            throwDamaged(tableLabel, "la lista de campos no termina dentro de la cabecera");
        if (file[pos] == kTerminator)
            break;
        DbfField field = readDescriptor(file.substr(pos, size), layout.family);
        if (field.width == 0)
            throwDamaged(tableLabel, "el campo " + field.name + " tiene ancho 0");
        field.offset = offset;
        offset += field.width;
        fields.push_back(std::move(field));
        pos += size;
    }
    if (fields.empty())
        throwDamaged(tableLabel, "no tiene campos");
    if (offset != layout.recordLength)
        throwDamaged(tableLabel, "la longitud de registro (" + std::to_string(layout.recordLength) +
                                     ") no es 1 m\xE1s la suma de los anchos de los campos (" +
                                     std::to_string(offset) + ")");
    return fields;
}

void checkFieldName(const std::string& name, const std::string& tableName)
{
    bool valid = !name.empty() && name.size() <= kMaxNameLength;
    for (char c : name) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        valid = valid && (letter || (c >= '0' && c <= '9') || c == '_');
    }
    if (!valid)
        throw Error("El nombre de campo '" + name + "' de la tabla " + tableName +
                    " no es v\xE1lido: debe tener de 1 a 10 letras, cifras o '_'");
}

DbfField fieldFromDef(const FieldDef& def, const std::string& tableName)
{
    checkFieldName(def.name, tableName);
    DbfField field;
    field.name = upperAscii(def.name);
    switch (def.kind) {
    case FieldKind::String:
        if (def.width < 1 || static_cast<std::size_t>(def.width) > kMaxStringWidth)
            throw Error("El campo " + field.name + " de la tabla " + tableName + " tiene un ancho no v\xE1lido (" +
                        std::to_string(def.width) + "); debe estar entre 1 y 254");
        field.type = 'C';
        field.width = static_cast<std::size_t>(def.width);
        break;
    case FieldKind::Logical:
        field.type = 'L';
        field.width = 1;
        break;
    case FieldKind::Integer:
        field.type = 'N';
        field.width = 11;
        break;
    case FieldKind::Float:
        field.type = 'N';
        field.width = 20;
        field.decimals = 4;
        break;
    }
    return field;
}

void putDate(std::string& header, HeaderDate date)
{
    const int years = date.year - 1900;
    header[1] = static_cast<char>(years < 0 ? 0 : (years > 255 ? 255 : years));
    header[2] = static_cast<char>(date.month);
    header[3] = static_cast<char>(date.day);
}

}  // namespace

HeaderDate today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

DbfLayout parseDbfHeader(std::string_view file, const std::string& tableLabel)
{
    if (file.size() < kPrefixLevel3)
        throwDamaged(tableLabel, "la cabecera est\xE1 truncada (" + std::to_string(file.size()) + " bytes)");
    DbfLayout layout;
    layout.version = static_cast<std::uint8_t>(file[0]);
    if (!familyOfVersion(layout.version, layout.family))
        throwDamaged(tableLabel, "versi\xF3n desconocida (" + hexByte(layout.version) + ")");
    layout.headerRecordCount = readLittle32(file.data() + 4);
    layout.headerLength = readLittle16(file.data() + 8);
    layout.recordLength = readLittle16(file.data() + 10);

    const std::size_t prefix = layout.family == DbfFamily::Level7 ? kPrefixLevel7 : kPrefixLevel3;
    if (layout.headerLength <= prefix)
        throwDamaged(tableLabel, "la longitud de cabecera (" + std::to_string(layout.headerLength) +
                                     ") es demasiado peque\xF1" "a");
    if (layout.headerLength > file.size())
        throwDamaged(tableLabel, "la longitud de cabecera (" + std::to_string(layout.headerLength) +
                                     ") supera el tama\xF1o del archivo (" + std::to_string(file.size()) + ")");
    if (layout.recordLength < 2)
        throwDamaged(tableLabel, "la longitud de registro es " + std::to_string(layout.recordLength));
    layout.fields = readDescriptors(file, layout, tableLabel);
    return layout;
}

std::vector<DbfField> fieldsFromDefs(const std::vector<FieldDef>& defs, const std::string& tableName)
{
    if (defs.empty())
        throw Error("La tabla " + tableName + " no tiene campos");
    std::vector<DbfField> fields;
    std::size_t offset = 1;
    for (const FieldDef& def : defs) {
        DbfField field = fieldFromDef(def, tableName);
        for (const DbfField& earlier : fields)
            if (earlier.name == field.name)
                throw Error("El campo " + field.name + " aparece dos veces en la tabla " + tableName);
        field.offset = offset;
        offset += field.width;
        fields.push_back(std::move(field));
    }
    if (offset > 0xFFFF || kPrefixLevel3 + kDescriptorLevel3 * fields.size() + 1 > 0xFFFF)
        throw Error("La tabla " + tableName + " tiene demasiados campos");
    return fields;
}

std::string makeDbfHeader(const std::vector<DbfField>& fields, std::size_t recordLength,
                          std::uint32_t recordCount, HeaderDate date)
{
    const std::size_t headerLength = kPrefixLevel3 + kDescriptorLevel3 * fields.size() + 1;
    std::string header(headerLength, '\0');
    header[0] = static_cast<char>(kOurVersion);
    putDate(header, date);
    writeLittle32(header.data() + 4, recordCount);
    writeLittle16(header.data() + 8, static_cast<std::uint16_t>(headerLength));
    writeLittle16(header.data() + 10, static_cast<std::uint16_t>(recordLength));
    header[29] = static_cast<char>(kWindowsAnsiDriver);
    std::size_t pos = kPrefixLevel3;
    for (const DbfField& field : fields) {
        header.replace(pos, field.name.size(), field.name);
        header[pos + 11] = field.type;
        header[pos + 16] = static_cast<char>(field.width);
        header[pos + 17] = static_cast<char>(field.decimals);
        pos += kDescriptorLevel3;
    }
    header[pos] = kTerminator;
    return header;
}

void stampDbfHeader(std::string& header, std::uint32_t recordCount, HeaderDate date)
{
    putDate(header, date);
    writeLittle32(header.data() + 4, recordCount);
}

}  // namespace tt
