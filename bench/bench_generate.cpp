// What a large project costs: Generate of 10 screens with 20 budgeted elements each, text, shapes,
// images and a 30-frame animation; rendering a screen at zoom 1 and 8; loading and saving the project.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "gifwriter.h"
#include "model/render.h"
#include "model/tlcdlist.h"
#include "output/animation.h"
#include "output/generate.h"
#include "output/splash.h"
#include "project/lcdfile.h"

namespace {

constexpr int Screens = 10;

struct LargeProject
{
    QTemporaryDir dir;
    TLCDList list;
    TLCD powerFail;
    TSplash splash;
    TAnimation animation;

    LargeProject()
    {
        const QString picture = dir.filePath("pic.bmp");
        QImage img(120, 90, QImage::Format_RGB888);
        img.fill(qRgb(10, 120, 200));
        img.save(picture, "BMP");
        for (int s = 0; s < Screens; ++s) {
            TLCD* screen = list.AddScreen(240, 320);
            for (int i = 0; i < 20; ++i) {
                const quint8 kind = i % 3 == 0 ? ekDRO : i % 3 == 1 ? ekLED : ekBar;
                screen->AddElement(kind, (i % 5) * 45, (i / 5) * 70);
            }
            screen->AddElement(ekText, 10, 290);
            screen->AddElement(ekShape, 150, 280)->ShapeType = stCircle;
            TElement* image = screen->AddElement(ekImage, 100, 250);
            QString name = picture;
            image->Text = name.toLatin1();
            image->LoadPicture(name);
            screen->AddElement(ekStatus, 0, 306);
        }
        powerFail.AddElement(ekDRO, 10, 20);
        gifwriter::Gif gif;
        gif.Width = gif.Height = 48;
        gif.GlobalMap = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0)};
        for (int f = 0; f < 30; ++f)
            gif.Frames.push_back(gifwriter::SolidFrame(f % 8, 0, 40, 48, quint8(f % 4)));
        const QString gifFile = dir.filePath("anim.gif");
        gifwriter::WriteGif(gifFile, gif);
        animation.LoadAnimation(gifFile);
        animation.SetPosition({50, 50});
    }
};

LargeProject& Project()
{
    static LargeProject p;
    return p;
}

void BM_Generate(benchmark::State& state)
{
    LargeProject& p = Project();
    TGenerateJob job;
    job.ProjectFile = p.dir.filePath("large.lcd");
    job.ResFolder = p.dir.filePath("res");
    job.Screens = &p.list;
    job.PowerFail = &p.powerFail;
    job.Splash = &p.splash;
    job.Animation = &p.animation;
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(p.dir.path());
    for (auto _ : state)
        benchmark::DoNotOptimize(Generate(job));
    QDir::setCurrent(cwd);
    state.counters["per screen"] = benchmark::Counter(Screens, benchmark::Counter::kIsIterationInvariantRate |
                                                                   benchmark::Counter::kInvert);
}
BENCHMARK(BM_Generate)->Unit(benchmark::kMillisecond);

void BM_WriteAnimation(benchmark::State& state)
{
    LargeProject& p = Project();
    const QString out = p.dir.filePath("anim-out");
    for (auto _ : state)
        p.animation.WriteAnimationFiles(out, p.splash);
    state.counters["per frame"] = benchmark::Counter(p.animation.FrameCount(),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}
BENCHMARK(BM_WriteAnimation)->Unit(benchmark::kMillisecond);

void BM_RenderScreen(benchmark::State& state)
{
    LargeProject& p = Project();
    TLCD& screen = *p.list.Items(0);
    screen.SetZoom(quint8(state.range(0)));
    screen.ShowGrid = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderScreen(screen));
    screen.SetZoom(1);
    screen.ShowGrid = false;
}
BENCHMARK(BM_RenderScreen)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);

void BM_SaveProject(benchmark::State& state)
{
    LargeProject& p = Project();
    const QString file = p.dir.filePath("large.lcd");
    for (auto _ : state)
        SaveProject(file, p.list, p.powerFail, SplashSettings{});
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);

void BM_LoadProject(benchmark::State& state)
{
    LargeProject& p = Project();
    const QString file = p.dir.filePath("large.lcd");
    SaveProject(file, p.list, p.powerFail, SplashSettings{});
    for (auto _ : state) {
        TLCDList list;
        TLCD powerFail;
        benchmark::DoNotOptimize(LoadProject(file, list, powerFail));
    }
    state.counters["per screen"] = benchmark::Counter(Screens, benchmark::Counter::kIsIterationInvariantRate |
                                                                   benchmark::Counter::kInvert);
}
BENCHMARK(BM_LoadProject)->Unit(benchmark::kMillisecond);

} // namespace
