// Damaged and hostile table files: each fault is a tt::Error naming the
// table, never a crash or an allocation sized by the header's word.
#include <gtest/gtest.h>

#include "tables/dbf_table_store.h"
#include "tables_test_support.h"

namespace tt {
namespace {

using testing::errorText;
using testing::ScratchFolder;

void put16(std::string& bytes, std::size_t at, unsigned value)
{
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& bytes, std::size_t at, unsigned value)
{
    put16(bytes, at, value & 0xFFFF);
    put16(bytes, at + 2, value >> 16);
}

// A sound dBase III table: NOMBRE C(5), CANT N(3,0); records "uno  "/1
// and "dos  "/2. The second field's descriptor starts at byte 64.
std::string soundTable()
{
    std::string bytes(32, '\0');
    bytes[0] = 0x03;
    put32(bytes, 4, 2);
    put16(bytes, 8, 32 + 64 + 1);
    put16(bytes, 10, 1 + 5 + 3);
    std::string nombre(32, '\0');
    nombre.replace(0, 6, "NOMBRE");
    nombre[11] = 'C';
    nombre[16] = 5;
    std::string cant(32, '\0');
    cant.replace(0, 4, "CANT");
    cant[11] = 'N';
    cant[16] = 3;
    return bytes + nombre + cant + "\x0D" + " uno    1" + " dos    2" + "\x1A";
}

class TablesHostile : public ::testing::Test {
protected:
    ScratchFolder folder;
    DbfTableStore store{folder.path()};

    std::unique_ptr<Table> openBytes(const std::string& bytes)
    {
        testing::writeBytes(folder.file("SOLUC.DBF"), bytes);
        return store.open("SOLUC", Access::ReadOnly, Sharing::Shared);
    }
};

TEST_F(TablesHostile, DamagedHeadersAreNamedErrors)
{
    const struct {
        const char* what;
        std::function<void(std::string&)> damage;
        const char* fault;
    } cases[] = {
        {"empty file", [](std::string& b) { b.clear(); }, "truncada"},
        {"31 bytes", [](std::string& b) { b.resize(31); }, "truncada"},
        {"unknown version", [](std::string& b) { b[0] = 0x01; }, "versi\xF3n desconocida (0x01)"},
        {"header length below 32", [](std::string& b) { put16(b, 8, 20); }, "longitud de cabecera (20)"},
        {"header length of the prefix only", [](std::string& b) { put16(b, 8, 32); }, "longitud de cabecera (32)"},
        {"header length beyond the file", [](std::string& b) { put16(b, 8, 0xFFFF); }, "supera el tama\xF1o"},
        {"fields not terminated", [](std::string& b) { b[96] = 'X'; }, "no termina"},
        {"terminator missing, header ends mid descriptor", [](std::string& b) { put16(b, 8, 80); }, "no termina"},
        {"no fields", [](std::string& b) { b[32] = 0x0D; put16(b, 8, 33); }, "no tiene campos"},
        {"field width 0", [](std::string& b) { b[64 + 16] = 0; }, "el campo CANT tiene ancho 0"},
        {"record length not the sum of widths", [](std::string& b) { put16(b, 10, 12); }, "longitud de registro (12)"},
        {"record length 0", [](std::string& b) { put16(b, 10, 0); }, "longitud de registro es 0"},
        {"dBase 7 header cut short", [](std::string& b) { b[0] = 0x04; b.resize(60); }, "supera el tama\xF1o"},
        {"garbage descriptors to the end of a long header",
         [](std::string& b) {
             b.replace(96, std::string::npos, std::string(70000, 'A'));
             put16(b, 8, 0xFFFF);
         },
         "no termina"},
    };
    for (const auto& c : cases) {
        std::string bytes = soundTable();
        c.damage(bytes);
        const std::string fault = errorText([&] { openBytes(bytes); });
        EXPECT_NE(fault.find("La tabla SOLUC ("), std::string::npos) << c.what << ": " << fault;
        EXPECT_NE(fault.find(c.fault), std::string::npos) << c.what << ": " << fault;
    }
}

TEST_F(TablesHostile, RecordCountIsBoundedByTheWholeRecordsPresent)
{
    const struct {
        const char* what;
        std::function<void(std::string&)> change;
        std::size_t records;
    } cases[] = {
        {"as written", [](std::string&) {}, 2},
        {"count far too large", [](std::string& b) { put32(b, 4, 0xFFFFFFFF); }, 2},
        {"last record cut", [](std::string& b) { b.resize(b.size() - 5); }, 1},
        {"no end byte", [](std::string& b) { b.pop_back(); }, 2},
        {"count smaller than the records", [](std::string& b) { put32(b, 4, 1); }, 1},
        {"no records at all", [](std::string& b) { b.resize(97); }, 0},
    };
    for (const auto& c : cases) {
        std::string bytes = soundTable();
        c.change(bytes);
        auto table = openBytes(bytes);
        EXPECT_EQ(table->recordCount(), c.records) << c.what;
        std::size_t walked = 0;
        for (table->first(); !table->atEnd(); table->next())
            ++walked;
        EXPECT_EQ(walked, c.records) << c.what;
    }
}

TEST_F(TablesHostile, UnreadableFieldsAreNamedWhenRead)
{
    const struct {
        const char* what;
        std::function<void(std::string&)> change;
        const char* fault;
    } cases[] = {
        {"unknown type", [](std::string& b) { b[64 + 11] = 'V'; }, "El campo CANT de la tabla SOLUC es de un tipo desconocido"},
        {"integer of width 3", [](std::string& b) { b[0] = 0x30; b[64 + 11] = 'I'; }, "El campo CANT de la tabla SOLUC tiene un ancho"},
        {"text that is no number", [](std::string& b) { b.replace(97 + 6, 3, "x1*"); }, "El campo CANT de la tabla SOLUC contiene 'x1*'"},
    };
    for (const auto& c : cases) {
        std::string bytes = soundTable();
        c.change(bytes);
        auto table = openBytes(bytes);
        table->first();
        EXPECT_EQ(table->getString("NOMBRE"), "uno") << c.what;
        const std::string fault = errorText([&] { table->getInteger("CANT"); });
        EXPECT_NE(fault.find(c.fault), std::string::npos) << c.what << ": " << fault;
    }
    auto table = openBytes(soundTable());
    EXPECT_EQ(errorText([&] { table->getString("NOPE"); }), "La tabla SOLUC no tiene el campo NOPE");
}

}  // namespace
}  // namespace tt
