// Writes the GEPA files of a large invented school, the same bytes on
// every run for the same scale: generar_escuela CARPETA [ESCALA]
// Scale 1 gives 5,000 teachers, 2,000 rooms, 2,000 groups, 3,000 subjects,
// 500 activities, 100,000 subject-group lines, 20,000 subject-course lines
// and 60 sessions; every count grows with the scale.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "school_codes.h"

namespace {

using bench::code;
using bench::fixed;
using bench::groupCode;

// A small fixed-seed generator, so that the school is the same every time.
class Random {
public:
    std::uint32_t next()
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state_ >> 33);
    }
    std::uint32_t below(std::uint32_t n) { return next() % n; }

private:
    std::uint64_t state_ = 20261211;
};

std::string words(Random& random, std::size_t width)
{
    static const char* const pool[] = {"MATEM\xC1TICAS", "LENGUA", "HISTORIA", "F\xCDSICA", "QU\xCDMICA",
                                       "INGL\xC9S", "GARC\xCD" "A", "MART\xCDNEZ", "IB\xC1\xD1" "EZ",
                                       "DEPARTAMENTO", "LABORATORIO", "AULA", "BIBLIOTECA"};
    std::string out;
    while (out.size() < width) {
        if (!out.empty())
            out += ' ';
        out += pool[random.below(sizeof pool / sizeof pool[0])];
    }
    return fixed(out, width);
}

class GepaFile {
public:
    GepaFile(const std::string& folder, const std::string& name, const std::string& upperName,
             const std::string& schoolCode = "")
        : out_(folder + "/" + name, std::ios::binary), upperName_(upperName), schoolCode_(schoolCode)
    {
        if (!out_)
            throw std::runtime_error("cannot write " + folder + "/" + name);
        line("0" + fixed(upperName_, 50) + fixed(schoolCode_, 8) + "111220260830");
    }
    ~GepaFile() { line("9" + fixed(upperName_, 50) + fixed(schoolCode_, 8) + "111220260830"); }
    void line(const std::string& text) { out_ << text << "\r\n"; }

private:
    std::ofstream out_;
    std::string upperName_;
    std::string schoolCode_;
};

const char* const kNiveles[] = {"ESO", "BAC", "FPB", "CFM"};
const char* const kCursos[] = {"1", "2", "3", "4"};

void writeSchool(const std::string& folder, std::uint32_t scale)
{
    Random random;
    const std::uint32_t teachers = 5000 * scale, rooms = 2000 * scale, groups = 2000 * scale,
                        subjects = 3000 * scale, activities = 500 * scale,
                        assignments = 100000 * scale, courseLines = 20000 * scale, sessions = 60 * scale;
    {
        GepaFile file(folder, "Gepa_Prof.Txt", "GEPA_PROF.TXT");
        for (std::uint32_t i = 0; i < teachers; ++i)
            file.line("1" + code(i, 4) + words(random, 90) + words(random, 50) + "12345678Z");
    }
    {
        GepaFile file(folder, "GEPA_AULAS.TXT", "GEPA_AULAS.TXT");
        for (std::uint32_t i = 0; i < rooms; ++i)
            file.line("1" + fixed("A" + code(i, 6), 10) + code(i, 4) + words(random, 70) + words(random, 100));
    }
    {
        GepaFile file(folder, "GEPA_GRUPO.TXT", "GEPA_GRUPOS.TXT");
        for (std::uint32_t i = 0; i < groups; ++i)
            file.line("1" + fixed(groupCode(i), 10) + code(i, 4) +
                      fixed(kNiveles[i % 4], 3) + "   " + fixed(kCursos[i / 4 % 4], 3) + words(random, 10) +
                      fixed(i % 2 ? "M" : "T", 3));
    }
    {
        GepaFile file(folder, "gepa_asignat.txt", "GEPA_ASIGNAT.TXT", "41001211");
        for (std::uint32_t i = 0; i < subjects; ++i)
            file.line("1" + code(i, 4) + words(random, 20) + words(random, 150));
    }
    {
        GepaFile file(folder, "GEPA_ACTIVIDADES.TXT", "GEPA_ACTIVIDADES.TXT");
        for (std::uint32_t i = 0; i < activities; ++i)
            file.line("1" + code(i, 4) + words(random, 60) + code(i % 50, 3));
    }
    {
        GepaFile file(folder, "GEPA_ASIGNATGRUPO.TXT", "GEPA_ASIGNATGRUPO.TXT");
        for (std::uint32_t i = 0; i < assignments; ++i) {
            const std::uint32_t g = random.below(groups);
            file.line("1" + fixed(groupCode(g), 10) + "    " +
                      code(random.below(subjects), 4));
        }
    }
    {
        GepaFile file(folder, "GEPA_ASIGNATCURSO.TXT", "GEPA_ASIGNATCURSO.TXT");
        static const char* const hours[] = {"     3", "   2,5", "     1", "  4.25", "      ", "    15"};
        for (std::uint32_t i = 0; i < courseLines; ++i)
            file.line("1" + fixed(kNiveles[i % 4], 3) + "   " + fixed(kCursos[i / 4 % 4], 3) +
                      fixed("DESCRIPCION", 13) + code(random.below(subjects), 4) + hours[random.below(6)]);
    }
    {
        GepaFile file(folder, "gepa_sesiones.txt", "GEPA_SESIONES.TXT");
        static const char days[] = "LMXJV";
        const std::uint32_t perDay = sessions / 5;
        for (std::uint32_t i = 0; i < sessions; ++i) {
            const std::uint32_t hour = i % perDay;
            const std::uint32_t start = 800 + hour * 5;  // distinct four-digit start times
            char times[16];
            std::snprintf(times, sizeof times, "%04u%04u", static_cast<unsigned>(start),
                          static_cast<unsigned>(start + 55));
            file.line("1   " + code(i, 4) + days[i / perDay % 5] + times);
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::cerr << "Uso: generar_escuela CARPETA [ESCALA]\n";
        return 64;
    }
    const long scale = argc == 3 ? std::stol(argv[2]) : 1;
    if (scale < 1 || scale > 100) {
        std::cerr << "La escala va de 1 a 100\n";
        return 64;
    }
    try {
        writeSchool(argv[1], static_cast<std::uint32_t>(scale));
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
