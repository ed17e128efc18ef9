#include "model/tlcd.h"

#include "model/tlcdlist.h"
#include "base/picturecache.h"

#include <algorithm>

TLCD::TLCD(QObject* owner) : QObject(owner)
{
    SetLandscape(false);
}

TLCD::~TLCD()
{
    Clear();
}

int TLCD::IndexOf(const TElement* element) const
{
    for (size_t i = 0; i < elements_.size(); ++i)
        if (elements_[i].get() == element)
            return int(i);
    return -1;
}

void TLCD::SetZoom(quint8 z)
{
    Zoom = qMax<quint8>(1, z);
    DisplayWidth = PanelWidth * Zoom;
    DisplayHeight = PanelHeight * Zoom;
    for (auto& e : elements_)
        e->ApplyZoom();
    Invalidate();
}

void TLCD::SetLandscape(bool on)
{
    Landscape = on;
    PanelWidth = on ? 320 : 240;
    PanelHeight = on ? 240 : 320;
    DisplayWidth = PanelWidth * Zoom;
    DisplayHeight = PanelHeight * Zoom;
    MarkModified();
    Invalidate();
}

void TLCD::SetModified(bool flag)
{
    if (Modified == flag)
        return;
    Modified = flag;
    emit ModifiedChanged(flag);
}

void TLCD::MarkModified()
{
    SetModified(true);
    if (ScreenList)
        ScreenList->SetModified(true);
    emit Marked();
}

void TLCD::SelectElement(TElement* element)
{
    SelectedElement = element;
    for (auto& e : elements_)
        e->Selected = e.get() == element;
    Invalidate();
}

TElement* TLCD::AddElement(quint8 kind, int x, int y)
{
    auto owned = std::make_unique<TElement>(this);
    TElement* e = owned.get();
    elements_.push_back(std::move(owned));
    e->OrderNo = qint16(elements_.size() - 1);

    e->Kind = kind;
    e->Left = x;
    e->Top = y;
    e->PanelX = x / Zoom;
    e->PanelY = y / Zoom;
    e->SetScaleW(1);
    e->SetScaleH(1);

    switch (kind) {
    case ekDRO:
        e->BackColor = 0x80FF80;
        e->TextColor = 0x800000;
        e->Format = "%.4f";
        e->Value = 400.5278f;
        break;
    case ekLED:
        e->Width = 20;
        e->Height = 20;
        e->BackColor = 0x808080;
        e->TextColor = 0x0000FF;
        // What the screen shows is what the dialog, the project file and the panel get: grey when off,
        // red when lit (the palette's LED).
        e->OffColor = e->BackColor;
        e->OnColor = e->TextColor;
        break;
    case ekBar:
        e->Width = 22;
        e->Height = 60;
        e->BackColor = 0xC0C0C0;
        e->Value = 90.0f;
        e->SetDefaultBarPictures();
        break;
    case ekShift:
        e->Width = 15;
        e->Height = 15;
        e->BackColor = 0x80FF80;
        // Kept in English; the view shows it translated.
        e->Hint = QString::fromLatin1(QT_TRANSLATE_NOOP("TScreenView", "Shift status"));
        break;
    case ekStatus:
        e->BackColor = 0x0000FF;
        e->TextColor = 0xFFFFFF;
        e->SetText("Status stirng, max 30 char    ");
        break;
    case ekText:
        e->BackColor = 0x80FFFF;
        e->TextColor = 0xFF0000;
        e->FontName = QStringLiteral("Times New Roman");
        e->FontSize = 10; // 13 pixels at 96 dpi
        e->SetText("Text");
        break;
    case ekImage:
        e->Width = 50 * Zoom;
        e->Height = 50 * Zoom;
        e->BackColor = 0xC0C0C0;
        break;
    case ekShape:
        e->Height = 20;
        e->BackColor = 0xFF4242;
        break;
    case ekClock:
        e->BackColor = BackgroundColor;
        e->TextColor = 0x000080;
        e->SetText("01/01/2011 12:00:00");
        break;
    default:
        break; // an unknown kind keeps the common defaults
    }
    e->PenColor = e->BackColor;
    if (kind != ekText) {
        e->PanelW = e->Width / Zoom;
        e->PanelH = e->Height / Zoom;
    }
    e->ShowOrder = ShowOrder;
    MarkModified();
    Invalidate();
    return e;
}

void TLCD::DestroyElement(std::unique_ptr<TElement> element)
{
    TElement* e = element.get();
    emit ElementDestroying(e);
    Group.removeAll(e);
    Repaired.removeAll(e);
    if (SelectedElement == e)
        SelectedElement = nullptr;
}

bool TLCD::DeleteElement(TElement* element)
{
    const int index = IndexOf(element);
    if (index >= 0) {
        std::unique_ptr<TElement> owned = std::move(elements_[size_t(index)]);
        elements_.erase(elements_.begin() + index);
        DestroyElement(std::move(owned));
    }
    MarkModified();
    Invalidate();
    return index >= 0;
}

bool TLCD::MoveToTop(TElement* element)
{
    const int index = IndexOf(element);
    if (index >= 0)
        std::rotate(elements_.begin() + index, elements_.begin() + index + 1, elements_.end());
    MarkModified();
    Invalidate();
    return index >= 0;
}

bool TLCD::MoveToBottom(TElement* element)
{
    const int index = IndexOf(element);
    if (index >= 0)
        std::rotate(elements_.begin(), elements_.begin() + index, elements_.begin() + index + 1);
    MarkModified();
    Invalidate();
    return index >= 0;
}

void TLCD::MoveElement(int from, int to)
{
    Q_ASSERT(from >= 0 && from < Count() && to >= 0 && to < Count());
    const auto first = elements_.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else if (to < from)
        std::rotate(first + to, first + from, first + from + 1);
    MarkModified();
    Invalidate();
}

void TLCD::Clear()
{
    std::vector<std::unique_ptr<TElement>> doomed;
    doomed.swap(elements_);
    for (auto& e : doomed)
        DestroyElement(std::move(e));
    Group.clear();
    Repaired.clear();
    SelectedElement = nullptr;
    Invalidate();
}

void TLCD::SetShowOrder(bool on)
{
    ShowOrder = on;
    for (auto& e : elements_)
        e->ShowOrder = on;
    Invalidate();
}

void TLCD::SetBackground(const QString& fileName)
{
    if (fileName.isEmpty()) {
        BackgroundFile.clear();
        Background = QImage();
        Invalidate();
        return;
    }
    // Decode first: a damaged file throws and the screen keeps its picture and its file name.
    QImage loaded = LoadSharedPicture(fileName);
    BackgroundFile = fileName;
    Background = std::move(loaded);
    Invalidate();
    MarkModified();
}

void TLCD::RequestFile(TElement* element, QString& fileName)
{
    if (ScreenList && ScreenList->OnFileNotFound)
        ScreenList->OnFileNotFound(element, fileName);
}

bool TLCD::HasKind(quint8 kind) const
{
    return std::any_of(elements_.begin(), elements_.end(), [kind](const auto& e) { return e->Kind == kind; });
}

int TLCD::BudgetCount() const
{
    return int(std::count_if(elements_.begin(), elements_.end(), [](const auto& e) {
        return e->Kind == ekDRO || e->Kind == ekLED || e->Kind == ekBar;
    }));
}

TColor TLCD::GridColor() const
{
    return ScreenList ? ScreenList->GridColor : 0xC0C0C0;
}

bool TLCD::DragOver(TElement* over, const QObject* source, QPoint point)
{
    return OnDragOver ? OnDragOver(over, source, point) : false;
}

void TLCD::DragDrop(TElement* over, const QObject* source, QPoint point)
{
    if (over)
        point += QPoint(over->Left, over->Top);
    if (OnDragDrop)
        OnDragDrop(over, source, point);
}
