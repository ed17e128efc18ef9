#include "base/syscolors.h"
#include "base/terror.h"
#include "base/urgb.h"
#include "output/animation.h"
#include "project/lcdfile.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPalette>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdio>
#include <cstdlib>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <jerror.h>
#include <jpeglib.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

using testutil::ReadAll;
using testutil::SolidImage;
using testutil::WriteAll;

namespace {

// The designer's 0x00BBGGRR value of a Qt colour.
TColor ToTColor(QRgb rgb)
{
    return TColor(qRed(rgb)) | (TColor(qGreen(rgb)) << 8) | (TColor(qBlue(rgb)) << 16);
}

// A picture in which nearly every pixel differs from its neighbours.
QImage Pattern(int w, int h, QImage::Format format = QImage::Format_RGB888)
{
    QImage img(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb((x * 7) & 0xFF, (y * 5) & 0xFF, (x * 3 + y * 11) & 0xFF));
    return img.convertToFormat(format);
}

// Calls f and returns the TError text it throws; fails the test when it throws nothing.
template <typename F> QString ErrorOf(F&& f)
{
    try {
        f();
    } catch (const TError& e) {
        return e.Message();
    }
    ADD_FAILURE() << "no TError thrown";
    return {};
}

// Encodes rows of `components` bytes per pixel with libjpeg itself, for the colour spaces Qt cannot
// write (grey is here too, so that the decoder sees a one-component file as the library makes it).
QByteArray EncodeJpeg(int w, int h, int components, J_COLOR_SPACE input, J_COLOR_SPACE stored,
                      const std::vector<unsigned char>& pixels)
{
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &buffer, &size);
    c.image_width = JDIMENSION(w);
    c.image_height = JDIMENSION(h);
    c.input_components = components;
    c.in_color_space = input;
    jpeg_set_defaults(&c);
    jpeg_set_colorspace(&c, stored);
    jpeg_set_quality(&c, 95, TRUE);
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(pixels.data()) + size_t(c.next_scanline) * w * components;
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

QByteArray EncodeRgbJpeg(const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    std::vector<unsigned char> pixels;
    for (int y = 0; y < rgb.height(); ++y)
        pixels.insert(pixels.end(), rgb.constScanLine(y), rgb.constScanLine(y) + rgb.width() * 3);
    return EncodeJpeg(rgb.width(), rgb.height(), 3, JCS_RGB, JCS_YCbCr, pixels);
}

// Offset of the first marker 0xFF `code` in a JPEG stream, or -1.
qsizetype FindMarker(const QByteArray& jpeg, unsigned char code)
{
    for (qsizetype i = 0; i + 1 < jpeg.size(); ++i)
        if (uchar(jpeg[i]) == 0xFF && uchar(jpeg[i + 1]) == code)
            return i;
    return -1;
}

bool Near(int a, int b, int tolerance)
{
    return std::abs(a - b) <= tolerance;
}

// A FIFO whose writer waits for a reader and then gives it a few bytes and the end: a reader that
// opens it and reads to the end gets a wrong answer instead of hanging the test.
class TFifo
{
  public:
    explicit TFifo(const QString& path) : path_(QFile::encodeName(path))
    {
        // A reader that opens and closes at once leaves the writer writing into a closed pipe.
        pipeSignal_ = std::signal(SIGPIPE, SIG_IGN);
        ok_ = ::mkfifo(path_.constData(), 0600) == 0;
        if (ok_)
            writer_ = std::thread([this] {
                const int fd = ::open(path_.constData(), O_WRONLY);
                if (fd >= 0) {
                    [[maybe_unused]] const ssize_t n = ::write(fd, "junk", 4);
                    ::close(fd);
                }
            });
    }
    ~TFifo()
    {
        if (ok_) {
            // A reader of our own lets the writer's open finish if nobody else opened the FIFO.
            const int fd = ::open(path_.constData(), O_RDONLY | O_NONBLOCK);
            writer_.join();
            if (fd >= 0)
                ::close(fd);
        }
        std::signal(SIGPIPE, pipeSignal_);
    }
    bool Made() const { return ok_; }

