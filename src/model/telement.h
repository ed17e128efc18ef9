#pragma once

#include "model/elementkind.h"
#include "base/urgb.h"

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QString>

class TLCD;

// The largest pixel size of a free text's font at zoom 1, far beyond any panel: a size read from a
// file is clamped to it so that the sizes derived from it (times the zoom, the text's width) stay ints.
inline constexpr int MaxFontPixelSize = 4096;

// The four one-row segment pictures of a bar.
enum class BarSegment { Green, Yellow, Red, Bkg };

// The built-in 22 x 1 picture of a segment (24 bits per pixel), taken by a bar whose segment file is
// empty.
QImage DefaultBarPicture(BarSegment segment);

// The picture a dropped image element shows until a file is chosen: 50 x 50, 24 bits per pixel.
QImage ImagePlaceholder();

// What an element holds, without its screen: a plain value, so that a copy of it is the element's
// state (undo keeps one where a change needs it; pictures are shared, not copied).
struct TElementData
{
    quint8 Kind = 0;

    qint32 Left = 0, Top = 0, Width = 65, Height = 65;
    qint32 PanelX = 0, PanelY = 0, PanelW = 0, PanelH = 0;
    qint16 OrderNo = 0;
    qint16 Reserved = 0;

    QByteArray Text;
    QByteArray Format;
    float Value = 90.0f;
    quint16 MaxVal = 100;
    quint8 YellowPct = 60;
    quint8 RedPct = 80;
    quint8 ScaleW = 1, ScaleH = 1;

    TColor TextColor = 0;
    TColor BackColor = 0;
    TColor PenColor = 0;
    quint8 ShapeType = stRectangle;

    QString FontName;
    qint32 FontSize = 0; // points
    bool FontBold = false, FontItalic = false;

    TColor OnColor = 0, OffColor = 0;
    quint8 LedMode = 0;
    quint16 BlinkInterval = 0;
    quint16 BlinkCounter = 0; // blink preview state, never saved
    bool BlinkPhase = false;

    quint8 ShowAsAxis = 0;
    TColor AxisColor = 0;
    quint8 AxisNum = 0;

    QImage Picture;
    QImage GreenPic, YellowPic, RedPic, BkgPic;
    QString GreenPicFile, YellowPicFile, RedPicFile, BkgPicFile;

    QString Hint; // tool tip shown over the element

    // What the user typed for Text (a free text, an image's file name) or, for a DRO, Format, when the
    // code page could not hold all of it: the field holds it with '?' for those characters. Never
    // saved; it lets the window name the element at Save and Generate and show the text as typed.
    QString TypedText;

    bool ShowOrder = false;
    bool Selected = false;

    // Mouse-editing state.
    quint8 HitZone = hzNone;
    bool Dragging = false;
    qint32 DragX = 0, DragY = 0;
    TColor PickedColor = 0;
};

// One item placed on a screen. Created only by TLCD::AddElement, owned and destroyed by its screen.
//
// Two geometries are kept: Left/Top/Width/Height in window pixels of the magnified screen, and
// PanelX/PanelY/PanelW/PanelH in panel pixels; window = panel x zoom, panel = window div zoom.
// Texts that the panel sees (Text, Format) are bytes in the program's one-byte code page, so their
// length is their length in cells.
class TElement : public TElementData
{
  public:
    explicit TElement(TLCD* screen);
    TElement(const TElement&) = delete;
    TElement& operator=(const TElement&) = delete;

    TLCD* const Screen;

    // The element's design as a value (what undo restores), and its restoring: the selection, the
    // press in progress, the blink preview and the order-number display stay the element's own.
    TElementData Data() const { return *this; }
    void SetData(const TElementData& data);

    // TypedText while it still is what the field was made from, else empty.
    QString LostText() const;

    // The owning screen's zoom (window pixels per panel pixel).
    int Zoom() const;

    // Cell-text kinds: Width/Height from Text and the scales. Free text: PanelW/PanelH measured in its
    // font, Width/Height those times the zoom. Other kinds: nothing.
    void UpdateSize();
    // Stores Text and re-derives the size; does not mark the screen modified.
    void SetText(const QByteArray& text);
    // Store the cell scale, re-derive that dimension of a cell-text element, mark modified.
    void SetScaleW(quint8 value);
    void SetScaleH(quint8 value);
    void SetOrderNo(qint16 n) { OrderNo = n; }
    // Window geometry from panel geometry at the screen's current zoom.
    void ApplyZoom();

    // Replaces Picture with the picture of `fileName`. A missing file is first offered to the screen's
    // list (TLCD::RequestFile), which may change `fileName`. A file that still does not exist, or of
    // another type, gives no picture. A file that cannot be decoded throws TError and keeps the
    // previous picture.
    void LoadPicture(QString& fileName);

    // Gives a bar the built-in segment pictures (and clears the segment file names).
    void SetDefaultBarPictures();

    // The free text's font at `zoom` times its size; its size in pixels is FontSize points at 96 dpi,
    // kept within 1 .. MaxFontPixelSize whatever FontSize a file held.
    QFont TextFont(int zoom = 1) const;

    // Asks the screen to redraw.
    void Invalidate() const;
    // Sets the screen's and the list's modified flags.
    void MarkModified() const;
};
