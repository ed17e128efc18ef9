#include "dialogs/upropshp.h"

#include "model/telement.h"
#include "widgets/colorbox.h"
#include "widgets/radiogroup.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr int ShapeCount = 6;
} // namespace

TPropShpForm::TPropShpForm(QWidget* parent) : TPropForm(QStringLiteral("PropShpForm"), OKText, parent)
{
    cxBkg = ColorBox("cxBkg");
    cxPen = ColorBox("cxPen");
    cxW = Spin("cxW", proprange::SizeMin, proprange::SizeMax);
    cxH = Spin("cxH", proprange::SizeMin, proprange::SizeMax);
    // The item's index is the shape type; Retranslate() renames the six items in place.
    rgShape = new TRadioGroup(QString(), QStringList(ShapeCount, QString()), this);
    rgShape->setObjectName(QStringLiteral("rgShape"));

    auto* grid = new QGridLayout;
    grid->addWidget(lbBack_ = Caption(), 0, 0);
    grid->addWidget(cxBkg, 0, 1);
    grid->addWidget(lbCanvas_ = Caption(), 1, 0);
    grid->addWidget(cxPen, 1, 1);
    grid->addWidget(lbW_ = Caption(), 2, 0);
    grid->addWidget(cxW, 2, 1);
    grid->addWidget(lbH_ = Caption(), 3, 0);
    grid->addWidget(cxH, 3, 1);
    grid->setRowStretch(4, 1);
    auto* row = new QHBoxLayout;
    row->addLayout(grid);
    row->addWidget(rgShape);
    auto* column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addLayout(ButtonRow());
    column->setSizeConstraint(QLayout::SetFixedSize);
    Retranslate();
}

void TPropShpForm::Retranslate()
{
    lbBack_->setText(tr("Back"));
    lbCanvas_->setText(tr("Canvas"));
    Explain(lbCanvas_, cxPen, tr("The colour of the shape's outline"));
    Explain(lbBack_, cxBkg, tr("The colour inside the shape"));
    lbW_->setText(tr("W"));
    lbH_->setText(tr("H"));
    rgShape->setTitle(tr(" Shape "));
    const QString shapes[ShapeCount] = {tr("Rectangle"),    tr("Square"),  tr("Round rectangle"),
                                        tr("Round square"), tr("Ellipse"), tr("Circle")};
    for (int i = 0; i < ShapeCount; ++i)
        rgShape->Button(i)->setText(shapes[i]);
}

void TPropShpForm::changeEvent(QEvent* event)
{
    TPropForm::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
}

void TPropShpForm::Fill(const TElement& e)
{
    const int z = e.Zoom();
    cxBkg->SetColor(e.BackColor);
    cxPen->SetColor(e.PenColor);
    cxW->setValue(e.Width / z);
    cxH->setValue(e.Height / z);
    rgShape->SetItemIndex(e.ShapeType);
}

void TPropShpForm::WriteBack(TElement& e) const
{
    const int z = e.Zoom();
    e.ShapeType = quint8(rgShape->ItemIndex());
    e.BackColor = cxBkg->Color();
    e.PenColor = cxPen->Color();
    e.Width = cxW->value() * z;
    e.Height = cxH->value() * z;
    e.PanelW = e.Width / z;
    e.PanelH = e.Height / z;
}
