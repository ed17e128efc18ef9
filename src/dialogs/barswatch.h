#pragma once

#include <QImage>
#include <QWidget>

// One colour swatch of the bar window: a segment picture stretched over the swatch, without
// smoothing, as the bar draws it. A double-click asks for another picture.
class TBarSwatch : public QWidget
{
    Q_OBJECT

  public:
    TBarSwatch(const char* name, QSize size, QWidget* parent);

    const QImage& Picture() const { return picture_; }
    // Shows a copy of the picture; an empty picture shows nothing.
    void SetPicture(const QImage& picture);

  signals:
    void DoubleClicked();

  protected:
    void paintEvent(class QPaintEvent* event) override;
    void mouseDoubleClickEvent(class QMouseEvent* event) override;

  private:
    QImage picture_;
};
