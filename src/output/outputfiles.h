#pragma once

// A file of the SD-card set described before it is written: the project is read where it lives (the
// window's thread), and the files are encoded and written elsewhere (a worker), all through one
// TFileSet so that the set reaches the disk with one flush.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

class TFileSet;

struct TOutputFile
{
    enum class TKind {
        Bytes,     // Bytes as they are
        Picture16, // Picture as a 16-bit image file
        Bitmap,    // Picture as a 24-bit BMP
        Copy,      // the file Source as it is; left out when it cannot be read
    };
    QString Path; // where it goes
    TKind Kind = TKind::Bytes;
    QByteArray Bytes;
    QImage Picture;
    QString Source;
    bool Optional = false; // a by-product: failing to write it is no error

    static TOutputFile Raw(const QString& path, const QByteArray& bytes);
    static TOutputFile Picture16File(const QString& path, const QImage& picture);
    static TOutputFile BitmapFile(const QString& path, const QImage& picture);
    static TOutputFile CopyOf(const QString& source, const QString& path);
};

using TOutputFiles = std::vector<TOutputFile>;

// Encodes one file and adds it to the set. Throws TError "Cannot create file "%s". %s".
void AddOutputFile(TFileSet& set, const TOutputFile& file);

// Writes the files as one set of their own and puts them in place together.
void WriteOutputFiles(const TOutputFiles& files);
