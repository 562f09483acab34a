#pragma once
// Enter as the window's default buttons take it: Enter on a control that
// is not a push button clicks the first of the default buttons that is
// shown and enabled; with none such, the control gets the key. Enter on a
// push button clicks that button. Qt keeps only one default button per
// dialog, so the window handles the key itself.
#include <QObject>
#include <QPushButton>
#include <QWidget>

#include <vector>

namespace tt::app {

class DefaultButtons : public QObject {
public:
    // `defaults` in the order in which they take the key.
    DefaultButtons(QWidget& window, std::vector<QPushButton*> defaults);

    // Watches the Enter key of `control`.
    void watch(QWidget* control);

    // The default button that Enter clicks now, or null.
    QPushButton* buttonTakingEnter() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    std::vector<QPushButton*> defaults_;
};

}  // namespace tt::app
