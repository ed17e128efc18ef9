#include "model/editing.h"

#include <algorithm>

namespace {

int GridCell(const TLCD& s) { return s.GridStep * qMax(1, int(s.Zoom)); }

bool Snaps(const TLCD& s) { return s.ShowGrid && s.GridStep > 0; }

// Down to a whole number of grid cells.
int Snap(int v, const TLCD& s)
{
    const int z = qMax(1, int(s.Zoom));
    return (v / s.GridStep / z) * z * s.GridStep;
}

void ResizeWidth(TElement& e, int x)
{
    const TLCD& s = *e.Screen;
    const int z = qMax(1, int(s.Zoom));
    int w = x;
    if (Snaps(s)) {
        w = Snap(w, s);
        w = qMax(w, GridCell(s));
        w = qMin(w, s.DisplayWidth - e.Left);
    } else {
        w = qMax(w, 2 * z);
    }
    if (e.Kind == ekBar)
        w = qMin(w, MaxBarWidth * z);
    e.Width = w;
    e.PanelW = w / z;
}

void ResizeHeight(TElement& e, int y)
{
    const TLCD& s = *e.Screen;
    const int z = qMax(1, int(s.Zoom));
    int h = y;
    if (Snaps(s)) {
        h = Snap(h, s);
        h = qMax(h, GridCell(s));
        h = qMin(h, s.DisplayHeight - e.Top);
    } else {
        h = qMax(h, 2 * z);
    }
    e.Height = h;
    e.PanelH = h / z;
}

void MoveBy(TElement& e, int dx, int dy)
{
    const TLCD& s = *e.Screen;
    e.Left = std::max(0, std::min(e.Left + dx, s.DisplayWidth - e.Width));
    e.Top = std::max(0, std::min(e.Top + dy, s.DisplayHeight - e.Height));
    if (Snaps(s)) {
        e.Left = Snap(e.Left, s);
        e.Top = Snap(e.Top, s);
    }
}

void TakePanelPosition(TElement& e)
{
    const int z = e.Zoom();
    e.PanelX = e.Left / z;
    e.PanelY = e.Top / z;
}

} // namespace

TElement* ElementAt(const TLCD& screen, QPoint point)
{
    const auto& elements = screen.Elements();
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        TElement* e = it->get();
        if (QRect(e->Left, e->Top, e->Width, e->Height).contains(point))
            return e;
    }
    return nullptr;
}

quint8 HitZoneAt(const TElement& e, QPoint p)
{
    const int x = p.x(), y = p.y();
    if (x < 0 || y < 0 || x >= e.Width || y >= e.Height)
        return hzNone;
    if (x < HitBandWidth)
        return hzLeft;
    if (x >= e.Width - HitBandWidth)
        return hzRight;
    if (y < HitBandWidth)
        return hzTop;
    if (y >= e.Height - HitBandWidth)
        return hzBottom;
    return hzNone;
}

std::optional<Qt::CursorShape> HoverCursor(const TElement& e, QPoint p)
{
    if (!IsResizable(e.Kind))
        return std::nullopt;
    switch (HitZoneAt(e, p)) {
    case hzRight:
        return Qt::SizeHorCursor;
    case hzBottom:
        return Qt::SizeVerCursor;
    default:
        return Qt::ArrowCursor;
    }
}

void PressElement(TElement& e, QPoint p, bool doubleClick, TColor pickedColor)
{
    TLCD& s = *e.Screen;
    e.PickedColor = pickedColor;
    e.HitZone = HitZoneAt(e, p);
    e.Dragging = true;
    e.DragX = p.x();
    e.DragY = p.y();
    if (s.Group.isEmpty()) {
        s.SelectElement(&e);
        if (s.OnSelect)
            s.OnSelect(&e);
    }
    if (doubleClick && s.OnDblClick)
        s.OnDblClick(&e);
}

