#pragma once

// Generate: the complete SD-card file set of a project, in one folder named after the project file.

#include <QString>
#include <functional>

class TAnimation;
class TElement;
class TLCD;
class TLCDList;
class TSplash;

struct TGenerateJob
{
    QString ProjectFile;   // the current project file; the output folder is its path without extension
    QString OutputFolder;  // overrides the folder named after the project when not empty
    QString ResFolder;     // the program's "res" folder with the clock's digit files
    TLCDList* Screens = nullptr;
    TLCD* PowerFail = nullptr;
    TSplash* Splash = nullptr;
    const TAnimation* Animation = nullptr;
    // Called before each work screen is written (index from 0, count), so that a window can show
    // that screen's page and its progress and keep handling events.
    std::function<void(int index, int count)> OnScreen;
};

// The project file's full path without its extension: /work/lathe.lcd gives /work/lathe.
QString OutputFolderFor(const QString& projectFile);

// The 43-byte power-fail readout record "pwr.bin" of the power-fail screen's DRO.
QByteArray PowerFailRecord(const TElement& dro);

// Writes the whole set and returns the output folder. Every work screen is left at zoom 1; the grid
// switch is put back as it was, also when a file fails. The first file that cannot be written ends
// it with TError "Cannot create file "%s". %s"; files written before stay. The splash screen takes
// the first work screen's size.
QString Generate(const TGenerateJob& job);
