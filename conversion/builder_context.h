#pragma once
// What every table builder of the conversion works with.
#include "conversion/run_state.h"
#include "conversion/user_interface.h"
#include "tables/table_store.h"

#include <string>

namespace tt {

struct BuilderContext {
    std::string ruta;  // the chosen folder followed by one separator
    TableStore& store;
    UserInterface& ui;
    RunState& state;
};

}  // namespace tt
