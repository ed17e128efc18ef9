#pragma once

// Reading files that come from outside (projects, pictures, GIFs): only regular files, never more
// than a stated size, and never a wait for a writer that does not come.

#include <QByteArray>
#include <QFile>
#include <QString>

// Opens `fileName` for reading when it is a regular file of at most `maxBytes`. The type and size
// are checked on the opened handle, which is opened without waiting, so a FIFO, a device or a socket
// is refused instead of read. Throws TError naming the file: "Cannot open file "%1". %2" (the
// system's reason), ""%1" is not a regular file.", or for a file over the limit `tooLarge` (a
// general message naming the file when it is empty).
void OpenRegularFile(QFile& file, const QString& fileName, qint64 maxBytes, const QString& tooLarge = {});

// The content of such a file, read through OpenRegularFile: at most the size the handle had when it
// was checked. A read that fails throws TError with the system's reason.
QByteArray ReadRegularFile(const QString& fileName, qint64 maxBytes, const QString& tooLarge = {});
