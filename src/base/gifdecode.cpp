#include "base/gifdecode.h"

#include "base/regularfile.h"
#include "base/terror.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <algorithm>
#include <gif_lib.h>
#include <memory>

namespace {

struct GifCloser
{
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifPtr = std::unique_ptr<GifFileType, GifCloser>;

// A GIF larger than this is refused before it is read: 255 frames of the largest logical screen
// hold far less, even stored without compression.
constexpr qint64 MaxGifFileBytes = 64LL << 20;

// What giflib reads from, and what went wrong below it: giflib has no words for a file that ends
// early or for a read the system refused.
struct GifSource
{
    QIODevice* Device = nullptr;
    qint64 Read = 0;
    bool EndedEarly = false;
    QString SystemError;
};

// giflib reads through this so that file names are the host's (any characters), the system's own
// reasons reach the message, and the fuzz target can feed bytes from memory.
int ReadFromDevice(GifFileType* gif, GifByteType* buffer, int length)
{
    auto* source = static_cast<GifSource*>(gif->UserData);
    const qint64 n = source->Device->read(reinterpret_cast<char*>(buffer), length);
    if (n < 0)
        source->SystemError = source->Device->errorString();
    else if (n < length)
        source->EndedEarly = true;
    source->Read += std::max<qint64>(n, 0);
    return n < 0 ? 0 : int(n);
}

[[noreturn]] void Refuse(const QString& file, const QString& reason)
{
    throw TError(
        QCoreApplication::translate("output", "Cannot decode GIF file \"%1\". %2").arg(file, reason));
}

// The decoder's words for its error code, with what the file or the system says when that explains
// it: a GIF cut short makes giflib report a failed read, or sometimes no error at all.
QString GifMessage(int code, const GifSource& source)
{
    if (!source.SystemError.isEmpty())
        return source.SystemError;
    const char* text = code != 0 ? GifErrorString(code) : nullptr;
    QString reason = text ? QString::fromLatin1(text) + QLatin1Char('.') : QString();
    if (source.EndedEarly) {
        const QString ended =
            QCoreApplication::translate("output", "The file ends after %1 bytes, before its data is complete.")
                .arg(source.Read);
        reason = reason.isEmpty() ? ended : reason + QLatin1Char(' ') + ended;
    }
    return reason.isEmpty() ? QCoreApplication::translate("output", "GIF error %1").arg(code) : reason;
}

// Reads the rows of the current image into `raster` (width x height indexes, top row first),
// undoing the interlaced row order.
void ReadRaster(GifFileType* gif, const QString& file, const GifSource& source,
                std::vector<GifPixelType>& raster)
{
    const int w = gif->Image.Width;
    const int h = gif->Image.Height;
    raster.assign(size_t(w) * size_t(h), 0);
    auto readRow = [&](int y) {
        if (DGifGetLine(gif, raster.data() + size_t(y) * size_t(w), w) == GIF_ERROR)
            Refuse(file, GifMessage(gif->Error, source));
    };
    if (gif->Image.Interlace) {
        static constexpr int kStart[4] = {0, 4, 2, 1};
        static constexpr int kStep[4] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int y = kStart[pass]; y < h; y += kStep[pass])
                readRow(y);
    } else {
        for (int y = 0; y < h; ++y)
            readRow(y);
    }
}

// The frame's own picture on the logical screen: at its full size as it is, smaller ones with their
// top edge at 0 and their right edge at the screen's right edge, on white.
QImage PlaceFrame(const QImage& own, QSize screen)
{
    if (own.size() == screen)
        return own;
    QImage placed(screen, QImage::Format_RGB32);
    placed.fill(qRgb(255, 255, 255));
    QPainter p(&placed);
    p.drawImage(QPoint(screen.width() - own.width(), 0), own);
    return placed;
}

} // namespace

