#include "ui/timegroup.h"

#include "output/splash.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

TTimeGroup::TTimeGroup(QWidget* parent) : QGroupBox(QStringLiteral(" Time "), parent)
{
    setObjectName(QStringLiteral("gbTime"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    chTime = new QCheckBox(QStringLiteral("Show"), this);
    chTime->setObjectName(QStringLiteral("chTime"));
    chTRN = new QCheckBox(QStringLiteral("Transp."), this);
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
    grid->addWidget(new QLabel(QStringLiteral("W"), this), 2, 0);
    grid->addWidget(cxTMw, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("H"), this), 3, 0);
    grid->addWidget(cxTMh, 3, 1);
}
