#pragma once

// File download: writes a folder of files to the panel over the link, byte for byte. "Write all" sends
// the whole tree of the download folder, "Write selected" the given files. Paths are host paths; the
// names the panel is given (backslash separators, the one-byte code page) are made here.

#include <QObject>
#include <QStringList>

class QFile;
class TPanelLink;

class TDownload : public QObject
{
    Q_OBJECT
  public:
    enum class TOutcome {
        Done,    // every step ran and "Done" was logged (Problems() may still count refused files)
        Refused, // nothing was sent: no folder, no device, or another command runs
        Failed,  // the command ended early; LastError() says why
    };

    explicit TDownload(TPanelLink* link, QObject* parent = nullptr);

    // Language of the texts worded here: 1049 gives Russian, anything else English.
    void SetLanguageId(int id) { languageId_ = id; }

    TOutcome WriteAll(const QString& folder);
    // files: full host paths in the order they are to be sent; folder only forms the relative names.
    TOutcome WriteSelected(const QString& folder, const QStringList& files);

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
    void ProgressRange(int maximum); // also sets the position to 0
    void ProgressStep();

  private:
    bool Start();
    bool Begin();
    bool Exchange(bool awaitReply);
    bool SendName(quint8 code, const QByteArray& name);
    void End();
    bool Walk(const QString& folder);
    bool MakeDir(const QString& name);
    bool SendFile(const QString& path);
    bool SendData(QFile& file, int count);
    void Fail(const QString& text, bool warn);
    void Finish(TOutcome* outcome);

    TPanelLink* link_;
    int languageId_ = 0;
    QString folder_;
    QString lastError_;
    int problems_ = 0;
    bool stopped_ = false;
};
