#pragma once

#include <QString>

// The designer's INI file. Every key is read or written on its own, straight to the file, so no
// handle stays open and keys the program does not know survive. A missing or malformed value reads
// as the default given; integers beginning with "0x" or "0X" are hexadecimal.
class TSettingsFile
{
  public:
    explicit TSettingsFile(QString path) : path_(std::move(path)) {}

    const QString& Path() const { return path_; }

    qint64 ReadInteger(const QString& section, const QString& key, qint64 fallback) const;
    bool ReadBool(const QString& section, const QString& key, bool fallback) const;
    QString ReadString(const QString& section, const QString& key, const QString& fallback) const;

    void WriteInteger(const QString& section, const QString& key, qint64 value) const;
    void WriteBool(const QString& section, const QString& key, bool value) const;
    void WriteString(const QString& section, const QString& key, const QString& value) const;

    // Parses an INI integer: decimal, or hexadecimal after "0x"/"0X". False when it is not a number.
    static bool ParseInteger(const QString& text, qint64& value);

    // The executable's name with ".ini", beside it when that folder is writable, else in the
    // platform's configuration folder (created when missing).
    static QString DefaultPath();

  private:
    QString path_;
};