  private:
    QByteArray path_;
    bool ok_ = false;
    std::thread writer_;
    void (*pipeSignal_)(int) = nullptr;
};

class Urgb : public testing::Test
{
  protected:
    QString Path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

// ---- colours --------------------------------------------------------------------------------------

TEST(UrgbColor, ColorTo16bitCutsLowBits)
{
    struct Case
    {
        TColor color;
        quint16 rgb565;
    };
    const Case cases[] = {
        {0x000000, 0x0000}, {0x0000FF, 0xF800},   {0x00FF00, 0x07E0}, {0xFF0000, 0x001F},
        {0x070307, 0x0000}, {0x080408, 0x0821},   {0x80FF80, 0x87F0}, {0xFFFFFF, 0xFFFF},
        {0xC0C0C0, 0xC618}, {0x7FFFFFFF, 0xFFFF}, // bits above the blue byte of an ordinary colour are
                                                  // ignored
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColorTo16bit(c.color), c.rgb565) << std::hex << c.color;
    static_assert(Rgb565(0xFF, 0, 0) == 0xF800 && Rgb565(8, 4, 8) == 0x0821);
}

class UrgbPalette : public testing::Test
{
  protected:
    void TearDown() override { QGuiApplication::setPalette(saved); }
    QPalette saved = QGuiApplication::palette();
};

TEST_F(UrgbPalette, SystemColorFollowsThePaletteOfTheMoment)
{
    struct Case
    {
        const char* name;
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
    };
    const Case cases[] = {
        {"clBtnFace", QPalette::Active, QPalette::Button},
        {"clWindow", QPalette::Active, QPalette::Base},
        {"clWindowText", QPalette::Active, QPalette::Text},
        {"clHighlight", QPalette::Active, QPalette::Highlight},
        {"clGrayText", QPalette::Disabled, QPalette::Text},
    };
    const QRgb first = qRgb(0x12, 0x34, 0x56);
    const QRgb second = qRgb(0xF0, 0x80, 0x08);
    for (const Case& c : cases) {
        const auto colors = SystemColors();
        const auto it = std::find_if(colors.begin(), colors.end(),
                                     [&](const TSystemColor& s) { return qstrcmp(s.Name, c.name) == 0; });
        ASSERT_NE(it, colors.end()) << c.name;
        const TColor value = SystemColorValue(it->Index);
        ASSERT_TRUE(IsSystemColor(value));

        for (QRgb rgb : {first, second}) {
            QPalette palette = saved;
            palette.setColor(c.group, c.role, QColor(rgb));
            QGuiApplication::setPalette(palette);
            EXPECT_EQ(ResolveColor(value), ToTColor(rgb)) << c.name;
            EXPECT_EQ(ColorTo16bit(value), Rgb565(qRed(rgb), qGreen(rgb), qBlue(rgb))) << c.name;
        }
    }
}

TEST(UrgbColor, SystemColorTableAndUnknownIndexes)
{
    const auto colors = SystemColors();
    ASSERT_FALSE(colors.empty());
    for (size_t i = 0; i < colors.size(); ++i) {
        EXPECT_EQ(QByteArray(colors[i].Name).left(2), "cl");
        EXPECT_GT(qstrlen(colors[i].Title), 0u);
        if (i > 0) {
            EXPECT_GT(colors[i].Index, colors[i - 1].Index);
        }
    }
    const auto btnFace =
        std::find_if(colors.begin(), colors.end(), [](const TSystemColor& s) { return s.Index == 15; });
    ASSERT_NE(btnFace, colors.end());
    EXPECT_STREQ(btnFace->Name, "clBtnFace");
    EXPECT_STREQ(btnFace->Title, "Button face");

    EXPECT_EQ(ResolveColor(SystemColorValue(25)), 0u); // never assigned
    EXPECT_EQ(ResolveColor(SystemColorValue(200)), 0u);
    EXPECT_EQ(ResolveColor(0x00C0FFEE), 0x00C0FFEEu);
    EXPECT_EQ(ResolveColor(0x7F123456), 0x00123456u);
}

// ---- pictures to RGB565 ---------------------------------------------------------------------------

TEST(UrgbArray, EveryPixelTopRowFirst)
{
    const QImage picture = Pattern(13, 7);
    T16bitArray array;
    BitmapTo16bitArray(picture, array);
    ASSERT_EQ(array.size(), 13 * 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 13; ++x)
            ASSERT_EQ(array[y * 13 + x], ColorTo16bit(ToTColor(picture.pixel(x, y)))) << x << "," << y;
}

TEST(UrgbArray, PictureNotAt24BitsLeavesTheArrayUntouched)
{
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB16,
                                  QImage::Format_Indexed8, QImage::Format_BGR888}) {
        T16bitArray array{1, 2, 3};
        BitmapTo16bitArray(Pattern(4, 4, format), array);
        EXPECT_EQ(array, (T16bitArray{1, 2, 3})) << format;
    }
    // Brought to 24 bits first, the same picture converts.
    T16bitArray array;
    BitmapTo16bitArray(To24bit(Pattern(4, 4, QImage::Format_ARGB32)), array);
    EXPECT_EQ(array.size(), 16);
    EXPECT_EQ(array[5], ColorTo16bit(ToTColor(Pattern(4, 4).pixel(1, 1))));
}

