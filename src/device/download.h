#pragma once

// File download: writes a folder of files to the panel over the link, byte for byte. "Write all" sends
// the whole tree of the download folder, "Write selected" the given files. Paths are host paths; the
// names the panel is given (backslash separators, the one-byte code page) are made here.

#include "device/hiddevice.h"
#include "device/sentrecord.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <optional>
#include <vector>

class QFile;
class TPanelLink;

// Where a write command is: the whole set's bytes, the file being sent, the measured rate.
struct TDownloadProgress
{
    qint64 Done = 0;  // bytes of the set's files sent so far
    qint64 Total = 0; // bytes of all files the command sends
    QString File;     // the file being sent, as the log names it
    int FilesDone = 0;
    int FilesTotal = 0;
    double BytesPerSecond = 0; // 0 until there is something to measure
    qint64 SecondsLeft = -1;   // -1 while unknown
    bool FileFinished = false; // this is the last word on File: it is closed on the panel
};

// "\00\01bkg.bin: 1.2 MB of 4.4 MB, 25.3 kB/s, 2:05 left" (rate and time once measured).
QString DownloadProgressText(const TDownloadProgress& progress);

class TDownload : public QObject
{
    Q_OBJECT
  public:
    enum class TOutcome {
        Done,      // every step ran and "Done" was logged (Problems() may still count refused files)
        Refused,   // nothing was sent: no folder, no device, or another command runs
        Failed,    // the command ended early; LastError() says why
        Cancelled, // Cancel: the files before it were sent whole, the transfer was ended properly
    };

    explicit TDownload(TPanelLink* link, QObject* parent = nullptr);

    // Language of the texts worded here: 1049 gives Russian, anything else English.
    void SetLanguageId(int id) { languageId_ = id; }

    TOutcome WriteAll(const QString& folder);
    // files: full host paths in the order they are to be sent; folder only forms the relative names.
    TOutcome WriteSelected(const QString& folder, const QStringList& files);
    // "Write all" of only the files whose bytes differ from what the record of this folder and this
    // panel says was sent (new files included), with the folders they need. Without a usable record
    // (none yet, or a damaged one) it writes every file and says so in the log. Files the record names
    // that the folder no longer holds are named in the log; the panel cannot delete them.
    TOutcome WriteChanged(const QString& folder);

    // Every write command updates the record of its folder and panel (see TSentRecord): a file sent
    // whole gets its entry, a file that did not reach the panel whole loses it, so that the next
    // "Write changed" sends it again. By default in TSentRecord::DefaultFolder().
    void SetRecordFolder(const QString& folder) { recordFolder_ = folder; }
    QString RecordFolder() const { return recordFolder_; }
    // When `folder` was last written whole by "Write all" to the current panel; null when never (or
    // without a panel).
    QDateTime WrittenInFull(const QString& folder) const;

    // Asks the running command to stop: the file being sent is finished (so the card never holds half
    // a file), then the panel is sent the end and finish commands and "Cancelled" is logged. Nothing
    // happens when no command runs.
    void Cancel();
    bool Running() const { return running_; }

    QString LastError() const { return lastError_; }
    // Files of the last command that did not reach the panel whole: refused names and data reports
    // answered with status 0.
    int Problems() const { return problems_; }

    // Relative name of a file: the rest of path after the first occurrence of folder, or path itself
    // when folder does not occur in it. Both are host paths; the result uses '/'.
    static QString RelativeName(const QString& folder, const QString& path);
    // The panel's form of a relative name: backslash separators, the one-byte code page. Returns an
    // empty array and sets *why when the name cannot be sent as it stands.
    static QByteArray PanelName(const QString& relativeName, int maxBytes, QString* why);

  signals:
    // A line for the log; select: the list selects its last line afterwards.
    void LogLine(const QString& line, bool select);
    // A failure the window shows in a message box with its own text.
    void Warning(const QString& text);
    void ProgressVisible(bool visible);
    // The file being sent: its full data reports (the range also sets the position to 0).
    void ProgressRange(int maximum);
    void ProgressStep();
    // The whole command, after every data report and once when each file is closed.
    void Progress(const TDownloadProgress& progress);

  private:
    // One thing the command does, in order: a folder made on the panel, a file sent, or an entry
    // that is left out with a line in the log.
    struct TStep
    {
        enum class TKind { Folder, File, Skip } Kind;
        QString Path;    // File: its full host path
        QByteArray Name; // Folder: its name as the panel is given it
        QString Text;    // Folder: its own name; Skip: the log line
        qint64 Size = 0; // File
    };

    bool Start();
    bool Begin();
    bool Exchange(bool awaitReply);
    bool SendName(quint8 code, const QByteArray& name);
    void End();
    void Collect(const QString& folder, std::vector<TStep>& steps);
    TStep FileStep(const QString& path) const;
    // Runs the steps; false when the command ended early (failed or cancelled).
    bool Run(const std::vector<TStep>& steps);
    bool SendFile(const TStep& step);
    bool SendData(QFile& file, int count, QCryptographicHash& hash);
    TOutcome WriteFolder(const QString& folder, bool changedOnly);
    // Leaves out the files the record says the panel holds as they are; false when there is no usable
    // record. Logs what the record names that the folder no longer holds.
    bool KeepChanged(std::vector<TStep>& steps, int* unchanged);
    // The record's key of a file: its path below the download folder, '/' separated; empty outside it.
    QString RecordKey(const QString& path) const;
    void UpdateRecord(TOutcome outcome);
    void Report(bool fileFinished);
    void Fail(const QString& text, bool warn);
    void Finish(TOutcome* outcome);

    TPanelLink* link_;
    int languageId_ = 0;
    QString folder_;
    QString lastError_;
    int problems_ = 0;
    bool stopped_ = false;
    bool running_ = false;
    bool cancelRequested_ = false;
    bool cancelled_ = false;
    TDownloadProgress progress_;
    QElapsedTimer clock_;
    QString recordFolder_ = TSentRecord::DefaultFolder();
    std::optional<THIDDeviceInfo> panel_;             // the panel the running command writes to
    QMap<QString, std::optional<TSentFile>> touched_; // files it sent: whole, or not
    bool fullWrite_ = false;                          // it sends every file of the folder
};
