#include "app/folder_list.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

namespace tt::app {

namespace {

constexpr int kItemHeight = 16;
constexpr int kIndentStep = 10;
constexpr int kPathRole = Qt::UserRole;
constexpr int kLevelRole = Qt::UserRole + 1;

// Paints each entry shifted right by its level.
class IndentedItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem shifted = option;
        shifted.rect.setLeft(option.rect.left() + kIndentStep * index.data(kLevelRole).toInt());
        QStyledItemDelegate::paint(painter, shifted, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(size.width() + kIndentStep * index.data(kLevelRole).toInt());
        size.setHeight(kItemHeight);
        return size;
    }
};

QString displayName(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? path : name;
}

bool isReadableFolder(const QString& path)
{
    const QFileInfo info(path);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

}  // namespace

FolderList::FolderList(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new IndentedItemDelegate(this));
    setUniformItemSizes(true);
    setIconSize(QSize(16, 16));
    connect(this, &QListWidget::itemActivated, this, &FolderList::openItem);
    current_ = QDir::cleanPath(QDir::currentPath());
    fill();
}

bool FolderList::openFolder(const QString& path)
{
    const QString folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!isReadableFolder(folder) || !QDir::setCurrent(folder))
        return false;
    current_ = folder;
    fill();
    emit currentFolderChanged(current_);
    return true;
}

QListWidgetItem* FolderList::itemForFolder(const QString& path) const
{
    for (int row = 0; row < count(); ++row)
        if (item(row)->data(kPathRole).toString() == path)
            return item(row);
    return nullptr;
}

void FolderList::fill()
{
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    auto addEntry = [this](const QString& path, int level, const QIcon& icon) {
        auto* entry = new QListWidgetItem(icon, displayName(path), this);
        entry->setData(kPathRole, path);
        entry->setData(kLevelRole, level);
        return entry;
    };

    // The folders along the path, from the root down to the current one.
    QStringList along;
    for (QDir dir(current_);; ) {
        along.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    QListWidgetItem* currentEntry = nullptr;
    for (int level = 0; level < along.size(); ++level)
        currentEntry = addEntry(along[level], level, openIcon);

    const QStringList subfolders =
        QDir(current_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders)
        addEntry(QDir(current_).filePath(name), static_cast<int>(along.size()), closedIcon);
    setCurrentItem(currentEntry);
}

void FolderList::openItem(QListWidgetItem* item)
{
    const QString path = item->data(kPathRole).toString();
    if (path == current_)
        return;
    if (!openFolder(path))
        emit folderUnreadable(path);
}

}  // namespace tt::app