TEST_F(Urgb, EmptyPictureGivesEmptyArrayAndEmptyFile)
{
    T16bitArray array{7, 7};
    BitmapTo16bitArray(To24bit(QImage()), array);
    EXPECT_TRUE(array.isEmpty());
    ASSERT_TRUE(Save16bitArray(array, Path("empty.bin")));
    EXPECT_TRUE(QFile::exists(Path("empty.bin")));
    EXPECT_EQ(QFileInfo(Path("empty.bin")).size(), 0);
}

TEST_F(Urgb, FileIsLittleEndianRowsTopFirst)
{
    T16bitArray array;
    BitmapTo16bitArray(SolidImage(22, 1, qRgb(0, 0, 0)), array);
    ASSERT_TRUE(Save16bitArray(array, Path("row.bin")));
    EXPECT_EQ(ReadAll(Path("row.bin")).size(), 44);

    QImage picture = SolidImage(5, 3, qRgb(0, 0, 0));
    picture.setPixel(0, 2, qRgb(0xFF, 0, 0)); // bottom left
    BitmapTo16bitArray(picture, array);
    ASSERT_TRUE(Save16bitArray(array, Path("red.bin")));
    QByteArray expected(30, '\0');
    expected[20] = '\x00';
    expected[21] = '\xF8';
    EXPECT_EQ(ReadAll(Path("red.bin")), expected);

    ASSERT_TRUE(Save16bitArray(T16bitArray{0x1234, 0xF800}, Path("red.bin"))); // replaces the longer file
    EXPECT_EQ(ReadAll(Path("red.bin")), QByteArray("\x34\x12\x00\xF8", 4));
}

TEST_F(Urgb, SaveThatCannotCreateTheFileSaysWhy)
{
    const QString missing = Path("no such folder/out.bin");
    const QString message = ErrorOf([&] { Save16bitArray(T16bitArray{1}, missing); });
    const QString prefix =
        QStringLiteral("Cannot create file \"%1\". ").arg(QDir::toNativeSeparators(missing));
    EXPECT_TRUE(message.startsWith(prefix)) << message.toStdString();
    EXPECT_GT(message.size(), prefix.size()) << "no system reason given";

    // A folder in the way: the file cannot replace it, and nothing else is left beside it.
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.bin"));
    const QString taken = Path("taken.bin");
    EXPECT_TRUE(
        ErrorOf([&] {
            Save16bitArray(T16bitArray{1}, taken);
        }).startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(QDir::toNativeSeparators(taken))));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"taken.bin"});
}

// ---- loading ------------------------------------------------------------------------------------------

