#pragma once
// The table store on dBase files (.DBF) in one folder.
#include "tables/table_store.h"

namespace tt {

class DbfTableStore : public TableStore {
public:
    explicit DbfTableStore(std::string folder);

    const std::string& folder() const override { return folder_; }
    void removeTableFiles(const std::string& name) override;
    void createTable(const std::string& name, const std::vector<FieldDef>& fields) override;
    std::unique_ptr<NewTable> buildTable(const std::string& name,
                                         const std::vector<FieldDef>& fields) override;
    std::unique_ptr<Table> open(const std::string& name, Access access, Sharing sharing) override;

private:
    std::string folder_;
};

}  // namespace tt
