#include "testutil.h"

#include <QFile>
#include <csignal>
#include <sys/resource.h>
#include <gtest/gtest.h>

namespace testutil {

QString FixturePath(const QString& name)
{
    return QStringLiteral(TARVOLT_FIXTURES "/") + name;
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return f.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}

quint8 U8(const QByteArray& bytes, qsizetype at)
{
    if (at < 0 || at >= bytes.size()) {
        ADD_FAILURE() << "read at " << at << " of " << bytes.size() << " bytes";
        return 0;
    }
    return quint8(bytes[at]);
}

quint16 U16(const QByteArray& bytes, qsizetype at)
{
    return quint16(U8(bytes, at) | U8(bytes, at + 1) << 8);
}

quint32 U32(const QByteArray& bytes, qsizetype at)
{
    return U16(bytes, at) | quint32(U16(bytes, at + 2)) << 16;
}

QImage SolidImage(int w, int h, QRgb rgb)
{
    QImage img(w, h, QImage::Format_RGB888);
    img.fill(QColor::fromRgb(rgb));
    return img;
}

TFileSizeLimit::TFileSizeLimit(qint64 bytes)
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    soft_ = limit.rlim_cur;
    signal_ = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = rlim_t(bytes);
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        ADD_FAILURE() << "cannot lower the file size limit";
}

TFileSizeLimit::~TFileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(soft_);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, signal_);
}

} // namespace testutil
