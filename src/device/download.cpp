#include "download.h"

#include "base/codepage.h"
#include "device/panellink.h"
#include "device/panelprotocol.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
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
    running_ = false;
    cancelRequested_ = false;
    link_->EndCommand();
}

TDownload::TOutcome TDownload::WriteAll(const QString& folder)
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
    if (Begin() && Run(steps)) {
        emit ProgressVisible(false);
        ProcessEvents();
        emit LogLine(tr("Done"), true);
        End();
    }
    Finish(&outcome);
    return outcome;
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
    if (!SendName(panel::cmdOpenFile, name))
        return false;

    const qint64 size = file.size();
    // The set's total counted the size seen when the folder was listed; the file may have changed.
    progress_.Total += size - step.Size;
    const qint64 full = size / panel::kDataChunk;
    const int rest = int(size - full * panel::kDataChunk);
    emit ProgressRange(int(std::min<qint64>(full, INT_MAX)));
    Report(false);
    for (qint64 i = 0; i < full; ++i) {
        if (!SendData(file, panel::kDataChunk))
            return false;
        emit ProgressStep();
        ProcessEvents();
    }
    if (rest > 0 && !SendData(file, rest))
        return false;
    ProcessEvents();
    file.close();
    QByteArray& buf = link_->ReportBuffer();
    buf[0] = panel::kReportId;
    buf[1] = char(panel::cmdCloseFile);
    if (!Exchange(true))
        return false;
    ++progress_.FilesDone;
    Report(true);
    return true;
}

bool TDownload::SendData(QFile& file, int count)
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
