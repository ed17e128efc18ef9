#include "ui/builtinpictures.h"

#include <QPainter>

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
