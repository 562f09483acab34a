// Tables that other programs write: files made by the python3-dbf package
// (tests/data/dbf/make_fixtures.py), a dBase 7 table put together byte by
// byte here, and the version bytes of the dBase and FoxPro family.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <filesystem>

#include "tables/dbf_table_store.h"
#include "tables_test_support.h"

namespace tt {
namespace {

using testing::errorText;
using testing::readBytes;
using testing::ScratchFolder;

class TablesForeign : public ::testing::Test {
protected:
    ScratchFolder folder;
    DbfTableStore store{folder.path()};

    void copyFixture(const std::string& fixture, const std::string& asName)
    {
        std::filesystem::copy_file(testing::testDataFile(fixture), folder.file(asName));
    }

    // getString of the fields for every record of a walk.
    std::vector<std::vector<std::string>> walk(Table& table, const std::vector<std::string>& fields)
    {
        std::vector<std::vector<std::string>> rows;
        for (table.first(); !table.atEnd(); table.next()) {
            rows.emplace_back();
            for (const std::string& field : fields)
                rows.back().push_back(table.getString(field));
        }
        return rows;
    }
};

using Rows = std::vector<std::vector<std::string>>;

TEST_F(TablesForeign, DbaseThreeWithDeletedRecord)
{
    copyFixture("dbase3_mixed.dbf", "soluc.dbf");  // as Vestrano under Wine may name it
    auto table = store.open("SOLUC", Access::ReadOnly, Sharing::Shared);
    EXPECT_EQ(table->recordCount(), 3u);
    EXPECT_EQ(walk(*table, {"NOMBRE", "CANT", "PRECIO", "ACTIVO", "ALTA"}),
              (Rows{{"Jos\xE9 Mar\xED" "a", "3", "2.5", "True", "15/03/2024"},
                    {"Pe\xF1" "a", "-42", "-0.75", "False", "31/12/1999"},
                    {"", "", "", "", ""}}));
    EXPECT_FALSE(table->locate("NOMBRE", "borrado"));
    ASSERT_TRUE(table->locate("NOMBRE", "Pe\xF1" "a"));
    EXPECT_EQ(table->getInteger("CANT"), -42);
    EXPECT_EQ(table->getFloat("PRECIO"), -0.75);
    EXPECT_EQ(table->getFloat("CANT"), -42.0);
    const std::string fraction = errorText([&] { table->getInteger("PRECIO"); });
    EXPECT_NE(fraction.find("PRECIO"), std::string::npos) << fraction;
    EXPECT_NE(fraction.find("SOLUC"), std::string::npos) << fraction;
    const std::string notNumber = errorText([&] { table->getInteger("ALTA"); });
    EXPECT_NE(notNumber.find("ALTA"), std::string::npos) << notNumber;
    ASSERT_TRUE(table->locate("ALTA", "15/03/2024"));
    EXPECT_EQ(table->getInteger("CANT"), 3);
}

TEST_F(TablesForeign, WritingBackKeepsDeletedRecords)
{
    copyFixture("dbase3_mixed.dbf", "SOLUC.DBF");
    const std::string before = readBytes(folder.file("SOLUC.DBF"));
    {
        auto table = store.open("SOLUC", Access::ReadWrite, Sharing::Exclusive);
        ASSERT_TRUE(table->locate("CANT", "3"));
        table->edit();
        table->setString("CANT", "4");
        table->post();
    }
    const std::string after = readBytes(folder.file("SOLUC.DBF"));
    ASSERT_EQ(after.size(), before.size());
    const std::size_t changed = before.find("    3");
    ASSERT_NE(changed, std::string::npos);
    EXPECT_EQ(after.substr(4), std::string(before).replace(changed, 5, "    4").substr(4));
    auto table = store.open("SOLUC", Access::ReadOnly, Sharing::Shared);
    EXPECT_EQ(table->recordCount(), 3u);
    EXPECT_FALSE(table->locate("NOMBRE", "borrado"));
}

TEST_F(TablesForeign, VisualFoxProBinaryFields)
{
    copyFixture("vfp_binary.dbf", "SOLUC.DBF");
    auto table = store.open("SOLUC", Access::ReadOnly, Sharing::Shared);
    EXPECT_EQ(walk(*table, {"CODIGO", "TOTAL", "MEDIA", "IMPORTE", "MOMENTO", "NOTA"}),
              (Rows{{"A1", "-7", "2.25", "12.5", "15/03/2024 13:45:30", "1.5"},
                    {"B2", "-2147483647", "-1e+300", "-0.0001", "01/01/1970 00:00:00", "-3"}}));
    table->first();
    EXPECT_EQ(table->getInteger("TOTAL"), -7);
    EXPECT_EQ(table->getFloat("MEDIA"), 2.25);
    EXPECT_EQ(table->getFloat("IMPORTE"), 12.5);
    table->next();
    EXPECT_EQ(table->getInteger("TOTAL"), -2147483647);
    EXPECT_EQ(table->getInteger("NOTA"), -3);
    EXPECT_NE(errorText([&] { table->getInteger("MEDIA"); }).find("MEDIA"), std::string::npos);
}

TEST_F(TablesForeign, WritingBackKeepsTheForeignHeader)
{
    copyFixture("vfp_binary.dbf", "SOLUC.DBF");
    const std::string before = readBytes(folder.file("SOLUC.DBF"));
    {
        auto table = store.open("SOLUC", Access::ReadWrite, Sharing::Exclusive);
        ASSERT_TRUE(table->locate("CODIGO", "B2"));
        table->edit();
        table->setString("CODIGO", "Z9");
        table->setFloat("NOTA", 4.25);
        table->post();
        table->close();
    }
    const std::string after = readBytes(folder.file("SOLUC.DBF"));
    const std::size_t headerLength = static_cast<unsigned char>(before[8]) | static_cast<unsigned char>(before[9]) << 8;
    EXPECT_EQ(after.substr(4, headerLength - 4), before.substr(4, headerLength - 4));  // all but the date
    auto table = store.open("SOLUC", Access::ReadOnly, Sharing::Shared);
    EXPECT_EQ(walk(*table, {"CODIGO", "TOTAL", "NOTA", "MOMENTO"}),
              (Rows{{"A1", "-7", "1.5", "15/03/2024 13:45:30"}, {"Z9", "-2147483647", "4.25", "01/01/1970 00:00:00"}}));
}

// A dBase 7 table as its documented layout describes it: a 68-byte header
// prefix, 48-byte field descriptors, the 0x0D terminator.
class Level7Table {
public:
    void field(const std::string& name, char type, int width, int decimals = 0)
    {
        std::string descriptor(48, '\0');
        descriptor.replace(0, name.size(), name);
        descriptor[32] = type;
        descriptor[33] = static_cast<char>(width);
        descriptor[34] = static_cast<char>(decimals);
        descriptors_ += descriptor;
        recordLength_ += width;
    }
    void record(const std::string& bytes)
    {
        ASSERT_EQ(bytes.size(), recordLength_);
        records_ += bytes;
        ++count_;
    }
    std::string bytes() const
    {
        std::string header(68, '\0');
        header[0] = 0x04;
        header[1] = 124;
        header[2] = 5;
        header[3] = 17;
        putLittle(header, 4, count_, 4);
        putLittle(header, 8, 68 + descriptors_.size() + 1, 2);
        putLittle(header, 10, recordLength_, 2);
        header[29] = 0x57;
        header.replace(32, 8, "DBWINWE0");
        return header + descriptors_ + "\x0D" + records_ + "\x1A";
    }

private:
    static void putLittle(std::string& bytes, std::size_t at, std::size_t value, int size)
    {
        for (int i = 0; i < size; ++i)
            bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }

