#include "document/clipboard.h"
#include "document/edits.h"
#include "document/tproject.h"
#include "document/undocommands.h"
#include "gifwriter.h"
#include "model/align.h"
#include "model/editing.h"
#include "model/elementcommands.h"
#include "model/elementkind.h"
#include "model/placement.h"
#include "project/lcdfile.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

QByteArray Bytes(const TProject& p)
{
    return ProjectBytes(p.Screens(), p.PowerFail(), p.GatherSplash());
}

// Everything undo must give back, beyond the file's bytes: every element's fields (pictures too) in
// stacking order, each screen's look, the clock and the animation.
struct TSnapshot
{
    QByteArray File;
    std::vector<std::vector<TElementData>> Elements;
    std::vector<TScreenLook> Looks;
    TSplash::TClockState Clock;
    TAnimation::TState Animation;

    static TSnapshot Of(TProject& p)
    {
        TSnapshot s;
        s.File = Bytes(p);
        for (int i = TProject::PowerFailIndex; i < p.Screens().Count(); ++i) {
            const TLCD& screen = *p.ScreenAt(i);
            s.Looks.push_back(TScreenLook::Of(screen));
            s.Elements.emplace_back();
            for (const auto& e : screen.Elements())
                s.Elements.back().push_back(e->Data());
        }
        s.Clock = p.Splash().ClockState();
        s.Animation = p.Animation().State();
        return s;
    }

    // The first difference, empty when there is none.
    std::string Difference(const TSnapshot& o) const { return FirstDifference(o).toStdString(); }
    QString FirstDifference(const TSnapshot& o) const
    {
        if (File != o.File)
            return QStringLiteral("file bytes");
        if (Looks.size() != o.Looks.size())
            return QStringLiteral("screen count");
        for (size_t i = 0; i < Looks.size(); ++i) {
            if (!(Looks[i] == o.Looks[i]))
                return QStringLiteral("look of screen %1").arg(int(i) - 1);
            if (Elements[i].size() != o.Elements[i].size())
                return QStringLiteral("element count of screen %1").arg(int(i) - 1);
            for (size_t k = 0; k < Elements[i].size(); ++k)
                if (!SameDesign(Elements[i][k], o.Elements[i][k]))
                    return QStringLiteral("element %1 of screen %2").arg(k).arg(int(i) - 1);
        }
        if (!(Clock == o.Clock))
            return QStringLiteral("clock");
        if (!(Animation == o.Animation))
            return QStringLiteral("animation");
        return {};
    }
};

// A saved project of two work screens with a few elements, a clock and a power-fail DRO.
struct TFixture
{
    QTemporaryDir dir;
    TProject project;

    TFixture()
    {
        project.SetUndoLimit(0);
        TLCD* a = project.Screens().AddScreen(240, 320);
        TLCD* b = project.Screens().AddScreen(240, 320);
        a->SetZoom(1);
        b->SetZoom(1);
        b->SetLandscape(true);
        Drop(*a, TScreenRole::Work, ekDRO, {10, 20});
        Drop(*a, TScreenRole::Work, ekLED, {100, 20});
        Drop(*a, TScreenRole::Work, ekText, {10, 120});
        Drop(*b, TScreenRole::Work, ekBar, {30, 40});
        Drop(project.PowerFail(), TScreenRole::PowerFail, ekDRO, {5, 6});
        project.Splash().SetClockShown(true);
        project.Save(dir.filePath("p.lcd"));
    }
    TLCD& Screen(int i) { return *project.Screens().Items(i); }
    QUndoStack& Stack() { return project.UndoStack(); }
};