TEST_F(Urgb, LoadsBmpAndJpegWhateverTheCaseOfTheExtension)
{
    const QImage source = Pattern(24, 16);
    const QByteArray jpeg = EncodeRgbJpeg(SolidImage(24, 16, qRgb(200, 40, 90)));
    ASSERT_TRUE(source.save(Path("seed.bmp"), "BMP"));
    const QByteArray bmp = ReadAll(Path("seed.bmp"));

    struct Case
    {
        const char* name;
        bool isJpeg;
    };
    const Case cases[] = {{"a.bmp", false}, {"b.BMP", false}, {"c.jpg", true},
                          {"d.JPG", true},  {"e.jpeg", true}, {"f.JpEg", true}};
    for (const Case& c : cases) {
        WriteAll(Path(c.name), c.isJpeg ? jpeg : bmp);
        const QImage loaded = LoadPictureFile(Path(c.name));
        ASSERT_EQ(loaded.size(), QSize(24, 16)) << c.name;
        EXPECT_EQ(loaded.format(), QImage::Format_RGB888) << c.name;
        if (c.isJpeg) {
            const QRgb p = loaded.pixel(11, 7);
            EXPECT_TRUE(Near(qRed(p), 200, 3) && Near(qGreen(p), 40, 3) && Near(qBlue(p), 90, 3)) << c.name;
        } else {
            EXPECT_EQ(loaded, source) << c.name;
        }
    }
}

TEST_F(Urgb, BmpOfEveryDepthComesOutAt24Bits)
{
    for (QImage::Format format :
         {QImage::Format_Mono, QImage::Format_Indexed8, QImage::Format_RGB888, QImage::Format_RGB32}) {
        const QImage source = Pattern(19, 9, format); // odd width: padded rows
        ASSERT_TRUE(source.save(Path("depth.bmp"), "BMP")) << format;
        const QImage loaded = LoadPictureFile(Path("depth.bmp"));
        EXPECT_EQ(loaded.format(), QImage::Format_RGB888) << format;
        EXPECT_EQ(loaded, source.convertToFormat(QImage::Format_RGB888)) << format;
    }
}

TEST_F(Urgb, OtherOrMissingFilesGiveAnEmptyPicture)
{
    ASSERT_TRUE(Pattern(8, 8).save(Path("p.png"), "PNG"));
    const char gif[] = "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00,\x00\x00\x00\x00"
                       "\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;";
    WriteAll(Path("p.gif"), QByteArray(gif, sizeof gif - 1));
    ASSERT_EQ(QImage(Path("p.gif")).size(), QSize(1, 1)); // a real GIF, only not one we load
    ASSERT_TRUE(Pattern(8, 8).save(Path("p.jpg.txt"), "JPEG"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.bmp"));
    for (const char* name : {"p.png", "p.gif", "p.jpg.txt", "missing.bmp", "missing.jpg", "folder.bmp", ""})
        EXPECT_TRUE(LoadPictureFile(*name ? Path(name) : QString()).isNull()) << name;
}

TEST_F(Urgb, ReadersTakeOnlyRegularFilesOfABoundedSize)
{
    // Every reader of files from outside, with the size above which it refuses a file unread.
    struct Reader
    {
        const char* extension;
        qint64 cap;
        const char* tooLarge;
        std::function<void(const QString&)> read;
    };
    const Reader readers[] = {
        {"lcd", 548 + 256 * 270 + 256 * 255 * 1370, "larger than any project",
         [](const QString& f) {
             TLCDList list;
             TLCD powerFail;
             LoadProject(f, list, powerFail);
         }},
        {"bmp", 4 * MaxPicturePixels + (1 << 20), "too large", [](const QString& f) { LoadPictureFile(f); }},
        {"jpg", 3 * MaxPicturePixels, "too large", [](const QString& f) { LoadPictureFile(f); }},
        {"gif", 64 << 20, "larger than", [](const QString& f) { TAnimation().LoadAnimation(f); }},
    };
    for (const Reader& r : readers) {
        SCOPED_TRACE(r.extension);
        const QString fifo = Path(QStringLiteral("fifo.") + r.extension);
        {
            const TFifo made(fifo);
            ASSERT_TRUE(made.Made());
            const QString message = ErrorOf([&] { r.read(fifo); });
            EXPECT_TRUE(message.contains("is not a regular file") && message.contains(fifo))
                << message.toStdString();
        }
        const QString device = Path(QStringLiteral("null.") + r.extension);
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), device));
        QString message = ErrorOf([&] { r.read(device); });
        EXPECT_TRUE(message.contains("is not a regular file") && message.contains(device))
            << message.toStdString();

        // Sparse: one byte over the limit takes no room on the disk and must not be read.
        const QString big = Path(QStringLiteral("big.") + r.extension);
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(r.cap + 1));
        file.close();
        message = ErrorOf([&] { r.read(big); });
        EXPECT_TRUE(message.contains(r.tooLarge)) << message.toStdString();
    }
}

