#pragma once

#include <QString>
#include <QtGlobal>

#include "output/urgb.h"

// The part of the project header that describes the splash screen: the animation's place and file,
// and the splash clock. The main window gathers it from its controls before a save and applies it
// after a load.
struct SplashSettings
{
    bool GifLoaded = false;
    qint32 GifLeft = 0, GifTop = 0;
    QString GifFile;
    bool ClockShown = false;
    bool ClockTransparent = false;
    qint32 HoursLeft = 0, HoursTop = 0;
    qint32 MinutesLeft = 0, MinutesTop = 0;
    qint32 DigitWidth = 25, DigitHeight = 35;
    TColor ClockDigitColor = 0;
    TColor ClockBackColor = 0;

    bool operator==(const SplashSettings&) const = default;
};
