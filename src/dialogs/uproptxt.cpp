#include "dialogs/uproptxt.h"

#include "base/codepage.h"
#include "base/terror.h"
#include "dialogs/propmessages.h"
#include "model/cformat.h"
#include "model/elementkind.h"
#include "model/telement.h"
#include "widgets/colorbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr int WorkScreenOrderMax = MaxElements;
constexpr int PowerFailOrderMax = 999999;
} // namespace

TPropTxtForm::TPropTxtForm(QWidget* parent) : TPropForm(QStringLiteral("PropTxtForm"), OkText, parent)
{
    cxOrder = Spin("cxOrder", 1, WorkScreenOrderMax);
    cxVal = new QLineEdit(this);
    cxVal->setObjectName(QStringLiteral("cxVal"));
    cxText = new QLineEdit(this);
    cxText->setObjectName(QStringLiteral("cxText"));
    // The project file keeps 10 bytes of a format; the box takes no more.
    cxText->setMaxLength(int(MaxDroFormatLength));
    lbFormat = new QLabel(this);
    lbFormat->setObjectName(QStringLiteral("lbFormat"));
    {
        QPalette pal = lbFormat->palette();
        pal.setColor(QPalette::WindowText, Qt::red);
        lbFormat->setPalette(pal);
    }
    lbFormat->hide();
    lbChars = CodePageNote("lbChars");
    cxBkg = ColorBox("cxBkg");
    cxFont = ColorBox("cxFont");
    cxdW = Spin("cxdW", proprange::ScaleMin, proprange::ScaleMax);
    cxdH = Spin("cxdH", proprange::ScaleMin, proprange::ScaleMax);
    chAxis = new QCheckBox(this);
    chAxis->setObjectName(QStringLiteral("chAxis"));
    cxAxis = ColorBox("cxAxis");
    cxAxisNum = new QComboBox(this);
    cxAxisNum->setObjectName(QStringLiteral("cxAxisNum"));
    cxAxisNum->setEditable(true);
    cxAxisNum->setInsertPolicy(QComboBox::NoInsert);
    // The panel's axis letters, the same in every language: they are not translated.
    cxAxisNum->addItems({QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z"), QStringLiteral("A"),
                         QStringLiteral("B"), QStringLiteral("C")});

    auto* grid = new QGridLayout;
    grid->addWidget(lbOrder_ = Caption(), 0, 0);
    grid->addWidget(cxOrder, 0, 1);
    grid->addWidget(lbValue_ = Caption(), 1, 0);
    grid->addWidget(cxVal, 1, 1);
    grid->addWidget(lbFormatCaption_ = Caption(), 1, 2);
    grid->addWidget(cxText, 1, 3);
    grid->addWidget(lbFormat, 2, 0, 1, 4);
    grid->addWidget(lbChars, 3, 0, 1, 4);
    grid->addWidget(lbBack_ = Caption(), 4, 0);
    grid->addWidget(cxBkg, 4, 1);
    grid->addWidget(lbText_ = Caption(), 4, 2);
    grid->addWidget(cxFont, 4, 3);
    grid->addWidget(lbdW_ = Caption(), 5, 0);
    grid->addWidget(cxdW, 5, 1);
    grid->addWidget(lbdH_ = Caption(), 5, 2);
    grid->addWidget(cxdH, 5, 3);
    grid->addWidget(chAxis, 6, 0, 1, 2);
    grid->addWidget(lbColor_ = Caption(), 7, 0);
    grid->addWidget(cxAxis, 7, 1);
    grid->addWidget(lbAxis_ = Caption(), 7, 2);
    grid->addWidget(cxAxisNum, 7, 3);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addLayout(ButtonRow());
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(cxText, &QLineEdit::textChanged, this, &TPropTxtForm::FormatEdited);
    Retranslate();
}

