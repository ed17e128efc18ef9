#include "base/terror.h"
#include "commands.h"
#include "device/download.h"
#include "device/linksession.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>
#include <csignal>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnInterrupt(int)
{
    interrupted = 1;
}

// The download's progress on the terminal: one line, rewritten in place, with the log's lines printed
// above it. When the output is no terminal, a plain line for each file sent instead.
class TProgressLine
{
  public:
    TProgressLine() : terminal_(::isatty(STDOUT_FILENO) == 1) {}

    void Show(const TDownloadProgress& p)
    {
        if (!terminal_) {
            if (p.FileFinished) {
                Out() << DownloadProgressText(p) << '\n';
                Out().flush();
            }
            return;
        }
        // A terminal needs no more than a few pictures a second.
        if (!p.FileFinished && !shown_.isEmpty() && since_.elapsed() < 100)
            return;
        shown_ = DownloadProgressText(p);
        since_.start();
        Out() << '\r' << shown_ << "\x1b[K";
        Out().flush();
    }
    // A line of the log (or anything else) goes above the progress line.
    void Line(QTextStream& stream, const QString& line)
    {
        Clear();
        stream << line << '\n';
        stream.flush();
        if (!shown_.isEmpty()) {
            Out() << shown_ << "\x1b[K";
            Out().flush();
        }
    }
    void Finish()
    {
        if (terminal_ && !shown_.isEmpty()) {
            Out() << '\n';
            Out().flush();
        }
        shown_.clear();
    }

  private:
    void Clear()
    {
        if (terminal_ && !shown_.isEmpty()) {
            Out() << "\r\x1b[K";
            Out().flush();
        }
    }

    bool terminal_;
    QString shown_;
    QElapsedTimer since_;
};

// Ctrl+C asks the download to stop after the file being sent; a second one ends the program at once.
class TInterruptCancels
{
  public:
    TInterruptCancels(TDownload& download, TProgressLine& line)
    {
        interrupted = 0;
        struct sigaction action = {};
        action.sa_handler = OnInterrupt;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGINT, &action, &previous_);
        // The download waits for the panel in an event loop, which runs this.
        QObject::connect(&poll_, &QTimer::timeout, [&download, &line, this] {
            if (!interrupted || asked_)
                return;
            asked_ = true;
            download.Cancel();
            line.Line(Err(),
                      QStringLiteral("Cancelling after the file being sent (Ctrl+C again ends at once)"));
        });
        poll_.start(50);
    }
    ~TInterruptCancels() { ::sigaction(SIGINT, &previous_, nullptr); }

  private:
    struct sigaction previous_ = {};
    QTimer poll_;
    bool asked_ = false;
};

int RunDownload(const QStringList& arguments)
{
    QStringList args = arguments;
    const TLinkOptions options = TakeLinkOptions(args);
    const bool changedOnly = args.removeAll(QStringLiteral("--changed")) > 0;
    if (args.size() != 1 || args.first().startsWith(QLatin1String("--")))
        throw TError(QStringLiteral("usage: download FOLDER [--changed] [--vid HEX --pid HEX] "
                                    "[--virtual-panel DIR] [--timeout S]"));
    const QString folder = args.first();
    if (!QFileInfo(folder).isDir())
        throw TError(QStringLiteral("\"%1\" is not a folder").arg(folder));

    TLinkSession session(options);
    TDownload download(&session.Link());
    TProgressLine line;
    QObject::connect(&download, &TDownload::LogLine,
                     [&line](const QString& text, bool) { line.Line(Out(), text); });
    QObject::connect(&download, &TDownload::Warning,
                     [&line](const QString& text) { line.Line(Err(), QStringLiteral("warning: ") + text); });
    QObject::connect(&download, &TDownload::Progress, [&line](const TDownloadProgress& p) { line.Show(p); });
    TInterruptCancels interrupt(download, line);
    const TDownload::TOutcome outcome =
        changedOnly ? download.WriteChanged(folder) : download.WriteAll(folder);
    line.Finish();
    if (outcome == TDownload::TOutcome::Cancelled)
        return 130; // as a shell reports a program that Ctrl+C ended
    if (outcome != TDownload::TOutcome::Done)
        throw TError(download.LastError());
    if (download.Problems() > 0)
        throw TError(QStringLiteral("%1 file(s) or report(s) did not reach the panel whole (see above)")
                         .arg(download.Problems()));
    return 0;
}

const CommandRegistrar registrar(
    {"download", "FOLDER [--changed] [--vid HEX --pid HEX] [--virtual-panel DIR] [--timeout S]",
     "write a folder tree to the panel (\"Write all\"; --changed: \"Write changed\"), printing the log and "
     "the progress; Ctrl+C stops after the file being sent",
     RunDownload});

} // namespace
