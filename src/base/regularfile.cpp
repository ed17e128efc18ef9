#include "base/regularfile.h"

#include "base/terror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString Shown(const QString& fileName)
{
    return QDir::toNativeSeparators(fileName);
}

[[noreturn]] void CannotOpen(const QString& fileName, const QString& reason)
{
    throw TError(
        QCoreApplication::translate("output", "Cannot open file \"%1\". %2").arg(Shown(fileName), reason));
}

[[noreturn]] void NotRegular(const QString& fileName)
{
    throw TError(QCoreApplication::translate("output", "\"%1\" is not a regular file.").arg(Shown(fileName)));
}

[[noreturn]] void TooLarge(const QString& fileName, qint64 maxBytes, const QString& tooLarge)
{
    if (!tooLarge.isEmpty())
        throw TError(tooLarge);
    throw TError(QCoreApplication::translate("output", "\"%1\" is larger than %2 bytes.")
                     .arg(Shown(fileName))
                     .arg(maxBytes));
}

} // namespace

void OpenRegularFile(QFile& file, const QString& fileName, qint64 maxBytes, const QString& tooLarge)
{
#ifdef Q_OS_UNIX
    // Non-blocking, so that opening a FIFO never waits for its writer; the flag is cleared again once
    // the handle is known to be a regular file.
    const int fd =
        ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        CannotOpen(fileName, QString::fromLocal8Bit(std::strerror(errno)));
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        CannotOpen(fileName, QString::fromLocal8Bit(std::strerror(error)));
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        NotRegular(fileName);
    }
    if (st.st_size > maxBytes) {
        ::close(fd);
        TooLarge(fileName, maxBytes, tooLarge);
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0 ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        const int error = errno;
        ::close(fd);
        CannotOpen(fileName, QString::fromLocal8Bit(std::strerror(error)));
    }
#else
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile())
        NotRegular(fileName);
    file.setFileName(fileName);
    if (!file.open(QIODevice::ReadOnly))
        CannotOpen(fileName, file.errorString());
    if (file.size() > maxBytes) {
        file.close();
        TooLarge(fileName, maxBytes, tooLarge);
    }
#endif
}

QByteArray ReadRegularFile(const QString& fileName, qint64 maxBytes, const QString& tooLarge)
{
    QFile file;
    OpenRegularFile(file, fileName, maxBytes, tooLarge);
    const qint64 size = std::min(file.size(), maxBytes);
    QByteArray bytes = file.read(size);
    if (file.error() != QFileDevice::NoError)
        throw TError(QCoreApplication::translate("output", "Cannot read file \"%1\". %2")
                         .arg(Shown(fileName), file.errorString()));
    return bytes;
}