DecodedGif DecodeGif(QIODevice& in, const QString& file)
{
    GifSource source;
    source.Device = &in;
    int error = 0;
    GifPtr gif(DGifOpen(&source, ReadFromDevice, &error));
    if (!gif)
        Refuse(file, GifMessage(error, source));

    const int sw = gif->SWidth;
    const int sh = gif->SHeight;
    if (sw <= 0 || sh <= 0)
        Refuse(
            file,
            QCoreApplication::translate("output", "Its logical screen is empty (%1 x %2).").arg(sw).arg(sh));
    if (sw > MaxAnimationSide || sh > MaxAnimationSide)
        Refuse(file,
               QCoreApplication::translate("output", "Its logical screen of %1 x %2 is larger than %3 x %3.")
                   .arg(sw)
                   .arg(sh)
                   .arg(MaxAnimationSide));

    DecodedGif out;
    out.Screen = QSize(sw, sh);
    int transparent = NO_TRANSPARENT_COLOR; // from the graphics control block before the next image
    std::vector<GifPixelType> raster;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR)
            Refuse(file, GifMessage(gif->Error, source));
        if (type == TERMINATE_RECORD_TYPE)
            break;
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR)
                Refuse(file, GifMessage(gif->Error, source));
            GraphicsControlBlock gcb;
            if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] == 4 &&
                DGifExtensionToGCB(4, block + 1, &gcb) == GIF_OK)
                transparent = gcb.TransparentColor;
            while (block) {
                if (DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR)
                    Refuse(file, GifMessage(gif->Error, source));
            }
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE)
            continue;

        const int index = int(out.Frames.size());
        if (index >= MaxAnimationFrames)
            Refuse(file, QCoreApplication::translate("output", "It holds more than %1 frames.")
                             .arg(MaxAnimationFrames));
        if (DGifGetImageDesc(gif.get()) == GIF_ERROR)
            Refuse(file, GifMessage(gif->Error, source));
        const GifImageDesc& d = gif->Image;
        if (d.Width <= 0 || d.Height <= 0)
            Refuse(file, QCoreApplication::translate("output", "Frame %1 is empty.").arg(index));
        if (d.Left < 0 || d.Top < 0 || qint64(d.Left) + d.Width > sw || qint64(d.Top) + d.Height > sh)
            Refuse(file, QCoreApplication::translate(
                             "output", "Frame %1 (%2 x %3 at %4, %5) does not lie within the logical "
                                       "screen of %6 x %7.")
                             .arg(index)
                             .arg(d.Width)
                             .arg(d.Height)
                             .arg(d.Left)
                             .arg(d.Top)
                             .arg(sw)
                             .arg(sh));
        const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
        if (!map || !map->Colors || map->ColorCount <= 0)
            Refuse(file, QCoreApplication::translate("output", "Frame %1 has no colour map.").arg(index));

        ReadRaster(gif.get(), file, source, raster);

        QImage own(d.Width, d.Height, QImage::Format_RGB32);
        for (int y = 0; y < d.Height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(own.scanLine(y));
            const GifPixelType* src = raster.data() + size_t(y) * size_t(d.Width);
            for (int x = 0; x < d.Width; ++x) {
                const int c = src[x];
                if (c == transparent) {
                    line[x] = qRgb(255, 255, 255);
                } else if (c >= map->ColorCount) {
                    Refuse(file,
                           QCoreApplication::translate(
                               "output", "Frame %1 uses colour %2, beyond its colour map of %3 colours.")
                               .arg(index)
                               .arg(c)
                               .arg(map->ColorCount));
                } else {
                    const GifColorType& rgb = map->Colors[c];
                    line[x] = qRgb(rgb.Red, rgb.Green, rgb.Blue);
                }
            }
        }
        out.Frames.push_back(PlaceFrame(own, out.Screen));
        transparent = NO_TRANSPARENT_COLOR;
    }
    if (out.Frames.empty())
        Refuse(file, QCoreApplication::translate("output", "It holds no frame."));
    return out;
}

DecodedGif DecodeGif(const QString& file)
{
    QFile f;
    try {
        OpenRegularFile(f, file, MaxGifFileBytes);
    } catch (const TError& e) {
        Refuse(file, e.Message());
    }
    return DecodeGif(f, file);
}
