#pragma once
// The table of contents of the open help file as a tree: each item carries
// the address of its topic, when the topic is in the archive.
#include <QTreeWidget>
#include <QUrl>

#include "helpviewer/help_archive.h"

namespace tt::help {

class ContentsTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit ContentsTree(QWidget* parent = nullptr);

    // Fills the tree from the archive's contents file; empty without one.
    void showContentsOf(const HelpArchive& archive);

    // The first entry with a topic, in reading order; empty when none has.
    QUrl firstTopic() const;

    // Marks the entry of this page, if the tree has one, without opening it.
    void markPage(const QUrl& page);

    static QUrl topicOf(const QTreeWidgetItem* item);

signals:
    void topicChosen(const QUrl& topic);
};

}  // namespace tt::help
