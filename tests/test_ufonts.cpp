#include "model/ufonts.h"

#include <QByteArray>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <set>

namespace {

using Rows = std::array<quint8, CellHeight>;

Rows GlyphRows(int code)
{
    Rows rows{};
    const quint8* glyph = CellGlyph(quint8(code));
    std::copy(glyph, glyph + CellHeight, rows.begin());
    return rows;
}

bool IsBlank(int code)
{
    const Rows rows = GlyphRows(code);
    return std::all_of(rows.begin(), rows.end(), [](quint8 b) { return b == 0; });
}

QByteArray Hex(const Rows& rows)
{
    return QByteArray(reinterpret_cast<const char*>(rows.data()), CellHeight).toHex(' ').toUpper();
}

} // namespace

TEST(CellFont, TableIs224GlyphsOf14RowsInCodeOrder)
{
    const auto table = CellFontTable();
    ASSERT_EQ(table.size(), 3136u);
    for (int code = 32; code <= 255; ++code)
        EXPECT_EQ(CellGlyph(quint8(code)), table.data() + (code - 32) * 14) << code;
}

// The glyphs DRO values and the clock are drawn with must be the panel's own, row for row.
TEST(CellFont, GlyphsOfNumbersAndClockAreThePanels)
{
    struct Case
    {
        char ch;
        const char* rows;
    };
    const Case cases[] = {
        {'0', "00 00 00 38 6C C6 C6 D6 C6 C6 6C 38 00 00"},
        {'1', "00 00 00 18 38 78 18 18 18 18 18 7E 00 00"},
        {'2', "00 00 00 7C C6 06 0C 18 30 60 C6 FE 00 00"},
        {'3', "00 00 00 7C C6 06 06 3C 06 06 C6 7C 00 00"},
        {'4', "00 00 00 0C 1C 3C 6C CC FE 0C 0C 1E 00 00"},
        {'5', "00 00 00 FE C0 C0 C0 FC 06 06 C6 7C 00 00"},
        {'6', "00 00 00 38 60 C0 C0 FC C6 C6 C6 7C 00 00"},
        {'7', "00 00 00 FE C6 06 0C 18 30 30 30 30 00 00"},
        {'8', "00 00 00 7C C6 C6 C6 7C C6 C6 C6 7C 00 00"},
        {'9', "00 00 00 7C C6 C6 C6 7E 06 06 0C 78 00 00"},
        {'.', "00 00 00 00 00 00 00 00 00 00 18 18 00 00"},
        {'-', "00 00 00 00 00 00 00 FE 00 00 00 00 00 00"},
        {'+', "00 00 00 00 00 18 18 7E 18 18 00 00 00 00"},
        {':', "00 00 00 00 18 18 00 00 00 18 18 00 00 00"},
        {'/', "00 00 00 02 06 0C 18 30 60 C0 80 00 00 00"},
        {'A', "00 00 00 10 38 6C C6 C6 FE C6 C6 C6 00 00"},
        {' ', "00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Hex(GlyphRows(c.ch)), QByteArray(c.rows)) << "character '" << c.ch << "'";
}

// Control bytes have no glyph in the table: they must draw an empty cell, never read before it.
TEST(CellFont, CodesBelow32AreBlank)
{
    for (int code = 0; code < 32; ++code)
        EXPECT_TRUE(IsBlank(code)) << code;
}

TEST(CellFont, LettersAndDigitsLeaveTopRowsAndLastColumnForSpacing)
{
    for (int code = 33; code <= 126; ++code) {
        const bool alnum =
            (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
        if (!alnum)
            continue;
        const Rows rows = GlyphRows(code);
        EXPECT_FALSE(IsBlank(code)) << char(code);
        EXPECT_EQ(rows[0] | rows[1] | rows[2], 0) << char(code);
        for (quint8 row : rows)
            EXPECT_EQ(row & 1, 0) << char(code);
    }
}

TEST(CellFont, Codes128To191AreBlankExceptThePanelSymbols)
{
    const std::set<int> symbols = {168, 170, 175, 176, 183, 184, 185, 186, 191};
    for (int code = 128; code <= 191; ++code)
        EXPECT_EQ(IsBlank(code), !symbols.count(code)) << code;

    // Mirrored left to right, greater-or-equal is less-or-equal: the two are not swapped.
    const auto mirror = [](quint8 b) {
        quint8 m = 0;
        for (int bit = 0; bit < 8; ++bit)
            if (b & (1 << bit))
                m |= quint8(1 << (7 - bit));
        return m;
    };
    const Rows ge = GlyphRows(170), le = GlyphRows(186);
    for (int r = 0; r < CellHeight; ++r)
        EXPECT_EQ(mirror(ge[r]), le[r]) << "row " << r;

    // The degree sign sits high; the integral's halves reach the cell edge where they meet.
    const Rows degree = GlyphRows(176);
    for (int r = 7; r < CellHeight; ++r)
        EXPECT_EQ(degree[r], 0) << "degree sign, row " << r;
    EXPECT_NE(GlyphRows(175)[CellHeight - 1], 0);
    EXPECT_NE(GlyphRows(191)[0], 0);
}

TEST(CellFont, CyrillicLettersAreDistinctAndInCodePageOrder)
{
    std::set<Rows> seen;
    for (int code = 192; code <= 255; ++code) {
        EXPECT_FALSE(IsBlank(code)) << code;
        EXPECT_TRUE(seen.insert(GlyphRows(code)).second) << code << " repeats another letter";
    }

    // Only Д Ф Ц Щ and д р у ф ц щ reach below the baseline: a table shifted by even one code
    // against the code page moves this set.
    const std::set<int> descenders = {0xC4, 0xD4, 0xD6, 0xD9, 0xE4, 0xF0, 0xF3, 0xF4, 0xF6, 0xF9};
    for (int code = 192; code <= 255; ++code) {
        const Rows rows = GlyphRows(code);
        EXPECT_EQ((rows[12] | rows[13]) != 0, descenders.count(code) == 1) << code;
    }
}
