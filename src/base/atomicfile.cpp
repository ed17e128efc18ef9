#include "base/atomicfile.h"

#include "base/terror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include "base/writeall.h"

#include <QSaveFile>
#endif

namespace {

// A copied file larger than this is not one of ours (the largest, a picture, is a few hundred KB).
constexpr qint64 kMaxCopySize = qint64(64) << 20;

// Up to this many files are flushed one by one; a larger set flushes its whole file system at once,
// which costs one wait on the disk instead of one per file.
constexpr qsizetype kFlushFilesOneByOne = 8;

QString CannotCreate(const QString& fileName, const QString& reason)
{
    return QCoreApplication::translate("output", "Cannot create file \"%1\". %2")
        .arg(QDir::toNativeSeparators(fileName), reason);
}

#ifdef Q_OS_UNIX

QString SystemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

// Closes a descriptor however the scope is left.
struct TFd
{
    int fd = -1;
    ~TFd()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int release()
    {
        const int f = fd;
        fd = -1;
        return f;
    }
};

bool WriteWhole(int fd, const QByteArray& bytes)
{
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

// Reads a regular file of at most cap bytes whole; never waits on a pipe or a device node.
bool ReadRegular(const QByteArray& path, qint64 cap, QByteArray* out, int* error)
{
    TFd f{::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)};
    struct stat st
    {
    };
    if (f.fd < 0 || ::fstat(f.fd, &st) != 0) {
        *error = errno;
        return false;
    }
    if (!S_ISREG(st.st_mode) || st.st_size > cap) {
        *error = S_ISREG(st.st_mode) ? EFBIG : EINVAL;
        return false;
    }
    out->resize(qsizetype(st.st_size));
    qsizetype done = 0;
    while (done < out->size()) {
        const ssize_t n = ::read(f.fd, out->data() + done, size_t(out->size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *error = errno;
            return false;
        }
        if (n == 0)
            break; // the file shrank meanwhile
        done += n;
    }
    out->truncate(done);
    return true;
}

// Whether the file under this name is a regular file holding exactly these bytes.
bool HoldsBytes(const QByteArray& path, const QByteArray& bytes)
{
    struct stat st
    {
    };
    if (::lstat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size != bytes.size())
        return false;
    QByteArray existing;
    int error = 0;
    return ReadRegular(path, bytes.size(), &existing, &error) && existing == bytes;
}

// A new file beside the final one, named so that it cannot clash with ours or anybody's.
int CreateTemporary(const QString& finalPath, QString* tempPath, int* error)
{
    static std::atomic<unsigned> counter{0};
    const QFileInfo info(finalPath);
    const QString folder = info.absolutePath();
    // The final name's start keeps the temporary file recognisable; its length keeps within NAME_MAX.
    const QString stem = info.fileName().left(64);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = QStringLiteral(".%1.%2-%3.tmp")
                                 .arg(stem)
                                 .arg(qint64(::getpid()))
                                 .arg(counter.fetch_add(1, std::memory_order_relaxed));
        const QString path = folder + QLatin1Char('/') + name;
        const int fd = ::open(Native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            *tempPath = path;
            return fd;
        }
        if (errno != EEXIST) {
            *error = errno;
            return -1;
        }
    }
    *error = EEXIST;
    return -1;
}

// Writes bytes to a new temporary file beside finalPath, with the final file's permissions when it
// exists; flushes it to the disk when asked. Returns the temporary path, or an empty one with the
// system's reason in *why.
QString Stage(const QString& finalPath, const QByteArray& bytes, bool flush, QString* why)
{
    QString temp;
    int error = 0;
    TFd f{CreateTemporary(finalPath, &temp, &error)};
    if (f.fd < 0) {
        *why = SystemText(error);
        return {};
    }
    struct stat st
    {
    };
    bool ok = true;
    if (::stat(Native(finalPath).constData(), &st) == 0 && S_ISREG(st.st_mode))
        ok = ::fchmod(f.fd, st.st_mode & 07777) == 0;
    ok = ok && WriteWhole(f.fd, bytes) && (!flush || ::fsync(f.fd) == 0);
    error = ok ? 0 : errno;
    // close() is where some file systems report a failed write.
    if (::close(f.release()) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(Native(temp).constData());
        *why = SystemText(error);
        return {};
    }
    return temp;
}

QString StageOrThrow(const QString& finalPath, const QByteArray& bytes)
{
    QString why;
    const QString temp = Stage(finalPath, bytes, false, &why);
    if (temp.isEmpty())
        throw TError(CannotCreate(finalPath, why));
    return temp;
}

bool Publish(const QString& temp, const QString& finalPath, QString* why)
{
    if (::rename(Native(temp).constData(), Native(finalPath).constData()) == 0)
        return true;
    *why = SystemText(errno);
    ::unlink(Native(temp).constData());
    return false;
}

bool FlushPath(const QString& path, bool folder)
{
    TFd f{::open(Native(path).constData(), (folder ? O_RDONLY | O_DIRECTORY : O_RDONLY) | O_CLOEXEC)};
    return f.fd >= 0 && ::fsync(f.fd) == 0;
}

// Flushes each file system that holds one of the folders: one wait on the disk for all their files.
bool FlushFileSystems(const QStringList& folders)
{
#ifdef __linux__
    QSet<dev_t> done;
    for (const QString& folder : folders) {
        TFd f{::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
        struct stat st
        {
        };
        if (f.fd < 0 || ::fstat(f.fd, &st) != 0)
            return false;
        if (done.contains(st.st_dev))
            continue;
        done.insert(st.st_dev);
        if (::syncfs(f.fd) != 0)
            return false;
    }
    return true;
#else
    Q_UNUSED(folders);
    ::sync();
    return true;
#endif
}

#endif // Q_OS_UNIX

} // namespace

QString FileSetKey(const QString& fileName)
{
    return QDir::cleanPath(QFileInfo(fileName).absoluteFilePath());
}

bool WriteFileAtomic(const QString& fileName, const QByteArray& bytes, QString* why)
{
#ifdef Q_OS_UNIX
    const QString path = FileSetKey(fileName);
    const QString temp = Stage(path, bytes, true, why);
    if (temp.isEmpty() || !Publish(temp, path, why))
        return false;
    // The rename is only lasting once the folder that holds the name is flushed too.
    FlushPath(QFileInfo(path).absolutePath(), true);
    return true;
#else
    QSaveFile file(fileName);
    file.setDirectWriteFallback(false);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && WriteAll(file, bytes) && file.commit())
        return true;
    *why = file.errorString();
    return false;
#endif
}

