#pragma once

// The part of the project header that describes the splash screen: the animation's place and file and
// the splash clock. A plain record: the window gathers it before a save and applies it after a load;
// the project file reads and writes it field by field.

#include <QString>
#include <QtGlobal>

#include "base/syscolors.h"

// System colour index of the desktop's button face, the clock background until one is picked.
inline constexpr quint8 ButtonFaceColorIndex = 15;
inline constexpr TColor ButtonFaceColor = SystemColorValue(ButtonFaceColorIndex);

struct SplashSettings
{
    bool GifLoaded = false; // an animated GIF is loaded (GifFile is not empty)
    qint32 GifLeft = 0;     // animation position on the splash screen, splash pixels
    qint32 GifTop = 0;
    QString GifFile;
    bool ClockShown = false;
    bool ClockTransparent = false;
    qint32 HoursLeft = 0; // hours field position on the splash screen
    qint32 HoursTop = 0;
    qint32 MinutesLeft = 70; // minutes field position
    qint32 MinutesTop = 0;
    qint32 DigitWidth = 25;
    qint32 DigitHeight = 35;
    TColor ClockDigitColor = 0x000000;
    TColor ClockBackColor = ButtonFaceColor;

    bool operator==(const SplashSettings&) const = default;
};
