#pragma once

// The designer's preview of pulsing LEDs: a periodic tick that flips each pulsing LED between its on
// and off colours once its interval has passed. The counting is in ticks of a fixed period, not in
// measured time, so a slow machine blinks slower rather than skipping phases.

class TElement;
class TLCD;

// The period of the blink preview's timer, in milliseconds.
inline constexpr int BlinkPeriod = 10;

// One tick for one element. Only an LED whose LedMode is not 0 takes part: its BlinkCounter grows by
// `period`; once it reaches BlinkInterval it returns to 0, BlinkPhase flips and BackColor and
// PenColor take OnColor (phase on) or OffColor (phase off). Returns true exactly when the phase
// flipped. The counter never wraps: an interval near the top of its 16 bits is still reached.
bool BlinkStep(TElement& element, int period = BlinkPeriod);

// One tick for every element of the screen, in list order; the screen is redrawn once when any LED
// flipped. Returns the number of LEDs that flipped. Marks nothing modified: blinking is no change
// of the design.
int BlinkScreen(TLCD& screen, int period = BlinkPeriod);
