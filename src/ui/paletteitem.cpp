#include "ui/paletteitem.h"

#include "ui/screenview.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>

TPaletteItem::TPaletteItem(quint8 kind, QWidget* parent) : QLabel(parent), kind_(kind)
{
    setProperty(TScreenView::KindProperty, int(kind));
    setCursor(Qt::OpenHandCursor);
}

QMimeData* TPaletteItem::MimeFor(quint8 kind)
{
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(TScreenView::KindMimeType), QByteArray::number(kind));
    return mime;
}

void TPaletteItem::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        pressAt_ = event->position().toPoint();
    }
    QLabel::mousePressEvent(event);
}

void TPaletteItem::mouseMoveEvent(QMouseEvent* event)
{
    if (!pressed_ || !(event->buttons() & Qt::LeftButton) ||
        (event->position().toPoint() - pressAt_).manhattanLength() < QApplication::startDragDistance()) {
        QLabel::mouseMoveEvent(event);
        return;
    }
    pressed_ = false;
    auto* drag = new QDrag(this);
    drag->setMimeData(MimeFor(kind_));
    drag->setPixmap(grab());
    drag->setHotSpot(pressAt_);
    drag->exec(Qt::CopyAction);
}
