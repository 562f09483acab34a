// AULAT, the rooms: one record per data line, no duplicate test.
#include "conversion/builders.h"
#include "conversion/input_files.h"
#include "gepafiles/gepa_line.h"
#include "gepafiles/line_reading.h"

namespace tt {

namespace {
const std::vector<FieldDef> kAulasFields = {
    {"ABREV", FieldKind::String, 10},
    {"NOMBRE", FieldKind::String, 80},
    {"EDIFICIO", FieldKind::String, 1},
    {"MAXALUM", FieldKind::Integer},
    {"ABREVCORTA", FieldKind::String, 4},
};
}  // namespace

void ConvertirAulas(BuilderContext& ctx)
{
    const auto path = findRequiredInput(ctx, "gepa_aulas.txt",
                                        "No existe archivo de aulas (GEPA_AULAS.TXT)");
    if (!path)
        return;
    const auto lines = readTextFileLines(*path);

    auto built = ctx.store.buildTable("AULAT", kAulasFields);
    Table& aulat = built->table();
    aulat.reserve(lines.size());
    for (std::string_view line : lines) {
        if (!isDataLine(line, "GEPA_AULAS.TXT"))
            continue;
        aulat.append();
        aulat.setString("ABREV", trimmedFieldView(line, 2, 10));
        aulat.setString("NOMBRE", trimmedFieldView(line, 86, 100));
        aulat.setString("ABREVCORTA", trimmedFieldView(line, 12, 4));
        aulat.post();
    }
    commitTable(ctx, *built);
}

}  // namespace tt
