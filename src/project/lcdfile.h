#pragma once

// The binary project file (*.lcd): a 548-byte header with the splash settings, one block per work
// screen in page order, one block for the power-fail screen. Little-endian, no signature, no version.

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <functional>

#include "model/tlcdlist.h"
#include "project/splashsettings.h"

// The binary project file, or its text form (project/jsonproject.h).
enum class TProjectForm { Binary, Json };

inline constexpr qsizetype ProjectHeaderSize = 548;
inline constexpr qsizetype ScreenHeaderSize = 270;
inline constexpr qsizetype ElementRecordSize = 1370;

// The steps a window supplies so that every work screen it loads gets its page.
struct TLoadSteps
{
    std::function<void()> Clear;       // remove every work screen
    std::function<TLCD*()> NewScreen;  // append an empty work screen and return it
};

struct TLoadResult
{
    SplashSettings Splash;
    // A missing picture was offered to the list's OnFileNotFound handler during the load.
    bool Relinked = false;
    // Pictures named by the project that exist but could not be decoded (they were left empty) or
    // that the decoder warned of: one line per file, naming it, the reason and what uses it.
    QStringList Warnings;
    // Pictures (and the GIF) named by the project that were not found: one line per file, naming it
    // and what uses it. The window asks for missing image files instead and says nothing of the rest.
    QStringList Missing;
    // Where the GIF of the splash settings was found (beside the project file first); empty when the
    // settings name none or it was not found.
    QString GifPath;
    // The form the file was in, which a save keeps.
    TProjectForm Form{};
};

// One element record, as a screen block holds it: the element's window geometry divided by `zoom`.
QByteArray ElementRecordBytes(const TElement& element, int zoom);
// The text field of an element record (ElementRecordSize bytes) whose length byte says more than the
// field holds ("format", "text", ...: untranslated), or null when every text fits.
const char* OverlongRecordField(QByteArrayView record);
// Appends an element to `screen` (at zoom 1) with the fields of a record OverlongRecordField
// accepted. Its pictures are the caller's: the file names are set, the pictures not loaded.
TElement* AddElementFromRecord(TLCD& screen, QByteArrayView record);

// Writes one screen block. Throws TError when the screen holds more elements than a block can count.
void SaveToStream(const TLCD& screen, QIODevice& stream);

// Reads one screen block into `screen`, replacing its content. The block is read and checked whole
// before the screen is touched: a short block throws TError and leaves the screen as it was.
// Pictures that cannot be decoded are left empty and reported in `warnings`.
void LoadFromStream(TLCD& screen, QIODevice& stream, QStringList* warnings = nullptr);

// The whole file as bytes. Throws TError when the project cannot be represented (no work screen,
// more than 255 work screens or more than 255 elements on a screen).
QByteArray ProjectBytes(const TLCDList& list, const TLCD& powerFail, const SplashSettings& splash);

// Saves atomically: the old file stays byte-identical unless the whole new file was written. On
// success both modified flags are cleared; on failure TError names the file and nothing changes.
void SaveProject(const QString& fileName, TLCDList& list, TLCD& powerFail, const SplashSettings& splash);

// Reads and checks the whole file before the project is touched (the binary file or its text form,
// told apart by content): a file that cannot be opened, is
// not a regular file, is short, over-long or otherwise inconsistent throws TError naming the file
// and the fault, and the list and the power-fail screen stay exactly as they were. So does a project
// whose pictures, each different file decoded once, would take more than ProjectPicturePixels() or
// one of which is too large to decode (TPictureTooLarge): the pictures are decoded first. Then `steps`
// replace the work screens (by default the list's own screens are deleted and added), the screens are filled,
// and the modified flags become the relinked flag. Picture files named with a relative path are looked for
// beside the project file first, then from the working folder; the names are kept as the file has them.
TLoadResult LoadProject(const QString& fileName, TLCDList& list, TLCD& powerFail, const TLoadSteps& steps = {});

// The same from bytes already in memory; `name` is used in messages, relative picture names are
// looked for in `pictureFolder` first.
TLoadResult LoadProjectBytes(const QByteArray& bytes, const QString& name, TLCDList& list, TLCD& powerFail,
                             const TLoadSteps& steps = {}, const QString& pictureFolder = {});

// Whether `bytes` are a project's text form or its binary file (complete or not).
TProjectForm ProjectFormOf(const QByteArray& bytes);

// Checks that `bytes` hold a complete, consistent project; throws TError describing the first fault.
void CheckProjectBytes(const QByteArray& bytes, const QString& name);
