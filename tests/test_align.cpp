#include "document/edits.h"
#include "document/tproject.h"
#include "model/align.h"
#include "model/editing.h"
#include "model/elementkind.h"
#include "project/lcdfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// An element's kind and place in panel pixels.
struct TPlaced
{
    quint8 Kind;
    TPanelBox Box;
};

// A saved project of one 240 x 320 work screen holding `elements`, in that stacking order, at `zoom`.
struct TFixture
{
    QTemporaryDir dir;
    TProject project;
    TLCD* screen = nullptr;
    QByteArray saved;

    explicit TFixture(const std::vector<TPlaced>& elements, int zoom = 1)
    {
        project.SetUndoLimit(0);
        screen = project.Screens().AddScreen(240, 320);
        screen->SetZoom(quint8(zoom));
        for (const TPlaced& p : elements) {
            TElement* e = screen->AddElement(p.Kind, 0, 0);
            e->PanelX = p.Box.X;
            e->PanelY = p.Box.Y;
            if (IsResizable(p.Kind)) {
                e->PanelW = p.Box.W;
                e->PanelH = p.Box.H;
            }
            e->ApplyZoom();
        }
        project.Save(dir.filePath(QStringLiteral("p.lcd")));
        saved = Bytes();
    }
    QByteArray Bytes() const
    {
        return ProjectBytes(project.Screens(), project.PowerFail(), project.GatherSplash());
    }
    QList<TElement*> All() const
    {
        QList<TElement*> all;
        for (const auto& e : screen->Elements())
            all.append(e.get());
        return all;
    }
    QUndoStack& Stack() { return project.UndoStack(); }
};

std::string Show(const TPanelBox& b)
{
    return testing::PrintToString(std::vector<int>{b.X, b.Y, b.W, b.H});
}

// Both geometries agree: window = panel x zoom.
void ExpectConsistent(const TElement& e, const char* what)
{
    const int z = e.Zoom();
    EXPECT_EQ(e.Left, e.PanelX * z) << what;
    EXPECT_EQ(e.Top, e.PanelY * z) << what;
    if (IsResizable(e.Kind)) {
        EXPECT_EQ(e.Width, e.PanelW * z) << what;
        EXPECT_EQ(e.Height, e.PanelH * z) << what;
    }
}

