// Writes the fuzz targets' starting corpora with the project's own writers:
//   OUT/project/*.lcd  small project files from ProjectBytes
//   OUT/json/*.json  the same projects in their text form
//   OUT/bmp/*.bmp, OUT/jpeg/*.jpg  tiny pictures from QImage::save
//   OUT/gif/*.gif  small animations from giflib's encoder
//   OUT/panelset/*.set  SD-card sets written by Generate, in the set target's input layout
//   OUT/clipboard/*.elements  copied elements, as Copy puts them on the clipboard
// Usage: make_seeds OUT. Exits 1 with a message when a file cannot be written.

#include "fuzzcommon.h"
#include "base/terror.h"
#include "model/tlcdlist.h"
#include "base/codepage.h"
#include "document/clipboard.h"
#include "output/animation.h"
#include "output/digits.h"
#include "output/generate.h"
#include "output/splash.h"
#include "project/jsonproject.h"
#include "project/lcdfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <gif_lib.h>
#include <vector>

namespace {

bool Failed = false;

void Fail(const QString& what)
{
    std::fprintf(stderr, "make_seeds: %s\n", qPrintable(what));
    Failed = true;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        Fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

void WriteProject(const QString& path, const std::function<void(TLCDList&, TLCD&, SplashSettings&)>& fill)
{
    TLCDList list;
    TLCD powerFail;
    SplashSettings splash;
    list.AddScreen(240, 320);
    fill(list, powerFail, splash);
    try {
        WriteFile(path, ProjectBytes(list, powerFail, splash));
        // The text target starts from the same projects.
        const QFileInfo lcd(path);
        const QString json = lcd.dir().filePath(QStringLiteral("../json/%1.json").arg(lcd.completeBaseName()));
        WriteFile(json, ProjectJson(list, powerFail, splash));
    } catch (const TError& e) {
        Fail(QStringLiteral("%1: %2").arg(path, e.Message()));
    }
}

// A small picture with a few colours, so that the encoders keep some detail.
QImage Sample(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, (x + y) % 2 ? 255 : 0));
    return image;
}

void WritePicture(const QString& path, const QImage& image, const char* format, bool progressive = false)
{
    QImageWriter writer(path, format);
    writer.setProgressiveScanWrite(progressive);
    if (!writer.write(image))
        Fail(QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()));
}

// Generates a project's set and writes it in the set target's layout. Pictures are of one colour, so
// that each stands in the seed as a two-byte pattern.
void WriteSet(const QString& path, const std::function<void(TLCDList&, TLCD&, TSplash&)>& fill, int frames = 0)
{
    QTemporaryDir work;
    if (!work.isValid()) {
        Fail(QStringLiteral("cannot make a temporary folder"));
        return;
    }
    const QDir dir(work.path());
    const QString out = dir.filePath(QStringLiteral("set"));
    TLCDList list;
    TLCD powerFail;
    TSplash splash;
    TAnimation animation;
    QImage solid(240, 320, QImage::Format_RGB888);
    solid.fill(QColor(0x20, 0x40, 0x60));
    splash.SetPicture(solid);
    powerFail.Background = solid;
    list.AddScreen(240, 320);
    fill(list, powerFail, splash);
    try {
        dir.mkpath(QStringLiteral("res"));
        WriteDigitFiles(dir.filePath(QStringLiteral("res")));
        TGenerateJob job;
        job.ProjectFile = out + QStringLiteral(".lcd");
        job.ResFolder = dir.filePath(QStringLiteral("res"));
        job.Screens = &list;
        job.PowerFail = &powerFail;
        job.Splash = &splash;
        job.Animation = &animation;
        Generate(job);
    } catch (const TError& e) {
        Fail(QStringLiteral("%1: %2").arg(path, e.Message()));
        return;
    }
    QByteArray bytes;
    QDirIterator it(out, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) {
            Fail(QStringLiteral("cannot read %1").arg(file));
            continue;
        }
        bytes += EncodeSetFile(QDir(out).relativeFilePath(file), f.readAll());
    }
    // A few frames, as the animation writer lays them out.
    if (frames > 0) {
        bytes += EncodeSetFile(QStringLiteral("anime.bin"), AnimationHeader(frames, 100, QPoint(8, 8), QSize(16, 16)));
        for (int i = 0; i < frames; ++i)
            bytes += EncodeSetFile(QString::asprintf("a%.2d.bin", i), QByteArray(16 * 16 * 2, char(0x11 * (i + 1))));
    }
    WriteFile(path, bytes);
}

} // namespace

