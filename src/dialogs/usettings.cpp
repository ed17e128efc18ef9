#include "dialogs/usettings.h"

#include "widgets/colorbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

TSetForm::TSetForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SetForm"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);

    eMaxEl = new QSpinBox(this);
    eMaxEl->setObjectName(QStringLiteral("eMaxEl"));
    eMaxEl->setRange(0, 100);
    eMaxEl->setValue(20);
    eMaxEl->setEnabled(false);

    eGrid = new QSpinBox(this);
    eGrid->setObjectName(QStringLiteral("eGrid"));
    eGrid->setRange(1, 100);
    eGrid->setValue(5);
    // The step is only stepped, never typed.
    if (auto* edit = eGrid->findChild<QLineEdit*>())
        edit->setReadOnly(true);

    chShGrid = new QCheckBox(this);
    chShGrid->setObjectName(QStringLiteral("chShGrid"));
    chShGrid->setChecked(true);

    cxColor = new TColorBox(this);
    cxColor->setObjectName(QStringLiteral("cxColor"));
    cxColor->SetColor(0xC0C0C0);

    cbLanguage = new QComboBox(this);
    cbLanguage->setObjectName(QStringLiteral("cbLanguage"));
    cbLanguage->setEditable(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lbMaxEl_ = new QLabel(this), 0, 0);
    grid->addWidget(eMaxEl, 0, 1, 1, 2);
    grid->addWidget(lbGrid_ = new QLabel(this), 1, 0);
    grid->addWidget(eGrid, 1, 1);
    grid->addWidget(chShGrid, 1, 2);
    grid->addWidget(cxColor, 2, 0, 1, 3);
    grid->addWidget(lbLang_ = new QLabel(this), 3, 0);
    grid->addWidget(cbLanguage, 3, 1, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(eGrid, &QSpinBox::valueChanged, this, &TSetForm::GridChanged);
    connect(chShGrid, &QCheckBox::clicked, this, &TSetForm::ShowGridClicked);
    connect(cxColor, &TColorBox::ColorChanged, this, &TSetForm::ColorPicked);
    connect(cbLanguage, &QComboBox::activated, this, &TSetForm::LanguageChanged);
    Retranslate();
}

void TSetForm::Retranslate()
{
    setWindowTitle(tr("Settings"));
    lbMaxEl_->setText(tr("Maximum elements count"));
    lbGrid_->setText(tr("Grid"));
    chShGrid->setText(tr("Show"));
    lbLang_->setText(tr("Lang"));
}

void TSetForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QDialog::changeEvent(event);
}

int TSetForm::GridStep() const
{
    return eGrid->value();
}

void TSetForm::SetGridStep(int step)
{
    const QSignalBlocker block(eGrid);
    eGrid->setValue(qBound(1, step, 100));
}

bool TSetForm::ShowGrid() const
{
    return chShGrid->isChecked();
}

void TSetForm::SetShowGrid(bool on)
{
    chShGrid->setChecked(on);
}