TEST(Align, EachCommandPlacesTheSelectionAndIsOneUndoStep)
{
    // A shape 65 x 20 at (10, 20) below an LED 20 x 20 at (50, 100), unless a case says otherwise.
    const std::vector<TPlaced> pair = {{ekShape, {10, 20, 65, 20}}, {ekLED, {50, 100, 20, 20}}};
    struct Case
    {
        const char* What;
        TAlign Command;
        std::vector<TPlaced> Elements;
        int Zoom;
        std::vector<TPanelBox> Expected;
        QString Step;
    };
    const Case cases[] = {
        {"left", TAlign::Left, pair, 1, {{10, 20, 65, 20}, {10, 100, 20, 20}}, "Align left"},
        {"right", TAlign::Right, pair, 1, {{10, 20, 65, 20}, {55, 100, 20, 20}}, "Align right"},
        {"top", TAlign::Top, pair, 1, {{10, 20, 65, 20}, {50, 20, 20, 20}}, "Align top"},
        {"bottom", TAlign::Bottom, pair, 1, {{10, 100, 65, 20}, {50, 100, 20, 20}}, "Align bottom"},
        // The box is 10..75: the LED's 20 pixels start 22 in (45 / 2 rounded down).
        {"horizontal centres",
         TAlign::HCentre,
         pair,
         1,
         {{10, 20, 65, 20}, {32, 100, 20, 20}},
         "Align horizontal centres"},
        {"vertical centres",
         TAlign::VCentre,
         pair,
         1,
         {{10, 60, 65, 20}, {50, 60, 20, 20}},
         "Align vertical centres"},
        {"left at zoom 2", TAlign::Left, pair, 2, {{10, 20, 65, 20}, {10, 100, 20, 20}}, "Align left"},
        // Widths 30, 10, 40 over 10..240: 150 free pixels, two gaps of 75; the outermost stay.
        {"distribute unequal widths",
         TAlign::DistributeH,
         {{ekShape, {200, 0, 40, 20}}, {ekShape, {10, 50, 30, 20}}, {ekLED, {30, 100, 10, 10}}},
         1,
         {{200, 0, 40, 20}, {10, 50, 30, 20}, {115, 100, 10, 10}},
         "Distribute horizontally"},
        // Heights 20, 20, 20 over 0..121: 61 free pixels, gaps 30 and 31.
        {"distribute vertically with a remainder",
         TAlign::DistributeV,
         {{ekShape, {0, 0, 20, 20}}, {ekShape, {5, 90, 20, 20}}, {ekShape, {9, 101, 20, 20}}},
         1,
         {{0, 0, 20, 20}, {5, 50, 20, 20}, {9, 101, 20, 20}},
         "Distribute vertically"},
        {"distribute at zoom 3",
         TAlign::DistributeH,
         {{ekShape, {0, 0, 20, 20}}, {ekShape, {30, 0, 20, 20}}, {ekShape, {100, 0, 20, 20}}},
         3,
         {{0, 0, 20, 20}, {50, 0, 20, 20}, {100, 0, 20, 20}},
         "Distribute horizontally"},
        // The lowest resizable element is the reference; a clock (19 cells) keeps its size, a bar
        // stops at 60.
        {"same width",
         TAlign::SameWidth,
         {{ekClock, {0, 0, 0, 0}},
          {ekShape, {10, 40, 65, 20}},
          {ekLED, {50, 100, 20, 20}},
          {ekBar, {0, 150, 22, 60}}},
         1,
         {{0, 0, 152, 14}, {10, 40, 65, 20}, {50, 100, 65, 20}, {0, 150, 60, 60}},
         "Make same width"},
        {"same height at zoom 2",
         TAlign::SameHeight,
         {{ekShape, {10, 20, 65, 20}}, {ekLED, {50, 100, 20, 30}}},
         2,
         {{10, 20, 65, 20}, {50, 100, 20, 20}},
         "Make same height"},
        // Taking the shape's width the LED would cross the right edge: it moves back onto the screen.
        {"same width at the edge",
         TAlign::SameWidth,
         {{ekShape, {10, 20, 65, 20}}, {ekLED, {200, 100, 20, 20}}},
         1,
         {{10, 20, 65, 20}, {175, 100, 65, 20}},
         "Make same width"},
        {"bottom on the screen's edge",
         TAlign::Bottom,
         {{ekShape, {0, 300, 65, 20}}, {ekLED, {100, 0, 20, 20}}},
         1,
         {{0, 300, 65, 20}, {100, 300, 20, 20}},
         "Align bottom"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        TFixture f(c.Elements, c.Zoom);
        const QList<TElement*> all = f.All();
        ASSERT_TRUE(CanAlign(c.Command, all));
        ASSERT_TRUE(AlignElements(f.project, *f.screen, all, c.Command));
        ASSERT_EQ(f.Stack().count(), 1);
        EXPECT_EQ(f.Stack().undoText(), c.Step);
        ASSERT_EQ(all.size(), qsizetype(c.Expected.size()));
        for (int i = 0; i < all.size(); ++i) {
            EXPECT_EQ(Show(PanelBox(*all[i])), Show(c.Expected[size_t(i)])) << "element " << i;
            ExpectConsistent(*all[i], c.What);
        }
        EXPECT_TRUE(f.project.Modified());
        const QByteArray done = f.Bytes();
        EXPECT_NE(done, f.saved);
        f.Stack().undo();
        EXPECT_EQ(f.Bytes(), f.saved);
        EXPECT_FALSE(f.project.Modified());
        f.Stack().redo();
        EXPECT_EQ(f.Bytes(), done);
    }
}

// The example cases above leave zoom 2's window geometry to ExpectConsistent; here it is by number.
TEST(Align, TheWindowGeometryFollowsAtZoom)
{
    TFixture f({{ekShape, {10, 20, 65, 20}}, {ekLED, {50, 100, 20, 20}}}, 2);
    ASSERT_TRUE(AlignElements(f.project, *f.screen, f.All(), TAlign::SameWidth));
    const TElement& led = *f.screen->Item(1);
    EXPECT_EQ(led.Left, 100);
    EXPECT_EQ(led.Width, 130);
    EXPECT_EQ(led.PanelW, 65);
}

TEST(Align, DisabledWithTooFewElementsOrNoChange)
{
    TFixture f({{ekShape, {10, 20, 65, 20}}, {ekLED, {50, 100, 20, 20}}, {ekClock, {0, 200, 0, 0}}});
    TLCD& s = *f.screen;
    const QList<TElement*> shape{s.Item(0)}, shapeAndLed{s.Item(0), s.Item(1)},
        shapeAndClock{s.Item(0), s.Item(2)};
    struct Case
    {
        TAlign Command;
        QList<TElement*> Elements;
        bool Enabled;
    };
    const Case cases[] = {
        {TAlign::Left, shape, false},
        {TAlign::Left, shapeAndClock, true},
        {TAlign::VCentre, {}, false},
        {TAlign::DistributeH, shapeAndLed, false},
        {TAlign::DistributeV, f.All(), true},
        {TAlign::SameWidth, shapeAndClock, false},
        {TAlign::SameHeight, shapeAndLed, true},
        {TAlign::SameHeight, f.All(), true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CanAlign(c.Command, c.Elements), c.Enabled)
            << int(c.Command) << " on " << c.Elements.size();
        if (!c.Enabled) {
            EXPECT_FALSE(AlignElements(f.project, s, c.Elements, c.Command)) << int(c.Command);
        }
    }
    EXPECT_EQ(f.Stack().count(), 0);
    // Already lined up: no step.
    ASSERT_TRUE(AlignElements(f.project, s, shapeAndClock, TAlign::Left));
    EXPECT_FALSE(AlignElements(f.project, s, shapeAndClock, TAlign::Left));
    EXPECT_EQ(f.Stack().count(), 1);
    EXPECT_EQ(SizeReference(f.All()), s.Item(0));
}

TEST(ArrowKeys, ARunOfPressesIsOneStepUntilAnotherCommand)
{
    TFixture f({{ekShape, {10, 20, 65, 20}}, {ekLED, {50, 100, 20, 20}}}, 2);
    TLCD& s = *f.screen;
    SetSelection(s, f.All());
    TArrowMoves arrows(f.project);
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(arrows.Press(s, 1, 0));
    ASSERT_EQ(f.Stack().count(), 1);
    EXPECT_EQ(f.Stack().undoText(), QStringLiteral("Move 2 elements"));
    EXPECT_EQ(s.Item(0)->PanelX, 15);
    EXPECT_EQ(s.Item(1)->PanelX, 55);
    ExpectConsistent(*s.Item(0), "moved at zoom 2");
    // A grid step at a time, in the same run.
    ASSERT_TRUE(arrows.Press(s, 0, ArrowStep(s, true)));
    EXPECT_EQ(s.Item(1)->PanelY, 100 + s.GridStep);
    EXPECT_EQ(f.Stack().count(), 1);

    // Another command ends the run: the next press is a step of its own.
    ASSERT_TRUE(AlignElements(f.project, s, f.All(), TAlign::Top));
    ASSERT_TRUE(arrows.Press(s, -1, 0));
    ASSERT_TRUE(arrows.Press(s, -1, 0));
    EXPECT_EQ(f.Stack().count(), 3);
    // So does undo: after it, a press does not join the step that was undone.
    f.Stack().undo();
    ASSERT_TRUE(arrows.Press(s, 0, 1));
    EXPECT_EQ(f.Stack().count(), 3);
    EXPECT_EQ(f.Stack().undoText(), QStringLiteral("Move 2 elements"));
    f.Stack().undo();
    f.Stack().undo();
    f.Stack().undo();
    EXPECT_EQ(f.Bytes(), f.saved);
    EXPECT_FALSE(f.project.Modified());
}

TEST(ArrowKeys, TheSelectionStaysOnTheScreen)
{
    TFixture f({{ekShape, {3, 2, 65, 20}}, {ekLED, {218, 298, 20, 20}}});
    TLCD& s = *f.screen;
    TArrowMoves arrows(f.project);
    s.SelectElement(s.Item(0));
    for (int i = 0; i < 10; ++i) {
        arrows.Press(s, -1, 0);
        arrows.Press(s, 0, -1);
    }
    EXPECT_EQ(Show(PanelBox(*s.Item(0))), Show({0, 0, 65, 20}));
    EXPECT_EQ(f.Stack().count(), 1);
    s.SelectElement(s.Item(1));
    arrows.End();
    arrows.Press(s, 5, 5);
    EXPECT_EQ(Show(PanelBox(*s.Item(1))), Show({220, 300, 20, 20}));
    EXPECT_EQ(f.Stack().count(), 2);
    // Held against the edge: nothing moves and no step is added.
    arrows.End();
    EXPECT_TRUE(arrows.Press(s, 1, 1));
    EXPECT_EQ(f.Stack().count(), 2);
    // Nothing selected: the press is not taken.
    s.SelectElement(nullptr);
    EXPECT_FALSE(arrows.Press(s, 1, 0));
    // The shift steps: the grid step, one pixel when there is no grid step.
    s.GridStep = 0;
    EXPECT_EQ(ArrowStep(s, true), 1);
    s.GridStep = 8;
    EXPECT_EQ(ArrowStep(s, true), 8);
    EXPECT_EQ(ArrowStep(s, false), 1);
}

} // namespace
