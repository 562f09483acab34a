// PROFT, the teachers: one record per teacher code, the first line with a
// code wins.
#include "conversion/builders.h"
#include "conversion/input_files.h"
#include "gepafiles/gepa_line.h"
#include "gepafiles/line_reading.h"
#include "text/code_list.h"

namespace tt {

namespace {
const std::vector<FieldDef> kProfesoresFields = {
    {"ABREV", FieldKind::String, 10},
    {"NOMBRE", FieldKind::String, 80},
    {"DEPART", FieldKind::String, 40},
    {"DNI", FieldKind::Integer},
};
}  // namespace

void ConvertirProfesores(BuilderContext& ctx)
{
    const auto path = findRequiredInput(ctx, "gepa_prof.txt",
                                        "No existe archivo de profesores (GEPA_PROF.TXT)");
    if (!path)
        return;
    const auto lines = readTextFileLines(*path);

    auto built = ctx.store.buildTable("PROFT", kProfesoresFields);
    Table& proft = built->table();
    CodeList codes;
    proft.reserve(lines.size());
    for (std::string_view line : lines) {
        if (!isDataLine(line, "GEPA_PROF.TXT"))
            continue;
        const std::string_view code = trimmedFieldView(line, 2, 4);
        if (!codes.addIfAbsent(code))
            continue;  // the first line with a code wins
        proft.append();
        proft.setString("ABREV", code);
        proft.setString("NOMBRE", trimmedFieldView(line, 6, 90));
        proft.setString("DEPART", trimmedFieldView(line, 96, 50));
        proft.post();
    }
    commitTable(ctx, *built);
}

}  // namespace tt
