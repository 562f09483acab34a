#include "helpviewer/chm_help_requests.h"

#include <QCoreApplication>

#include "helpviewer/contents_tree.h"
#include "helpviewer/help_archive.h"
#include "helpviewer/help_file_name.h"
#include "helpviewer/help_viewer_window.h"

namespace tt::help {

namespace {

std::filesystem::path applicationFolder() {
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

}  // namespace

ChmHelpRequests::ChmHelpRequests() : ChmHelpRequests(applicationFolder()) {}

ChmHelpRequests::ChmHelpRequests(std::filesystem::path programFolder)
    : programFolder_(std::move(programFolder)) {}

ChmHelpRequests::~ChmHelpRequests() = default;

void ChmHelpRequests::showContents(const std::string& helpFile) {
    HelpViewerWindow* viewer = viewerFor(helpFile);
    if (viewer == nullptr) return;
    viewer->showTopic(std::nullopt);
    bringToFront();
    viewer->contents()->setFocus();
}

void ChmHelpRequests::showContext(const std::string& helpFile, int context) {
    HelpViewerWindow* viewer = viewerFor(helpFile);
    if (viewer == nullptr) return;
    viewer->showTopic(viewer->archive()->topicForContext(static_cast<std::uint32_t>(context)));
    bringToFront();
}

HelpViewerWindow* ChmHelpRequests::viewerFor(const std::string& helpFile) {
    const std::optional<std::filesystem::path> file = resolveHelpFile(helpFile, programFolder_);
    if (!file) return nullptr;
    std::optional<HelpArchive> archive = HelpArchive::open(*file);
    if (!archive) return nullptr;
    if (!viewer_) viewer_ = std::make_unique<HelpViewerWindow>();
    if (viewer_->archive() == nullptr || viewer_->archive()->file() != archive->file())
        viewer_->showArchive(std::make_shared<const HelpArchive>(std::move(*archive)));
    return viewer_.get();
}

void ChmHelpRequests::bringToFront() {
    viewer_->setWindowState(viewer_->windowState() & ~Qt::WindowMinimized);
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
}

}  // namespace tt::help
