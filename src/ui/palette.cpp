#include "ui/palette.h"

#include "model/elementkind.h"
#include "model/render.h"
#include "output/animation.h"
#include "output/urgb.h"
#include "ui/builtinpictures.h"
#include "ui/paletteitem.h"
#include "ui/radiogroup.h"
#include "ui/timegroup.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QLabel* ColourText(const QString& text, TColor back, QSize size, QWidget* label)
{
    auto* l = qobject_cast<QLabel*>(label);
    l->setText(text);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, ToQColor(back));
    pal.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(pal);
    l->setFixedSize(size);
    return l;
}

QPixmap RoundedTile(QSize size, QColor fill, qreal radius)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(fill);
    p.setPen(fill.darker(140));
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), radius, radius);
    return pixmap;
}

QFrame* Separator(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

TPalette::TPalette(QWidget* parent) : QFrame(parent)
{
    QWidget* column = this;
    setObjectName(QStringLiteral("PalettePanel"));
    setFrameShape(QFrame::StyledPanel);
    setFixedWidth(118);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);

    auto item = [column](quint8 kind, const char* name, const QString& hint) {
        auto* i = new TPaletteItem(kind, column);
        i->setObjectName(QString::fromLatin1(name));
        if (!hint.isEmpty())
            i->setToolTip(hint);
        return i;
    };
    auto withCaption = [column, layout](QWidget* sample, const QString& caption) {
        auto* row = new QHBoxLayout;
        row->setSpacing(6);
        row->addWidget(sample);
        row->addWidget(new QLabel(caption, column));
        row->addStretch();
        layout->addLayout(row);
    };

    layout->addWidget(ColourText(QStringLiteral(" DRO "), 0x80FF80, QSize(76, 21),
                                 item(ekDRO, "itmDRO", QStringLiteral("DRO"))));
    auto* led = item(ekLED, "Shape1", {});
    led->setPixmap(RoundedTile(QSize(21, 21), Qt::red, 5));
    led->setFixedSize(21, 21);
    withCaption(led, QStringLiteral("LED"));
    auto* bar = item(ekBar, "itmBar", QStringLiteral("Progress bar"));
    bar->setPixmap(QPixmap::fromImage(PaletteBarPicture()));
    bar->setFixedSize(22, 60);
    withCaption(bar, QStringLiteral("BAR"));
    layout->addWidget(Separator(column));
    auto* shift = item(ekShift, "shShift", {});
    shift->setPixmap(RoundedTile(QSize(21, 16), ToQColor(0x80FF80), 0));
    shift->setFixedSize(21, 16);
    withCaption(shift, QStringLiteral("Shift"));
    layout->addWidget(
        ColourText(QStringLiteral(" Status "), 0x8080FF, QSize(61, 18), item(ekStatus, "Label8", {})));
    layout->addWidget(Separator(column));
    layout->addWidget(ColourText(QStringLiteral(" Text"), 0x80FFFF, QSize(76, 21),
                                 item(ekText, "itmLabel", QStringLiteral("Any text"))));
    auto* img = item(ekImage, "itmImg", QStringLiteral("Image"));
    img->setPixmap(QPixmap::fromImage(ImagePlaceholder()));
    img->setFixedSize(50, 50);
    layout->addWidget(img);
    auto* shape = item(ekShape, "itmShape", QStringLiteral("Shape"));
    shape->setPixmap(RoundedTile(QSize(71, 31), ToQColor(0xFF4242), 8));
    shape->setFixedSize(71, 31);
    layout->addWidget(shape);
    auto* clock = item(ekClock, "Label10", {});
    clock->setText(QStringLiteral("12:00"));
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setBold(true);
    mono.setPointSize(12);
    clock->setFont(mono);
    {
        QPalette pal = clock->palette();
        pal.setColor(QPalette::WindowText, ToQColor(0x000080));
        clock->setPalette(pal);
    }
    layout->addWidget(clock);
    layout->addWidget(Separator(column));

    auto* free = new QHBoxLayout;
    free->addWidget(new QLabel(QStringLiteral("Free:"), column));
    lbFreeElement = new QLabel(QStringLiteral("20"), column);
    lbFreeElement->setObjectName(QStringLiteral("lbFreeElement"));
    free->addWidget(lbFreeElement);
    free->addStretch();
    layout->addLayout(free);

    rgSize = new TRadioGroup(QStringLiteral("Layout"),
                             {QStringLiteral("Portrait"), QStringLiteral("Landscape")}, column);
    rgSize->setObjectName(QStringLiteral("rgSize"));
    layout->addWidget(rgSize);

    layout->addWidget(new QLabel(QStringLiteral("GIF speed"), column));
    auto* speed = new QHBoxLayout;
    cxTimer = new QSpinBox(column);
    cxTimer->setObjectName(QStringLiteral("cxTimer"));
    cxTimer->setRange(0, MaxAnimationSpeed);
    cxTimer->setSingleStep(10);
    cxTimer->setValue(DefaultAnimationSpeed);
    speed->addWidget(cxTimer);
    speed->addWidget(new QLabel(QStringLiteral("ms"), column));
    layout->addLayout(speed);
    gbTime = new TTimeGroup(column);
    layout->addWidget(gbTime);
    layout->addStretch();
}
