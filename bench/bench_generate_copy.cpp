// Generate beside copying its own output durably. A 10-screen project with 200 elements (50 DROs,
// 50 LEDs, 50 bars, 50 texts), a 30-frame 64 x 64 animation and the splash clock is generated into an
// empty folder, and the finished folder is copied with `cp -r` and flushed with `sync -f`, in
// alternating runs on the same disk. The disk is shared and noisy, so the fastest run of each counts:
// the counters say both and their ratio (Generate / copy). A second benchmark generates over an
// identical earlier output, where every file already holds its bytes.
//
// The folders are made under $TARVOLT_BENCH_DIR, or else the current folder (a real disk, unlike a
// tmpfs /tmp).

#include "gifwriter.h"
#include "model/tlcdlist.h"
#include "output/animation.h"
#include "output/digits.h"
#include "output/generate.h"
#include "output/splash.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <limits>

namespace {

constexpr int Screens = 10;

QString BenchRoot()
{
    const QByteArray env = qgetenv("TARVOLT_BENCH_DIR");
    return env.isEmpty() ? QDir::currentPath() : QString::fromLocal8Bit(env);
}

struct TCopyProject
{
    QTemporaryDir dir{BenchRoot() + QStringLiteral("/bench-generate-XXXXXX")};
    TLCDList list;
    TLCD powerFail;
    TSplash splash;
    TAnimation animation;

    TCopyProject()
    {
        QDir::setCurrent(dir.path()); // the screen listing "_a.txt" lands here
        for (int s = 0; s < Screens; ++s) {
            TLCD* screen = list.AddScreen(240, 320);
            const quint8 kinds[] = {ekDRO, ekLED, ekBar, ekText};
            for (int k = 0; k < 4; ++k)
                for (int i = 0; i < 5; ++i)
                    screen->AddElement(kinds[k], i * 46, k * 75);
        }
        powerFail.AddElement(ekDRO, 10, 20);
        splash.SetClockShown(true);
        QDir().mkpath(dir.filePath("res"));
        WriteDigitFiles(dir.filePath("res"));

        gifwriter::Gif gif;
        gif.Width = gif.Height = 64;
        gif.GlobalMap = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0)};
        for (int f = 0; f < 30; ++f)
            gif.Frames.push_back(gifwriter::SolidFrame(0, 0, 64, 64, quint8(f % 4)));
        const QString gifFile = dir.filePath("anim.gif");
        gifwriter::WriteGif(gifFile, gif);
        animation.LoadAnimation(gifFile);
        animation.SetPosition({80, 120});
    }

    TGenerateJob Job(const QString& output)
    {
        TGenerateJob job;
        job.ProjectFile = dir.filePath("large.lcd");
        job.OutputFolder = output;
        job.ResFolder = dir.filePath("res");
        job.Screens = &list;
        job.PowerFail = &powerFail;
        job.Splash = &splash;
        job.Animation = &animation;
        return job;
    }
};

TCopyProject& Project()
{
    static TCopyProject p;
    return p;
}

double Seconds(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) * 1e-9;
}

bool Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

void Report(benchmark::State& state, double fastestGenerate, double fastestCopy)
{
    state.counters["generate_ms"] = fastestGenerate * 1e3;
    state.counters["cp_sync_ms"] = fastestCopy * 1e3;
    state.counters["ratio"] = fastestGenerate / fastestCopy;
}

// One round: Generate into `out`, then `cp -r` of it to `copy` and `sync -f` of the copy, each
// timed; false when the copy or the flush failed.
bool GenerateThenCopy(TCopyProject& p, const QString& out, const QString& copy, double* generate,
                      double* copied)
{
    QElapsedTimer t;
    t.start();
    Generate(p.Job(out));
    *generate = Seconds(t);
    t.restart();
    if (!Run(QStringLiteral("cp"), {QStringLiteral("-r"), out, copy}) ||
        !Run(QStringLiteral("sync"), {QStringLiteral("-f"), copy}))
        return false;
    *copied = Seconds(t);
    return true;
}

// Each iteration: Generate into an empty folder, then `cp -r` of the result and `sync -f` of the
// copy. The iteration's time is Generate's.
void BM_GenerateBesideCopy(benchmark::State& state)
{
    TCopyProject& p = Project();
    const QString out = p.dir.filePath("out");
    const QString copy = p.dir.filePath("copy");
    double fastestGenerate = std::numeric_limits<double>::max();
    double fastestCopy = std::numeric_limits<double>::max();
    qint64 files = 0;
    for (auto _ : state) {
        QDir(out).removeRecursively();
        QDir(copy).removeRecursively();
        Run(QStringLiteral("sync"), {}); // neither starts with the other's dirty data

        double generate = 0, copied = 0;
        if (!GenerateThenCopy(p, out, copy, &generate, &copied)) {
            state.SkipWithError("cp -r or sync -f failed");
            break;
        }

        state.SetIterationTime(generate);
        fastestGenerate = std::min(fastestGenerate, generate);
        fastestCopy = std::min(fastestCopy, copied);
        files = 0;
        for (QDirIterator it(out, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();
             it.next())
            ++files;
    }
    Report(state, fastestGenerate, fastestCopy);
    state.counters["files"] = double(files);
}
BENCHMARK(BM_GenerateBesideCopy)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

// Generate over its own earlier output: the files already hold their bytes and stay.
void BM_GenerateAgainBesideCopy(benchmark::State& state)
{
    TCopyProject& p = Project();
    const QString out = p.dir.filePath("again");
    const QString copy = p.dir.filePath("again-copy");
    Generate(p.Job(out));
    double fastestGenerate = std::numeric_limits<double>::max();
    double fastestCopy = std::numeric_limits<double>::max();
    for (auto _ : state) {
        QDir(copy).removeRecursively();
        Run(QStringLiteral("sync"), {});

        double generate = 0, copied = 0;
        if (!GenerateThenCopy(p, out, copy, &generate, &copied)) {
            state.SkipWithError("cp -r or sync -f failed");
            break;
        }

        state.SetIterationTime(generate);
        fastestGenerate = std::min(fastestGenerate, generate);
        fastestCopy = std::min(fastestCopy, copied);
    }
    Report(state, fastestGenerate, fastestCopy);
}
BENCHMARK(BM_GenerateAgainBesideCopy)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

} // namespace
