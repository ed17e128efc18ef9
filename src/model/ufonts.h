#pragma once

// The panel's 8 x 14 cell font, in which it draws DRO values, status lines and clocks. The designer
// draws the same texts with it pixel by pixel, so that their size and look match the panel.
//
// Layout: one glyph per character code from 32 to 255, in code order, 14 bytes each. Each byte is one
// pixel row, top row first; bit 7 is the leftmost of the 8 columns. A set bit is a text pixel, a
// clear bit is left untouched. Codes 192..255 are the Cyrillic letters of the one-byte code page.

#include <QtGlobal>
#include <span>

inline constexpr int CellWidth = 8;
inline constexpr int CellHeight = 14;
inline constexpr int FirstCellCode = 32;
inline constexpr int CellGlyphCount = 256 - FirstCellCode;
inline constexpr int CellFontSize = CellGlyphCount * CellHeight; // 3136 bytes

// The CellHeight row bytes of a code's glyph, top row first. The table starts at 32, so a code
// below 32 gets the blank glyph (that of code 32): a control byte in a text draws an empty cell of
// full width, as a blank does. The pointer stays valid for the whole run.
const quint8* CellGlyph(quint8 code);

// The whole table: the glyph of code c starts at (c - 32) * 14.
std::span<const quint8, CellFontSize> CellFontTable();
