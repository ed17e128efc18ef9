#include "ui/settingsfile.h"

#include "base/datafolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
QString FullKey(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
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

qint64 TSettingsFile::ReadInteger(const QString& section, const QString& key, qint64 fallback) const
{
    const QSettings ini(path_, QSettings::IniFormat);
    const QVariant v = ini.value(FullKey(section, key));
    qint64 value = fallback;
    if (v.isValid() && ParseInteger(v.toString(), value))
        return value;
    return fallback;
}

bool TSettingsFile::ReadBool(const QString& section, const QString& key, bool fallback) const
{
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

QString TSettingsFile::ReadString(const QString& section, const QString& key, const QString& fallback) const
{
    const QSettings ini(path_, QSettings::IniFormat);
    const QVariant v = ini.value(FullKey(section, key));
    return v.isValid() ? v.toString() : fallback;
}

void TSettingsFile::WriteInteger(const QString& section, const QString& key, qint64 value) const
{
    QSettings ini(path_, QSettings::IniFormat);
    ini.setValue(FullKey(section, key), QString::number(value));
}

void TSettingsFile::WriteBool(const QString& section, const QString& key, bool value) const
{
    WriteInteger(section, key, value ? 1 : 0);
}

void TSettingsFile::WriteString(const QString& section, const QString& key, const QString& value) const
{
    QSettings ini(path_, QSettings::IniFormat);
    ini.setValue(FullKey(section, key), value);
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
