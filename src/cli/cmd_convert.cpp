// tarvolt-cli convert: a BMP or JPEG picture to the panel's 16-bit image file.

#include "commands.h"
#include "base/terror.h"
#include "base/urgb.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString Quoted(const QString& fileName)
{
    return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(fileName));
}

struct TConvertArgs
{
    QString Image;
    QString Output;
    QSize Size; // invalid: keep the picture's own size
};

QSize ParseSize(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,5})[xX]([0-9]{1,5})$"));
    const QRegularExpressionMatch m = pattern.match(text);
    const int w = m.hasMatch() ? m.captured(1).toInt() : 0;
    const int h = m.hasMatch() ? m.captured(2).toInt() : 0;
    if (w <= 0 || h <= 0 || qint64(w) * h > MaxPicturePixels)
        throw TError(
            QStringLiteral("bad --size \"%1\": expected WxH, both above 0 and at most %2 pixels in all")
                .arg(text)
                .arg(MaxPicturePixels));
    return QSize(w, h);
}

// Throws TError with a one-line reason for anything the command cannot run with.
TConvertArgs ParseArgs(const QStringList& args)
{
    TConvertArgs parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const auto value = [&]() -> QString {
            if (i + 1 >= args.size())
                throw TError(QStringLiteral("option %1 needs a value").arg(arg));
            return args[++i];
        };
        if (arg == QLatin1String("-o") || arg == QLatin1String("--output"))
            parsed.Output = value();
        else if (arg == QLatin1String("--size"))
            parsed.Size = ParseSize(value());
        else if (arg.startsWith('-') && arg.size() > 1)
            throw TError(QStringLiteral("unknown option \"%1\"").arg(arg));
        else if (parsed.Image.isNull())
            parsed.Image = arg;
        else
            throw TError(QStringLiteral("unexpected argument \"%1\"").arg(arg));
    }
    if (parsed.Image.isEmpty())
        throw TError(QStringLiteral("no IMAGE given (usage: convert IMAGE -o OUT.bin [--size WxH])"));
    if (parsed.Output.isEmpty())
        throw TError(
            QStringLiteral("no output file given for %1 (use -o OUT.bin)").arg(Quoted(parsed.Image)));
    return parsed;
}

int RunConvert(const QStringList& args)
{
    const TConvertArgs parsed = ParseArgs(args);
    if (!QFileInfo(parsed.Image).isFile())
        throw TError(QStringLiteral("%1: no such file").arg(Quoted(parsed.Image)));

    QImage picture;
    try {
        picture = LoadPictureFile(parsed.Image);
    } catch (const TError& e) {
        throw TError(QStringLiteral("%1: %2").arg(Quoted(parsed.Image), e.Message()));
    }
    if (picture.isNull())
        throw TError(
            QStringLiteral("%1: not a BMP or JPEG picture (.bmp, .jpg, .jpeg)").arg(Quoted(parsed.Image)));
    if (parsed.Size.isValid())
        picture = ScaledCopy(picture, parsed.Size.width(), parsed.Size.height());

    // The file is replaced in one step: a failure leaves no partial file behind.
    SavePicture16(picture, parsed.Output);
    Out() << Quoted(parsed.Output) << ": " << picture.width() << " x " << picture.height() << " pixels, "
          << qint64(picture.width()) * picture.height() * 2 << " bytes\n";
    return 0;
}

const CommandRegistrar registrar({"convert", "IMAGE -o OUT.bin [--size WxH]",
                                  "writes a BMP or JPEG picture as a 16-bit (RGB565) image file, "
                                  "stretched to WxH when given",
                                  &RunConvert});

} // namespace
