#include "output/folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

void Collect(const QString& folder, QStringList& files)
{
    const QDir dir(folder);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink() || !entry.isDir())
            files.append(entry.absoluteFilePath()); // a link goes as a link, whatever it points to
        else
            Collect(entry.absoluteFilePath(), files);
    }
}

} // namespace

QStringList FolderFiles(const QString& folder)
{
    QStringList files;
    Collect(folder, files);
    return files;
}

void ClearFolderFiles(const QString& folder)
{
    for (const QString& file : FolderFiles(folder))
        QFile::remove(file);
}
