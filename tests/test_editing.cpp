#include <gtest/gtest.h>

#include "model/editing.h"

TEST(Editing, HitZonesInTheirOrder)
{
    TLCD screen;
    TElement* led = screen.AddElement(ekLED, 0, 0); // 20 x 20
    const std::pair<QPoint, quint8> cases[] = {
        {{0, 10}, hzLeft},   {{4, 10}, hzLeft},   {{5, 10}, hzNone},    {{14, 10}, hzNone}, {{15, 10}, hzRight},
        {{19, 19}, hzRight}, {{3, 0}, hzLeft},    {{10, 0}, hzTop},     {{10, 4}, hzTop},   {{10, 15}, hzBottom},
        {{10, 19}, hzBottom}, {{20, 10}, hzNone}, {{10, 20}, hzNone},   {{-1, 5}, hzNone},
    };
    for (auto [p, zone] : cases)
        EXPECT_EQ(HitZoneAt(*led, p), zone) << p.x() << "," << p.y();
}

TEST(Editing, HoverCursorOnlyForResizableKinds)
{
    TLCD screen;
    TElement* shape = screen.AddElement(ekShape, 0, 0);
    TElement* dro = screen.AddElement(ekStatus, 0, 100);
    EXPECT_EQ(HoverCursor(*shape, {62, 10}), Qt::SizeHorCursor);
    EXPECT_EQ(HoverCursor(*shape, {30, 18}), Qt::SizeVerCursor);
    EXPECT_EQ(HoverCursor(*shape, {2, 10}), Qt::ArrowCursor);
    EXPECT_FALSE(HoverCursor(*dro, {238, 5}).has_value());
}

TEST(Editing, ElementAtTakesTheTopmost)
{
    TLCD screen;
    TElement* below = screen.AddElement(ekShape, 0, 0);
    TElement* above = screen.AddElement(ekLED, 10, 10);
    EXPECT_EQ(ElementAt(screen, {12, 12}), above);
    EXPECT_EQ(ElementAt(screen, {2, 2}), below);
    EXPECT_EQ(ElementAt(screen, {100, 100}), nullptr);
    screen.MoveToTop(below);
    EXPECT_EQ(ElementAt(screen, {12, 12}), below);
}

TEST(Editing, ResizeByTheRightEdge)
{
    struct Case { quint8 kind; int zoom; bool grid; int dragTo; int width; };
    const Case cases[] = {
        {ekLED, 1, true, 23, 20},    // down to whole cells of 5
        {ekLED, 1, true, 3, 5},      // at least one cell
        {ekLED, 2, true, 23, 20},    // cells of 10 window pixels
        {ekLED, 2, true, 7, 10},
        {ekLED, 1, true, 1000, 240}, // not past the screen's edge
        {ekLED, 3, false, 1, 6},     // no grid: at least 2 panel pixels
        {ekLED, 1, false, 1000, 1000},
        {ekBar, 1, false, 100, 60},  // a bar is at most 60 panel pixels wide
        {ekBar, 2, false, 200, 120},
        {ekBar, 3, true, 400, 180},
        {ekImage, 1, false, 100, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << int(c.kind) << " zoom " << c.zoom << " to " << c.dragTo);
        TLCD screen;
        screen.SetZoom(quint8(c.zoom));
        screen.ShowGrid = c.grid;
        TElement* e = screen.AddElement(c.kind, 0, 0);
        PressElement(*e, {e->Width - 1, 5}, false, 0);
        ASSERT_EQ(e->HitZone, hzRight);
        DragElement(*e, {c.dragTo, 7});
        EXPECT_EQ(e->Width, c.width);
        EXPECT_EQ(e->PanelW, c.width / c.zoom);
    }
}

TEST(Editing, ResizeByTheBottomEdgeAndCornerPressResizesWidthOnly)
{
    TLCD screen;
    screen.ShowGrid = true;
    TElement* led = screen.AddElement(ekLED, 0, 0);
    PressElement(*led, {10, 19}, false, 0);
    DragElement(*led, {10, 33});
    EXPECT_EQ(led->Height, 30);
    EXPECT_EQ(led->PanelH, 30);
    ReleaseElement(*led);

    TElement* other = screen.AddElement(ekLED, 100, 100);
    PressElement(*other, {19, 19}, false, 0);
    DragElement(*other, {42, 42});
    EXPECT_EQ(other->Width, 40);
    EXPECT_EQ(other->Height, 20);
}

