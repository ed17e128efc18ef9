#include "download.h"

#include "base/codepage.h"
#include "base/terror.h"
#include "device/panellink.h"
#include "device/panelprotocol.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <algorithm>
#include <climits>

namespace {

constexpr int kRussian = 1049;

void ProcessEvents()
{
    QCoreApplication::processEvents();
}

bool EndsWithSeparator(const QString& path)
{
#ifdef Q_OS_WIN
    return path.endsWith(QLatin1Char('\\')) || path.endsWith(QLatin1Char('/'));
#else
    return path.endsWith(QLatin1Char('/'));
#endif
}

} // namespace

TDownload::TDownload(TPanelLink* link, QObject* parent) : QObject(parent), link_(link) {}

QString TDownload::RelativeName(const QString& folder, const QString& path)
{
    const QString d = QDir::fromNativeSeparators(folder);
    const QString f = QDir::fromNativeSeparators(path);
    const qsizetype at = f.indexOf(d);
    return at < 0 ? f : f.mid(at + d.size());
}

QByteArray TDownload::PanelName(const QString& relativeName, int maxBytes, QString* why)
{
#ifndef Q_OS_WIN
    // Here a backslash is an ordinary character of a name; on the panel it would split the name.
    if (relativeName.contains(QLatin1Char('\\'))) {
        *why = tr("the name holds a backslash, which the panel takes as a folder separator");
        return {};
    }
#endif
    QString name = relativeName;
    name.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const QByteArray bytes = ToCodePage(name);
    if (bytes.isEmpty() || bytes.contains('\0')) {
        *why = tr("the name is empty or holds a zero character");
        return {};
    }
    if (FromCodePage(bytes) != name) {
        *why = tr("the name has characters that the panel's code page (Windows-1251) lacks");
        return {};
    }
    if (bytes.size() > maxBytes) {
        *why = tr("the name takes %1 bytes, a report holds at most %2").arg(bytes.size()).arg(maxBytes);
        return {};
    }
    return bytes;
}

void TDownload::Fail(const QString& text, bool warn)
{
    lastError_ = text;
    stopped_ = true;
    if (warn)
        emit Warning(text);
    else
        emit LogLine(text, true);
}

bool TDownload::Exchange(bool awaitReply)
{
    QString error;
    if (!link_->SendCommand(link_->ReportBuffer(), &error)) {
        // The panel did not get the report, so no answer will come: the command ends here.
        Fail(error, true);
        return false;
    }
    if (!awaitReply)
        return true;
    switch (link_->AwaitReply()) {
    case TPanelLink::TReply::Answered:
        return true;
    case TPanelLink::TReply::TimedOut:
        Fail(linktext::NoAnswer(), false);
        return false;
    case TPanelLink::TReply::Removed:
        Fail(linktext::NoAnswerRemoved(), false);
        return false;
    }
    return false;
}

bool TDownload::SendName(quint8 code, const QByteArray& name)
{
    link_->ClearReportBuffer();
    QByteArray& buf = link_->ReportBuffer();
    buf[0] = panel::kReportId;
    buf[1] = char(code);
    // PanelName has kept the name within the report, its terminating zero included.
    std::copy(name.begin(), name.end(), buf.begin() + panel::kNameOffset);
    return Exchange(true);
}

bool TDownload::Start()
{
    QString why;
    if (!link_->BeginCommand(&why)) {
        lastError_ = why;
        emit LogLine(why, true);
        return false;
    }
    lastError_.clear();
    problems_ = 0;
    stopped_ = false;
    running_ = true;
    cancelRequested_ = false;
    cancelled_ = false;
    touched_.clear();
    fullWrite_ = false;
    panel_.reset();
    if (const THIDDevice* d = link_->CurrentDevice())
        panel_ = d->Info();
    return true;
}

void TDownload::Cancel()
{
    if (running_)
        cancelRequested_ = true;
}

bool TDownload::Begin()
{
    emit ProgressVisible(true);
    ProcessEvents();
    link_->ClearReportBuffer();
    QByteArray& buf = link_->ReportBuffer();
    buf[0] = panel::kReportId;
    buf[1] = char(panel::cmdBeginTransfer);
    clock_.start();
    return Exchange(true);
}

void TDownload::End()
{
    QByteArray& buf = link_->ReportBuffer();
    buf[0] = panel::kReportId;
    buf[1] = char(panel::cmdEndTransfer);
    if (!Exchange(true))
        return;
    buf[1] = char(panel::cmdFinish);
    Exchange(false);
}

