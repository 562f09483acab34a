#include "app/path_elision.h"

#include <QStringList>

namespace tt::app {

QString elideLeadingFolders(const QString& path, int maxWidth, const std::function<int(const QString&)>& width)
{
    if (width(path) <= maxWidth)
        return path;
    const QChar separator = QLatin1Char('/');
    QStringList folders = path.split(separator, Qt::SkipEmptyParts);
    const QString root = path.startsWith(separator) ? QString(separator) : QString();
    QString shortened = path;
    while (folders.size() > 1) {
        folders.removeFirst();
        shortened = root + QStringLiteral("...") + separator + folders.join(separator);
        if (width(shortened) <= maxWidth)
            break;
    }
    return shortened;
}

}  // namespace tt::app
