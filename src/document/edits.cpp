#include "document/edits.h"

#include "document/undocommands.h"
#include "model/editing.h"
#include "model/placement.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

namespace {

TStepName Text(const char* text)
{
    return {text};
}

TStepName CountText(const char* one, const char* many, int n)
{
    return {one, many, n};
}

// The elements a drag of `element` changes: the group when there is one, else the element.
QList<TElement*> Dragged(TElement& element)
{
    const TLCD& screen = *element.Screen;
    return screen.Group.isEmpty() ? QList<TElement*>{&element} : screen.Group;
}

std::vector<TGeometry> Geometries(const TLCD& screen, const QList<TElement*>& elements)
{
    std::vector<TGeometry> out;
    for (const TElement* e : elements)
        if (const int index = screen.IndexOf(e); index >= 0)
            out.push_back(TGeometry::Of(*e, index));
    std::sort(out.begin(), out.end(),
              [](const TGeometry& a, const TGeometry& b) { return a.Index < b.Index; });
    return out;
}

void RecordGeometry(TProject& project, TLCD& screen, const std::vector<TGeometry>& before,
                    const QList<TElement*>& elements, int gesture, const TStepName& text)
{
    std::vector<TGeometry> after = Geometries(screen, elements);
    const bool same = after == before;
    if (same && gesture <= 0)
        return;
    // A step of a gesture that changed nothing still brings the gesture's end up to date when it
    // merges; on its own it is dropped.
    auto* command = new TGeometryCommand(project, project.IndexOfScreen(&screen), before, std::move(after),
                                         screen.Zoom, gesture, text);
    command->setObsolete(same);
    project.UndoStack().push(command);
}

void MoveInStack(TProject& project, TElement& element, bool toFront, const TStepName& text)
{
    TLCD& screen = *element.Screen;
    const int from = screen.IndexOf(&element);
    const int to = toFront ? screen.Count() - 1 : 0;
    {
        const TProject::TEdit edit(project);
        if (toFront)
            screen.MoveToTop(&element);
        else
            screen.MoveToBottom(&element);
    }
    if (from != to)
        project.UndoStack().push(
            new TStackOrderCommand(project, project.IndexOfScreen(&screen), from, to, text));
}

// Runs `change` as one edit of the project, then `record`, which pushes its step; a change that
// ends with an exception is recorded too, as far as it went.
void RunAndRecord(TProject& project, const std::function<void()>& change, const std::function<void()>& record)
{
    try {
        const TProject::TEdit edit(project);
        change();
    } catch (...) {
        record();
        throw;
    }
    record();
}

} // namespace

TElement* DropElement(TProject& project, TLCD& screen, int kind, QPoint point)
{
    const TScreenRole role = &screen == &project.PowerFail() ? TScreenRole::PowerFail : TScreenRole::Work;
    TElement* e = nullptr;
    {
        const TProject::TEdit edit(project);
        e = Drop(screen, role, kind, point);
    }
    if (!e)
        return nullptr;
    project.UndoStack().push(new TElementsPresenceCommand(
        project, project.IndexOfScreen(&screen), {{screen.IndexOf(e), e->Data()}}, screen.Zoom, true,
        Text(QT_TRANSLATE_NOOP("TProject", "Drop element"))));
    return e;
}

bool DeleteElements(TProject& project, TLCD& screen, const QList<TElement*>& elements)
{
    return DeleteElements(project, screen, elements, QT_TRANSLATE_NOOP("TProject", "Delete 1 element"),
                          QT_TRANSLATE_NOOP("TProject", "Delete %1 elements"));
}

