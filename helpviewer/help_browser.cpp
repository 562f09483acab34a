#include "helpviewer/help_browser.h"

#include <QDesktopServices>
#include <QTextDocument>

#include "helpviewer/help_text.h"
#include "helpviewer/help_url.h"

namespace tt::help {

namespace {

bool isOutsideLink(const QUrl& url) {
    const QString scheme = url.scheme();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("mailto");
}

}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::openLink);
}

void HelpBrowser::setArchive(std::shared_ptr<const HelpArchive> archive) {
    archive_ = std::move(archive);
    historyFromEarlierArchive_ = true;
    clear();
}

void HelpBrowser::doSetSource(const QUrl& page, QTextDocument::ResourceType type) {
    QTextBrowser::doSetSource(page, type);
    if (historyFromEarlierArchive_) {
        clearHistory();
        historyFromEarlierArchive_ = false;
    }
}

QUrl HelpBrowser::resolved(const QUrl& link) const {
    return link.isRelative() ? source().resolved(link) : link;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const std::optional<std::string> path = archivePathOf(resolved(name));
    if (!archive_ || !path) return {};
    const std::optional<std::string> bytes = archive_->read(*path);
    if (!bytes) return {};
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
        return decodePage(*bytes);
    return QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()));
}

void HelpBrowser::openLink(const QUrl& link) {
    const QUrl target = resolved(link);
    if (isOutsideLink(target)) {
        QDesktopServices::openUrl(target);
        return;
    }
    const std::optional<std::string> path = archivePathOf(target);
    if (archive_ && path && archive_->contains(*path)) setSource(target);
}

}  // namespace tt::help
