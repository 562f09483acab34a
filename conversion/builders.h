#pragma once
// The table builders of the conversion, in the order the run calls them.
#include "conversion/builder_context.h"

namespace tt {

void ConvertirAsignaturas(BuilderContext& ctx);       // ASIGNOMT from gepa_asignat.txt and GEPA_ACTIVIDADES.TXT
void ConvertirProfesores(BuilderContext& ctx);        // PROFT from gepa_prof.txt
void ConvertirAulas(BuilderContext& ctx);             // AULAT from gepa_aulas.txt
void ConvertirGrupos(BuilderContext& ctx);            // GRUPOST from gepa_grupo.txt
void ConvertirAsignaturasGrupo(BuilderContext& ctx);  // ASIGT from gepa_asignatgrupo.txt, gepa_asignatcurso.txt, GRUPOST
void ConvertirTramos(BuilderContext& ctx);            // DIASHORAST from gepa_sesiones.txt

}  // namespace tt
