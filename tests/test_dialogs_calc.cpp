// The RGB calculator: components to the panel's 16-bit value, picked colours, and its place in the
// main window.

#include "dialogs/ucalc.h"
#include "base/syscolors.h"
#include "test_dialogs_support.h"
#include "widgets/colorbox.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

namespace {

class Calculator : public DialogWindow
{
  protected:
    TCalcForm& Calc() const { return *Dialogs().CalcForm; }
    // Types the three components into their boxes.
    void Compose(int r, int g, int b)
    {
        Retype(Calc().cxR, QString::number(r));
        Retype(Calc().cxG, QString::number(g));
        Retype(Calc().cxB, QString::number(b));
    }
};

TEST_F(Calculator, ComponentsGiveThePanelValue)
{
    struct Case
    {
        int R, G, B;
        const char* Shown;
    };
    const Case cases[] = {
        {255, 255, 255, "0xFFFF"}, {255, 0, 0, "0xF800"}, {0, 255, 0, "0x07E0"},
        {0, 0, 255, "0x001F"},     {7, 3, 7, "0x0000"}, // below the first step of each field
        {8, 4, 8, "0x0821"},       {0, 0, 0, "0x0000"},   {0x12, 0x34, 0x56, "0x11AA"},
    };
    for (const Case& c : cases) {
        Compose(c.R, c.G, c.B);
        EXPECT_EQ(Calc().Edit1->text(), QString::fromLatin1(c.Shown)) << c.R << "," << c.G << "," << c.B;
        EXPECT_EQ(Calc().Panel1->palette().color(QPalette::Window), QColor(c.R, c.G, c.B));
    }
}

TEST_F(Calculator, StartsAtBlackAndKeepsItsLastColour)
{
    EXPECT_EQ(Calc().Edit1->text(), QStringLiteral("0x0000"));
    EXPECT_EQ(Calc().cxR->value(), 0);
    EXPECT_TRUE(Calc().Edit1->isReadOnly());
    user = [this](QDialog& d) {
        Compose(8, 4, 8);
        d.reject();
    };
    form->UpdateActions();
    ASSERT_TRUE(form->acCalc->isEnabled());
    form->acCalc->trigger();
    EXPECT_EQ(shownDialog, &Calc());
    user = [this](QDialog& d) {
        EXPECT_EQ(Calc().Edit1->text(), QStringLiteral("0x0821"));
        EXPECT_EQ(Calc().cxG->value(), 4);
        d.reject();
    };
    form->acCalc->trigger();
    EXPECT_EQ(shown, 2);
    EXPECT_FALSE(form->List().Modified) << "the calculator changes nothing in the project";
}

TEST_F(Calculator, PickedColourFillsTheComponents)
{
    auto pick = [this](const QString& name) {
        const int index = Calc().cxColor->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        Calc().cxColor->setCurrentIndex(index);
        emit Calc().cxColor->activated(index);
    };
    pick(QStringLiteral("Red"));
    EXPECT_EQ(Calc().cxR->value(), 255);
    EXPECT_EQ(Calc().cxG->value(), 0);
    EXPECT_EQ(Calc().Edit1->text(), QStringLiteral("0xF800"));

    // A system colour under its descriptive name gives what the desktop now gives it.
    quint8 buttonFace = 0;
    for (const TSystemColor& s : SystemColors())
        if (QString::fromLatin1(s.Title) == QStringLiteral("Button face"))
            buttonFace = s.Index;
    const TColor rgb = ResolveColor(SystemColorValue(buttonFace));
    pick(QStringLiteral("Button face"));
    EXPECT_EQ(Calc().cxR->value(), int(rgb & 0xFF));
    EXPECT_EQ(Calc().cxG->value(), int((rgb >> 8) & 0xFF));
    EXPECT_EQ(Calc().cxB->value(), int((rgb >> 16) & 0xFF));
    EXPECT_EQ(Calc().Edit1->text(), QString::asprintf("0x%.4X", unsigned(ColorTo16bit(rgb))));

    // The list: twenty named colours, the system colours, "Custom...".
    for (const char* name :
         {"Black", "Fuchsia", "Money green", "Sky blue", "Cream", "Medium gray", "Custom..."})
        EXPECT_GE(Calc().cxColor->findText(QString::fromLatin1(name)), 0) << name;
}

TEST_F(Calculator, WindowAndMenu)
{
    EXPECT_EQ(Calc().windowTitle(), QStringLiteral("RGB calculator"));
    EXPECT_EQ(Calc().size(), QSize(183, 159));
    EXPECT_TRUE(Calc().windowFlags() & Qt::Tool);
    for (QSpinBox* spin : {Calc().cxR, Calc().cxG, Calc().cxB})
        EXPECT_EQ(std::pair(spin->minimum(), spin->maximum()), std::pair(0, 255));
    QStringList bold;
    for (QLabel* l : Calc().findChildren<QLabel*>())
        if (l->font().bold())
            bold << l->text();
    EXPECT_EQ(bold, (QStringList{"R", "G", "B", "16-bit:"}));
    // "RGB calculator" stands in the Tools menu.
    QMenu* tools = nullptr;
    for (QAction* a : form->menuBar()->actions())
        if (a->text() == QStringLiteral("Tools"))
            tools = a->menu();
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(tools->actions().contains(form->acCalc));
    EXPECT_EQ(form->acCalc->text(), QStringLiteral("RGB calculator"));
    // Every child stays inside the small window.
    for (QWidget* w : Calc().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(Calc().rect().contains(w->geometry())) << w->objectName().toStdString();
    }
}

} // namespace