    std::string descriptors_;
    std::string records_;
    std::size_t recordLength_ = 1;
    std::size_t count_ = 0;
};

std::string big32(std::uint32_t value)
{
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
            static_cast<char>(value)};
}

// Long fields: big-endian with the sign bit flipped.
std::string level7Long(std::int32_t value)
{
    return big32(static_cast<std::uint32_t>(value) ^ 0x80000000u);
}

// Double fields: big-endian; positives with the sign bit set, negatives
// with every bit inverted.
std::string level7Double(double value)
{
    std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    bits = (bits & 0x8000000000000000ull) ? ~bits : (bits | 0x8000000000000000ull);
    return big32(static_cast<std::uint32_t>(bits >> 32)) + big32(static_cast<std::uint32_t>(bits));
}

TEST_F(TablesForeign, DbaseSevenFields)
{
    Level7Table made;
    made.field("ID", 'I', 4);
    made.field("VALOR", 'O', 8);
    made.field("CONTADOR", '+', 4);
    made.field("MOMENTO", '@', 8);
    made.field("NOMBRE_LARGO_DE_CAMPO", 'C', 10);
    made.field("CANT", 'N', 5);
    // 15/03/2024 is Julian day 2460385; 13:45:30 is 49530000 ms.
    made.record(" " + level7Long(-5) + level7Double(2.5) + level7Long(1) + big32(2460385) + big32(49530000) +
                "Ana       " + "   12");
    made.record("*" + level7Long(99) + level7Double(0) + level7Long(2) + std::string(8, '\0') + "borrado   " +
                "    1");
    made.record(" " + level7Long(2147483647) + level7Double(-1234.125) + level7Long(3) +
                big32(2440588u | 0x80000000u) + big32(0x80000000u | 1000) + "Jos\xE9      " + "     ");
    testing::writeBytes(folder.file("SOLUC.DBF"), made.bytes());

    auto table = store.open("SOLUC", Access::ReadOnly, Sharing::Shared);
    EXPECT_EQ(table->recordCount(), 2u);
    EXPECT_EQ(walk(*table, {"ID", "VALOR", "CONTADOR", "MOMENTO", "NOMBRE_LARGO_DE_CAMPO", "CANT"}),
              (Rows{{"-5", "2.5", "1", "15/03/2024 13:45:30", "Ana", "12"},
                    {"2147483647", "-1234.125", "3", "01/01/1970 00:00:01", "Jos\xE9", ""}}));
    table->first();
    EXPECT_EQ(table->getInteger("ID"), -5);
    EXPECT_EQ(table->getFloat("VALOR"), 2.5);
    EXPECT_NE(errorText([&] { table->getInteger("VALOR"); }).find("VALOR"), std::string::npos);
}

TEST_F(TablesForeign, DbaseSevenWholeDoubleIsAnInteger)
{
    Level7Table made;
    made.field("VALOR", 'O', 8);
    made.record(" " + level7Double(-7));
    testing::writeBytes(folder.file("SOLUC.DBF"), made.bytes());
    auto table = store.open("SOLUC", Access::ReadOnly, Sharing::Shared);
    table->first();
    EXPECT_EQ(table->getInteger("VALOR"), -7);
    EXPECT_EQ(table->getString("VALOR"), "-7");
}

TEST_F(TablesForeign, VersionBytesOfTheFamilyAreRead)
{
    store.createTable("BASE", {{"NOMBRE", FieldKind::String, 8}, {"N", FieldKind::Integer}});
    {
        auto table = store.open("BASE", Access::ReadWrite, Sharing::Exclusive);
        table->append();
        table->setString("NOMBRE", "uno");
        table->setString("N", "1");
        table->close();
    }
    const std::string base = readBytes(folder.file("BASE.DBF"));
    for (const unsigned version : {0x02u, 0x03u, 0x05u, 0x83u, 0x8Bu, 0xCBu, 0xF5u, 0x43u, 0x63u, 0xB3u, 0xFBu,
                                   0x30u, 0x31u, 0x32u}) {
        std::string bytes = base;
        bytes[0] = static_cast<char>(version);
        testing::writeBytes(folder.file("SOLUC.DBF"), bytes);
        auto table = store.open("SOLUC", Access::ReadOnly, Sharing::Shared);
        EXPECT_EQ(walk(*table, {"NOMBRE", "N"}), (Rows{{"uno", "1"}})) << std::hex << version;
    }
}

}  // namespace
}  // namespace tt
