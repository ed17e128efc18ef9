#include <gtest/gtest.h>

#include "model/elementcommands.h"
#include "model/tlcdlist.h"

#include <cmath>
#include <limits>

TEST(ElementCommands, CopyPropertiesBetweenElementsOfOneKind)
{
    TLCDList list;
    TLCD* screen = list.AddScreen(240, 320);
    list.SetZoom(2);
    TElement* source = screen->AddElement(ekDRO, 0, 0);
    source->TextColor = 0x112233;
    source->BackColor = 0x445566;
    source->PenColor = 0x778899;
    source->FontName = "Sans";
    source->FontSize = 14;
    source->FontBold = true;
    source->Value = 1.5f;
    source->Format = "%.1f";
    source->SetScaleW(2);
    source->SetScaleH(3);
    source->ShowAsAxis = 1;
    source->AxisColor = 0x00FF00;
    source->AxisNum = 3;
    source->SetOrderNo(5);
    source->SetText("1.5");
    TElement* target = screen->AddElement(ekDRO, 100, 100);
    target->SetText("77");
    target->AxisNum = 1;
    list.SetModified(false);

    ASSERT_TRUE(CopyProperties(*target, *source, list.Zoom));
    EXPECT_EQ(target->TextColor, 0x112233u);
    EXPECT_EQ(target->BackColor, 0x445566u);
    EXPECT_EQ(target->PenColor, 0x778899u);
    EXPECT_EQ(target->FontName, QString("Sans"));
    EXPECT_TRUE(target->FontBold);
    EXPECT_FLOAT_EQ(target->Value, 1.5f);
    EXPECT_EQ(target->Format, QByteArray("%.1f"));
    EXPECT_EQ(target->ScaleW, 2);
    EXPECT_EQ(target->ScaleH, 3);
    EXPECT_EQ(target->ShowAsAxis, 1);
    EXPECT_EQ(target->AxisColor, 0x00FF00u);
    EXPECT_EQ(target->Width, source->Width);
    EXPECT_EQ(target->PanelW, source->Width / 2);
    EXPECT_TRUE(list.Modified);
    // Never copied:
    EXPECT_EQ(target->Text, QByteArray("77"));
    EXPECT_EQ(target->AxisNum, 1);
    EXPECT_EQ(target->OrderNo, 1);

    TElement* bar = screen->AddElement(ekBar, 0, 0);
    const TColor before = bar->BackColor;
    EXPECT_FALSE(CopyProperties(*bar, *source, list.Zoom));
    EXPECT_EQ(bar->BackColor, before);
    EXPECT_EQ(bar->Width, 22);
}

TEST(ElementCommands, PickedColorsAndStatusLine)
{
    TLCDList list;
    TLCD* screen = list.AddScreen(240, 320);
    TElement* shape = screen->AddElement(ekShape, 10, 20);
    list.SetModified(false);
    ApplyPickedColor(*shape, 0x0000FF, true);
    EXPECT_EQ(shape->BackColor, 0x0000FFu);
    EXPECT_EQ(shape->PenColor, 0x0000FFu);
    EXPECT_TRUE(list.Modified);
    ApplyPickedColor(*shape, 0x00FF00, false);
    EXPECT_EQ(shape->TextColor, 0x00FF00u);
    EXPECT_EQ(shape->BackColor, 0x0000FFu);

    shape->PanelW = 30;
    shape->PanelH = 40;
    list.SetZoom(2);
    EXPECT_EQ(ElementStatusText(shape), QString("X:20 Y:40 W:60 H:80"));
    EXPECT_EQ(ElementStatusText(nullptr), QString("--"));
}

// A property window's OK on several elements: the others take what changed on the one the window
// edited, and keep their own place, order number and what was not touched.
TEST(ElementCommands, ChangedFieldsGoToTheOtherElements)
{
    TLCDList list;
    TLCD* screen = list.AddScreen(240, 320);
    list.SetZoom(2);
    TElement* edited = screen->AddElement(ekDRO, 0, 0);
    edited->Format = "%5.1f";
    edited->SetText("  0.0");
    edited->SetOrderNo(0);
    TElement* other = screen->AddElement(ekDRO, 40, 60);
    other->Format = "%3.0f";
    other->SetText("  0");
    other->TextColor = 0x00FF00;
    other->SetOrderNo(1);
    other->PanelX = 20;
    other->PanelY = 30;
    list.SetModified(false);

    const TElementData before = edited->Data();
    edited->BackColor = 0x123456;
    edited->SetScaleW(2);
    edited->SetOrderNo(7);
    edited->Value = std::numeric_limits<float>::quiet_NaN();
    ApplyChangedFields(*other, before, edited->Data());

    EXPECT_EQ(other->BackColor, 0x123456u);
    EXPECT_EQ(other->ScaleW, 2);
    EXPECT_TRUE(std::isnan(other->Value));
    // Its own size follows its own text at the new scale.
    EXPECT_EQ(other->Width, 3 * 8 * 2 * 2);
    EXPECT_EQ(other->Format, QByteArray("%3.0f"));
    EXPECT_EQ(other->TextColor, 0x00FF00u);
    EXPECT_EQ(other->OrderNo, 1);
    EXPECT_EQ(QPoint(other->PanelX, other->PanelY), QPoint(20, 30));
    EXPECT_TRUE(list.Modified);

    // A sized kind takes the new panel size; its window size follows at the zoom.
    TElement* shape = screen->AddElement(ekShape, 0, 0);
    TElement* shape2 = screen->AddElement(ekShape, 100, 100);
    shape2->PanelW = 10;
    shape2->PanelH = 12;
    const TElementData shapeBefore = shape->Data();
    shape->PanelW = 33;
    ApplyChangedFields(*shape2, shapeBefore, shape->Data());
    EXPECT_EQ(shape2->PanelW, 33);
    EXPECT_EQ(shape2->Width, 66);
    EXPECT_EQ(shape2->PanelH, 12);

    // Nothing goes to an element of another kind.
    TElement* led = screen->AddElement(ekLED, 0, 0);
    const TColor ledBack = led->BackColor;
    ApplyChangedFields(*led, before, edited->Data());
    EXPECT_EQ(led->BackColor, ledBack);
}
