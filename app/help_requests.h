#pragma once
// The window's seam to the help viewer: the two things the window asks of
// the help file.
#include <string>

namespace tt {

class HelpRequests {
public:
    virtual ~HelpRequests() = default;
    // Opens the help file at its table of contents.
    virtual void showContents(const std::string& helpFile) = 0;
    // Opens the topic that the help file maps to this context number.
    virtual void showContext(const std::string& helpFile, int context) = 0;
};

}  // namespace tt
