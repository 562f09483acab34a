// ASIGT, subjects paired with groups, in four passes that each read what
// the one before stored: the assignments, their group's data from
// GRUPOST, their hours from the subject-course file, and the defaults.
// First matches win as in a walk from the start, through indexes built
// once, so that the builder grows linearly with its input.
#include "conversion/builders.h"
#include "conversion/input_files.h"
#include "conversion/session_pattern.h"
#include "gepafiles/file_finder.h"
#include "gepafiles/gepa_line.h"
#include "gepafiles/line_reading.h"
#include "text/numbers.h"
#include "text/first_index_map.h"

#include <algorithm>
#include <array>

namespace tt {

namespace {
const std::vector<FieldDef> kAsignaturasGrupoFields = {
    {"CASIG", FieldKind::String, 10},
    {"CPROF", FieldKind::String, 10},
    {"CGRUP", FieldKind::String, 10},
    {"CAULA", FieldKind::String, 10},
    {"CTAREA", FieldKind::String, 10},
    {"TURNO", FieldKind::String, 1},
    {"NIVEL", FieldKind::String, 5},
    {"CURSO", FieldKind::String, 3},
    {"GRUPO", FieldKind::String, 2},
    {"HORAS", FieldKind::Float},
    {"SESIONES", FieldKind::String, 20},
};

constexpr std::array<const char*, 4> kGroupFields = {"TURNO", "NIVEL", "CURSO", "GRUPO"};

void addAssignments(Table& asigt, const TextLines& lines)
{
    asigt.reserve(lines.size());
    for (std::string_view line : lines) {
        if (!isDataLine(line, "GEPA_ASIGNATGRUPO.TXT"))
            continue;
        asigt.append();
        asigt.setString("CASIG", trimmedFieldView(line, 16, 4));
        asigt.setString("CGRUP", trimmedFieldView(line, 2, 10));
        asigt.setString("CTAREA", "*LEC");
        asigt.post();
    }
}

// Pass 2: each assignment takes shift, level, course and letter of the
// first GRUPOST record whose ABREV equals its CGRUP exactly.
void copyGroups(Table& asigt, TableStore& store)
{
    using GroupData = std::array<std::string, kGroupFields.size()>;
    FirstIndexMap firstGroup;
    std::vector<GroupData> groups;
    {
        auto grupost = store.open("GRUPOST", Access::ReadOnly, Sharing::Shared);
        for (grupost->first(); !grupost->atEnd(); grupost->next()) {
            if (!firstGroup.insert(grupost->getString("ABREV"), groups.size()))
                continue;
            GroupData& data = groups.emplace_back();
            for (std::size_t i = 0; i < kGroupFields.size(); ++i)
                data[i] = grupost->getString(kGroupFields[i]);
        }
        grupost->close();
    }
    for (asigt.first(); !asigt.atEnd(); asigt.next()) {
        const auto found = firstGroup.find(asigt.getString("CGRUP"));
        if (!found)
            continue;
        asigt.edit();
        for (std::size_t i = 0; i < kGroupFields.size(); ++i)
            asigt.setString(kGroupFields[i], groups[*found][i]);
        asigt.post();
    }
}

// The hours text of a subject-course line as a number: blank is 1, and a
// comma is a decimal point.
double hoursOf(std::string_view line)
{
    std::string text = trimmedField(line, 28, 6);
    if (text.empty())
        text = "1";
    std::replace(text.begin(), text.end(), ',', '.');
    return parseFloat(text);
}

// Pass 3: each assignment takes its hours from the first subject-course
// line with the same subject, level and course (exact, letter case
// included), and its session pattern from those hours.
void setHours(Table& asigt, const TextLines& lines)
{
    // Subject, level and course, as one key.
    LookupKey key;
    FirstIndexMap firstLine;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (isDataLine(line, "GEPA_ASIGNATCURSO.TXT"))
            firstLine.insert(key.of({trimmedFieldView(line, 24, 4), trimmedFieldView(line, 2, 3),
                                     trimmedFieldView(line, 8, 3)}),
                             i);
    }
    for (asigt.first(); !asigt.atEnd(); asigt.next()) {
        const auto found =
            firstLine.find(key.of({asigt.getString("CASIG"), asigt.getString("NIVEL"), asigt.getString("CURSO")}));
        if (!found)
            continue;
        const double hours = hoursOf(lines[*found]);
        asigt.edit();
        asigt.setFloat("HORAS", hours);
        if (asigt.getFloat("HORAS") < 1)
            asigt.setFloat("HORAS", 1);
        asigt.setString("SESIONES", sessionPattern(asigt.getFloat("HORAS")));
        asigt.post();
    }
}

// Pass 4: every assignment still without hours gets 1 hour, pattern "1".
void setDefaultHours(Table& asigt)
{
    for (asigt.first(); !asigt.atEnd(); asigt.next()) {
        if (asigt.getFloat("HORAS") != 0)
            continue;
        asigt.edit();
        asigt.setFloat("HORAS", 1);
        asigt.setString("SESIONES", "1");
        asigt.post();
    }
}
}  // namespace

void ConvertirAsignaturasGrupo(BuilderContext& ctx)
{
    const auto path = findRequiredInput(ctx, "gepa_asignatgrupo.txt",
                                        "No existe archivo de grupos (GEPA_ASIGNATGRUPO.TXT)");
    if (!path)
        return;
    const auto assignmentLines = readTextFileLines(*path);

    auto built = ctx.store.buildTable("ASIGT", kAsignaturasGrupoFields);
    Table& asigt = built->table();
    addAssignments(asigt, assignmentLines);
    copyGroups(asigt, ctx.store);

    const auto courses = findFile(ctx.ruta, "gepa_asignatcurso.txt");
    if (!courses) {
        // The run status does not record this absence; the records keep
        // no hours and no pattern.
        ctx.ui.showMessage("No existe archivo de grupos (GEPA_ASIGNATCURSO.TXT)");
        commitTable(ctx, *built);
        return;
    }
    setHours(asigt, readListLines(*courses));
    setDefaultHours(asigt);
    commitTable(ctx, *built);
}

}  // namespace tt
