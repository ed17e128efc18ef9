#include "output/folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void ClearFolderFiles(const QString& folder)
{
    const QDir dir(folder);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink() || !entry.isDir())
            QFile::remove(entry.absoluteFilePath()); // a link goes as a link, whatever it points to
        else
            ClearFolderFiles(entry.absoluteFilePath());
    }
}
