#include "output/screenfiles.h"

#include "model/cformat.h"
#include "model/render.h"
#include "base/terror.h"
#include "model/tlcd.h"
#include "base/urgb.h"
#include "base/bytes.h"
#include "base/writeall.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImageWriter>
#include <QSaveFile>

namespace {

// Record offsets.
constexpr qsizetype rKind = 0, rOrder = 1, rX = 2, rY = 4, rW = 6, rH = 8, rMaxVal = 10, rScaleW = 12,
                    rScaleH = 13, rRedPct = 14, rYellowPct = 15, rFore = 16, rBack = 18, rShowAsAxis = 21,
                    rAxisColor = 22, rAxisNum = 24, rLedMode = 25, rBlink = 26, rFormat = 28;

QString FileError(const QString& fileName, const QString& reason)
{
    return QCoreApplication::translate("output", "Cannot create file \"%1\". %2")
        .arg(QDir::toNativeSeparators(fileName), reason);
}

} // namespace

void WriteFileBytes(const QString& fileName, const QByteArray& bytes)
{
    QSaveFile file(fileName);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !WriteAll(file, bytes) || !file.commit())
        throw TError(FileError(fileName, file.errorString()));
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

void WriteScreenFiles(TLCD& screen, const QString& folder)
{
    const QDir dir(folder);
    if (screen.Zoom != 1 || screen.DisplayWidth != screen.PanelWidth)
        screen.SetZoom(1);
    // The records carry each DRO's width from its text, which follows its format as drawn.
    for (const auto& e : screen.Elements())
        if (e->Kind == ekDRO)
            e->SetText(DroText(e->Format, e->Value));

    const QImage background = RenderScreen(screen, BackgroundPictureOptions());
    SavePicture16(background, dir.filePath("01bkg.bin"));
    {
        QByteArray bmp;
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "bmp");
        if (!writer.write(To24bit(background)))
            throw TError(FileError(dir.filePath("01bkg.bmp"), writer.errorString()));
        WriteFileBytes(dir.filePath("01bkg.bmp"), bmp);
    }

    QByteArray listing;
    int index = 0;
    for (const auto& owned : screen.Elements()) {
        const TElement& e = *owned;
        if (!IsPanelDrawn(e.Kind))
            continue;
        if (e.Kind == ekBar) {
            SavePicture16(e.RedPic, dir.filePath(BarPictureName(index, 'R')));
            SavePicture16(e.YellowPic, dir.filePath(BarPictureName(index, 'Y')));
            SavePicture16(e.GreenPic, dir.filePath(BarPictureName(index, 'G')));
            SavePicture16(e.BkgPic, dir.filePath(BarPictureName(index, 'B')));
        }
        listing += QByteArray::number(e.Kind) + ' ' + e.Format + "\r\n";
        ++index;
    }
    WriteFileBytes(dir.filePath("01.elm"), ElementTable(screen));

    try {
        WriteFileBytes(QStringLiteral("_a.txt"), listing);
    } catch (const TError&) {
        // A read-only working folder only loses the listing.
    }
}
