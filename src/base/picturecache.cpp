#include "base/picturecache.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

struct TEntry
{
    QDateTime Modified;
    qint64 Size = 0;
    QImage Picture;
    QStringList Warnings;
};

QHash<QString, TEntry>& Entries()
{
    static QHash<QString, TEntry> entries;
    return entries;
}

qint64& Budget()
{
    static qint64 pixels = DefaultProjectPicturePixels;
    return pixels;
}

// Lets go of every picture only the cache still holds.
void Prune()
{
    auto& entries = Entries();
    for (auto it = entries.begin(); it != entries.end();)
        it = it->Picture.isDetached() ? entries.erase(it) : std::next(it);
}

qint64 Pixels(const QImage& picture)
{
    return qint64(picture.width()) * picture.height();
}

} // namespace

qint64 ProjectPicturePixels()
{
    return Budget();
}

void SetProjectPicturePixels(qint64 pixels)
{
    Budget() = pixels;
}

QImage LoadSharedPicture(const QString& fileName, QStringList* warnings)
{
    const QFileInfo info(fileName);
    if (fileName.isEmpty() || !info.exists() || info.isDir())
        return LoadPictureFile(fileName, warnings);
    Prune();
    const QString key = info.canonicalFilePath();
    auto& entries = Entries();
    const auto found = entries.constFind(key);
    if (found != entries.cend() && found->Modified == info.lastModified() && found->Size == info.size()) {
        if (warnings)
            *warnings += found->Warnings;
        return found->Picture;
    }
    TEntry entry{info.lastModified(), info.size(), {}, {}};
    entry.Picture = LoadPictureFile(fileName, &entry.Warnings);
    if (warnings)
        *warnings += entry.Warnings;
    if (entry.Picture.isNull()) {
        entries.remove(key);
        return {};
    }
    entries.insert(key, entry);
    return entry.Picture;
}

qint64 SharedPicturePixels()
{
    Prune();
    qint64 total = 0;
    for (const TEntry& e : std::as_const(Entries()))
        total += Pixels(e.Picture);
    return total;
}

QImage TPictureBudget::Load(const QString& fileName, QStringList* warnings)
{
    const QString key = QFileInfo(fileName).canonicalFilePath();
    if (const auto held = held_.constFind(key); !key.isEmpty() && held != held_.cend()) {
        // Counted once; its warnings were given with the first load.
        return *held;
    }
    QImage picture = LoadSharedPicture(fileName, warnings);
    if (picture.isNull())
        return picture;
    if (used_ + Pixels(picture) > max_)
        throw TPictureTooLarge(
            QCoreApplication::translate("output", "The pictures of this project take more than %1 pixels of "
                                                  "memory; \"%2\" (%3 x %4) is one too many.")
                .arg(max_)
                .arg(QDir::toNativeSeparators(fileName))
                .arg(picture.width())
                .arg(picture.height()));
    used_ += Pixels(picture);
    held_.insert(key, picture);
    return picture;
}
