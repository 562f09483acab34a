#pragma once
// The seam through which the window shows its message boxes, so that tests
// can record them instead of waiting on a modal box.
#include <QString>

namespace tt::app {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An informative message with one button "Aceptar"; returns when closed.
    virtual void showInformation(const QString& text) = 0;
    // An error box: the same caption, an error icon, one button "Aceptar".
    virtual void showError(const QString& text) = 0;
};

// Real message boxes: application-modal, centred on the screen, caption
// "transTalenoGepa". They have no parent window, so that a window docked
// into another program's window does not pull them over itself.
class QtMessageBoxes : public MessageBoxes {
public:
    void showInformation(const QString& text) override;
    void showError(const QString& text) override;
};

}  // namespace tt::app