void TPropTxtForm::Retranslate()
{
    lbOrder_->setText(tr("Order No"));
    lbBack_->setText(tr("Back"));
    lbText_->setText(tr("Text"));
    lbdW_->setText(tr("dW"));
    lbdH_->setText(tr("dH"));
    lbValue_->setText(tr("Value"));
    lbFormatCaption_->setText(tr("Format"));
    // The short captions are the panel's own terms; the tips say what they mean.
    Explain(lbValue_, cxVal, tr("The value the designer shows; on the panel the machine sets it"));
    Explain(lbFormatCaption_, cxText,
            tr("How the value is written, in C notation: %7.3f is 7 characters with 3 "
               "decimals (at most 10 characters)"));
    Explain(lbOrder_, cxOrder, tr("The number by which the panel's program sets this readout's value"));
    Explain(lbdW_, cxdW, tr("Width of each character: 1 is 8 pixels, 2 is 16, ..."));
    Explain(lbdH_, cxdH, tr("Height of each character: 1 is 14 pixels, 2 is 28, ..."));
    chAxis->setText(tr("Show as Axis"));
    lbColor_->setText(tr("Color"));
    lbAxis_->setText(tr("Axis"));
    // The format complaint is one of the program's own messages, worded for the active language.
    if (!lbFormat->isHidden())
        lbFormat->setText(propmsg::BadFormat(cxText->text()));
    UpdateCodePageNote(lbChars, cxText->text());
}

void TPropTxtForm::changeEvent(QEvent* event)
{
    TPropForm::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
}

bool TPropTxtForm::FormatAcceptable() const
{
    return IsValidDroFormat(ToCodePage(cxText->text()));
}

void TPropTxtForm::FormatEdited()
{
    const bool ok = FormatAcceptable();
    lbFormat->setText(ok ? QString() : propmsg::BadFormat(cxText->text()));
    lbFormat->setVisible(!ok);
    QPalette pal = cxText->palette();
    pal.setColor(QPalette::Text, ok ? palette().color(QPalette::Text) : QColor(Qt::red));
    cxText->setPalette(pal);
    Button1->setEnabled(ok);
    UpdateCodePageNote(lbChars, cxText->text());
}

QString TPropTxtForm::Fill(const TElement& e, bool powerFail)
{
    cxOrder->setRange(1, powerFail ? PowerFailOrderMax : WorkScreenOrderMax);
    cxOrder->setValue(e.OrderNo + 1);
    QString message;
    if (const auto text = ShortestText(e.Value)) {
        cxVal->setText(*text);
    } else {
        const auto shorter = FixedText(e.Value, 3, 5);
        cxVal->setText(shorter ? *shorter : QLocale::c().toString(double(e.Value), 'f', 3));
        message = propmsg::BadFormat(FromCodePage(e.Format));
    }
    const QString typed = e.LostText();
    cxText->setText(typed.isEmpty() ? FromCodePage(e.Format) : typed);
    FormatEdited(); // also when the text did not change
    cxBkg->SetColor(e.BackColor);
    cxFont->SetColor(e.TextColor);
    cxdW->setValue(e.ScaleW);
    cxdH->setValue(e.ScaleH);
    if (!powerFail) {
        chAxis->setChecked(e.ShowAsAxis != 0);
        cxAxis->SetColor(e.AxisColor);
        if (e.AxisNum < cxAxisNum->count()) {
            cxAxisNum->setCurrentIndex(e.AxisNum);
        } else {
            cxAxisNum->setCurrentIndex(-1);
            cxAxisNum->setEditText(QString());
        }
    }
    return message;
}

void TPropTxtForm::WriteBack(TElement& e, bool powerFail) const
{
    const auto value = ParseFloatText(cxVal->text());
    if (!value)
        throw TError(propmsg::NotAFloat(cxVal->text()));
    if (!FormatAcceptable())
        throw TError(propmsg::BadFormat(cxText->text()));

    e.Value = *value;
    e.Format = ToCodePage(cxText->text());
    e.TypedText = CharactersNotInCodePage(cxText->text()).isEmpty() ? QString() : cxText->text();
    e.BackColor = cxBkg->Color();
    if (!powerFail)
        e.PenColor = cxBkg->Color();
    e.TextColor = cxFont->Color();
    e.SetScaleW(quint8(cxdW->value()));
    e.SetScaleH(quint8(cxdH->value()));
    if (!powerFail) {
        e.ShowAsAxis = chAxis->isChecked() ? 1 : 0;
        e.AxisColor = cxAxis->Color();
        // Typed text that names no item stores the index of no item, -1, in the field's one byte.
        const int index = cxAxisNum->findText(cxAxisNum->currentText(), Qt::MatchFixedString);
        e.AxisNum = quint8(index);
    }
    // The power-fail order range goes past 16 bits; the field keeps the low ones (the file one byte).
    e.SetOrderNo(qint16(cxOrder->value() - 1));
}
