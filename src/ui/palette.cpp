#include "ui/palette.h"

#include "model/elementkind.h"
#include "model/render.h"
#include "model/telement.h"
#include "output/animation.h"
#include "base/urgb.h"
#include "ui/builtinpictures.h"
#include "ui/paletteitem.h"
#include "widgets/radiogroup.h"
#include "ui/timegroup.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
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
    // As wide as its design, or wider where a language's captions need it.
    setMinimumWidth(118);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);

    auto item = [column](quint8 kind, const char* name) {
        auto* i = new TPaletteItem(kind, column);
        i->setObjectName(QString::fromLatin1(name));
        return i;
    };
    auto withCaption = [column, layout](QWidget* sample) {
        auto* row = new QHBoxLayout;
        row->setSpacing(6);
        row->addWidget(sample);
        auto* caption = new QLabel(column);
        row->addWidget(caption);
        row->addStretch();
        layout->addLayout(row);
        return caption;
    };

    itmDRO_ = item(ekDRO, "itmDRO");
    layout->addWidget(lbDRO_ = ColourText(QString(), 0x80FF80, QSize(76, 21), itmDRO_));
    auto* led = item(ekLED, "Shape1");
    led->setPixmap(RoundedTile(QSize(21, 21), Qt::red, 5));
    led->setFixedSize(21, 21);
    lbLED_ = withCaption(led);
    auto* bar = item(ekBar, "itmBar");
    itmBar_ = bar;
    bar->setPixmap(QPixmap::fromImage(PaletteBarPicture()));
    bar->setFixedSize(22, 60);
    lbBar_ = withCaption(bar);
    layout->addWidget(Separator(column));
    auto* shift = item(ekShift, "shShift");
    shift->setPixmap(RoundedTile(QSize(21, 16), ToQColor(0x80FF80), 0));
    shift->setFixedSize(21, 16);
    lbShift_ = withCaption(shift);
    layout->addWidget(lbStatus_ = ColourText(QString(), 0x8080FF, QSize(61, 18), item(ekStatus, "Label8")));
    layout->addWidget(Separator(column));
    itmLabel_ = item(ekText, "itmLabel");
    layout->addWidget(lbText_ = ColourText(QString(), 0x80FFFF, QSize(76, 21), itmLabel_));
    auto* img = item(ekImage, "itmImg");
    itmImg_ = img;
    img->setPixmap(QPixmap::fromImage(ImagePlaceholder()));
    img->setFixedSize(50, 50);
    layout->addWidget(img);
    auto* shape = item(ekShape, "itmShape");
    itmShape_ = shape;
    shape->setPixmap(RoundedTile(QSize(71, 31), ToQColor(0xFF4242), 8));
    shape->setFixedSize(71, 31);
    layout->addWidget(shape);
    auto* clock = item(ekClock, "Label10");
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
    free->addWidget(lbFree_ = new QLabel(column));
    lbFreeElement = new QLabel(QStringLiteral("20"), column);
    lbFreeElement->setObjectName(QStringLiteral("lbFreeElement"));
    free->addWidget(lbFreeElement);
    free->addStretch();
    layout->addLayout(free);

    rgSize = new TRadioGroup(QString(), {QString(), QString()}, column);
    rgSize->setObjectName(QStringLiteral("rgSize"));
    layout->addWidget(rgSize);

    layout->addWidget(lbSpeed_ = new QLabel(column));
    auto* speed = new QHBoxLayout;
    cxTimer = new QSpinBox(column);
    cxTimer->setObjectName(QStringLiteral("cxTimer"));
    cxTimer->setRange(0, MaxAnimationSpeed);
    cxTimer->setSingleStep(10);
    cxTimer->setValue(DefaultAnimationSpeed);
    speed->addWidget(cxTimer);
    speed->addWidget(lbMs_ = new QLabel(column));
    layout->addLayout(speed);
    gbTime = new TTimeGroup(column);
    layout->addWidget(gbTime);
    layout->addStretch();
    Retranslate();
}

void TPalette::Retranslate()
{
    itmDRO_->setToolTip(tr("DRO"));
    itmBar_->setToolTip(tr("Progress bar"));
    itmLabel_->setToolTip(tr("Any text"));
    itmImg_->setToolTip(tr("Image"));
    itmShape_->setToolTip(tr("Shape"));
    // The samples' texts keep their leading and trailing blanks: they are the samples' margins.
    lbDRO_->setText(tr(" DRO "));
    lbLED_->setText(tr("LED"));
    lbBar_->setText(tr("BAR"));
    lbShift_->setText(tr("Shift"));
    lbStatus_->setText(tr(" Status "));
    lbText_->setText(tr(" Text"));
    lbFree_->setText(tr("Free:"));
    rgSize->setTitle(tr("Layout"));
    rgSize->Button(0)->setText(tr("Portrait"));
    rgSize->Button(1)->setText(tr("Landscape"));
    lbSpeed_->setText(tr("GIF speed"));
    lbMs_->setText(tr("ms"));
}

void TPalette::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QFrame::changeEvent(event);
}
