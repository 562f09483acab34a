// GRUPOST, the groups (class units): one record per data line, with a
// description composed of the line's parts.
#include "conversion/builders.h"
#include "conversion/input_files.h"
#include "gepafiles/gepa_line.h"
#include "gepafiles/line_reading.h"

namespace tt {

namespace {
const std::vector<FieldDef> kGruposFields = {
    {"ABREV", FieldKind::String, 10},
    {"TURNO", FieldKind::String, 1},
    {"NIVEL", FieldKind::String, 5},
    {"CURSO", FieldKind::String, 3},
    {"GRUPO", FieldKind::String, 2},
    {"UNIDAD", FieldKind::String, 10},
    {"DESCRIP", FieldKind::String, 80},
    {"ABREVCORTA", FieldKind::String, 4},
};
}  // namespace

void ConvertirGrupos(BuilderContext& ctx)
{
    const auto path = findRequiredInput(ctx, "gepa_grupo.txt",
                                        "No existe archivo de grupos (GEPA_GRUPO.TXT)");
    if (!path)
        return;
    const auto lines = readTextFileLines(*path);

    auto built = ctx.store.buildTable("GRUPOST", kGruposFields);
    Table& grupost = built->table();
    grupost.reserve(lines.size());
    for (std::string_view line : lines) {
        // GEPA heads this file with the name GEPA_GRUPOS.TXT, with a final S.
        if (!isDataLine(line, "GEPA_GRUPOS.TXT"))
            continue;
        const std::string_view unidad = trimmedFieldView(line, 2, 10);
        const std::string_view turno = trimmedFieldView(line, 35, 3);
        std::string_view nivel = trimmedFieldView(line, 16, 3);
        const std::string_view curso = trimmedFieldView(line, 22, 3);
        const std::string_view grupo = unidad.empty() ? std::string_view() : unidad.substr(unidad.size() - 1);
        if (nivel.empty())
            nivel = "NIV";
        std::string descrip = "(";
        for (std::string_view part : {trimmedFieldView(line, 25, 10), std::string_view(") "), turno,
                                      std::string_view(" "), nivel, std::string_view(" "), curso,
                                      std::string_view(" "), grupo})
            descrip += part;

        grupost.append();
        grupost.setString("ABREV", unidad);
        grupost.setString("TURNO", turno);
        grupost.setString("NIVEL", nivel);
        grupost.setString("CURSO", curso);
        grupost.setString("GRUPO", grupo);
        grupost.setString("UNIDAD", unidad);
        grupost.setString("DESCRIP", descrip);
        grupost.setString("ABREVCORTA", trimmedField(line, 12, 4));
        grupost.post();
    }
    commitTable(ctx, *built);
}

}  // namespace tt