bool DeleteElements(TProject& project, TLCD& screen, const QList<TElement*>& elements, const char* one,
                    const char* many)
{
    QList<TPlacedElement> gone;
    for (const TElement* e : elements)
        if (const int index = screen.IndexOf(e); index >= 0)
            gone.append({index, e->Data()});
    std::sort(gone.begin(), gone.end(), [](const auto& a, const auto& b) { return a.Index < b.Index; });
    gone.erase(std::unique(gone.begin(), gone.end(),
                           [](const auto& a, const auto& b) { return a.Index == b.Index; }),
               gone.end());
    if (gone.isEmpty())
        return false;
    {
        const TProject::TEdit edit(project);
        for (auto it = gone.crbegin(); it != gone.crend(); ++it)
            screen.DeleteElement(screen.Item(it->Index));
    }
    const int n = int(gone.size());
    project.UndoStack().push(new TElementsPresenceCommand(project, project.IndexOfScreen(&screen),
                                                          std::move(gone), screen.Zoom, false,
                                                          CountText(one, many, n)));
    return true;
}

int NextGesture()
{
    static int last = 0;
    last = last == std::numeric_limits<int>::max() ? 1 : last + 1;
    return last;
}

void DragElementStep(TProject& project, TElement& element, QPoint point, int gesture)
{
    if (!element.Dragging)
        return;
    TLCD& screen = *element.Screen;
    const bool resizing =
        IsResizable(element.Kind) && (element.HitZone == hzRight || element.HitZone == hzBottom);
    const QList<TElement*> changed = resizing ? QList<TElement*>{&element} : Dragged(element);
    const std::vector<TGeometry> before = Geometries(screen, changed);
    {
        const TProject::TEdit edit(project);
        DragElement(element, point);
    }
    RecordGeometry(project, screen, before, changed, gesture,
                   resizing
                       ? Text(QT_TRANSLATE_NOOP("TProject", "Resize element"))
                       : CountText(QT_TRANSLATE_NOOP("TProject", "Move 1 element"),
                                   QT_TRANSLATE_NOOP("TProject", "Move %1 elements"), int(changed.size())));
}

void ReleaseElementStep(TProject& project, TElement& element, int gesture)
{
    TLCD& screen = *element.Screen;
    const bool resizing =
        IsResizable(element.Kind) && (element.HitZone == hzRight || element.HitZone == hzBottom);
    QList<TElement*> moved = Dragged(element);
    if (!moved.contains(&element))
        moved.append(&element);
    const std::vector<TGeometry> before = Geometries(screen, moved);
    {
        const TProject::TEdit edit(project);
        ReleaseElement(element);
    }
    // Only the panel positions follow here: the step merges into the gesture's moves, or is its own
    // when they were of other elements.
    if (Geometries(screen, moved) != before)
        RecordGeometry(project, screen, before, moved, gesture,
                       resizing
                           ? Text(QT_TRANSLATE_NOOP("TProject", "Resize element"))
                           : CountText(QT_TRANSLATE_NOOP("TProject", "Move 1 element"),
                                       QT_TRANSLATE_NOOP("TProject", "Move %1 elements"), int(moved.size())));
}

namespace {

TStepName AlignText(TAlign command)
{
    switch (command) {
    case TAlign::Left:
        return Text(QT_TRANSLATE_NOOP("TProject", "Align left"));
    case TAlign::Right:
        return Text(QT_TRANSLATE_NOOP("TProject", "Align right"));
    case TAlign::Top:
        return Text(QT_TRANSLATE_NOOP("TProject", "Align top"));
    case TAlign::Bottom:
        return Text(QT_TRANSLATE_NOOP("TProject", "Align bottom"));
    case TAlign::HCentre:
        return Text(QT_TRANSLATE_NOOP("TProject", "Align horizontal centres"));
    case TAlign::VCentre:
        return Text(QT_TRANSLATE_NOOP("TProject", "Align vertical centres"));
    case TAlign::DistributeH:
        return Text(QT_TRANSLATE_NOOP("TProject", "Distribute horizontally"));
    case TAlign::DistributeV:
        return Text(QT_TRANSLATE_NOOP("TProject", "Distribute vertically"));
    case TAlign::SameWidth:
        return Text(QT_TRANSLATE_NOOP("TProject", "Make same width"));
    case TAlign::SameHeight:
        break;
    }
    return Text(QT_TRANSLATE_NOOP("TProject", "Make same height"));
}

// Only the elements whose box changes are touched, so that an element the command leaves alone keeps
// its window geometry exactly.
QList<TElement*> PlaceBoxes(const QList<TElement*>& elements, const std::vector<TPanelBox>& boxes)
{
    QList<TElement*> changed;
    for (int i = 0; i < int(elements.size()); ++i)
        if (!(PanelBox(*elements[i]) == boxes[size_t(i)]))
            changed.append(elements[i]);
    for (int i = 0; i < int(elements.size()); ++i)
        if (changed.contains(elements[i]))
            ApplyBox(*elements[i], boxes[size_t(i)]);
    return changed;
}

} // namespace

