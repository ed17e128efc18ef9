#pragma once

// The user's changes of the design, each made and recorded as one undo step on the project's stack.
// The window calls these instead of changing the screens itself; so does the headless test.

#include "document/tproject.h"
#include "document/undocommands.h"
#include "model/align.h"

#include <QList>
#include <QMetaObject>
#include <QPoint>
#include <QString>
#include <functional>

// Drops an element of `kind` at `point` by the placement rules (the power-fail screen's for the
// power-fail screen); null and no step when the rules refuse it.
TElement* DropElement(TProject& project, TLCD& screen, int kind, QPoint point);

// Deletes elements of `screen` as one step; elements of another screen are ignored. False (no
// step) when none is left.
bool DeleteElements(TProject& project, TLCD& screen, const QList<TElement*>& elements);
// The same as a step named `one` for one element and `many` (with %1) for more: Cut.
bool DeleteElements(TProject& project, TLCD& screen, const QList<TElement*>& elements, const char* one,
                    const char* many);

// A new gesture's number, for the moves of one press (or one run of arrow keys): the steps of a
// gesture merge into one.
int NextGesture();

// One pointer move of a press on `element` (editing.h's DragElement: a resize, the element's move
// or the group's), recorded under `gesture`.
void DragElementStep(TProject& project, TElement& element, QPoint point, int gesture);
// The press ended (editing.h's ReleaseElement), recorded under the same gesture.
void ReleaseElementStep(TProject& project, TElement& element, int gesture);

// Aligns, distributes or sizes elements of `screen` (align.h's AlignedBoxes) as one step named after
// the command; false (no step) when the command cannot act on them or changes nothing.
bool AlignElements(TProject& project, TLCD& screen, const QList<TElement*>& elements, TAlign command);

// Moves elements of `screen` by (dx, dy) panel pixels, each kept on the screen, recorded under
// `gesture`; false when none moved.
bool MoveElementsBy(TProject& project, TLCD& screen, const QList<TElement*>& elements, int dx, int dy,
                    int gesture);

// The arrow keys of one project: presses that follow each other are one gesture, so one undo step.
// Any other change of the undo stack (another step, undo, redo) and a save end the run.
class TArrowMoves
{
  public:
    explicit TArrowMoves(TProject& project);
    ~TArrowMoves();
    TArrowMoves(const TArrowMoves&) = delete;
    TArrowMoves& operator=(const TArrowMoves&) = delete;

    // One press: the selection of `screen` moves by (dx, dy) panel pixels; false when nothing is
    // selected.
    bool Press(TLCD& screen, int dx, int dy);
    // The next press starts a new step.
    void End() { gesture_ = 0; }

  private:
    TProject& project_;
    int gesture_ = 0;
    bool pressing_ = false;
    QMetaObject::Connection index_, clean_;
};

// Changes of elements' fields made by `change` (a property dialog's OK, copy properties, a picked
// colour), as one step named `text`; no step when nothing changed. `change` may throw; what it
// changed before it threw is recorded all the same, and the exception goes on.
void ChangeElements(TProject& project, TLCD& screen, const QList<TElement*>& elements, const TStepName& text,
                    const std::function<void()>& change);

// To front, to back.
bool BringToFront(TProject& project, TElement& element);
bool SendToBack(TProject& project, TElement& element);

// A change of a screen's layout, background colour or picture made by `change`, as one step.
void ChangeScreen(TProject& project, TLCD& screen, const TStepName& text,
                  const std::function<void()>& change);

// Adds an empty work screen after the last (InsertScreen makes it) as one step and returns it.
TLCD* AddScreen(TProject& project);
// Deletes the work screen at page `index` (never the last one left) as one step.
bool DeleteScreen(TProject& project, int index);

// Moves the work screen at page `from` to page `to` as one step; false (no step) for a page that
// is not there or no move.
bool MoveScreen(TProject& project, int from, int to);

// A change of the splash clock or the animation made by `change`, as one step; no step when
// nothing of them changed. Like ChangeElements, a throwing change is recorded and goes on.
void ChangeSplash(TProject& project, const TStepName& text, const std::function<void()>& change);
// The same for a change that spans events (a clock field's or the animation's drag): `since` is the
// state taken at the press, `change` ends the gesture (its release); the moves between change no
// flag of the design.
using TSplashState = TSplashCommand::TState;
void ChangeSplash(TProject& project, const TSplashState& since, const TStepName& text,
                  const std::function<void()>& change);
