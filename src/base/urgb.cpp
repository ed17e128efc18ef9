#include "base/urgb.h"

#include "base/regularfile.h"
#include "base/atomicfile.h"
#include "base/syscolors.h"
#include "base/terror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <jpeglib.h>
#include <memory>
#include <vector>

namespace {

// A JPEG file larger than the raw pixels of the largest picture is refused before it is read: no
// real JPEG is larger than its own uncompressed pixels.
constexpr qint64 MaxJpegFileBytes = 3 * MaxPicturePixels;
// The largest BMP within the pixel cap: 32 bits a pixel, plus its headers and colour table, plus
// room for a gap before the pixels.
constexpr qint64 MaxBmpFileBytes = 4 * MaxPicturePixels + (1 << 20);

[[noreturn]] void RefuseTooLarge(qint64 width, qint64 height)
{
    throw TPictureTooLarge(
        QCoreApplication::translate("output", "Picture is too large: %1 x %2 pixels (at most %3 pixels)")
            .arg(width)
            .arg(height)
            .arg(MaxPicturePixels));
}

bool TooLarge(qint64 width, qint64 height)
{
    return width * height > MaxPicturePixels;
}

// ---- JPEG -------------------------------------------------------------------------------------------

struct TJpegErrorManager
{
    jpeg_error_mgr Pub; // first, so that the library's pointer is also ours
    std::jmp_buf Jump;
    char Warning[JMSG_LENGTH_MAX]; // the decoder's first warning, empty when there was none
};

[[noreturn]] void JpegErrorExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<TJpegErrorManager*>(cinfo->err)->Jump, 1);
}

// Warnings (extraneous bytes, a premature end filled in by the decoder) are not failures; the first
// is kept for the caller, nothing is printed. Levels above -1 are trace messages.
void JpegEmitMessage(j_common_ptr cinfo, int level)
{
    auto* error = reinterpret_cast<TJpegErrorManager*>(cinfo->err);
    if (level == -1 && error->Warning[0] == '\0')
        (*cinfo->err->format_message)(cinfo, error->Warning);
}
void JpegOutputMessage(j_common_ptr) {}

enum class TJpegStatus { Ok, DecoderError, TooLarge, NoMemory };

// Everything the decoder touches lives here, outside the frame that calls setjmp, so that nothing it
// changes is lost when an error jumps back.
struct TJpegJob
{
    const unsigned char* Data;
    unsigned long Size;

    jpeg_decompress_struct Info;
    TJpegErrorManager Error;

    TJpegStatus Status;
    int ErrorCode;            // the library's message code when Status is DecoderError
    JDIMENSION Width, Height; // the image's size (also set when it is too large)
    int Components;           // 1 grey, 3 RGB, 4 CMYK
    bool InvertedCmyk;        // CMYK stored inverted, as Adobe applications write it
    unsigned char* Pixels;    // malloc'ed, Width * Components bytes a row, top row first
};

// Decodes job->Data into job->Pixels. Plain C on purpose: no object with a destructor lives between
// setjmp and the decoder calls, so the error jump skips no clean-up. On failure Pixels is null.
void DecodeJpeg(TJpegJob* job)
{
    job->Status = TJpegStatus::DecoderError;
    job->ErrorCode = 0;
    job->Pixels = nullptr;
    job->Error.Warning[0] = '\0';
    job->Info.err = jpeg_std_error(&job->Error.Pub);
    job->Error.Pub.error_exit = JpegErrorExit;
    job->Error.Pub.emit_message = JpegEmitMessage;
    job->Error.Pub.output_message = JpegOutputMessage;

    if (setjmp(job->Error.Jump)) {
        job->Status = TJpegStatus::DecoderError;
        job->ErrorCode = job->Error.Pub.msg_code;
        std::free(job->Pixels);
        job->Pixels = nullptr;
        jpeg_destroy_decompress(&job->Info);
        return;
    }

    jpeg_create_decompress(&job->Info);
    jpeg_mem_src(&job->Info, job->Data, job->Size);
    jpeg_read_header(&job->Info, TRUE);

    job->Width = job->Info.image_width;
    job->Height = job->Info.image_height;
    if (TooLarge(job->Width, job->Height)) {
        job->Status = TJpegStatus::TooLarge;
        jpeg_destroy_decompress(&job->Info);
        return;
    }

    job->InvertedCmyk = false;
    switch (job->Info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        job->Info.out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        // The decoder cannot give RGB from these; take CMYK and convert it afterwards.
        job->Info.out_color_space = JCS_CMYK;
        job->InvertedCmyk = job->Info.saw_Adobe_marker;
        break;
    default:
        job->Info.out_color_space = JCS_RGB;
        break;
    }

    jpeg_start_decompress(&job->Info);
    job->Width = job->Info.output_width;
    job->Height = job->Info.output_height;
    job->Components = job->Info.output_components;

    const size_t rowBytes = size_t(job->Width) * size_t(job->Components);
    job->Pixels = static_cast<unsigned char*>(std::malloc(rowBytes * job->Height));
    if (!job->Pixels) {
        job->Status = TJpegStatus::NoMemory;
        jpeg_destroy_decompress(&job->Info);
        return;
    }
    while (job->Info.output_scanline < job->Info.output_height) {
        JSAMPROW row = job->Pixels + rowBytes * job->Info.output_scanline;
        if (jpeg_read_scanlines(&job->Info, &row, 1) != 1)
            break; // cannot happen with an in-memory source; never loop forever if it does
    }
    jpeg_finish_decompress(&job->Info);
    jpeg_destroy_decompress(&job->Info);
    job->Status = TJpegStatus::Ok;
}

