// Tables written by our store and read back by it: every field kind,
// editing, walking and locating.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tables/dbf_table_store.h"
#include "tables_test_support.h"

namespace tt {
namespace {

using testing::errorText;
using testing::ScratchFolder;

const std::vector<FieldDef> kFields = {
    {"NOMBRE", FieldKind::String, 10},
    {"ACTIVO", FieldKind::Logical},
    {"HORAS", FieldKind::Integer},
    {"NOTA", FieldKind::Float},
};

class TablesWriteRead : public ::testing::Test {
protected:
    ScratchFolder folder;
    DbfTableStore store{folder.path()};

    // Builds TABLA with one record per name (NOMBRE only).
    void buildNames(const std::vector<std::string>& names)
    {
        auto built = store.buildTable("TABLA", kFields);
        for (const std::string& name : names) {
            built->table().append();
            built->table().setString("NOMBRE", name);
            built->table().post();
        }
        built->commit();
    }

    std::vector<std::string> walkNames(Table& table)
    {
        std::vector<std::string> names;
        for (table.first(); !table.atEnd(); table.next())
            names.push_back(table.getString("NOMBRE"));
        return names;
    }
};

TEST_F(TablesWriteRead, EveryKindComesBackAsSet)
{
    auto built = store.buildTable("TABLA", kFields);
    Table& out = built->table();
    out.append();
    out.setString("NOMBRE", "Jos\xE9");
    out.setBoolean("ACTIVO", true);
    out.setString("HORAS", "42");
    out.setFloat("NOTA", 7.25);
    out.post();
    out.append();
    out.setString("NOMBRE", "ABCDEFGHIJKLMN");  // cut to 10
    out.setBoolean("ACTIVO", false);
    out.setFloat("HORAS", -3);
    out.setFloat("NOTA", -0.5);
    out.post();
    out.append();
    out.setString("NOMBRE", "AB   ");  // trailing blanks go
    out.post();
    out.append();  // never set
    out.post();
    built->commit();

    auto in = store.open("TABLA", Access::ReadOnly, Sharing::Shared);
    ASSERT_EQ(in->recordCount(), 4u);
    in->first();
    EXPECT_EQ(in->getString("NOMBRE"), "Jos\xE9");
    EXPECT_EQ(in->getString("ACTIVO"), "True");
    EXPECT_EQ(in->getInteger("HORAS"), 42);
    EXPECT_EQ(in->getFloat("NOTA"), 7.25);
    EXPECT_EQ(in->getString("NOTA"), "7.25");
    in->next();
    EXPECT_EQ(in->getString("NOMBRE"), "ABCDEFGHIJ");
    EXPECT_EQ(in->getString("ACTIVO"), "False");
    EXPECT_EQ(in->getInteger("HORAS"), -3);
    EXPECT_EQ(in->getString("HORAS"), "-3");
    EXPECT_EQ(in->getFloat("NOTA"), -0.5);
    in->next();
    EXPECT_EQ(in->getString("NOMBRE"), "AB");
    in->next();
    EXPECT_EQ(in->getString("NOMBRE"), "");
    EXPECT_EQ(in->getString("ACTIVO"), "");
    EXPECT_EQ(in->getString("HORAS"), "");
    EXPECT_EQ(in->getInteger("HORAS"), 0);
    EXPECT_EQ(in->getFloat("NOTA"), 0.0);
    EXPECT_EQ(in->getInteger("NOTA"), 0);
    in->next();
    EXPECT_TRUE(in->atEnd());
}

TEST_F(TablesWriteRead, ValuesReadBackWhileEditing)
{
    auto built = store.buildTable("TABLA", kFields);
    Table& table = built->table();
    table.append();
    table.setFloat("NOTA", 2.5);
    EXPECT_EQ(table.getFloat("NOTA"), 2.5);
    EXPECT_EQ(table.getString("NOTA"), "2.5");
    table.setFloat("NOTA", -1234.5678);
    EXPECT_EQ(table.getFloat("NOTA"), -1234.5678);
    table.setString("HORAS", "  17 ");
    EXPECT_EQ(table.getInteger("HORAS"), 17);
    table.setString("HORAS", "");
    EXPECT_EQ(table.getString("HORAS"), "");
    table.setBoolean("ACTIVO", true);
    EXPECT_EQ(table.getString("ACTIVO"), "True");
    table.setString("ACTIVO", "F");
    EXPECT_EQ(table.getString("ACTIVO"), "False");
    table.setString("NOMBRE", "x");
    EXPECT_EQ(table.getString("nombre"), "x");  // names match in any letter case
    EXPECT_EQ(table.recordCount(), 1u);
}

TEST_F(TablesWriteRead, NumbersAreNormalizedText)
{
    auto built = store.buildTable("TABLA", kFields);
    Table& table = built->table();
    table.append();
    const struct {
        double value;
        const char* text;
    } cases[] = {{3.0, "3"}, {2.5, "2.5"}, {0.0001, "0.0001"}, {-0.0, "0"}, {1e-9, "0"}, {123456.75, "123456.75"}};
    for (const auto& c : cases) {
        table.setFloat("NOTA", c.value);
        EXPECT_EQ(table.getString("NOTA"), c.text) << c.value;
    }
    table.setFloat("NOTA", 3.0);
    EXPECT_EQ(table.getInteger("NOTA"), 3);
    table.setFloat("NOTA", 2.5);
    const std::string fault = errorText([&] { table.getInteger("NOTA"); });
    EXPECT_NE(fault.find("NOTA"), std::string::npos) << fault;
    EXPECT_NE(fault.find("TABLA"), std::string::npos) << fault;
}

TEST_F(TablesWriteRead, WrongValuesAreErrorsNamingTheField)
{
    auto built = store.buildTable("TABLA", kFields);
    Table& table = built->table();
    table.append();
    const struct {
        const char* field;
        std::function<void()> action;
    } cases[] = {
        {"HORAS", [&] { table.setString("HORAS", "abc"); }},
        {"HORAS", [&] { table.setString("HORAS", "123456789012"); }},
        {"HORAS", [&] { table.setFloat("HORAS", 1e15); }},
        {"NOTA", [&] { table.setFloat("NOTA", std::nan("")); }},
        {"NOTA", [&] { table.setFloat("NOTA", std::numeric_limits<double>::infinity()); }},
        {"ACTIVO", [&] { table.setString("ACTIVO", "quiz\xE1s"); }},
        {"ACTIVO", [&] { table.setFloat("ACTIVO", 1); }},
        {"NOMBRE", [&] { table.setBoolean("NOMBRE", true); }},
        {"NOPE", [&] { table.setString("NOPE", "x"); }},
        {"NOPE", [&] { table.getString("NOPE"); }},
    };
    for (const auto& c : cases) {
        const std::string fault = errorText(c.action);
        EXPECT_NE(fault.find(c.field), std::string::npos) << fault;
        EXPECT_NE(fault.find("TABLA"), std::string::npos) << fault;
    }
    EXPECT_EQ(errorText([&] { table.getString("NOPE"); }), "La tabla TABLA no tiene el campo NOPE");
}

TEST_F(TablesWriteRead, BadDefinitionsAreRefusedNamingTheField)
{
    const struct {
        FieldDef field;
        const char* named;
    } cases[] = {
        {{"CORTO", FieldKind::String, 0}, "CORTO"},
        {{"LARGO", FieldKind::String, 255}, "LARGO"},
        {{"NEGATIVO", FieldKind::String, -1}, "NEGATIVO"},
        {{"NOMBREMUYLARGO", FieldKind::Integer}, "NOMBREMUYLARGO"},
        {{"", FieldKind::Integer}, "''"},
        {{"CON ESPACIO", FieldKind::Integer}, "CON ESPACIO"},
    };
    for (const auto& c : cases) {
        const std::string fault = errorText([&] { store.buildTable("TABLA", {c.field}); });
        EXPECT_NE(fault.find(c.named), std::string::npos) << fault;
        EXPECT_NE(fault.find("TABLA"), std::string::npos) << fault;
    }
    const std::string twice = errorText([&] {
        store.buildTable("TABLA", {{"A", FieldKind::Integer}, {"a", FieldKind::Logical}});
    });
    EXPECT_NE(twice.find("A"), std::string::npos) << twice;
    EXPECT_TRUE(folder.names().empty());  // no temporary file left behind
}

TEST_F(TablesWriteRead, EditPostAndCloseWriteTheFileBack)
{
    buildNames({"UNO", "DOS", "TRES"});
    {
        auto table = store.open("TABLA", Access::ReadWrite, Sharing::Exclusive);
        ASSERT_TRUE(table->locate("NOMBRE", "DOS"));
        table->edit();
        table->setString("NOMBRE", "DOS BIS");
        table->setString("HORAS", "12");
        table->post();
        table->append();
        table->setString("NOMBRE", "CUATRO");
        table->post();
        table->close();
    }
    auto table = store.open("TABLA", Access::ReadOnly, Sharing::Shared);
    EXPECT_EQ(table->recordCount(), 4u);
    EXPECT_EQ(walkNames(*table), (std::vector<std::string>{"UNO", "DOS BIS", "TRES", "CUATRO"}));
    ASSERT_TRUE(table->locate("NOMBRE", "DOS BIS"));
    EXPECT_EQ(table->getInteger("HORAS"), 12);
}

TEST_F(TablesWriteRead, DestroyingAnOpenTablePersistsToo)
{
    buildNames({"UNO"});
    {
        auto table = store.open("TABLA", Access::ReadWrite, Sharing::Exclusive);
        table->append();
        table->setString("NOMBRE", "DOS");
        table->post();
    }
    auto table = store.open("TABLA", Access::ReadOnly, Sharing::Shared);
    EXPECT_EQ(walkNames(*table), (std::vector<std::string>{"UNO", "DOS"}));
}

TEST_F(TablesWriteRead, UnchangedReadWriteTableLeavesTheFileAlone)
{
    buildNames({"UNO"});
    const std::string path = folder.file("TABLA.DBF");
    std::string bytes = testing::readBytes(path);
    bytes[1] = 1;  // a date we would not write
    testing::writeBytes(path, bytes);
    auto table = store.open("TABLA", Access::ReadWrite, Sharing::Exclusive);
    table->first();
    table->locate("NOMBRE", "UNO");
    table->close();
    EXPECT_EQ(testing::readBytes(path), bytes);
}

TEST_F(TablesWriteRead, ReadOnlyTablesRefuseChanges)
{
    buildNames({"UNO"});
    auto table = store.open("TABLA", Access::ReadOnly, Sharing::Shared);
    table->first();
    const std::function<void()> changes[] = {
        [&] { table->append(); },
        [&] { table->edit(); },
        [&] { table->setString("NOMBRE", "x"); },
        [&] { table->setBoolean("ACTIVO", true); },
        [&] { table->setFloat("NOTA", 1); },
    };
    for (const auto& change : changes) {
        const std::string fault = errorText(change);
        EXPECT_NE(fault.find("TABLA"), std::string::npos) << fault;
    }
    EXPECT_EQ(table->recordCount(), 1u);
}

TEST_F(TablesWriteRead, SettingNeedsAppendOrEdit)
{
    buildNames({"UNO"});
    auto table = store.open("TABLA", Access::ReadWrite, Sharing::Exclusive);
    table->first();
    const std::string fault = errorText([&] { table->setString("NOMBRE", "x"); });
    EXPECT_NE(fault.find("TABLA"), std::string::npos) << fault;
    table->edit();
    table->setString("NOMBRE", "x");
    table->post();
    EXPECT_NE(errorText([&] { table->setString("NOMBRE", "y"); }), "");
    EXPECT_EQ(table->getString("NOMBRE"), "x");
}

TEST_F(TablesWriteRead, WalkVisitsRecordsInOrder)
{
    std::vector<std::string> names;
    for (int i = 0; i < 50; ++i)
        names.push_back("N" + std::to_string(i));
    buildNames(names);
    auto table = store.open("TABLA", Access::ReadOnly, Sharing::Shared);
    EXPECT_EQ(table->recordCount(), 50u);
    EXPECT_EQ(walkNames(*table), names);
    EXPECT_EQ(walkNames(*table), names);  // first() starts over
}

TEST_F(TablesWriteRead, EmptyTableIsAtEnd)
{
    store.createTable("VACIA", kFields);
    auto table = store.open("VACIA", Access::ReadOnly, Sharing::Shared);
    EXPECT_EQ(table->recordCount(), 0u);
    table->first();
    EXPECT_TRUE(table->atEnd());
    EXPECT_TRUE(table->hasField("NOTA"));
    EXPECT_FALSE(table->hasField("NOPE"));
    EXPECT_FALSE(table->locate("NOMBRE", ""));
    const std::string fault = errorText([&] { table->getString("NOMBRE"); });
    EXPECT_NE(fault.find("VACIA"), std::string::npos) << fault;
}

TEST_F(TablesWriteRead, LocateMatchesExactlyIncludingLetterCase)
{
    buildNames({"Ana", "ANA", "ana ", "Ana Mar\xED" "a"});
    auto table = store.open("TABLA", Access::ReadOnly, Sharing::Shared);
    ASSERT_TRUE(table->locate("NOMBRE", "ANA"));
    table->next();
    EXPECT_EQ(table->getString("NOMBRE"), "ana");  // the third: the match was the second
    ASSERT_TRUE(table->locate("NOMBRE", "ana"));
    EXPECT_EQ(table->getString("NOMBRE"), "ana");
    ASSERT_TRUE(table->locate("NOMBRE", "Ana Mar\xED" "a"));
    EXPECT_FALSE(table->locate("NOMBRE", "An"));
    EXPECT_FALSE(table->locate("NOMBRE", "Ana "));
    EXPECT_FALSE(table->locate("NOMBRE", "ANA MAR\xCD" "A"));
    EXPECT_EQ(table->getString("NOMBRE"), "Ana Mar\xED" "a");  // a miss leaves the current record
    ASSERT_TRUE(table->locate("HORAS", ""));
    EXPECT_EQ(table->getString("NOMBRE"), "Ana");
}

TEST_F(TablesWriteRead, MissingTableIsNamed)
{
    const std::string fault = errorText([&] { store.open("SOLUC", Access::ReadOnly, Sharing::Shared); });
    EXPECT_NE(fault.find("No existe la tabla SOLUC"), std::string::npos) << fault;
    EXPECT_NE(fault.find(folder.path()), std::string::npos) << fault;
}

TEST_F(TablesWriteRead, FileNameInAnyLetterCaseOpens)
{
    buildNames({"UNO"});
    std::filesystem::rename(folder.file("TABLA.DBF"), folder.file("tabla.dbf"));
    auto table = store.open("TABLA", Access::ReadOnly, Sharing::Shared);
    table->first();
    EXPECT_EQ(table->getString("NOMBRE"), "UNO");
}

TEST_F(TablesWriteRead, ClosedTableRefusesWork)
{
    buildNames({"UNO"});
    auto table = store.open("TABLA", Access::ReadOnly, Sharing::Shared);
    table->close();
    table->close();  // twice is harmless
    const std::string fault = errorText([&] { table->first(); });
    EXPECT_NE(fault.find("TABLA"), std::string::npos) << fault;
}

}  // namespace
}  // namespace tt
