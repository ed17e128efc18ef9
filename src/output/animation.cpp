#include "output/animation.h"

#include "base/bytes.h"
#include "base/terror.h"
#include "output/outputfiles.h"
#include "output/splash.h"
#include "base/gifdecode.h"
#include "base/urgb.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <memory>

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
    TRecordWriter out(11);
    out.U8(0, quint8(std::clamp(frameCount, 0, 0xFF)));
    out.U16(1, ClampU16(speed));
    out.U16(3, ClampU16(position.x()));
    out.U16(5, ClampU16(position.y()));
    out.U16(7, ClampU16(frameSize.width()));
    out.U16(9, ClampU16(frameSize.height()));
    return out.Bytes();
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

void TAnimation::LoadAnimation(const QString& file, const QString& name)
{
    DecodedGif decoded = DecodeGif(file); // throws before anything here changes

    const QString base = QFileInfo(file).completeBaseName();
    std::vector<TAnimationFrame> frames;
    frames.reserve(decoded.Frames.size());
    for (size_t i = 0; i < decoded.Frames.size(); ++i)
        frames.push_back({base + QString::asprintf("-%d.bmp", int(i)), std::move(decoded.Frames[i])});

    frames_ = std::move(frames);
    frameSize_ = decoded.Screen;
    fileName_ = name.isEmpty() ? file : name;
    counter_ = 0;
    shown_ = 0;
    markModified();
}

void TAnimation::SetState(const TState& state)
{
    frames_ = state.Frames;
    frameSize_ = state.FrameSize;
    fileName_ = state.FileName;
    position_ = state.Position;
    counter_ = state.Counter;
    shown_ = state.Shown;
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

TOutputFiles TAnimation::AnimationFiles(const QString& outputFolder, const TSplash& splash) const
{
    if (frames_.empty())
        return {};
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

    const QDir dir(outputFolder);
    TOutputFiles files;
    for (int i = 0; i < FrameCount(); ++i)
        files.push_back(
            TOutputFile::Picture16File(dir.filePath(QString::asprintf("a%.2d.bin", i)),
                                       ComposeAnimationFrame(splash, frames_[size_t(i)].Picture, position_)));
    files.push_back(TOutputFile::Raw(dir.filePath(QStringLiteral("anime.bin")),
                                     AnimationHeader(FrameCount(), speed_, position_, frameSize_)));
    return files;
}

void TAnimation::WriteAnimationFiles(const QString& outputFolder, const TSplash& splash) const
{
    const TOutputFiles files = AnimationFiles(outputFolder, splash);
    if (files.empty())
        return;
    QDir().mkpath(outputFolder);
    WriteOutputFiles(files);
}
