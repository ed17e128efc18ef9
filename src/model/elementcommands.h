#pragma once

// Element rules behind the main window's commands, kept here so that they are tested without a
// window.

#include "model/telement.h"

// "Copy properties": the target takes the source's font, text colour, fill and outline colours,
// Value, Format, cell scales, axis display and colour, and displayed size; its panel size becomes the
// displayed size divided by `listZoom`; its screen and project are marked modified. Refused (false,
// nothing changed) when the kinds differ. Text, OrderNo, AxisNum, the LED fields, MaxVal, the bar
// thresholds and pictures, ShapeType and Picture are never copied.
bool CopyProperties(TElement& target, const TElement& source, int listZoom);

// A property window's OK on several elements of one kind: the window was filled from one of them,
// whose fields went from `before` to `after`; `target` takes every field that changed there. Its
// place stays its own (position, stacking, order number, which must stay distinct), and its size
// follows from what it took: a text kind measures its own text again, a sized kind takes the new
// panel size. Marks the target's screen modified. Nothing happens when the kinds differ.
void ApplyChangedFields(TElement& target, const TElementData& before, const TElementData& after);

// A colour taken from the screen for a colour-pick target: the text colour (foreground), or the
// fill and outline colours (background). Marks the project modified.
void ApplyPickedColor(TElement& target, TColor color, bool background);

// The status line for an element: "X:%d Y:%d W:%d H:%d" in window pixels, or "--" for none.
QString ElementStatusText(const TElement* element);