void TDownload::Finish(TOutcome* outcome)
{
    if (stopped_) {
        *outcome = TOutcome::Failed;
        emit ProgressVisible(false);
    } else if (cancelled_) {
        *outcome = TOutcome::Cancelled;
    }
    UpdateRecord(*outcome);
    running_ = false;
    cancelRequested_ = false;
    link_->EndCommand();
}

TDownload::TOutcome TDownload::WriteAll(const QString& folder)
{
    return WriteFolder(folder, false);
}

TDownload::TOutcome TDownload::WriteChanged(const QString& folder)
{
    return WriteFolder(folder, true);
}

TDownload::TOutcome TDownload::WriteFolder(const QString& folder, bool changedOnly)
{
    if (folder.isEmpty()) {
        lastError_ = languageId_ == kRussian
                         ? QStringLiteral("Выберите папку с загружаемыми файлами")
                         : QStringLiteral("Please select a directory with downloading files");
        emit Warning(lastError_);
        return TOutcome::Refused;
    }
    if (!Start())
        return TOutcome::Refused;
    folder_ = folder;
    TOutcome outcome = TOutcome::Done;
    std::vector<TStep> steps;
    QString p = folder;
    if (!p.isEmpty() && EndsWithSeparator(p))
        p.chop(1);
    Collect(p, steps);
    int unchanged = 0;
    fullWrite_ = !changedOnly || !KeepChanged(steps, &unchanged);
    if (Begin() && Run(steps)) {
        emit ProgressVisible(false);
        ProcessEvents();
        emit LogLine(tr("Done"), true);
        End();
        if (!fullWrite_)
            emit LogLine(tr("%1 file(s) unchanged and skipped").arg(unchanged), true);
    }
    Finish(&outcome);
    return outcome;
}

QString TDownload::RecordKey(const QString& path) const
{
    const QString key = QDir(folder_).relativeFilePath(path);
    if (key.isEmpty() || key.startsWith(QLatin1String("../")) || key == QLatin1String("..") ||
        QDir::isAbsolutePath(key))
        return {};
    return key;
}

bool TDownload::KeepChanged(std::vector<TStep>& steps, int* unchanged)
{
    if (!panel_)
        return false;
    TSentRecord record;
    QString why;
    const QString file = TSentRecord::FileFor(recordFolder_, folder_, *panel_);
    switch (record.Load(file, folder_, *panel_, &why)) {
    case TSentRecord::TLoad::Missing:
        emit LogLine(tr("No record of an earlier download of this folder to this panel: writing every file"),
                     true);
        return false;
    case TSentRecord::TLoad::Damaged:
        emit LogLine(tr("Warning: the record of earlier downloads \"%1\" is not usable (%2): writing every "
                        "file")
                         .arg(QDir::toNativeSeparators(file), why),
                     true);
        return false;
    case TSentRecord::TLoad::Loaded:
        break;
    }

    QSet<QString> present;
    std::vector<TStep> kept;
    for (const TStep& step : steps) {
        if (step.Kind != TStep::TKind::File) {
            kept.push_back(step);
            continue;
        }
        const QString key = RecordKey(step.Path);
        present.insert(key);
        TSentFile now;
        // Only a file whose size and SHA-256 both equal what was sent whole is left out.
        const auto it = record.Files.constFind(key);
        if (!key.isEmpty() && it != record.Files.cend() && HashFile(step.Path, &now) && now == *it) {
            ++*unchanged;
            continue;
        }
        kept.push_back(step);
    }
    // A folder is made when a file of it is sent, or when the record knows nothing below it (new).
    std::vector<TStep> result;
    for (size_t i = 0; i < kept.size(); ++i) {
        const TStep& step = kept[i];
        if (step.Kind == TStep::TKind::Folder) {
            const QString below = step.Path + QLatin1Char('/');
            const QString keyBelow = RecordKey(step.Path) + QLatin1Char('/');
            bool needed = std::any_of(kept.begin() + qsizetype(i) + 1, kept.end(), [&](const TStep& s) {
                return s.Kind == TStep::TKind::File && s.Path.startsWith(below);
            });
            needed = needed || std::none_of(record.Files.keyBegin(), record.Files.keyEnd(),
                                            [&](const QString& k) { return k.startsWith(keyBelow); });
            if (!needed)
                continue;
        }
        result.push_back(step);
    }
    steps = std::move(result);
    for (auto it = record.Files.cbegin(); it != record.Files.cend(); ++it) {
        if (present.contains(it.key()))
            continue;
        // Named as the panel knows it, like the log's "Save file: " lines.
        QString shown = QLatin1Char('/') + it.key();
        shown.replace(QLatin1Char('/'), QLatin1Char('\\'));
        emit LogLine(tr("Not on the PC any more, still on the card: %1").arg(shown), true);
    }
    return true;
}

