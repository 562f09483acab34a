#include "app/program_folder.h"

#include <QCoreApplication>

namespace tt::app {

QString ExecutableFolder::path() const { return QCoreApplication::applicationDirPath(); }

}  // namespace tt::app
