// The colour box: named colours, system colours, the custom entry.

#include "base/syscolors.h"
#include "widgets/colorbox.h"

#include <QStandardItemModel>

#include <gtest/gtest.h>

namespace {

TEST(ColorBox, NamedColoursAndSystemColours)
{
    TColorBox box;
    const auto& named = TColorBox::NamedColors();
    ASSERT_EQ(named.size(), 20u);
    // The named colours, a separator and a heading, the system colours, the picker.
    EXPECT_EQ(int(SystemColors().size()) + 20 + 2 + 1, box.count());
    EXPECT_EQ(box.itemText(box.count() - 1), QStringLiteral("Custom..."));
    EXPECT_EQ(box.itemText(21), QStringLiteral("System colours"));
    const auto* items = qobject_cast<const QStandardItemModel*>(box.model());
    ASSERT_NE(items, nullptr);
    for (int heading : {20, 21})
        EXPECT_FALSE(items->item(heading)->flags() & Qt::ItemIsSelectable) << heading;
    EXPECT_GE(box.maxVisibleItems(), 22);
    // Neither the heading nor the separator is a colour: black stays the named entry.
    box.SetColor(0);
    EXPECT_EQ(box.currentIndex(), 0);
    emit box.activated(21);
    EXPECT_EQ(box.currentIndex(), 0);
    for (const auto& c : named) {
        box.SetColor(c.Value);
        EXPECT_EQ(box.currentText(), QString::fromLatin1(c.Name));
        EXPECT_EQ(box.Color(), c.Value);
    }
    const TSystemColor first = SystemColors().front();
    box.SetColor(SystemColorValue(first.Index));
    EXPECT_EQ(box.currentText(), QString::fromLatin1(first.Title));
}

TEST(ColorBox, CustomColours)
{
    TColorBox box;
    const int plain = box.count();
    box.SetColor(0x123456); // on no list
    EXPECT_EQ(box.currentText(), QStringLiteral("Custom"));
    EXPECT_EQ(box.count(), plain + 1);
    EXPECT_EQ(box.Color(), 0x123456u);
    box.SetColor(0x654321); // the one custom entry is reused
    EXPECT_EQ(box.count(), plain + 1);

    QList<TColor> sent;
    QObject::connect(&box, &TColorBox::ColorChanged, [&](TColor c) { sent << c; });
    // Cancelling the picker keeps the colour and sends nothing.
    box.PickCustom = [](TColor&) { return false; };
    emit box.activated(box.count() - 1);
    EXPECT_EQ(box.Color(), 0x654321u);
    EXPECT_EQ(box.currentText(), QStringLiteral("Custom"));
    EXPECT_TRUE(sent.isEmpty());

    box.PickCustom = [](TColor& c) {
        c = 0x00FF00; // also a named colour ("Lime"), shown as the custom pick
        return true;
    };
    emit box.activated(box.count() - 1);
    EXPECT_EQ(box.Color(), 0x00FF00u);
    EXPECT_EQ(box.currentText(), QStringLiteral("Custom"));
    EXPECT_EQ(sent, QList<TColor>{0x00FF00});

    emit box.activated(0);
    EXPECT_EQ(box.Color(), 0u);
    EXPECT_EQ(sent.size(), 2);
}

TEST(ColorBox, FromQColorIsBgr)
{
    EXPECT_EQ(FromQColor(QColor(0x11, 0x22, 0x33)), 0x332211u);
}

} // namespace
