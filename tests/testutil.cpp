#include "testutil.h"

#include <QFile>
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

} // namespace testutil
