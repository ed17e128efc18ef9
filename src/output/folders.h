#pragma once

#include <QString>

// Deletes every file in `folder` and in every folder below it, hidden and system entries included;
// folders themselves stay. A symbolic link is removed as a file and never followed, so nothing
// outside the folder is touched. Files that cannot be deleted are skipped.
void ClearFolderFiles(const QString& folder);
