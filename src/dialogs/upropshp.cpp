#include "dialogs/upropshp.h"

#include "model/telement.h"
#include "ui/colorbox.h"
#include "ui/radiogroup.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

TPropShpForm::TPropShpForm(QWidget* parent)
    : TPropForm(QStringLiteral("PropShpForm"), QStringLiteral("OK"), parent)
{
    cxBkg = ColorBox("cxBkg");
    cxPen = ColorBox("cxPen");
    cxW = Spin("cxW", proprange::SizeMin, proprange::SizeMax);
    cxH = Spin("cxH", proprange::SizeMin, proprange::SizeMax);
    rgShape = new TRadioGroup(QStringLiteral(" Shape "),
                              {QStringLiteral("Rectangle"), QStringLiteral("Square"),
                               QStringLiteral("Round rectangle"), QStringLiteral("Round square"),
                               QStringLiteral("Ellipse"), QStringLiteral("Circle")},
                              this);
    rgShape->setObjectName(QStringLiteral("rgShape"));

    auto* grid = new QGridLayout;
    grid->addWidget(Caption(QStringLiteral("Back")), 0, 0);
    grid->addWidget(cxBkg, 0, 1);
    grid->addWidget(Caption(QStringLiteral("Canvas")), 1, 0);
    grid->addWidget(cxPen, 1, 1);
    grid->addWidget(Caption(QStringLiteral("W")), 2, 0);
    grid->addWidget(cxW, 2, 1);
    grid->addWidget(Caption(QStringLiteral("H")), 3, 0);
    grid->addWidget(cxH, 3, 1);
    grid->setRowStretch(4, 1);
    auto* row = new QHBoxLayout;
    row->addLayout(grid);
    row->addWidget(rgShape);
    auto* column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addLayout(ButtonRow());
    column->setSizeConstraint(QLayout::SetFixedSize);
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
