#include "dialogs/uproplbl.h"

#include "model/telement.h"
#include "base/codepage.h"
#include "widgets/colorbox.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPropLblForm::TPropLblForm(QWidget* parent) : TPropForm(QStringLiteral("PropLblForm"), OKText, parent)
{
    cxText = new QLineEdit(this);
    cxText->setObjectName(QStringLiteral("cxText"));
    lbChars = CodePageNote("lbChars");
    connect(cxText, &QLineEdit::textChanged, this,
            [this](const QString& text) { UpdateCodePageNote(lbChars, text); });
    cxBkg = ColorBox("cxBkg");
    cxColor = ColorBox("cxColor");
    Button3 = new QPushButton(this);
    Button3->setObjectName(QStringLiteral("Button3"));

    MakeFontDialog();

    PickFont = [this](QFont& font) {
        // Made again for each use: Qt's font dialog takes its title and lists in the language active
        // when it is made and keeps them.
        MakeFontDialog();
        FontDialog->setCurrentFont(font);
        if (FontDialog->exec() != QDialog::Accepted)
            return false;
        font = FontDialog->selectedFont();
        return true;
    };

    auto* grid = new QGridLayout;
    grid->addWidget(cxText, 0, 0, 1, 4);
    grid->addWidget(lbChars, 1, 0, 1, 4);
    grid->addWidget(lbBack_ = Caption(), 2, 0);
    grid->addWidget(cxBkg, 2, 1);
    grid->addWidget(lbText_ = Caption(), 2, 2);
    grid->addWidget(cxColor, 2, 3);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    auto* buttons = ButtonRow();
    buttons->insertWidget(0, Button3);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button3, &QPushButton::clicked, this, &TPropLblForm::FontClick);
    Retranslate();
}

void TPropLblForm::MakeFontDialog()
{
    delete FontDialog;
    FontDialog = new QFontDialog(this);
    FontDialog->setObjectName(QStringLiteral("FontDialog"));
    // The element keeps face, size and style only, so the dialog offers nothing else: its own
    // (non-native) form is used because only that one lets the effects section be left out. The
    // section is the group of check boxes (strike-out, underline); its title would depend on the
    // interface language.
    FontDialog->setOption(QFontDialog::DontUseNativeDialog);
    for (QGroupBox* group : FontDialog->findChildren<QGroupBox*>())
        if (!group->findChildren<QCheckBox*>().isEmpty())
            group->hide();
}

void TPropLblForm::Retranslate()
{
    lbBack_->setText(tr("Back"));
    lbText_->setText(tr("Text"));
    Button3->setText(tr("Font"));
    UpdateCodePageNote(lbChars, cxText->text());
}

void TPropLblForm::changeEvent(QEvent* event)
{
    TPropForm::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
        MakeFontDialog();
    }
}

void TPropLblForm::FontClick()
{
    QFont picked = font_;
    if (PickFont && PickFont(picked)) {
        font_ = QFont(picked.family());
        if (picked.pointSize() > 0)
            points_ = picked.pointSize();
        if (points_ > 0)
            font_.setPointSize(points_);
        font_.setBold(picked.bold());
        font_.setItalic(picked.italic());
    }
}

void TPropLblForm::Fill(const TElement& e)
{
    const QString typed = e.LostText();
    cxText->setText(typed.isEmpty() ? FromCodePage(e.Text) : typed);
    UpdateCodePageNote(lbChars, cxText->text()); // also when the text did not change
    cxBkg->SetColor(e.BackColor);
    cxColor->SetColor(e.TextColor);
    font_ = QFont(e.FontName);
    points_ = e.FontSize;
    if (e.FontSize > 0)
        font_.setPointSize(e.FontSize);
    font_.setBold(e.FontBold);
    font_.setItalic(e.FontItalic);
}

void TPropLblForm::WriteBack(TElement& e) const
{
    e.SetText(ToCodePage(cxText->text()));
    e.TypedText = CharactersNotInCodePage(cxText->text()).isEmpty() ? QString() : cxText->text();
    e.BackColor = cxBkg->Color();
    e.FontName = font_.family();
    e.FontSize = points_;
    e.FontBold = font_.bold();
    e.FontItalic = font_.italic();
    e.TextColor = cxColor->Color();
    e.UpdateSize();
}
