#pragma once

// Alignment, distribution, equal sizes and arrow-key moves of selected elements: where they go, in
// panel pixels. Nothing here changes an element until ApplyBox; the document records the change.

#include <QList>
#include <QSize>
#include <vector>

class TElement;
class TLCD;

enum class TAlign {
    Left,        // left edges on the selection's leftmost edge
    Right,       // right edges on its rightmost edge
    Top,         // top edges on its topmost edge
    Bottom,      // bottom edges on its bottommost edge
    HCentre,     // horizontal centres on the middle of the selection's bounding box (x changes)
    VCentre,     // vertical centres on its middle (y changes)
    DistributeH, // the leftmost and rightmost stay, the others between them with equal gaps
    DistributeV, // the same from top to bottom
    SameWidth,   // resizable elements take the reference's width
    SameHeight,  // resizable elements take the reference's height
};

// Every command, in the order the menus show them.
inline constexpr TAlign AlignCommands[] = {
    TAlign::Left,    TAlign::Right,       TAlign::Top,         TAlign::Bottom,    TAlign::HCentre,
    TAlign::VCentre, TAlign::DistributeH, TAlign::DistributeV, TAlign::SameWidth, TAlign::SameHeight};

// An element's place and size in panel pixels.
struct TPanelBox
{
    int X = 0, Y = 0, W = 0, H = 0;
    bool operator==(const TPanelBox&) const = default;
};

// The element's box as the panel sees it: its panel position, and its size as displayed divided by
// the zoom (a cell text's size follows its text, a free text's its font).
TPanelBox PanelBox(const TElement& element);

// How many elements a command needs: 2 to align, 3 to distribute; the size commands count only
// resizable elements.
int NeededCount(TAlign command);
// Whether the command can act on these elements.
bool CanAlign(TAlign command, const QList<TElement*>& elements);

// The element whose size SameWidth and SameHeight give the others: the first resizable one in the
// list (the selection lists its elements in stacking order, so the lowest); null when none.
TElement* SizeReference(const QList<TElement*>& elements);

// The elements' new boxes for `command`, in the order given (all of one screen), each kept on the
// screen; an element the command does not move or size keeps its box. Changes nothing.
std::vector<TPanelBox> AlignedBoxes(TAlign command, const QList<TElement*>& elements);

// A box moved by (dx, dy) and kept on the screen, as a mouse move keeps it.
TPanelBox MovedBox(const TPanelBox& box, int dx, int dy, QSize screen);

// What one arrow-key press moves, in panel pixels: one pixel, or with `gridStep` the screen's grid
// step (one pixel for a grid step of 0).
int ArrowStep(const TLCD& screen, bool gridStep);

// The screen's size in panel pixels.
QSize PanelSize(const TLCD& screen);

// Puts the element at the box: panel position, and panel size for a resizable kind (a bar no wider
// than MaxBarWidth); the window geometry follows at the screen's zoom.
void ApplyBox(TElement& element, const TPanelBox& box);