TEST(Undo, DropDeleteAndOrderAreUndoneInPlace)
{
    struct Case
    {
        const char* What;
        std::function<void(TFixture&)> Edit;
        QString Text;
        std::function<void(TFixture&)> CheckDone;
    };
    const Case cases[] = {
        {"drop",
         [](TFixture& f) {
             ASSERT_NE(DropElement(f.project, f.Screen(0), ekShape, {50, 200}), nullptr);
         },
         "Drop element",
         [](TFixture& f) {
             ASSERT_EQ(f.Screen(0).Count(), 4);
             EXPECT_EQ(f.Screen(0).Item(3)->Kind, ekShape);
             EXPECT_EQ(f.Screen(0).Item(3)->Left, 50);
         }},
        {"delete two of three",
         [](TFixture& f) {
             DeleteElements(f.project, f.Screen(0), {f.Screen(0).Item(2), f.Screen(0).Item(0)});
         },
         "Delete 2 elements",
         [](TFixture& f) {
             ASSERT_EQ(f.Screen(0).Count(), 1);
             EXPECT_EQ(f.Screen(0).Item(0)->Kind, ekLED);
         }},
        {"to front", [](TFixture& f) { BringToFront(f.project, *f.Screen(0).Item(0)); }, "Bring to front",
         [](TFixture& f) {
             EXPECT_EQ(f.Screen(0).Item(0)->Kind, ekLED);
             EXPECT_EQ(f.Screen(0).Item(2)->Kind, ekDRO);
         }},
        {"to back", [](TFixture& f) { SendToBack(f.project, *f.Screen(0).Item(2)); }, "Send to back",
         [](TFixture& f) {
             EXPECT_EQ(f.Screen(0).Item(0)->Kind, ekText);
             EXPECT_EQ(f.Screen(0).Item(1)->Kind, ekDRO);
         }},
        {"delete screen", [](TFixture& f) { ASSERT_TRUE(DeleteScreen(f.project, 0)); }, "Delete screen",
         [](TFixture& f) {
             ASSERT_EQ(f.project.Screens().Count(), 1);
             EXPECT_TRUE(f.Screen(0).Landscape);
         }},
        {"move screen", [](TFixture& f) { ASSERT_TRUE(MoveScreen(f.project, 1, 0)); }, "Move screen",
         [](TFixture& f) {
             EXPECT_TRUE(f.Screen(0).Landscape);
             EXPECT_EQ(f.Screen(1).Count(), 3);
         }},
        {"add screen", [](TFixture& f) { ASSERT_NE(AddScreen(f.project), nullptr); }, "Add screen",
         [](TFixture& f) { ASSERT_EQ(f.project.Screens().Count(), 3); }},
        {"landscape",
         [](TFixture& f) {
             ChangeScreen(f.project, f.Screen(0), "Landscape", [&] { f.Screen(0).SetLandscape(true); });
         },
         "Landscape", [](TFixture& f) { EXPECT_EQ(f.Screen(0).PanelWidth, 320); }},
        {"picked colour",
         [](TFixture& f) {
             TElement* e = f.Screen(0).Item(0);
             ChangeElements(f.project, f.Screen(0), {e}, "Pick colour",
                            [&] { ApplyPickedColor(*e, 0x123456, true); });
         },
         "Pick colour", [](TFixture& f) { EXPECT_EQ(f.Screen(0).Item(0)->BackColor, 0x123456u); }},
    };
    for (const Case& c : cases) {
        TFixture f;
        const TSnapshot before = TSnapshot::Of(f.project);
        c.Edit(f);
        ASSERT_EQ(f.Stack().count(), 1) << c.What;
        EXPECT_EQ(f.Stack().undoText(), c.Text) << c.What;
        c.CheckDone(f);
        const TSnapshot after = TSnapshot::Of(f.project);
        EXPECT_TRUE(f.project.Modified()) << c.What;
        f.Stack().undo();
        EXPECT_EQ(TSnapshot::Of(f.project).Difference(before), "") << c.What;
        EXPECT_FALSE(f.project.Modified()) << c.What;
        f.Stack().redo();
        c.CheckDone(f);
        EXPECT_EQ(TSnapshot::Of(f.project).Difference(after), "") << c.What;
        EXPECT_TRUE(f.project.Modified()) << c.What;
    }
}

