#include "app/message_boxes.h"

#include "app/application_title.h"

#include <QMessageBox>
#include <QPushButton>

namespace tt::app {

namespace {

void showBox(QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, applicationTitle(), text, QMessageBox::NoButton);
    QPushButton* aceptar = box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
    box.setDefaultButton(aceptar);
    box.setEscapeButton(aceptar);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace

void QtMessageBoxes::showInformation(const QString& text) { showBox(QMessageBox::NoIcon, text); }

void QtMessageBoxes::showError(const QString& text) { showBox(QMessageBox::Critical, text); }

}  // namespace tt::app