TEST(Editing, TextKindsMoveInsteadOfResizing)
{
    TLCD screen;
    TElement* status = screen.AddElement(ekStatus, 0, 100);
    PressElement(*status, {238, 5}, false, 0);
    DragElement(*status, {238, 15});
    EXPECT_EQ(status->Width, 240);
    EXPECT_EQ(status->Top, 110);
}

TEST(Editing, MovesStayInsideTheScreenAndSnap)
{
    TLCD screen;
    TElement* shape = screen.AddElement(ekShape, 50, 50);
    int selects = 0;
    screen.OnSelect = [&](TElement*) { ++selects; };
    PressElement(*shape, {2, 10}, false, 0); // the left zone moves
    EXPECT_EQ(selects, 1);
    screen.SetModified(false);
    DragElement(*shape, {5, 13});
    EXPECT_EQ(shape->Left, 53);
    EXPECT_EQ(shape->Top, 53);
    EXPECT_EQ(selects, 2);
    EXPECT_TRUE(screen.Modified);
    EXPECT_EQ(shape->PanelX, 50); // taken at the release
    ReleaseElement(*shape);
    EXPECT_EQ(shape->PanelX, 53);

    screen.ShowGrid = true;
    PressElement(*shape, {10, 10}, false, 0);
    DragElement(*shape, {10 + 13 - 53, 10});
    EXPECT_EQ(shape->Left, 10); // 13 snaps down to 10
    DragElement(*shape, {10 + 1000, 10});
    EXPECT_EQ(shape->Left, 175); // 240 - 65, snapped
    DragElement(*shape, {-1000, -1000});
    EXPECT_EQ(shape->Left, 0);
    EXPECT_EQ(shape->Top, 0);

    // Wider than the screen: it ends at 0.
    TElement* wide = screen.AddElement(ekImage, 0, 0);
    wide->Width = 300;
    PressElement(*wide, {100, 20}, false, 0);
    DragElement(*wide, {120, 20});
    EXPECT_EQ(wide->Left, 0);
}

TEST(Editing, GroupMovesTogetherAndKeepsItsPlacesOnZoom)
{
    TLCD screen;
    TElement* a = screen.AddElement(ekShape, 10, 10);
    TElement* b = screen.AddElement(ekLED, 100, 10);
    TElement* c = screen.AddElement(ekShape, 10, 100);
    screen.AddElement(ekShape, 150, 250);
    PressScreen(screen, Qt::LeftButton, Qt::NoModifier, false, {5, 5}, 0);
    EXPECT_TRUE(screen.Banding);
    EXPECT_TRUE(MoveBand(screen, {120, 110}));
    EXPECT_EQ(BandRect(screen), QRect(QPoint(5, 5), QPoint(120, 110)).normalized());
    ReleaseScreen(screen, {120, 110});
    ASSERT_EQ(screen.Group, (QList<TElement*>{a, b, c}));
    EXPECT_TRUE(a->Selected && b->Selected && c->Selected);
    EXPECT_EQ(screen.SelectedElement, nullptr);

    int dbl = 0;
    screen.OnDblClick = [&](TElement* sender) {
        EXPECT_EQ(sender, b);
        ++dbl;
    };
    PressElement(*b, {10, 10}, true, 0);
    EXPECT_EQ(dbl, 1);
    EXPECT_EQ(screen.SelectedElement, nullptr); // the group keeps the selection alone
    DragElement(*b, {30, 40});
    ReleaseElement(*b);
    EXPECT_EQ(a->PanelX, 30);
    EXPECT_EQ(a->PanelY, 40);
    EXPECT_EQ(b->PanelX, 120);
    EXPECT_EQ(c->PanelY, 130);
    screen.SetZoom(2);
    EXPECT_EQ(a->Left, 60);
    EXPECT_EQ(b->Left, 240);
    EXPECT_EQ(c->Top, 260);
}