[[noreturn]] void NoMemory(qint64 width, qint64 height)
{
    throw TPictureTooLarge(QCoreApplication::translate("output", "Not enough memory for a %1 x %2 picture")
                               .arg(width)
                               .arg(height));
}

QImage LoadJpeg(const QString& fileName, QStringList* warnings)
{
    const QByteArray data =
        ReadRegularFile(fileName, MaxJpegFileBytes,
                        QCoreApplication::translate("output", "JPEG file \"%1\" is too large")
                            .arg(QDir::toNativeSeparators(fileName)));

    auto job = std::make_unique<TJpegJob>();
    job->Data = reinterpret_cast<const unsigned char*>(data.constData());
    job->Size = static_cast<unsigned long>(data.size());
    DecodeJpeg(job.get());
    const std::unique_ptr<unsigned char, decltype(&std::free)> pixels(job->Pixels, &std::free);

    switch (job->Status) {
    case TJpegStatus::Ok:
        break;
    case TJpegStatus::DecoderError:
        throw TError(QString::asprintf("JPEG error #%d", job->ErrorCode));
    case TJpegStatus::TooLarge:
        RefuseTooLarge(job->Width, job->Height);
    case TJpegStatus::NoMemory:
        NoMemory(job->Width, job->Height);
    }

    const int width = int(job->Width);
    const int height = int(job->Height);
    QImage picture(width, height, QImage::Format_RGB888);
    if (picture.isNull())
        NoMemory(width, height);
    const size_t rowBytes = size_t(width) * size_t(job->Components);
    for (int y = 0; y < height; ++y) {
        const unsigned char* in = pixels.get() + rowBytes * size_t(y);
        uchar* out = picture.scanLine(y);
        switch (job->Components) {
        case 1:
            for (int x = 0; x < width; ++x, out += 3)
                out[0] = out[1] = out[2] = in[x];
            break;
        case 3:
            std::copy(in, in + rowBytes, out);
            break;
        case 4:
            for (int x = 0; x < width; ++x, in += 4, out += 3) {
                int c = in[0], m = in[1], ye = in[2], k = in[3];
                if (!job->InvertedCmyk) {
                    c = 255 - c;
                    m = 255 - m;
                    ye = 255 - ye;
                    k = 255 - k;
                }
                // Inverted values are the amounts of light left: multiply through the black.
                out[0] = uchar(c * k / 255);
                out[1] = uchar(m * k / 255);
                out[2] = uchar(ye * k / 255);
            }
            break;
        default: // the colour spaces asked for above give 1, 3 or 4 components
            throw TError(
                QCoreApplication::translate("output", "JPEG image has an unsupported colour layout"));
        }
    }
    if (warnings && job->Error.Warning[0] != '\0')
        *warnings << QCoreApplication::translate("output", "the JPEG decoder warns \"%1\"; parts of the picture "
                                                           "may be missing")
                         .arg(QString::fromLocal8Bit(job->Error.Warning));
    return picture;
}

// ---- BMP --------------------------------------------------------------------------------------------

// What the headers of a BMP file promise, read without Qt so that the size is checked before any
// decoding and pixel rows missing from the end are noticed (Qt's reader leaves them blank).
struct TBmpHeader
{
    qint64 Width = 0, Height = 0;
    qint64 Needed = 0; // bytes an uncompressed file must hold; 0 when it cannot be told
};