TEST_F(Urgb, GreyAndCmykJpegsComeOutAsRgb)
{
    const int w = 16, h = 8;
    std::vector<unsigned char> grey(size_t(w * h), 0x60);
    WriteAll(Path("grey.jpg"), EncodeJpeg(w, h, 1, JCS_GRAYSCALE, JCS_GRAYSCALE, grey));
    QImage loaded = LoadPictureFile(Path("grey.jpg"));
    ASSERT_EQ(loaded.size(), QSize(w, h));
    ASSERT_EQ(loaded.format(), QImage::Format_RGB888);
    QRgb p = loaded.pixel(5, 5);
    EXPECT_TRUE(Near(qRed(p), 0x60, 2) && qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) << std::hex << p;

    // Stored inverted, as Adobe applications do and as libjpeg marks it: 255 means no ink.
    // Red is full magenta and yellow; the dark blue below has cyan, magenta and some black.
    struct Ink
    {
        unsigned char c, m, y, k;
        QRgb rgb;
    };
    const Ink inks[] = {{255, 0, 0, 255, qRgb(255, 0, 0)}, {0, 0, 255, 128, qRgb(0, 0, 128)}};
    for (J_COLOR_SPACE stored : {JCS_CMYK, JCS_YCCK}) {
        for (const Ink& ink : inks) {
            std::vector<unsigned char> cmyk;
            for (int i = 0; i < w * h; ++i)
                cmyk.insert(cmyk.end(), {ink.c, ink.m, ink.y, ink.k});
            WriteAll(Path("cmyk.jpg"), EncodeJpeg(w, h, 4, JCS_CMYK, stored, cmyk));
            loaded = LoadPictureFile(Path("cmyk.jpg"));
            ASSERT_EQ(loaded.size(), QSize(w, h));
            p = loaded.pixel(7, 3);
            EXPECT_TRUE(Near(qRed(p), qRed(ink.rgb), 4) && Near(qGreen(p), qGreen(ink.rgb), 4) &&
                        Near(qBlue(p), qBlue(ink.rgb), 4))
                << stored << ": " << std::hex << p;
        }
    }
}

TEST_F(Urgb, DamagedJpegGivesTheDecoderErrorNumber)
{
    const QByteArray good = EncodeRgbJpeg(Pattern(32, 32));
    const qsizetype sof = FindMarker(good, 0xC0);
    ASSERT_GT(sof, 0);
    QByteArray badPrecision = good;
    badPrecision[sof + 4] = 9; // sample precision: only 8 bits are decoded

    struct Case
    {
        const char* what;
        QByteArray bytes;
        int code;
    };
    const Case cases[] = {
        {"not a JPEG", QByteArray("BM this is no picture at all"), JERR_NO_SOI},
        {"cut before the frame", good.left(sof), JERR_NO_IMAGE},
        {"bad precision", badPrecision, JERR_BAD_PRECISION},
        {"empty file", QByteArray(), JERR_INPUT_EMPTY},
    };
    for (const Case& c : cases) {
        WriteAll(Path("bad.jpg"), c.bytes);
        EXPECT_EQ(ErrorOf([&] { LoadPictureFile(Path("bad.jpg")); }),
                  QString::asprintf("JPEG error #%d", c.code))
            << c.what;
    }
}

