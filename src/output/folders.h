#pragma once

#include <QString>
#include <QStringList>

// Every file in `folder` and in every folder below it, hidden and system entries included. A symbolic
// link counts as a file and is never followed, so nothing outside the folder is listed.
QStringList FolderFiles(const QString& folder);

// Deletes every file FolderFiles lists; folders themselves stay. A link is removed as a link,
// whatever it points to. Files that cannot be deleted are skipped.
void ClearFolderFiles(const QString& folder);
