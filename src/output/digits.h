#pragma once

// The splash clock's digit files that ship in the program's "res" folder and that Generate copies to
// the SD card: n0.bin .. n9.bin for the digits and n01.bin for the colon between hours and minutes.
// Each is a 16-bit image file of DigitFileWidth x DigitFileHeight pixels: black glyph pixels (0x0000)
// on white (0xFFFF), the cell font's glyph stretched to that size. The panel recolours them with the
// clock's colours.

#include <QImage>
#include <QString>

inline constexpr int DigitFileWidth = 25;
inline constexpr int DigitFileHeight = 35;

// The picture of one clock character ('0'..'9' or ':').
QImage DigitPicture(char c);

// Writes the eleven digit files into `folder`, which exists. Throws TError for a file that cannot be
// written.
void WriteDigitFiles(const QString& folder);

// The names of the digit files, n01.bin first.
QStringList DigitFileNames();
