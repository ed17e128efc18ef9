#pragma once

#include <QtGlobal>

// Element kinds as the project file and the panel's element table store them (one byte).
// Only these nine values are ever produced; 2 to 8 are never used.
enum ElementKind : quint8 {
    ekDRO = 0,
    ekLED = 1,
    ekBar = 9,
    ekShift = 10,
    ekStatus = 11,
    ekText = 12,
    ekImage = 13,
    ekShape = 14,
    ekClock = 15,
};

// Kinds that take one of the panel's numbered element slots (the element budget).
constexpr bool IsBudgeted(quint8 kind) { return kind <= 9; }

// Kinds drawn with the 8 x 14 cell font; their size always follows their text.
constexpr bool IsCellText(quint8 kind) { return kind == ekDRO || kind == ekStatus || kind == ekClock; }

// Kinds whose right and bottom edges can be dragged.
constexpr bool IsResizable(quint8 kind)
{
    return kind == ekLED || kind == ekBar || kind == ekShift || kind == ekImage || kind == ekShape;
}

// Kinds the panel draws itself at run time (one element-table record each); the rest are baked into
// the screen's background picture.
constexpr bool IsPanelDrawn(quint8 kind)
{
    return kind == ekDRO || kind == ekLED || kind == ekBar || kind == ekShift || kind == ekStatus ||
           kind == ekClock;
}

// Outline forms of ShapeType.
enum ShapeKind : quint8 {
    stRectangle = 0,
    stSquare = 1,
    stRoundRect = 2,
    stRoundSquare = 3,
    stEllipse = 4,
    stCircle = 5,
};

// Edge zones of an element under a press.
enum HitZoneKind : quint8 {
    hzNone = 0,
    hzTop = 1,
    hzLeft = 2,
    hzRight = 3,
    hzBottom = 4,
};

// Numbered element slots of one work screen (DRO, LED and bar elements).
inline constexpr int MaxElements = 20;

// What the project file can hold: one count byte each.
inline constexpr int MaxElementsPerScreen = 255;
inline constexpr int MaxScreens = 255;

// A bar is at most this many panel pixels wide.
inline constexpr int MaxBarWidth = 60;
