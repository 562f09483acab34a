#pragma once
// The drive list of a system without drive letters: the mounted volumes,
// each shown by its root folder. Choosing one asks for its root folder.
#include <QComboBox>
#include <QString>
#include <QStringList>

namespace tt::app {

// The root folders of the mounted volumes that are ready, in mount order.
QStringList mountedVolumeRoots();

class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent);

    // The volumes listed, by their root folders.
    void setVolumes(const QStringList& roots);
    // Selects the volume that holds `folder`: the one with the longest root
    // that is a leading part of it.
    void selectVolumeOf(const QString& folder);

signals:
    void volumeChosen(const QString& root);
};

}  // namespace tt::app
