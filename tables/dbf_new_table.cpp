#include "tables/dbf_new_table.h"

#include <cstdio>
#include <utility>

#include "tables/folder_lookup.h"
#include "text/error.h"

namespace tt {

namespace {

constexpr int kTemporaryNameAttempts = 1000;

}  // namespace

DbfNewTable::TemporaryFile::~TemporaryFile()
{
    file.close();
    if (!path.empty() && !renamed)
        std::remove(path.c_str());
}

DbfNewTable::DbfNewTable(std::string name, std::string folder, std::vector<DbfField> fields)
    : name_(std::move(name)), folder_(std::move(folder)), table_(name_, std::move(fields))
{
    createTemporaryFile();
    lockOldTable();
}

void DbfNewTable::createTemporaryFile()
{
    const std::string stem = "." + name_ + ".DBF.tmp-" + std::to_string(processId()) + "-";
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const std::string path = joinPath(folder_, stem + std::to_string(attempt));
        if (temporary_.file.createNew(path)) {
            temporary_.path = path;
            return;
        }
        if (!temporary_.file.alreadyExists())
            break;
    }
    const DiskFile& failed = temporary_.file;
    throw Error("No se puede crear la tabla " + name_ + " en " + folder_ + ": " +
                (failed.missing() ? std::string("no existe la carpeta") : failed.failure()));
}

void DbfNewTable::lockOldTable()
{
    const auto old = findFileIgnoringCase(folder_, name_ + ".DBF");
    if (!old)
        return;
    if (!oldTable_.openExisting(*old, false)) {
        if (oldTable_.missing())
            return;  // gone meanwhile
        throw Error("No se puede abrir la tabla " + name_ + " (" + *old + "): " + oldTable_.failure());
    }
    if (!oldTable_.tryLock(LockKind::Exclusive)) {
        if (oldTable_.busy())
            throw Error("La tabla " + name_ + " est\xE1 en uso por otro programa (" + *old + ")");
        throw Error("No se puede bloquear la tabla " + name_ + " (" + *old + "): " + oldTable_.failure());
    }
}

void DbfNewTable::commit()
{
    if (committed_)
        throw Error("La tabla " + name_ + " ya se guard\xF3");
    table_.post();
    DiskFile& file = temporary_.file;
    if (!file.rewrite({table_.fileHeader(), table_.recordBytes(), DbfTable::kFileEnd}) || !file.sync())
        throw Error("No se puede escribir la tabla " + name_ + " en " + folder_ + ": " + file.failure());
    file.close();

    const std::string target =
        findFileIgnoringCase(folder_, name_ + ".DBF").value_or(joinPath(folder_, name_ + ".DBF"));
    std::string failure;
    if (!replaceFile(temporary_.path, target, failure))
        throw Error("No se puede reemplazar la tabla " + name_ + " (" + target + "): " + failure);
    temporary_.renamed = true;
    committed_ = true;
    removeOldIndex();
    syncFolder(folder_);
    oldTable_.close();
}

void DbfNewTable::removeOldIndex()
{
    const auto index = findFileIgnoringCase(folder_, name_ + ".MDX");
    if (index && std::remove(index->c_str()) != 0)
        throw Error("No se puede borrar el \xEDndice de la tabla " + name_ + " (" + *index + ")");
}

}  // namespace tt
