#include "ui/draghandler.h"

#include <QMouseEvent>
#include <QWidget>

TDragHandler::TDragHandler(QWidget* widget, Calls calls) : QObject(widget), calls_(std::move(calls))
{
    widget->installEventFilter(this);
}

bool TDragHandler::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        dragging_ = true;
        if (calls_.Press)
            calls_.Press(mouse->position().toPoint());
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!dragging_ || !(mouse->buttons() & Qt::LeftButton))
            break;
        if (calls_.Move)
            calls_.Move(mouse->position().toPoint());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!dragging_ || mouse->button() != Qt::LeftButton)
            break;
        dragging_ = false;
        if (calls_.Release)
            calls_.Release(mouse->position().toPoint());
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
