#include "helpviewer/contents_tree.h"

#include <QSignalBlocker>
#include <QTreeWidgetItemIterator>

#include "helpviewer/help_text.h"
#include "helpviewer/help_url.h"
#include "helpviewer/sitemap.h"

namespace tt::help {

namespace {

constexpr int topicRole = Qt::UserRole;

void addEntries(const std::vector<SitemapEntry>& entries, const HelpArchive& archive,
                PageEncoding encoding, QTreeWidgetItem* parent) {
    for (const SitemapEntry& entry : entries) {
        auto* item = new QTreeWidgetItem(parent);
        item->setText(0, displayLabel(entry.name, encoding));
        if (const std::optional<TopicLocation> topic = archive.locate(entry.local))
            item->setData(0, topicRole, topicUrl(*topic));
        addEntries(entry.children, archive, encoding, item);
    }
}

bool samePage(const QUrl& a, const QUrl& b) {
    return a.adjusted(QUrl::RemoveFragment) == b.adjusted(QUrl::RemoveFragment);
}

}  // namespace

ContentsTree::ContentsTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item == nullptr) return;
        if (const QUrl topic = topicOf(item); topic.isValid()) emit topicChosen(topic);
    });
}

void ContentsTree::showContentsOf(const HelpArchive& archive) {
    clear();
    const std::optional<std::string> path = archive.contentsPath();
    const std::optional<std::string> page = path ? archive.read(*path) : std::nullopt;
    if (!page) return;
    addEntries(parseSitemap(*page), archive, pageEncoding(*page), invisibleRootItem());
    expandToDepth(0);
}

QUrl ContentsTree::firstTopic() const {
    for (QTreeWidgetItemIterator it(const_cast<ContentsTree*>(this)); *it; ++it)
        if (const QUrl topic = topicOf(*it); topic.isValid()) return topic;
    return {};
}

void ContentsTree::markPage(const QUrl& page) {
    const QSignalBlocker blocker(this);
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if (samePage(topicOf(*it), page)) {
            setCurrentItem(*it);
            return;
        }
    }
    clearSelection();
}

QUrl ContentsTree::topicOf(const QTreeWidgetItem* item) {
    return item->data(0, topicRole).toUrl();
}

}  // namespace tt::help
