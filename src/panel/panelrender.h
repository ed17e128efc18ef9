#pragma once

// What the panel shows, drawn from a set's files alone: a work screen from its background picture and
// element table, the splash screen with its clock and animation, the power-fail screen with its
// readout. The elements are drawn by the designer's own element drawing, fed only what the records
// carry, so a screen drawn here equals the designer's drawing of it after the RGB565 round trip,
// except for the run-time texts of status lines and clocks.

#include "panel/panelset.h"

#include <QByteArray>
#include <QImage>

// The values the panel would be showing.
struct TPanelState
{
    float Value = 0.0f;  // every DRO and bar
    bool LedsOn = false; // every LED
    int Hours = 12, Minutes = 0;
    int Frame = 0; // the animation frame on the splash screen
};

// The characters a status line or clock shows in place of the text the panel learns at run time:
// `cells` characters, a sample text repeated ("Status line " for a status line, "01/01/2011 12:00:00 "
// for a clock, so that a clock of 19 cells shows the designer's sample).
QByteArray PanelSampleText(quint8 kind, int cells);

// Work screen `index` at the panel's size (Format_RGB32). Throws TError when the index names no
// screen of the set, or with the set's problems for that screen (one "file: problem" a line).
QImage RenderPanelScreen(const TPanelSet& set, int index, const TPanelState& state);

// The splash screen: logo.bin, the clock digits at the tm.bin places and colours showing the state's
// time (a transparent clock leaves the glyph files' white out), and animation frame state.Frame at its
// place. Throws TError with the splash files' problems, or when the frame is not one of anime.bin's.
QImage RenderPanelSplash(const TPanelSet& set, const TPanelState& state);

// The power-fail screen: pwrfail.bin with the readout of pwr.bin (when there is one) showing the
// state's value. Throws TError with the power-fail files' problems.
QImage RenderPanelPowerFail(const TPanelSet& set, const TPanelState& state);
