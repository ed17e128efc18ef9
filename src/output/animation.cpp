#include "output/animation.h"

#include "model/terror.h"
#include "output/splash.h"
#include "output/urgb.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <gif_lib.h>
#include <memory>

namespace {

// --- GIF decoding --------------------------------------------------------------------------------

struct GifCloser
{
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifPtr = std::unique_ptr<GifFileType, GifCloser>;

// giflib reads through this so that file names are the host's (any characters) and Qt reports
// opening errors.
int ReadFromFile(GifFileType* gif, GifByteType* buffer, int length)
{
    auto* file = static_cast<QFile*>(gif->UserData);
    const qint64 n = file->read(reinterpret_cast<char*>(buffer), length);
    return n < 0 ? 0 : int(n);
}

[[noreturn]] void Refuse(const QString& file, const QString& reason)
{
    throw TError(
        QCoreApplication::translate("output", "Cannot decode GIF file \"%1\". %2").arg(file, reason));
}

QString GifMessage(int code)
{
    const char* text = GifErrorString(code);
    return text ? QString::fromLatin1(text) : QCoreApplication::translate("output", "GIF error %1").arg(code);
}

struct DecodedGif
{
    QSize Screen;
    std::vector<QImage> Frames; // each Screen-sized, 32 bits per pixel
};

// Reads the rows of the current image into `raster` (width x height indexes, top row first),
// undoing the interlaced row order.
void ReadRaster(GifFileType* gif, const QString& file, std::vector<GifPixelType>& raster)
{
    const int w = gif->Image.Width;
    const int h = gif->Image.Height;
    raster.assign(size_t(w) * size_t(h), 0);
    auto readRow = [&](int y) {
        if (DGifGetLine(gif, raster.data() + size_t(y) * size_t(w), w) == GIF_ERROR)
            Refuse(file, GifMessage(gif->Error));
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

DecodedGif DecodeGif(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        Refuse(file, f.errorString());
    int error = 0;
    GifPtr gif(DGifOpen(&f, ReadFromFile, &error));
    if (!gif)
        Refuse(file, GifMessage(error));

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
            Refuse(file, GifMessage(gif->Error));
        if (type == TERMINATE_RECORD_TYPE)
            break;
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR)
                Refuse(file, GifMessage(gif->Error));
            GraphicsControlBlock gcb;
            if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] == 4 &&
                DGifExtensionToGCB(4, block + 1, &gcb) == GIF_OK)
                transparent = gcb.TransparentColor;
            while (block) {
                if (DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR)
                    Refuse(file, GifMessage(gif->Error));
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
            Refuse(file, GifMessage(gif->Error));
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

        ReadRaster(gif.get(), file, raster);

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

void PutLE16(QByteArray& out, qint64 value)
{
    const auto v = quint16(std::clamp<qint64>(value, 0, 0xFFFF));
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

} // namespace

QImage AnimationPlaceholder()
{
    // A grey tile with a dark frame and a white "play" triangle.
    QImage img(48, 48, QImage::Format_RGB32);
    img.fill(QColor(160, 160, 160));
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(64, 64, 64));
    p.drawRect(0, 0, 48, 3);
    p.drawRect(0, 45, 48, 3);
    p.drawRect(0, 0, 3, 48);
    p.drawRect(45, 0, 3, 48);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({QPoint(17, 12), QPoint(35, 24), QPoint(17, 36)}));
    return img;
}

QByteArray AnimationHeader(int frameCount, int speed, QPoint position, QSize frameSize)
{
    QByteArray out;
    out.reserve(11);
    out.append(char(quint8(std::clamp(frameCount, 0, 0xFF))));
    PutLE16(out, speed);
    PutLE16(out, position.x());
    PutLE16(out, position.y());
    PutLE16(out, frameSize.width());
    PutLE16(out, frameSize.height());
    return out;
}

QImage ComposeAnimationFrame(const TSplash& splash, const QImage& frame, QPoint position)
{
    QImage out(frame.size(), QImage::Format_RGB32);
    out.fill(qRgb(0, 0, 0));
    if (frame.isNull())
        return out;

    // Positions far off the screen would overflow the painter's coordinates; nothing of the splash
    // screen lies there anyway.
    constexpr int kFar = 1 << 20;
    if (position.x() > -kFar && position.x() < kFar && position.y() > -kFar && position.y() < kFar) {
        QPainter p(&out);
        p.drawImage(-position, splash.DisplayedPicture());
        if (splash.ClockShown()) {
            const QRect area(position, frame.size());
            for (ClockField f : {ClockField::Hours, ClockField::Minutes}) {
                const QRect r = splash.FieldRect(f);
                if (r.intersects(area))
                    p.drawImage(r.topLeft() - position, splash.FieldPicture(f));
            }
        }
    }

    const QImage top = frame.convertToFormat(QImage::Format_RGB32);
    const QRgb key = top.pixel(0, top.height() - 1) & RGB_MASK;
    for (int y = 0; y < top.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(top.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < top.width(); ++x)
            if ((src[x] & RGB_MASK) != key)
                dst[x] = src[x] | ~RGB_MASK;
    }
    return out;
}

// --- TAnimation ----------------------------------------------------------------------------------

TAnimation::TAnimation() : placeholder_(AnimationPlaceholder()) {}

void TAnimation::markModified()
{
    if (OnModified)
        OnModified();
}

void TAnimation::LoadAnimation(const QString& file)
{
    DecodedGif decoded = DecodeGif(file); // throws before anything here changes

    const QString base = QFileInfo(file).completeBaseName();
    std::vector<TAnimationFrame> frames;
    frames.reserve(decoded.Frames.size());
    for (size_t i = 0; i < decoded.Frames.size(); ++i)
        frames.push_back({base + QString::asprintf("-%d.bmp", int(i)), std::move(decoded.Frames[i])});

    frames_ = std::move(frames);
    frameSize_ = decoded.Screen;
    fileName_ = file;
    counter_ = 0;
    shown_ = 0;
    markModified();
}

void TAnimation::Clear()
{
    frames_.clear();
    frameSize_ = QSize();
    fileName_.clear();
    counter_ = 0;
    shown_ = 0;
    position_ = QPoint(0, 0);
    markModified();
}

bool TAnimation::DeleteFrame(int index)
{
    if (index < 0 || index >= FrameCount())
        return false;
    frames_.erase(frames_.begin() + index);
    const int count = FrameCount();
    auto follow = [&](int& i) {
        if (i > index)
            --i;
        if (i >= count)
            i = 0;
    };
    follow(counter_);
    follow(shown_);
    return true;
}

void TAnimation::SetSpeed(int milliseconds)
{
    speed_ = std::clamp(milliseconds, 0, MaxAnimationSpeed);
}

const QImage& TAnimation::PreviewPicture() const
{
    return frames_.empty() ? placeholder_ : frames_[size_t(shown_)].Picture;
}

int TAnimation::Tick()
{
    if (frames_.empty())
        return -1;
    if (speed_ == 0)
        return shown_;
    shown_ = counter_;
    counter_ = (counter_ + 1) % FrameCount();
    return shown_;
}

void TAnimation::Drag(QPoint pressPoint, QPoint mousePoint, QSize screen)
{
    position_ = DragPosition(position_, pressPoint, mousePoint, PreviewSize(), screen);
}

void TAnimation::EndDrag()
{
    markModified();
}

void TAnimation::WriteAnimationFiles(const QString& outputFolder, const TSplash& splash) const
{
    if (frames_.empty())
        return;
    const QSize screen = splash.ScreenSize();
    if (position_.x() < 0 || position_.y() < 0 ||
        qint64(position_.x()) + frameSize_.width() > screen.width() ||
        qint64(position_.y()) + frameSize_.height() > screen.height())
        throw TError(QCoreApplication::translate(
                         "output", "The animation (%1 x %2 at %3, %4) does not lie within the splash "
                                   "screen of %5 x %6.")
                         .arg(frameSize_.width())
                         .arg(frameSize_.height())
                         .arg(position_.x())
                         .arg(position_.y())
                         .arg(screen.width())
                         .arg(screen.height()));

    QDir().mkpath(outputFolder);
    const QDir dir(outputFolder);
    for (int i = 0; i < FrameCount(); ++i) {
        const QImage area = ComposeAnimationFrame(splash, frames_[size_t(i)].Picture, position_);
        T16bitArray pixels;
        BitmapTo16bitArray(To24bit(area), pixels);
        Save16bitArray(pixels, dir.filePath(QString::asprintf("a%.2d.bin", i)));
    }

    const QString headerName = dir.filePath(QStringLiteral("anime.bin"));
    const QByteArray header = AnimationHeader(FrameCount(), speed_, position_, frameSize_);
    QFile f(headerName);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(header) != header.size() || !f.flush())
        throw TError(QCoreApplication::translate("output", "Cannot create file \"%1\". %2")
                         .arg(headerName, f.errorString()));
}
