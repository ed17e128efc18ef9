#pragma once

// What every fuzz target shares: a Qt application for the core's font and image code, quiet Qt
// warnings, and a way to report a broken promise as a crash that libFuzzer records.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "panel/panelset.h"

// Creates the process's QGuiApplication on the offscreen platform (text measuring needs one) and
// silences Qt's debug and warning output, which damaged input produces by the thousand. Fatal
// messages still print and abort. Call once, from LLVMFuzzerInitialize or main.
void StartFuzzApplication();

// A folder of this process's own, removed at exit; the empty string when it cannot be made.
QString FuzzScratchFolder();

// Prints "finding: <what>" and aborts, so that libFuzzer saves the input.
[[noreturn]] void Finding(const char* what);

// The SD-card set target's input: a sequence of files, each
//   1 byte   the file's name: an index into SetFuzzNames(), taken modulo its length
//   3 bytes  the file's size, little-endian, at most MaxSetFuzzFileSize
//   2 bytes  n, little-endian
//   n bytes  a pattern repeated to fill the size (zeros when n is 0)
// so that a few bytes stand for a whole picture. A later file of the same name replaces an earlier
// one; bytes after the last whole entry are ignored.
inline constexpr qint64 MaxSetFuzzFileSize = 1 << 18;
const QStringList& SetFuzzNames();
TMemorySource DecodeSetInput(QByteArrayView input);
// One entry of that input, with the shortest pattern that repeats to `content`; empty when the name
// is not in the table or the content is no repetition of at most 65535 bytes.
QByteArray EncodeSetFile(const QString& name, const QByteArray& content);
