#pragma once

// Every file the program writes goes through here, so that no file is ever seen half-written under
// its final name: the bytes go to a temporary file in the same folder, which is then renamed over the
// final name in one step. A single file is on the disk when WriteFileAtomic returns; a set of files
// (Generate's output) is flushed to the disk once for the whole set instead of once per file.

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// Writes one file and returns once it is on the disk. Throws TError "Cannot create file "%1". %2"
// with the system's reason ("No space left on device"); the file then keeps what it held.
void WriteFileAtomic(const QString& fileName, const QByteArray& bytes);
// The same without the exception: false, with the system's reason in *why.
bool WriteFileAtomic(const QString& fileName, const QByteArray& bytes, QString* why);

// Files written together and put in place together. Until Commit, every final name keeps what it held
// and the new bytes wait in temporary files beside them; a set that is destroyed without a Commit
// removes its temporary files.
class TFileSet
{
  public:
    TFileSet() = default;
    ~TFileSet();
    TFileSet(const TFileSet&) = delete;
    TFileSet& operator=(const TFileSet&) = delete;

    // Adds one file. A file that already holds exactly these bytes is left as it is; otherwise the
    // bytes go to a temporary file beside it. A name given again replaces its earlier bytes. Throws
    // TError as WriteFileAtomic does.
    void Write(const QString& fileName, const QByteArray& bytes);
    // Adds a file that is a by-product: when it cannot be written or put in place it is left out,
    // without an error.
    void WriteIfPossible(const QString& fileName, const QByteArray& bytes);
    // Adds a copy of source. Returns false and adds nothing when source is not a regular file that
    // can be read (*why says why); throws TError when the copy cannot be written.
    bool Copy(const QString& source, const QString& fileName, QString* why = nullptr);
    // A file to delete once the new files are in place; one that cannot be deleted is left.
    void Remove(const QString& fileName);

    // Flushes the new bytes to the disk, renames each temporary file over its final name, deletes the
    // files given to Remove and flushes the folders, so that everything is on the disk when it returns.
    // Throws TError naming the file that could not be put in place; files renamed before it stay.
    void Commit();

    // Whether a file (any spelling of its path) belongs to the set.
    bool Contains(const QString& fileName) const;
    // Absolute paths of the files of the set, in the order they were first added.
    QStringList Files() const { return order_; }
    // How many files had new bytes, and how many already held theirs.
    int Written() const { return int(written_.size()); }
    int Unchanged() const { return int(order_.size() - written_.size()); }

  private:
    QHash<QString, QString> staged_; // final path -> temporary path, until Commit
    QStringList order_;
    QSet<QString> members_;
    QSet<QString> written_;
    QSet<QString> optional_;
    QStringList removals_;
    bool committed_ = false;
};

// Absolute, clean form of a path as TFileSet compares them.
QString FileSetKey(const QString& fileName);
