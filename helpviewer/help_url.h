#pragma once
// Addresses of pages inside the open help file, as the browser sees them:
// "chm:/folder/page.htm#anchor".
#include <QUrl>
#include <optional>
#include <string>

#include "helpviewer/topic_location.h"

namespace tt::help {

inline const QString helpUrlScheme = QStringLiteral("chm");

QUrl topicUrl(const TopicLocation& topic);

// The archive path an address points to; no value for an address outside
// the help file.
std::optional<std::string> archivePathOf(const QUrl& url);

}  // namespace tt::help
