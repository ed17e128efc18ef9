#pragma once

// The animated-GIF decoder on its own: untrusted bytes in, checked frames out. Everything it
// allocates is bounded by the limits below before the allocation happens.

#include <QImage>
#include <QIODevice>
#include <QSize>
#include <QString>
#include <vector>

// The frame count is one byte in "anime.bin".
inline constexpr int MaxAnimationFrames = 255;
// Neither side of a GIF's logical screen may exceed the panel's longer side: no larger frame can be
// shown, and the limit bounds what a hostile file can make us allocate.
inline constexpr int MaxAnimationSide = 320;

struct DecodedGif
{
    QSize Screen;
    std::vector<QImage> Frames; // each Screen-sized, 32 bits per pixel
};

// Decodes every frame of a GIF, in file order. Each frame is its own picture as the file stores it
// (never combined with earlier frames); a frame smaller than the logical screen is placed with its
// top edge at 0 and its right edge at the screen's right edge on white. Transparent pixels (the
// graphics control extension's index) are white.
//
// Throws TError "Cannot decode GIF file "<file>". <reason>" when giflib cannot decode it (giflib's
// message); its logical screen is 0 on a side or larger than MaxAnimationSide; it holds no frame or
// more than MaxAnimationFrames; a frame is empty or does not lie within the logical screen; a frame
// has neither a local nor a global colour map; or a pixel other than the transparent one names a
// colour beyond its colour map. `file` only names the input in messages.
DecodedGif DecodeGif(QIODevice& in, const QString& file);

// The same for a file; one that cannot be opened, is not a regular file or is larger than any GIF
// within these limits is refused the same way, before it is read.
DecodedGif DecodeGif(const QString& file);
