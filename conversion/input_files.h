#pragma once
// Input files and output tables as every builder handles them.
#include "conversion/builder_context.h"

#include <optional>
#include <string>
#include <vector>

namespace tt {

// Finds `name` in the chosen folder, regardless of letter case. When it is
// missing: shows `missingMessage`, sets the run status to -1 and answers
// nothing, so that the builder returns with its old table untouched.
std::optional<std::string> findRequiredInput(BuilderContext& ctx, const std::string& name,
                                             const std::string& missingMessage);

// Puts a finished table in place of the old one and records it for the
// run's summary.
void commitTable(BuilderContext& ctx, NewTable& built);

}  // namespace tt