void WriteFileAtomic(const QString& fileName, const QByteArray& bytes)
{
    QString why;
    if (!WriteFileAtomic(fileName, bytes, &why))
        throw TError(CannotCreate(fileName, why));
}

TFileSet::~TFileSet()
{
#ifdef Q_OS_UNIX
    if (!committed_)
        for (const QString& temp : std::as_const(staged_))
            ::unlink(Native(temp).constData());
#endif
}

bool TFileSet::Contains(const QString& fileName) const
{
    return members_.contains(FileSetKey(fileName));
}

void TFileSet::Write(const QString& fileName, const QByteArray& bytes)
{
    const QString path = FileSetKey(fileName);
    if (!members_.contains(path)) {
        members_.insert(path);
        order_.append(path);
    }
#ifdef Q_OS_UNIX
    if (const auto it = staged_.find(path); it != staged_.end()) {
        ::unlink(Native(it.value()).constData());
        staged_.erase(it);
        written_.remove(path);
    }
    if (HoldsBytes(Native(path), bytes))
        return;
    staged_.insert(path, StageOrThrow(path, bytes));
#else
    // Without the POSIX calls every file is replaced on its own, at once.
    WriteFileAtomic(path, bytes);
#endif
    written_.insert(path);
}

void TFileSet::WriteIfPossible(const QString& fileName, const QByteArray& bytes)
{
    const QString path = FileSetKey(fileName);
    try {
        Write(path, bytes);
        optional_.insert(path);
    } catch (const TError&) {
        members_.remove(path);
        order_.removeAll(path);
    }
}

bool TFileSet::Copy(const QString& source, const QString& fileName, QString* why)
{
    QByteArray bytes;
#ifdef Q_OS_UNIX
    int error = 0;
    if (!ReadRegular(Native(source), kMaxCopySize, &bytes, &error)) {
        if (why)
            *why = SystemText(error);
        return false;
    }
#else
    QFile in(source);
    if (!QFileInfo(source).isFile() || in.size() > kMaxCopySize || !in.open(QIODevice::ReadOnly)) {
        if (why)
            *why = in.errorString();
        return false;
    }
    bytes = in.read(kMaxCopySize);
#endif
    Write(fileName, bytes);
    return true;
}

void TFileSet::Remove(const QString& fileName)
{
    removals_.append(FileSetKey(fileName));
}

void TFileSet::Commit()
{
    committed_ = true;
#ifdef Q_OS_UNIX
    QStringList folders;
    QSet<QString> seen;
    for (const QStringList* paths : {&order_, &removals_})
        for (const QString& path : *paths) {
            const QString folder = QFileInfo(path).absolutePath();
            if (!seen.contains(folder)) {
                seen.insert(folder);
                folders.append(folder);
            }
        }
    const bool oneByOne = staged_.size() <= kFlushFilesOneByOne;

    // The new bytes reach the disk before any final name points at them, so that after a crash a
    // final name holds either its old or its new bytes, never a part of them.
    bool flushed = true;
    if (oneByOne) {
        for (const QString& temp : std::as_const(staged_))
            flushed = FlushPath(temp, false) && flushed;
    } else if (!staged_.isEmpty()) {
        flushed = FlushFileSystems(folders);
    }
    if (!flushed) {
        const int error = errno;
        for (const QString& temp : std::as_const(staged_))
            ::unlink(Native(temp).constData());
        const QString first = staged_.isEmpty() ? QString() : staged_.constBegin().key();
        staged_.clear();
        throw TError(CannotCreate(first, SystemText(error)));
    }

    // Published in the order the files were added.
    for (const QString& path : std::as_const(order_)) {
        const auto it = staged_.find(path);
        if (it == staged_.end())
            continue;
        const QString temp = it.value();
        staged_.erase(it);
        QString why;
        if (!Publish(temp, path, &why) && !optional_.contains(path)) {
            for (const QString& rest : std::as_const(staged_))
                ::unlink(Native(rest).constData());
            staged_.clear();
            throw TError(CannotCreate(path, why));
        }
    }
    for (const QString& path : std::as_const(removals_))
        if (!members_.contains(path))
            ::unlink(Native(path).constData());

    if (oneByOne) {
        for (const QString& folder : std::as_const(folders))
            FlushPath(folder, true);
    } else {
        FlushFileSystems(folders);
    }
#endif
}
