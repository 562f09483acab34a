#pragma once
// The window's help requests served by our own help viewer: one viewer
// window, opened at the contents or at a context number of a compiled help
// file. A request for a file that is missing, unreadable or not a ".chm"
// does nothing and shows nothing.
#include <filesystem>
#include <memory>
#include <string>

#include "app/help_requests.h"

namespace tt::help {

class HelpViewerWindow;

class ChmHelpRequests : public HelpRequests {
public:
    // Help file names without a folder are looked for in the program's
    // folder.
    ChmHelpRequests();
    // ... or in this folder.
    explicit ChmHelpRequests(std::filesystem::path programFolder);
    ~ChmHelpRequests() override;

    void showContents(const std::string& helpFile) override;
    void showContext(const std::string& helpFile, int context) override;

    // The viewer window, once a request has opened it.
    HelpViewerWindow* viewer() const { return viewer_.get(); }

private:
    // The viewer showing this file, or null when the file cannot be read.
    HelpViewerWindow* viewerFor(const std::string& helpFile);
    void bringToFront();

    std::filesystem::path programFolder_;
    std::unique_ptr<HelpViewerWindow> viewer_;
};

}  // namespace tt::help
