#pragma once

// Drops a palette item of `kind` on a widget the way a drag from the palette arrives: an enter event
// and, when that is accepted, a drop event. True when the drop was accepted.

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <memory>

#include "ui/paletteitem.h"

inline bool DropPaletteItem(QWidget* view, int kind, QPoint at)
{
    std::unique_ptr<QMimeData> mime(TPaletteItem::MimeFor(quint8(kind)));
    QDragEnterEvent enter(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &drop);
    return drop.isAccepted();
}
