#include "document/undocommands.h"

#include <QCoreApplication>
#include <QSet>
#include <tuple>

namespace {

// The splash commands belong to no screen.
constexpr int NoScreen = -3;

auto DesignFields(const TElementData& e)
{
    return std::tie(e.Kind, e.Left, e.Top, e.Width, e.Height, e.PanelX, e.PanelY, e.PanelW, e.PanelH,
                    e.OrderNo, e.Reserved, e.Text, e.Format, e.Value, e.MaxVal, e.YellowPct, e.RedPct,
                    e.ScaleW, e.ScaleH, e.TextColor, e.BackColor, e.PenColor, e.ShapeType, e.FontName,
                    e.FontSize, e.FontBold, e.FontItalic, e.OnColor, e.OffColor, e.LedMode, e.BlinkInterval,
                    e.ShowAsAxis, e.AxisColor, e.AxisNum, e.Picture, e.GreenPic, e.YellowPic, e.RedPic,
                    e.BkgPic, e.GreenPicFile, e.YellowPicFile, e.RedPicFile, e.BkgPicFile, e.Hint,
                    e.TypedText);
}

qsizetype TextBytes(const QString& s)
{
    return s.capacity() * qsizetype(sizeof(QChar));
}
qsizetype TextBytes(const QByteArray& s)
{
    return s.capacity();
}
// A picture shared by several commands (or with the design) is counted once.
qsizetype ImageBytes(const QImage& image, QSet<qint64>& seen)
{
    if (image.isNull() || seen.contains(image.cacheKey()))
        return 0;
    seen.insert(image.cacheKey());
    return image.sizeInBytes();
}

qsizetype DataBytes(const TElementData& e, QSet<qint64>& seen)
{
    qsizetype n = TextBytes(e.Text) + TextBytes(e.Format) + TextBytes(e.FontName) +
                  TextBytes(e.GreenPicFile) + TextBytes(e.YellowPicFile) + TextBytes(e.RedPicFile) +
                  TextBytes(e.BkgPicFile) + TextBytes(e.Hint) + TextBytes(e.TypedText);
    for (const QImage* image : {&e.Picture, &e.GreenPic, &e.YellowPic, &e.RedPic, &e.BkgPic})
        n += ImageBytes(*image, seen);
    return n;
}

TElement* ElementAt(TLCD* screen, int index)
{
    return screen && index >= 0 && index < screen->Count() ? screen->Item(index) : nullptr;
}

// An element restored from its fields at its place in the stacking order; its window geometry is
// derived again when the screen's zoom changed since the fields were taken.
void InsertElement(TLCD& screen, int index, const TElementData& data, int zoom)
{
    TElement* e = screen.AddElement(data.Kind, 0, 0);
    e->SetData(data);
    e->ShowOrder = screen.ShowOrder;
    if (zoom != screen.Zoom)
        e->ApplyZoom();
    if (index >= 0 && index < screen.Count() - 1)
        screen.MoveElement(screen.Count() - 1, index);
}

} // namespace

bool SameDesign(const TElementData& a, const TElementData& b)
{
    return DesignFields(a) == DesignFields(b);
}

// --- TProjectCommand -----------------------------------------------------------------------------

QString TStepName::Text() const
{
    if (Many && Count != 1)
        return QCoreApplication::translate("TProject", Many).arg(Count);
    return QCoreApplication::translate("TProject", One);
}

void RetranslateSteps(QUndoStack& stack)
{
    for (int i = 0; i < stack.count(); ++i)
        if (auto* c = dynamic_cast<TProjectCommand*>(const_cast<QUndoCommand*>(stack.command(i))))
            c->Retranslate();
}

TProjectCommand::TProjectCommand(TProject& project, int screen, const TStepName& text)
    : QUndoCommand(text.Text()), project_(project), screen_(screen), name_(text)
{}

void TProjectCommand::undo()
{
    const TProject::TEdit edit(project_);
    Undo();
    emit project_.StepReplayed();
}

void TProjectCommand::redo()
{
    if (done_) {
        done_ = false;
        return;
    }
    const TProject::TEdit edit(project_);
    Redo();
    emit project_.StepReplayed();
}

// --- elements added or removed --------------------------------------------------------------------

TElementsPresenceCommand::TElementsPresenceCommand(TProject& project, int screen,
                                                   QList<TPlacedElement> elements, int zoom, bool added,
                                                   const TStepName& text)
    : TProjectCommand(project, screen, text), elements_(std::move(elements)), zoom_(zoom), added_(added)
{}

