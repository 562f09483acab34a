// Our tables as another program reads them: the dbfread package.
#include <gtest/gtest.h>

#include "tables/dbf_table_store.h"
#include "tables_test_support.h"

namespace tt {
namespace {

using testing::ScratchFolder;

std::string dumpWithDbfread(const std::string& path)
{
    int status = 0;
    const std::string output = testing::commandOutput(
        std::string(TT_PYTHON) + " " + testing::testDataFile("dump_with_dbfread.py") + " '" + path + "'", status);
    EXPECT_EQ(status, 0) << output;
    return output;
}

unsigned headerRecordCount(const std::string& path)
{
    const std::string bytes = testing::readBytes(path);
    unsigned count = 0;
    for (int i = 3; i >= 0; --i)
        count = count << 8 | static_cast<unsigned char>(bytes.at(4 + i));
    return count;
}

TEST(TablesDbfread, ReadsWhatWeWrite)
{
    ScratchFolder folder;
    DbfTableStore store(folder.path());
    auto built = store.buildTable("PROFT", {{"ABREV", FieldKind::String, 10},
                                            {"NOMBRE", FieldKind::String, 30},
                                            {"JEFE", FieldKind::Logical},
                                            {"DNI", FieldKind::Integer},
                                            {"HORAS", FieldKind::Float}});
    Table& table = built->table();
    table.append();
    table.setString("ABREV", "MGA");
    table.setString("NOMBRE", "Mar\xED" "a Garc\xED" "a Pe\xF1" "a");
    table.setBoolean("JEFE", true);
    table.setString("DNI", "12345678");
    table.setFloat("HORAS", 18.5);
    table.post();
    table.append();
    table.setString("ABREV", "ABCDEFGHIJKL");
    table.setBoolean("JEFE", false);
    table.setFloat("DNI", -1);
    table.setFloat("HORAS", 1e25);
    table.post();
    table.append();  // nothing set
    table.post();
    built->commit();

    EXPECT_EQ(dumpWithDbfread(folder.file("PROFT.DBF")),
              "FIELD ABREV C 10 0\n"
              "FIELD NOMBRE C 30 0\n"
              "FIELD JEFE L 1 0\n"
              "FIELD DNI N 11 0\n"
              "FIELD HORAS N 20 4\n"
              "RECORD MGA|Mar\xED" "a Garc\xED" "a Pe\xF1" "a|True|12345678|18.5\n"
              "RECORD ABCDEFGHIJ||False|-1|1e+25\n"
              "RECORD ||None|None|None\n"
              "DELETED 0\n");
    EXPECT_EQ(headerRecordCount(folder.file("PROFT.DBF")), 3u);
}

TEST(TablesDbfread, ReadsWhatAReadWriteOpenWroteBack)
{
    ScratchFolder folder;
    DbfTableStore store(folder.path());
    store.createTable("AULAT", {{"ABREV", FieldKind::String, 4}, {"MAXALUM", FieldKind::Integer}});
    {
        auto table = store.open("AULAT", Access::ReadWrite, Sharing::Exclusive);
        for (int i = 1; i <= 3; ++i) {
            table->append();
            table->setString("ABREV", "A" + std::to_string(i));
            table->setString("MAXALUM", std::to_string(10 * i));
            table->post();
        }
        table->close();
    }
    EXPECT_EQ(dumpWithDbfread(folder.file("AULAT.DBF")),
              "FIELD ABREV C 4 0\n"
              "FIELD MAXALUM N 11 0\n"
              "RECORD A1|10\n"
              "RECORD A2|20\n"
              "RECORD A3|30\n"
              "DELETED 0\n");
    EXPECT_EQ(headerRecordCount(folder.file("AULAT.DBF")), 3u);
}

}  // namespace
}  // namespace tt
