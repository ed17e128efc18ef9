#pragma once

// The files of one work screen on the SD card: its background picture (what never changes, drawn by
// the designer), its element table (what the panel draws itself) and the bars' segment pictures.

#include "output/outputfiles.h"

#include <QByteArray>
#include <QString>

class TElement;
class TLCD;

inline constexpr qsizetype ElementTableHeaderSize = 9;
inline constexpr qsizetype ElementTableRecordSize = 43;
inline constexpr qsizetype RecordFormatCapacity = 15;

// One element-table record. Also the layout of the power-fail readout's record.
QByteArray ElementTableRecord(const TElement& element);

// The whole "01.elm" for the screen (header and one record per panel-drawn element, in stacking order).
QByteArray ElementTable(const TLCD& screen);

// The name of a bar's segment picture file for the bar at record `index`: i%.2dR.bin and so on.
QString BarPictureName(int index, char segment /* 'R', 'Y', 'G' or 'B' for Bkg */);

// The files of the screen in `folder`: "01bkg.bin", "01bkg.bmp", the bar pictures and "01.elm", and
// the record listing "_a.txt" in the current working folder (a by-product: failing to write it is not
// an error). The screen is brought to zoom 1 and drawn; its DROs take the text their format gives now.
TOutputFiles ScreenFiles(TLCD& screen, const QString& folder);

// Writes those files into `folder` (which exists), all put in place together. Throws TError
// "Cannot create file "%s". %s" for the first file that cannot be written; the files then keep what
// they held.
void WriteScreenFiles(TLCD& screen, const QString& folder);

// Writes bytes to a file in one step (WriteFileAtomic). Throws the file error above.
void WriteFileBytes(const QString& fileName, const QByteArray& bytes);
