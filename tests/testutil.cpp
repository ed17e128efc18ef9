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

QImage SolidImage(int w, int h, QRgb rgb)
{
    QImage img(w, h, QImage::Format_RGB888);
    img.fill(QColor::fromRgb(rgb));
    return img;
}

} // namespace testutil
