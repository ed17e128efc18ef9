#include "model/tlcdlist.h"

TLCDList::TLCDList(QObject* parent) : QObject(parent) {}

TLCDList::~TLCDList()
{
    while (!screens_.empty())
        DeleteScreen(screens_.back().get());
}

int TLCDList::IndexOf(const TLCD* screen) const
{
    for (size_t i = 0; i < screens_.size(); ++i)
        if (screens_[i].get() == screen)
            return int(i);
    return -1;
}

TLCD* TLCDList::AddScreen(int width, int height)
{
    auto screen = std::make_unique<TLCD>(nullptr);
    screen->ScreenList = this;
    screen->DisplayWidth = width;
    screen->DisplayHeight = height;
    screens_.push_back(std::move(screen));
    return screens_.back().get();
}

void TLCDList::DeleteScreen(TLCD* screen)
{
    const int index = IndexOf(screen);
    if (index < 0)
        return;
    screen->Clear();
    emit ScreenDestroying(screen);
    std::unique_ptr<TLCD> owned = std::move(screens_[size_t(index)]);
    screens_.erase(screens_.begin() + index);
}

void TLCDList::MoveScreen(int from, int to)
{
    if (from < 0 || to < 0 || from >= Count() || to >= Count() || from == to)
        return;
    std::unique_ptr<TLCD> moving = std::move(screens_[size_t(from)]);
    screens_.erase(screens_.begin() + from);
    screens_.insert(screens_.begin() + to, std::move(moving));
}

void TLCDList::SetZoom(quint8 z)
{
    Zoom = qMax<quint8>(1, z);
    for (auto& s : screens_)
        s->SetZoom(Zoom);
}

void TLCDList::SetGridStep(quint8 step)
{
    GridStep = step;
    for (auto& s : screens_) {
        s->GridStep = step;
        s->Invalidate();
    }
}

void TLCDList::SetShowGrid(bool on)
{
    ShowGrid = on;
    for (auto& s : screens_) {
        s->ShowGrid = on;
        s->Invalidate();
    }
}

void TLCDList::SetShowOrder(bool on)
{
    ShowOrder = on;
    for (auto& s : screens_)
        s->SetShowOrder(on);
}

void TLCDList::SetCursor(Qt::CursorShape cursor)
{
    for (auto& s : screens_) {
        s->Cursor = cursor;
        emit s->CursorChanged();
    }
}

void TLCDList::SetModified(bool flag)
{
    if (Modified != flag) {
        Modified = flag;
        emit ModifiedChanged(flag);
    }
    if (flag)
        emit Marked();
}
