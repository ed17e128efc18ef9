#include "model/blink.h"

#include "model/elementkind.h"
#include "model/tlcd.h"

bool BlinkStep(TElement& e, int period)
{
    if (e.Kind != ekLED || e.LedMode == 0)
        return false;
    // Counted in int so that an interval close to 65535 is reached instead of wrapping past it.
    const int next = int(e.BlinkCounter) + period;
    if (next < int(e.BlinkInterval)) {
        e.BlinkCounter = quint16(next);
        return false;
    }
    e.BlinkCounter = 0;
    e.BlinkPhase = !e.BlinkPhase;
    e.BackColor = e.PenColor = e.BlinkPhase ? e.OnColor : e.OffColor;
    return true;
}

int BlinkScreen(TLCD& screen, int period)
{
    int flipped = 0;
    for (const auto& e : screen.Elements())
        if (BlinkStep(*e, period))
            ++flipped;
    if (flipped > 0)
        screen.Invalidate();
    return flipped;
}