TEST(Undo, TheMovesOfOnePressAreOneStep)
{
    TFixture f;
    TLCD& s = f.Screen(0);
    s.Group = {s.Item(0), s.Item(1), s.Item(2)};
    const QByteArray before = Bytes(f.project);

    TElement& led = *s.Item(1);
    PressElement(led, {8, 8}, false, 0);
    const int gesture = NextGesture();
    // Points are the element's own: each step is one pixel right and two down from the press.
    for (int step = 1; step <= 10; ++step)
        DragElementStep(f.project, led, {9, 10}, gesture);
    ReleaseElementStep(f.project, led, gesture);

    ASSERT_EQ(f.Stack().count(), 1);
    EXPECT_EQ(f.Stack().undoText(), QStringLiteral("Move 3 elements"));
    EXPECT_EQ(s.Item(0)->PanelX, 10 + 10);
    EXPECT_EQ(s.Item(0)->PanelY, 20 + 20);
    const QByteArray moved = Bytes(f.project);
    ASSERT_NE(moved, before);

    f.Stack().undo();
    EXPECT_EQ(Bytes(f.project), before);
    EXPECT_EQ(s.Item(0)->Left, 10);
    EXPECT_FALSE(f.project.Modified());
    f.Stack().redo();
    EXPECT_EQ(Bytes(f.project), moved);

    // A press that ends where it began leaves no step behind.
    PressElement(led, {8, 8}, false, 0);
    const int back = NextGesture();
    DragElementStep(f.project, led, {20, 8}, back);
    DragElementStep(f.project, led, {-4, 8}, back);
    ReleaseElementStep(f.project, led, back);
    EXPECT_EQ(f.Stack().count(), 1);
    EXPECT_EQ(Bytes(f.project), moved);
}

TEST(Undo, ModifiedFollowsTheSavedState)
{
    TFixture f;
    QSignalSpy spy(&f.project, &TProject::ModifiedChanged);
    DropElement(f.project, f.Screen(0), ekShape, {1, 1});
    DropElement(f.project, f.Screen(0), ekShape, {2, 2});
    ASSERT_TRUE(f.project.Modified());
    f.project.Save(f.dir.filePath("q.lcd"));
    EXPECT_FALSE(f.project.Modified());

    f.Stack().undo();
    EXPECT_TRUE(f.project.Modified());
    f.Stack().redo();
    EXPECT_FALSE(f.project.Modified()) << "redone back to the saved state";
    EXPECT_EQ(spy.count(), 4);

    // A change no step records: the saved state is out of reach until the next save.
    f.Stack().undo();
    f.Screen(0).Item(0)->MarkModified();
    f.Stack().redo();
    EXPECT_TRUE(f.project.Modified());

    // A step whose edit sets no flag of its own still leaves the saved state.
    f.project.Save(f.dir.filePath("q.lcd"));
    const QByteArray saved = Bytes(f.project);
    ChangeSplash(f.project, "Digit size", [&] { f.project.Splash().SetDigitWidth(40); });
    ASSERT_NE(Bytes(f.project), saved);
    EXPECT_TRUE(f.project.Modified());
    f.Stack().undo();
    EXPECT_FALSE(f.project.Modified());

    f.project.Save(f.dir.filePath("q.lcd"));
    f.project.SetModified(true);
    f.Stack().undo();
    f.Stack().redo();
    EXPECT_TRUE(f.project.Modified()) << "SetModified(true) leaves the saved state";
}

TEST(Undo, TheLimitKeepsTheLatestSteps)
{
    TFixture f;
    f.project.SetUndoLimit(3);
    for (int i = 0; i < 5; ++i)
        DropElement(f.project, f.Screen(1), ekShape, {i, i});
    EXPECT_EQ(f.Stack().count(), 3);
    while (f.Stack().canUndo())
        f.Stack().undo();
    EXPECT_EQ(f.Screen(1).Count(), 1 + 2);
    EXPECT_TRUE(f.project.Modified()) << "the saved state fell off the stack";
}

