#pragma once

// What the designer keeps in its settings file between runs, read at start-up and written at exit,
// with the file's own section and key names ("LasFile" and "BkgFile" included, as earlier files
// have them).

#include "base/syscolors.h"
#include "document/tproject.h"
#include "ui/settingsfile.h"

#include <QRect>
#include <QString>
#include <QStringList>

struct TDesignerSettings
{
    TColor GridColor = TColor(0xC0C0C0);
    // The entry of the language list; one naming no entry selects none.
    qint64 Language = 0;
    QRect Window{390, 128, 948, 692};
    int Grid = 5;
    bool ShowGrid = true;
    QString DownloadFolder;
    int FrameListHeight = 145;
    QString LastFile;
    QString SplashFile;
    // File > Recent projects, the latest first.
    QStringList RecentFiles;
    static constexpr int MaxRecentFiles = 8;
    // Seconds between recovery copies at most; 0: none. Read only: the file keeps what the user set.
    int Autosave = 30;
    // How many undo steps the project keeps (0: all of them); read only, so a user sets it by hand.
    int UndoLimit = DefaultUndoLimit;

    // The settings in the file; what is missing or out of its range keeps the default, the download
    // folder's being `programFolder`.
    static TDesignerSettings Read(const TSettingsFile& file, const QString& programFolder);
    // Writes what the designer keeps at exit (the grid colour and the language are written when they
    // change); `maxElements` is the element budget, which is written for other programs to read.
    void WriteAtExit(const TSettingsFile& file, int maxElements) const;

    static void WriteGridColor(const TSettingsFile& file, TColor color);
    static void WriteLanguage(const TSettingsFile& file, int index);
    // Written when the list changes, so that a designer that ends without its exit keeps it.
    static void WriteRecentFiles(const TSettingsFile& file, const QStringList& files);
};
