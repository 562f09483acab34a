// Writes a SOLUC.DBF of ENTRADAS timetable entries whose codes come from
// the school that generar_escuela writes at the same scale:
//   generar_soluc CARPETA_DE_TRABAJO ENTRADAS [ESCALA]
// A plain dBase III file written here byte by byte, so that the benchmark
// does not depend on the engine it measures.
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <string>

#include "school_codes.h"
#include <vector>

namespace {

using bench::code;
using bench::fixed;
using bench::groupCode;

std::string rightAligned(std::uint32_t value, std::size_t width)
{
    std::string text = std::to_string(value);
    return std::string(width - text.size(), ' ') + text;
}

void put16(std::string& out, std::uint16_t v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void put32(std::string& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

struct Field {
    const char* name;
    char type;
    std::uint8_t length;
};
const std::vector<Field> kFields = {{"DIA", 'N', 2},       {"HORA", 'N', 3},  {"PROF", 'C', 10},
                                    {"CODGRUPO", 'C', 10}, {"TAREA", 'C', 10}, {"ASIG", 'C', 10},
                                    {"AULA", 'C', 10}};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4) {
        std::cerr << "Uso: generar_soluc CARPETA_DE_TRABAJO ENTRADAS [ESCALA]\n";
        return 64;
    }
    const std::uint32_t entries = static_cast<std::uint32_t>(std::stoul(argv[2]));
    const std::uint32_t scale = argc == 4 ? static_cast<std::uint32_t>(std::stoul(argv[3])) : 1;
    const std::uint32_t teachers = 5000 * scale, groups = 2000 * scale, rooms = 2000 * scale,
                        subjects = 3000 * scale, activities = 500 * scale, perDay = 12 * scale;

    std::uint16_t recordLength = 1;
    for (const Field& f : kFields)
        recordLength = static_cast<std::uint16_t>(recordLength + f.length);
    const std::time_t now = std::time(nullptr);
    const std::tm* today = std::localtime(&now);

    std::string out;
    out += '\x03';
    out += static_cast<char>(today->tm_year);
    out += static_cast<char>(today->tm_mon + 1);
    out += static_cast<char>(today->tm_mday);
    put32(out, entries);
    put16(out, static_cast<std::uint16_t>(32 + 32 * kFields.size() + 1));
    put16(out, recordLength);
    out.append(17, '\0');
    out += '\x03';  // Windows ANSI
    out.append(2, '\0');
    for (const Field& f : kFields) {
        std::string name(f.name);
        name.resize(11, '\0');
        out += name;
        out += f.type;
        out.append(4, '\0');
        out += static_cast<char>(f.length);
        out.append(15, '\0');
    }
    out += '\x0D';
    std::uint64_t state = 42;
    auto below = [&state](std::uint32_t n) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state >> 33) % n;
    };
    for (std::uint32_t i = 0; i < entries; ++i) {
        const std::uint32_t g = below(groups);
        out += ' ';
        out += rightAligned(i % 50 == 49 ? 0 : 1 + below(5), 2);  // now and then a day 0
        out += rightAligned(1 + below(perDay), 3);
        out += fixed(code(below(teachers), 4), 10);
        out += fixed(groupCode(g), 10);
        out += fixed(i % 3 ? "*" + code(below(activities), 4) : code(below(subjects), 4), 10);
        out += fixed(code(below(subjects), 4), 10);
        out += fixed("A" + code(below(rooms), 6), 10);
    }
    out += '\x1A';
    std::ofstream file(std::string(argv[1]) + "/SOLUC.DBF", std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    if (!file) {
        std::cerr << "No se puede escribir SOLUC.DBF en " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
