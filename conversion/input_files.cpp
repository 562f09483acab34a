#include "conversion/input_files.h"

#include "gepafiles/file_finder.h"

namespace tt {

std::optional<std::string> findRequiredInput(BuilderContext& ctx, const std::string& name,
                                             const std::string& missingMessage)
{
    auto path = findFile(ctx.ruta, name);
    if (!path) {
        ctx.ui.showMessage(missingMessage);
        ctx.state.estadoProceso = -1;
    }
    return path;
}

void commitTable(BuilderContext& ctx, NewTable& built)
{
    const std::size_t records = built.table().recordCount();
    built.commit();
    ctx.state.written.push_back({built.table().name(), records});
}

}  // namespace tt
