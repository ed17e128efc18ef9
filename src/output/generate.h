#pragma once

// Generate: the complete SD-card file set of a project, in one folder named after the project file.

#include "output/outputfiles.h"

#include <QString>
#include <QStringList>
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
    // Called before each work screen's files are written (index from 0, count), on the thread that
    // writes them, so that a window can show that screen's page and its progress.
    std::function<void(int index, int count)> OnScreen;
};

// Everything a Generate writes, taken from the project. Writing it reads nothing of the project, so
// it can run on another thread while the window that owns the project stays live.
struct TGeneratePlan
{
    QString OutputFolder;
    int ScreenCount = 0;
    // The project-wide files, then each screen's files (ScreenStart[i] is the index of screen i's
    // first file, ScreenFolder[i] its folder), then the clock, animation and power-fail files.
    TOutputFiles Files;
    std::vector<size_t> ScreenStart;
    QStringList ScreenFolder;
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

// Takes the set from the project, on the thread that owns it. CheckOutputFolder runs first; a refusal
// ends it before anything is created, deleted or written. Every work screen is brought to zoom 1
// and drawn without its grid, the grid switch is put back as it was (also when it throws), the splash
// screen takes the first work screen's size and the DROs their texts. Throws TError for a project
// that cannot be generated; writes nothing.
TGeneratePlan PlanGenerate(const TGenerateJob& job);

// Writes the set on any thread: creates the output folder (one level) and the screen folders, writes
// every file beside its final name, flushes them to the disk once, puts them in place and deletes the
// other files found in the output folder and below it (folders stay). A file that already holds its
// bytes is left as it is. onScreen is called before each screen's files. The first file that cannot
// be written ends it with TError "Cannot create file "%s". %s" and a sentence saying the set in the
// output folder is incomplete; the files then keep what they held.
void WriteGeneratePlan(const TGeneratePlan& plan, const std::function<void(int index, int count)>& onScreen);

// Writes the whole set (PlanGenerate, then WriteGeneratePlan with job.OnScreen) and returns the
// output folder.
QString Generate(const TGenerateJob& job);
