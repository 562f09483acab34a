#pragma once
// How the runs talk to the user: the window shows message boxes and the
// hourglass; the command-line tool prints; tests record.
#include <string>

namespace tt {

class UserInterface {
public:
    virtual ~UserInterface() = default;
    // Shows a message (Windows-1252 text) and waits until it is acknowledged.
    virtual void showMessage(const std::string& text) = 0;
    // The busy indicator over the whole application, on or off.
    virtual void setBusy(bool busy) = 0;
};

// Turns the busy indicator on for its lifetime, and off however the scope ends.
class BusyScope {
public:
    explicit BusyScope(UserInterface& ui) : ui_(ui) { ui_.setBusy(true); }
    ~BusyScope() { ui_.setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    UserInterface& ui_;
};

}  // namespace tt
