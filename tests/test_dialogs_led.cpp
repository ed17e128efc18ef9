// The LED properties window: filling and writing back, the live update, the interval controls, and
// the blink preview on the active screen.

#include "base/urgb.h"
#include "dialogs/upropled.h"
#include "output/screenfiles.h"
#include "project/lcdfile.h"
#include "test_dialogs_support.h"
#include "widgets/colorbox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

namespace {

class LedWindow : public DialogWindow
{
  protected:
    TPropLEDForm& Led() const { return *Dialogs().PropLEDForm; }
    // Chooses a mode in the drop-down list as the user does.
    void ChooseMode(int index)
    {
        Led().cxMode->setCurrentIndex(index);
        emit Led().cxMode->activated(index);
    }
    // A colour picked in a colour box as the user does.
    static void ChooseColor(TColorBox* box, const char* name)
    {
        const int index = box->findText(QString::fromLatin1(name));
        ASSERT_GE(index, 0) << name;
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    TElement* PulsingLed(TLCD& screen, quint16 interval)
    {
        TElement* e = screen.AddElement(ekLED, 10, 10);
        e->LedMode = 1;
        e->BlinkInterval = interval;
        e->OnColor = 0x0000FF;
        e->OffColor = 0x00FF00;
        e->BackColor = e->PenColor = e->OffColor;
        return e;
    }
};

TEST_F(LedWindow, IsFilledAndWrittenBack)
{
    TElement* e = Place(ekLED);
    e->OrderNo = 3;
    e->OnColor = 0x0000FF;
    e->OffColor = 0x808080;
    e->LedMode = 1;
    e->BlinkInterval = 250;
    user = [&](QDialog& d) {
        EXPECT_EQ(Led().cxOrder->value(), 4);
        EXPECT_EQ(Led().cxOn->Color(), 0x0000FFu);
        EXPECT_EQ(Led().cxOff->Color(), 0x808080u);
        EXPECT_EQ(Led().cxMode->currentText(), QStringLiteral("Pulsing"));
        EXPECT_EQ(Led().cxInterval->value(), 250);
        EXPECT_TRUE(Led().cxInterval->isVisible());
        EXPECT_TRUE(Led().lbEx->isVisible());
        ChooseColor(Led().cxOff, "Black");
        ChooseMode(0);
        Retype(Led().cxOrder, QStringLiteral("9"));
        Ok(d);
    };
    Properties();
    EXPECT_EQ(e->BackColor, 0x000000u);
    EXPECT_EQ(e->OffColor, 0x000000u);
    EXPECT_EQ(e->OnColor, 0x0000FFu);
    EXPECT_EQ(e->LedMode, 0);
    EXPECT_EQ(e->OrderNo, 8);
    EXPECT_EQ(e->BlinkInterval, 250);
    EXPECT_TRUE(Modified());
}

// A new LED is grey off and red lit everywhere: on the screen, in the window, in the project file
// and in the panel's element table.
TEST_F(LedWindow, ANewLedAgreesEverywhere)
{
    TElement* e = Place(ekLED, 30, 40);
    const QColor shown = View()->Image().pixelColor(e->Left + 10, e->Top + 10);
    EXPECT_EQ(shown, QColor(0x80, 0x80, 0x80));
    user = [&](QDialog& d) {
        EXPECT_EQ(Led().cxOff->Color(), 0x808080u);
        EXPECT_EQ(Led().cxOn->Color(), 0x0000FFu);
        Cancel(d);
    };
    Properties();

    const QString file = dir.filePath(QStringLiteral("led.lcd"));
    SaveProject(file, form->List(), form->PowerFail(), form->GatherSplash());
    TLCDList list;
    TLCD powerFail;
    LoadProject(file, list, powerFail);
    const TElement& back = *list.Items(0)->Item(0);
    EXPECT_EQ(back.OffColor, 0x808080u);
    EXPECT_EQ(back.BackColor, 0x808080u);
    EXPECT_EQ(back.OnColor, 0x0000FFu);

    const QByteArray record = ElementTableRecord(*e);
    auto u16 = [&record](int at) { return quint16(quint8(record[at]) | quint8(record[at + 1]) << 8); };
    EXPECT_EQ(u16(16), ColorTo16bit(0x0000FF)); // lit
    EXPECT_EQ(u16(18), ColorTo16bit(0x808080)); // off
}

TEST_F(LedWindow, IntervalControlsOnlyForPulsing)
{
    TElement* e = Place(ekLED);
    user = [&](QDialog& d) {
        EXPECT_EQ(Led().cxMode->count(), 2);
        EXPECT_EQ(Led().cxMode->itemText(0), QStringLiteral("Continuously"));
        EXPECT_FALSE(Led().cxMode->isEditable());
        EXPECT_FALSE(Led().cxInterval->isVisible());
        EXPECT_FALSE(Led().lbEx->isVisible());
        EXPECT_EQ(Led().lbEx->text(), QStringLiteral("Blink interval (ms)"));
        ChooseMode(1);
        EXPECT_TRUE(Led().cxInterval->isVisible());
        EXPECT_TRUE(Led().lbEx->isVisible());
        // Pulsing before OK: the LED on the screen takes the mode and blinks.
        EXPECT_EQ(e->LedMode, 1);
        const TColor before = e->BackColor;
        for (int t = 0; t < 10 && e->BackColor == before; ++t)
            Led().BlinkTick();
        EXPECT_NE(e->BackColor, before);
        Cancel(d);
    };
    const TColor resting = e->BackColor;
    Properties();
    EXPECT_EQ(e->LedMode, 0) << "Cancel puts the live changes back";
    EXPECT_EQ(e->BackColor, resting) << "and the colour the preview showed";
}

TEST_F(LedWindow, IntervalIsSteppedNotTyped)
{
    TElement* e = Place(ekLED);
    e->LedMode = 1;
    e->BlinkInterval = 20;
    user = [&](QDialog& d) {
        QSpinBox* interval = Led().cxInterval;
        EXPECT_TRUE(interval->findChild<QLineEdit*>()->isReadOnly());
        interval->setFocus();
        QTest::keyClicks(interval, QStringLiteral("999"));
        EXPECT_EQ(interval->value(), 20);
        QTest::keyClick(interval, Qt::Key_Down);
        EXPECT_EQ(interval->value(), 10);
        QTest::keyClick(interval, Qt::Key_Down);
        EXPECT_EQ(interval->value(), 10) << "never below 10";
        QTest::keyClick(interval, Qt::Key_PageUp);
        EXPECT_EQ(interval->value(), 110) << "large step 100";
        QTest::keyClick(interval, Qt::Key_Up);
        EXPECT_EQ(interval->value(), 120);
        EXPECT_EQ(e->BlinkInterval, 120) << "each step is passed on at once";
        Cancel(d);
    };
    Properties();
    EXPECT_EQ(e->BlinkInterval, 20) << "Cancel puts the interval back";
}

TEST_F(LedWindow, CancelPutsTheLedBackAsItWasOpened)
{
    TElement* e = Place(ekLED);
    e->OnColor = 0x0000FF;
    e->OffColor = 0x808080;
    e->BackColor = 0x808080;
    user = [&](QDialog& d) {
        ChooseColor(Led().cxOn, "Lime");
        EXPECT_EQ(e->OnColor, 0x00FF00u) << "live while the window is open";
        ChooseColor(Led().cxOff, "White");
        ChooseMode(1);
        for (int t = 0; t < 100; ++t)
            Led().BlinkTick();
        Retype(Led().cxOrder, QStringLiteral("12"));
        Cancel(d);
    };
    Properties();
    EXPECT_EQ(e->OnColor, 0x0000FFu);
    EXPECT_EQ(e->OffColor, 0x808080u);
    EXPECT_EQ(e->BackColor, 0x808080u);
    EXPECT_EQ(e->LedMode, 0);
    EXPECT_EQ(e->OrderNo, 0);
    EXPECT_FALSE(Modified());
}

TEST_F(LedWindow, LiveUpdateWithoutSelectionChangesNothing)
{
    TElement* e = Place(ekLED);
    user = [&](QDialog& d) {
        Screen().SelectElement(nullptr);
        ChooseColor(Led().cxOn, "Lime");
        Cancel(d);
    };
    Properties();
    EXPECT_NE(e->OnColor, 0x00FF00u);
}

TEST_F(LedWindow, BlinkTimerRunsFromStartUp)
{
    EXPECT_TRUE(Led().BlinkTimer->isActive());
    EXPECT_EQ(Led().BlinkTimer->interval(), 10);
    EXPECT_FALSE(Led().isVisible());
}

TEST_F(LedWindow, OnlyTheActiveScreenBlinksEachWithItsOwnCounter)
{
    TElement* first = PulsingLed(Screen(), 500);
    form->AddScreenPage(false);
    ASSERT_EQ(form->ActivePageIndex(), 1);
    TElement* second = PulsingLed(Screen(), 500);
    Saved();

    // 50 ticks of 10 ms make one interval of 500 ms.
    for (int t = 1; t <= 49; ++t)
        Led().BlinkTick();
    EXPECT_EQ(second->BackColor, 0x00FF00u);
    Led().BlinkTick();
    EXPECT_EQ(second->BackColor, 0x0000FFu);
    for (int t = 1; t <= 50; ++t)
        Led().BlinkTick();
    EXPECT_EQ(second->BackColor, 0x00FF00u);
    for (int t = 1; t <= 20; ++t)
        Led().BlinkTick();
    EXPECT_EQ(first->BackColor, 0x00FF00u);
    EXPECT_EQ(first->BlinkCounter, 0) << "the other screen's LED is left as it is";

    // After a page switch the first screen blinks, from its own counter; the second keeps its count.
    form->findChild<QTabWidget*>(QStringLiteral("PGscreen"))->setCurrentIndex(0);
    ASSERT_EQ(form->ActiveScreen(), first->Screen);
    for (int t = 1; t <= 50; ++t)
        Led().BlinkTick();
    EXPECT_EQ(first->BackColor, 0x0000FFu);
    EXPECT_EQ(second->BlinkCounter, 200);
    EXPECT_FALSE(Modified()) << "blinking is no change of the design";
}

} // namespace
