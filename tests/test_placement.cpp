#include <gtest/gtest.h>

#include "model/elementkind.h"
#include "model/placement.h"
#include "model/telement.h"
#include "model/tlcd.h"
#include "model/tlcdlist.h"

namespace {

const int kAllKinds[] = {ekDRO, ekLED, ekBar, ekShift, ekStatus, ekText, ekImage, ekShape, ekClock};

struct Acceptance
{
    int kind;
    bool onEmptyWork, onFullBudget, onPowerFail;
};

// What an empty work screen, a work screen whose 20 budget slots are used, and an empty power-fail
// screen take.
const Acceptance kAcceptance[] = {
    {ekDRO, true, false, true},     {ekLED, true, false, false},   {ekBar, true, false, false},
    {ekShift, true, true, false},   {ekStatus, true, true, false}, {ekText, true, true, false},
    {ekImage, true, true, false},   {ekShape, true, true, false},  {ekClock, true, true, false},
    {5, false, false, false},       {-1, false, false, false},     {20, false, false, false},
};

class Placement : public ::testing::TestWithParam<Acceptance>
{
};

TEST_P(Placement, KindsAcceptedPerScreen)
{
    const Acceptance a = GetParam();
    TLCDList list;
    TLCD* work = list.AddScreen(240, 320);
    EXPECT_EQ(CanDrop(*work, TScreenRole::Work, a.kind), a.onEmptyWork);

    TLCD* full = list.AddScreen(240, 320);
    for (int i = 0; i < MaxElements; ++i)
        ASSERT_NE(Drop(*full, TScreenRole::Work, (i % 3 == 0) ? ekDRO : (i % 3 == 1) ? ekLED : ekBar, {i, i}), nullptr);
    EXPECT_EQ(Budget(*full), 0);
    EXPECT_EQ(CanDrop(*full, TScreenRole::Work, a.kind), a.onFullBudget);

    TLCD powerFail;
    EXPECT_EQ(CanDrop(powerFail, TScreenRole::PowerFail, a.kind), a.onPowerFail);
    // A refused drop changes nothing.
    if (!a.onPowerFail) {
        EXPECT_EQ(Drop(powerFail, TScreenRole::PowerFail, a.kind, {5, 5}), nullptr);
        EXPECT_EQ(powerFail.Count(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, Placement, ::testing::ValuesIn(kAcceptance));

TEST(Placement, OneShiftMarkAndOneStatusLinePerScreen)
{
    TLCDList list;
    TLCD* a = list.AddScreen(240, 320);
    TLCD* b = list.AddScreen(240, 320);
    for (int kind : {ekShift, ekStatus}) {
        ASSERT_NE(Drop(*a, TScreenRole::Work, kind, {0, 0}), nullptr);
        EXPECT_FALSE(CanDrop(*a, TScreenRole::Work, kind));
        EXPECT_EQ(Drop(*a, TScreenRole::Work, kind, {9, 9}), nullptr);
        // The limit is the screen's own, not the project's.
        EXPECT_TRUE(CanDrop(*b, TScreenRole::Work, kind));
    }
    // Deleting the one there makes room again.
    a->DeleteElement(a->Item(0));
    EXPECT_TRUE(CanDrop(*a, TScreenRole::Work, ekShift));
    EXPECT_EQ(a->Count(), 1);
}

TEST(Placement, PowerFailScreenTakesOneDroWithItsDefaults)
{
    TLCD powerFail;
    TElement* e = Drop(powerFail, TScreenRole::PowerFail, ekDRO, {12, 34});
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Format, QByteArray("%3.0f"));
    EXPECT_EQ(e->Value, 0.0f);
    EXPECT_EQ(e->Left, 12);
    EXPECT_EQ(e->Top, 34);
    EXPECT_FALSE(CanDrop(powerFail, TScreenRole::PowerFail, ekDRO));
    EXPECT_EQ(Drop(powerFail, TScreenRole::PowerFail, ekDRO, {0, 0}), nullptr);
    EXPECT_EQ(powerFail.Count(), 1);
}

TEST(Placement, BudgetAndOrderNumbersFollowTheScreen)
{
    TLCDList list;
    TLCD* s = list.AddScreen(240, 320);
    EXPECT_EQ(Budget(*s), MaxElements);
    // Budgeted kinds are numbered 0, 1, 2 in the order they are placed; a text takes the count less one.
    TElement* dro = Drop(*s, TScreenRole::Work, ekDRO, {0, 0});
    TElement* led = Drop(*s, TScreenRole::Work, ekLED, {30, 0});
    TElement* text = Drop(*s, TScreenRole::Work, ekText, {0, 40});
    TElement* bar = Drop(*s, TScreenRole::Work, ekBar, {60, 0});
    EXPECT_EQ(dro->OrderNo, 0);
    EXPECT_EQ(led->OrderNo, 1);
    EXPECT_EQ(text->OrderNo, 1);
    EXPECT_EQ(bar->OrderNo, 2);
    EXPECT_EQ(Budget(*s), MaxElements - 3);
    // The budget is derived from the screen, so a deletion gives the slot back at once.
    s->DeleteElement(led);
    EXPECT_EQ(Budget(*s), MaxElements - 2);
    s->DeleteElement(text);
    EXPECT_EQ(Budget(*s), MaxElements - 2);
}

TEST(Placement, DropsSelectAndGiveKindPictures)
{
    TLCDList list;
    TLCD* s = list.AddScreen(240, 320);
    for (int kind : kAllKinds) {
        TElement* e = Drop(*s, TScreenRole::Work, kind, {3, 4});
        ASSERT_NE(e, nullptr) << kind;
        EXPECT_EQ(s->SelectedElement, e);
        EXPECT_EQ(e->Kind, kind);
        if (kind == ekImage) {
            EXPECT_EQ(e->Picture, ImagePlaceholder());
        }
        if (kind == ekBar) {
            TElement reference(nullptr);
            reference.Kind = ekBar;
            reference.SetDefaultBarPictures();
            EXPECT_EQ(e->RedPic, reference.RedPic);
            EXPECT_FALSE(e->RedPic.isNull());
        }
    }
    EXPECT_TRUE(s->Modified);
}

TEST(Placement, AFullScreenRefusesEveryKind)
{
    TLCDList list;
    TLCD* s = list.AddScreen(240, 320);
    for (int i = 0; i < MaxElementsPerScreen; ++i)
        ASSERT_NE(Drop(*s, TScreenRole::Work, ekText, {0, 0}), nullptr);
    for (int kind : kAllKinds)
        EXPECT_FALSE(CanDrop(*s, TScreenRole::Work, kind)) << kind;
}

// A longer format and a switch to landscape both leave an element reaching past the edge.
TEST(Placement, PastTheEdge)
{
    TLCDList list;
    TLCD* s = list.AddScreen(240, 320);
    list.SetZoom(2);
    TElement* dro = s->AddElement(ekDRO, 2 * 180, 2 * 10);
    dro->PanelX = 180;
    dro->PanelY = 10;
    dro->SetText("1234567"); // 56 panel pixels: 180 + 56 <= 240
    EXPECT_FALSE(PastEdge(*dro));
    dro->SetText("12345678"); // 64
    EXPECT_TRUE(PastEdge(*dro));

    TElement* shape = s->AddElement(ekShape, 0, 2 * 250);
    shape->PanelY = 250;
    shape->PanelH = 65;
    shape->ApplyZoom();
    EXPECT_FALSE(PastEdge(*shape));
    s->SetLandscape(true); // 240 high now
    EXPECT_TRUE(PastEdge(*shape));
}

} // namespace
