#pragma once
// The GEPA-to-Vestrano conversion: the folder test, then the table
// builders in their fixed order, then "Proceso finalizado".
#include "conversion/run_state.h"
#include "conversion/user_interface.h"
#include "tables/table_store.h"

#include <string>

namespace tt {

// Runs the conversion on the GEPA files in `folder`. Errors other than a
// missing folder or input file are thrown as tt::Error after setting
// state.estadoProceso to -1 (never left at 1); the busy indicator is
// always off when this returns or throws.
RunEnd runConversion(const std::string& folder, TableStore& store, UserInterface& ui, RunState& state);

}  // namespace tt
