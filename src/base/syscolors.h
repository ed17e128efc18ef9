#pragma once

// The desktop system colours that the colour boxes offer and that colour values with the top bit set
// name. Kept in one table so that the converter, the colour boxes and the RGB calculator agree.

#include <QString>
#include <QtGlobal>
#include <span>

// A colour as the designer holds it: 0x00BBGGRR (red in the low byte). A value with the top bit set
// is a desktop system colour whose low byte is a system-colour index (see below).
using TColor = quint32;

// A colour value with this bit set is a system colour; its low byte is the index below.
inline constexpr TColor SystemColorFlag = 0x80000000u;

constexpr bool IsSystemColor(TColor color)
{
    return (color & SystemColorFlag) != 0;
}

struct TSystemColor
{
    quint8 Index;      // system-colour index, the low byte of the colour value
    const char* Name;  // identifier, e.g. "clBtnFace"
    const char* Title; // descriptive name shown to the user, e.g. "Button face"
};

// Every system colour the program knows, in index order.
std::span<const TSystemColor> SystemColors();

// The colour value that names system colour `index` (SystemColorFlag | index).
constexpr TColor SystemColorValue(quint8 index)
{
    return SystemColorFlag | index;
}

// The real 0x00BBGGRR value of a colour: an ordinary colour is returned unchanged (high byte
// cleared); a system colour is taken from the application palette (QGuiApplication::palette()) at
// the moment of the call, so a change of palette or theme changes the result. A system colour whose
// index is not in SystemColors() gives black (0).
TColor ResolveColor(TColor color);
