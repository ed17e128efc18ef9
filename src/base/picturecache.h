#pragma once

// Picture files decoded once and shared. Many elements and screens may show one file: each gets a
// QImage of the one decoded copy (QImage shares its pixels between copies and copies them only when
// one of them is changed), so a picture costs its memory once, however often a project uses it.

#include "base/urgb.h"

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>

// The decoded pixels one project load may hold at once, over all the different picture files it
// names: four of the largest pictures LoadPictureFile decodes.
inline constexpr qint64 DefaultProjectPicturePixels = 4 * MaxPicturePixels;

// The budget project loads get (DefaultProjectPicturePixels until changed; tests lower it).
qint64 ProjectPicturePixels();
void SetProjectPicturePixels(qint64 pixels);

// LoadPictureFile through the cache: a file is decoded once for as long as anything holds a picture
// of it, recognised by its resolved path, modification time and size, so a changed file is decoded
// again. The decoder's warnings come with every copy. Errors are LoadPictureFile's, and nothing is
// kept of a file that failed. Used on the user-interface thread only.
QImage LoadSharedPicture(const QString& fileName, QStringList* warnings = nullptr);

// Pixels of the pictures the cache keeps now (those still in use somewhere).
qint64 SharedPicturePixels();

// The pictures of one operation (a project load), each different file counted once against a pixel
// budget and held until the operation ends, so that its later loads of the same files share them.
class TPictureBudget
{
  public:
    explicit TPictureBudget(qint64 maxPixels = ProjectPicturePixels()) : max_(maxPixels) {}

    // LoadSharedPicture, counted. A picture that takes the total over the budget throws
    // TPictureTooLarge naming the file and the budget; the picture is not kept.
    QImage Load(const QString& fileName, QStringList* warnings = nullptr);

    qint64 Used() const { return used_; }

  private:
    qint64 max_;
    qint64 used_ = 0;
    QHash<QString, QImage> held_; // by resolved path
};
