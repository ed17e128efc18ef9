#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "model/tlcd.h"

// The project's work screens in page order, and the display settings that apply to all of them at
// once. The power-fail screen is not in the list and none of these setters reaches it.
class TLCDList : public QObject
{
    Q_OBJECT

public:
    explicit TLCDList(QObject* parent = nullptr);
    ~TLCDList() override;

    quint8 Zoom = 1;
    quint8 GridStep = 0;
    bool ShowGrid = false;
    bool ShowOrder = false;
    bool Landscape = false;
    TColor GridColor = 0xC0C0C0;
    bool Modified = false;

    // Asked for a replacement when a picture file is missing; the handler may change the name.
    std::function<void(TElement* element, QString& fileName)> OnFileNotFound;

    int Count() const { return int(screens_.size()); }
    TLCD* Items(int index) const { return screens_.at(size_t(index)).get(); }
    int IndexOf(const TLCD* screen) const;

    // Appends a new portrait screen at zoom 1 with the given displayed size. It does not take the
    // list's zoom, grid or order switches; the caller sets what it needs.
    TLCD* AddScreen(int width, int height);
    // Clears, removes and destroys a screen of the list. Does not mark modified.
    void DeleteScreen(TLCD* screen);
    // Moves the screen at `from` to position `to` (page reordering).
    void MoveScreen(int from, int to);

    void SetZoom(quint8 z);
    void SetGridStep(quint8 step);
    void SetShowGrid(bool on);
    void SetShowOrder(bool on);
    void SetLandscape(bool on) { Landscape = on; }
    // Sends ModifiedChanged when the flag changes, and Marked whenever it is set.
    void SetModified(bool flag);
    void SetCursor(Qt::CursorShape cursor);

signals:
    // Sent just before a screen is destroyed.
    void ScreenDestroying(TLCD* screen);
    // The modified flag changed through SetModified (or a screen's MarkModified).
    void ModifiedChanged(bool modified);
    // Sent on every SetModified(true), whatever the flag was: a change of the design happened.
    void Marked();

private:
    std::vector<std::unique_ptr<TLCD>> screens_;
};
