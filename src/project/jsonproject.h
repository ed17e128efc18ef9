#pragma once

// The project as JSON text, for version control: the same content as the binary project file, field
// for field, with readable names, colours as "#RRGGBB" and texts as UTF-8. The text is made from the
// binary file's bytes and read back into them, so the two forms cannot drift apart: every byte the
// writer puts into a project file has its place in the text. docs/project-json.md is the schema.

#include "model/tlcdlist.h"
#include "project/lcdfile.h"
#include "project/splashsettings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The version of the text form this program writes and reads.
inline constexpr int ProjectJsonVersion = 1;

// Whether `bytes` hold a project in its text form: after an optional UTF-8 byte-order mark and white
// space, an object begins. A binary project file never looks so unless it is damaged, as its second
// byte is a flag.
bool LooksLikeProjectJson(QByteArrayView bytes);

// The form a new file of this name is saved in: the text form for a name ending in ".json".
TProjectForm ProjectFormForName(const QString& fileName);

// The text form of the binary project `lcd` (UTF-8, two-space indentation, keys in a fixed order, a
// line feed at the end). `lcd` must pass CheckProjectBytes; TError otherwise.
QByteArray ProjectJson(const QByteArray& lcd);

// The same for a project in memory.
QByteArray ProjectJson(const TLCDList& list, const TLCD& powerFail, const SplashSettings& splash);

// The binary project file the text describes. Throws TError "The project file "NAME" cannot be read:
// line L, column C: PATH: WHAT." for the first fault: bad syntax, a missing, unknown or repeated key,
// a value of the wrong type or out of its field's range, a text longer than its field or holding a
// character the project file's code page cannot hold.
QByteArray ProjectBytesFromJson(QByteArrayView json, const QString& name);

// Saves the text form atomically, as SaveProject does the binary one; on success both modified flags
// are cleared.
void SaveProjectJson(const QString& fileName, TLCDList& list, TLCD& powerFail, const SplashSettings& splash);
