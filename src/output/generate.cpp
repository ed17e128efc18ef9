#include "output/generate.h"

#include "base/atomicfile.h"
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
#include "base/codepage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

TOutputFile Stretched(const QImage& picture, QSize size, const QString& fileName)
{
    return TOutputFile::Picture16File(fileName, ScaledCopy(picture, size.width(), size.height()));
}

// Puts the grid back however the generation ends.
struct GridRestore
{
    TLCDList& list;
    bool shown;
    ~GridRestore() { list.SetShowGrid(shown); }
};

QString Refusal(const QString& folder, const QString& reason)
{
    return QCoreApplication::translate("output", "Generate will not empty the output folder \"%1\": %2")
        .arg(QDir::toNativeSeparators(folder), reason);
}

// The path with every link resolved; for a path that does not exist yet, its existing parent's
// resolved path followed by its own name (the output folder is created one level deep).
QString Resolved(const QString& cleanAbsolute)
{
    const QFileInfo info(cleanAbsolute);
    if (info.exists())
        return info.canonicalFilePath();
    const QString parent = QFileInfo(info.absolutePath()).canonicalFilePath();
    return parent.isEmpty() ? cleanAbsolute : QDir(parent).filePath(info.fileName());
}

// Whether `folder` is `path` or lies above it. Both are resolved absolute paths.
bool SameOrAbove(const QString& folder, const QString& path)
{
    if (folder == path)
        return true;
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return path.startsWith(prefix);
}

// Every file the job reads or names, as it may be found: a relative name beside the project and
// from the working folder, as the project reader looks for it.
QStringList FilesOfTheProject(const TGenerateJob& job)
{
    const QDir projectDir = QFileInfo(job.ProjectFile).absoluteDir();
    QStringList names{job.ProjectFile};
    auto screenNames = [&names](const TLCD& screen) {
        names << screen.BackgroundFile;
        for (const auto& e : screen.Elements()) {
            if (e->Kind == ekImage)
                names << FromCodePage(e->Text);
            if (e->Kind == ekBar)
                names << e->RedPicFile << e->YellowPicFile << e->GreenPicFile << e->BkgPicFile;
        }
    };
    for (int i = 0; i < job.Screens->Count(); ++i)
        screenNames(*job.Screens->Items(i));
    screenNames(*job.PowerFail);
    names << job.Splash->ImageFile() << job.Animation->FileName();
    const QDir res(job.ResFolder);
    if (!job.ResFolder.isEmpty())
        for (const QString& digit : DigitFileNames())
            names << res.filePath(digit);

    QStringList files;
    for (const QString& name : std::as_const(names)) {
        if (name.isEmpty())
            continue;
        files << QDir::cleanPath(QFileInfo(name).absoluteFilePath());
        if (QDir::isRelativePath(name))
            files << QDir::cleanPath(projectDir.absoluteFilePath(name));
    }
    return files;
}

} // namespace

void CheckOutputFolder(const TGenerateJob& job, const QString& folder)
{
    if (job.OutputFolder.isEmpty()) {
        // "..lcd" would name the project's own folder, "...lcd" the one above it.
        const QString name = QFileInfo(job.ProjectFile).fileName();
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        const QString stem = dot < 0 ? name : name.left(dot);
        if (stem.isEmpty() || stem.count(QLatin1Char('.')) == stem.size())
            throw TError(QCoreApplication::translate(
                             "output", "The project file name \"%1\" has no name before its extension, so "
                                       "it names no output folder. Rename the project.")
                             .arg(name));
    }

    const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (QFileInfo(clean).isSymLink())
        throw TError(Refusal(clean, QCoreApplication::translate(
                                        "output", "it is a link to another folder, whose files are not "
                                                  "this project's.")));
    const QString target = Resolved(clean);

    const QString projectFolder = Resolved(QDir::cleanPath(QFileInfo(job.ProjectFile).absolutePath()));
    if (SameOrAbove(target, projectFolder))
        throw TError(Refusal(clean, QCoreApplication::translate(
                                        "output", "it is the project's own folder or a folder above it.")));
    const QString home = Resolved(QDir::cleanPath(QDir::homePath()));
    if (SameOrAbove(target, home))
        throw TError(Refusal(
            clean, QCoreApplication::translate("output", "it is the home folder or a folder above it.")));
    for (const QFileInfo& root : QDir::drives())
        if (target == Resolved(QDir::cleanPath(root.absoluteFilePath())))
            throw TError(Refusal(clean, QCoreApplication::translate("output", "it is a root folder.")));

    for (const QString& file : FilesOfTheProject(job)) {
        const QFileInfo info(file);
        if (!info.exists() && !info.isSymLink())
            continue;
        // A link is one of ours to keep where it stands; what it points to is never deleted.
        const QString where = info.isSymLink() ? QDir(Resolved(info.absolutePath())).filePath(info.fileName())
                                               : info.canonicalFilePath();
        if (where != target && SameOrAbove(target, where))
            throw TError(Refusal(
                clean, QCoreApplication::translate("output", "it holds \"%1\", which the project uses.")
                           .arg(QDir::toNativeSeparators(file))));
    }

    if (!job.OutputFolder.isEmpty() && !job.Force && QFileInfo(target).isDir()) {
        const QDir dir(target);
        const bool empty =
            dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).isEmpty();
        if (!empty && !QFileInfo(dir.filePath(QStringLiteral("lcdconfig"))).isFile())
            throw TError(Refusal(
                clean, QCoreApplication::translate(
                           "output", "it is not empty and holds no \"lcdconfig\", so it is no earlier "
                                     "output of Generate. Choose an empty folder, or add --force to empty "
                                     "it all the same.")));
    }
}

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

