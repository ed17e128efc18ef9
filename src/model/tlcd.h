#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "model/telement.h"

class TLCDList;

// One designed panel screen: 240 x 320 (portrait) or 320 x 240 (landscape) panel pixels shown at an
// integer zoom, a background colour or picture, an optional grid, and the elements on it. It owns its
// elements, keeps their stacking order (list order, first = bottom), the selection and the modified
// flag. It holds no widget: a view draws it and feeds it the user's gestures.
class TLCD : public QObject
{
    Q_OBJECT

public:
    explicit TLCD(QObject* owner = nullptr);
    ~TLCD() override;

    // --- the elements, in stacking order -------------------------------------------------------
    const std::vector<std::unique_ptr<TElement>>& Elements() const { return elements_; }
    int Count() const { return int(elements_.size()); }
    TElement* Item(int index) const { return elements_.at(size_t(index)).get(); }
    int IndexOf(const TElement* element) const;

    // --- fields --------------------------------------------------------------------------------
    quint8 Zoom = 1;
    bool Landscape = false;
    quint16 PanelWidth = 240, PanelHeight = 320;
    // Displayed size in window pixels; panel size x Zoom except right after TLCDList::AddScreen.
    int DisplayWidth = 240, DisplayHeight = 320;
    TColor BackgroundColor = 0xFFFFFF;
    QImage Background;
    QString BackgroundFile;
    quint8 GridStep = 5;
    bool ShowGrid = false;
    bool ShowOrder = false;
    TElement* SelectedElement = nullptr;
    QList<TElement*> Group;
    bool Banding = false;
    QPoint BandStart, BandEnd;
    TColor PickedColor = 0;
    QList<TElement*> Repaired; // elements the last load moved from outside the screen to 0;0
    bool Modified = false;
    TLCDList* ScreenList = nullptr;
    Qt::CursorShape Cursor = Qt::ArrowCursor;

    // --- published events (one handler each, as a window installs them) ------------------------
    // An element was pressed outside a group, or dragged one step.
    std::function<void(TElement* element)> OnSelect;
    // A double press on an element (sender) or on the screen's own area (sender null).
    std::function<void(TElement* sender)> OnDblClick;
    // Mouse on the screen's own area, screen coordinates.
    std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point)> OnMouseDown;
    std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point)> OnMouseUp;
    std::function<void(Qt::KeyboardModifiers modifiers, QPoint point)> OnMouseMove;
    // A drag passing over the screen (sender null, screen coordinates) or over an element (sender,
    // element coordinates); the answer says whether a drop would be accepted.
    std::function<bool(TElement* sender, const QObject* source, QPoint point)> OnDragOver;
    // A drop on the screen or on an element; the point is always in screen coordinates.
    std::function<void(TElement* sender, const QObject* source, QPoint point)> OnDragDrop;

    // --- operations ----------------------------------------------------------------------------
    // Zoom := z (at least 1), displayed size follows, every element re-derives its window geometry.
    // Does not change Modified.
    void SetZoom(quint8 z);
    // 320 x 240 when on, 240 x 320 when off; elements are neither moved nor checked. Marks modified.
    void SetLandscape(bool on);
    // Sends ModifiedChanged when the flag changes.
    void SetModified(bool flag);
    // Marks this screen modified and copies the flag to its list.
    void MarkModified();
    // Selects one element (or none); every element's Selected follows. Does not raise OnSelect.
    void SelectElement(TElement* element);
    // Creates an element of `kind` at window position (x, y) with its kind's defaults and appends it.
    TElement* AddElement(quint8 kind, int x, int y);
    // Removes and destroys an element of this screen; false (and nothing destroyed) if it is not here.
    // Marks modified either way.
    bool DeleteElement(TElement* element);
    // Moves an element to the top (end) or bottom (start) of the stacking order; false if not here.
    // Marks modified either way.
    bool MoveToTop(TElement* element);
    bool MoveToBottom(TElement* element);
    // Moves the element at `from` to stacking position `to` (both must be valid). Marks modified.
    void MoveElement(int from, int to);
    // Destroys every element; empties the selection, the group and Repaired. Keeps Modified.
    void Clear();
    void SetShowOrder(bool on);
    // Loads the background picture of `fileName`, or removes it when the name is empty (which does
    // not mark modified). A file that cannot be decoded throws TError and changes nothing.
    void SetBackground(const QString& fileName);
    // Offers a missing picture file to the list's OnFileNotFound handler, which may change the name.
    void RequestFile(TElement* element, QString& fileName);
    bool HasKind(quint8 kind) const;
    // Number of DRO, LED and bar elements.
    int BudgetCount() const;
    // Colour of the grid lines: the list's, or silver for a screen outside a list.
    TColor GridColor() const;

    // --- forwarding of the view's drag events (element coordinates for an element) --------------
    bool DragOver(TElement* over, const QObject* source, QPoint point);
    void DragDrop(TElement* over, const QObject* source, QPoint point);

    // Asks every view of the screen to redraw.
    void Invalidate() { emit Changed(); }

signals:
    // The screen's look changed; views repaint.
    void Changed();
    // The mouse cursor of the screen changed.
    void CursorChanged();
    // Sent just before an element is destroyed, so that whoever remembers it can let go.
    void ElementDestroying(TElement* element);
    // The modified flag changed through SetModified or MarkModified.
    void ModifiedChanged(bool modified);
    // Sent on every MarkModified, whatever the flag was: a change of the design happened.
    void Marked();

private:
    void DestroyElement(std::unique_ptr<TElement> element);
    std::vector<std::unique_ptr<TElement>> elements_;
};
