// Exchanges per second and CPU time per exchange between the link and the virtual panel with no answer
// delay: what the host adds to each report, the panel's own answer time aside.

#include "device/download.h"
#include "device/panellink.h"
#include "device/panelprotocol.h"
#include "device/virtualpanel.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct TRig
{
    QTemporaryDir sd;
    TVirtualHIDLayer layer;
    TVirtualPanel* panel = layer.Plug(sd.path());
    TPanelLink link{&layer};

    TRig() { link.DeviceChange(); }
};

// One command and its answer, as Get interval sends it.
void BM_Exchange(benchmark::State& state)
{
    TRig rig;
    QString why, error;
    if (!rig.link.BeginCommand(&why)) {
        state.SkipWithError("no panel");
        return;
    }
    QByteArray& buf = rig.link.ReportBuffer();
    buf[0] = panel::kReportId;
    buf[1] = char(panel::cmdGetInterval);
    for (auto _ : state) {
        rig.link.SendCommand(buf, &error);
        if (rig.link.AwaitReply() != TPanelLink::TReply::Answered) {
            state.SkipWithError("no answer");
            break;
        }
        rig.panel->ClearReports();
    }
    rig.link.EndCommand();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Exchange);

// "Write all" of one file: 100-byte data reports written into the panel's SD folder.
void BM_WriteAll(benchmark::State& state)
{
    TRig rig;
    QTemporaryDir out;
    const qint64 size = state.range(0);
    {
        QFile f(out.filePath(QStringLiteral("a.bin")));
        if (!f.open(QIODevice::WriteOnly) || f.write(QByteArray(size, 'x')) != size) {
            state.SkipWithError("cannot write the file to send");
            return;
        }
    }
    TDownload download(&rig.link);
    QTemporaryDir records; // the record of what was sent stays out of the user's data folder
    download.SetRecordFolder(records.path());
    for (auto _ : state) {
        if (download.WriteAll(out.path()) != TDownload::TOutcome::Done) {
            state.SkipWithError("download failed");
            break;
        }
        rig.panel->ClearReports();
    }
    const qint64 exchanges =
        (size + panel::kDataChunk - 1) / panel::kDataChunk + 4; // + begin, open, close, end
    state.SetItemsProcessed(state.iterations() * exchanges);
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_WriteAll)->Arg(153600);

} // namespace
