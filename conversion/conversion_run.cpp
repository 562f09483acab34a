#include "conversion/conversion_run.h"

#include "conversion/builders.h"
#include "gepafiles/file_finder.h"

#include <chrono>

namespace tt {

namespace {
using Builder = void (*)(BuilderContext&);

// The builders in the order the run calls them; GRUPOST is built before
// the assignments that read it.
constexpr Builder kBuilders[] = {
    ConvertirAsignaturas,
    ConvertirProfesores,
    ConvertirAulas,
    ConvertirGrupos,
    ConvertirAsignaturasGrupo,
    ConvertirTramos,
};
}  // namespace

RunEnd runConversion(const std::string& folder, TableStore& store, UserInterface& ui, RunState& state)
{
    BuilderContext ctx{makeRuta(folder), store, ui, state};
    if (!folderExists(ctx.ruta)) {
        ui.showMessage("No existe la carpeta");
        if (state.embedded)
            state.estadoProceso = -1;
        return RunEnd::FolderMissing;
    }
    {
        BusyScope busy(ui);
        state.estadoProceso = 1;
        try {
            for (Builder builder : kBuilders) {
                const auto start = std::chrono::steady_clock::now();
                const std::size_t writtenBefore = state.written.size();
                builder(ctx);
                if (state.written.size() > writtenBefore)
                    state.written.back().seconds =
                        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            }
        } catch (...) {
            // An error ended the run: Vestrano must not read it as a success.
            state.estadoProceso = -1;
            throw;
        }
    }
    ui.showMessage("Proceso finalizado");
    return RunEnd::Finished;
}

}  // namespace tt
