#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;

// Turns the left-button press, moves and release on a widget into three calls, with points in the
// widget's own coordinates. The splash panel's clock fields and animation preview are dragged with it.
class TDragHandler : public QObject
{
  public:
    struct Calls
    {
        std::function<void(QPoint point)> Press;
        std::function<void(QPoint point)> Move;
        std::function<void(QPoint point)> Release;
    };

    // Watches `widget` for as long as it lives; the handler is its child.
    TDragHandler(QWidget* widget, Calls calls);

    bool Dragging() const { return dragging_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Calls calls_;
    bool dragging_ = false;
};