void TDownload::UpdateRecord(TOutcome outcome)
{
    const bool clean = outcome == TOutcome::Done && problems_ == 0;
    if (!panel_ || folder_.isEmpty() || (touched_.isEmpty() && !(clean && fullWrite_)))
        return;
    const QString file = TSentRecord::FileFor(recordFolder_, folder_, *panel_);
    TSentRecord record;
    QString why;
    // A damaged record is replaced by what this command knows; a missing one is begun.
    record.Load(file, folder_, *panel_, &why);
    for (auto it = touched_.cbegin(); it != touched_.cend(); ++it) {
        if (*it)
            record.Files.insert(it.key(), **it);
        else
            record.Files.remove(it.key());
    }
    const QDateTime now = QDateTime::currentDateTimeUtc();
    record.Written = now;
    if (clean && fullWrite_)
        record.WrittenInFull = now;
    try {
        record.Save(file, folder_, *panel_);
    } catch (const TError& e) {
        emit LogLine(tr("The record of what was sent could not be written: %1").arg(e.Message()), true);
    }
}

QDateTime TDownload::WrittenInFull(const QString& folder) const
{
    const THIDDevice* d = link_->CurrentDevice();
    if (!d || folder.isEmpty())
        return {};
    TSentRecord record;
    QString why;
    const QString file = TSentRecord::FileFor(recordFolder_, folder, d->Info());
    return record.Load(file, folder, d->Info(), &why) == TSentRecord::TLoad::Loaded ? record.WrittenInFull
                                                                                    : QDateTime();
}

TDownload::TOutcome TDownload::WriteSelected(const QString& folder, const QStringList& files)
{
    if (!Start())
        return TOutcome::Refused;
    folder_ = folder;
    TOutcome outcome = TOutcome::Done;
    std::vector<TStep> steps;
    for (const QString& file : files)
        steps.push_back(FileStep(file));
    if (Begin() && Run(steps)) {
        emit LogLine(tr("Done"), true);
        End();
        emit ProgressVisible(false);
    }
    Finish(&outcome);
    return outcome;
}

TDownload::TStep TDownload::FileStep(const QString& path) const
{
    const QFileInfo info(path);
    return {TStep::TKind::File, path, {}, {}, info.isFile() ? info.size() : 0};
}

void TDownload::Collect(const QString& p, std::vector<TStep>& steps)
{
    // Sorted by name so that a download always runs in the same order; the panel does not care.
    const QFileInfoList entries =
        QDir(p.isEmpty() ? QStringLiteral("/") : p)
            .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString path = p + QLatin1Char('/') + entry.fileName();
        if (!entry.isDir()) {
            steps.push_back(FileStep(path));
            continue;
        }
        if (entry.isSymLink()) {
            // A link may lead back up the tree; its folder is not walked.
            steps.push_back(
                {TStep::TKind::Skip, {}, {}, tr("Skipped folder link: %1").arg(entry.fileName())});
            continue;
        }
        QString why;
        const QByteArray name =
            PanelName(entry.fileName(), panel::MaxNameLength(link_->OutputLength()), &why);
        if (name.isEmpty()) {
            steps.push_back(
                {TStep::TKind::Skip, {}, {}, tr("Skipped folder \"%1\": %2").arg(entry.fileName(), why)});
            continue;
        }
        steps.push_back({TStep::TKind::Folder, path, name, entry.fileName()});
        Collect(path, steps);
    }
}

bool TDownload::Run(const std::vector<TStep>& steps)
{
    progress_ = {};
    for (const TStep& step : steps) {
        if (step.Kind == TStep::TKind::File) {
            progress_.Total += step.Size;
            ++progress_.FilesTotal;
        }
    }
    for (const TStep& step : steps) {
        if (cancelRequested_) {
            // Between two files: what the card holds is whole. The transfer is ended properly.
            cancelled_ = true;
            emit ProgressVisible(false);
            emit LogLine(tr("Cancelled"), true);
            End();
            return false;
        }
        switch (step.Kind) {
        case TStep::TKind::Skip:
            ++problems_;
            emit LogLine(step.Text, true);
            break;
        case TStep::TKind::Folder:
            emit LogLine(tr("Create dir: ") + step.Text, true);
            if (!SendName(panel::cmdMakeDir, step.Name))
                return false;
            break;
        case TStep::TKind::File:
            if (!SendFile(step))
                return false;
            break;
        }
    }
    return !stopped_;
}

