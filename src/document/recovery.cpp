#include "document/recovery.h"

#include "base/atomicfile.h"
#include "base/regularfile.h"
#include "base/terror.h"
#include "document/tproject.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <optional>

namespace {

constexpr char Signature[] = "TARVOLT-RECOVERY 1";
constexpr char Suffix[] = ".recovery";

QString Tr(const char* text)
{
    return QCoreApplication::translate("recovery", text);
}

QString LockFileOf(const QString& folder, const QString& session)
{
    return QDir(folder).filePath(session + QStringLiteral(".lock"));
}

// "<project>.<session>.recovery": the session is what lies between the last two dots.
QString SessionOf(const QString& copyName)
{
    const QString stem = copyName.chopped(qsizetype(sizeof Suffix - 1));
    const qsizetype dot = stem.lastIndexOf(u'.');
    return dot < 0 ? QString() : stem.mid(dot + 1);
}

struct THeader
{
    TProjectForm Form;
    QString ProjectFile;
    qsizetype BodyAt;
};

// The three header lines: the signature, the form, the project file's path (percent-encoded, so
// that any path fits on a line).
std::optional<THeader> ReadHeader(const QByteArray& bytes)
{
    const qsizetype a = bytes.indexOf('\n');
    const qsizetype b = a < 0 ? -1 : bytes.indexOf('\n', a + 1);
    const qsizetype c = b < 0 ? -1 : bytes.indexOf('\n', b + 1);
    if (c < 0 || bytes.left(a) != Signature)
        return std::nullopt;
    const QByteArray form = bytes.mid(a + 1, b - a - 1);
    if (form != "lcd" && form != "json")
        return std::nullopt;
    return THeader{form == "json" ? TProjectForm::Json : TProjectForm::Binary,
                   QUrl::fromPercentEncoding(bytes.mid(b + 1, c - b - 1)), c + 1};
}

// A little more than the largest project file.
constexpr qint64 MaxCopySize = qint64(1) << 28;

} // namespace

qint64 TAutosaveRule::Due(qint64 firstChange, qint64 lastChange, qint64 lastWrite) const
{
    if (IntervalSeconds <= 0 || firstChange < 0)
        return -1;
    const qint64 interval = qint64(IntervalSeconds) * 1000;
    const qint64 settled = std::min(lastChange + QuietMs, firstChange + interval);
    return lastWrite < 0 ? settled : std::max(settled, lastWrite + interval);
}

TRecovery::TRecovery(const QString& folder) : folder_(QDir(folder).absolutePath())
{
    if (!QDir().mkpath(folder_))
        throw TError(
            Tr("Cannot make the folder \"%1\" for recovery copies.").arg(QDir::toNativeSeparators(folder_)));
    for (int attempt = 0; attempt < 8 && !lock_; ++attempt) {
        session_ = QStringLiteral("%1-%2")
                       .arg(QCoreApplication::applicationPid())
                       .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        auto lock = std::make_unique<QLockFile>(LockFileOf(folder_, session_));
        // The lock is held for the whole run: only a dead owner makes it stale, never its age.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0))
            lock_ = std::move(lock);
    }
    if (!lock_)
        throw TError(Tr("Cannot lock a session in the folder \"%1\" for recovery copies.")
                         .arg(QDir::toNativeSeparators(folder_)));
}

TRecovery::~TRecovery() = default;

QString TRecovery::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/tarvolt-designer/recovery");
}

void TRecovery::Write(const TProject& project)
{
    Write(ProjectBytes(project.Screens(), project.PowerFail(), project.GatherSplash()), project.FileName(),
          project.Form());
}

void TRecovery::Write(const QByteArray& lcd, const QString& projectFile, TProjectForm form)
{
    const QString path = projectFile.isEmpty() ? QString() : QFileInfo(projectFile).absoluteFilePath();
    const QString base = path.isEmpty() ? QStringLiteral("untitled") : QFileInfo(path).completeBaseName();
    const QString name = QDir(folder_).filePath(base + u'.' + session_ + QLatin1String(Suffix));
    QByteArray bytes = QByteArray(Signature) + '\n' + (form == TProjectForm::Json ? "json" : "lcd") + '\n' +
                       QUrl::toPercentEncoding(path, "/") + '\n';
    bytes += lcd;
    WriteFileAtomic(name, bytes);
    if (!copy_.isEmpty() && copy_ != name)
        QFile::remove(copy_);
    copy_ = name;
}