void DragElement(TElement& e, QPoint p)
{
    if (!e.Dragging)
        return;
    TLCD& s = *e.Screen;
    if (IsResizable(e.Kind) && e.HitZone == hzRight) {
        ResizeWidth(e, p.x());
    } else if (IsResizable(e.Kind) && e.HitZone == hzBottom) {
        ResizeHeight(e, p.y());
    } else {
        const int dx = p.x() - e.DragX, dy = p.y() - e.DragY;
        if (s.Group.isEmpty()) {
            MoveBy(e, dx, dy);
        } else {
            const QList<TElement*> group = s.Group;
            for (TElement* member : group)
                MoveBy(*member, dx, dy);
        }
    }
    if (s.OnSelect)
        s.OnSelect(&e);
    s.MarkModified();
    s.Invalidate();
}

void ReleaseElement(TElement& e)
{
    e.Dragging = false;
    TakePanelPosition(e);
    for (TElement* member : e.Screen->Group)
        TakePanelPosition(*member);
}

void PressScreen(TLCD& s, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, bool doubleClick, QPoint point,
                 TColor pickedColor)
{
    s.PickedColor = pickedColor;
    if (s.OnMouseDown)
        s.OnMouseDown(button, modifiers, point);
    if (button == Qt::LeftButton && modifiers == Qt::NoModifier && !doubleClick)
        s.Banding = true;
    s.BandStart = s.BandEnd = point;
    s.SelectElement(nullptr);
    s.Group.clear();
}

bool MoveBand(TLCD& s, QPoint point)
{
    if (!s.Banding || s.BandEnd == point)
        return false;
    s.BandEnd = point;
    return true;
}

QRect BandRect(const TLCD& s)
{
    if (!s.Banding)
        return {};
    return QRect(s.BandStart, s.BandEnd).normalized();
}

void ReleaseScreen(TLCD& s, QPoint point)
{
    s.Group.clear();
    s.Banding = false;
    const int left = qMin(s.BandStart.x(), point.x()), right = qMax(s.BandStart.x(), point.x());
    const int top = qMin(s.BandStart.y(), point.y()), bottom = qMax(s.BandStart.y(), point.y());
    for (const auto& owned : s.Elements()) {
        TElement* e = owned.get();
        // A non-empty intersection of half-open rectangles: a band of no area selects nothing.
        const bool meets = qMax(left, e->Left) < qMin(right, e->Left + e->Width) &&
                           qMax(top, e->Top) < qMin(bottom, e->Top + e->Height);
        e->Selected = meets;
        if (meets)
            s.Group.append(e);
    }
    s.Invalidate();
}

QList<TElement*> Selection(const TLCD& s)
{
    QList<TElement*> result;
    for (const auto& owned : s.Elements()) {
        TElement* e = owned.get();
        if (s.Group.isEmpty() ? e == s.SelectedElement : s.Group.contains(e))
            result.append(e);
    }
    return result;
}

QList<TElement*> InStackingOrder(const TLCD& s, const QList<TElement*>& elements)
{
    QList<TElement*> kept;
    for (const auto& owned : s.Elements())
        if (elements.contains(owned.get()))
            kept.append(owned.get());
    return kept;
}

void SetSelection(TLCD& s, const QList<TElement*>& elements)
{
    const QList<TElement*> kept = InStackingOrder(s, elements);
    s.Group.clear();
    if (kept.size() == 1) {
        s.SelectElement(kept.first());
        return;
    }
    s.SelectElement(nullptr);
    s.Group = kept;
    for (TElement* e : kept)
        e->Selected = true;
}

void ToggleSelected(TLCD& s, TElement& e)
{
    QList<TElement*> now = Selection(s);
    if (now.contains(&e))
        now.removeAll(&e);
    else
        now.append(&e);
    SetSelection(s, now);
}

bool OneKind(const QList<TElement*>& elements)
{
    return !elements.isEmpty() && std::all_of(elements.begin(), elements.end(), [&](const TElement* e) {
        return e->Kind == elements.first()->Kind;
    });
}
