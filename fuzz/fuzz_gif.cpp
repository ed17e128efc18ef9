// DecodeGif on arbitrary bytes, read from memory. A TError is a correct refusal; frames that come back
// must keep every promise the decoder makes, since the animation writer trusts them.

#include "fuzzcommon.h"
#include "base/gifdecode.h"
#include "base/terror.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    DecodedGif gif;
    try {
        gif = DecodeGif(in, QStringLiteral("input.gif"));
    } catch (const TError&) {
        return 0;
    }
    if (gif.Frames.empty() || gif.Frames.size() > size_t(MaxAnimationFrames))
        Finding("a GIF came back with no frame or more frames than the limit");
    if (gif.Screen.width() < 1 || gif.Screen.height() < 1 || gif.Screen.width() > MaxAnimationSide ||
        gif.Screen.height() > MaxAnimationSide)
        Finding("a logical screen outside the limits was accepted");
    for (const QImage& frame : gif.Frames) {
        if (frame.size() != gif.Screen)
            Finding("a frame is not the size of the logical screen");
        if (frame.format() != QImage::Format_RGB32)
            Finding("a frame is not 32 bits per pixel");
    }
    return 0;
}
