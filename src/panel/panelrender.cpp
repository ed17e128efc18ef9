#include "panel/panelrender.h"

#include "model/cformat.h"
#include "model/render.h"
#include "base/terror.h"
#include "model/tlcd.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>

namespace {

void RefuseIfBroken(const QStringList& problems)
{
    if (!problems.isEmpty())
        throw TError(problems.join('\n'));
}

// An element of `screen` standing for one record: the fields the record carries, the colours as the
// panel shows them, the values of the state. What the record does not carry takes what the panel
// assumes: a LED is a plain rectangle, and every box's outline has its back colour.
void AddRecordElement(TLCD& screen, const TPanelRecord& rec, const TPanelBarPictures* bar,
                      const TPanelState& state)
{
    if (!IsPanelRecordKind(rec.Kind))
        return;
    TElement* e = screen.AddElement(rec.Kind, rec.X, rec.Y);
    e->SetOrderNo(rec.Order);
    e->ShowOrder = false;
    e->PanelW = e->Width = rec.Width;
    e->PanelH = e->Height = rec.Height;
    e->ScaleW = rec.ScaleW;
    e->ScaleH = rec.ScaleH;
    e->MaxVal = rec.MaxVal;
    e->RedPct = rec.RedPct;
    e->YellowPct = rec.YellowPct;
    e->TextColor = ColorFrom16bit(rec.Fore);
    e->BackColor = e->PenColor = ColorFrom16bit(rec.Back);
    e->ShapeType = stRectangle;
    e->ShowAsAxis = rec.ShowAsAxis;
    e->AxisColor = ColorFrom16bit(rec.AxisColor);
    e->AxisNum = rec.AxisNum;
    e->LedMode = rec.LedMode;
    e->BlinkInterval = rec.BlinkInterval;
    e->Format = rec.Format;
    e->Value = state.Value;
    e->Picture = QImage();
    switch (rec.Kind) {
    case ekLED:
        e->OnColor = ColorFrom16bit(rec.Fore);
        e->OffColor = ColorFrom16bit(rec.Back);
        e->BackColor = e->PenColor = state.LedsOn ? e->OnColor : e->OffColor;
        break;
    case ekBar:
        e->RedPic = bar ? bar->Red : QImage();
        e->YellowPic = bar ? bar->Yellow : QImage();
        e->GreenPic = bar ? bar->Green : QImage();
        e->BkgPic = bar ? bar->Bkg : QImage();
        break;
    case ekDRO:
        e->SetText(DroText(e->Format, e->Value));
        break;
    case ekStatus:
    case ekClock:
        e->SetText(PanelSampleText(rec.Kind, rec.ScaleW == 0 ? 0 : rec.Width / (8 * rec.ScaleW)));
        break;
    default:
        break;
    }
}

TRenderOptions PanelOptions()
{
    TRenderOptions o;
    o.Grid = false;
    o.OrderLabels = false;
    o.SelectionFrames = false;
    return o;
}

// A screen of the panel's size with `picture` as its background and the records over it.
QImage DrawRecords(QSize size, const QImage& picture, const std::vector<TPanelRecord>& records,
                   const std::map<int, TPanelBarPictures>& bars, const TPanelState& state)
{
    TLCD screen;
    screen.SetLandscape(size.width() > size.height());
    screen.SetZoom(1);
    screen.Background = picture;
    for (int r = 0; r < int(records.size()); ++r) {
        const auto bar = bars.find(r);
        AddRecordElement(screen, records[size_t(r)], bar == bars.end() ? nullptr : &bar->second, state);
    }
    return RenderScreen(screen, PanelOptions());
}

// The RGB565 pixel of a digit file under the centre of (x, y) of a field cell of `cell` size.
quint16 DigitPixel(const TPanelDigit& digit, QSize cell, int x, int y)
{
    const qint64 sx = (2 * qint64(x) + 1) * digit.Size.width() / (2 * qint64(cell.width()));
    const qint64 sy = (2 * qint64(y) + 1) * digit.Size.height() / (2 * qint64(cell.height()));
    return digit.Pixels[qsizetype(sy * digit.Size.width() + sx)];
}

// One clock field: two digits side by side from the field's top-left corner. The glyph files are
// black on white; the panel paints the glyph in the digit colour and the white in the clock's back
// colour, or leaves the white out when the clock is transparent.
void DrawClockField(QImage& image, const TPanelSet& set, QPoint at, int value)
{
    const TPanelClock& clock = *set.Clock;
    const QRgb digitColor = Rgb565ToRgb(clock.DigitColor), backColor = Rgb565ToRgb(clock.BackColor);
    const int digits[2] = {value / 10 % 10, value % 10};
    for (int k = 0; k < 2; ++k) {
        const TPanelDigit& digit = set.Digits[size_t(digits[k])];
        if (digit.Pixels.isEmpty())
            continue;
        const QRect cell(at + QPoint(k * clock.Digit.width(), 0), clock.Digit);
        const QRect visible = cell.intersected(image.rect());
        for (int y = visible.top(); y <= visible.bottom(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = visible.left(); x <= visible.right(); ++x) {
                const quint16 p = DigitPixel(digit, clock.Digit, x - cell.left(), y - cell.top());
                if (p != 0xFFFF)
                    line[x] = digitColor;
                else if (!clock.Transparent)
                    line[x] = backColor;
            }
        }
    }
}

} // namespace

