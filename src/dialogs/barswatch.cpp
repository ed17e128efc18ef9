#include "dialogs/barswatch.h"

#include <QMouseEvent>
#include <QPainter>

TBarSwatch::TBarSwatch(const char* name, QSize size, QWidget* parent) : QWidget(parent)
{
    setObjectName(QString::fromLatin1(name));
    setFixedSize(size);
    setCursor(Qt::PointingHandCursor);
}

void TBarSwatch::SetPicture(const QImage& picture)
{
    picture_ = picture.copy();
    update();
}

void TBarSwatch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    if (!picture_.isNull())
        p.drawImage(rect(), picture_);
}

void TBarSwatch::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit DoubleClicked();
}
