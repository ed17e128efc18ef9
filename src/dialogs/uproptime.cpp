#include "dialogs/uproptime.h"

#include "model/elementkind.h"
#include "model/telement.h"
#include "widgets/colorbox.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

TPropTimeForm::TPropTimeForm(QWidget* parent) : TPropForm(QStringLiteral("PropTimeForm"), OKText, parent)
{
    cxBkg = ColorBox("cxBkg");
    cxFont = ColorBox("cxFont");
    cxdW = Spin("cxdW", proprange::ScaleMin, proprange::ScaleMax);
    cxdH = Spin("cxdH", proprange::ScaleMin, proprange::ScaleMax);

    auto* grid = new QGridLayout;
    grid->addWidget(lbBack_ = Caption(), 0, 0);
    grid->addWidget(cxBkg, 0, 1);
    grid->addWidget(lbText_ = Caption(), 1, 0);
    grid->addWidget(cxFont, 1, 1);
    grid->addWidget(lbdW_ = Caption(), 2, 0);
    grid->addWidget(cxdW, 2, 1);
    grid->addWidget(lbdH_ = Caption(), 3, 0);
    grid->addWidget(cxdH, 3, 1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addLayout(ButtonRow());
    column->setSizeConstraint(QLayout::SetFixedSize);
    Retranslate();
}

void TPropTimeForm::Retranslate()
{
    lbBack_->setText(tr("Back"));
    lbText_->setText(tr("Text"));
    lbdW_->setText(tr("dW"));
    lbdH_->setText(tr("dH"));
    Explain(lbdW_, cxdW, tr("Width of each character: 1 is 8 pixels, 2 is 16, ..."));
    Explain(lbdH_, cxdH, tr("Height of each character: 1 is 14 pixels, 2 is 28, ..."));
}

void TPropTimeForm::changeEvent(QEvent* event)
{
    TPropForm::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
}

void TPropTimeForm::Fill(const TElement& e)
{
    cxBkg->SetColor(e.BackColor);
    cxFont->SetColor(e.TextColor);
    cxdW->setEnabled(e.Kind == ekClock);
    cxdW->setValue(e.ScaleW);
    cxdH->setValue(e.ScaleH);
}

void TPropTimeForm::WriteBack(TElement& e) const
{
    e.BackColor = cxBkg->Color(); // the outline colour stays
    e.TextColor = cxFont->Color();
    e.SetScaleW(quint8(cxdW->value()));
    e.SetScaleH(quint8(cxdH->value()));
}
