#pragma once

// The undo steps of the project document. Each records a change as what it touched before and
// after (an element's fields, a few geometries, a screen's look, the clock settings), never a copy
// of the whole design, and finds its screens and elements by position: the work screen's page index
// (or the power-fail screen) and the place in that screen's stacking order. Positions stay right
// because every change of the screens or their elements is on the same stack, in order.
//
// A command is pushed after its change was made (the window's gestures already made it): its first
// redo does nothing, later redos make the change again.

#include "document/tproject.h"
#include "model/telement.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QUndoCommand>
#include <vector>

// Whether two elements' designs are the same: every field a project file or the screen shows,
// not the selection or a press in progress.
bool SameDesign(const TElementData& a, const TElementData& b);

// What a step is called: its name in English, and for a step on several things the name with their
// number (%1). Shown in the active language, and again whenever that changes (RetranslateSteps).
struct TStepName
{
    TStepName(const char* one) : One(one) {}
    TStepName(const char* one, const char* many, int count) : One(one), Many(many), Count(count) {}
    QString Text() const;

    const char* One;
    const char* Many = nullptr;
    int Count = 1;
};

class TProjectCommand : public QUndoCommand
{
  public:
    TProjectCommand(TProject& project, int screen, const TStepName& text);
    void undo() final;
    void redo() final;

    // Memory the command holds: itself and what it points to. A picture is counted only when its
    // key is not yet in `pictures` (pictures are shared, with the design and between commands).
    virtual qsizetype HeldBytes(QSet<qint64>& pictures) const = 0;

    // Names the step again in the active language.
    void Retranslate() { setText(name_.Text()); }

    int ScreenIndex() const { return screen_; }

  protected:
    virtual void Undo() = 0;
    virtual void Redo() = 0;
    // The command's screen; null when the screens are no longer as the command knew them.
    TLCD* Screen() const { return project_.ScreenAt(screen_); }

    TProject& project_;
    const int screen_;

  private:
    TStepName name_;
    bool done_ = true;
};

// Every step on the stack named again in the active language.
void RetranslateSteps(QUndoStack& stack);

// An element's fields together with its place in its screen's stacking order and the zoom its
// window geometry was taken at.
struct TPlacedElement
{
    int Index = 0;
    TElementData Data;
};

// Elements that came (drop, paste) or went (delete), kept whole.
class TElementsPresenceCommand : public TProjectCommand
{
  public:
    // `elements` in ascending Index order; `added`: they are there now.
    TElementsPresenceCommand(TProject& project, int screen, QList<TPlacedElement> elements, int zoom,
                             bool added, const TStepName& text);
    qsizetype HeldBytes(QSet<qint64>& pictures) const override;

  protected:
    void Undo() override { Apply(!added_); }
    void Redo() override { Apply(added_); }

  private:
    void Apply(bool present);
    QList<TPlacedElement> elements_;
    int zoom_;
    bool added_;
};

// Both geometries of an element, window and panel pixels.
struct TGeometry
{
    int Index = 0;
    qint32 Left = 0, Top = 0, Width = 0, Height = 0;
    qint32 PanelX = 0, PanelY = 0, PanelW = 0, PanelH = 0;

    static TGeometry Of(const TElement& e, int index);
    void ApplyTo(TElement& e) const;
    bool operator==(const TGeometry&) const = default;
};

// Moves and resizes. The steps of one gesture (one press, or one run of arrow keys) merge into one.
class TGeometryCommand : public TProjectCommand
{
  public:
    // The id of every geometry command that may merge with another.
    static constexpr int MergeId = 0x4d4f5645;

    TGeometryCommand(TProject& project, int screen, std::vector<TGeometry> before,
                     std::vector<TGeometry> after, int zoom, int gesture, const TStepName& text);
    int id() const override { return gesture_ > 0 ? MergeId : -1; }
    bool mergeWith(const QUndoCommand* other) override;
    qsizetype HeldBytes(QSet<qint64>& pictures) const override;

