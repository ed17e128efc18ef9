#include "model/align.h"

#include "model/elementkind.h"
#include "model/tlcd.h"

#include <algorithm>
#include <numeric>

namespace {

bool IsSizeCommand(TAlign c)
{
    return c == TAlign::SameWidth || c == TAlign::SameHeight;
}

// Rounds towards minus infinity, so that negative gaps (elements wider than their span) share the
// overlap as positive gaps share the space.
long long FloorDiv(long long a, long long b)
{
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int Clamp(int v, int size, int limit)
{
    return std::max(0, std::min(v, limit - size));
}

TPanelBox KeptOn(TPanelBox b, QSize screen)
{
    b.X = Clamp(b.X, b.W, screen.width());
    b.Y = Clamp(b.Y, b.H, screen.height());
    return b;
}

// Distribution along one axis: `pos` and `len` pick the box's coordinate and length on it.
void Distribute(std::vector<TPanelBox>& boxes, int TPanelBox::*pos, int TPanelBox::*len)
{
    const int n = int(boxes.size());
    std::vector<int> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    // By centre; equal centres keep the selection's order.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return 2 * boxes[size_t(a)].*pos + boxes[size_t(a)].*len <
               2 * boxes[size_t(b)].*pos + boxes[size_t(b)].*len;
    });
    const TPanelBox& first = boxes[size_t(order.front())];
    const TPanelBox& last = boxes[size_t(order.back())];
    const long long start = first.*pos;
    long long lengths = 0;
    for (const TPanelBox& b : boxes)
        lengths += b.*len;
    const long long free = (last.*pos + last.*len) - start - lengths;
    // The i-th box starts after the boxes before it and i shares of the free space: the first and the
    // last stay where they are, and the gaps differ by at most one pixel.
    std::vector<int> placed(static_cast<size_t>(n));
    long long before = 0;
    for (int i = 0; i < n; ++i) {
        const TPanelBox& b = boxes[size_t(order[size_t(i)])];
        placed[size_t(order[size_t(i)])] = int(start + before + FloorDiv(i * free, n - 1));
        before += b.*len;
    }
    for (int i = 0; i < n; ++i)
        boxes[size_t(i)].*pos = placed[size_t(i)];
}

} // namespace

TPanelBox PanelBox(const TElement& e)
{
    const int z = std::max(1, e.Zoom());
    return {e.PanelX, e.PanelY, e.Width / z, e.Height / z};
}

int NeededCount(TAlign command)
{
    return command == TAlign::DistributeH || command == TAlign::DistributeV ? 3 : 2;
}

bool CanAlign(TAlign command, const QList<TElement*>& elements)
{
    const auto counted = IsSizeCommand(command)
                             ? std::count_if(elements.begin(), elements.end(),
                                             [](const TElement* e) { return IsResizable(e->Kind); })
                             : elements.size();
    return counted >= NeededCount(command);
}

TElement* SizeReference(const QList<TElement*>& elements)
{
    for (TElement* e : elements)
        if (IsResizable(e->Kind))
            return e;
    return nullptr;
}

int ArrowStep(const TLCD& screen, bool gridStep)
{
    return gridStep ? std::max(1, int(screen.GridStep)) : 1;
}

QSize PanelSize(const TLCD& screen)
{
    return {screen.PanelWidth, screen.PanelHeight};
}

std::vector<TPanelBox> AlignedBoxes(TAlign command, const QList<TElement*>& elements)
{
    std::vector<TPanelBox> boxes;
    for (const TElement* e : elements)
        boxes.push_back(PanelBox(*e));
    if (!CanAlign(command, elements))
        return boxes;
    const std::vector<TPanelBox> was = boxes;
    const QSize screen = PanelSize(*elements.first()->Screen);

    int left = boxes.front().X, top = boxes.front().Y;
    int right = left + boxes.front().W, bottom = top + boxes.front().H;
    for (const TPanelBox& b : boxes) {
        left = std::min(left, b.X);
        top = std::min(top, b.Y);
        right = std::max(right, b.X + b.W);
        bottom = std::max(bottom, b.Y + b.H);
    }
    const TElement* reference = SizeReference(elements);
    for (int i = 0; i < int(boxes.size()); ++i) {
        TPanelBox& b = boxes[size_t(i)];
        const TElement& e = *elements[i];
        switch (command) {
        case TAlign::Left:
            b.X = left;
            break;
        case TAlign::Right:
            b.X = right - b.W;
            break;
        case TAlign::Top:
            b.Y = top;
            break;
        case TAlign::Bottom:
            b.Y = bottom - b.H;
            break;
        case TAlign::HCentre:
            b.X = left + int(FloorDiv(right - left - b.W, 2));
            break;
        case TAlign::VCentre:
            b.Y = top + int(FloorDiv(bottom - top - b.H, 2));
            break;
        case TAlign::SameWidth:
            if (IsResizable(e.Kind))
                b.W =
                    e.Kind == ekBar ? std::min(PanelBox(*reference).W, MaxBarWidth) : PanelBox(*reference).W;
            break;
        case TAlign::SameHeight:
            if (IsResizable(e.Kind))
                b.H = PanelBox(*reference).H;
            break;
        case TAlign::DistributeH:
        case TAlign::DistributeV:
            break;
        }
    }
    if (command == TAlign::DistributeH)
        Distribute(boxes, &TPanelBox::X, &TPanelBox::W);
    else if (command == TAlign::DistributeV)
        Distribute(boxes, &TPanelBox::Y, &TPanelBox::H);
    // What moved or grew stays on the screen; an element the command left alone is not touched.
    for (size_t i = 0; i < boxes.size(); ++i)
        if (!(boxes[i] == was[i]))
            boxes[i] = KeptOn(boxes[i], screen);
    return boxes;
}

TPanelBox MovedBox(const TPanelBox& box, int dx, int dy, QSize screen)
{
    return KeptOn({box.X + dx, box.Y + dy, box.W, box.H}, screen);
}

void ApplyBox(TElement& e, const TPanelBox& box)
{
    e.PanelX = box.X;
    e.PanelY = box.Y;
    if (IsResizable(e.Kind)) {
        e.PanelW = e.Kind == ekBar ? std::min(box.W, MaxBarWidth) : box.W;
        e.PanelH = box.H;
    }
    e.ApplyZoom();
}