TEST(Undo, OpenAndNewEmptyTheStack)
{
    TFixture f;
    DropElement(f.project, f.Screen(0), ekShape, {1, 1});
    f.project.Open(f.dir.filePath("p.lcd"));
    EXPECT_EQ(f.Stack().count(), 0);
    EXPECT_FALSE(f.project.Modified());
    DropElement(f.project, f.Screen(0), ekShape, {1, 1});
    f.project.New();
    EXPECT_EQ(f.Stack().count(), 0);
    EXPECT_TRUE(f.project.Modified());
}

// --- the random sequence -----------------------------------------------------------------------

class TRandomEditor
{
  public:
    TRandomEditor(TProject& project, unsigned seed, const QString& gif) : p_(project), rng_(seed), gif_(gif)
    {}

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    TLCD& AnyScreen()
    {
        const int i = Int(-1, p_.Screens().Count() - 1);
        return *p_.ScreenAt(i);
    }

    TElement* AnyElement(TLCD& s) { return s.Count() ? s.Item(Int(0, s.Count() - 1)) : nullptr; }

    // One edit of a kind picked at random; returns its name.
    const char* Edit()
    {
        TLCD& s = AnyScreen();
        switch (Int(0, 19)) {
        case 0:
        case 1:
            DropElement(p_, s, Int(ekDRO, ekClock),
                        {Int(0, s.DisplayWidth - 1), Int(0, s.DisplayHeight - 1)});
            return "drop";
        case 2:
            if (TElement* e = AnyElement(s)) {
                QList<TElement*> doomed{e};
                if (TElement* other = AnyElement(s); other && Int(0, 1))
                    doomed.append(other);
                DeleteElements(p_, s, doomed);
            }
            return "delete";
        case 3:
        case 4:
            Drag(s, false);
            return "move";
        case 5:
            Drag(s, true);
            return "resize";
        case 6:
        case 7:
            if (TElement* e = AnyElement(s))
                ChangeElements(p_, s, {e}, "Properties", [&] { ChangeField(*e); });
            return "properties";
        case 8:
            if (TElement* e = AnyElement(s); e) {
                const TElement* source = AnyElement(s);
                ChangeElements(p_, s, {e}, "Copy properties",
                               [&] { CopyProperties(*e, *source, p_.Screens().Zoom); });
            }
            return "copy properties";
        case 9:
            if (TElement* e = AnyElement(s))
                Int(0, 1) ? BringToFront(p_, *e) : SendToBack(p_, *e);
            return "front/back";
        case 10:
            if (p_.Screens().Count() < 6 && Int(0, 1))
                AddScreen(p_);
            else if (Int(0, 1))
                DeleteScreen(p_, Int(0, p_.Screens().Count() - 1));
            else
                MoveScreen(p_, Int(0, p_.Screens().Count() - 1), Int(0, p_.Screens().Count() - 1));
            return "add/delete/move screen";
        case 11:
            ChangeScreen(p_, s, "Layout", [&] { s.SetLandscape(!s.Landscape); });
            return "layout";
        case 12:
            ChangeScreen(p_, s, "Background", [&] {
                s.BackgroundColor = TColor(Int(0, 0xFFFFFF));
                s.MarkModified();
            });
            return "background";
        case 13:
            ChangeSplash(p_, "Clock", [&] { ClockChange(); });
            return "clock";
        case 14:
            ChangeSplash(p_, "Animation", [&] {
                if (Int(0, 2) == 0) {
                    p_.Animation().Clear();
                } else if (p_.Animation().FrameCount() == 0) {
                    p_.Animation().LoadAnimation(gif_);
                } else {
                    p_.Animation().Drag({0, 0}, {Int(-20, 20), Int(-20, 20)}, p_.Splash().ScreenSize());
                    p_.Animation().EndDrag();
                }
            });
            return "animation";
        case 15:
            // Several elements, as Ctrl+click or a rubber band selects them.
            if (const QList<TElement*> some = Some(s); some.size() >= 2)
                AlignElements(p_, s, some, AlignCommands[Int(0, int(std::size(AlignCommands)) - 1)]);
            return "align";
        case 16:
            if (const QList<TElement*> some = Some(s); !some.isEmpty()) {
                const int gesture = NextGesture();
                for (int i = Int(1, 4); i > 0; --i)
                    MoveElementsBy(p_, s, some, Int(-5, 5), Int(-5, 5), gesture);
            }
            return "arrow keys";
        case 17:
            // Copy from any screen, paste on any; a duplicate, or a cut.
            if (const QList<TElement*> some = Some(s); !some.isEmpty()) {
                switch (Int(0, 2)) {
                case 0:
                    PasteBytes(p_, AnyScreen(), ElementsToBytes(s, some));
                    break;
                case 1:
                    DuplicateElements(p_, s, some);
                    break;
                default:
                    CutElements(p_, s, some);
                    break;
                }
            }
            return "clipboard";
        case 18:
            // A property window on several elements of one kind: what changed on one goes to all.
            if (TElement* e = AnyElement(s)) {
                QList<TElement*> same;
                for (const auto& other : s.Elements())
                    if (other->Kind == e->Kind && Int(0, 1))
                        same.append(other.get());
                same.removeAll(e);
                same.prepend(e);
                ChangeElements(p_, s, same, "Properties", [&] {
                    const TElementData before = e->Data();
                    ChangeField(*e);
                    for (TElement* other : same.mid(1))
                        ApplyChangedFields(*other, before, e->Data());
                });
            }
            return "properties of several";
        default:
            // A view setting in between: no step, and undo must not mind it.
            p_.Screens().SetZoom(quint8(Int(1, 3)));
            return "zoom";
        }
    }

