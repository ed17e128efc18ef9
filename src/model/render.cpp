#include "model/render.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "model/cformat.h"
#include "model/tlcd.h"
#include "model/ufonts.h"
#include "base/syscolors.h"
#include "base/codepage.h"

namespace {

// A painter for one element: origin at the element's corner, clipped to its area, as a child
// window would be.
struct ElementPainter
{
    ElementPainter(QImage& target, const TElement& e) : p(&target)
    {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.translate(e.Left, e.Top);
        p.setClipRect(0, 0, e.Width, e.Height);
    }
    QPainter p;
};

// The normalised rectangle of two horizontal edges given lower first, as the bar's table lists them:
// rows from the smaller edge up to, not including, the larger one.
QRect EdgeRect(int left, int firstEdge, int right, int secondEdge)
{
    const int top = qMin(firstEdge, secondEdge), bottom = qMax(firstEdge, secondEdge);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void StretchDraw(QPainter& p, const QRect& r, const QImage& picture)
{
    if (picture.isNull() || r.width() <= 0 || r.height() <= 0)
        return;
    p.drawImage(r, picture);
}

void DrawOutline(QPainter& p, const TElement& e)
{
    p.setPen(QPen(ToQColor(e.PenColor), 0)); // a cosmetic one-pixel pen
    p.setBrush(ToQColor(e.BackColor));
    const int w = e.Width, h = e.Height;
    const int s = qMin(w, h);
    if (w <= 0 || h <= 0)
        return;
    const QRect whole(0, 0, w, h);
    const QRect square((w - s) / 2, (h - s) / 2, s, s);
    const double corner = (s / 4) / 2.0; // rounded with an ellipse s div 4 wide and high
    // A pen of one pixel on a rectangle x..x+w-1: Qt strokes the outline one pixel right and down of
    // the rectangle it is given, so the shapes are drawn one pixel smaller to stay inside the area.
    auto inner = [](const QRect& r) { return r.adjusted(0, 0, -1, -1); };
    switch (e.ShapeType) {
    case stSquare:
        p.drawRect(inner(square));
        break;
    case stRoundRect:
        p.drawRoundedRect(QRectF(inner(whole)), corner, corner);
        break;
    case stRoundSquare:
        p.drawRoundedRect(QRectF(inner(square)), corner, corner);
        break;
    case stEllipse:
        p.drawEllipse(inner(whole));
        break;
    case stCircle:
        p.drawEllipse(inner(square));
        break;
    case stRectangle:
    default:
        p.drawRect(inner(whole));
        break;
    }
}

void DrawBar(QPainter& p, const TElement& e)
{
    const int W = e.Width, H = e.Height;
    StretchDraw(p, QRect(0, 0, W, H), e.BkgPic);

    // A bar without a maximum has no level: it shows its background only down to the green row.
    double level = e.MaxVal == 0 ? 0.0 : double(e.Value) * 100.0 / e.MaxVal;
    if (!std::isfinite(level))
        level = 0.0;
    level = std::clamp(level, -1000.0, 1000.0); // beyond the bar either way; keeps the integers small
    const int pct = RoundHalfEven(level);
    const int t1 = RoundHalfEven(H * double(e.YellowPct) / 100.0);
    const int t2 = RoundHalfEven(H * double(e.RedPct) / 100.0);
    const int h = RoundHalfEven(H * double(pct) / 100.0);

    if (h < t1) {
        StretchDraw(p, EdgeRect(0, H, W, H - h - 1), e.GreenPic);
    } else if (h < t2) {
        StretchDraw(p, EdgeRect(0, H, W - 1, H - t1 - 1), e.GreenPic);
        StretchDraw(p, EdgeRect(0, H - t1, W, H - h - 1), e.YellowPic);
    } else {
        StretchDraw(p, EdgeRect(0, H, W - 1, H - t1 - 1), e.GreenPic);
        StretchDraw(p, EdgeRect(0, H - t1, W, H - t2 - 1), e.YellowPic);
        StretchDraw(p, EdgeRect(0, H - t2, W, H - h), e.RedPic);
    }
}

QFont OrderLabelFont()
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

void DrawOrderLabel(QPainter& p, const TElement& e)
{
    const QString s = QString::number(e.OrderNo + 1);
    const QFont font = OrderLabelFont();
    const QFontMetrics m(font);
    const int tw = m.horizontalAdvance(s), th = m.height();
    const QRect box(QPoint(2, 0), QPoint(tw + 7 - 1, th + 4 - 1));
    p.fillRect(box, Qt::black);
    p.save();
    p.setClipRect(box, Qt::IntersectClip);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QPoint(4, 2 + m.ascent()), s);
    p.restore();
}

} // namespace

