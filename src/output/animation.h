#pragma once

// The splash animation without any widget: the frames taken from an animated GIF, the preview's
// counter, speed and position, and the writer of the frame files and "anime.bin". The preview timer
// is the window's: it calls Tick() every Speed() milliseconds while TimerActive().

#include "output/outputfiles.h"

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

#include "base/gifdecode.h"

class TSplash;

// The speed is two bytes in "anime.bin".
inline constexpr int MaxAnimationSpeed = 0xFFFF;
inline constexpr int DefaultAnimationSpeed = 100;

struct TAnimationFrame
{
    QString Caption; // "<GIF name without extension>-<index at load>.bmp"
    QImage Picture;  // W_A x H_A, 32 bits per pixel
    bool operator==(const TAnimationFrame&) const = default;
};

// The 48 x 48 picture the preview shows while there is no animation.
QImage AnimationPlaceholder();

// "anime.bin": count (1 byte), speed, left, top, width, height (2 bytes each, little-endian). Every
// value is cut into its field's range.
QByteArray AnimationHeader(int frameCount, int speed, QPoint position, QSize frameSize);

// The W_A x H_A area of the splash screen under an animation frame placed at `position`, as the
// screen displays it: the splash picture stretched to the screen, every shown clock field over it,
// and the frame on top with the pixels of the colour of its bottom-left pixel left out. Parts of the
// area outside the splash screen are black.
QImage ComposeAnimationFrame(const TSplash& splash, const QImage& frame, QPoint position);

class TAnimation
{
public:
    TAnimation();

    // Replaces the animation by the frames of a GIF file, in file order. Each frame is its own
    // picture as the file stores it (never combined with earlier frames); a frame smaller than the
    // logical screen is placed with its top edge at 0 and its right edge at the screen's right edge
    // on white. Transparent pixels (the graphics control extension's index) are white, so that they
    // drop out with the white around a smaller frame whenever the preview keys on white.
    //
    // The file is decoded completely before anything changes. It is refused with TError, leaving the
    // frames, file name, position and counter as they were, when: it cannot be opened or giflib
    // cannot decode it (giflib's message); its logical screen is 0 on a side or larger than
    // MaxAnimationSide; it holds no frame or more than MaxAnimationFrames; a frame is empty or does not
    // lie within the logical screen; a frame has neither a local nor a global colour map; or a pixel
    // other than the transparent one names a colour beyond its colour map.
    // On success the counter is 0, the preview shows frame 0, the file name is remembered (`name`
    // when given: the name a project stores, which may be relative to the project's folder), the
    // position is kept and the project is marked modified.
    void LoadAnimation(const QString& file, const QString& name = {});

    // Removes the animation: no frames, no file name, the placeholder at (0, 0), hidden; marks the
    // project modified.
    void Clear();

    // "Delete item": removes one frame; the others keep their pictures and captions. The counter and
    // the shown frame follow the frames they pointed at and wrap to 0 past the end. False (nothing
    // changed) for an index out of range. The file name stays, so a later load brings the frame back.
    bool DeleteFrame(int index);

    const std::vector<TAnimationFrame>& Frames() const { return frames_; }
    int FrameCount() const { return int(frames_.size()); }
    // W_A x H_A, the GIF's logical screen; empty without frames.
    QSize FrameSize() const { return frames_.empty() ? QSize() : frameSize_; }
    const QString& FileName() const { return fileName_; }

    // Milliseconds per frame, cut into 0..MaxAnimationSpeed. Not kept in the project.
    int Speed() const { return speed_; }
    void SetSpeed(int milliseconds);
    // Whether the preview timer should run: there are frames and the speed is above 0.
    bool TimerActive() const { return !frames_.empty() && speed_ > 0; }

    // The preview: visible while there are frames; shows frame ShownFrame() or the placeholder.
    bool PreviewVisible() const { return !frames_.empty(); }
    int ShownFrame() const { return frames_.empty() ? -1 : shown_; }
    const QImage& PreviewPicture() const;
    QSize PreviewSize() const { return PreviewPicture().size(); }
    // The index of the frame the next tick shows.
    int Counter() const { return counter_; }
    // One tick of the preview timer: shows frame Counter() and advances the counter, wrapping to 0.
    // Does nothing at speed 0 (a still preview) or without frames. Returns the shown frame (-1 none).
    int Tick();

    // The preview's top-left corner in splash-screen pixels.
    QPoint Position() const { return position_; }
    // Places the preview as given (a loaded project's position, already checked by the caller).
    void SetPosition(QPoint topLeft) { position_ = topLeft; }
    // One mouse move of a drag of the preview over a splash screen of `screen` size.
    void Drag(QPoint pressPoint, QPoint mousePoint, QSize screen);
    // The drag ended: marks the project modified.
    void EndDrag();

    // The files a00.bin, a01.bin, ... (one 16-bit image file of W_A x H_A per frame, composed by
    // ComposeAnimationFrame at the preview's position) and "anime.bin" in `outputFolder`; none
    // without frames. Throws TError when the animation does not lie within the splash screen.
    TOutputFiles AnimationFiles(const QString& outputFolder, const TSplash& splash) const;

    // Writes those files, creating the folder when needed. Does nothing without frames. Throws TError,
    // before writing anything, when the animation does not lie within the splash screen, and
    // "Cannot create file "%s". %s" when a file cannot be written (the files then keep what they held).
    void WriteAnimationFiles(const QString& outputFolder, const TSplash& splash) const;

    // The animation as the project holds it (frames, file name, position) with the preview's place
    // in it, and its restoring; the speed is the program's and stays. Restoring does not mark modified.
    struct TState
    {
        std::vector<TAnimationFrame> Frames;
        QSize FrameSize;
        QString FileName;
        QPoint Position;
        int Counter = 0, Shown = 0;
        bool operator==(const TState&) const = default;
    };
    TState State() const { return {frames_, frameSize_, fileName_, position_, counter_, shown_}; }
    void SetState(const TState& state);

    // Called whenever an operation marks the project modified.
    std::function<void()> OnModified;

private:
    void markModified();

    std::vector<TAnimationFrame> frames_;
    QSize frameSize_;
    QString fileName_;
    int speed_ = DefaultAnimationSpeed;
    int counter_ = 0;
    int shown_ = 0;
    QPoint position_;
    QImage placeholder_;
};
