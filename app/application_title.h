#pragma once
// The program's name, shown in the task bar and as the caption of every
// message box.
#include <QString>

namespace tt::app {

inline QString applicationTitle() { return QStringLiteral("transTalenoGepa"); }

}  // namespace tt::app
