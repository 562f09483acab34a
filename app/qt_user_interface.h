#pragma once
// The runs' user interface in the window: their messages as message boxes
// and the busy indicator as the hourglass over the whole application.
#include "app/message_boxes.h"
#include "conversion/user_interface.h"

namespace tt::app {

class QtUserInterface : public UserInterface {
public:
    explicit QtUserInterface(MessageBoxes& boxes) : boxes_(boxes) {}
    ~QtUserInterface() override;
    QtUserInterface(const QtUserInterface&) = delete;
    QtUserInterface& operator=(const QtUserInterface&) = delete;

    void showMessage(const std::string& text) override;
    void setBusy(bool busy) override;

private:
    MessageBoxes& boxes_;
    bool busy_ = false;
};

}  // namespace tt::app