// A GIF of `frames` frames of w x h on a logical screen of the same size, four colours, each frame
// filled with a pattern of its own; optionally interlaced and with a transparent index.
void WriteGif(const QString& path, int w, int h, int frames, bool interlace, bool transparent)
{
    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (!gif) {
        Fail(QStringLiteral("cannot write %1: %2").arg(path, QString::fromLatin1(GifErrorString(error))));
        return;
    }
    const GifColorType colours[4] = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {255, 255, 255}};
    ColorMapObject* map = GifMakeMapObject(4, colours);
    bool ok = EGifPutScreenDesc(gif, w, h, 2, 0, map) == GIF_OK;
    std::vector<GifPixelType> row(size_t(w), 0);
    for (int f = 0; ok && f < frames; ++f) {
        if (transparent) {
            GraphicsControlBlock gcb{};
            gcb.DelayTime = 10;
            gcb.TransparentColor = 3;
            GifByteType ext[4];
            EGifGCBToExtension(&gcb, ext);
            ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext) == GIF_OK;
        }
        ok = ok && EGifPutImageDesc(gif, 0, 0, w, h, interlace, nullptr) == GIF_OK;
        // giflib takes an interlaced image's rows in the order they are stored.
        for (int y = 0; ok && y < h; ++y) {
            for (int x = 0; x < w; ++x)
                row[size_t(x)] = GifPixelType((x + y + f) % 4);
            ok = EGifPutLine(gif, row.data(), w) == GIF_OK;
        }
    }
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) != GIF_OK || !ok)
        Fail(QStringLiteral("cannot write %1").arg(path));
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds OUT\n");
        return 2;
    }
    StartFuzzApplication();
    const QDir out(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    for (const char* sub : {"project", "json", "bmp", "jpeg", "gif", "panelset", "clipboard"})
        if (!out.mkpath(QString::fromLatin1(sub)))
            Fail(QStringLiteral("cannot make %1/%2").arg(out.path(), QLatin1String(sub)));

    const QString bmp = out.filePath(QStringLiteral("bmp/tiny.bmp"));
    const QString jpeg = out.filePath(QStringLiteral("jpeg/tiny.jpg"));
    WritePicture(bmp, Sample(5, 3), "bmp");
    WritePicture(out.filePath(QStringLiteral("bmp/palette.bmp")),
                 Sample(4, 4).convertToFormat(QImage::Format_Indexed8), "bmp");
    WritePicture(jpeg, Sample(16, 8), "jpeg");
    WritePicture(out.filePath(QStringLiteral("jpeg/grey.jpg")),
                 Sample(8, 8).convertToFormat(QImage::Format_Grayscale8), "jpeg");
    WritePicture(out.filePath(QStringLiteral("jpeg/progressive.jpg")), Sample(16, 16), "jpeg", true);
    WriteGif(out.filePath(QStringLiteral("gif/two.gif")), 6, 4, 2, false, false);
    WriteGif(out.filePath(QStringLiteral("gif/interlaced.gif")), 5, 9, 1, true, true);

    WriteProject(out.filePath(QStringLiteral("project/empty.lcd")), [](TLCDList&, TLCD&, SplashSettings&) {});

    // One element of every kind; the picture element and a bar segment name the seed pictures, so
    // that the project target reaches the picture loader too.
    WriteProject(out.filePath(QStringLiteral("project/every_kind.lcd")), [&](TLCDList& list, TLCD&,
                                                                             SplashSettings& splash) {
        TLCD& s = *list.Items(0);
        s.BackgroundColor = 0x203040;
        TElement* dro = s.AddElement(ekDRO, 10, 10);
        dro->Format = "%+8.3f";
        dro->SetText("  12.500");
        dro->ShowAsAxis = 1;
        dro->AxisNum = 2;
        TElement* led = s.AddElement(ekLED, 100, 10);
        led->OnColor = 0x0000FF;
        led->OffColor = 0x000040;
        led->LedMode = 1;
        led->BlinkInterval = 500;
        TElement* bar = s.AddElement(ekBar, 10, 40);
        bar->GreenPicFile = jpeg;
        bar->MaxVal = 200;
        s.AddElement(ekShift, 60, 40);
        s.AddElement(ekStatus, 10, 120)->SetText("READY");
        TElement* text = s.AddElement(ekText, 10, 150);
        text->FontName = QStringLiteral("DejaVu Sans");
        text->FontSize = 10;
        text->SetText("\xCF\xF0\xE8\xE2\xE5\xF2"); // Cyrillic in the code page
        s.AddElement(ekImage, 100, 150)->SetText(ToCodePage(bmp));
        TElement* shape = s.AddElement(ekShape, 10, 200);
        shape->ShapeType = stRoundRect;
        shape->PenColor = 0x00AA00;
        s.AddElement(ekClock, 10, 280);
        splash = {true, 10, 20, QStringLiteral("splash.gif"), true, false, 1, 2, 3, 4, 16, 24, 0xFFFFFF, 0};
    });

    // Copied elements: one LED, and one of every kind with a picture and a bar's own segment.
    {
        TLCDList list;
        TLCD& s = *list.AddScreen(240, 320);
        s.SetZoom(2);
        WriteFile(out.filePath(QStringLiteral("clipboard/led.elements")),
                  ElementsToBytes(s, {s.AddElement(ekLED, 20, 20)}));
        QList<TElement*> all;
        for (int kind : {ekDRO, ekBar, ekShift, ekStatus, ekText, ekImage, ekShape, ekClock})
            all << s.AddElement(quint8(kind), 40, 60);
        all[0]->Format = "%7.3f";
        all[1]->GreenPic = Sample(22, 1);
        all[5]->Picture = Sample(6, 4);
        all[5]->SetText(ToCodePage(bmp));
        WriteFile(out.filePath(QStringLiteral("clipboard/every_kind.elements")), ElementsToBytes(s, all));
    }

    WriteProject(out.filePath(QStringLiteral("project/two_screens.lcd")),
                 [](TLCDList& list, TLCD&, SplashSettings&) {
                     list.Items(0)->AddElement(ekLED, 5, 5);
                     TLCD* second = list.AddScreen(240, 320);
                     second->SetLandscape(true);
                     second->BackgroundFile = QStringLiteral("missing.bmp");
                     second->AddElement(ekBar, 300, 200);
                 });

    WriteProject(out.filePath(QStringLiteral("project/power_fail.lcd")),
                 [](TLCDList&, TLCD& powerFail, SplashSettings&) {
                     TElement* dro = powerFail.AddElement(ekDRO, 20, 150);
                     dro->Format = "%5.1f";
                     dro->SetText("  0.0");
                 });

    WriteSet(out.filePath(QStringLiteral("panelset/empty_screen.set")), [](TLCDList&, TLCD&, TSplash&) {});
    WriteSet(
        out.filePath(QStringLiteral("panelset/every_kind.set")),
        [](TLCDList& list, TLCD& powerFail, TSplash& splash) {
            TLCD& s = *list.Items(0);
            s.AddElement(ekDRO, 10, 10)->SetScaleW(2);
            TElement* led = s.AddElement(ekLED, 100, 10);
            led->OnColor = 0x0000FF;
            s.AddElement(ekBar, 10, 40);
            s.AddElement(ekShift, 60, 40);
            s.AddElement(ekStatus, 0, 120);
            s.AddElement(ekClock, 10, 280);
            TLCD* second = list.AddScreen(240, 320);
            second->SetLandscape(true);
            second->AddElement(ekBar, 300, 200);
            powerFail.AddElement(ekDRO, 20, 150);
            splash.SetClockShown(true);
        },
        3);
    return Failed ? 1 : 0;
}
