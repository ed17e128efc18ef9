#include "dialogs/upropshiftpas.h"

#include "model/telement.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

TPropShiftForm::TPropShiftForm(QWidget* parent) : TPropForm(QStringLiteral("PropShiftForm"), OKText, parent)
{
    cxW = Spin("cxW", proprange::SizeMin, proprange::SizeMax);
    cxH = Spin("cxH", proprange::SizeMin, proprange::SizeMax);
    auto* grid = new QGridLayout;
    grid->addWidget(lbW_ = Caption(), 0, 0);
    grid->addWidget(cxW, 0, 1);
    grid->addWidget(lbH_ = Caption(), 1, 0);
    grid->addWidget(cxH, 1, 1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addLayout(ButtonRow());
    column->setSizeConstraint(QLayout::SetFixedSize);
    Retranslate();
}

void TPropShiftForm::Retranslate()
{
    lbW_->setText(tr("W"));
    lbH_->setText(tr("H"));
}

void TPropShiftForm::changeEvent(QEvent* event)
{
    TPropForm::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
}

void TPropShiftForm::Fill(const TElement& e)
{
    const int z = e.Zoom();
    cxW->setValue(e.Width / z);
    cxH->setValue(e.Height / z);
}

void TPropShiftForm::WriteBack(TElement& e) const
{
    const int z = e.Zoom();
    e.Width = cxW->value() * z;
    e.Height = cxH->value() * z;
    e.PanelW = e.Width / z;
    e.PanelH = e.Height / z;
}
