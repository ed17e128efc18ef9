#pragma once

// Colour and pixel encoding for the panel: RGB565 values, 16-bit image files, and the one routine
// that reads a picture file (BMP or JPEG) into memory.

#include <QByteArrayView>

#include "base/terror.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

#include "base/syscolors.h"

// RGB565 pixels of one picture, top row first, each row left to right. The dimensions are known to
// whoever uses the array.
using T16bitArray = QVector<quint16>;

// The panel's RGB565 value of a colour; a system colour is resolved through the application palette
// at the moment of the call. Low bits are cut, never rounded.
quint16 ColorTo16bit(TColor color);

// The same packing for one pixel's components.
constexpr quint16 Rgb565(quint8 r, quint8 g, quint8 b)
{
    return quint16(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

// The colour the panel shows for an RGB565 value, as 0xAARRGGBB with full alpha: each 5- or 6-bit
// channel is widened to 8 bits by repeating its top bits (r8 = r5 << 3 | r5 >> 2, g8 = g6 << 2 |
// g6 >> 4), so black stays black, the full field gives 0xFF, and Rgb565 of the result is the value.
constexpr QRgb Rgb565ToRgb(quint16 value)
{
    const quint32 r5 = (value >> 11) & 0x1F, g6 = (value >> 5) & 0x3F, b5 = value & 0x1F;
    return 0xFF000000u | ((r5 << 3 | r5 >> 2) << 16) | ((g6 << 2 | g6 >> 4) << 8) | (b5 << 3 | b5 >> 2);
}

// The same colour as the designer holds colours (0x00BBGGRR).
constexpr TColor ColorFrom16bit(quint16 value)
{
    const QRgb c = Rgb565ToRgb(value);
    return TColor((c >> 16) & 0xFF) | (TColor((c >> 8) & 0xFF) << 8) | (TColor(c & 0xFF) << 16);
}

// The picture as the panel shows it: every pixel through RGB565 and back (Rgb565ToRgb), at 32 bits
// per pixel (QImage::Format_RGB32). An empty picture stays empty.
QImage PanelColours(const QImage& picture);

// The RGB565 values of a 16-bit image file's bytes (little-endian, two a pixel); an odd last byte
// is not a pixel and is left out.
T16bitArray Pixels16FromBytes(QByteArrayView bytes);

// A width x height picture (QImage::Format_RGB888) of RGB565 pixels, top row first, each widened as
// Rgb565ToRgb does. Null when the array does not hold exactly width x height values or a side is 0.
QImage PictureFrom16bitArray(const T16bitArray& pixels, int width, int height);

// A copy of the picture at 24 bits per pixel (QImage::Format_RGB888), the form the converters take.
// An alpha channel is dropped; an empty picture stays empty.
QImage To24bit(const QImage& picture);

// Fills the array with the picture's pixels when the picture is 24 bits per pixel
// (QImage::Format_RGB888); a picture in any other format leaves the array untouched. An empty (null,
// 0 x 0) picture has no pixel format in Qt and counts as an empty 24-bit picture: the array is emptied.
void BitmapTo16bitArray(const QImage& picture, T16bitArray& array);

// Writes the array raw, each value low byte first, replacing any file of that name in one step (a
// temporary file renamed over it), so a failure leaves the old file as it was and no partial file.
// Returns true; throws TError "Cannot create file "%s". %s" (file name, system reason) when the file
// cannot be created, written or put in place.
bool Save16bitArray(const T16bitArray& array, const QString& fileName);
// The bytes of that file: the pixels little-endian, without a header.
QByteArray Bytes16bitArray(const T16bitArray& array);

// A picture as the panel's 16-bit image file: converted to 24 bits, then to RGB565, then written as
// Save16bitArray writes an array (and failing as it does).
void SavePicture16(const QImage& picture, const QString& fileName);

// A picture refused for its size or for the memory it would take, not for a fault in its bytes.
class TPictureTooLarge : public TError
{
  public:
    using TError::TError;
};

// Reads a ".bmp", ".jpg" or ".jpeg" file (extension compared without case) into a Format_RGB888
// picture; grey-scale, palette, CMYK and YCCK pictures are converted. A missing file, a folder or any
// other extension gives an empty picture. A file that cannot be decoded throws TError: "Bitmap image
// is not valid" for a BMP (including one whose pixel rows are cut short), "JPEG error #%d" with the
// decoder's message code for a JPEG. Decoder warnings (a JPEG cut short in its image data is finished
// in grey) are not failures and print nothing. Pictures over MaxPicturePixels are refused from their
// headers, before they are decoded, with "Picture is too large: W x H pixels ..." (TPictureTooLarge,
// as is a picture there is no memory for). A file that exists but cannot be opened throws "Cannot
// open file "%s". %s"; one that is not a regular file (a FIFO, a device) or is larger than such a
// picture can be is refused before it is read.
QImage LoadPictureFile(const QString& fileName);
// The same, adding to `warnings` (when given) what the decoder warned of in a picture it finished
// all the same (a JPEG cut short is filled in grey), in words that do not name the file.
QImage LoadPictureFile(const QString& fileName, QStringList* warnings);

// The largest picture LoadPictureFile decodes, in pixels.
inline constexpr qint64 MaxPicturePixels = 64LL * 1024 * 1024;

// A new width x height picture holding the whole source stretched without smoothing: each new pixel
// takes the source pixel under its centre, so pixels are repeated or dropped and no colour is
// blended. The source's pixel format is kept (formats under 8 bits per pixel become Format_RGB888).
// A source of that size is copied pixel for pixel. An empty source gives a width x height picture
// filled white (Format_RGB888); a width or height of 0 or less gives an empty picture. Throws TError
// when memory for the new picture cannot be had.
QImage ScaledCopy(const QImage& source, int width, int height);
