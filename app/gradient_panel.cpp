#include "app/gradient_panel.h"

#include <QLinearGradient>
#include <QPainter>

namespace tt::app {

GradientPanel::GradientPanel(const GradientColours& colours, QWidget* parent) : QWidget(parent), colours_(colours)
{
    QPalette panelPalette = palette();
    panelPalette.setColor(QPalette::Window, colours_.background);
    setPalette(panelPalette);
    // The gradient covers every pixel; Qt already paints widgets through a
    // back buffer, so nothing flickers.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0.0, colours_.end);
    gradient.setColorAt(0.5, colours_.middle);
    gradient.setColorAt(1.0, colours_.start);
    painter.fillRect(rect(), gradient);
}

}  // namespace tt::app
