#include "app/default_buttons.h"

#include <QKeyEvent>

namespace tt::app {

namespace {

bool isEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

DefaultButtons::DefaultButtons(QWidget& window, std::vector<QPushButton*> defaults)
    : QObject(&window), window_(window), defaults_(std::move(defaults))
{
}

void DefaultButtons::watch(QWidget* control) { control->installEventFilter(this); }

QPushButton* DefaultButtons::buttonTakingEnter() const
{
    for (QPushButton* button : defaults_)
        if (button->isVisibleTo(&window_) && button->isEnabled())
            return button;
    return nullptr;
}

bool DefaultButtons::eventFilter(QObject* watched, QEvent* event)
{
    if (!isEnter(event))
        return false;
    if (auto* pushButton = qobject_cast<QPushButton*>(watched)) {
        pushButton->click();
        return true;
    }
    if (QPushButton* button = buttonTakingEnter()) {
        button->click();
        return true;
    }
    return false;
}

}  // namespace tt::app
