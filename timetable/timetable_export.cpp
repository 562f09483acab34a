// GEPA_HORARIO.TXT from Vestrano's solution SOLUC: a header, one line per
// timetable entry whose day is not 0, and a trailer. The codes in which
// GEPA and Vestrano differ are resolved through the working tables, by
// lookups built once that keep the first record of every key, as a walk
// from the first record would find it.
#include "timetable/timetable_export.h"

#include "gepafiles/file_finder.h"
#include "gepafiles/file_replace.h"
#include "gepafiles/gepa_line.h"
#include "gepafiles/line_reading.h"
#include "text/error.h"
#include "text/first_index_map.h"
#include "timetable/gepa_horario_lines.h"

#include <chrono>
#include <initializer_list>

namespace tt {

std::tm SystemClock::localNow() const
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

namespace {

constexpr const char* kHorarioFile = "GEPA_HORARIO.TXT";

// A GEPA file that the export reads without testing for it first.
TextLines loadInput(const std::string& ruta, const std::string& name)
{
    const auto path = findFile(ruta, name);
    if (!path)
        throw Error("No se puede abrir el archivo " + ruta + name + ": no existe");
    return readListLines(*path);
}

// Columns 52-59 of the subjects file's first "0" line, as they stand.
std::string readSchoolCode(const std::string& ruta)
{
    for (std::string_view line : loadInput(ruta, "gepa_asignat.txt"))
        if (!line.empty() && line[0] == '0')
            return std::string(cutField(line, 52, 8));
    return {};
}

// Whether the sessions file names the days by letter: column 9 of its
// second line is anything but a digit 1 to 7.
bool daysByLetter(const std::string& ruta)
{
    const auto lines = loadInput(ruta, "gepa_sesiones.txt");
    if (lines.size() < 2)
        throw Error("\xCDndice de lista fuera de l\xEDmites (1)");
    const std::string_view day = cutField(lines[1], 9, 1);
    return !(day.size() == 1 && day[0] >= '1' && day[0] <= '7');
}

// Vestrano's day number as the sessions file writes it in letter format.
std::string_view dayLetter(std::string_view day)
{
    static constexpr std::string_view kLetters[] = {"L", "M", "X", "J", "V", "S", "D"};
    if (day.size() == 1 && day[0] >= '1' && day[0] <= '7')
        return kLetters[day[0] - '1'];
    return day;
}

std::unique_ptr<Table> openExclusive(TableStore& store, const std::string& name,
                                     std::initializer_list<const char*> fields)
{
    auto table = store.open(name, Access::ReadOnly, Sharing::Exclusive);
    for (const char* field : fields)
        if (!table->hasField(field))
            throw Error("La tabla " + name + " no tiene el campo " + field);
    return table;
}

// The value field of the first record of every key.
class FirstRecordLookup {
public:
    FirstRecordLookup(Table& table, std::initializer_list<const char*> keyFields, const char* valueField)
    {
        std::string key;
        for (table.first(); !table.atEnd(); table.next()) {
            key.clear();
            for (const char* field : keyFields)
                appendKeyPart(key, table.getString(field));
            if (index_.insert(key, values_.size()))
                values_.push_back(table.getString(valueField));
        }
    }
    const std::string* find(std::string_view key) const
    {
        const auto position = index_.find(key);
        return position ? &values_[*position] : nullptr;
    }

private:
    FirstIndexMap index_;
    std::vector<std::string> values_;
};

struct WorkingTables {
    std::unique_ptr<Table> soluc, grupos, profesores, aulas, asignaturas, tramos;
};

// All six in this order, each for exclusive use: no other program may
// change them while the export reads them.
WorkingTables openWorkingTables(TableStore& store)
{
    WorkingTables t;
    t.soluc = openExclusive(store, "SOLUC", {"DIA", "HORA", "PROF", "CODGRUPO", "TAREA", "ASIG", "AULA"});
    t.grupos = openExclusive(store, "GRUPOST", {"ABREV", "ABREVCORTA"});
    t.profesores = openExclusive(store, "PROFT", {});
    t.aulas = openExclusive(store, "AULAT", {"ABREV", "ABREVCORTA"});
    t.asignaturas = openExclusive(store, "ASIGNOMT", {"COD", "CODTAREA"});
    t.tramos = openExclusive(store, "DIASHORAST", {"DIA", "HORA", "CODDIHO"});
    return t;
}

// The found record's short code, even when empty; else the first four
// characters of the value.
std::string_view shortCode(const FirstRecordLookup& lookup, LookupKey& key, const std::string& value)
{
    if (const std::string* found = lookup.find(key.of({value})))
        return *found;
    return std::string_view(value).substr(0, 4);
}

// The detail lines, each followed by CR LF; answers how many.
std::size_t writeDetailLines(ReplacingFile& out, WorkingTables& t, bool byLetter)
{
    const FirstRecordLookup slots(*t.tramos, {"DIA", "HORA"}, "CODDIHO");
    const FirstRecordLookup groups(*t.grupos, {"ABREV"}, "ABREVCORTA");
    const FirstRecordLookup rooms(*t.aulas, {"ABREV"}, "ABREVCORTA");
    const FirstRecordLookup tasks(*t.asignaturas, {"COD"}, "CODTAREA");
    static const std::string kNoSlot;
    static const std::string kDefaultTask = "LEC";

    std::size_t count = 0;
    LookupKey key;
    Table& soluc = *t.soluc;
    std::string line;
    for (soluc.first(); !soluc.atEnd(); soluc.next()) {
        if (soluc.getInteger("DIA") == 0)
            continue;
        const std::string hora = soluc.getString("HORA");
        const std::string dia = soluc.getString("DIA");
        const std::string_view day = byLetter ? dayLetter(dia) : std::string_view(dia);
        const std::string* slot = slots.find(key.of({day, hora}));
        const std::string prof = soluc.getString("PROF");
        const std::string grupo = soluc.getString("CODGRUPO");
        const std::string tarea = soluc.getString("TAREA");
        const std::string asig = soluc.getString("ASIG");
        const std::string aula = soluc.getString("AULA");
        const std::string* task = tasks.find(key.of({tarea}));
        const std::string_view groupCode = shortCode(groups, key, grupo);
        const std::string_view roomCode = shortCode(rooms, key, aula);

        line.clear();
        appendHorarioDetail(line, {slot ? *slot : kNoSlot, day, prof, groupCode, task ? *task : kDefaultTask, asig,
                                   roomCode});
        line += "\r\n";
        out.write(line);
        ++count;
    }
    return count;
}

// Where the file goes: the one already there under any letter case, so
// that one file remains, or the name as GEPA spells it.
std::string horarioPath(const std::string& ruta)
{
    if (auto existing = findFile(ruta, kHorarioFile))
        return *existing;
    return ruta + kHorarioFile;
}

// Writes the file; answers the number of detail lines.
std::size_t writeHorario(const std::string& ruta, TableStore& store, const Clock& clock)
{
    const std::string schoolCode = readSchoolCode(ruta);
    const bool byLetter = daysByLetter(ruta);

    ReplacingFile out(horarioPath(ruta));
    out.write(horarioHeader(schoolCode, clock.localNow()) + "\r\n");
    std::size_t details = 0;
    {
        WorkingTables tables = openWorkingTables(store);
        details = writeDetailLines(out, tables, byLetter);
    }
    out.write(horarioTrailer(schoolCode, clock.localNow(), details) + "\r\n");
    out.commit();
    return details;
}

}  // namespace

RunEnd runTimetableExport(const std::string& folder, TableStore& store, UserInterface& ui, RunState& state,
                          const Clock& clock)
{
    const std::string ruta = makeRuta(folder);
    if (!folderExists(ruta)) {
        ui.showMessage("No existe la carpeta");
        if (state.embedded)
            state.estadoProceso = 0;
        return RunEnd::FolderMissing;
    }
    {
        BusyScope busy(ui);
        const auto start = std::chrono::steady_clock::now();
        const std::size_t details = writeHorario(ruta, store, clock);
        state.written.push_back(
            {kHorarioFile, details, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()});
    }
    state.estadoProceso = 1;
    ui.showMessage("Proceso finalizado");
    return RunEnd::Finished;
}

}  // namespace tt
