#include "ui/designersettings.h"

namespace {

const QString SecSettings = QStringLiteral("Settings");
const QString SecWindow = QStringLiteral("Window");
const QString SecRecent = QStringLiteral("Recent");

QString RecentKey(int i)
{
    return QStringLiteral("File%1").arg(i + 1);
}

} // namespace

TDesignerSettings TDesignerSettings::Read(const TSettingsFile& file, const QString& programFolder)
{
    TDesignerSettings s;
    s.GridColor = TColor(file.ReadInteger(SecSettings, QStringLiteral("GridColor"), qint64(s.GridColor)));
    s.Language = file.ReadInteger(SecSettings, QStringLiteral("Language"), s.Language);
    s.Window = QRect(int(file.ReadInteger(SecWindow, QStringLiteral("Left"), s.Window.left())),
                     int(file.ReadInteger(SecWindow, QStringLiteral("Top"), s.Window.top())),
                     int(file.ReadInteger(SecWindow, QStringLiteral("Width"), s.Window.width())),
                     int(file.ReadInteger(SecWindow, QStringLiteral("Height"), s.Window.height())));
    s.Grid =
        int(qBound(qint64(1), file.ReadInteger(SecSettings, QStringLiteral("Grid"), s.Grid), qint64(100)));
    s.ShowGrid = file.ReadBool(SecSettings, QStringLiteral("ShowGrid"), s.ShowGrid);
    s.DownloadFolder = file.ReadString(SecSettings, QStringLiteral("Download"), programFolder);
    s.FrameListHeight =
        int(qBound(qint64(0), file.ReadInteger(SecWindow, QStringLiteral("LVHeight"), s.FrameListHeight),
                   qint64(10000)));
    s.LastFile = file.ReadString(SecSettings, QStringLiteral("LasFile"), QString());
    s.SplashFile = file.ReadString(SecSettings, QStringLiteral("BkgFile"), QString());
    for (int i = 0; i < MaxRecentFiles; ++i) {
        const QString name = file.ReadString(SecRecent, RecentKey(i), QString());
        if (!name.isEmpty() && !s.RecentFiles.contains(name))
            s.RecentFiles << name;
    }
    s.Autosave =
        int(qBound(qint64(0), file.ReadInteger(SecSettings, QStringLiteral("Autosave"), s.Autosave), qint64(86400)));
    s.UndoLimit = int(
        qBound(qint64(0), file.ReadInteger(SecSettings, QStringLiteral("UndoLimit"), s.UndoLimit), qint64(1000000)));
    return s;
}

void TDesignerSettings::WriteAtExit(const TSettingsFile& file, int maxElements) const
{
    file.WriteInteger(SecSettings, QStringLiteral("MaxElement"), maxElements);
    file.WriteInteger(SecSettings, QStringLiteral("Grid"), Grid);
    file.WriteBool(SecSettings, QStringLiteral("ShowGrid"), ShowGrid);
    file.WriteInteger(SecWindow, QStringLiteral("Left"), Window.left());
    file.WriteInteger(SecWindow, QStringLiteral("Top"), Window.top());
    file.WriteInteger(SecWindow, QStringLiteral("Width"), Window.width());
    file.WriteInteger(SecWindow, QStringLiteral("Height"), Window.height());
    file.WriteString(SecSettings, QStringLiteral("LasFile"), LastFile);
    file.WriteString(SecSettings, QStringLiteral("BkgFile"), SplashFile);
    file.WriteInteger(SecWindow, QStringLiteral("LVHeight"), FrameListHeight);
    file.WriteString(SecSettings, QStringLiteral("Download"), DownloadFolder);
}

void TDesignerSettings::WriteGridColor(const TSettingsFile& file, TColor color)
{
    file.WriteInteger(SecSettings, QStringLiteral("GridColor"), qint64(color));
}

void TDesignerSettings::WriteLanguage(const TSettingsFile& file, int index)
{
    file.WriteInteger(SecSettings, QStringLiteral("Language"), index);
}

void TDesignerSettings::WriteRecentFiles(const TSettingsFile& file, const QStringList& files)
{
    for (int i = 0; i < MaxRecentFiles; ++i)
        file.WriteString(SecRecent, RecentKey(i), files.value(i));
}