void TDownload::Report(bool fileFinished)
{
    const double seconds = double(clock_.nsecsElapsed()) * 1e-9;
    // A rate needs a little time and some bytes behind it to mean anything.
    if (seconds >= 0.5 && progress_.Done > 0) {
        progress_.BytesPerSecond = double(progress_.Done) / seconds;
        progress_.SecondsLeft = qint64((progress_.Total - progress_.Done) / progress_.BytesPerSecond + 0.5);
    }
    progress_.FileFinished = fileFinished;
    emit Progress(progress_);
}

bool TDownload::SendFile(const TStep& step)
{
    const QString& path = step.Path;
    const QString relative = RelativeName(folder_, path);
    QString why;
    const QByteArray name = PanelName(relative, panel::MaxNameLength(link_->OutputLength()), &why);
    QString shown = relative;
    shown.replace(QLatin1Char('/'), QLatin1Char('\\'));
    progress_.File = shown;
    if (name.isEmpty()) {
        ++problems_;
        emit LogLine(tr("Skipped file \"%1\": %2").arg(shown, why), true);
        progress_.Total -= step.Size;
        --progress_.FilesTotal;
        return true;
    }
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        // Pipes, sockets and device nodes could block a read for ever or never end.
        ++problems_;
        emit LogLine(tr("Skipped file \"%1\": not a regular file").arg(shown), true);
        --progress_.FilesTotal;
        return true;
    }
    // The file is opened before the panel is told to open its copy, so that a file that cannot be read
    // leaves the panel's copy as it was and the transfer can still be ended properly.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString text =
            tr("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), file.errorString());
        End();
        Fail(text, true);
        return false;
    }
    emit LogLine(tr("Save file: ") + shown, true);
    // From here the panel's copy is being replaced: until it is closed whole, the record must not
    // count it as sent.
    const QString key = RecordKey(path);
    if (!key.isEmpty())
        touched_.insert(key, std::nullopt);
    if (!SendName(panel::cmdOpenFile, name))
        return false;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const int problemsBefore = problems_;

    const qint64 size = file.size();
    // The set's total counted the size seen when the folder was listed; the file may have changed.
    progress_.Total += size - step.Size;
    const qint64 full = size / panel::kDataChunk;
    const int rest = int(size - full * panel::kDataChunk);
    emit ProgressRange(int(std::min<qint64>(full, INT_MAX)));
    Report(false);
    for (qint64 i = 0; i < full; ++i) {
        if (!SendData(file, panel::kDataChunk, hash))
            return false;
        emit ProgressStep();
        ProcessEvents();
    }
    if (rest > 0 && !SendData(file, rest, hash))
        return false;
    ProcessEvents();
    file.close();
    QByteArray& buf = link_->ReportBuffer();
    buf[0] = panel::kReportId;
    buf[1] = char(panel::cmdCloseFile);
    if (!Exchange(true))
        return false;
    // The record keeps what was sent, read by the same reads: a file changed since the folder was
    // looked at is recorded as it went.
    if (!key.isEmpty() && problems_ == problemsBefore)
        touched_.insert(key, TSentFile{size, hash.result()});
    ++progress_.FilesDone;
    Report(true);
    return true;
}

bool TDownload::SendData(QFile& file, int count, QCryptographicHash& hash)
{
    QByteArray& buf = link_->ReportBuffer();
    buf[0] = panel::kReportId;
    buf[1] = char(panel::cmdFileData);
    buf[2] = char(count);
    if (file.read(buf.data() + 3, count) != count) {
        // The file changed or failed under us: close the panel's copy and end the transfer.
        const QString text = tr("Cannot read file \"%1\". %2")
                                 .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
        buf[1] = char(panel::cmdCloseFile);
        if (Exchange(true))
            End();
        Fail(text, true);
        return false;
    }
    hash.addData(QByteArrayView(buf.constData() + 3, count));
    if (!Exchange(true))
        return false;
    if (link_->ReplyStatus() == 0) {
        ++problems_;
        emit LogLine(tr("write error"), false);
    }
    progress_.Done += count;
    Report(false);
    return true;
}

QString DownloadProgressText(const TDownloadProgress& p)
{
    const QLocale locale;
    const auto size = [&locale](qint64 bytes) {
        return locale.formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
    };
    QString text =
        QCoreApplication::translate("TDownload", "%1: %2 of %3").arg(p.File, size(p.Done), size(p.Total));
    if (p.BytesPerSecond > 0) {
        const qint64 s = std::max<qint64>(p.SecondsLeft, 0);
        const QString left = s >= 3600
                                 ? QString::asprintf("%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60)
                                 : QString::asprintf("%lld:%02lld", s / 60, s % 60);
        text += QCoreApplication::translate("TDownload", ", %1/s, %2 left")
                    .arg(size(qint64(p.BytesPerSecond)), left);
    }
    return text;
}
