// The blink preview of pulsing LEDs, without a window.

#include "model/blink.h"
#include "model/tlcd.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

constexpr TColor On = 0x0000FF, Off = 0x00FF00;

TElement* PulsingLed(TLCD& screen, quint16 interval)
{
    TElement* e = screen.AddElement(ekLED, 0, 0);
    e->LedMode = 1;
    e->BlinkInterval = interval;
    e->OnColor = On;
    e->OffColor = Off;
    e->BackColor = e->PenColor = Off;
    return e;
}

// The ticks (1-based) at which the LED flipped, over `ticks` ticks.
std::vector<int> FlipTicks(TElement& e, int ticks)
{
    std::vector<int> flips;
    for (int t = 1; t <= ticks; ++t)
        if (BlinkStep(e))
            flips.push_back(t);
    return flips;
}

TEST(Blink, PulsingLedShowsEachColourForItsIntervalInTicks)
{
    TLCD screen;
    TElement* led = PulsingLed(screen, 500);
    for (int cycle = 0; cycle < 4; ++cycle) {
        for (int t = 1; t < 50; ++t) {
            EXPECT_FALSE(BlinkStep(*led));
            ASSERT_EQ(led->BackColor, cycle % 2 ? On : Off) << "cycle " << cycle << " tick " << t;
        }
        EXPECT_TRUE(BlinkStep(*led));
        EXPECT_EQ(led->BackColor, cycle % 2 ? Off : On);
        EXPECT_EQ(led->PenColor, led->BackColor);
        EXPECT_EQ(led->BlinkCounter, 0);
    }
}

TEST(Blink, IntervalsAtTheEdgesOfTheCounter)
{
    struct Case
    {
        quint16 Interval;
        std::vector<int> Flips; // within the first 20 ticks, or the first flip for long intervals
    };
    const Case cases[] = {
        {0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
        {10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
        {15, {2, 4, 6, 8, 10, 12, 14, 16, 18, 20}},
        {100, {10, 20}},
    };
    for (const Case& c : cases) {
        TLCD screen;
        EXPECT_EQ(FlipTicks(*PulsingLed(screen, c.Interval), 20), c.Flips) << "interval " << c.Interval;
    }
    // The top of the 16-bit counter is reached, not wrapped past.
    TLCD screen;
    const std::vector<int> flips = FlipTicks(*PulsingLed(screen, 65535), 6554);
    EXPECT_EQ(flips, std::vector<int>{6554});
}

TEST(Blink, OnlyPulsingLedsTakePart)
{
    TLCD screen;
    TElement* steady = PulsingLed(screen, 10);
    steady->LedMode = 0;
    TElement* dro = screen.AddElement(ekDRO, 0, 0);
    dro->LedMode = 1; // a stray mode on another kind is no LED
    dro->BlinkInterval = 10;
    const TColor droBack = dro->BackColor;
    TElement* pulsing = PulsingLed(screen, 10);
    screen.SetModified(false);

    QSignalSpy changed(&screen, &TLCD::Changed);
    EXPECT_EQ(BlinkScreen(screen), 1);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(pulsing->BackColor, On);
    EXPECT_EQ(steady->BackColor, Off);
    EXPECT_EQ(steady->BlinkCounter, 0);
    EXPECT_EQ(dro->BackColor, droBack);
    EXPECT_FALSE(screen.Modified);

    // A tick that flips nothing redraws nothing.
    pulsing->BlinkInterval = 1000;
    EXPECT_EQ(BlinkScreen(screen), 0);
    EXPECT_EQ(changed.count(), 1);
}

TEST(Blink, SteadyLedKeepsTheColourItShowedLast)
{
    TLCD screen;
    TElement* led = PulsingLed(screen, 10);
    BlinkStep(*led);
    ASSERT_EQ(led->BackColor, On);
    led->LedMode = 0;
    for (int t = 0; t < 5; ++t)
        BlinkStep(*led);
    EXPECT_EQ(led->BackColor, On);
    EXPECT_TRUE(led->BlinkPhase);
}

} // namespace
