#include "ui/builtinpictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

QImage BuiltinPowerFailPicture()
{
    QImage image(240, 320, QImage::Format_RGB888);
    image.fill(QColor(0x20, 0x20, 0x60));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    // A warning triangle with an exclamation mark over a dark blue field.
    QPainterPath triangle;
    triangle.moveTo(120, 60);
    triangle.lineTo(200, 200);
    triangle.lineTo(40, 200);
    triangle.closeSubpath();
    p.fillPath(triangle, QColor(0xFF, 0xD0, 0x00));
    p.fillRect(QRect(114, 95, 12, 65), Qt::black);
    p.fillRect(QRect(114, 172, 12, 12), Qt::black);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 220, 240, 40), Qt::AlignCenter, QStringLiteral("POWER FAIL"));
    return image;
}

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

QImage BuiltinSplashPicture()
{
    QImage image(240, 320, QImage::Format_RGB888);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, 320);
    sky.setColorAt(0, QColor(0x10, 0x40, 0x80));
    sky.setColorAt(1, QColor(0x80, 0xC0, 0xF0));
    p.fillRect(image.rect(), sky);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(26);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 110, 240, 40), Qt::AlignCenter, QStringLiteral("TARVOLT"));
    font.setPixelSize(14);
    font.setBold(false);
    p.setFont(font);
    p.drawText(QRect(0, 150, 240, 30), Qt::AlignCenter, QStringLiteral("CNC control panel"));
    return image;
}
