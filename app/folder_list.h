#pragma once
// A classic folder list: the folders along the current path, each indented
// one step more than the one before, then the subfolders of the current
// folder. Opening an entry (a double click, or Enter) makes it the current
// folder and also the process's working directory.
#include <QListWidget>
#include <QString>

namespace tt::app {

class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent);

    QString currentFolder() const { return current_; }

    // Makes `path` the current folder and the working directory; false,
    // with nothing changed, when it is not a folder that can be read.
    bool openFolder(const QString& path);

    // The entry of the list, by its full path (null when not listed).
    QListWidgetItem* itemForFolder(const QString& path) const;

signals:
    void currentFolderChanged(const QString& path);
    // An entry was opened that can no longer be read.
    void folderUnreadable(const QString& path);

private:
    void fill();
    void openItem(QListWidgetItem* item);

    QString current_;
};

}  // namespace tt::app