TEST(Editing, ScreenPressesAndBands)
{
    TLCD screen;
    TElement* a = screen.AddElement(ekShape, 10, 10);
    a->Selected = true;
    screen.Group = {a};
    QPoint downAt;
    screen.OnMouseDown = [&](Qt::MouseButton, Qt::KeyboardModifiers, QPoint p) { downAt = p; };

    // A band only for a plain left press; the selection by rectangle at every release.
    struct Case { Qt::MouseButton button; Qt::KeyboardModifiers mods; bool dbl; bool bands; };
    for (const Case c : {Case{Qt::LeftButton, Qt::NoModifier, false, true}, Case{Qt::RightButton, Qt::NoModifier, false, false},
                         Case{Qt::LeftButton, Qt::ShiftModifier, false, false}, Case{Qt::LeftButton, Qt::NoModifier, true, false}}) {
        PressScreen(screen, c.button, c.mods, c.dbl, {20, 20}, 0x123);
        EXPECT_EQ(screen.Banding, c.bands);
        EXPECT_EQ(downAt, QPoint(20, 20));
        EXPECT_EQ(screen.PickedColor, 0x123u);
        EXPECT_TRUE(screen.Group.isEmpty());
        ReleaseScreen(screen, {20, 20}); // no area: nothing selected, frames cleared
        EXPECT_FALSE(a->Selected);
        EXPECT_FALSE(screen.Banding);
    }
    PressScreen(screen, Qt::RightButton, Qt::NoModifier, false, {0, 0}, 0);
    ReleaseScreen(screen, {12, 12});
    EXPECT_EQ(screen.Group, QList<TElement*>{a});
    EXPECT_FALSE(MoveBand(screen, {50, 50})); // no band in progress
}

TEST(Editing, SelectionIsTheGroupOrTheSelectedElementInStackingOrder)
{
    TLCD screen;
    TElement* a = screen.AddElement(ekLED, 0, 0);
    TElement* b = screen.AddElement(ekShape, 50, 0);
    TElement* c = screen.AddElement(ekBar, 100, 0);
    EXPECT_TRUE(Selection(screen).isEmpty());

    screen.SelectElement(b);
    EXPECT_EQ(Selection(screen), QList<TElement*>({b}));

    // Ctrl+click adds in any order; the list keeps the stacking order.
    ToggleSelected(screen, *c);
    ToggleSelected(screen, *a);
    EXPECT_EQ(Selection(screen), QList<TElement*>({a, b, c}));
    EXPECT_TRUE(a->Selected && b->Selected && c->Selected);
    EXPECT_EQ(screen.SelectedElement, nullptr);

    // Down to one: it is the selected element again, with no group left behind.
    ToggleSelected(screen, *a);
    ToggleSelected(screen, *c);
    EXPECT_EQ(Selection(screen), QList<TElement*>({b}));
    EXPECT_EQ(screen.SelectedElement, b);
    EXPECT_TRUE(screen.Group.isEmpty());
    EXPECT_FALSE(a->Selected || c->Selected);

    ToggleSelected(screen, *b);
    EXPECT_TRUE(Selection(screen).isEmpty());

    // Elements of another screen are not taken.
    TLCD other;
    TElement* foreign = other.AddElement(ekLED, 0, 0);
    SetSelection(screen, {a, foreign, c});
    EXPECT_EQ(Selection(screen), QList<TElement*>({a, c}));
    EXPECT_FALSE(foreign->Selected);

    // A group moves as one under a drag, as a rubber band's group does.
    PressElement(*a, {5, 5}, false, 0);
    DragElement(*a, {15, 25});
    ReleaseElement(*a);
    EXPECT_EQ(QPoint(a->PanelX, a->PanelY), QPoint(10, 20));
    EXPECT_EQ(QPoint(c->PanelX, c->PanelY), QPoint(110, 20));
    EXPECT_EQ(QPoint(b->PanelX, b->PanelY), QPoint(50, 0));

    EXPECT_TRUE(OneKind({a}));
    EXPECT_FALSE(OneKind({a, c}));
    EXPECT_FALSE(OneKind({}));
}
