#pragma once

// Mouse editing of a screen, as rules the screen view feeds with the user's gestures. All points are
// window pixels: relative to the element's top-left corner for element gestures, to the screen's for
// screen gestures.

#include <QPoint>
#include <QRect>
#include <optional>

#include "model/tlcd.h"

// Width of the edge bands that decide between moving and resizing.
inline constexpr int HitBandWidth = 5;

// The topmost element whose displayed rectangle holds the point, or null.
TElement* ElementAt(const TLCD& screen, QPoint point);

// The edge zone under a point of the element: left, right, top, bottom tested in that order.
quint8 HitZoneAt(const TElement& element, QPoint point);

// The pointer over a resizable element with no press in progress (resize pointers on the right and
// bottom zones, the normal one elsewhere); nothing for the other kinds, whose pointer is left alone.
std::optional<Qt::CursorShape> HoverCursor(const TElement& element, QPoint point);

// A press on an element: remembers the colour under it, the zone and the press point; selects the
// element (raising OnSelect) unless a group exists; raises OnDblClick for the second press of a
// double press.
void PressElement(TElement& element, QPoint point, bool doubleClick, TColor pickedColor);

// The pointer moved with a press in progress on the element: resizes by the right or bottom zone of a
// resizable kind, moves otherwise (the whole group when there is one); then raises OnSelect and marks
// the screen modified.
void DragElement(TElement& element, QPoint point);

// The press on the element ended: panel positions are taken for it and for every group member.
void ReleaseElement(TElement& element);

// A press on the screen's own area: picks the colour, raises OnMouseDown, starts a rubber band for
// a plain left press, clears the selection and the group.
void PressScreen(TLCD& screen, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, bool doubleClick,
                 QPoint point, TColor pickedColor);

// The pointer moved over the screen: with a band in progress its far corner follows the pointer.
// Returns true when the band changed.
bool MoveBand(TLCD& screen, QPoint point);

// The band as it stands, normalised (empty when no band is being drawn).
QRect BandRect(const TLCD& screen);

// A release over the screen's own area: ends the band and selects, as the group, every element whose
// displayed rectangle meets the rectangle from the band's start to the release point.
void ReleaseScreen(TLCD& screen, QPoint point);

// --- the selection as one list ---------------------------------------------------------------------
// A screen's selection is its group (rubber band, Ctrl+click, Select All) when it has one, else its
// selected element. Commands that act on "the selected elements" take this list.

// The elements of `screen` among `elements` (others are ignored), each once, in stacking order.
QList<TElement*> InStackingOrder(const TLCD& screen, const QList<TElement*>& elements);

// The selected elements of `screen`, in stacking order (bottom first); empty for none.
QList<TElement*> Selection(const TLCD& screen);

// Makes `elements` (of `screen`; others are ignored) the selection: one element becomes the selected
// element with no group, several become the group. Does not raise OnSelect.
void SetSelection(TLCD& screen, const QList<TElement*>& elements);

// Ctrl+click: adds the element to the selection or takes it out.
void ToggleSelected(TLCD& screen, TElement& element);

// Whether the elements are all of one kind (and there is at least one).
bool OneKind(const QList<TElement*>& elements);
