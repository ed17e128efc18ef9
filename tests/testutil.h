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

// Little-endian values at a byte offset of a file's bytes. A read past the end fails the current
// test and gives 0, so a short file shows up as a failure, not as a crash.
quint8 U8(const QByteArray& bytes, qsizetype at);
quint16 U16(const QByteArray& bytes, qsizetype at);
quint32 U32(const QByteArray& bytes, qsizetype at);

// A 24-bit picture of the given size filled with one colour (0xRRGGBB as QColor takes it).
QImage SolidImage(int w, int h, QRgb rgb);

// While it lives, this process may write no file beyond `bytes`: a write past it fails as on a full
// disk, with the system's reason ("File too large"), and the signal for it is ignored.
class TFileSizeLimit
{
  public:
    explicit TFileSizeLimit(qint64 bytes);
    ~TFileSizeLimit();
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

  private:
    quint64 soft_ = 0;
    void (*signal_)(int) = nullptr;
};

} // namespace testutil