TEST_F(Urgb, JpegCutInTheImageDataDecodesSilently)
{
    const QByteArray good = EncodeRgbJpeg(Pattern(64, 64));
    WriteAll(Path("cut.jpg"), good.left(good.size() * 2 / 3));
    testing::internal::CaptureStderr();
    const QImage loaded = LoadPictureFile(Path("cut.jpg"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(loaded.size(), QSize(64, 64));
}

TEST_F(Urgb, BmpOfMoreThanQtsDefaultLimitButWithinOursIsRead)
{
    // 5800 x 5800 at 24 bits: 101 MB in the file, 135 MB as Qt's 32-bit picture, over the 128 MB
    // Qt's readers allow by default, and under MaxPicturePixels. Sparse: only the header and the
    // first pixel (the bottom-left one, rows being stored bottom first) take room.
    const qint32 side = 5800;
    ASSERT_LT(qint64(side) * side, MaxPicturePixels);
    const qint64 rowBytes = side * 3; // a multiple of 4 already
    QByteArray head(54, '\0');
    head[0] = 'B';
    head[1] = 'M';
    qToLittleEndian<quint32>(quint32(54 + rowBytes * side), head.data() + 2);
    qToLittleEndian<quint32>(54, head.data() + 10);
    qToLittleEndian<quint32>(40, head.data() + 14);
    qToLittleEndian<qint32>(side, head.data() + 18);
    qToLittleEndian<qint32>(side, head.data() + 22);
    qToLittleEndian<quint16>(1, head.data() + 26);
    qToLittleEndian<quint16>(24, head.data() + 28);
    QFile file(Path("large.bmp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(head + QByteArray("\x00\x00\xff", 3)), 57);
    ASSERT_TRUE(file.resize(54 + rowBytes * side));
    file.close();

    const QImage picture = LoadPictureFile(Path("large.bmp"));
    ASSERT_EQ(picture.size(), QSize(side, side));
    EXPECT_EQ(picture.pixel(0, side - 1), qRgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(1, side - 1), qRgb(0, 0, 0));
}

TEST_F(Urgb, HugePicturesAreRefusedBeforeDecoding)
{
    QByteArray jpeg = EncodeRgbJpeg(Pattern(16, 16));
    const qsizetype sof = FindMarker(jpeg, 0xC0);
    ASSERT_GT(sof, 0);
    for (int i : {5, 7}) { // height, then width: 60000 each
        jpeg[sof + i] = char(0xEA);
        jpeg[sof + i + 1] = char(0x60);
    }
    WriteAll(Path("huge.jpg"), jpeg);
    QString message = ErrorOf([&] { LoadPictureFile(Path("huge.jpg")); });
    EXPECT_TRUE(message.startsWith("Picture is too large: 60000 x 60000")) << message.toStdString();

    ASSERT_TRUE(Pattern(16, 16).save(Path("seed.bmp"), "BMP"));
    QByteArray bmp = ReadAll(Path("seed.bmp"));
    ASSERT_GE(bmp.size(), 26);
    qToLittleEndian<qint32>(50000, bmp.data() + 18); // width
    qToLittleEndian<qint32>(50000, bmp.data() + 22); // height
    WriteAll(Path("huge.bmp"), bmp);
    message = ErrorOf([&] { LoadPictureFile(Path("huge.bmp")); });
    EXPECT_TRUE(message.startsWith("Picture is too large: 50000 x 50000")) << message.toStdString();
}

TEST_F(Urgb, DamagedBmpIsNotValid)
{
    ASSERT_TRUE(Pattern(40, 30).save(Path("seed.bmp"), "BMP"));
    const QByteArray good = ReadAll(Path("seed.bmp"));
    QByteArray badDepth = good;
    badDepth[28] = 7; // bits per pixel
    const QByteArray cases[] = {
        good.left(good.size() / 2), // pixel rows missing
        good.left(20),              // header cut
        badDepth,
        QByteArray("\xFF\xD8\xFF this is a JPEG?"),
        QByteArray(),
    };
    for (const QByteArray& bytes : cases) {
        WriteAll(Path("bad.bmp"), bytes);
        EXPECT_EQ(ErrorOf([&] { LoadPictureFile(Path("bad.bmp")); }), "Bitmap image is not valid")
            << bytes.size() << " bytes";
    }
}

// ---- stretching -----------------------------------------------------------------------------------

QSet<QRgb> ColorsOf(const QImage& img)
{
    QSet<QRgb> colors;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            colors.insert(img.pixel(x, y));
    return colors;
}

TEST(UrgbScale, StretchesWithoutBlending)
{
    struct Case
    {
        QSize from, to;
    };
    const Case cases[] = {
        {{480, 640}, {240, 320}}, {{120, 160}, {240, 320}}, {{3, 1}, {7, 2}}, {{7, 5}, {2, 3}}};
    for (const Case& c : cases) {
        const QImage source = Pattern(c.from.width(), c.from.height());
        const QImage result = ScaledCopy(source, c.to.width(), c.to.height());
        ASSERT_EQ(result.size(), c.to);
        const QSet<QRgb> sourceColors = ColorsOf(source);
        for (QRgb rgb : ColorsOf(result))
            ASSERT_TRUE(sourceColors.contains(rgb)) << std::hex << rgb;
        // Enlarging keeps every source pixel.
        if (c.to.width() >= c.from.width() && c.to.height() >= c.from.height()) {
            EXPECT_EQ(ColorsOf(result), sourceColors);
        }
    }
    // Doubling repeats each pixel into a 2 x 2 block; halving keeps one pixel of each 2 x 2 block.
    const QImage source = Pattern(120, 160);
    const QImage doubled = ScaledCopy(source, 240, 320);
    for (int y = 0; y < 320; ++y)
        for (int x = 0; x < 240; ++x)
            ASSERT_EQ(doubled.pixel(x, y), source.pixel(x / 2, y / 2)) << x << "," << y;
    const QImage halved = ScaledCopy(doubled, 120, 160);
    EXPECT_EQ(halved, source);
    const QImage big = Pattern(480, 640);
    const QImage small = ScaledCopy(big, 240, 320);
    for (int y = 0; y < 320; ++y)
        for (int x = 0; x < 240; ++x) {
            const QRgb p = small.pixel(x, y);
            ASSERT_TRUE(p == big.pixel(2 * x, 2 * y) || p == big.pixel(2 * x + 1, 2 * y) ||
                        p == big.pixel(2 * x, 2 * y + 1) || p == big.pixel(2 * x + 1, 2 * y + 1))
                << x << "," << y;
        }
}

TEST(UrgbScale, SameSizeEmptyAndOtherFormats)
{
    const QImage source = Pattern(31, 17);
    EXPECT_EQ(ScaledCopy(source, 31, 17), source);

    const QImage blank = ScaledCopy(QImage(), 4, 3);
    ASSERT_EQ(blank.size(), QSize(4, 3));
    EXPECT_EQ(ColorsOf(blank), QSet<QRgb>{qRgb(255, 255, 255)});

    for (QSize bad : {QSize(0, 5), QSize(5, 0), QSize(-3, 4)})
        EXPECT_TRUE(ScaledCopy(source, bad.width(), bad.height()).isNull())
            << bad.width() << "x" << bad.height();

    for (QImage::Format format :
         {QImage::Format_Indexed8, QImage::Format_Mono, QImage::Format_ARGB32, QImage::Format_RGB16}) {
        const QImage other = Pattern(10, 10, format);
        const QImage result = ScaledCopy(other, 25, 4);
        ASSERT_EQ(result.size(), QSize(25, 4)) << format;
        for (QRgb rgb : ColorsOf(result))
            EXPECT_TRUE(ColorsOf(other).contains(rgb)) << format << " " << std::hex << rgb;
    }
}

} // namespace
