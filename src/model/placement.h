#pragma once

// Where a palette item may be dropped and what a drop creates. The window only asks: the same rules
// serve a drag over a screen, a drop, and (later) a paste.

#include <QPoint>

class TElement;
class TLCD;

// A work screen takes every kind, one shift mark and one status line at most, DROs, LEDs and bars
// only while the budget lasts, and no more elements than the file counts per screen. The power-fail
// screen takes one DRO and nothing else.
enum class TScreenRole { Work, PowerFail };

// The free budget slots of a work screen: MaxElements less its DROs, LEDs and bars. Derived each
// time, so no counter can drift from the screen.
int Budget(const TLCD& screen);

// Whether an element of `kind` may be dropped on `screen` now.
bool CanDrop(const TLCD& screen, TScreenRole role, int kind);

// Drops an element of `kind` at `point` (screen coordinates) when CanDrop allows it and returns it,
// selected on a work screen; null and nothing changed otherwise. The new element gets its kind's
// defaults, the image placeholder or the default bar pictures, and the order number after the
// screen's other budgeted elements; the power-fail DRO starts at "%3.0f" showing 0.
TElement* Drop(TLCD& screen, TScreenRole role, int kind, QPoint point);

// Whether the element reaches past an edge of its screen (a longer format, a switch to landscape):
// the panel would cut it off.
bool PastEdge(const TElement& element);
