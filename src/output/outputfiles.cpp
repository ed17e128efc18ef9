#include "output/outputfiles.h"

#include "base/atomicfile.h"
#include "base/terror.h"
#include "base/urgb.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImageWriter>
#include <QtEndian>

TOutputFile TOutputFile::Raw(const QString& path, const QByteArray& bytes)
{
    TOutputFile f;
    f.Path = path;
    f.Bytes = bytes;
    return f;
}

TOutputFile TOutputFile::Picture16File(const QString& path, const QImage& picture)
{
    TOutputFile f;
    f.Path = path;
    f.Kind = TKind::Picture16;
    f.Picture = picture;
    return f;
}

TOutputFile TOutputFile::BitmapFile(const QString& path, const QImage& picture)
{
    TOutputFile f;
    f.Path = path;
    f.Kind = TKind::Bitmap;
    f.Picture = picture;
    return f;
}

TOutputFile TOutputFile::CopyOf(const QString& source, const QString& path)
{
    TOutputFile f;
    f.Path = path;
    f.Kind = TKind::Copy;
    f.Source = source;
    return f;
}

namespace {

QByteArray Encoded(const TOutputFile& file)
{
    switch (file.Kind) {
    case TOutputFile::TKind::Bytes:
    case TOutputFile::TKind::Copy:
        return file.Bytes;
    case TOutputFile::TKind::Picture16: {
        T16bitArray pixels;
        BitmapTo16bitArray(To24bit(file.Picture), pixels);
        return Bytes16bitArray(pixels);
    }
    case TOutputFile::TKind::Bitmap: {
        QByteArray bmp;
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "bmp");
        if (!writer.write(To24bit(file.Picture)))
            throw TError(QCoreApplication::translate("output", "Cannot create file \"%1\". %2")
                             .arg(QDir::toNativeSeparators(file.Path), writer.errorString()));
        return bmp;
    }
    }
    return {};
}

} // namespace

void AddOutputFile(TFileSet& set, const TOutputFile& file)
{
    if (file.Kind == TOutputFile::TKind::Copy) {
        // The digit files are the firmware's; a missing one is left out, as it always was.
        set.Copy(file.Source, file.Path);
        return;
    }
    if (file.Optional) {
        try {
            set.WriteIfPossible(file.Path, Encoded(file));
        } catch (const TError&) {
        }
        return;
    }
    set.Write(file.Path, Encoded(file));
}

void WriteOutputFiles(const TOutputFiles& files)
{
    TFileSet set;
    for (const TOutputFile& file : files)
        AddOutputFile(set, file);
    set.Commit();
}
