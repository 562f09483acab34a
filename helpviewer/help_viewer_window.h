#pragma once
// The help window: the table of contents beside the page shown, with
// buttons to go back and forward through the pages seen.
#include <QWidget>
#include <memory>

#include "helpviewer/help_archive.h"

namespace tt::help {

class ContentsTree;
class HelpBrowser;

class HelpViewerWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewerWindow(QWidget* parent = nullptr);

    // Shows this help file; its contents replace those of the file shown
    // before.
    void showArchive(std::shared_ptr<const HelpArchive> archive);
    const HelpArchive* archive() const { return archive_.get(); }

    // Shows a topic of the help file; with no topic, its default one, or
    // else the first entry of its contents.
    void showTopic(const std::optional<TopicLocation>& topic);

    HelpBrowser* browser() const { return browser_; }
    ContentsTree* contents() const { return contents_; }

private:
    void updateTitle();

    std::shared_ptr<const HelpArchive> archive_;
    ContentsTree* contents_;
    HelpBrowser* browser_;
};

}  // namespace tt::help
