#include <gtest/gtest.h>

#include "model/elementcommands.h"
#include "model/tlcdlist.h"

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
