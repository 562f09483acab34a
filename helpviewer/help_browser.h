#pragma once
// Shows the pages of an open help file. Every page, style sheet and image is
// read from inside the archive; links inside it are followed, web and mail
// links go to the desktop's handler, and anything else is ignored.
#include <QTextBrowser>
#include <memory>

#include "helpviewer/help_archive.h"

namespace tt::help {

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // Shows pages of this archive from now on; the history of pages seen
    // starts again with the next page shown.
    void setArchive(std::shared_ptr<const HelpArchive> archive);

    QVariant loadResource(int type, const QUrl& name) override;

public slots:
    // What a click on a link does; `link` may be relative to the page shown.
    void openLink(const QUrl& link);

protected:
    void doSetSource(const QUrl& page, QTextDocument::ResourceType type) override;

private:
    QUrl resolved(const QUrl& link) const;

    std::shared_ptr<const HelpArchive> archive_;
    bool historyFromEarlierArchive_ = false;
};

}  // namespace tt::help
