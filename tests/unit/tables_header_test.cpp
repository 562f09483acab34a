// The bytes of the table files we write: dBase III+ without memo.
#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

#include "tables/dbf_table_store.h"
#include "tables_test_support.h"

namespace tt {
namespace {

using testing::readBytes;
using testing::ScratchFolder;

std::string todayBytes()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {static_cast<char>(local.tm_year), static_cast<char>(local.tm_mon + 1), static_cast<char>(local.tm_mday)};
}

unsigned byteAt(const std::string& bytes, std::size_t i)
{
    return static_cast<unsigned char>(bytes.at(i));
}

unsigned little16(const std::string& bytes, std::size_t i)
{
    return byteAt(bytes, i) | byteAt(bytes, i + 1) << 8;
}

unsigned little32(const std::string& bytes, std::size_t i)
{
    return little16(bytes, i) | little16(bytes, i + 2) << 16;
}

// Written out by hand: GOLD with CODIGO C(4), ALTA L, HORAS N(11,0),
// NOTA N(20,4); records ("AB", true, 7, 2.5) and one with only CODIGO set
// to "\xD1"; the date bytes are zero.
std::string goldenTable()
{
    using namespace std::string_literals;
    const std::string zeros14(14, '\0');
    return "\x03\x00\x00\x00"s + "\x02\x00\x00\x00"s + "\xA1\x00"s + "\x25\x00"s + std::string(17, '\0') + "\x03"s +
           "\x00\x00"s +
           "CODIGO\0\0\0\0\0"s + "C" + "\0\0\0\0"s + "\x04\x00"s + zeros14 +
           "ALTA\0\0\0\0\0\0\0"s + "L" + "\0\0\0\0"s + "\x01\x00"s + zeros14 +
           "HORAS\0\0\0\0\0\0"s + "N" + "\0\0\0\0"s + "\x0B\x00"s + zeros14 +
           "NOTA\0\0\0\0\0\0\0"s + "N" + "\0\0\0\0"s + "\x14\x04"s + zeros14 +
           "\x0D" +
           " AB  T          7              2.5000" +
           " \xD1                                   " +
           "\x1A";
}

class TablesHeader : public ::testing::Test {
protected:
    ScratchFolder folder;
    DbfTableStore store{folder.path()};

    std::string buildGolden()
    {
        auto built = store.buildTable("GOLD", {{"CODIGO", FieldKind::String, 4},
                                               {"alta", FieldKind::Logical},
                                               {"HORAS", FieldKind::Integer},
                                               {"NOTA", FieldKind::Float}});
        Table& table = built->table();
        table.append();
        table.setString("CODIGO", "AB");
        table.setBoolean("ALTA", true);
        table.setString("HORAS", "7");
        table.setFloat("NOTA", 2.5);
        table.post();
        table.append();
        table.setString("CODIGO", "\xD1");
        table.post();
        built->commit();
        return readBytes(folder.file("GOLD.DBF"));
    }
};

TEST_F(TablesHeader, MatchesTheGoldenBytesWithTheDateZeroed)
{
    const std::string before = todayBytes();
    std::string bytes = buildGolden();
    const std::string after = todayBytes();
    ASSERT_EQ(bytes.size(), goldenTable().size());
    const std::string date = bytes.substr(1, 3);
    EXPECT_TRUE(date == before || date == after);
    bytes.replace(1, 3, 3, '\0');
    EXPECT_EQ(bytes, goldenTable());
}

TEST_F(TablesHeader, FieldsAndCountsAreRecorded)
{
    std::vector<FieldDef> fields;
    for (int i = 0; i < 12; ++i)
        fields.push_back({"CAMPO" + std::to_string(i), FieldKind::String, 10 + i});
    fields.push_back({"CIERTO", FieldKind::Logical});
    auto built = store.buildTable("MUCHOS", fields);
    for (int i = 0; i < 1000; ++i) {
        built->table().append();
        built->table().post();
    }
    built->commit();
    const std::string bytes = readBytes(folder.file("MUCHOS.DBF"));
    const std::size_t headerLength = 32 + 32 * 13 + 1;
    const std::size_t recordLength = 1 + (10 + 21) * 12 / 2 + 1;
    EXPECT_EQ(byteAt(bytes, 0), 0x03u);
    EXPECT_EQ(bytes.substr(1, 3), todayBytes());
    EXPECT_EQ(little32(bytes, 4), 1000u);
    EXPECT_EQ(little16(bytes, 8), headerLength);
    EXPECT_EQ(little16(bytes, 10), recordLength);
    EXPECT_EQ(byteAt(bytes, 29), 0x03u);
    EXPECT_EQ(byteAt(bytes, headerLength - 1), 0x0Du);
    EXPECT_EQ(bytes.size(), headerLength + 1000 * recordLength + 1);
    EXPECT_EQ(byteAt(bytes, bytes.size() - 1), 0x1Au);
    EXPECT_EQ(bytes.substr(32 + 32 * 11, 11), std::string("CAMPO11\0\0\0\0", 11));
    EXPECT_EQ(byteAt(bytes, 32 + 32 * 11 + 16), 21u);
}

TEST_F(TablesHeader, EmptyTableIsHeaderAndEndByte)
{
    store.createTable("VACIA", {{"A", FieldKind::Integer}});
    const std::string bytes = readBytes(folder.file("VACIA.DBF"));
    EXPECT_EQ(bytes.size(), 32u + 32 + 1 + 1);
    EXPECT_EQ(little32(bytes, 4), 0u);
    EXPECT_EQ(little16(bytes, 10), 12u);
    EXPECT_EQ(bytes.back(), '\x1A');
}

TEST_F(TablesHeader, FloatsAreRightAlignedAndNeverOverflow)
{
    const struct {
        double value;
        const char* stored;
    } cases[] = {
        {2.5, "              2.5000"},
        {-1234.56789, "          -1234.5679"},
        {0.00004, "              0.0000"},
        {-0.0, "              0.0000"},
        {123456789012345.0, "123456789012345.0000"},
        {1234567890123456.0, "1.23456789012346E+15"},  // as many digits as fit
        {1e25, "1.00000000000000E+25"},
        {-1.2345e300, "-1.234500000000E+300"},
        {1.5e-300, "              0.0000"},
    };
    for (const auto& c : cases) {
        auto built = store.buildTable("FLOTA", {{"NOTA", FieldKind::Float}});
        built->table().append();
        built->table().setFloat("NOTA", c.value);
        built->commit();
        const std::string bytes = readBytes(folder.file("FLOTA.DBF"));
        const std::string stored = bytes.substr(32 + 32 + 1 + 1, 20);
        EXPECT_EQ(stored, c.stored) << c.value;
        auto table = store.open("FLOTA", Access::ReadOnly, Sharing::Shared);
        table->first();
        EXPECT_NEAR(table->getFloat("NOTA"), c.value, std::fabs(c.value) * 1e-11 + 0.00005) << c.value;
    }
}

}  // namespace
}  // namespace tt
