#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The designer's INI file: section lines ("[Name]") followed by "key=value" lines. Every key is
// read or written on its own, straight to the file, so no handle stays open. Values are plain text:
// no character is an escape, a list separator or a comment inside a value, and a string is written
// exactly as it is. A write changes only the line of its key (or adds one); every other line, keys
// and sections the program does not know included, stays byte for byte as it was. A missing or
// malformed value reads as the default given; integers beginning with "0x" or "0X" are hexadecimal.
// Section and key names are compared without regard to case, as the desktop's INI files are.
class TSettingsFile
{
  public:
    explicit TSettingsFile(QString path) : path_(std::move(path)) {}

    const QString& Path() const { return path_; }

    qint64 ReadInteger(const QString& section, const QString& key, qint64 fallback) const;
    bool ReadBool(const QString& section, const QString& key, bool fallback) const;
    QString ReadString(const QString& section, const QString& key, const QString& fallback) const;

    // Each write replaces the file as a whole through a temporary file, so that a failed write leaves
    // it as it was; false when the file could not be written.
    bool WriteInteger(const QString& section, const QString& key, qint64 value) const;
    bool WriteBool(const QString& section, const QString& key, bool value) const;
    bool WriteString(const QString& section, const QString& key, const QString& value) const;

    // Parses an INI integer: decimal, or hexadecimal after "0x"/"0X". False when it is not a number.
    static bool ParseInteger(const QString& text, qint64& value);

    // The value of `key` in `section` of INI text (blanks around it removed), or nothing.
    static std::optional<QString> Lookup(const QByteArray& text, const QString& section, const QString& key);
    // INI text with `key` of `section` set to `value`: the key's line is rewritten in place, or added
    // at the end of its section, or the section is added at the end of the text. A line break would
    // end the value early and start a line of its own, so the value is cut at its first line break.
    static QByteArray Assign(const QByteArray& text, const QString& section, const QString& key,
                             const QString& value);

    // The executable's name with ".ini": beside the executable when it runs from a build or a copy
    // in a folder the user can write; in configFolder for an installed program (<prefix>/bin, which
    // is shared by every user even when it is writable) and for a folder the user cannot write.
    static QString PathFor(const QString& executable, const QString& configFolder);
    // PathFor the running executable and the platform's configuration folder, which is created when
    // the file goes there.
    static QString DefaultPath();

  private:
    QByteArray Text() const;

    QString path_;
};