int RoundHalfEven(double value)
{
    return int(std::nearbyint(value)); // the default rounding mode rounds halves to even
}

QColor ToQColor(quint32 color)
{
    const TColor c = ResolveColor(color);
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

TRenderOptions BackgroundPictureOptions()
{
    TRenderOptions o;
    o.BackgroundOnly = true;
    o.Grid = false;
    o.OrderLabels = false;
    o.SelectionFrames = false;
    return o;
}

void DrawCellText(QImage& target, const TElement& e, int x, int y)
{
    if (e.ScaleW == 0 || e.ScaleH == 0)
        return;
    const int sx = e.ScaleW * e.Zoom(), sy = e.ScaleH * e.Zoom();
    const QRgb color = ToQColor(e.TextColor).rgb();
    // The element's own area bounds the text, as its window would; the target bounds it too.
    const QRect clip = QRect(e.Left, e.Top, e.Width, e.Height).intersected(target.rect());
    int cx = e.Left + x;
    const int top = e.Top + y;
    for (const char ch : e.Text) {
        const quint8* glyph = CellGlyph(quint8(ch));
        for (int r = 0; r < CellHeight; ++r) {
            const quint8 bits = glyph[r];
            if (bits == 0)
                continue;
            for (int k = 0; k < CellWidth; ++k) {
                if (!(bits & (0x80 >> k)))
                    continue;
                const QRect block = QRect(cx + k * sx, top + r * sy, sx, sy).intersected(clip);
                for (int py = block.top(); py <= block.bottom(); ++py) {
                    QRgb* line = reinterpret_cast<QRgb*>(target.scanLine(py));
                    for (int px = block.left(); px <= block.right(); ++px)
                        line[px] = color;
                }
            }
        }
        cx += CellWidth * sx;
    }
}

void DrawElement(QImage& target, TElement& e, const TRenderOptions& options)
{
    if (e.Kind == ekDRO)
        e.SetText(DroText(e.Format, e.Value)); // also re-derives its width
    {
        ElementPainter ep(target, e);
        QPainter& p = ep.p;
        DrawOutline(p, e);
        if (e.Kind == ekBar)
            DrawBar(p, e);
        else
            StretchDraw(p, QRect(0, 0, e.Width, e.Height), e.Picture);
        if (e.Kind == ekText) {
            const QFont font = e.TextFont(e.Zoom());
            p.setFont(font);
            const QString text = FromCodePage(e.Text);
            const QFontMetrics m(font);
            p.fillRect(QRect(0, 0, m.horizontalAdvance(text), m.height()), ToQColor(e.BackColor));
            p.setPen(ToQColor(e.TextColor));
            p.drawText(QPoint(0, m.ascent()), text);
        }
    }
    if (IsCellText(e.Kind))
        DrawCellText(target, e, 0, 0);
    if (e.ShowOrder && options.OrderLabels && IsBudgeted(e.Kind)) {
        ElementPainter ep(target, e);
        DrawOrderLabel(ep.p, e);
    }
    if (e.Selected && options.SelectionFrames) {
        ElementPainter ep(target, e);
        ep.p.setPen(QPen(QColor(255, 0, 0), 0));
        ep.p.setBrush(Qt::NoBrush);
        ep.p.drawRect(QRect(0, 0, e.Width - 1, e.Height - 1));
    }
}

QImage RenderScreen(TLCD& screen, const TRenderOptions& options)
{
    const int w = qMax(0, screen.DisplayWidth), h = qMax(0, screen.DisplayHeight);
    QImage image(w, h, QImage::Format_RGB32);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        if (!screen.Background.isNull())
            p.drawImage(QRect(0, 0, w, h), screen.Background);
        else
            p.fillRect(image.rect(), ToQColor(screen.BackgroundColor));

        const int g = screen.GridStep, z = qMax(1, int(screen.Zoom));
        if (screen.ShowGrid && options.Grid && g > 0) {
            p.setPen(QPen(ToQColor(screen.GridColor()), 0));
            const int step = g * z;
            for (int k = 0; k < w / g / z; ++k)
                p.drawLine(k * step, 0, k * step, h - 1);
            for (int y = 0; y < h; y += step)
                p.drawLine(0, y, w - 1, y);
        }
    }
    for (const auto& e : screen.Elements()) {
        if (options.BackgroundOnly && IsPanelDrawn(e->Kind))
            continue;
        DrawElement(image, *e, options);
    }
    return image;
}
