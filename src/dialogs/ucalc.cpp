#include "dialogs/ucalc.h"

#include "model/render.h"
#include "base/syscolors.h"
#include "widgets/colorbox.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {
QLabel* BoldLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}
} // namespace

TCalcForm::TCalcForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CalcForm"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(183, 159);

    // A small fixed window: the controls stand where they are put.
    const int spinX = 24, spinW = 56, rowH = 24;
    QSpinBox** spins[] = {&cxR, &cxG, &cxB};
    const char* names[] = {"cxR", "cxG", "cxB"};
    for (int i = 0; i < 3; ++i) {
        lbComponent_[i] = BoldLabel(this);
        lbComponent_[i]->setGeometry(8, 8 + i * (rowH + 4), 14, rowH);
        auto* spin = new QSpinBox(this);
        spin->setObjectName(QString::fromLatin1(names[i]));
        spin->setRange(0, 255);
        spin->setKeyboardTracking(true);
        spin->setGeometry(spinX, 8 + i * (rowH + 4), spinW, rowH);
        connect(spin, &QSpinBox::valueChanged, this, &TCalcForm::ComponentChanged);
        *spins[i] = spin;
    }
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    Panel1->setGeometry(spinX + spinW + 8, 8, 183 - (spinX + spinW + 8) - 8, 3 * rowH + 8);

    cxColor = new TColorBox(this);
    cxColor->setObjectName(QStringLiteral("cxColor"));
    cxColor->setGeometry(8, 8 + 3 * (rowH + 4), 183 - 16, rowH);
    connect(cxColor, &TColorBox::ColorChanged, this, &TCalcForm::ColorPicked);

    lb16bit_ = BoldLabel(this);
    lb16bit_->setGeometry(8, 159 - 8 - rowH, 56, rowH);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    Edit1->setGeometry(64, 159 - 8 - rowH, 183 - 64 - 8, rowH);

    ComponentChanged();
    Retranslate();
}

void TCalcForm::Retranslate()
{
    setWindowTitle(tr("RGB calculator"));
    lbComponent_[0]->setText(tr("R"));
    lbComponent_[1]->setText(tr("G"));
    lbComponent_[2]->setText(tr("B"));
    lb16bit_->setText(tr("16-bit:"));
}

void TCalcForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QDialog::changeEvent(event);
}

TColor TCalcForm::Color() const
{
    const TColor r = TColor(cxR->value()) & 0xFF, g = TColor(cxG->value()) & 0xFF,
                 b = TColor(cxB->value()) & 0xFF;
    return r | (g << 8) | (b << 16);
}

void TCalcForm::ComponentChanged()
{
    const TColor color = Color();
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, ToQColor(color));
    Panel1->setPalette(pal);
    // "0x%.4X": four upper-case hexadecimal digits behind a lower-case prefix.
    Edit1->setText(QStringLiteral("0x") +
                   QStringLiteral("%1").arg(ColorTo16bit(color), 4, 16, QLatin1Char('0')).toUpper());
}

void TCalcForm::ColorPicked(TColor color)
{
    const TColor rgb = ResolveColor(color);
    cxR->setValue(int(rgb & 0xFF));
    cxG->setValue(int((rgb >> 8) & 0xFF));
    cxB->setValue(int((rgb >> 16) & 0xFF));
}