void TElementsPresenceCommand::Apply(bool present)
{
    TLCD* screen = Screen();
    if (!screen)
        return;
    if (present) {
        for (const TPlacedElement& p : elements_)
            InsertElement(*screen, p.Index, p.Data, zoom_);
        // What comes back is selected, as a drop selects what it places.
        screen->SelectElement(nullptr);
        screen->Group.clear();
        if (elements_.size() == 1) {
            screen->SelectElement(ElementAt(screen, elements_.first().Index));
        } else {
            for (const TPlacedElement& p : elements_)
                if (TElement* e = ElementAt(screen, p.Index)) {
                    e->Selected = true;
                    screen->Group.append(e);
                }
        }
    } else {
        for (auto it = elements_.crbegin(); it != elements_.crend(); ++it)
            if (TElement* e = ElementAt(screen, it->Index))
                screen->DeleteElement(e);
    }
    screen->Invalidate();
}

qsizetype TElementsPresenceCommand::HeldBytes(QSet<qint64>& seen) const
{
    qsizetype n = sizeof(*this) + elements_.capacity() * qsizetype(sizeof(TPlacedElement));
    for (const TPlacedElement& p : elements_)
        n += DataBytes(p.Data, seen);
    return n;
}

// --- geometry --------------------------------------------------------------------------------------

TGeometry TGeometry::Of(const TElement& e, int index)
{
    return {index, e.Left, e.Top, e.Width, e.Height, e.PanelX, e.PanelY, e.PanelW, e.PanelH};
}

void TGeometry::ApplyTo(TElement& e) const
{
    e.Left = Left;
    e.Top = Top;
    e.Width = Width;
    e.Height = Height;
    e.PanelX = PanelX;
    e.PanelY = PanelY;
    e.PanelW = PanelW;
    e.PanelH = PanelH;
}

TGeometryCommand::TGeometryCommand(TProject& project, int screen, std::vector<TGeometry> before,
                                   std::vector<TGeometry> after, int zoom, int gesture, const TStepName& text)
    : TProjectCommand(project, screen, text), before_(std::move(before)), after_(std::move(after)),
      zoom_(zoom), gesture_(gesture)
{}

bool TGeometryCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = dynamic_cast<const TGeometryCommand*>(other);
    if (!next || next->gesture_ != gesture_ || next->screen_ != screen_ || next->zoom_ != zoom_ ||
        next->after_.size() != after_.size())
        return false;
    for (size_t i = 0; i < after_.size(); ++i)
        if (next->after_[i].Index != after_[i].Index)
            return false;
    after_ = next->after_;
    // A gesture that ends where it began leaves nothing to undo.
    if (after_ == before_)
        setObsolete(true);
    return true;
}

void TGeometryCommand::Apply(const std::vector<TGeometry>& geometry)
{
    TLCD* screen = Screen();
    if (!screen)
        return;
    for (const TGeometry& g : geometry) {
        TElement* e = ElementAt(screen, g.Index);
        if (!e)
            continue;
        g.ApplyTo(*e);
        if (zoom_ != screen->Zoom)
            e->ApplyZoom();
    }
    screen->MarkModified();
    screen->Invalidate();
}

qsizetype TGeometryCommand::HeldBytes(QSet<qint64>&) const
{
    return sizeof(*this) + qsizetype((before_.capacity() + after_.capacity()) * sizeof(TGeometry));
}

// --- element fields --------------------------------------------------------------------------------

TElementChangeCommand::TElementChangeCommand(TProject& project, int screen, QList<TChange> changes, int zoom,
                                             const TStepName& text)
    : TProjectCommand(project, screen, text), changes_(std::move(changes)), zoom_(zoom)
{}

void TElementChangeCommand::Apply(bool after)
{
    TLCD* screen = Screen();
    if (!screen)
        return;
    for (const TChange& c : changes_) {
        TElement* e = ElementAt(screen, c.Index);
        if (!e)
            continue;
        e->SetData(after ? c.After : c.Before);
        if (zoom_ != screen->Zoom)
            e->ApplyZoom();
    }
    screen->MarkModified();
    screen->Invalidate();
}

qsizetype TElementChangeCommand::HeldBytes(QSet<qint64>& seen) const
{
    qsizetype n = sizeof(*this) + changes_.capacity() * qsizetype(sizeof(TChange));
    for (const TChange& c : changes_)
        n += DataBytes(c.Before, seen) + DataBytes(c.After, seen);
    return n;
}

// --- stacking order --------------------------------------------------------------------------------

TStackOrderCommand::TStackOrderCommand(TProject& project, int screen, int from, int to, const TStepName& text)
    : TProjectCommand(project, screen, text), from_(from), to_(to)
{}

void TStackOrderCommand::Undo()
{
    if (TLCD* screen = Screen(); ElementAt(screen, to_) && ElementAt(screen, from_))
        screen->MoveElement(to_, from_);
}

void TStackOrderCommand::Redo()
{
    if (TLCD* screen = Screen(); ElementAt(screen, to_) && ElementAt(screen, from_))
        screen->MoveElement(from_, to_);
}

// --- a screen's look -------------------------------------------------------------------------------

