// The properties command: which window each kind gets, filling and writing back, Cancel, the image
// picture, the background colour and the power-fail DRO; the DRO, clock, free-text, shape and shift
// windows.

#include "base/codepage.h"
#include "dialogs/upropbar.h"
#include "dialogs/uproplbl.h"
#include "dialogs/upropled.h"
#include "dialogs/upropshiftpas.h"
#include "dialogs/upropshp.h"
#include "dialogs/uproptime.h"
#include "dialogs/uproptxt.h"
#include "test_dialogs_support.h"
#include "testutil.h"
#include "widgets/colorbox.h"
#include "widgets/radiogroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTimer>
#include <bit>

namespace {

class PropertyCommand : public DialogWindow
{
};

TEST_F(PropertyCommand, EachKindGetsItsWindow)
{
    struct Case
    {
        quint8 Kind;
        QDialog* Window;
    };
    const Case cases[] = {
        {ekDRO, Dialogs().PropTxtForm},     {ekLED, Dialogs().PropLEDForm},
        {ekBar, Dialogs().PropBarForm},     {ekShift, Dialogs().PropShiftForm},
        {ekStatus, Dialogs().PropTimeForm}, {ekText, Dialogs().PropLblForm},
        {ekShape, Dialogs().PropShpForm},   {ekClock, Dialogs().PropTimeForm},
    };
    for (const Case& c : cases) {
        Screen().Clear();
        Place(c.Kind);
        shownDialog = nullptr;
        user = Cancel;
        Properties();
        EXPECT_EQ(shownDialog, c.Window) << "kind " << int(c.Kind);
        EXPECT_EQ(c.Window->windowTitle(), QStringLiteral("Properties"));
        EXPECT_FALSE(c.Window->isVisible());
    }
}

TEST_F(PropertyCommand, CommandNeedsASelection)
{
    Place(ekDRO);
    Screen().SelectElement(nullptr);
    form->UpdateActions();
    EXPECT_FALSE(form->acShProp->isEnabled());
    // "Properties" of the element menu runs the command.
    Screen().SelectElement(Screen().Item(0));
    QMenu* menu = form->findChild<QMenu*>(QStringLiteral("ppElement"));
    ASSERT_NE(menu, nullptr);
    QAction* item = nullptr;
    for (QAction* a : menu->actions())
        if (a->text() == QStringLiteral("Properties"))
            item = a;
    ASSERT_NE(item, nullptr);
    user = Cancel;
    form->UpdateActions();
    item->trigger();
    EXPECT_EQ(shownDialog, Dialogs().PropTxtForm);
}

// Cancel writes nothing back and leaves the modified state as it was, whichever state that was.
TEST_F(PropertyCommand, CancelKeepsElementAndModifiedState)
{
    for (const quint8 kind : {ekDRO, ekLED, ekBar, ekShift, ekStatus, ekText, ekShape, ekClock}) {
        for (const bool wasModified : {false, true}) {
            Screen().Clear();
            TElement* e = Place(kind);
            form->List().SetModified(wasModified);
            const qint32 w = e->Width, h = e->Height;
            const TColor back = e->BackColor;
            user = [](QDialog& d) {
                // The user edits every spin box and colour box, then thinks better of it.
                for (QSpinBox* spin : d.findChildren<QSpinBox*>())
                    if (spin->isEnabled() && spin->isVisible())
                        spin->setValue(spin->value() == spin->minimum() ? spin->maximum() : spin->minimum());
                for (TColorBox* box : d.findChildren<TColorBox*>())
                    box->SetColor(0x123456);
                Cancel(d);
            };
            Properties();
            EXPECT_EQ(Modified(), wasModified) << "kind " << int(kind);
            EXPECT_EQ(Screen().Modified, false) << "kind " << int(kind);
            EXPECT_EQ(e->Width, w) << "kind " << int(kind);
            EXPECT_EQ(e->Height, h) << "kind " << int(kind);
            EXPECT_EQ(e->BackColor, back) << "kind " << int(kind);
        }
    }
}

TEST_F(PropertyCommand, OkMarksModified)
{
    TElement* e = Place(ekShift);
    user = Ok;
    Properties();
    EXPECT_TRUE(Modified());
    EXPECT_TRUE(Screen().Modified);
    EXPECT_EQ(e->Width, 15);
}

TEST_F(PropertyCommand, RealModalLoopClosesWithTheButtonsOnly)
{
    // The default window handling, with a real modal loop: the close box gives Cancel.
    TElement* e = Place(ekShift);
    TPropDialogs fresh(form.get(), form->List(), [this] { return form->ActiveScreen(); });
    auto press = [](QDialog* d, const char* button) {
        QTimer::singleShot(0, d, [d, button] {
            if (button)
                QTest::mouseClick(d->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
            else
                d->close();
        });
    };
    press(fresh.PropShiftForm, nullptr);
    EXPECT_FALSE(fresh.ShowProperties(Screen())) << "nothing written after the close box";
    press(fresh.PropShiftForm, "Button1");
    EXPECT_TRUE(fresh.ShowProperties(Screen()));
    EXPECT_EQ(e->PanelW, 15);
    press(fresh.PropShiftForm, "Button2");
    EXPECT_FALSE(fresh.ShowProperties(Screen()));
}

// --- DRO ----------------------------------------------------------------------------------------

TEST_F(PropertyCommand, DroIsFilledFromTheElement)
{
    TElement* e = Place(ekDRO);
    e->OrderNo = 4;
    e->ScaleW = 2;
    e->ScaleH = 3;
    e->ShowAsAxis = 1;
    e->AxisColor = 0x00FF00;
    e->AxisNum = 2;
    TPropTxtForm* d = Dialogs().PropTxtForm;
    user = [&](QDialog&) {
        EXPECT_EQ(d->cxVal->text(), QStringLiteral("400.5278"));
        EXPECT_EQ(d->cxText->text(), QStringLiteral("%.4f"));
        EXPECT_EQ(d->cxOrder->value(), 5);
        EXPECT_EQ(d->cxBkg->Color(), 0x80FF80u);
        EXPECT_EQ(d->cxFont->Color(), 0x800000u);
        EXPECT_EQ(d->cxdW->value(), 2);
        EXPECT_EQ(d->cxdH->value(), 3);
        EXPECT_TRUE(d->chAxis->isChecked());
        EXPECT_EQ(d->cxAxis->Color(), 0x00FF00u);
        EXPECT_EQ(d->cxAxisNum->currentText(), QStringLiteral("Z"));
        Cancel(*d);
    };
    // Reached by a double-click on the element, as the user does.
    DoubleClick(QPoint(e->Left + 2, e->Top + 2));
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(PropertyCommand, DroIsWrittenBack)
{
    TElement* e = Place(ekDRO);
    TPropTxtForm* d = Dialogs().PropTxtForm;
    user = [&](QDialog&) {
        d->cxVal->selectAll();
        QTest::keyClicks(d->cxVal, QStringLiteral("-12.25"));
        d->cxText->selectAll();
        QTest::keyClicks(d->cxText, QStringLiteral("X%7.2f"));
        d->cxBkg->SetColor(0x0000FF);
        d->cxFont->SetColor(0xFFFFFF);
        Retype(d->cxdW, QStringLiteral("2"));
        Retype(d->cxdH, QStringLiteral("3"));
        d->chAxis->setFocus();
        QTest::keyClick(d->chAxis, Qt::Key_Space);
        d->cxAxis->SetColor(0xFF0000);
        d->cxAxisNum->setCurrentIndex(4);
        Retype(d->cxOrder, QStringLiteral("7"));
        Ok(*d);
    };
    Properties();
    EXPECT_FLOAT_EQ(e->Value, -12.25f);
    EXPECT_EQ(e->Format, QByteArray("X%7.2f"));
    EXPECT_EQ(e->BackColor, 0x0000FFu);
    EXPECT_EQ(e->PenColor, 0x0000FFu);
    EXPECT_EQ(e->TextColor, 0xFFFFFFu);
    EXPECT_EQ(e->ScaleW, 2);
    EXPECT_EQ(e->ScaleH, 3);
    EXPECT_EQ(e->ShowAsAxis, 1);
    EXPECT_EQ(e->AxisColor, 0xFF0000u);
    EXPECT_EQ(e->AxisNum, 4);
    EXPECT_EQ(e->OrderNo, 6);
    // The drawn text follows format and value; the size follows the text and the scales.
    View()->Image();
    EXPECT_EQ(e->Text, QByteArray("X -12.25"));
    EXPECT_EQ(e->Width, 8 * 8 * 2);
    EXPECT_EQ(e->Height, 14 * 3);
    EXPECT_TRUE(Modified());
}

TEST_F(PropertyCommand, AxisTypedThatNamesNoItem)
{
    TElement* e = Place(ekDRO);
    TPropTxtForm* d = Dialogs().PropTxtForm;
    user = [&](QDialog&) {
        d->cxAxisNum->lineEdit()->selectAll();
        QTest::keyClicks(d->cxAxisNum->lineEdit(), QStringLiteral("Q"));
        Ok(*d);
    };
    Properties();
    EXPECT_EQ(e->AxisNum, 255); // -1 in one byte
    user = [&](QDialog&) {
        EXPECT_EQ(d->cxAxisNum->currentText(), QString());
        d->cxAxisNum->lineEdit()->selectAll();
        QTest::keyClicks(d->cxAxisNum->lineEdit(), QStringLiteral("b"));
        Ok(*d);
    };
    Properties();
    EXPECT_EQ(e->AxisNum, 4);
    EXPECT_EQ(d->cxAxisNum->count(), 6) << "typing adds no items";
}

TEST_F(PropertyCommand, OrderRangeDependsOnTheScreen)
{
    TElement* work = Place(ekDRO);
    TPropTxtForm* d = Dialogs().PropTxtForm;
    auto range = [&] { return std::pair(d->cxOrder->minimum(), d->cxOrder->maximum()); };
    user = [&](QDialog&) {
        EXPECT_EQ(range(), std::pair(1, 20));
        Retype(d->cxOrder, QStringLiteral("25"));
        EXPECT_LE(d->cxOrder->value(), 20);
        Cancel(*d);
    };
    Properties();

    TElement* pf = form->PowerFail().AddElement(ekDRO, 10, 20);
    pf->Format = "%3.0f";
    pf->Value = 0.0f;
    user = [&](QDialog&) {
        EXPECT_EQ(range(), std::pair(1, 999999));
        Cancel(*d);
    };
    QTest::mouseDClick(form->PowerFailView(), Qt::LeftButton, Qt::NoModifier,
                       QPoint(pf->Left + 2, pf->Top + 2));
    EXPECT_EQ(shown, 2);

    Screen().SelectElement(work);
    user = [&](QDialog&) {
        EXPECT_EQ(range(), std::pair(1, 20));
        Cancel(*d);
    };
    Properties();
    EXPECT_EQ(shown, 3);
}

TEST_F(PropertyCommand, ValueThatIsNoNumberChangesNothing)
{
    for (const char* typed : {"1,5", "abc", "", "1e40", "nan", "1.5.2"}) {
        Screen().Clear();
        TElement* e = Place(ekDRO);
        errors.clear();
        TPropTxtForm* d = Dialogs().PropTxtForm;
        user = [&](QDialog&) {
            d->cxVal->selectAll();
            QTest::keyClick(d->cxVal, Qt::Key_Backspace);
            QTest::keyClicks(d->cxVal, QString::fromLatin1(typed));
            d->cxText->setText(QStringLiteral("%.1f"));
            d->cxBkg->SetColor(0x0000FF);
            Retype(d->cxdW, QStringLiteral("4"));
            Ok(*d);
        };
        Properties();
        ASSERT_EQ(errors.size(), 1) << "'" << typed << "'";
        EXPECT_EQ(errors[0],
                  QStringLiteral("'%1' is not a valid floating point value").arg(QString::fromLatin1(typed)));
        EXPECT_FLOAT_EQ(e->Value, 400.5278f) << typed;
        EXPECT_EQ(e->Format, QByteArray("%.4f")) << typed;
        EXPECT_EQ(e->BackColor, 0x80FF80u) << typed;
        EXPECT_EQ(e->ScaleW, 1) << typed;
        EXPECT_FALSE(Modified()) << typed;
    }
}

TEST_F(PropertyCommand, ValueTextWhateverTheLocale)
{
    struct Case
    {
        float Value;
        const char* Shown;
    };
    const Case cases[] = {
        {400.5278f, "400.527802"},      {0.0f, "0.000000"},           {-1.5f, "-1.500000"},
        {1234567.5f, "1234567.500000"}, {1e20f, "1.00000002004e+20"},
    };
    QLocale::setDefault(QLocale(QLocale::German)); // a comma country; the dialog must not care
    for (const Case& c : cases) {
        const auto text = FixedText(c.Value, 6, 12);
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(*text, QString::fromLatin1(c.Shown));
        EXPECT_EQ(ParseFloatText(*text), c.Value) << c.Shown; // what is shown reads back as the same float
    }
    QLocale::setDefault(QLocale::c());
    EXPECT_FALSE(FixedText(std::numeric_limits<float>::quiet_NaN(), 6, 12).has_value());
    EXPECT_FALSE(ParseFloatText(QStringLiteral("1,000.5")).has_value());
    EXPECT_EQ(ParseFloatText(QStringLiteral(" 2.5 ")), 2.5f);
}

TEST_F(PropertyCommand, ValueIsShownAsTheShortestTextThatReadsBack)
{
    struct Case
    {
        float Value;
        const char* Shown; // null: only the round trip is checked
    };
    const Case cases[] = {
        {400.5278f, "400.5278"},
        {123.45f, "123.45"},
        {0.1f, "0.1"},
        {0.0f, "0"},
        {-1.5f, "-1.5"},
        {1234567.5f, "1234567.5"},
        {1e-7f, "0.0000001"},
        {16777217.0f, "16777216"}, // the float nearest to what was typed
        {1e20f, nullptr},
        {std::numeric_limits<float>::max(), nullptr},
        {std::numeric_limits<float>::denorm_min(), nullptr},
        {-std::numeric_limits<float>::min(), nullptr},
    };
    QLocale::setDefault(QLocale(QLocale::German)); // a comma country; the dialog must not care
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Value);
        const auto text = ShortestText(c.Value);
        ASSERT_TRUE(text.has_value());
        if (c.Shown) {
            EXPECT_EQ(*text, QString::fromLatin1(c.Shown));
        }
        EXPECT_FALSE(text->contains(u'e')) << text->toStdString();
        const auto back = ParseFloatText(*text);
        ASSERT_TRUE(back.has_value()) << text->toStdString();
        EXPECT_EQ(std::bit_cast<quint32>(*back), std::bit_cast<quint32>(c.Value)) << text->toStdString();
    }
    QLocale::setDefault(QLocale::c());
    EXPECT_FALSE(ShortestText(std::numeric_limits<float>::quiet_NaN()).has_value());
    EXPECT_FALSE(ShortestText(std::numeric_limits<float>::infinity()).has_value());

    // The window shows it so.
    TElement* e = Place(ekDRO);
    e->Value = 123.45f;
    TPropTxtForm* d = Dialogs().PropTxtForm;
    user = [&](QDialog&) {
        EXPECT_EQ(d->cxVal->text(), QStringLiteral("123.45"));
        Ok(*d);
    };
    Properties();
    EXPECT_EQ(e->Value, 123.45f) << "OK without a change keeps the value";
}

TEST_F(PropertyCommand, ValueThatCannotBeShownWarnsAndFillingGoesOn)
{
    TElement* e = Place(ekDRO);
    e->Value = std::numeric_limits<float>::infinity();
    SetActiveLanguage(LangRussian);
    TPropTxtForm* d = Dialogs().PropTxtForm;
    user = [&](QDialog&) {
        EXPECT_EQ(d->cxText->text(), QStringLiteral("%.4f")) << "filling went on";
        EXPECT_EQ(d->cxBkg->Color(), 0x80FF80u);
        Cancel(*d);
    };
    Properties();
    EXPECT_EQ(notices, QStringList{QStringLiteral("Формат %.4f неверен !!")});
    SetActiveLanguage(LangEnglish);
    notices.clear();
    Properties();
    EXPECT_EQ(notices, QStringList{QStringLiteral("Format %.4f is invalid !!")});
}

TEST_F(PropertyCommand, FormatBoxRefusesWhatTheDroCannotHold)
{
    TElement* e = Place(ekDRO);
    TPropTxtForm* d = Dialogs().PropTxtForm;
    user = [&](QDialog&) {
        d->cxText->selectAll();
        QTest::keyClicks(d->cxText, QStringLiteral("%.2f0123456789ABCDEF"));
        EXPECT_EQ(d->cxText->text(), QStringLiteral("%.2f012345")) << "10 bytes at most: what the project file keeps";
        EXPECT_TRUE(d->Button1->isEnabled());
        // A format the DRO cannot print is shown at once, and OK is not offered for it.
        for (const char* bad : {"%d", "%s", "%n", "%f%f", "%*f", "none", "%"}) {
            d->cxText->selectAll();
            QTest::keyClicks(d->cxText, QString::fromLatin1(bad));
            EXPECT_TRUE(d->lbFormat->isVisible()) << bad;
            EXPECT_EQ(d->lbFormat->text(),
                      QStringLiteral("Format %1 is invalid !!").arg(QString::fromLatin1(bad)));
            EXPECT_FALSE(d->Button1->isEnabled()) << bad;
        }
        Ok(*d); // a disabled button does not close the window
        EXPECT_TRUE(d->isVisible());
        d->cxText->setText(QStringLiteral("%5.1f%%"));
        EXPECT_FALSE(d->lbFormat->isVisible());
        Ok(*d);
    };
    Properties();
    EXPECT_EQ(e->Format, QByteArray("%5.1f%%"));
}

TEST_F(PropertyCommand, PowerFailDroLeavesOutlineAndAxis)
{
    TElement* pf = form->PowerFail().AddElement(ekDRO, 10, 20);
    pf->Format = "%3.0f";
    pf->Value = 0.0f;
    pf->PenColor = 0x010101;
    pf->AxisNum = 3;
    pf->ShowAsAxis = 0;
    Saved();
    TPropTxtForm* d = Dialogs().PropTxtForm;
    user = [&](QDialog&) {
        EXPECT_EQ(d->cxVal->text(), QStringLiteral("0"));
        d->cxVal->setText(QStringLiteral("12"));
        d->cxBkg->SetColor(0x00FF00);
        d->chAxis->setChecked(true);
        d->cxAxisNum->setCurrentIndex(0);
        Retype(d->cxOrder, QStringLiteral("300"));
        Ok(*d);
    };
    // Outside the DRO a double-click on the power-fail screen does nothing.
    QTest::mouseDClick(form->PowerFailView(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 300));
    EXPECT_EQ(shown, 0);
    QTest::mouseDClick(form->PowerFailView(), Qt::LeftButton, Qt::NoModifier,
                       QPoint(pf->Left + 2, pf->Top + 2));
    EXPECT_EQ(shown, 1);
    EXPECT_FLOAT_EQ(pf->Value, 12.0f);
    EXPECT_EQ(pf->BackColor, 0x00FF00u);
    EXPECT_EQ(pf->PenColor, 0x010101u);
    EXPECT_EQ(pf->ShowAsAxis, 0);
    EXPECT_EQ(pf->AxisNum, 3);
    EXPECT_EQ(pf->OrderNo, 299);
    EXPECT_TRUE(Modified());
}

// --- clock, free text, shape, shift ----------------------------------------------------------------

TEST_F(PropertyCommand, ClockWindowForClocksAndTheStatusString)
{
    TPropTimeForm* d = Dialogs().PropTimeForm;
    for (const auto& [kind, dwEnabled] : {std::pair(ekClock, true), std::pair(ekStatus, false)}) {
        Screen().Clear();
        TElement* e = Place(kind);
        e->PenColor = 0x010101;
        const int chars = int(e->Text.size());
        user = [&, dwEnabled = dwEnabled](QDialog&) {
            EXPECT_EQ(d->cxdW->isEnabled(), dwEnabled);
            EXPECT_EQ(d->cxBkg->Color(), e->BackColor);
            EXPECT_EQ(d->cxFont->Color(), e->TextColor);
            d->cxBkg->SetColor(0x00FFFF);
            d->cxFont->SetColor(0x000000);
            if (dwEnabled)
                Retype(d->cxdW, QStringLiteral("2"));
            Retype(d->cxdH, QStringLiteral("2"));
            Ok(*d);
        };
        Properties();
        EXPECT_EQ(e->BackColor, 0x00FFFFu);
        EXPECT_EQ(e->PenColor, 0x010101u);
        EXPECT_EQ(e->TextColor, 0x000000u);
        EXPECT_EQ(e->ScaleW, dwEnabled ? 2 : 1);
        EXPECT_EQ(e->ScaleH, 2);
        EXPECT_EQ(e->Width, chars * 8 * e->ScaleW);
        EXPECT_EQ(e->Height, 28);
    }
}

TEST_F(PropertyCommand, FreeTextWithItsFont)
{
    TElement* e = Place(ekText);
    TPropLblForm* d = Dialogs().PropLblForm;
    // The font dialog offers face, style and size only.
    for (QCheckBox* effect : d->FontDialog->findChildren<QCheckBox*>())
        EXPECT_FALSE(effect->isVisibleTo(d->FontDialog)) << effect->text().toStdString();
    QFont offered;
    d->PickFont = [&](QFont& font) {
        offered = font;
        font = QFont(QStringLiteral("Courier New"));
        font.setPointSize(14);
        font.setBold(true);
        font.setUnderline(true);
        return true;
    };
    user = [&](QDialog&) {
        EXPECT_EQ(d->cxText->text(), QStringLiteral("Text"));
        QTest::mouseClick(d->Button3, Qt::LeftButton);
        EXPECT_EQ(offered.family(), QStringLiteral("Times New Roman"));
        EXPECT_EQ(offered.pointSize(), 10);
        Cancel(*d);
    };
    Properties();
    EXPECT_EQ(e->FontName, QStringLiteral("Times New Roman"));
    EXPECT_EQ(e->FontSize, 10);
    EXPECT_FALSE(e->FontBold);

    user = [&](QDialog&) {
        d->cxText->setText(QStringLiteral("Привет")); // typed through the platform's input method
        d->cxColor->SetColor(0x0000FF);
        d->cxBkg->SetColor(0xFFFFFF);
        QTest::mouseClick(d->Button3, Qt::LeftButton);
        Ok(*d);
    };
    Properties();
    EXPECT_EQ(e->Text, ToCodePage(u"Привет"));
    EXPECT_EQ(e->TextColor, 0x0000FFu);
    EXPECT_EQ(e->BackColor, 0xFFFFFFu);
    EXPECT_EQ(e->FontName, QFont(QStringLiteral("Courier New")).family());
    EXPECT_EQ(e->FontSize, 14);
    EXPECT_TRUE(e->FontBold);
    EXPECT_FALSE(e->FontItalic);
    // The size follows the new text in the new font.
    const QFontMetrics metrics(e->TextFont(1));
    EXPECT_EQ(e->PanelW, metrics.horizontalAdvance(QStringLiteral("Привет")));
    EXPECT_EQ(e->Width, e->PanelW * Screen().Zoom);
}

// Characters outside the panel's code page: the window says so as they are typed, the element gets
// '?' for them (what the panel will show) and keeps the text as typed for the next opening.
TEST_F(PropertyCommand, CharactersThePanelCannotShowAreNamedAsTheyAreTyped)
{
    struct Case
    {
        quint8 kind;
        const char* typed;
        const char* note; // empty: hidden
        const char* stored;
    };
    const Case cases[] = {
        {ekText, "Привет", "", "Привет"},
        {ekText, "Ток \xE2\x9C\x93 \xE2\x9C\x93 \xE2\x98\xBA",
         "The panel cannot show: \xE2\x9C\x93\xE2\x98\xBA (they become \"?\")", "Ток ? ? ?"},
        {ekDRO, "%.1f\xC2\xB0", "", "%.1f\xC2\xB0"}, // the degree sign is in the code page
        {ekDRO, "%.1f\xE2\x84\x83", "The panel cannot show: \xE2\x84\x83 (they become \"?\")", "%.1f?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Screen().Clear();
        TElement* e = Place(c.kind);
        QLineEdit* box = c.kind == ekText ? Dialogs().PropLblForm->cxText : Dialogs().PropTxtForm->cxText;
        QLabel* note = c.kind == ekText ? Dialogs().PropLblForm->lbChars : Dialogs().PropTxtForm->lbChars;
        const QString typed = QString::fromUtf8(c.typed);
        user = [&](QDialog& d) {
            EXPECT_FALSE(note->isVisible());
            box->selectAll();
            box->insert(typed); // typed through the platform's input method
            EXPECT_EQ(note->isVisible(), *c.note != 0);
            if (*c.note) {
                EXPECT_EQ(note->text(), QString::fromUtf8(c.note));
            }
            Ok(d);
        };
        Properties();
        const QByteArray& field = c.kind == ekText ? e->Text : e->Format;
        EXPECT_EQ(field, ToCodePage(QString::fromUtf8(c.stored)));
        EXPECT_EQ(e->LostText(), *c.note ? typed : QString());

        // Opened again, the window shows the text as typed and says so again.
        user = [&](QDialog& d) {
            EXPECT_EQ(box->text(), typed);
            EXPECT_EQ(note->isVisible(), *c.note != 0);
            Cancel(d);
        };
        Properties();
    }
    // Once something else is written into the field, the typed text no longer belongs to it.
    TElement* e = Place(ekText);
    e->TypedText = QStringLiteral("\u2713");
    e->SetText("?");
    EXPECT_EQ(e->LostText(), QStringLiteral("\u2713"));
    e->SetText("other");
    EXPECT_EQ(e->LostText(), QString());
}

TEST_F(PropertyCommand, FontDialogCancelledKeepsTheHeldFont)
{
    TElement* e = Place(ekText);
    TPropLblForm* d = Dialogs().PropLblForm;
    d->PickFont = [](QFont& font) {
        font = QFont(QStringLiteral("Courier New"));
        return false;
    };
    user = [&](QDialog&) {
        QTest::mouseClick(d->Button3, Qt::LeftButton);
        EXPECT_EQ(d->HeldFont().family(), QFont(QStringLiteral("Times New Roman")).family());
        Ok(*d);
    };
    Properties();
    EXPECT_EQ(e->FontName, QFont(QStringLiteral("Times New Roman")).family());
    EXPECT_EQ(e->FontSize, 10);
}

TEST_F(PropertyCommand, ShapeAndShiftKeepTheirSizeAtZoom)
{
    struct Case
    {
        quint8 Kind;
        int Zoom, PanelW, PanelH;
    };
    for (const Case& c : {Case{ekShape, 3, 40, 20}, Case{ekShift, 2, 15, 15}}) {
        Screen().Clear();
        form->List().SetZoom(quint8(c.Zoom));
        TElement* e = Place(c.Kind);
        e->PanelW = c.PanelW;
        e->PanelH = c.PanelH;
        e->ApplyZoom();
        ASSERT_EQ(e->Width, c.PanelW * c.Zoom);
        QDialog* d =
            c.Kind == ekShape ? static_cast<QDialog*>(Dialogs().PropShpForm) : Dialogs().PropShiftForm;
        user = [&](QDialog&) {
            EXPECT_EQ(Child<QSpinBox>(*d, "cxW")->value(), c.PanelW);
            EXPECT_EQ(Child<QSpinBox>(*d, "cxH")->value(), c.PanelH);
            Ok(*d);
        };
        Properties();
        EXPECT_EQ(e->Width, c.PanelW * c.Zoom);
        EXPECT_EQ(e->Height, c.PanelH * c.Zoom);
        EXPECT_EQ(e->PanelW, c.PanelW);
        EXPECT_EQ(e->PanelH, c.PanelH);
    }
}

TEST_F(PropertyCommand, ShapeIsWrittenBack)
{
    form->List().SetZoom(2);
    TElement* e = Place(ekShape);
    TPropShpForm* d = Dialogs().PropShpForm;
    const QStringList items = {QStringLiteral("Rectangle"),       QStringLiteral("Square"),
                               QStringLiteral("Round rectangle"), QStringLiteral("Round square"),
                               QStringLiteral("Ellipse"),         QStringLiteral("Circle")};
    user = [&](QDialog&) {
        EXPECT_EQ(d->rgShape->title(), QStringLiteral(" Shape "));
        for (int i = 0; i < items.size(); ++i)
            EXPECT_EQ(d->rgShape->Button(i)->text(), items[i]);
        EXPECT_EQ(d->rgShape->ItemIndex(), 0);
        QTest::mouseClick(d->rgShape->Button(4), Qt::LeftButton);
        d->cxBkg->SetColor(0x00FF00);
        d->cxPen->SetColor(0x0000FF);
        Retype(d->cxW, QStringLiteral("33"));
        Retype(d->cxH, QStringLiteral("11"));
        Ok(*d);
    };
    Properties();
    EXPECT_EQ(e->ShapeType, stEllipse);
    EXPECT_EQ(e->BackColor, 0x00FF00u);
    EXPECT_EQ(e->PenColor, 0x0000FFu);
    EXPECT_EQ(e->Width, 66);
    EXPECT_EQ(e->Height, 22);
    EXPECT_EQ(e->PanelW, 33);
    EXPECT_EQ(e->PanelH, 11);
}

// --- image, background ----------------------------------------------------------------------------

TEST_F(PropertyCommand, ImageTakesThePictureAtTheZoom)
{
    form->List().SetZoom(2);
    TElement* e = Place(ekImage);
    const QString file = dir.filePath(QStringLiteral("picture.bmp"));
    ASSERT_TRUE(testutil::SolidImage(100, 80, 0x336699).save(file, "BMP"));
    pictureName = file;
    Properties();
    EXPECT_EQ(shown, 0) << "an image has no window of its own";
    EXPECT_EQ(e->Width, 200);
    EXPECT_EQ(e->Height, 160);
    EXPECT_EQ(e->PanelW, 100);
    EXPECT_EQ(e->PanelH, 80);
    EXPECT_EQ(e->Picture.size(), QSize(100, 80));
    EXPECT_EQ(FromCodePage(e->Text), file);
    EXPECT_TRUE(Modified());

    // Cancelling the file dialog changes nothing; it opens on the current file.
    Saved();
    pictureName.clear();
    Properties();
    EXPECT_EQ(presets.last(), file);
    EXPECT_EQ(e->Width, 200);
    EXPECT_FALSE(Modified());
}

TEST_F(PropertyCommand, ImageKeepsItsPictureWhenTheFileHasNone)
{
    TElement* e = Place(ekImage);
    e->Picture = testutil::SolidImage(50, 50, 0xFF0000);
    // A file that is no picture, and one that cannot be decoded.
    const QString other = dir.filePath(QStringLiteral("notes.txt"));
    const QString broken = dir.filePath(QStringLiteral("broken.bmp"));
    testutil::WriteAll(other, "text");
    testutil::WriteAll(broken, "BM not really");
    for (const QString& file : {other, broken}) {
        errors.clear();
        pictureName = file;
        Properties();
        EXPECT_EQ(errors.size(), 1) << file.toStdString();
        EXPECT_EQ(e->Picture.size(), QSize(50, 50));
        EXPECT_EQ(e->Width, 50);
        EXPECT_TRUE(e->Text.isEmpty());
        EXPECT_FALSE(Modified());
    }
}

TEST_F(PropertyCommand, DoubleClickOnTheFreeScreenSetsTheBackgroundColour)
{
    TElement* e = Place(ekShift, 100, 100);
    Screen().SelectElement(e);
    colorAnswer.reset();
    DoubleClick(QPoint(5, 300));
    EXPECT_EQ(pickedFrom, 0xFFFFFFu) << "the dialog opens on the screen's colour";
    EXPECT_EQ(Screen().SelectedElement, nullptr);
    EXPECT_EQ(Screen().BackgroundColor, 0xFFFFFFu);
    EXPECT_FALSE(Modified());
    EXPECT_EQ(shown, 0);

    colorAnswer = 0x00FFFF;
    DoubleClick(QPoint(5, 300));
    EXPECT_EQ(Screen().BackgroundColor, 0x00FFFFu);
    EXPECT_TRUE(Modified());
    EXPECT_EQ(View()->Image().pixelColor(7, 303), QColor(255, 255, 0)); // between grid lines
}

// --- the windows' controls ----------------------------------------------------------------------

TEST_F(PropertyCommand, WindowsCarryTheirControls)
{
    struct Case
    {
        QDialog* Window;
        std::vector<const char*> Names;
        const char* OkText;
        std::vector<const char*> Labels;
    };
    const Case cases[] = {
        {Dialogs().PropTxtForm,
         {"cxOrder", "cxVal", "cxText", "cxBkg", "cxFont", "cxdW", "cxdH", "chAxis", "cxAxis", "cxAxisNum"},
         "Ok",
         {"Order No", "Back", "Text", "dW", "dH", "Color", "Axis"}},
        {Dialogs().PropTimeForm, {"cxBkg", "cxFont", "cxdW", "cxdH"}, "OK", {"Back", "Text", "dW", "dH"}},
        {Dialogs().PropLblForm,
         {"cxText", "cxBkg", "cxColor", "Button3", "FontDialog"},
         "OK",
         {"Back", "Text"}},
        {Dialogs().PropShpForm,
         {"cxBkg", "cxPen", "cxW", "cxH", "rgShape"},
         "OK",
         {"Back", "Canvas", "W", "H"}},
        {Dialogs().PropShiftForm, {"cxW", "cxH"}, "OK", {"W", "H"}},
        {Dialogs().PropLEDForm,
         {"cxOrder", "cxOn", "cxOff", "cxMode", "cxInterval", "lbEx"},
         "OK",
         {"Order No", "On", "Off", "Mode", "Blink interval (ms)"}},
        {Dialogs().PropBarForm,
         {"cxOrder", "cxW", "cxH", "shRed", "shYellow", "shGreen", "shBkg", "cxRPct", "cxYPct", "cxMaxVal",
          "cxValue", "Button3"},
         "Ok",
         {"Order No", "W", "H", "Red %", "Yellow %", "Maximum", "Test:"}},
    };
    for (const Case& c : cases) {
        for (const char* name : c.Names)
            EXPECT_NE(c.Window->findChild<QObject*>(QString::fromLatin1(name)), nullptr)
                << c.Window->objectName().toStdString() << " " << name;
        EXPECT_EQ(Child<QPushButton>(*c.Window, "Button1")->text(), QString::fromLatin1(c.OkText));
        EXPECT_EQ(Child<QPushButton>(*c.Window, "Button2")->text(), QStringLiteral("Cancel"));
        EXPECT_TRUE(c.Window->windowFlags() & Qt::Tool);
        // Each label names one of the window's texts.
        QStringList labels;
        for (QLabel* l : c.Window->findChildren<QLabel*>())
            labels << l->text();
        for (const char* text : c.Labels) {
            EXPECT_TRUE(labels.contains(QString::fromLatin1(text))) << text;
        }
    }
    QComboBox* axis = Dialogs().PropTxtForm->cxAxisNum;
    EXPECT_TRUE(axis->isEditable());
    QStringList items;
    for (int i = 0; i < axis->count(); ++i)
        items << axis->itemText(i);
    EXPECT_EQ(items, (QStringList{"X", "Y", "Z", "A", "B", "C"}));
    EXPECT_EQ(Dialogs().PropTxtForm->chAxis->text(), QStringLiteral("Show as Axis"));
}

} // namespace
