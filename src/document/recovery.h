#pragma once

// Recovery copies: while a project has unsaved changes the designer keeps a copy of it in its data
// folder, so that a crash, a power cut or a killed session loses at most a few seconds of work.
//
// Each running designer is one session with a lock file of its own in the folder (held while it
// runs; the system frees it when the process dies), and its copy carries the session in its name:
// "<project>.<session>.recovery". At start-up only copies whose session's lock can be taken, that is
// copies of designers no longer running, are offered, so two designers running at once never take
// each other's copies.

#include "project/lcdfile.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

class TProject;

// When a copy is due. Times are milliseconds on any one clock the caller keeps.
struct TAutosaveRule
{
    // The settings key "Autosave" in "Settings": at most one copy every so many seconds; 0 turns
    // copies off.
    int IntervalSeconds = 30;
    // A copy waits until the changes have paused this long...
    static constexpr qint64 QuietMs = 3000;

    // ...or, while the user goes on changing, until the first unsaved change is IntervalSeconds old;
    // and never comes sooner than IntervalSeconds after the last copy. Returns the time the next copy
    // is due given the first and the last change not yet in a copy and the time of the last copy
    // (-1: none yet); -1 when none is due (copies are off, or nothing changed since the last copy:
    // firstChange < 0).
    qint64 Due(qint64 firstChange, qint64 lastChange, qint64 lastWrite) const;
};

struct TRecoveryCopy
{
    QString File;        // the copy
    QString ProjectFile; // the project file it is a copy of; empty for a project never saved
    TProjectForm Form = TProjectForm::Binary;
    QDateTime Written; // when the copy was written
};

class TRecovery
{
  public:
    // Starts a session in `folder` (made when missing): takes the session's lock. TError when the
    // folder cannot be made or the lock cannot be taken.
    explicit TRecovery(const QString& folder = DefaultFolder());
    // Ends the session: the lock is released, the session's copy stays (a copy is removed only by
    // Remove, after a save or a close without saving).
    ~TRecovery();
    TRecovery(const TRecovery&) = delete;
    TRecovery& operator=(const TRecovery&) = delete;

    // ~/.local/share/tarvolt-designer/recovery.
    static QString DefaultFolder();

    const QString& Folder() const { return folder_; }
    const QString& Session() const { return session_; }

    // Writes the session's copy of `project` atomically, in place of its earlier copy (of this or
    // another project). TError when it cannot be written; the earlier copy then stays.
    void Write(const TProject& project);
    void Write(const QByteArray& lcd, const QString& projectFile, TProjectForm form);
    // The session's copy; empty when it has none.
    const QString& CopyFile() const { return copy_; }
    // Removes the session's copy.
    void Remove();

    // Copies left by designers that are no longer running and newer than their project file (or
    // whose project file is gone, or that were never saved), oldest first. Such copies that are not
    // newer than their project are removed: the project file holds later work.
    QList<TRecoveryCopy> Orphans();
    // The project bytes a copy holds; TError when it is damaged.
    static QByteArray ReadCopy(const TRecoveryCopy& copy);
    // Removes an orphan copy (after it was restored or discarded) and its session's lock file.
    void Discard(const TRecoveryCopy& copy);

  private:
    QString folder_;
    QString session_;
    std::unique_ptr<QLockFile> lock_;
    QString copy_;
};

// Keeps the session's copy of an open project: a look every second (a change is seen in the bytes
// the project would save to, so no editing command needs to report it), a copy when the rule says
// one is due, and no copy once the project is unmodified (saved, or another one opened). A copy that
// cannot be written is tried again at the next look.
class TAutosave : public QObject
{
    Q_OBJECT

  public:
    TAutosave(TProject& project, std::unique_ptr<TRecovery> recovery, int intervalSeconds,
              QObject* parent = nullptr);
    ~TAutosave() override;

    TRecovery& Recovery() { return *recovery_; }
    // Starts the looks on a timer (a test calls Look itself, with its own clock).
    void Start();
    // One look at time `nowMs` (milliseconds on the caller's clock); true when a copy was written.
    bool Look(qint64 nowMs);
    // The user closed the project without saving (or after saving): its copy goes.
    void Closed();

  private:
    void Reset();

    TProject& project_;
    std::unique_ptr<TRecovery> recovery_;
    TAutosaveRule rule_;
    QTimer timer_;
    QElapsedTimer clock_;
    QByteArray seen_;   // the project's bytes at the last look
    QByteArray copied_; // the bytes of the last copy
    qint64 firstChange_ = -1, lastChange_ = -1, lastWrite_ = -1;
};
