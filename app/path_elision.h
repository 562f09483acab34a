#pragma once
// Shortening a folder path for a label of fixed width: the leading folders
// give way to "..." one by one until the text fits.
#include <QString>

#include <functional>

namespace tt::app {

// `path` as it is when it fits `maxWidth`; otherwise its root, "...", and
// as many of its last folders as fit ("/.../b/c"); when not even the last
// folder fits, the root, "..." and that folder. `width` measures a text.
QString elideLeadingFolders(const QString& path, int maxWidth, const std::function<int(const QString&)>& width);

}  // namespace tt::app
