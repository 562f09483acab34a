#include "app/button_glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tt::app {

namespace {

constexpr int kGlyphSize = 18;

QPixmap emptyGlyph()
{
    QPixmap pixmap(kGlyphSize, kGlyphSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

}  // namespace

QIcon checkMarkGlyph()
{
    QPixmap pixmap = emptyGlyph();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(3, 9);
    tick.lineTo(7, 14);
    tick.lineTo(15, 3);
    painter.setPen(QPen(QColor(0x00, 0x80, 0x00), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    painter.end();

    QIcon icon(pixmap);
    QPixmap disabled = emptyGlyph();
    QPainter grey(&disabled);
    grey.setRenderHint(QPainter::Antialiasing);
    grey.setPen(QPen(QColor(0x80, 0x80, 0x80), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    grey.drawPath(tick);
    grey.end();
    icon.addPixmap(disabled, QIcon::Disabled);
    return icon;
}

QIcon doorGlyph()
{
    QPixmap pixmap = emptyGlyph();
    QPainter painter(&pixmap);
    // The frame of the doorway, dark, with the opening behind it.
    painter.fillRect(QRect(4, 1, 11, 16), QColor(0x00, 0x00, 0x00));
    painter.fillRect(QRect(5, 2, 9, 14), QColor(0x40, 0x40, 0x40));
    // The door, swung open towards the viewer.
    QPolygon door;
    door << QPoint(5, 2) << QPoint(11, 4) << QPoint(11, 17) << QPoint(5, 15);
    painter.setPen(QColor(0x80, 0x80, 0x00));
    painter.setBrush(QColor(0xFF, 0xFF, 0x00));
    painter.drawPolygon(door);
    // Its knob.
    painter.fillRect(QRect(9, 10, 1, 2), QColor(0x00, 0x00, 0x00));
    painter.end();
    return QIcon(pixmap);
}

}  // namespace tt::app
