#pragma once
// A table built in memory that replaces the table file of its name on
// commit(). From the start it holds a temporary file in the table's
// folder (so that a missing folder fails at once) and an exclusive lock on
// the old table file, if there is one.
#include <string>
#include <vector>

#include "tables/dbf_table.h"
#include "tables/disk_file.h"
#include "tables/table_store.h"

namespace tt {

class DbfNewTable : public NewTable {
public:
    DbfNewTable(std::string name, std::string folder, std::vector<DbfField> fields);

    Table& table() override { return table_; }
    // Writes the temporary file, syncs it, renames it over NAME.DBF (the
    // existing file of that name in any letter case), deletes NAME.MDX and
    // releases the lock.
    void commit() override;

private:
    // The temporary file, deleted on destruction unless it was renamed.
    struct TemporaryFile {
        std::string path;
        DiskFile file;
        bool renamed = false;
        TemporaryFile() = default;
        TemporaryFile(const TemporaryFile&) = delete;
        TemporaryFile& operator=(const TemporaryFile&) = delete;
        ~TemporaryFile();
    };

    void createTemporaryFile();
    void lockOldTable();
    void removeOldIndex();

    std::string name_;
    std::string folder_;
    TemporaryFile temporary_;
    DiskFile oldTable_;
    DbfTable table_;
    bool committed_ = false;
};

}  // namespace tt
