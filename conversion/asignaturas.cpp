// ASIGNOMT, subjects and activities in one code space: an activity's code
// is stored with a leading "*" and ESTAREA tells the two kinds apart.
#include "conversion/builders.h"
#include "conversion/input_files.h"
#include "gepafiles/file_finder.h"
#include "gepafiles/gepa_line.h"
#include "gepafiles/line_reading.h"
#include "text/code_list.h"

namespace tt {

namespace {
const std::vector<FieldDef> kAsignaturasFields = {
    {"COD", FieldKind::String, 10},
    {"CODLARGO", FieldKind::String, 10},
    {"NOMBRE", FieldKind::String, 80},
    {"ESTAREA", FieldKind::Logical},
    {"CODTAREA", FieldKind::String, 10},
};

void addSubjects(Table& asignomt, CodeList& codes, const TextLines& lines)
{
    asignomt.reserve(lines.size());
    for (std::string_view line : lines) {
        if (!isDataLine(line, "GEPA_ASIGNAT.TXT"))
            continue;
        const std::string_view code = trimmedFieldView(line, 2, 4);
        if (!codes.addIfAbsent(code))
            continue;  // the first line with a code wins
        asignomt.append();
        asignomt.setString("COD", code);
        asignomt.setString("CODLARGO", trimmedFieldView(line, 6, 20));
        asignomt.setString("NOMBRE", trimmedFieldView(line, 26, 150));
        asignomt.setBoolean("ESTAREA", false);
        asignomt.post();
    }
}

void addActivities(Table& asignomt, CodeList& codes, const TextLines& lines)
{
    asignomt.reserve(lines.size());
    std::string key;
    for (std::string_view line : lines) {
        if (!isDataLine(line, "GEPA_ACTIVIDADES.TXT"))
            continue;
        key = "*";
        key += trimmedFieldView(line, 2, 4);
        if (!codes.addIfAbsent(key))
            continue;
        asignomt.append();
        asignomt.setString("COD", key);
        // The two ranges overlap: each is cut and trimmed by itself.
        asignomt.setString("CODLARGO", trimmedFieldView(line, 6, 10));
        asignomt.setString("NOMBRE", trimmedFieldView(line, 6, 60));
        asignomt.setBoolean("ESTAREA", true);
        asignomt.setString("CODTAREA", trimmedFieldView(line, 66, 3));
        asignomt.post();
    }
}
}  // namespace

void ConvertirAsignaturas(BuilderContext& ctx)
{
    const auto path = findRequiredInput(ctx, "gepa_asignat.txt",
                                        "No existe archivo de asignaturas (GEPA_ASIGNAT.TXT)");
    if (!path)
        return;
    const auto subjectLines = readTextFileLines(*path);

    auto built = ctx.store.buildTable("ASIGNOMT", kAsignaturasFields);
    CodeList codes;  // shared by both files: one code space
    addSubjects(built->table(), codes, subjectLines);
    // The activities file is optional: without it the table holds the subjects only.
    if (const auto activities = findFile(ctx.ruta, "GEPA_ACTIVIDADES.TXT"))
        addActivities(built->table(), codes, readTextFileLines(*activities));
    commitTable(ctx, *built);
}

}  // namespace tt
