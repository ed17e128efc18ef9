#include "ui/settingsfile.h"

#include "base/atomicfile.h"
#include "base/datafolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStandardPaths>

namespace {

// One line of INI text: where it starts, where its content ends (before the line break) and where
// the next line starts.
struct TIniLine
{
    enum Kind { Other, Section, Key };
    Kind kind = Other;
    qsizetype begin = 0, end = 0, next = 0;
    QString name;             // the section's or the key's name
    qsizetype valueBegin = 0; // a key line: just after its '='
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

QList<TIniLine> SplitLines(const QByteArray& text)
{
    QList<TIniLine> lines;
    qsizetype pos = 0;
    // A byte-order mark belongs to no line's content.
    if (text.startsWith("\xEF\xBB\xBF"))
        pos = 3;
    while (pos < text.size()) {
        TIniLine line;
        line.begin = pos;
        qsizetype nl = text.indexOf('\n', pos);
        line.next = nl < 0 ? text.size() : nl + 1;
        line.end = nl < 0 ? text.size() : nl;
        if (line.end > line.begin && text[line.end - 1] == '\r')
            --line.end;
        const QByteArray content = text.mid(line.begin, line.end - line.begin);
        const QByteArray trimmed = content.trimmed();
        if (trimmed.startsWith('[')) {
            const qsizetype close = trimmed.indexOf(']');
            if (close > 0) {
                line.kind = TIniLine::Section;
                line.name = QString::fromUtf8(trimmed.mid(1, close - 1)).trimmed();
            }
        } else if (!trimmed.isEmpty() && !trimmed.startsWith(';') && !trimmed.startsWith('#')) {
            const qsizetype eq = content.indexOf('=');
            if (eq >= 0) {
                line.kind = TIniLine::Key;
                line.name = QString::fromUtf8(content.left(eq)).trimmed();
                line.valueBegin = line.begin + eq + 1;
            }
        }
        lines.push_back(line);
        pos = line.next;
    }
    return lines;
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The lines of `section`'s first occurrence: [first, last) index range after its header; first is
// -1 when the section is missing.
std::pair<qsizetype, qsizetype> SectionRange(const QList<TIniLine>& lines, const QString& section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != TIniLine::Section || !SameName(lines[i].name, section))
            continue;
        qsizetype j = i + 1;
        while (j < lines.size() && lines[j].kind != TIniLine::Section)
            ++j;
        return {i + 1, j};
    }
    return {-1, -1};
}

// The file's own line break: that of its first line, else the platform's.
QByteArray LineBreak(const QByteArray& text)
{
    const qsizetype nl = text.indexOf('\n');
    if (nl > 0 && text[nl - 1] == '\r')
        return "\r\n";
    if (nl >= 0)
        return "\n";
#ifdef Q_OS_WIN
    return "\r\n";
#else
    return "\n";
#endif
}

} // namespace

bool TSettingsFile::ParseInteger(const QString& text, qint64& value)
{
    const QString t = text.trimmed();
    bool ok = false;
    qint64 v = 0;
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = t.mid(2).toLongLong(&ok, 16);
    else
        v = t.toLongLong(&ok, 10);
    if (ok)
        value = v;
    return ok;
}

std::optional<QString> TSettingsFile::Lookup(const QByteArray& text, const QString& section,
                                             const QString& key)
{
    const QList<TIniLine> lines = SplitLines(text);
    const auto [first, last] = SectionRange(lines, section);
    if (first < 0)
        return std::nullopt;
    for (qsizetype i = first; i < last; ++i) {
        const TIniLine& line = lines[i];
        if (line.kind == TIniLine::Key && SameName(line.name, key))
            return QString::fromUtf8(text.mid(line.valueBegin, line.end - line.valueBegin).trimmed());
    }
    return std::nullopt;
}

QByteArray TSettingsFile::Assign(const QByteArray& text, const QString& section, const QString& key,
                                 const QString& value)
{
    QByteArray bytes = value.toUtf8();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || bytes[i] == '\r') {
            bytes.truncate(i);
            break;
        }
    }
    const QByteArray eol = LineBreak(text);
    const QByteArray keyLine = key.toUtf8() + '=' + bytes;

    const QList<TIniLine> lines = SplitLines(text);
    const auto [first, last] = SectionRange(lines, section);
    if (first < 0) {
        QByteArray out = text;
        if (!out.isEmpty() && !out.endsWith('\n'))
            out += eol;
        return out + '[' + section.toUtf8() + ']' + eol + keyLine + eol;
    }
    for (qsizetype i = first; i < last; ++i) {
        const TIniLine& line = lines[i];
        if (line.kind == TIniLine::Key && SameName(line.name, key)) {
            // The key as the file spells it, and the blanks after its '=', stay.
            qsizetype valueAt = line.valueBegin;
            while (valueAt < line.end && IsBlank(text[valueAt]))
                ++valueAt;
            return text.left(valueAt) + bytes + text.mid(line.end);
        }
    }
    // A new key goes after the section's last key, else right after its header, so that blank lines
    // and comments that end the section stay where they are.
    qsizetype after = first - 1;
    for (qsizetype i = first; i < last; ++i)
        if (lines[i].kind == TIniLine::Key)
            after = i;
    const TIniLine& line = lines[after];
    QByteArray out = text.left(line.next);
    if (!out.endsWith('\n')) // the text's last line has no line break
        out += eol;
    return out + keyLine + eol + text.mid(line.next);
}

QByteArray TSettingsFile::Text() const
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

qint64 TSettingsFile::ReadInteger(const QString& section, const QString& key, qint64 fallback) const
{
    const std::optional<QString> text = Lookup(Text(), section, key);
    qint64 value = fallback;
    if (text && ParseInteger(*text, value))
        return value;
    return fallback;
}

bool TSettingsFile::ReadBool(const QString& section, const QString& key, bool fallback) const
{
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

QString TSettingsFile::ReadString(const QString& section, const QString& key, const QString& fallback) const
{
    return Lookup(Text(), section, key).value_or(fallback);
}

bool TSettingsFile::WriteInteger(const QString& section, const QString& key, qint64 value) const
{
    return WriteString(section, key, QString::number(value));
}

bool TSettingsFile::WriteBool(const QString& section, const QString& key, bool value) const
{
    return WriteInteger(section, key, value ? 1 : 0);
}

bool TSettingsFile::WriteString(const QString& section, const QString& key, const QString& value) const
{
    const QByteArray before = Text();
    const QByteArray after = Assign(before, section, key, value);
    if (after == before && QFileInfo::exists(path_))
        return true;
    QString why;
    return WriteFileAtomic(path_, after, &why);
}

QString TSettingsFile::PathFor(const QString& executable, const QString& configFolder)
{
    const QFileInfo exe(executable);
    const QString name = exe.completeBaseName() + QStringLiteral(".ini");
    const QFileInfo folder(exe.absolutePath());
    if (folder.isDir() && folder.isWritable() && !IsInstalledProgramFolder(exe.absolutePath()))
        return QDir(exe.absolutePath()).filePath(name);
    return QDir(configFolder).filePath(name);
}

QString TSettingsFile::DefaultPath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString path = PathFor(QCoreApplication::applicationFilePath(), config);
    if (path.startsWith(config + QLatin1Char('/')))
        QDir().mkpath(config);
    return path;
}
