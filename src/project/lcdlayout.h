#pragma once

// Where each field of the binary project file lies: the one table its reader and writer and the
// text form share.

#include <QtGlobal>

namespace lcdlayout {

// Project header.
constexpr qsizetype hScreens = 0, hGifLoaded = 1, hGifLeft = 2, hGifTop = 6, hGifFile = 10, hClockShown = 266,
                    hClockTransparent = 267, hHoursLeft = 268, hMinutesLeft = 272, hHoursTop = 276,
                    hMinutesTop = 280, hDigitWidth = 284, hDigitHeight = 288, hDigitColor = 292,
                    hBackColor = 296;

// Screen header.
constexpr qsizetype sLandscape = 0, sWidth = 1, sHeight = 5, sCount = 9, sBackColor = 10, sBackFile = 14;

// Element record.
constexpr qsizetype eKind = 0, eOrderNo = 1, eReserved = 2, eX = 4, eY = 6, eW = 8, eH = 10, eMaxVal = 12,
                    eScaleW = 14, eScaleH = 15, eRedPct = 16, eYellowPct = 17, eValue = 18, eColor1 = 22,
                    eColor2 = 26, eShapeType = 31, eShowAsAxis = 32, eAxisColor = 33, eAxisNum = 37,
                    eFormat = 38, eText = 49, eLedMode = 304, eRedFile = 305, eYellowFile = 556,
                    eGreenFile = 807, eBkgFile = 1058, eBlinkInterval = 1309, eFontName = 1329,
                    eFontSize = 1360, eTextColor = 1364, eBold = 1368, eItalic = 1369;

} // namespace lcdlayout
