#pragma once

// Colour and pixel encoding for the panel: RGB565 values, 16-bit image files, and the one routine
// that reads a picture file (BMP or JPEG) into memory.

#include <QImage>
#include <QString>
#include <QVector>
#include <QtGlobal>

// A colour as the designer holds it: 0x00BBGGRR (red in the low byte). A value with the top bit set
// is a desktop system colour whose low byte is a system-colour index (see syscolors.h).
using TColor = quint32;

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

// A copy of the picture at 24 bits per pixel (QImage::Format_RGB888), the form the converters take.
QImage To24bit(const QImage& picture);

// Fills the array with the picture's pixels when the picture is 24 bits per pixel
// (QImage::Format_RGB888); a picture in any other format leaves the array untouched.
void BitmapTo16bitArray(const QImage& picture, T16bitArray& array);

// Writes the array raw, each value low byte first, replacing any file of that name. Throws TError
// "Cannot create file "%s". %s" when the file cannot be created or written.
bool Save16bitArray(const T16bitArray& array, const QString& fileName);

// Reads a ".bmp", ".jpg" or ".jpeg" file (extension compared without case). A missing file or any
// other extension gives an empty picture. A file that cannot be decoded throws TError: "Bitmap image
// is not valid" for a BMP, "JPEG error #%d" with the decoder's message code for a JPEG. Pictures over
// MaxPicturePixels are refused before they are decoded.
QImage LoadPictureFile(const QString& fileName);

// The largest picture LoadPictureFile decodes, in pixels.
inline constexpr qint64 MaxPicturePixels = 64LL * 1024 * 1024;

// A new width x height picture holding the whole source stretched without smoothing (pixels are
// repeated or dropped). A source of that size is copied pixel for pixel.
QImage ScaledCopy(const QImage& source, int width, int height);