TGeneratePlan PlanGenerate(const TGenerateJob& job)
{
    Q_ASSERT(job.Screens && job.PowerFail && job.Splash && job.Animation);
    TLCDList& list = *job.Screens;
    if (list.Count() == 0)
        throw TError(QCoreApplication::translate("output", "The project has no work screen."));
    const QString out = job.OutputFolder.isEmpty() ? OutputFolderFor(job.ProjectFile) : job.OutputFolder;
    CheckOutputFolder(job, out);
    const QDir dir(out);

    GridRestore restore{list, list.ShowGrid};
    list.SetShowGrid(false);
    list.SetZoom(1);

    TGeneratePlan plan;
    plan.OutputFolder = out;
    plan.ScreenCount = list.Count();
    TOutputFiles& files = plan.Files;

    const QSize splashSize = list.Items(0)->Landscape ? QSize(320, 240) : QSize(240, 320);
    job.Splash->SetScreenSize(splashSize);
    files.push_back(Stretched(job.Splash->Picture(), splashSize, dir.filePath("logo.bin")));
    files.push_back(TOutputFile::Raw(dir.filePath("lcdconfig"), QByteArray(1, char(quint8(list.Count())))));

    for (int i = 0; i < list.Count(); ++i) {
        const QString folder = dir.filePath(QString::asprintf("%.02d", i));
        plan.ScreenStart.push_back(files.size());
        plan.ScreenFolder.append(folder);
        TOutputFiles screen = ScreenFiles(*list.Items(i), folder);
        // Each screen's listing replaces the one before, so only the last screen's need be written.
        if (i + 1 < list.Count())
            std::erase_if(screen, [](const TOutputFile& f) { return f.Optional; });
        std::move(screen.begin(), screen.end(), std::back_inserter(files));
    }

    if (job.Splash->ClockShown()) {
        files.push_back(TOutputFile::Raw(dir.filePath("tm.bin"), ClockSettingsRecord(*job.Splash)));
        // The digit files are the firmware's, copied as they are; a missing one is left out.
        const QDir res(job.ResFolder);
        for (const QString& name : DigitFileNames())
            files.push_back(TOutputFile::CopyOf(res.filePath(name), dir.filePath(name)));
    }

    list.SetShowGrid(restore.shown);

    TOutputFiles animation = job.Animation->AnimationFiles(out, *job.Splash);
    std::move(animation.begin(), animation.end(), std::back_inserter(files));

    TLCD& pf = *job.PowerFail;
    if (pf.Count() > 0) {
        TElement& dro = *pf.Item(0);
        if (dro.Kind == ekDRO)
            dro.SetText(DroText(dro.Format, dro.Value));
        files.push_back(TOutputFile::Raw(dir.filePath("pwr.bin"), PowerFailRecord(dro)));
    }
    files.push_back(Stretched(pf.Background.isNull() ? BuiltInPowerFailPicture() : pf.Background, splashSize,
                              dir.filePath("pwrfail.bin")));
    return plan;
}

void WriteGeneratePlan(const TGeneratePlan& plan, const std::function<void(int index, int count)>& onScreen)
{
    const QString& out = plan.OutputFolder;
    try {
        QDir().mkdir(out);
        // Whatever an earlier Generate, or anybody else, left in the folder goes once the new set is in
        // place; a file of the new set that already holds its bytes simply stays.
        const QStringList before = FolderFiles(out);
        TFileSet set;
        size_t next = 0;
        for (size_t i = 0; i < plan.Files.size(); ++i) {
            if (next < plan.ScreenStart.size() && i == plan.ScreenStart[next]) {
                if (onScreen)
                    onScreen(int(next), plan.ScreenCount);
                QDir().mkdir(plan.ScreenFolder[int(next)]);
                ++next;
            }
            AddOutputFile(set, plan.Files[i]);
        }
        for (const QString& file : before)
            set.Remove(file);
        set.Commit();
    } catch (const TError& e) {
        throw TError(e.Message() + QLatin1Char(' ') +
                     QCoreApplication::translate("output", "The file set in \"%1\" is incomplete.")
                         .arg(QDir::toNativeSeparators(out)));
    }
}

QString Generate(const TGenerateJob& job)
{
    const TGeneratePlan plan = PlanGenerate(job);
    WriteGeneratePlan(plan, job.OnScreen);
    return plan.OutputFolder;
}
