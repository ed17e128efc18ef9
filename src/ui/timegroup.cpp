#include "ui/timegroup.h"

#include "output/splash.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

TTimeGroup::TTimeGroup(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("gbTime"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    chTime = new QCheckBox(this);
    chTime->setObjectName(QStringLiteral("chTime"));
    chTRN = new QCheckBox(this);
    chTRN->setObjectName(QStringLiteral("chTRN"));
    auto spin = [this](const char* name, int max, int value) {
        auto* box = new QSpinBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(MinDigitSize, max);
        box->setValue(value);
        // Only the whole value counts: no half-typed number reaches the clock fields.
        box->setKeyboardTracking(false);
        // Enabled only while the clock is shown.
        box->setEnabled(false);
        return box;
    };
    cxTMw = spin("cxTMw", MaxDigitWidth, 25);
    cxTMh = spin("cxTMh", MaxDigitHeight, 35);
    grid->addWidget(chTime, 0, 0, 1, 2);
    grid->addWidget(chTRN, 1, 0, 1, 2);
    grid->addWidget(lbW_ = new QLabel(this), 2, 0);
    grid->addWidget(cxTMw, 2, 1);
    grid->addWidget(lbH_ = new QLabel(this), 3, 0);
    grid->addWidget(cxTMh, 3, 1);
    Retranslate();
}

void TTimeGroup::Retranslate()
{
    setTitle(tr(" Time "));
    chTime->setText(tr("Show"));
    chTRN->setText(tr("Transp."));
    lbW_->setText(tr("W"));
    lbH_->setText(tr("H"));
}

void TTimeGroup::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QGroupBox::changeEvent(event);
}
