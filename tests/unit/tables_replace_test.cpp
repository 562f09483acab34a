// Rebuilding a table: the old files stay exactly as they were until
// commit(), which leaves one new NAME.DBF and no index.
#include <gtest/gtest.h>

#include "tables/dbf_table_store.h"
#include "tables_test_support.h"

namespace tt {
namespace {

using testing::errorText;
using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

const std::vector<FieldDef> kFields = {{"ABREV", FieldKind::String, 10}};

class TablesReplace : public ::testing::Test {
protected:
    ScratchFolder folder;
    DbfTableStore store{folder.path()};

    std::unique_ptr<NewTable> buildOne(const std::string& abrev)
    {
        auto built = store.buildTable("PROFT", kFields);
        built->table().append();
        built->table().setString("ABREV", abrev);
        built->table().post();
        return built;
    }

    std::string firstAbrev()
    {
        auto table = store.open("PROFT", Access::ReadOnly, Sharing::Shared);
        table->first();
        return table->getString("ABREV");
    }
};

TEST_F(TablesReplace, WithoutCommitNothingChanges)
{
    writeBytes(folder.file("PROFT.DBF"), "old table bytes");
    writeBytes(folder.file("PROFT.MDX"), "old index bytes");
    {
        auto built = buildOne("NUEVO");
        EXPECT_EQ(folder.names().size(), 3u);  // the temporary file exists from the start
    }
    EXPECT_EQ(folder.names(), (std::set<std::string>{"PROFT.DBF", "PROFT.MDX"}));
    EXPECT_EQ(readBytes(folder.file("PROFT.DBF")), "old table bytes");
    EXPECT_EQ(readBytes(folder.file("PROFT.MDX")), "old index bytes");
}

TEST_F(TablesReplace, CommitReplacesTheTableAndRemovesTheIndex)
{
    buildOne("VIEJO")->commit();
    writeBytes(folder.file("PROFT.MDX"), "old index bytes");
    writeBytes(folder.file("OTRA.MDX"), "other index");
    buildOne("NUEVO")->commit();
    EXPECT_EQ(folder.names(), (std::set<std::string>{"PROFT.DBF", "OTRA.MDX"}));
    EXPECT_EQ(firstAbrev(), "NUEVO");
}

TEST_F(TablesReplace, FilesInOtherLetterCaseAreReplacedInPlace)
{
    buildOne("VIEJO")->commit();
    std::filesystem::rename(folder.file("PROFT.DBF"), folder.file("proft.dbf"));
    writeBytes(folder.file("Proft.Mdx"), "old index bytes");
    buildOne("NUEVO")->commit();
    EXPECT_EQ(folder.names(), (std::set<std::string>{"proft.dbf"}));
    EXPECT_EQ(firstAbrev(), "NUEVO");
}

TEST_F(TablesReplace, CommitTwiceIsAnError)
{
    auto built = buildOne("UNO");
    built->commit();
    const std::string fault = errorText([&] { built->commit(); });
    EXPECT_NE(fault.find("PROFT"), std::string::npos) << fault;
    EXPECT_EQ(folder.names(), (std::set<std::string>{"PROFT.DBF"}));
}

TEST_F(TablesReplace, MissingFolderFailsAtOnce)
{
    DbfTableStore nowhere(folder.file("no/such"));
    EXPECT_EQ(errorText([&] { nowhere.buildTable("PROFT", kFields); }),
              "No se puede crear la tabla PROFT en " + folder.file("no/such") + ": no existe la carpeta");
    const std::string fault = errorText([&] { nowhere.createTable("PROFT", kFields); });
    EXPECT_NE(fault.find("PROFT"), std::string::npos) << fault;
}

TEST_F(TablesReplace, CreateTableMakesAnEmptyTable)
{
    buildOne("VIEJO")->commit();
    store.createTable("PROFT", {{"OTRO", FieldKind::Logical}});
    auto table = store.open("PROFT", Access::ReadOnly, Sharing::Shared);
    EXPECT_EQ(table->recordCount(), 0u);
    EXPECT_TRUE(table->hasField("OTRO"));
    EXPECT_FALSE(table->hasField("ABREV"));
}

TEST_F(TablesReplace, RemoveTableFilesDeletesBothInAnyLetterCase)
{
    writeBytes(folder.file("proft.dbf"), "x");
    writeBytes(folder.file("PROFT.MDX"), "y");
    writeBytes(folder.file("AULAT.DBF"), "z");
    store.removeTableFiles("PROFT");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"AULAT.DBF"}));
    store.removeTableFiles("PROFT");  // nothing left to delete: no error
    DbfTableStore nowhere(folder.file("no/such"));
    EXPECT_NO_THROW(nowhere.removeTableFiles("PROFT"));
}

}  // namespace
}  // namespace tt
