#pragma once

// Where the programs find the data they ship with: the clock's digit files (in a folder "res") and
// the language files (*.lng). A build keeps them beside the executables, and so does a copy of the
// program with its "res" folder; an installation keeps them in <prefix>/share/tarvolt-designer.

#include <QString>
#include <QStringList>

// The name of the data folder inside a "share" folder.
inline constexpr char ProgramDataFolderName[] = "tarvolt-designer";

// The folders that may hold the program's data, in the order they are searched: programFolder itself,
// the data folder of the installation it belongs to (<prefix>/share/tarvolt-designer for a program
// in <prefix>/bin), then the user's and the system's data folders. Each once, as absolute paths.
QStringList ProgramDataFolders(const QString& programFolder);
// The same for the running executable's folder.
QStringList ProgramDataFolders();

// The first "res" folder among the data folders; programFolder/res when there is none.
QString ProgramResFolder(const QString& programFolder);
QString ProgramResFolder();

// True when programFolder is the "bin" folder of an installation: <prefix>/bin beside
// <prefix>/share/tarvolt-designer. Such a folder is no place for the user's files.
bool IsInstalledProgramFolder(const QString& programFolder);
