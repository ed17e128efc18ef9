#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

namespace testutil {

// Folder of the committed fixtures (tests/fixtures).
QString FixturePath(const QString& name);

// Reads a whole file; fails the current test when it cannot be read.
QByteArray ReadAll(const QString& path);

// Writes bytes to a file, creating it; fails the current test when it cannot be written.
void WriteAll(const QString& path, const QByteArray& bytes);

// A 24-bit picture of the given size filled with one colour (0xRRGGBB as QColor takes it).
QImage SolidImage(int w, int h, QRgb rgb);

} // namespace testutil
