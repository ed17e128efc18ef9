#include "dialogs/propform.h"

#include "widgets/colorbox.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <cmath>
#include <limits>

TPropForm::TPropForm(const QString& objectName, const char* okText, QWidget* parent)
    : QDialog(parent), okText_(okText)
{
    setObjectName(objectName);
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);

    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    RetranslateCommon();
}

void TPropForm::RetranslateCommon()
{
    setWindowTitle(tr("Properties"));
    Button1->setText(tr(okText_));
    Button2->setText(tr("Cancel"));
}

void TPropForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        RetranslateCommon();
    QDialog::changeEvent(event);
}

QSpinBox* TPropForm::Spin(const char* name, int min, int max)
{
    auto* spin = new QSpinBox(this);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(min, max);
    spin->setKeyboardTracking(true);
    return spin;
}

TColorBox* TPropForm::ColorBox(const char* name)
{
    auto* box = new TColorBox(this);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QLabel* TPropForm::Caption()
{
    return new QLabel(this);
}

QHBoxLayout* TPropForm::ButtonRow()
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(Button1);
    row->addWidget(Button2);
    return row;
}

std::optional<QString> FixedText(float value, int decimals, int significant)
{
    const double v = value;
    if (!std::isfinite(v))
        return std::nullopt;
    const QLocale c = QLocale::c();
    if (v != 0.0 && std::floor(std::log10(std::fabs(v))) + 1 > significant)
        return c.toString(v, 'g', significant);
    // Rounded to the significant digits first, then padded to the decimals: 400.5278f (exactly
    // 400.527801513...) becomes 400.527802.
    const double rounded = c.toDouble(c.toString(v, 'g', significant));
    return c.toString(rounded, 'f', decimals);
}

std::optional<float> ParseFloatText(const QString& text)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    const QString trimmed = text.trimmed();
    // The locale would take "nan" and "inf"; a typed value is a number.
    for (const QChar ch : trimmed)
        if (!(ch.isDigit() || ch == u'.' || ch == u'-' || ch == u'+' || ch == u'e' || ch == u'E'))
            return std::nullopt;
    bool ok = false;
    const double v = c.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return float(v);
}