QByteArray PanelSampleText(quint8 kind, int cells)
{
    const QByteArray pattern =
        kind == ekClock ? QByteArrayLiteral("01/01/2011 12:00:00 ") : QByteArrayLiteral("Status line ");
    QByteArray text;
    const int n = std::max(0, cells);
    text.reserve(n);
    for (int i = 0; i < n; ++i)
        text.append(pattern.at(i % pattern.size()));
    return text;
}

QImage RenderPanelScreen(const TPanelSet& set, int index, const TPanelState& state)
{
    if (index < 0 || index >= int(set.Screens.size()))
        throw TError(
            TPanelText::tr("The set has no work screen %1 (it has %2).").arg(index).arg(set.Screens.size()));
    RefuseIfBroken(set.Problems(TSetPart::Screen, index));
    const TPanelScreen& screen = set.Screens[size_t(index)];
    return DrawRecords(screen.Size, screen.Background, screen.Records, screen.Bars, state);
}

QImage RenderPanelSplash(const TPanelSet& set, const TPanelState& state)
{
    QStringList problems;
    if (!set.SplashSizeKnown)
        problems << TPanelText::tr(
            "00/01.elm: the splash screen takes the first work screen's size, which that "
            "table does not give");
    problems << set.Problems(TSetPart::Splash);
    RefuseIfBroken(problems);
    if (set.Animation && (state.Frame < 0 || state.Frame >= int(set.Animation->Frames.size())))
        throw TError(TPanelText::tr("anime.bin holds %1 frames; there is no frame %2.")
                         .arg(set.Animation->Frames.size())
                         .arg(state.Frame));

    QImage image = set.Logo.convertToFormat(QImage::Format_RGB32);
    if (set.Clock) {
        DrawClockField(image, set, set.Clock->Hours, state.Hours);
        DrawClockField(image, set, set.Clock->Minutes, state.Minutes);
    }
    if (set.Animation) {
        // The frames hold the splash screen under them already: the panel copies them as they are.
        QPainter p(&image);
        p.drawImage(set.Animation->Position, set.Animation->Frames[size_t(state.Frame)]);
    }
    return image;
}

QImage RenderPanelPowerFail(const TPanelSet& set, const TPanelState& state)
{
    QStringList problems;
    if (!set.SplashSizeKnown)
        problems << TPanelText::tr(
            "00/01.elm: the power-fail screen takes the first work screen's size, which that "
            "table does not give");
    problems << set.Problems(TSetPart::PowerFail);
    RefuseIfBroken(problems);
    std::vector<TPanelRecord> records;
    if (set.PowerFailDro)
        records.push_back(*set.PowerFailDro);
    return DrawRecords(set.SplashSize, set.PowerFail, records, {}, state);
}
