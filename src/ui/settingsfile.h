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

    // The executable's name with ".ini": beside the executable when it runs from a build or a copy
    // in a folder the user can write; in configFolder for an installed program (<prefix>/bin, which
    // is shared by every user even when it is writable) and for a folder the user cannot write.
    static QString PathFor(const QString& executable, const QString& configFolder);
    // PathFor the running executable and the platform's configuration folder, which is created when
    // the file goes there.
    static QString DefaultPath();

  private:
    QString path_;
};
