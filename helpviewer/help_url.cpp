#include "helpviewer/help_url.h"

namespace tt::help {

QUrl topicUrl(const TopicLocation& topic) {
    QUrl url;
    url.setScheme(helpUrlScheme);
    url.setPath(QString::fromUtf8(topic.path.data(), static_cast<qsizetype>(topic.path.size())));
    if (!topic.anchor.empty())
        url.setFragment(
            QString::fromUtf8(topic.anchor.data(), static_cast<qsizetype>(topic.anchor.size())));
    return url;
}

std::optional<std::string> archivePathOf(const QUrl& url) {
    if (url.scheme() != helpUrlScheme || url.path().isEmpty()) return std::nullopt;
    return url.path().toStdString();
}

}  // namespace tt::help
