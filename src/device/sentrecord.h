#pragma once

// The PC's memory of what it sent to a panel from a folder, so that "Write changed" sends only the
// files that differ: the panel's protocol cannot list or read its card. One small file per (folder,
// panel), outside the folder, in the designer's data folder: each file's relative name, size and
// SHA-256, and when the folder was last written. A record only ever names what was sent whole; a
// file whose bytes differ from its entry in any way is sent again.

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <QString>

struct THIDDeviceInfo;

struct TSentFile
{
    qint64 Size = 0;
    QByteArray Sha256; // 32 bytes
    bool operator==(const TSentFile&) const = default;
};

// Size and SHA-256 of a regular file, read whole; false (and *why) when it cannot be read.
bool HashFile(const QString& path, TSentFile* out, QString* why = nullptr);

class TSentRecord
{
  public:
    // Where the records live: the designer's data folder (its QStandardPaths::AppDataLocation), which
    // the command-line tool shares, so that both know what either sent.
    static QString DefaultFolder();

    // The record file of `folder` (any spelling: its canonical path counts) sent to `panel` (vendor
    // id, product id and serial number).
    static QString FileFor(const QString& recordFolder, const QString& folder, const THIDDeviceInfo& panel);

    enum class TLoad { Loaded, Missing, Damaged };
    // Damaged covers a record of another version, one cut short or changed, and one that names
    // another folder or panel; *why says what is wrong.
    TLoad Load(const QString& file, const QString& folder, const THIDDeviceInfo& panel, QString* why);
    // Replaces the record file in one step. Throws TError.
    void Save(const QString& file, const QString& folder, const THIDDeviceInfo& panel) const;

    QMap<QString, TSentFile> Files; // relative name ("/00/01.elm") -> what was sent
    QDateTime Written;              // the last write command that sent anything
    QDateTime WrittenInFull;        // the last "Write all" that sent every file whole; null: never
};
