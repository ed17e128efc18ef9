#pragma once

// The panel's side of an SD-card set: the files as the panel reads them, checked against each other.
// Nothing here reads a project: what a set shows is what its files say, whoever wrote them.
//
// The reader never trusts a size: every file is measured before it is read and refused when it does
// not fit its role, so no file is read beyond what its role can hold.

#include "base/urgb.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <optional>
#include <vector>

// The texts of the panel's side (findings, refusals), in the interface language.
class TPanelText
{
    Q_DECLARE_TR_FUNCTIONS(TPanelText)
};

// Where a set's files come from: a folder on disk or bytes in memory. Paths are relative to the
// set's folder, '/' between a folder and a name ("logo.bin", "00/01.elm"); names are matched without
// regard to case, as the card's file system does.
class TSetSource
{
  public:
    virtual ~TSetSource() = default;
    // Every file of the set's folder and of its subfolders ("00/01.elm"), every subfolder with a
    // trailing '/' ("00/"), and folders inside those as entries of their own ("00/old/"), whose
    // contents are not listed: the panel never looks there.
    virtual QStringList Entries() const = 0;
    // The size of a file in bytes; -1 when there is none.
    virtual qint64 Size(const QString& path) const = 0;
    // At most `limit` bytes from the start of the file. Throws TError when it cannot be read.
    virtual QByteArray Read(const QString& path, qint64 limit) const = 0;
};

// A set in a folder on disk.
class TFolderSource : public TSetSource
{
  public:
    // Lists the folder at once; a folder that does not exist gives a set without files.
    explicit TFolderSource(const QString& folder);
    const QString& Folder() const { return folder_; }
    bool Exists() const { return exists_; }

    QStringList Entries() const override { return entries_; }
    qint64 Size(const QString& path) const override;
    QByteArray Read(const QString& path, qint64 limit) const override;

  private:
    QString Actual(const QString& path) const; // the entry's own spelling, or empty
    QString folder_;
    bool exists_ = false;
    QStringList entries_;
    QHash<QString, QString> byLowerName_;
};

// A set held in memory (tests, fuzzing): file paths to their bytes. Folders are those the paths name.
class TMemorySource : public TSetSource
{
  public:
    std::map<QString, QByteArray> Files;
    QStringList Folders; // extra, possibly empty folders ("03/")

    QStringList Entries() const override;
    qint64 Size(const QString& path) const override;
    QByteArray Read(const QString& path, qint64 limit) const override;

  private:
    const QByteArray* Find(const QString& path) const;
};

// Which part of the panel's screens a finding keeps from being shown.
enum class TSetPart { Set, Screen, Splash, PowerFail };

// One thing in a set that does not fit, or that the panel would ignore.
struct TSetFinding
{
    TSetPart Part = TSetPart::Set;
    int Screen = -1;      // the work screen's index for TSetPart::Screen
    bool Ignored = false; // a stray file or folder: the panel passes it by, the set is still whole
    QString File;         // as named in the set: "00/01.elm", "03/"
    QString Problem;

    QString Text() const { return File + QStringLiteral(": ") + Problem; }
};

// One element-table record (or the power-fail record) as the panel reads it.
struct TPanelRecord
{
    quint8 Kind = 0;
    quint8 Order = 0;
    qint16 X = 0, Y = 0;
    quint16 Width = 0, Height = 0;
    quint16 MaxVal = 0;
    quint8 ScaleW = 0, ScaleH = 0;
    quint8 RedPct = 0, YellowPct = 0;
    quint16 Fore = 0, Back = 0; // RGB565: on and off colours of an LED, text and back colours otherwise
    quint8 ShowAsAxis = 0;
    quint16 AxisColor = 0;
    quint8 AxisNum = 0;
    quint8 LedMode = 0;
    quint16 BlinkInterval = 0;
    QByteArray Format; // up to the first zero byte, at most 15 bytes
};

// Parses a 43-byte record; the caller has checked the size.
TPanelRecord ParsePanelRecord(QByteArrayView bytes);

// A bar's four one-row segment pictures, each as wide as its file holds pixels; an empty file gives
// a null picture, which draws nothing.
struct TPanelBarPictures
{
    QImage Red, Yellow, Green, Bkg;
};

struct TPanelScreen
{
    QString Folder;               // "00"
    bool OrientationRead = false; // the table's header was read and names portrait or landscape
    bool Landscape = false;
    QSize Size{240, 320};
    quint16 BackColor = 0;
    QImage Background; // 01bkg.bin, widened to 24 bits per pixel; null when it does not fit
    std::vector<TPanelRecord> Records;
    std::map<int, TPanelBarPictures> Bars; // by record index
};

// tm.bin
struct TPanelClock
{
    QPoint Hours, Minutes;
    QSize Digit; // one digit's size
    bool Transparent = false;
    quint16 BackColor = 0, DigitColor = 0;
};

// One digit file: its pixels and the size they stand for.
struct TPanelDigit
{
    QSize Size;
    T16bitArray Pixels;
};

// anime.bin and its frames.
struct TPanelAnimation
{
    int Speed = 0; // milliseconds per frame
    QPoint Position;
    QSize FrameSize;
    std::vector<QImage> Frames; // widened to 24 bits per pixel
};

struct TPanelSet
{
    int ScreenCount = 0; // what lcdconfig announces (or the screen folders found without it)
    std::vector<TPanelScreen> Screens;

    QSize SplashSize{240, 320}; // the first work screen's size
    bool SplashSizeKnown = false;
    QImage Logo;
    std::optional<TPanelClock> Clock;
    std::array<TPanelDigit, 10> Digits; // n0.bin .. n9.bin
    TPanelDigit Colon;                  // n01.bin
    std::optional<TPanelAnimation> Animation;

    std::optional<TPanelRecord> PowerFailDro;
    QImage PowerFail;

    std::vector<TSetFinding> Findings;

    // No inconsistency (ignored files do not count).
    bool Whole() const;
    // The "file: problem" lines that keep a part from being drawn; empty when it can be.
    QStringList Problems(TSetPart part, int screen = -1) const;
};

// The kinds of element-table record the panel draws.
bool IsPanelRecordKind(quint8 kind);

// Largest files the reader takes, beyond what any role holds.
inline constexpr qint64 MaxBarPictureBytes = 2 * 65535;

// Reads and checks the whole set. Never throws for what the files hold: every file that does not fit
// is a finding, in the order the panel meets them (lcdconfig, the screen folders, the splash files,
// the power-fail files, then the stray files).
TPanelSet ReadPanelSet(const TSetSource& source);

// "check": every finding, one line each ("00/01.elm: 3 records announced, 2 present"), the
// inconsistencies first, then what the panel ignores.
QStringList CheckReport(const TPanelSet& set);
