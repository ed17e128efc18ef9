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
    // An OutputFolder given explicitly that is not empty and holds no "lcdconfig" (so it does not
    // look like an earlier output) is refused unless this is set.
    bool Force = false;
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

// Throws TError, naming the folder and the reason, when Generate must not empty `folder` for this
// job; touches nothing. Refused are: a project file name with nothing before its extension; a folder
// that is a symbolic link; a folder that is (after resolving links and "..") the project's folder,
// one of its ancestors, the home folder or one of its ancestors, or a file-system root; a folder
// holding, at any depth, the project file, a picture or GIF the project names, the splash picture
// or a digit file; and, for an explicit OutputFolder without Force, a folder that is not empty and
// holds no "lcdconfig".
void CheckOutputFolder(const TGenerateJob& job, const QString& folder);

// The 43-byte power-fail readout record "pwr.bin" of the power-fail screen's DRO.
QByteArray PowerFailRecord(const TElement& dro);

// Writes the whole set and returns the output folder. CheckOutputFolder runs first; a refusal ends it
// before anything is created, deleted or written. Every work screen is left at zoom 1; the grid
// switch is put back as it was, also when a file fails. The first file that cannot be written ends
// it with TError "Cannot create file "%s". %s"; files written before stay. The splash screen takes
// the first work screen's size.
QString Generate(const TGenerateJob& job);