// Returns false when the headers themselves are not those of a BMP.
bool ReadBmpHeader(QFile& file, TBmpHeader& header)
{
    const QByteArray head = file.read(54);
    if (head.size() < 26 || head[0] != 'B' || head[1] != 'M')
        return false;
    const uchar* p = reinterpret_cast<const uchar*>(head.constData());
    const qint64 pixelOffset = qFromLittleEndian<quint32>(p + 10);
    const quint32 infoSize = qFromLittleEndian<quint32>(p + 14);
    qint64 bitCount = 0;
    quint32 compression = 0;
    if (infoSize == 12) { // the oldest header: 16-bit sizes, never compressed
        header.Width = qFromLittleEndian<quint16>(p + 18);
        header.Height = qFromLittleEndian<quint16>(p + 20);
        bitCount = qFromLittleEndian<quint16>(p + 24);
    } else if (infoSize >= 40 && head.size() >= 34) {
        header.Width = qFromLittleEndian<qint32>(p + 18);
        header.Height = qAbs(qint64(qFromLittleEndian<qint32>(p + 22))); // negative: rows top first
        bitCount = qFromLittleEndian<quint16>(p + 28);
        compression = qFromLittleEndian<quint32>(p + 30);
    } else {
        return false;
    }
    if (header.Width <= 0 || header.Height <= 0)
        return false;
    // Depths and compressions no BMP has: a damaged header, whatever size it claims.
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return false;
    if (compression > 6)
        return false;
    // Uncompressed layouts (plain, bit fields, alpha bit fields): rows padded to 4 bytes. Worked out
    // only within the size cap, where it cannot overflow.
    if (!TooLarge(header.Width, header.Height) &&
        (compression == 0 || compression == 3 || compression == 6)) {
        const qint64 rowBytes = (header.Width * bitCount + 31) / 32 * 4;
        header.Needed = pixelOffset + rowBytes * header.Height;
    }
    return true;
}

QImage LoadBmp(const QString& fileName)
{
    const QString invalid = QCoreApplication::translate("output", "Bitmap image is not valid");
    QFile file;
    OpenRegularFile(file, fileName, MaxBmpFileBytes,
                    QCoreApplication::translate("output", "BMP file \"%1\" is too large")
                        .arg(QDir::toNativeSeparators(fileName)));
    TBmpHeader header;
    if (!ReadBmpHeader(file, header))
        throw TError(invalid);
    if (TooLarge(header.Width, header.Height))
        RefuseTooLarge(header.Width, header.Height);
    if (file.size() < header.Needed)
        throw TError(invalid);
    file.seek(0);

    // Qt's readers refuse, by default, pictures of more than 128 MB; ours may take 4 bytes a pixel up
    // to MaxPicturePixels, which was checked above.
    constexpr int neededMegabytes = int(4 * MaxPicturePixels / (1024 * 1024)) + 1;
    const int limit = QImageReader::allocationLimit();
    if (limit != 0 && limit < neededMegabytes)
        QImageReader::setAllocationLimit(neededMegabytes);
    QImageReader reader(&file, "bmp");
    reader.setDecideFormatFromContent(false);
    QImage picture;
    if (!reader.read(&picture) || picture.isNull())
        throw TError(invalid);
    picture = To24bit(picture);
    if (picture.isNull())
        NoMemory(header.Width, header.Height);
    return picture;
}

} // namespace

quint16 ColorTo16bit(TColor color)
{
    const TColor rgb = ResolveColor(color);
    return Rgb565(quint8(rgb), quint8(rgb >> 8), quint8(rgb >> 16));
}

QImage PanelColours(const QImage& picture)
{
    if (picture.isNull())
        return {};
    QImage out = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = Rgb565ToRgb(Rgb565(quint8(qRed(line[x])), quint8(qGreen(line[x])), quint8(qBlue(line[x]))));
    }
    return out;
}

T16bitArray Pixels16FromBytes(QByteArrayView bytes)
{
    T16bitArray pixels(bytes.size() / 2);
    const auto* b = reinterpret_cast<const uchar*>(bytes.data());
    for (qsizetype i = 0; i < pixels.size(); ++i)
        pixels[i] = quint16(b[2 * i] | (b[2 * i + 1] << 8));
    return pixels;
}

