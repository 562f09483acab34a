#include "app/qt_user_interface.h"

#include "text/cp1252.h"

#include <QApplication>

namespace tt::app {

QtUserInterface::~QtUserInterface() { setBusy(false); }

void QtUserInterface::showMessage(const std::string& text)
{
    boxes_.showInformation(QString::fromStdString(cp1252ToUtf8(text)));
}

void QtUserInterface::setBusy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace tt::app