  private:
    // Up to four elements of the screen, none twice.
    QList<TElement*> Some(TLCD& s)
    {
        QList<TElement*> some;
        for (int i = Int(1, 4); i > 0; --i)
            if (TElement* e = AnyElement(s); e && !some.contains(e))
                some.append(e);
        return some;
    }

    void Drag(TLCD& s, bool resize)
    {
        TElement* e = AnyElement(s);
        if (!e)
            return;
        s.Group.clear();
        if (!resize && Int(0, 1)) {
            // A rubber band first: the group moves.
            s.BandStart = {Int(0, s.DisplayWidth / 2), Int(0, s.DisplayHeight / 2)};
            ReleaseScreen(
                s, {Int(s.DisplayWidth / 2, s.DisplayWidth), Int(s.DisplayHeight / 2, s.DisplayHeight)});
            if (!s.Group.isEmpty())
                e = s.Group.first();
        }
        const QPoint press =
            resize ? QPoint(qMax(0, e->Width - 2), e->Height / 2) : QPoint(e->Width / 2, e->Height / 2);
        PressElement(*e, press, false, 0);
        const int gesture = NextGesture();
        QPoint at = press;
        for (int i = Int(1, 6); i > 0; --i) {
            at += QPoint(Int(-15, 15), Int(-15, 15));
            DragElementStep(p_, *e, at, gesture);
        }
        ReleaseElementStep(p_, *e, gesture);
        s.Group.clear();
    }

