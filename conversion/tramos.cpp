// DIASHORAST, the day and hour slots: one record per data line, then the
// hours numbered by the sorted list of all start times, one numbering
// shared by all days.
#include "conversion/builders.h"
#include "conversion/input_files.h"
#include "gepafiles/gepa_line.h"
#include "gepafiles/line_reading.h"
#include "text/code_list.h"
#include "text/error.h"
#include "text/numbers.h"

namespace tt {

namespace {
const std::vector<FieldDef> kTramosFields = {
    {"DIHO", FieldKind::String, 10},
    {"CODDIHO", FieldKind::String, 10},
    {"DIA", FieldKind::String, 20},
    {"TEXTODIA", FieldKind::String, 20},
    {"HORA", FieldKind::String, 8},
    {"HORADESDE", FieldKind::String, 8},
    {"HORAHASTA", FieldKind::String, 8},
    {"MINUTOS", FieldKind::String, 8},
};

void addSlots(Table& tramos, SortedCodeList& startTimes, const TextLines& lines)
{
    tramos.reserve(lines.size());
    for (std::string_view line : lines) {
        if (!isDataLine(line, "GEPA_SESIONES.TXT"))
            continue;
        const std::string_view start = trimmedFieldView(line, 10, 4);
        const std::string_view end = trimmedFieldView(line, 14, 4);
        startTimes.add(start);
        // The end time is read first, so a line with both times bad names the end time.
        const std::int64_t endTime = parseInteger(end);
        const std::int64_t minutes = endTime - parseInteger(start) - 40;

        tramos.append();
        tramos.setString("DIA", trimmedFieldView(line, 9, 1));
        tramos.setString("HORA", start);
        tramos.setString("CODDIHO", trimmedFieldView(line, 5, 4));
        tramos.setString("HORADESDE", start);
        tramos.setString("HORAHASTA", end);
        tramos.setString("MINUTOS", formatInteger(minutes));
        tramos.post();
    }
}

void numberHours(Table& tramos, const SortedCodeList& startTimes)
{
    for (tramos.first(); !tramos.atEnd(); tramos.next()) {
        const auto position = startTimes.find(tramos.getString("HORADESDE"));
        if (!position)
            throw Error("DIASHORAST: la hora " + tramos.getString("HORADESDE") + " no est\xE1 en la lista de horas");
        tramos.edit();
        tramos.setString("HORA", formatInteger(static_cast<std::int64_t>(*position) + 1));
        tramos.setString("DIHO", tramos.getString("DIA") + tramos.getString("HORA"));
        tramos.post();
    }
}
}  // namespace

void ConvertirTramos(BuilderContext& ctx)
{
    const auto path = findRequiredInput(ctx, "gepa_sesiones.txt",
                                        "No existe archivo de grupos (GEPA_SESIONES.TXT)");
    if (!path)
        return;
    const auto lines = readListLines(*path);

    auto built = ctx.store.buildTable("DIASHORAST", kTramosFields);
    SortedCodeList startTimes;
    addSlots(built->table(), startTimes, lines);
    numberHours(built->table(), startTimes);
    commitTable(ctx, *built);
}

}  // namespace tt
