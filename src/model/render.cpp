#include "model/render.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

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

// The first column of row y of a shape rw x rh pixels in size; the row covers first .. rw - 1 - first.
// Worked out from the distance of the row's centre to the nearer horizontal edge, so the top and
// bottom rows and the left and right ends are mirror images of each other whatever the size.
using TRowStart = int (*)(int y, int rw, int rh, double corner);

int Clamped(double first, int rw)
{
    return std::clamp(int(std::ceil(first)), 0, (rw - 1) / 2);
}

int RectangleRow(int, int, int, double)
{
    return 0;
}

// A rectangle whose corners are quarters of an ellipse `corner` pixels wide and high.
int RoundedRow(int y, int rw, int rh, double corner)
{
    const double r = corner / 2.0;
    const double t = std::min(y, rh - 1 - y) + 0.5;
    if (t >= r)
        return 0;
    const double dy = r - t;
    // The first pixel whose centre lies inside the corner's arc.
    return Clamped(r - std::sqrt(r * r - dy * dy) - 0.5, rw);
}

int EllipseRow(int y, int rw, int rh, double)
{
    const double a = rw / 2.0, b = rh / 2.0;
    const double dy = (std::min(y, rh - 1 - y) + 0.5 - b) / b;
    const double half = a * std::sqrt(std::max(0.0, 1.0 - dy * dy));
    return Clamped(a - half - 0.5, rw);
}

// The outline form: the shape's pixels in BackColor, those with a side on the outside of the shape
// in PenColor (a one-pixel line), pixels outside the shape untouched. Drawn pixel by pixel, as the
// cell text is, so that every form is symmetric.
void DrawOutline(QImage& target, const TElement& e)
{
    const int w = e.Width, h = e.Height;
    if (w <= 0 || h <= 0)
        return;
    const int s = std::min(w, h);
    const double corner = s / 4; // rounded with an ellipse s div 4 wide and high
    QRect area(0, 0, w, h);
    TRowStart start = RectangleRow;
    switch (e.ShapeType) {
    case stSquare:
        area = QRect((w - s) / 2, (h - s) / 2, s, s);
        break;
    case stRoundRect:
        start = RoundedRow;
        break;
    case stRoundSquare:
        area = QRect((w - s) / 2, (h - s) / 2, s, s);
        start = RoundedRow;
        break;
    case stEllipse:
        start = EllipseRow;
        break;
    case stCircle:
        area = QRect((w - s) / 2, (h - s) / 2, s, s);
        start = EllipseRow;
        break;
    case stRectangle:
    default:
        break;
    }
    const int rw = area.width(), rh = area.height();
    std::vector<int> first(static_cast<size_t>(rh));
    for (int y = 0; y < rh; ++y)
        first[size_t(y)] = start(y, rw, rh, corner);
    auto inside = [&](int x, int y) {
        return y >= 0 && y < rh && x >= first[size_t(y)] && x <= rw - 1 - first[size_t(y)];
    };

    const QRgb pen = ToQColor(e.PenColor).rgb(), back = ToQColor(e.BackColor).rgb();
    // The element's own area bounds the drawing, as its window would; the target bounds it too.
    const QRect clip = QRect(e.Left, e.Top, w, h).intersected(target.rect());
    if (clip.isEmpty())
        return;
    const int left = e.Left + area.left(), top = e.Top + area.top();
    for (int y = std::max(0, clip.top() - top); y < rh && top + y <= clip.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(target.scanLine(top + y));
        const int from = std::max(first[size_t(y)], clip.left() - left);
        const int to = std::min(rw - 1 - first[size_t(y)], clip.right() - left);
        for (int x = from; x <= to; ++x) {
            const bool edge =
                !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            line[left + x] = edge ? pen : back;
        }
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
    DrawOutline(target, e);
    {
        ElementPainter ep(target, e);
        QPainter& p = ep.p;
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
