#include "dialogs/upropled.h"

#include "model/blink.h"
#include "model/tlcd.h"
#include "widgets/colorbox.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

TPropLEDForm::TPropLEDForm(std::function<TLCD*()> activeScreen, QWidget* parent)
    : TPropForm(QStringLiteral("PropLEDForm"), OKText, parent), activeScreen_(std::move(activeScreen))
{
    cxOrder = Spin("cxOrder", proprange::OrderMin, proprange::OrderMax);
    cxOn = ColorBox("cxOn");
    cxOff = ColorBox("cxOff");
    cxMode = new QComboBox(this);
    cxMode->setObjectName(QStringLiteral("cxMode"));
    cxMode->setEditable(false);
    // The item's index is the LED mode; Retranslate() renames the items in place.
    cxMode->addItems({QString(), QString()});
    lbEx = Caption();
    lbEx->setObjectName(QStringLiteral("lbEx"));
    // Milliseconds in 16 bits, stepped by tens; the text is never typed into.
    cxInterval = Spin("cxInterval", 10, 65530);
    cxInterval->setSingleStep(10);
    if (auto* edit = cxInterval->findChild<QLineEdit*>())
        edit->setReadOnly(true);

    auto* grid = new QGridLayout;
    grid->addWidget(lbOrder_ = Caption(), 0, 0);
    grid->addWidget(cxOrder, 0, 1);
    grid->addWidget(lbOn_ = Caption(), 1, 0);
    grid->addWidget(cxOn, 1, 1);
    grid->addWidget(lbOff_ = Caption(), 2, 0);
    grid->addWidget(cxOff, 2, 1);
    grid->addWidget(lbMode_ = Caption(), 3, 0);
    grid->addWidget(cxMode, 3, 1);
    grid->addWidget(lbEx, 4, 0);
    grid->addWidget(cxInterval, 4, 1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addLayout(ButtonRow());
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(cxOn, &TColorBox::ColorChanged, this, &TPropLEDForm::LiveUpdate);
    connect(cxOff, &TColorBox::ColorChanged, this, &TPropLEDForm::LiveUpdate);
    connect(cxMode, &QComboBox::activated, this, &TPropLEDForm::LiveUpdate);
    // The box is only stepped, so every change of its value is a click of the user.
    connect(cxInterval, &QSpinBox::valueChanged, this, [this] {
        if (!filling_)
            LiveUpdate();
    });

    BlinkTimer = new QTimer(this);
    BlinkTimer->setObjectName(QStringLiteral("BlinkTimer"));
    BlinkTimer->setInterval(BlinkPeriod);
    connect(BlinkTimer, &QTimer::timeout, this, &TPropLEDForm::BlinkTick);
    BlinkTimer->start();
    Retranslate();
}

void TPropLEDForm::Retranslate()
{
    lbOrder_->setText(tr("Order No"));
    lbOn_->setText(tr("On"));
    lbOff_->setText(tr("Off"));
    lbMode_->setText(tr("Mode"));
    cxMode->setItemText(0, tr("Continuously"));
    cxMode->setItemText(1, tr("Pulsing"));
    lbEx->setText(tr("Blink interval (ms)"));
}

void TPropLEDForm::changeEvent(QEvent* event)
{
    TPropForm::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
}

void TPropLEDForm::ShowIntervalControls()
{
    const bool pulsing = cxMode->currentIndex() > 0;
    lbEx->setVisible(pulsing);
    cxInterval->setVisible(pulsing);
}

void TPropLEDForm::Fill(const TElement& e)
{
    filling_ = true;
    cxOrder->setValue(e.OrderNo + 1);
    cxOff->SetColor(e.OffColor);
    cxOn->SetColor(e.OnColor);
    cxMode->setCurrentIndex(e.LedMode < cxMode->count() ? e.LedMode : 1);
    cxInterval->setValue(e.BlinkInterval);
    filling_ = false;
    ShowIntervalControls();
}

void TPropLEDForm::WriteBack(TElement& e) const
{
    e.BackColor = cxOff->Color();
    e.OnColor = cxOn->Color();
    e.OffColor = cxOff->Color();
    e.LedMode = quint8(cxMode->currentIndex());
    e.SetOrderNo(qint16(cxOrder->value() - 1));
    e.BlinkInterval = quint16(cxInterval->value());
}

void TPropLEDForm::LiveUpdate()
{
    ShowIntervalControls();
    TLCD* screen = activeScreen_ ? activeScreen_() : nullptr;
    TElement* e = screen ? screen->SelectedElement : nullptr;
    if (!e)
        return;
    e->BlinkInterval = quint16(cxInterval->value());
    e->OnColor = cxOn->Color();
    e->OffColor = cxOff->Color();
    e->LedMode = quint8(cxMode->currentIndex());
    e->Invalidate();
}

void TPropLEDForm::BlinkTick()
{
    if (TLCD* screen = activeScreen_ ? activeScreen_() : nullptr)
        BlinkScreen(*screen);
}
