#pragma once
#include <string>
#include <string_view>

namespace tt {

// Writes `bytes` to `path` as a whole or not at all: into a temporary file
// in the same folder first, renamed over `path` only once it is complete
// and on disk. On failure the old file stays as it was, no temporary file
// remains, and tt::Error names the file.
void replaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace tt
