#include "dialogs/upropbar.h"

#include "dialogs/barswatch.h"
#include "model/elementkind.h"
#include "model/render.h"
#include "base/terror.h"
#include "model/tlcd.h"
#include "base/urgb.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr int SwatchW = 22, SwatchH = 20, BkgSwatchH = 71, SwatchGap = 4;
// Swatch order in the marks and files: red, yellow, green, background.
enum { iRed, iYellow, iGreen, iBkg };
} // namespace

TPropBarForm::TPropBarForm(std::function<TLCD*()> activeScreen, QWidget* parent)
    : TPropForm(QStringLiteral("PropBarForm"), OkText, parent), activeScreen_(std::move(activeScreen))
{
    bsGreen = DefaultBarPicture(BarSegment::Green);
    bsYellow = DefaultBarPicture(BarSegment::Yellow);
    bsRed = DefaultBarPicture(BarSegment::Red);
    bsBkg = DefaultBarPicture(BarSegment::Bkg);

    cxOrder = Spin("cxOrder", proprange::OrderMin, proprange::OrderMax);
    // Wider values can be typed; the change handler sets them back to the bar's limit.
    cxW = Spin("cxW", proprange::SizeMin, proprange::SizeMax);
    cxH = Spin("cxH", proprange::SizeMin, proprange::SizeMax);

    auto* swatchArea = new QWidget(this);
    swatchArea->setObjectName(QStringLiteral("SwatchArea"));
    swatchArea->setFixedSize(MaxBarWidth + SwatchGap + SwatchW, BkgSwatchH);
    shRed = new TBarSwatch("shRed", QSize(SwatchW, SwatchH), swatchArea);
    shYellow = new TBarSwatch("shYellow", QSize(SwatchW, SwatchH), swatchArea);
    shGreen = new TBarSwatch("shGreen", QSize(SwatchW, SwatchH), swatchArea);
    shBkg = new TBarSwatch("shBkg", QSize(SwatchW, BkgSwatchH), swatchArea);
    shRed->move(0, 0);
    shYellow->move(0, (BkgSwatchH - SwatchH) / 2);
    shGreen->move(0, BkgSwatchH - SwatchH);
    shBkg->move(SwatchW + SwatchGap, 0);
    swatches_ = {shRed, shYellow, shGreen, shBkg};
    for (TBarSwatch* s : swatches_)
        connect(s, &TBarSwatch::DoubleClicked, this, [this, s] { PickPicture(s); });
    shRed->SetPicture(bsRed);
    shYellow->SetPicture(bsYellow);
    shGreen->SetPicture(bsGreen);
    shBkg->SetPicture(bsBkg);

    cxRPct = Spin("cxRPct", 0, 100);
    cxYPct = Spin("cxYPct", 0, 100);
    cxMaxVal = Spin("cxMaxVal", 0, 65535);
    cxValue = Spin("cxValue", 0, 100);
    lbTest_ = Caption();
    {
        QFont bold = lbTest_->font();
        bold.setBold(true);
        lbTest_->setFont(bold);
        QPalette pal = lbTest_->palette();
        pal.setColor(QPalette::WindowText, Qt::red);
        lbTest_->setPalette(pal);
    }
    Button3 = new QPushButton(this);
    Button3->setObjectName(QStringLiteral("Button3"));

    auto* size = new QGridLayout;
    size->addWidget(lbOrder_ = Caption(), 0, 0);
    size->addWidget(cxOrder, 0, 1);
    size->addWidget(lbW_ = Caption(), 1, 0);
    size->addWidget(cxW, 1, 1);
    size->addWidget(lbH_ = Caption(), 2, 0);
    size->addWidget(cxH, 2, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(swatchArea, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(size);

    auto* numbers = new QGridLayout;
    numbers->addWidget(lbRed_ = Caption(), 0, 0);
    numbers->addWidget(cxRPct, 0, 1);
    numbers->addWidget(lbYellow_ = Caption(), 1, 0);
    numbers->addWidget(cxYPct, 1, 1);
    numbers->addWidget(lbMax_ = Caption(), 2, 0);
    numbers->addWidget(cxMaxVal, 2, 1);
    numbers->addWidget(lbTest_, 3, 0);
    numbers->addWidget(cxValue, 3, 1);

    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(numbers);
    column->addWidget(Button3);
    column->addLayout(ButtonRow());
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(cxW, &QSpinBox::valueChanged, this, &TPropBarForm::WidthChanged);
    connect(Button3, &QPushButton::clicked, this, &TPropBarForm::DefaultColors);
    for (QSpinBox* spin : {cxRPct, cxYPct, cxValue, cxMaxVal}) {
        spin->installEventFilter(this);
        if (QLineEdit* edit = spin->findChild<QLineEdit*>())
            edit->installEventFilter(this);
    }
    WidthChanged(cxW->value());
    Retranslate();
}

void TPropBarForm::Retranslate()
{
    lbOrder_->setText(tr("Order No"));
    lbW_->setText(tr("W"));
    lbH_->setText(tr("H"));
    lbRed_->setText(tr("Red %"));
    lbYellow_->setText(tr("Yellow %"));
    lbMax_->setText(tr("Maximum"));
    lbTest_->setText(tr("Test:"));
    Button3->setText(tr("Default colors"));
}

void TPropBarForm::changeEvent(QEvent* event)
{
    TPropForm::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
}

bool TPropBarForm::eventFilter(QObject* watched, QEvent* event)
{
    // A click into a box (its arrows step it on the press) or a released key: the bar shows the
    // numbers as they now stand.
    if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyRelease) {
        const bool result = TPropForm::eventFilter(watched, event);
        Test();
        return result;
    }
    return TPropForm::eventFilter(watched, event);
}

void TPropBarForm::WidthChanged(int value)
{
    if (value > MaxBarWidth) {
        cxW->setValue(MaxBarWidth); // comes back here with the limit
        return;
    }
    for (TBarSwatch* s : {shRed, shYellow, shGreen})
        s->setFixedWidth(value);
    shBkg->move(value + SwatchGap, 0);
}

int TPropBarForm::SwatchIndex(const TBarSwatch* swatch) const
{
    for (int i = 0; i < int(swatches_.size()); ++i)
        if (swatches_[size_t(i)] == swatch)
            return i;
    return -1;
}

bool TPropBarForm::SwatchChanged(const TBarSwatch* swatch) const
{
    const int i = SwatchIndex(swatch);
    return i >= 0 && changed_[size_t(i)];
}

QString TPropBarForm::SwatchFile(const TBarSwatch* swatch) const
{
    const int i = SwatchIndex(swatch);
    return i >= 0 ? files_[size_t(i)] : QString();
}

void TPropBarForm::Fill(const TElement& e)
{
    const int z = e.Zoom();
    cxW->setValue(e.Width / z);
    cxH->setValue(e.Height / z);
    cxOrder->setValue(e.OrderNo + 1);
    shRed->SetPicture(e.RedPic.isNull() ? bsRed : e.RedPic);
    shYellow->SetPicture(e.YellowPic.isNull() ? bsYellow : e.YellowPic);
    shGreen->SetPicture(e.GreenPic.isNull() ? bsGreen : e.GreenPic);
    shBkg->SetPicture(e.BkgPic.isNull() ? bsBkg : e.BkgPic);
    cxMaxVal->setValue(e.MaxVal);
    // The test value can go up to the maximum found now; changing the maximum later does not move it.
    cxValue->setMaximum(cxMaxVal->value());
    cxValue->setValue(RoundHalfEven(e.Value));
    cxRPct->setValue(e.RedPct);
    cxYPct->setValue(e.YellowPct);
    changed_.fill(false);
    files_.fill(QString());
}

void TPropBarForm::WriteBack(TElement& e) const
{
    QImage* pictures[] = {&e.RedPic, &e.YellowPic, &e.GreenPic, &e.BkgPic};
    QString* files[] = {&e.RedPicFile, &e.YellowPicFile, &e.GreenPicFile, &e.BkgPicFile};
    for (size_t i = 0; i < swatches_.size(); ++i) {
        if (!changed_[i])
            continue;
        *pictures[i] = swatches_[i]->Picture().copy();
        *files[i] = files_[i];
    }
    e.Value = float(cxValue->value());
    e.MaxVal = quint16(cxMaxVal->value());
    e.RedPct = quint8(cxRPct->value());
    e.YellowPct = quint8(cxYPct->value());
    const int z = e.Zoom();
    e.Width = cxW->value() * z;
    e.Height = cxH->value() * z;
    e.SetOrderNo(qint16(cxOrder->value() - 1));
    e.PanelW = e.Width / z;
    e.PanelH = e.Height / z;
}

void TPropBarForm::PickPicture(TBarSwatch* swatch)
{
    const int i = SwatchIndex(swatch);
    if (i < 0 || !PictureName)
        return;
    const QString file = PictureName();
    if (file.isEmpty())
        return;
    QImage picture;
    try {
        picture = LoadPictureFile(file);
    } catch (const TError& error) {
        if (ShowError)
            ShowError(error.Message());
        return;
    }
    // A segment picture is one row, stretched over the segment: only the top row counts.
    if (!picture.isNull())
        picture = To24bit(picture.copy(0, 0, picture.width(), 1));
    swatch->SetPicture(picture);
    changed_[size_t(i)] = true;
    files_[size_t(i)] = file;
}

void TPropBarForm::DefaultColors()
{
    shRed->SetPicture(bsRed);
    shGreen->SetPicture(bsGreen);
    shYellow->SetPicture(bsYellow);
    shBkg->SetPicture(bsBkg);
    changed_.fill(true);
    files_.fill(QString());
}

void TPropBarForm::Test()
{
    TLCD* screen = activeScreen_ ? activeScreen_() : nullptr;
    TElement* e = screen ? screen->SelectedElement : nullptr;
    if (!e || e->Kind != ekBar)
        return;
    e->YellowPct = quint8(cxYPct->value());
    e->RedPct = quint8(cxRPct->value());
    e->Value = float(cxValue->value());
    e->MaxVal = quint16(cxMaxVal->value());
    e->Invalidate();
}
