#include "output/screenfiles.h"

#include "base/atomicfile.h"
#include "model/cformat.h"
#include "model/render.h"
#include "base/terror.h"
#include "model/tlcd.h"
#include "base/bytes.h"
#include "base/urgb.h"
#include "output/outputfiles.h"

#include <QDir>

namespace {

// Record offsets.
constexpr qsizetype rKind = 0, rOrder = 1, rX = 2, rY = 4, rW = 6, rH = 8, rMaxVal = 10, rScaleW = 12,
                    rScaleH = 13, rRedPct = 14, rYellowPct = 15, rFore = 16, rBack = 18, rShowAsAxis = 21,
                    rAxisColor = 22, rAxisNum = 24, rLedMode = 25, rBlink = 26, rFormat = 28;

} // namespace

void WriteFileBytes(const QString& fileName, const QByteArray& bytes)
{
    WriteFileAtomic(fileName, bytes);
}

QByteArray ElementTableRecord(const TElement& e)
{
    TRecordWriter r(ElementTableRecordSize);
    r.U8(rKind, e.Kind);
    r.U8(rOrder, e.OrderNo < 0 ? 0 : quint8(e.OrderNo));
    r.U16(rX, quint16(e.PanelX));
    r.U16(rY, quint16(e.PanelY));
    if (IsCellText(e.Kind)) {
        r.U16(rW, quint16(8 * e.ScaleW * e.Text.size()));
        r.U16(rH, quint16(14 * e.ScaleH));
    } else {
        r.U16(rW, quint16(e.PanelW));
        r.U16(rH, quint16(e.PanelH));
    }
    r.U16(rMaxVal, e.MaxVal);
    r.U8(rScaleW, e.ScaleW);
    r.U8(rScaleH, e.ScaleH);
    r.U8(rRedPct, e.RedPct);
    r.U8(rYellowPct, e.YellowPct);
    r.U16(rFore, ColorTo16bit(e.Kind == ekLED ? e.OnColor : e.TextColor));
    r.U16(rBack, ColorTo16bit(e.Kind == ekLED ? e.OffColor : e.BackColor));
    r.U8(rShowAsAxis, e.ShowAsAxis ? 1 : 0);
    r.U16(rAxisColor, ColorTo16bit(e.AxisColor));
    r.U8(rAxisNum, e.AxisNum);
    r.U8(rLedMode, e.LedMode);
    r.U16(rBlink, e.BlinkInterval);
    // The field holds 15 bytes; a longer format is cut rather than spilling into the next record.
    r.Bytes(rFormat, e.Format, RecordFormatCapacity);
    return r.Bytes();
}

QByteArray ElementTable(const TLCD& screen)
{
    int n = 0;
    for (const auto& e : screen.Elements())
        n += IsPanelDrawn(e->Kind);
    TRecordWriter h(ElementTableHeaderSize);
    h.U8(0, 1);
    h.U8(1, screen.Landscape ? 1 : 0);
    h.U16(2, screen.PanelWidth);
    h.U16(4, screen.PanelHeight);
    h.U8(6, quint8(n));
    h.U16(7, ColorTo16bit(screen.BackgroundColor));
    QByteArray out = h.Bytes();
    for (const auto& e : screen.Elements())
        if (IsPanelDrawn(e->Kind))
            out += ElementTableRecord(*e);
    return out;
}

QString BarPictureName(int index, char segment)
{
    const char* suffix = segment == 'B' ? "Bkg" : segment == 'R' ? "R" : segment == 'Y' ? "Y" : "G";
    return QString::asprintf("i%.2d%s.bin", index, suffix);
}

TOutputFiles ScreenFiles(TLCD& screen, const QString& folder)
{
    const QDir dir(folder);
    if (screen.Zoom != 1 || screen.DisplayWidth != screen.PanelWidth)
        screen.SetZoom(1);
    // The records carry each DRO's width from its text, which follows its format as drawn.
    for (const auto& e : screen.Elements())
        if (e->Kind == ekDRO)
            e->SetText(DroText(e->Format, e->Value));

    TOutputFiles files;
    const QImage background = RenderScreen(screen, BackgroundPictureOptions());
    files.push_back(TOutputFile::Picture16File(dir.filePath("01bkg.bin"), background));
    files.push_back(TOutputFile::BitmapFile(dir.filePath("01bkg.bmp"), background));

    QByteArray listing;
    int index = 0;
    for (const auto& owned : screen.Elements()) {
        const TElement& e = *owned;
        if (!IsPanelDrawn(e.Kind))
            continue;
        if (e.Kind == ekBar) {
            files.push_back(TOutputFile::Picture16File(dir.filePath(BarPictureName(index, 'R')), e.RedPic));
            files.push_back(
                TOutputFile::Picture16File(dir.filePath(BarPictureName(index, 'Y')), e.YellowPic));
            files.push_back(TOutputFile::Picture16File(dir.filePath(BarPictureName(index, 'G')), e.GreenPic));
            files.push_back(TOutputFile::Picture16File(dir.filePath(BarPictureName(index, 'B')), e.BkgPic));
        }
        listing += QByteArray::number(e.Kind) + ' ' + e.Format + "\r\n";
        ++index;
    }
    files.push_back(TOutputFile::Raw(dir.filePath("01.elm"), ElementTable(screen)));

    // A read-only working folder only loses the listing.
    TOutputFile list = TOutputFile::Raw(QDir::current().absoluteFilePath(QStringLiteral("_a.txt")), listing);
    list.Optional = true;
    files.push_back(list);
    return files;
}

void WriteScreenFiles(TLCD& screen, const QString& folder)
{
    WriteOutputFiles(ScreenFiles(screen, folder));
}