  protected:
    void Undo() override { Apply(before_); }
    void Redo() override { Apply(after_); }

  private:
    void Apply(const std::vector<TGeometry>& geometry);
    std::vector<TGeometry> before_, after_;
    int zoom_;
    int gesture_;
};

// Any change of elements' fields: a property dialog's OK, copied properties, a picked colour.
class TElementChangeCommand : public TProjectCommand
{
  public:
    struct TChange
    {
        int Index = 0;
        TElementData Before, After;
    };
    TElementChangeCommand(TProject& project, int screen, QList<TChange> changes, int zoom,
                          const TStepName& text);
    qsizetype HeldBytes(QSet<qint64>& pictures) const override;

  protected:
    void Undo() override { Apply(false); }
    void Redo() override { Apply(true); }

  private:
    void Apply(bool after);
    QList<TChange> changes_;
    int zoom_;
};

// To front, to back: an element moved in the stacking order.
class TStackOrderCommand : public TProjectCommand
{
  public:
    TStackOrderCommand(TProject& project, int screen, int from, int to, const TStepName& text);
    qsizetype HeldBytes(QSet<qint64>&) const override { return sizeof(*this); }

  protected:
    void Undo() override;
    void Redo() override;

  private:
    int from_, to_;
};

// What a screen looks like without its elements.
struct TScreenLook
{
    bool Landscape = false;
    TColor BackgroundColor = 0;
    QImage Background;
    QString BackgroundFile;

    static TScreenLook Of(const TLCD& screen);
    void ApplyTo(TLCD& screen) const;
    bool operator==(const TScreenLook&) const = default;
};

// Portrait/landscape, the background colour or picture of one screen.
class TScreenLookCommand : public TProjectCommand
{
  public:
    TScreenLookCommand(TProject& project, int screen, TScreenLook before, TScreenLook after,
                       const TStepName& text);
    qsizetype HeldBytes(QSet<qint64>& pictures) const override;

  protected:
    void Undo() override;
    void Redo() override;

  private:
    TScreenLook before_, after_;
};

// A work screen added or deleted, kept whole (its look and its elements).
class TScreenPresenceCommand : public TProjectCommand
{
  public:
    // Takes the screen's content now; `added`: the screen is there now.
    TScreenPresenceCommand(TProject& project, int screen, bool added, const TStepName& text);
    qsizetype HeldBytes(QSet<qint64>& pictures) const override;

  protected:
    void Undo() override { Apply(!added_); }
    void Redo() override { Apply(added_); }

  private:
    void Apply(bool present);
    TScreenLook look_;
    std::vector<TElementData> elements_;
    int zoom_ = 1;
    bool added_;
};

// A work screen moved to another page.
class TScreenOrderCommand : public TProjectCommand
{
  public:
    TScreenOrderCommand(TProject& project, int from, int to, const TStepName& text);
    qsizetype HeldBytes(QSet<qint64>&) const override { return sizeof(*this); }

  protected:
    void Undo() override;
    void Redo() override;

  private:
    int to_;
};

// The splash clock and the animation: the clock switch, transparency, digit size and colours, the
// fields' drags, the GIF loaded, cleared or dragged.
class TSplashCommand : public TProjectCommand
{
  public:
    struct TState
    {
        TSplash::TClockState Clock;
        TAnimation::TState Animation;
        static TState Of(const TProject& project);
        void ApplyTo(TProject& project) const;
    };
    TSplashCommand(TProject& project, TState before, TState after, const TStepName& text);
    qsizetype HeldBytes(QSet<qint64>& pictures) const override;

  protected:
    void Undo() override { before_.ApplyTo(project_); }
    void Redo() override { after_.ApplyTo(project_); }

  private:
    TState before_, after_;
};

// Every step on the stack named again in the active language.
void RetranslateSteps(QUndoStack& stack);

// The memory all commands on the project's stack hold.
qsizetype UndoStackBytes(const QUndoStack& stack);