bool AlignElements(TProject& project, TLCD& screen, const QList<TElement*>& elements, TAlign command)
{
    const QList<TElement*> selected = InStackingOrder(screen, elements);
    if (!CanAlign(command, selected))
        return false;
    const std::vector<TPanelBox> boxes = AlignedBoxes(command, selected);
    const std::vector<TGeometry> before = Geometries(screen, selected);
    {
        const TProject::TEdit edit(project);
        if (PlaceBoxes(selected, boxes).isEmpty())
            return false;
        screen.MarkModified();
        screen.Invalidate();
    }
    RecordGeometry(project, screen, before, selected, 0, AlignText(command));
    return true;
}

bool MoveElementsBy(TProject& project, TLCD& screen, const QList<TElement*>& elements, int dx, int dy,
                    int gesture)
{
    const QList<TElement*> moving = InStackingOrder(screen, elements);
    if (moving.isEmpty())
        return false;
    std::vector<TPanelBox> boxes;
    for (const TElement* e : moving)
        boxes.push_back(MovedBox(PanelBox(*e), dx, dy, PanelSize(screen)));
    const std::vector<TGeometry> before = Geometries(screen, moving);
    bool moved = false;
    {
        const TProject::TEdit edit(project);
        moved = !PlaceBoxes(moving, boxes).isEmpty();
        if (moved) {
            screen.MarkModified();
            screen.Invalidate();
        }
    }
    // A press held at the edge still belongs to its run: it merges and changes nothing.
    RecordGeometry(project, screen, before, moving, gesture,
                   CountText(QT_TRANSLATE_NOOP("TProject", "Move 1 element"),
                             QT_TRANSLATE_NOOP("TProject", "Move %1 elements"), int(moving.size())));
    return moved;
}

TArrowMoves::TArrowMoves(TProject& project) : project_(project)
{
    QUndoStack* stack = &project.UndoStack();
    index_ = QObject::connect(stack, &QUndoStack::indexChanged, stack, [this] {
        if (!pressing_)
            End();
    });
    clean_ = QObject::connect(stack, &QUndoStack::cleanChanged, stack, [this] {
        if (!pressing_)
            End();
    });
}

TArrowMoves::~TArrowMoves()
{
    QObject::disconnect(index_);
    QObject::disconnect(clean_);
}

bool TArrowMoves::Press(TLCD& screen, int dx, int dy)
{
    const QList<TElement*> selection = Selection(screen);
    if (selection.isEmpty())
        return false;
    if (gesture_ <= 0)
        gesture_ = NextGesture();
    pressing_ = true;
    try {
        MoveElementsBy(project_, screen, selection, dx, dy, gesture_);
    } catch (...) {
        pressing_ = false;
        throw;
    }
    pressing_ = false;
    return true;
}

