#pragma once
// The table builders of the conversion, in the order the run calls them.
#include "conversion/builder_context.h"

namespace tt {

void ConvertirProfesores(BuilderContext& ctx);  // PROFT from gepa_prof.txt
void ConvertirAulas(BuilderContext& ctx);       // AULAT from gepa_aulas.txt
void ConvertirGrupos(BuilderContext& ctx);      // GRUPOST from gepa_grupo.txt

}  // namespace tt
