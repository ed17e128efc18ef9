#pragma once

#include <QLabel>

// One sample item of the element palette. Pressing it and moving the mouse starts a drag that
// carries the element kind (the item's tag) both as the drag's data and as the item's "Tag" property.
class TPaletteItem : public QLabel
{
    Q_OBJECT

  public:
    TPaletteItem(quint8 kind, QWidget* parent = nullptr);

    quint8 Kind() const { return kind_; }

    // The drag's data for a kind, as the screens read it.
    static class QMimeData* MimeFor(quint8 kind);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    quint8 kind_;
    QPoint pressAt_;
    bool pressed_ = false;
};