QImage PictureFrom16bitArray(const T16bitArray& pixels, int width, int height)
{
    if (width <= 0 || height <= 0 || qint64(width) * height != pixels.size())
        return {};
    QImage picture(width, height, QImage::Format_RGB888);
    if (picture.isNull())
        throw TError(QCoreApplication::translate("output", "Not enough memory for a %1 x %2 picture")
                         .arg(width)
                         .arg(height));
    for (int y = 0; y < height; ++y) {
        uchar* line = picture.scanLine(y);
        const quint16* row = pixels.constData() + qsizetype(y) * width;
        for (int x = 0; x < width; ++x) {
            const QRgb c = Rgb565ToRgb(row[x]);
            line[3 * x] = uchar(qRed(c));
            line[3 * x + 1] = uchar(qGreen(c));
            line[3 * x + 2] = uchar(qBlue(c));
        }
    }
    return picture;
}

QImage To24bit(const QImage& picture)
{
    if (picture.isNull() || picture.format() == QImage::Format_RGB888)
        return picture;
    return picture.convertToFormat(QImage::Format_RGB888);
}

void BitmapTo16bitArray(const QImage& picture, T16bitArray& array)
{
    if (picture.isNull()) {
        array.clear();
        return;
    }
    if (picture.format() != QImage::Format_RGB888)
        return;
    const int width = picture.width();
    const int height = picture.height();
    array.resize(qsizetype(width) * height);
    quint16* out = array.data();
    for (int y = 0; y < height; ++y) {
        const uchar* in = picture.constScanLine(y);
        for (int x = 0; x < width; ++x, in += 3)
            *out++ = Rgb565(in[0], in[1], in[2]);
    }
}

QByteArray Bytes16bitArray(const T16bitArray& array)
{
    QByteArray bytes(array.size() * 2, Qt::Uninitialized);
    uchar* out = reinterpret_cast<uchar*>(bytes.data());
    for (qsizetype i = 0; i < array.size(); ++i)
        qToLittleEndian<quint16>(array[i], out + 2 * i);
    return bytes;
}

bool Save16bitArray(const T16bitArray& array, const QString& fileName)
{
    WriteFileAtomic(fileName, Bytes16bitArray(array));
    return true;
}

void SavePicture16(const QImage& picture, const QString& fileName)
{
    T16bitArray pixels;
    BitmapTo16bitArray(To24bit(picture), pixels);
    Save16bitArray(pixels, fileName);
}

QImage LoadPictureFile(const QString& fileName)
{
    return LoadPictureFile(fileName, nullptr);
}

QImage LoadPictureFile(const QString& fileName, QStringList* warnings)
{
    const QFileInfo info(fileName);
    if (fileName.isEmpty() || !info.exists() || info.isDir())
        return QImage();
    const QString extension = info.suffix().toLower();
    if (extension == QLatin1String("bmp"))
        return LoadBmp(fileName);
    if (extension == QLatin1String("jpg") || extension == QLatin1String("jpeg"))
        return LoadJpeg(fileName, warnings);
    return QImage();
}

QImage ScaledCopy(const QImage& source, int width, int height)
{
    if (width <= 0 || height <= 0)
        return QImage();
    if (source.isNull()) {
        QImage blank(width, height, QImage::Format_RGB888);
        if (blank.isNull())
            NoMemory(width, height);
        blank.fill(Qt::white);
        return blank;
    }
    // Sub-byte formats are widened so that every pixel is a whole number of bytes.
    const QImage src = source.depth() < 8 ? source.convertToFormat(QImage::Format_RGB888) : source;
    if (src.width() == width && src.height() == height)
        return src.copy();

    QImage result(width, height, src.format());
    if (result.isNull())
        NoMemory(width, height);
    result.setColorTable(src.colorTable());
    const int bytesPerPixel = src.depth() / 8;
    const qint64 srcW = src.width();
    const qint64 srcH = src.height();
    // Each destination pixel takes the source pixel under its centre.
    std::vector<int> columns(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x)
        columns[size_t(x)] = int((2 * x + 1) * srcW / (2 * qint64(width)));
    for (int y = 0; y < height; ++y) {
        const int sy = int((2 * y + 1) * srcH / (2 * qint64(height)));
        const uchar* in = src.constScanLine(sy);
        uchar* out = result.scanLine(y);
        for (int x = 0; x < width; ++x, out += bytesPerPixel)
            std::memcpy(out, in + columns[size_t(x)] * bytesPerPixel, size_t(bytesPerPixel));
    }
    return result;
}
