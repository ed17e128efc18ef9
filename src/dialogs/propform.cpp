#include "dialogs/propform.h"

#include "base/codepage.h"
#include "dialogs/propmessages.h"
#include "widgets/colorbox.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <array>
#include <charconv>
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

void TPropForm::Explain(QWidget* caption, QWidget* box, const QString& tip)
{
    caption->setToolTip(tip);
    box->setToolTip(tip);
}

QLabel* TPropForm::CodePageNote(const char* name)
{
    auto* note = new QLabel(this);
    note->setObjectName(QString::fromLatin1(name));
    QPalette pal = note->palette();
    pal.setColor(QPalette::WindowText, Qt::red);
    note->setPalette(pal);
    note->hide();
    return note;
}

void TPropForm::UpdateCodePageNote(QLabel* note, const QString& typed)
{
    const QString missing = CharactersNotInCodePage(typed);
    note->setText(missing.isEmpty() ? QString() : propmsg::NotInCodePage(missing));
    note->setVisible(!missing.isEmpty());
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

std::optional<QString> ShortestText(float value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // Fixed notation of FLT_MAX has 39 digits before the point; the smallest subnormal needs 45 after
    // it for its shortest form. 64 is room for either, with the sign and the point.
    std::array<char, 64> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    if (error != std::errc())
        return std::nullopt;
    return QString::fromLatin1(buffer.data(), end - buffer.data());
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
