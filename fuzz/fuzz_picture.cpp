// LoadPictureFile on arbitrary bytes saved under a TARVOLT_FUZZ_SUFFIX name. A TError is a correct
// refusal; a picture that comes back must be what the loader promises.

#include "fuzzcommon.h"
#include "base/terror.h"
#include "base/urgb.h"

#include <QFile>
#include <cstddef>
#include <cstdint>

#ifndef TARVOLT_FUZZ_SUFFIX
#error "TARVOLT_FUZZ_SUFFIX names the picture type: bmp or jpg"
#endif

namespace {
QString PictureFile;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFuzzApplication();
    const QString folder = FuzzScratchFolder();
    if (folder.isEmpty())
        Finding("cannot make a scratch folder");
    PictureFile = folder + QStringLiteral("/input." TARVOLT_FUZZ_SUFFIX);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        // Overwritten in place and then cut to length: a truncation to zero would make the file
        // system flush the file on every close, which costs more than decoding it.
        QFile file(PictureFile);
        if (!file.open(QIODevice::ReadWrite) ||
            file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size) ||
            !file.resize(qint64(size)))
            Finding("cannot write the input file");
    }
    QImage picture;
    try {
        picture = LoadPictureFile(PictureFile);
    } catch (const TError&) {
        return 0;
    }
    // The file exists and has the type's extension: it is decoded or refused, never left empty.
    if (picture.isNull())
        Finding("an existing picture file came back empty without an error");
    if (picture.format() != QImage::Format_RGB888)
        Finding("the picture is not 24 bits per pixel");
    if (qint64(picture.width()) * picture.height() > MaxPicturePixels)
        Finding("a picture over the size cap was decoded");
    // Touch every pixel the way the output step does.
    T16bitArray pixels;
    BitmapTo16bitArray(picture, pixels);
    if (pixels.size() != qsizetype(picture.width()) * picture.height())
        Finding("the 16-bit array does not hold one value per pixel");
    return 0;
}