TScreenLook TScreenLook::Of(const TLCD& screen)
{
    return {screen.Landscape, screen.BackgroundColor, screen.Background, screen.BackgroundFile};
}

void TScreenLook::ApplyTo(TLCD& screen) const
{
    if (screen.Landscape != Landscape)
        screen.SetLandscape(Landscape);
    screen.BackgroundColor = BackgroundColor;
    screen.Background = Background;
    screen.BackgroundFile = BackgroundFile;
    screen.MarkModified();
    screen.Invalidate();
}

TScreenLookCommand::TScreenLookCommand(TProject& project, int screen, TScreenLook before, TScreenLook after,
                                       const TStepName& text)
    : TProjectCommand(project, screen, text), before_(std::move(before)), after_(std::move(after))
{}

void TScreenLookCommand::Undo()
{
    if (TLCD* screen = Screen())
        before_.ApplyTo(*screen);
}

void TScreenLookCommand::Redo()
{
    if (TLCD* screen = Screen())
        after_.ApplyTo(*screen);
}

qsizetype TScreenLookCommand::HeldBytes(QSet<qint64>& seen) const
{
    return sizeof(*this) + TextBytes(before_.BackgroundFile) + TextBytes(after_.BackgroundFile) +
           ImageBytes(before_.Background, seen) + ImageBytes(after_.Background, seen);
}

// --- screens added or deleted ----------------------------------------------------------------------

TScreenPresenceCommand::TScreenPresenceCommand(TProject& project, int screen, bool added,
                                               const TStepName& text)
    : TProjectCommand(project, screen, text), added_(added)
{
    if (const TLCD* s = Screen()) {
        look_ = TScreenLook::Of(*s);
        zoom_ = s->Zoom;
        elements_.reserve(size_t(s->Count()));
        for (const auto& e : s->Elements())
            elements_.push_back(e->Data());
    }
}

void TScreenPresenceCommand::Apply(bool present)
{
    if (present) {
        TLCD* screen = project_.MakeScreen(screen_);
        look_.ApplyTo(*screen);
        for (const TElementData& e : elements_)
            InsertElement(*screen, screen->Count(), e, zoom_);
        screen->SelectElement(nullptr);
        project_.MarkModified();
    } else if (TLCD* screen = Screen()) {
        project_.DropScreen(screen);
        project_.MarkModified();
    }
}

qsizetype TScreenPresenceCommand::HeldBytes(QSet<qint64>& seen) const
{
    qsizetype n = sizeof(*this) + qsizetype(elements_.capacity() * sizeof(TElementData)) +
                  TextBytes(look_.BackgroundFile) + ImageBytes(look_.Background, seen);
    for (const TElementData& e : elements_)
        n += DataBytes(e, seen);
    return n;
}

// --- page order ------------------------------------------------------------------------------------

TScreenOrderCommand::TScreenOrderCommand(TProject& project, int from, int to, const TStepName& text)
    : TProjectCommand(project, from, text), to_(to)
{}

void TScreenOrderCommand::Undo()
{
    if (project_.ScreenAt(to_) && Screen()) {
        project_.MoveScreen(to_, screen_);
        project_.MarkModified();
    }
}

void TScreenOrderCommand::Redo()
{
    if (project_.ScreenAt(to_) && Screen()) {
        project_.MoveScreen(screen_, to_);
        project_.MarkModified();
    }
}

// --- splash ------------------------------------------------------------------------------------------

TSplashCommand::TState TSplashCommand::TState::Of(const TProject& project)
{
    return {project.Splash().ClockState(), project.Animation().State()};
}

void TSplashCommand::TState::ApplyTo(TProject& project) const
{
    project.Splash().SetClockState(Clock);
    project.Animation().SetState(Animation);
    project.MarkModified();
}

TSplashCommand::TSplashCommand(TProject& project, TState before, TState after, const TStepName& text)
    : TProjectCommand(project, NoScreen, text), before_(std::move(before)), after_(std::move(after))
{}

qsizetype TSplashCommand::HeldBytes(QSet<qint64>& seen) const
{
    qsizetype n = sizeof(*this);
    for (const TState* s : {&before_, &after_}) {
        n += TextBytes(s->Animation.FileName) +
             qsizetype(s->Animation.Frames.capacity() * sizeof(TAnimationFrame));
        for (const TAnimationFrame& f : s->Animation.Frames)
            n += TextBytes(f.Caption) + ImageBytes(f.Picture, seen);
        for (const QImage& p : s->Clock.Pictures)
            n += ImageBytes(p, seen);
    }
    return n;
}

qsizetype UndoStackBytes(const QUndoStack& stack)
{
    qsizetype n = 0;
    QSet<qint64> seen;
    for (int i = 0; i < stack.count(); ++i)
        if (const auto* c = dynamic_cast<const TProjectCommand*>(stack.command(i)))
            n += c->HeldBytes(seen);
    return n;
}
