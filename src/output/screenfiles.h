#pragma once

// The files of one work screen on the SD card: its background picture (what never changes, drawn by
// the designer), its element table (what the panel draws itself) and the bars' segment pictures.

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

// Writes "01bkg.bin", "01bkg.bmp", "01.elm" and the bar pictures into `folder` (which exists), and
// the record listing "_a.txt" into the current working folder. The screen is brought to zoom 1; its
// DROs take the text their format gives now. Throws TError "Cannot create file "%s". %s" for the first
// file that cannot be written; files written before stay. The listing is a by-product: failing to
// write it is not an error.
void WriteScreenFiles(TLCD& screen, const QString& folder);

// Writes bytes to a file through a temporary file, so a failure never leaves half a file. Throws the
// file error above.
void WriteFileBytes(const QString& fileName, const QByteArray& bytes);
