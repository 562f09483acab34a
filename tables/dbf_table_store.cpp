#include "tables/dbf_table_store.h"

#include <cstdio>
#include <utility>

#include "tables/dbf_layout.h"
#include "tables/dbf_new_table.h"
#include "tables/dbf_table.h"
#include "tables/disk_file.h"
#include "tables/folder_lookup.h"
#include "text/error.h"

namespace tt {

namespace {

void checkTableName(const std::string& name)
{
    if (name.empty() || name.find_first_of("/\\:") != std::string::npos || name.find('\0') != std::string::npos)
        throw Error("El nombre de tabla '" + name + "' no es v\xE1lido");
}

DiskFile openLocked(const std::string& name, const std::string& path, Access access, Sharing sharing)
{
    DiskFile file;
    if (!file.openExisting(path, access == Access::ReadWrite)) {
        if (file.missing())
            throw Error("No existe la tabla " + name + " (" + path + ")");
        throw Error("No se puede abrir la tabla " + name + " (" + path + "): " + file.failure());
    }
    if (!file.tryLock(sharing == Sharing::Exclusive ? LockKind::Exclusive : LockKind::Shared)) {
        if (file.busy())
            throw Error("La tabla " + name + " est\xE1 en uso por otro programa (" + path + ")");
        throw Error("No se puede bloquear la tabla " + name + " (" + path + "): " + file.failure());
    }
    return file;
}

// The table's fields and records from the bytes of its file. The record
// count of the header is believed only as far as the file has whole
// records for it.
DbfContent contentOf(ByteBuffer bytes, const std::string& tableLabel)
{
    const DbfLayout layout = parseDbfHeader(bytes, tableLabel);
    const std::size_t present = (bytes.size() - layout.headerLength) / layout.recordLength;
    const std::size_t records = layout.headerRecordCount < present ? layout.headerRecordCount : present;
    DbfContent content;
    content.family = layout.family;
    content.fields = layout.fields;
    content.recordLength = layout.recordLength;
    content.header = std::string(std::string_view(bytes).substr(0, layout.headerLength));
    bytes.resize(layout.headerLength + records * layout.recordLength);  // what follows the records goes
    content.records = std::move(bytes);
    content.recordsStart = layout.headerLength;
    return content;
}

}  // namespace

DbfTableStore::DbfTableStore(std::string folder) : folder_(std::move(folder)) {}

void DbfTableStore::removeTableFiles(const std::string& name)
{
    checkTableName(name);
    for (const char* extension : {".DBF", ".MDX"})
        if (const auto path = findFileIgnoringCase(folder_, name + extension))
            std::remove(path->c_str());
}

void DbfTableStore::createTable(const std::string& name, const std::vector<FieldDef>& fields)
{
    buildTable(name, fields)->commit();
}

std::unique_ptr<NewTable> DbfTableStore::buildTable(const std::string& name, const std::vector<FieldDef>& fields)
{
    checkTableName(name);
    return std::make_unique<DbfNewTable>(name, folder_, fieldsFromDefs(fields, name));
}

std::unique_ptr<Table> DbfTableStore::open(const std::string& name, Access access, Sharing sharing)
{
    checkTableName(name);
    const std::string fileName = name + ".DBF";
    const auto found = findFileIgnoringCase(folder_, fileName);
    if (!found)
        throw Error("No existe la tabla " + name + " (" + joinPath(folder_, fileName) + ")");
    DiskFile file = openLocked(name, *found, access, sharing);
    ByteBuffer bytes;
    if (!file.readAll(bytes))
        throw Error("No se puede leer la tabla " + name + " (" + *found + "): " + file.failure());
    DbfContent content = contentOf(std::move(bytes), name + " (" + *found + ")");
    return std::make_unique<DbfTable>(name, *found, std::move(content), std::move(file), access);
}

}  // namespace tt
