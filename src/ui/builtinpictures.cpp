#include "ui/builtinpictures.h"

#include <QPainter>

QImage ImagePlaceholder()
{
    QImage image(50, 50, QImage::Format_RGB888);
    image.fill(QColor(0xE0, 0xE0, 0xE0));
    QPainter p(&image);
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawRect(0, 0, 49, 49);
    // A little landscape: sun and two hills.
    p.setBrush(QColor(0xF0, 0xC0, 0x20));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRect(30, 8, 11, 11));
    QPolygon hills;
    hills << QPoint(2, 47) << QPoint(17, 22) << QPoint(27, 36) << QPoint(34, 28) << QPoint(47, 47);
    p.setBrush(QColor(0x30, 0x90, 0x40));
    p.drawPolygon(hills);
    return image;
}

QImage PaletteBarPicture()
{
    QImage image(22, 60, QImage::Format_RGB888);
    image.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter p(&image);
    // Filled from the bottom: green, then yellow, then red, the top left empty.
    p.fillRect(QRect(0, 24, 22, 36), QColor(0x00, 0xC0, 0x00));
    p.fillRect(QRect(0, 12, 22, 12), QColor(0xF0, 0xE0, 0x00));
    p.fillRect(QRect(0, 6, 22, 6), QColor(0xE0, 0x00, 0x00));
    p.setPen(Qt::black);
    p.drawRect(0, 0, 21, 59);
    return image;
}
