#include "app/drive_list.h"

#include <QStorageInfo>

namespace tt::app {

namespace {

bool folderIsOnVolume(const QString& folder, const QString& root)
{
    if (root == QLatin1String("/"))
        return folder.startsWith(QLatin1Char('/'));
    return folder == root || folder.startsWith(root + QLatin1Char('/'));
}

}  // namespace

QStringList mountedVolumeRoots()
{
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    return roots;
}

DriveList::DriveList(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::activated, this, [this](int index) { emit volumeChosen(itemText(index)); });
}

void DriveList::setVolumes(const QStringList& roots)
{
    const QSignalBlocker quiet(this);
    clear();
    addItems(roots);
}

void DriveList::selectVolumeOf(const QString& folder)
{
    int best = -1;
    for (int index = 0; index < count(); ++index)
        if (folderIsOnVolume(folder, itemText(index)) && (best < 0 || itemText(index).size() > itemText(best).size()))
            best = index;
    const QSignalBlocker quiet(this);
    setCurrentIndex(best);
}

}  // namespace tt::app
