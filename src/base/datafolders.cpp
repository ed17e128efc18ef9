#include "base/datafolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString InstallationDataFolder(const QString& programFolder)
{
    const QDir bin(programFolder);
    if (bin.dirName() != QLatin1String("bin"))
        return {};
    return QDir::cleanPath(bin.absolutePath() + QStringLiteral("/../share/") +
                           QLatin1String(ProgramDataFolderName));
}

} // namespace

QStringList ProgramDataFolders(const QString& programFolder)
{
    QStringList folders{QDir::cleanPath(QDir(programFolder).absolutePath())};
    const QString installed = InstallationDataFolder(programFolder);
    if (!installed.isEmpty())
        folders << installed;
    // Not AppDataLocation: that is named after the running program, and the command-line tool shares
    // the designer's data.
    for (const QString& share : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << QDir::cleanPath(share + QLatin1Char('/') + QLatin1String(ProgramDataFolderName));
    folders.removeDuplicates();
    return folders;
}

QStringList ProgramDataFolders()
{
    return ProgramDataFolders(QCoreApplication::applicationDirPath());
}

QString ProgramResFolder(const QString& programFolder)
{
    for (const QString& folder : ProgramDataFolders(programFolder)) {
        const QString res = folder + QStringLiteral("/res");
        if (QFileInfo(res).isDir())
            return res;
    }
    return QDir::cleanPath(QDir(programFolder).absolutePath()) + QStringLiteral("/res");
}

QString ProgramResFolder()
{
    return ProgramResFolder(QCoreApplication::applicationDirPath());
}

bool IsInstalledProgramFolder(const QString& programFolder)
{
    const QString data = InstallationDataFolder(programFolder);
    return !data.isEmpty() && QFileInfo(data).isDir();
}
