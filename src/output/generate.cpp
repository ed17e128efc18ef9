#include "output/generate.h"

#include "model/cformat.h"
#include "base/terror.h"
#include "model/tlcdlist.h"
#include "output/animation.h"
#include "output/digits.h"
#include "output/folders.h"
#include "output/screenfiles.h"
#include "output/splash.h"
#include "base/urgb.h"
#include "base/bytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

void SaveStretched(const QImage& picture, QSize size, const QString& fileName)
{
    SavePicture16(ScaledCopy(picture, size.width(), size.height()), fileName);
}

// Puts the grid back however the generation ends.
struct GridRestore
{
    TLCDList& list;
    bool shown;
    ~GridRestore() { list.SetShowGrid(shown); }
};

} // namespace

QString OutputFolderFor(const QString& projectFile)
{
    const QFileInfo info(projectFile);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf('.');
    return info.dir().absoluteFilePath(dot > 0 ? name.left(dot) : name);
}

QByteArray PowerFailRecord(const TElement& e)
{
    TRecordWriter r(ElementTableRecordSize);
    r.U8(0, ekDRO);
    r.U8(1, quint8(e.OrderNo));
    r.U16(2, quint16(e.PanelX));
    r.U16(4, quint16(e.PanelY));
    r.U16(6, quint16(8 * e.ScaleW * e.Text.size()));
    r.U16(8, quint16(14 * e.ScaleH));
    r.U8(12, e.ScaleW);
    r.U8(13, e.ScaleH);
    r.U16(16, ColorTo16bit(e.TextColor));
    r.U16(18, ColorTo16bit(e.BackColor));
    r.Bytes(28, e.Format, RecordFormatCapacity);
    return r.Bytes();
}

QString Generate(const TGenerateJob& job)
{
    Q_ASSERT(job.Screens && job.PowerFail && job.Splash && job.Animation);
    TLCDList& list = *job.Screens;
    if (list.Count() == 0)
        throw TError(QCoreApplication::translate("output", "The project has no work screen."));
    const QString out = job.OutputFolder.isEmpty() ? OutputFolderFor(job.ProjectFile) : job.OutputFolder;
    const QDir dir(out);

    GridRestore restore{list, list.ShowGrid};
    list.SetShowGrid(false);
    list.SetZoom(1);

    QDir().mkdir(out);
    ClearFolderFiles(out);

    const QSize splashSize = list.Items(0)->Landscape ? QSize(320, 240) : QSize(240, 320);
    job.Splash->SetScreenSize(splashSize);
    SaveStretched(job.Splash->Picture(), splashSize, dir.filePath("logo.bin"));
    WriteFileBytes(dir.filePath("lcdconfig"), QByteArray(1, char(quint8(list.Count()))));

    for (int i = 0; i < list.Count(); ++i) {
        if (job.OnScreen)
            job.OnScreen(i, list.Count());
        const QString folder = dir.filePath(QString::asprintf("%.02d", i));
        QDir().mkdir(folder);
        WriteScreenFiles(*list.Items(i), folder);
    }

    if (job.Splash->ClockShown()) {
        WriteClockSettings(*job.Splash, dir.filePath("tm.bin"));
        // The digit files are the firmware's, copied as they are; a missing one is left out.
        const QDir res(job.ResFolder);
        for (const QString& name : DigitFileNames()) {
            QFile::remove(dir.filePath(name));
            QFile::copy(res.filePath(name), dir.filePath(name));
        }
    }

    list.SetShowGrid(restore.shown);

    if (job.Animation->FrameCount() > 0)
        job.Animation->WriteAnimationFiles(out, *job.Splash);

    TLCD& pf = *job.PowerFail;
    if (pf.Count() > 0) {
        TElement& dro = *pf.Item(0);
        if (dro.Kind == ekDRO)
            dro.SetText(DroText(dro.Format, dro.Value));
        WriteFileBytes(dir.filePath("pwr.bin"), PowerFailRecord(dro));
    }
    SaveStretched(pf.Background.isNull() ? BuiltInPowerFailPicture() : pf.Background, splashSize,
                  dir.filePath("pwrfail.bin"));
    return out;
}
