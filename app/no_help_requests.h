#pragma once
// Help requests that do nothing: what the window uses when no help viewer
// is built in, as when the help engine is missing.
#include "app/help_requests.h"

namespace tt::app {

class NoHelpRequests : public HelpRequests {
public:
    void showContents(const std::string&) override {}
    void showContext(const std::string&, int) override {}
};

}  // namespace tt::app
