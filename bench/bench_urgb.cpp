// Conversion of one panel screen (240 x 320) to RGB565, and the picture loading and stretching
// that precede it.

#include "base/urgb.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QImage Pattern(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb((x * 7) & 0xFF, (y * 5) & 0xFF, (x * 3 + y * 11) & 0xFF));
    return img;
}

void BM_BitmapTo16bitArray(benchmark::State& state)
{
    const QImage picture = Pattern(240, 320);
    T16bitArray array;
    for (auto _ : state) {
        BitmapTo16bitArray(picture, array);
        benchmark::DoNotOptimize(array.data());
    }
    state.SetItemsProcessed(state.iterations() * 240 * 320);
}
BENCHMARK(BM_BitmapTo16bitArray);

void LoadFile(benchmark::State& state, const char* name, const char* format)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (!Pattern(240, 320).save(path, format, 90)) {
        state.SkipWithError("cannot write the picture");
        return;
    }
    for (auto _ : state) {
        QImage picture = LoadPictureFile(path);
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.SetItemsProcessed(state.iterations() * 240 * 320);
}

void BM_LoadJpeg(benchmark::State& state)
{
    LoadFile(state, "screen.jpg", "JPEG");
}
BENCHMARK(BM_LoadJpeg);

void BM_LoadBmp(benchmark::State& state)
{
    LoadFile(state, "screen.bmp", "BMP");
}
BENCHMARK(BM_LoadBmp);

void BM_ScaledCopyHalf(benchmark::State& state)
{
    const QImage picture = Pattern(480, 640);
    for (auto _ : state) {
        QImage scaled = ScaledCopy(picture, 240, 320);
        benchmark::DoNotOptimize(scaled.constBits());
    }
}
BENCHMARK(BM_ScaledCopyHalf);

} // namespace
