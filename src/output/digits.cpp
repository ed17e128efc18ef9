#include "output/digits.h"

#include <QDir>
#include <QStringList>

#include "model/ufonts.h"
#include "base/urgb.h"

QImage DigitPicture(char c)
{
    QImage glyph(CellWidth, CellHeight, QImage::Format_RGB888);
    glyph.fill(Qt::white);
    const quint8* rows = CellGlyph(quint8(c));
    for (int y = 0; y < CellHeight; ++y)
        for (int x = 0; x < CellWidth; ++x)
            if (rows[y] & (0x80 >> x))
                glyph.setPixel(x, y, qRgb(0, 0, 0));
    // The glyph's empty top rows and descender rows are dropped so the figure fills the file.
    const QImage figure = glyph.copy(0, 3, CellWidth, 9);
    return ScaledCopy(figure, DigitFileWidth, DigitFileHeight);
}

QStringList DigitFileNames()
{
    QStringList names{QStringLiteral("n01.bin")};
    for (int d = 0; d <= 9; ++d)
        names << QStringLiteral("n%1.bin").arg(d);
    return names;
}

void WriteDigitFiles(const QString& folder)
{
    const QDir dir(folder);
    const QString chars = QStringLiteral(":0123456789");
    const QStringList names = DigitFileNames();
    for (int i = 0; i < names.size(); ++i) {
        SavePicture16(DigitPicture(chars[i].toLatin1()), dir.filePath(names[i]));
    }
}