    void ChangeField(TElement& e)
    {
        switch (Int(0, 7)) {
        case 0:
            e.TextColor = TColor(Int(0, 0xFFFFFF));
            break;
        case 1:
            e.BackColor = e.PenColor = TColor(Int(0, 0xFFFFFF));
            break;
        case 2:
            e.Value = float(Int(-1000, 1000)) / 8;
            e.MaxVal = quint16(Int(1, 1000));
            break;
        case 3:
            if (IsCellText(e.Kind) || e.Kind == ekText)
                e.SetText(QByteArray(Int(1, 12), char('a' + Int(0, 25))));
            else
                e.Format = "%5.1f";
            break;
        case 4:
            e.SetScaleW(quint8(Int(1, 3)));
            e.SetScaleH(quint8(Int(1, 3)));
            break;
        case 5:
            e.FontSize = Int(6, 30);
            e.FontBold = !e.FontBold;
            e.UpdateSize();
            break;
        case 6:
            e.LedMode = quint8(Int(0, 2));
            e.BlinkInterval = quint16(Int(0, 2000));
            e.OnColor = TColor(Int(0, 0xFFFFFF));
            break;
        default:
            e.ShapeType = quint8(Int(0, 2));
            e.ShowAsAxis = quint8(Int(0, 1));
            e.AxisNum = quint8(Int(0, 5));
            e.YellowPct = quint8(Int(0, 100));
            break;
        }
        e.MarkModified();
    }

    void ClockChange()
    {
        TSplash& sp = p_.Splash();
        switch (Int(0, 4)) {
        case 0:
            sp.SetClockShown(!sp.ClockShown());
            break;
        case 1:
            sp.SetClockTransparent(!sp.ClockTransparent());
            break;
        case 2:
            sp.SetClockDigitColor(TColor(Int(0, 0xFFFFFF)));
            break;
        case 3:
            sp.SetDigitWidth(Int(10, 40));
            sp.SetDigitHeight(Int(10, 50));
            break;
        default: {
            const ClockField field = Int(0, 1) ? ClockField::Hours : ClockField::Minutes;
            sp.DragField(field, {0, 0}, {Int(-30, 30), Int(-30, 30)});
            sp.EndFieldDrag(field);
            break;
        }
        }
    }

    TProject& p_;
    std::mt19937 rng_;
    QString gif_;
};

TEST(Undo, UndoingEverythingGivesBackTheSavedBytesAndRedoingGivesTheEdits)
{
    TFixture f;
    const QString gif = f.dir.filePath("a.gif");
    gifwriter::Gif g;
    g.Width = 16;
    g.Height = 12;
    g.GlobalMap = {qRgb(255, 0, 0), qRgb(0, 0, 255)};
    g.Frames = {gifwriter::SolidFrame(0, 0, 16, 12, 0), gifwriter::SolidFrame(0, 0, 16, 12, 1)};
    ASSERT_TRUE(gifwriter::WriteGif(gif, g));

    for (unsigned seed : {1u, 2u, 3u}) {
        f.project.Open(f.dir.filePath("p.lcd"));
        f.project.Screens().SetZoom(1);
        const TSnapshot before = TSnapshot::Of(f.project);
        TRandomEditor editor(f.project, seed, gif);
        std::map<std::string, int> kinds;
        for (int i = 0; i < 500; ++i)
            ++kinds[editor.Edit()];
        f.project.Screens().SetZoom(1);
        const TSnapshot after = TSnapshot::Of(f.project);
        ASSERT_GE(f.Stack().count(), 200) << "seed " << seed;
        for (const auto& [kind, n] : kinds)
            EXPECT_GT(n, 5) << kind << ", seed " << seed;

        f.project.Screens().SetZoom(2);
        while (f.Stack().canUndo())
            f.Stack().undo();
        f.project.Screens().SetZoom(1);
        EXPECT_EQ(TSnapshot::Of(f.project).Difference(before), "") << "seed " << seed;
        EXPECT_FALSE(f.project.Modified()) << "seed " << seed;

        while (f.Stack().canRedo())
            f.Stack().redo();
        EXPECT_EQ(TSnapshot::Of(f.project).Difference(after), "") << "seed " << seed;
        EXPECT_TRUE(f.project.Modified()) << "seed " << seed;
    }
}

} // namespace