void TRecovery::Remove()
{
    if (copy_.isEmpty())
        return;
    QFile::remove(copy_);
    copy_.clear();
}

QList<TRecoveryCopy> TRecovery::Orphans()
{
    QList<TRecoveryCopy> found;
    const QDir dir(folder_);
    const QFileInfoList files =
        dir.entryInfoList({QStringLiteral("*") + QLatin1String(Suffix)}, QDir::Files, QDir::Name);
    for (const QFileInfo& info : files) {
        const QString session = SessionOf(info.fileName());
        if (session.isEmpty() || session == session_)
            continue;
        {
            // A lock that can be taken belongs to no running designer.
            QLockFile lock(LockFileOf(folder_, session));
            lock.setStaleLockTime(0);
            if (!lock.tryLock(0))
                continue;
        }
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const std::optional<THeader> header = ReadHeader(file.read(64 * 1024)); // room for any path, percent-encoded
        if (!header)
            continue; // not a copy this program can read: left alone
        TRecoveryCopy copy{info.filePath(), header->ProjectFile, header->Form, info.lastModified()};
        const QFileInfo project(copy.ProjectFile);
        if (!copy.ProjectFile.isEmpty() && project.exists() && project.lastModified() >= copy.Written) {
            QFile::remove(copy.File);
            continue;
        }
        found << copy;
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const TRecoveryCopy& a, const TRecoveryCopy& b) { return a.Written < b.Written; });
    return found;
}

QByteArray TRecovery::ReadCopy(const TRecoveryCopy& copy)
{
    const QByteArray bytes = ReadRegularFile(copy.File, MaxCopySize);
    const std::optional<THeader> header = ReadHeader(bytes);
    if (!header)
        throw TError(Tr("The recovery copy \"%1\" is damaged.").arg(QDir::toNativeSeparators(copy.File)));
    const QByteArray lcd = bytes.mid(header->BodyAt);
    CheckProjectBytes(lcd, QDir::toNativeSeparators(copy.File));
    return lcd;
}

void TRecovery::Discard(const TRecoveryCopy& copy)
{
    QFile::remove(copy.File);
    const QString session = SessionOf(QFileInfo(copy.File).fileName());
    if (session.isEmpty() || session == session_)
        return;
    // No other copy of that session is left (a session keeps one), so its stale lock can go too.
    QLockFile lock(LockFileOf(folder_, session));
    lock.setStaleLockTime(0);
    if (lock.tryLock(0))
        lock.unlock();
}

TAutosave::TAutosave(TProject& project, std::unique_ptr<TRecovery> recovery, int intervalSeconds,
                     QObject* parent)
    : QObject(parent), project_(project), recovery_(std::move(recovery)), rule_{intervalSeconds}
{
    connect(&project_, &TProject::ModifiedChanged, this, [this](bool modified) {
        if (!modified) {
            recovery_->Remove();
            Reset();
        }
    });
    connect(&timer_, &QTimer::timeout, this, [this] { Look(clock_.elapsed()); });
}

TAutosave::~TAutosave() = default;

void TAutosave::Start()
{
    if (rule_.IntervalSeconds <= 0)
        return;
    clock_.start();
    timer_.start(1000);
}

void TAutosave::Reset()
{
    seen_.clear();
    copied_.clear();
    firstChange_ = lastChange_ = -1;
}

bool TAutosave::Look(qint64 nowMs)
{
    if (rule_.IntervalSeconds <= 0 || !project_.Modified() || project_.Screens().Count() == 0)
        return false;
    QByteArray bytes;
    try {
        bytes = ProjectBytes(project_.Screens(), project_.PowerFail(), project_.GatherSplash());
    } catch (const TError&) {
        return false; // a project the file cannot hold; Save says why
    }
    if (bytes != seen_) {
        seen_ = bytes;
        if (firstChange_ < 0)
            firstChange_ = nowMs;
        lastChange_ = nowMs;
    }
    if (bytes == copied_)
        firstChange_ = lastChange_ = -1;
    const qint64 due = rule_.Due(firstChange_, lastChange_, lastWrite_);
    if (due < 0 || nowMs < due)
        return false;
    try {
        recovery_->Write(bytes, project_.FileName(), project_.Form());
    } catch (const TError&) {
        return false;
    }
    copied_ = bytes;
    lastWrite_ = nowMs;
    firstChange_ = lastChange_ = -1;
    return true;
}

void TAutosave::Closed()
{
    timer_.stop();
    recovery_->Remove();
    Reset();
}