void ChangeElements(TProject& project, TLCD& screen, const QList<TElement*>& elements, const TStepName& text,
                    const std::function<void()>& change)
{
    QList<TElementChangeCommand::TChange> changes;
    for (const TElement* e : elements)
        if (const int index = screen.IndexOf(e); index >= 0)
            changes.append({index, e->Data(), {}});
    auto record = [&] {
        QList<TElementChangeCommand::TChange> made;
        for (auto& c : changes) {
            c.After = screen.Item(c.Index)->Data();
            if (!SameDesign(c.Before, c.After))
                made.append(std::move(c));
        }
        if (!made.isEmpty())
            project.UndoStack().push(new TElementChangeCommand(project, project.IndexOfScreen(&screen),
                                                               std::move(made), screen.Zoom, text));
    };
    const int count = screen.Count();
    auto finish = [&] {
        if (screen.Count() == count) {
            record();
            return;
        }
        // Elements came or went: no step can say so, and the steps before would find the wrong ones.
        project.UndoStack().clear();
        project.SetModified(true);
    };
    RunAndRecord(project, change, finish);
}

bool BringToFront(TProject& project, TElement& element)
{
    if (element.Screen->IndexOf(&element) < 0)
        return false;
    MoveInStack(project, element, true, Text(QT_TRANSLATE_NOOP("TProject", "Bring to front")));
    return true;
}

bool SendToBack(TProject& project, TElement& element)
{
    if (element.Screen->IndexOf(&element) < 0)
        return false;
    MoveInStack(project, element, false, Text(QT_TRANSLATE_NOOP("TProject", "Send to back")));
    return true;
}

void ChangeScreen(TProject& project, TLCD& screen, const TStepName& text, const std::function<void()>& change)
{
    const TScreenLook before = TScreenLook::Of(screen);
    auto record = [&] {
        TScreenLook after = TScreenLook::Of(screen);
        if (!(after == before))
            project.UndoStack().push(new TScreenLookCommand(project, project.IndexOfScreen(&screen), before,
                                                            std::move(after), text));
    };
    RunAndRecord(project, change, record);
}

TLCD* AddScreen(TProject& project)
{
    TLCD* screen = nullptr;
    {
        const TProject::TEdit edit(project);
        screen = project.MakeScreen(project.Screens().Count());
        project.MarkModified();
    }
    project.UndoStack().push(new TScreenPresenceCommand(project, project.IndexOfScreen(screen), true,
                                                        Text(QT_TRANSLATE_NOOP("TProject", "Add screen"))));
    return screen;
}

bool DeleteScreen(TProject& project, int index)
{
    if (index < 0 || index >= project.Screens().Count() || project.Screens().Count() <= 1)
        return false;
    auto* command = new TScreenPresenceCommand(project, index, false,
                                               Text(QT_TRANSLATE_NOOP("TProject", "Delete screen")));
    {
        const TProject::TEdit edit(project);
        project.DropScreen(project.Screens().Items(index));
        project.MarkModified();
    }
    project.UndoStack().push(command);
    return true;
}

bool MoveScreen(TProject& project, int from, int to)
{
    const int count = project.Screens().Count();
    if (from < 0 || to < 0 || from >= count || to >= count || from == to)
        return false;
    {
        const TProject::TEdit edit(project);
        project.MoveScreen(from, to);
        project.MarkModified();
    }
    project.UndoStack().push(
        new TScreenOrderCommand(project, from, to, Text(QT_TRANSLATE_NOOP("TProject", "Move screen"))));
    return true;
}

void ChangeSplash(TProject& project, const TStepName& text, const std::function<void()>& change)
{
    ChangeSplash(project, TSplashState::Of(project), text, change);
}

void ChangeSplash(TProject& project, const TSplashState& since, const TStepName& text,
                  const std::function<void()>& change)
{
    auto record = [&] {
        TSplashState after = TSplashState::Of(project);
        if (!(after.Clock == since.Clock && after.Animation == since.Animation))
            project.UndoStack().push(new TSplashCommand(project, since, std::move(after), text));
    };
    RunAndRecord(project, change, record);
}
