#pragma once
// The Vestrano-to-GEPA direction: the timetable solution SOLUC, with its
// codes resolved through the working tables, written as GEPA_HORARIO.TXT
// in the chosen folder.
#include "conversion/run_state.h"
#include "conversion/user_interface.h"
#include "tables/table_store.h"

#include <ctime>
#include <string>

namespace tt {

// The local clock, injectable so that tests can fix the time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::tm localNow() const = 0;
};

class SystemClock : public Clock {
public:
    std::tm localNow() const override;
};

// Writes `folder`/GEPA_HORARIO.TXT. A missing folder shows "No existe la
// carpeta" (and sets the status to 0 when embedded); a complete export
// sets the status to 1 once the file is in place and shows "Proceso
// finalizado". Other failures throw tt::Error and leave no partial file;
// the busy indicator is always off when this returns or throws.
RunEnd runTimetableExport(const std::string& folder, TableStore& store, UserInterface& ui, RunState& state,
                          const Clock& clock);

}  // namespace tt
