#include "model/telement.h"

#include "model/tlcd.h"
#include "model/tlcdlist.h"
#include "base/codepage.h"
#include "base/picturecache.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <array>

namespace {

using BarRow = std::array<quint32, 22>; // 0xRRGGBB, left to right

constexpr BarRow GreenRow = {0x003E00, 0x003E00, 0x005D00, 0x005D00, 0x007C00, 0x007C00, 0x009B00, 0x009B00,
                             0x00BA00, 0x00BA00, 0x00D900, 0x00D900, 0x00BA00, 0x00BA00, 0x009B00, 0x009B00,
                             0x007C00, 0x007C00, 0x005D00, 0x005D00, 0x003E00, 0x003E00};
constexpr BarRow YellowRow = {0xD99300, 0xD99300, 0xF0AA00, 0xF0AA00, 0xFFB624, 0xFFB624, 0xFFC248, 0xFFC248,
                              0xFFCE6C, 0xFFCE6C, 0xFFDA90, 0xFFDA90, 0xFFCE6C, 0xFFCE6C, 0xFFC248, 0xFFC248,
                              0xFFB624, 0xFFB624, 0xF0AA00, 0xF0AA00, 0xD99300, 0xD99300};
constexpr BarRow RedRow = {0x9B0000, 0x9B0000, 0xBA0000, 0xBA0000, 0xD90000, 0xD90000, 0xF00000, 0xF00000,
                           0xFF2424, 0xFF2424, 0xFF6C6C, 0xFF6C6C, 0xFF2424, 0xFF2424, 0xF00000, 0xF00000,
                           0xD90000, 0xD90000, 0xBA0000, 0xBA0000, 0x9B0000, 0x9B0000};
constexpr BarRow BkgRow = {0x2D2D88, 0x3939AB, 0x3939AB, 0x3939AB, 0x4A4AC3, 0x4A4AC3, 0x4A4AC3, 0x6666CC,
                           0x6666CC, 0x6666CC, 0x6666CC, 0x6666CC, 0x6666CC, 0x6666CC, 0x6666CC, 0x4A4AC3,
                           0x4A4AC3, 0x4A4AC3, 0x3939AB, 0x3939AB, 0x3939AB, 0x2D2D88};

} // namespace

QImage DefaultBarPicture(BarSegment segment)
{
    const BarRow& row = segment == BarSegment::Green    ? GreenRow
                        : segment == BarSegment::Yellow ? YellowRow
                        : segment == BarSegment::Red    ? RedRow
                                                        : BkgRow;
    QImage picture(int(row.size()), 1, QImage::Format_RGB888);
    for (int x = 0; x < int(row.size()); ++x)
        picture.setPixel(x, 0, qRgb((row[x] >> 16) & 0xFF, (row[x] >> 8) & 0xFF, row[x] & 0xFF));
    return picture;
}

QImage ImagePlaceholder()
{
    QImage image(50, 50, QImage::Format_RGB888);
    image.fill(QColor(0xE0, 0xE0, 0xE0));
    QPainter p(&image);
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawRect(0, 0, 49, 49);
    // A little landscape: sun and two hills.
    p.setBrush(QColor(0xF0, 0xC0, 0x20));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRect(30, 8, 11, 11));
    QPolygon hills;
    hills << QPoint(2, 47) << QPoint(17, 22) << QPoint(27, 36) << QPoint(34, 28) << QPoint(47, 47);
    p.setBrush(QColor(0x30, 0x90, 0x40));
    p.drawPolygon(hills);
    return image;
}

TElement::TElement(TLCD* screen) : Screen(screen) {}

void TElement::SetData(const TElementData& data)
{
    const TElementData live = *this;
    static_cast<TElementData&>(*this) = data;
    BlinkCounter = live.BlinkCounter;
    BlinkPhase = live.BlinkPhase;
    ShowOrder = live.ShowOrder;
    Selected = live.Selected;
    HitZone = live.HitZone;
    Dragging = live.Dragging;
    DragX = live.DragX;
    DragY = live.DragY;
    PickedColor = live.PickedColor;
}

QString TElement::LostText() const
{
    const QByteArray& field = Kind == ekDRO ? Format : Text;
    return !TypedText.isEmpty() && ToCodePage(TypedText) == field ? TypedText : QString();
}

int TElement::Zoom() const
{
    return Screen ? Screen->Zoom : 1;
}

QFont TElement::TextFont(int zoom) const
{
    QFont font(FontName);
    // Points at the desktop's usual 96 dpi, so that a size means the same pixels on every machine.
    // Clamped before it becomes an int: a size from a file can be any 32-bit value.
    const double pixels = std::clamp(FontSize * 96.0 / 72.0, 1.0, double(MaxFontPixelSize));
    font.setPixelSize(qRound(pixels) * qMax(1, zoom));
    font.setBold(FontBold);
    font.setItalic(FontItalic);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void TElement::UpdateSize()
{
    const int z = Zoom();
    if (IsCellText(Kind)) {
        Width = int(Text.size()) * 8 * ScaleW * z;
        Height = 14 * ScaleH * z;
    } else if (Kind == ekText) {
        const QFontMetrics metrics(TextFont(1));
        PanelW = metrics.horizontalAdvance(FromCodePage(Text));
        PanelH = metrics.height();
        Width = z * PanelW;
        Height = z * PanelH;
    }
}

void TElement::SetText(const QByteArray& text)
{
    Text = text;
    UpdateSize();
}

void TElement::SetScaleW(quint8 value)
{
    ScaleW = value;
    if (IsCellText(Kind))
        Width = int(Text.size()) * 8 * ScaleW * Zoom();
    MarkModified();
}

void TElement::SetScaleH(quint8 value)
{
    ScaleH = value;
    if (IsCellText(Kind))
        Height = 14 * ScaleH * Zoom();
    MarkModified();
}

void TElement::ApplyZoom()
{
    const int z = Zoom();
    Left = z * PanelX;
    Top = z * PanelY;
    if (IsCellText(Kind)) {
        UpdateSize();
    } else {
        Height = z * PanelH;
        Width = z * PanelW;
    }
}

void TElement::LoadPicture(QString& fileName)
{
    if (fileName.isEmpty()) {
        Picture = QImage();
        Invalidate();
        return;
    }
    if (!QFileInfo::exists(fileName) && Screen)
        Screen->RequestFile(this, fileName);
    // Decode before replacing: a damaged file throws and the element keeps what it showed.
    QImage loaded = LoadSharedPicture(fileName);
    Picture = std::move(loaded);
    Invalidate();
}

void TElement::SetDefaultBarPictures()
{
    GreenPic = DefaultBarPicture(BarSegment::Green);
    YellowPic = DefaultBarPicture(BarSegment::Yellow);
    RedPic = DefaultBarPicture(BarSegment::Red);
    BkgPic = DefaultBarPicture(BarSegment::Bkg);
    GreenPicFile.clear();
    YellowPicFile.clear();
    RedPicFile.clear();
    BkgPicFile.clear();
}

void TElement::Invalidate() const
{
    if (Screen)
        Screen->Invalidate();
}

void TElement::MarkModified() const
{
    if (Screen)
        Screen->MarkModified();
}
