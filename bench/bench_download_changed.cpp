// "Write changed" beside "Write all" on the example project, in exchanges with the virtual panel: the
// example is generated and written whole, one element of one screen is moved, the project is
// generated again, and only what changed is written. The counters give the exchanges of both and
// their ratio (Write all / Write changed), and how many files each sent: a moved readout (which the
// panel draws itself) changes only its screen's element table; a moved text (drawn into the
// screen's background) changes only that screen's files.
//
// The example is read from the source tree's examples folder.

#include "base/datafolders.h"
#include "base/urgb.h"
#include "device/download.h"
#include "device/panellink.h"
#include "device/panelprotocol.h"
#include "device/virtualpanel.h"
#include "document/tproject.h"
#include "output/generate.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

int Count(const QList<QByteArray>& reports, quint8 code)
{
    int n = 0;
    for (const QByteArray& r : reports)
        n += quint8(r.at(1)) == code;
    return n;
}

struct TExample
{
    QTemporaryDir work;
    QTemporaryDir sd;
    QTemporaryDir records;
    TProject project;
    QString output;
    TVirtualHIDLayer layer;
    TVirtualPanel* panel = layer.Plug(sd.path());
    TPanelLink link{&layer};
    TDownload download{&link};

    bool Open()
    {
        const QDir examples(QStringLiteral(TARVOLT_SOURCE_DIR "/examples"));
        QDir(work.path()).mkpath(QStringLiteral("examples"));
        for (const QString& name : examples.entryList(QDir::Files))
            QFile::copy(examples.filePath(name), work.filePath(QStringLiteral("examples/") + name));
        QDir::setCurrent(work.path());
        project.Splash().SetPicture(LoadPictureFile(QStringLiteral("examples/splash.jpg")),
                                    QStringLiteral("examples/splash.jpg"));
        project.Open(work.filePath(QStringLiteral("examples/demo.lcd")));
        link.DeviceChange();
        download.SetRecordFolder(records.path());
        return link.CurrentDevice() != nullptr;
    }
    // The clock's digit files beside the benchmark, as the programs find theirs.
    void Generate() { output = ::Generate(project.GenerateJob(ProgramResFolder())); }
};

// Moves the first element of `kind` on the first screen that has one by `dx` panel pixels.
bool Move(TProject& project, quint8 kind, int dx)
{
    for (int s = 0; s < project.Screens().Count(); ++s)
        for (const auto& e : project.Screens().Items(s)->Elements())
            if (e->Kind == kind) {
                e->PanelX += dx;
                e->ApplyZoom();
                return true;
            }
    return false;
}

void BM_WriteChangedAfterAMove(benchmark::State& state)
{
    const auto kind = quint8(state.range(0));
    double all = 0, changed = 0, filesAll = 0, filesChanged = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TExample ex;
        if (!ex.Open()) {
            state.SkipWithError("no example project or no virtual panel");
            return;
        }
        ex.Generate();
        if (ex.download.WriteAll(ex.output) != TDownload::TOutcome::Done) {
            state.SkipWithError("Write all failed");
            return;
        }
        all = double(ex.panel->Reports().size());
        filesAll = Count(ex.panel->Reports(), panel::cmdOpenFile);
        if (!Move(ex.project, kind, 8)) {
            state.SkipWithError("the example has no element of that kind");
            return;
        }
        ex.Generate();
        ex.panel->ClearReports();
        state.ResumeTiming();
        if (ex.download.WriteChanged(ex.output) != TDownload::TOutcome::Done) {
            state.SkipWithError("Write changed failed");
            return;
        }
        changed = double(ex.panel->Reports().size());
        filesChanged = Count(ex.panel->Reports(), panel::cmdOpenFile);
    }
    state.counters["exchanges_all"] = all;
    state.counters["exchanges_changed"] = changed;
    state.counters["ratio"] = all / changed;
    state.counters["files_all"] = filesAll;
    state.counters["files_changed"] = filesChanged;
}
BENCHMARK(BM_WriteChangedAfterAMove)
    ->ArgName("kind")
    ->Arg(ekDRO)
    ->Arg(ekText)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace
