#pragma once

// The one renderer: draws a screen as the panel will show it, magnified by the screen's zoom, into a
// QImage. The screen view paints this image; Generate takes the same drawing at zoom 1 with only the
// background elements as a screen's background picture.

#include <QImage>

class QPainter;
class TElement;
class TLCD;

struct TRenderOptions
{
    bool BackgroundOnly = false; // leave out the elements the panel draws itself
    bool Grid = true;            // grid lines, when the screen shows its grid
    bool OrderLabels = true;     // order-number labels, on elements that show them
    bool SelectionFrames = true; // red frames of selected elements
};

// Options for a screen's background picture: background elements only, no editing aids.
TRenderOptions BackgroundPictureOptions();

// The screen at its zoom, DisplayWidth x DisplayHeight. Drawing a DRO formats its value, which sets
// its Text (and so its width): that is why the screen is not const.
QImage RenderScreen(TLCD& screen, const TRenderOptions& options = {});

// One element into `target` (32 bits per pixel, as RenderScreen makes it), with its top-left corner at
// (Left, Top), clipped to its own area.
void DrawElement(QImage& target, TElement& element, const TRenderOptions& options = {});

// The element's Text in the cell font at (x, y) of the element's area: only text pixels are set, in
// TextColor, each panel pixel a (ScaleW x zoom) x (ScaleH x zoom) block. Nothing for a zero scale.
void DrawCellText(QImage& target, const TElement& element, int x, int y);

// Rounds to the nearest integer, halves to the even neighbour (the bar's level arithmetic).
int RoundHalfEven(double value);

// The colour of a designer colour value (system colours resolved now).
QColor ToQColor(quint32 color);
