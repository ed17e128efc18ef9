#include "model/placement.h"

#include "model/elementkind.h"
#include "model/telement.h"
#include "model/tlcd.h"

int Budget(const TLCD& screen)
{
    return MaxElements - screen.BudgetCount();
}

bool CanDrop(const TLCD& screen, TScreenRole role, int kind)
{
    if (role == TScreenRole::PowerFail)
        return kind == ekDRO && screen.Count() == 0;
    // The file counts a screen's elements in one byte.
    if (screen.Count() >= MaxElementsPerScreen)
        return false;
    switch (kind) {
    case ekShift:
    case ekStatus:
        return !screen.HasKind(quint8(kind));
    case ekDRO:
    case ekLED:
    case ekBar:
        return Budget(screen) > 0;
    case ekText:
    case ekImage:
    case ekShape:
    case ekClock:
        return true;
    default:
        return false;
    }
}

TElement* Drop(TLCD& screen, TScreenRole role, int kind, QPoint point)
{
    if (!CanDrop(screen, role, kind))
        return nullptr;
    if (role == TScreenRole::PowerFail) {
        TElement* e = screen.AddElement(ekDRO, point.x(), point.y());
        e->Format = "%3.0f";
        e->Value = 0.0f;
        screen.Invalidate();
        return e;
    }
    TElement* e = screen.AddElement(quint8(kind), point.x(), point.y());
    screen.SelectElement(e);
    if (kind == ekImage)
        e->Picture = ImagePlaceholder();
    if (kind == ekBar)
        e->SetDefaultBarPictures();
    // Budgeted elements are numbered from 0 in the order they are placed; other kinds take the
    // count of budgeted elements less one, as the window has always numbered them.
    e->SetOrderNo(qint16(screen.BudgetCount() - 1));
    screen.Invalidate();
    return e;
}

bool PastEdge(const TElement& e)
{
    const TLCD& s = *e.Screen;
    const int z = qMax(1, int(s.Zoom));
    return e.Left < 0 || e.Top < 0 || e.Left + e.Width > s.PanelWidth * z || e.Top + e.Height > s.PanelHeight * z;
}
