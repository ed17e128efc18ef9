#include <QBuffer>
#include <QCommandLineParser>
#include <QImageWriter>

#include "base/atomicfile.h"
#include "commands.h"
#include "model/render.h"
#include "base/terror.h"
#include "projectload.h"

namespace {

int Fail(const QString& message)
{
    Err() << "tarvolt-cli render: " << message << '\n';
    return 1;
}

int RunRender(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption screenOpt("screen", "work screen index", "N", "0");
    const QCommandLineOption powerFailOpt("power-fail", "the power-fail screen");
    const QCommandLineOption zoomOpt("zoom", "zoom", "Z", "1");
    const QCommandLineOption backgroundOpt("background-only", "what Generate's background picture holds");
    const QCommandLineOption gridOpt("grid", "grid step", "STEP");
    const QCommandLineOption outOpt(QStringList{"o", "output"}, "output PNG", "OUT.png");
    const QCommandLineOption strictOpt("strict", "a warning is an error: write nothing");
    parser.addOptions({screenOpt, powerFailOpt, zoomOpt, backgroundOpt, gridOpt, outOpt, strictOpt});
    if (!parser.parse(QStringList{"render"} + args))
        return Fail(parser.errorText());
    if (parser.positionalArguments().size() != 1 || !parser.isSet(outOpt))
        return Fail("usage: tarvolt-cli render PROJECT.lcd [--screen N | --power-fail] [--zoom Z] "
                    "[--background-only] [--grid STEP] [--strict] -o OUT.png");
    if (parser.isSet(screenOpt) && parser.isSet(powerFailOpt))
        return Fail("--screen and --power-fail exclude each other");

    bool ok = false;
    const int zoom = parser.value(zoomOpt).toInt(&ok);
    if (!ok || zoom < 1 || zoom > 16)
        return Fail("--zoom takes a whole number from 1 to 16");
    int grid = 0;
    if (parser.isSet(gridOpt)) {
        grid = parser.value(gridOpt).toInt(&ok);
        if (!ok || grid < 1 || grid > 255)
            return Fail("--grid takes a whole number from 1 to 255");
    }

    const auto p = LoadCliProject(parser.positionalArguments().first());
    const QStringList warnings = ProjectWarnings(*p);
    PrintWarnings("render", warnings);
    if (parser.isSet(strictOpt) && !warnings.isEmpty())
        return Fail("--strict: nothing written because of the warnings above");
    const TLCDList& list = p->Project.Screens();
    TLCD* screen = &p->Project.PowerFail();
    if (!parser.isSet(powerFailOpt)) {
        const int index = parser.value(screenOpt).toInt(&ok);
        if (!ok || index < 0 || index >= list.Count())
            return Fail(QString("the project has no work screen %1 (it has %2)").arg(parser.value(screenOpt)).arg(list.Count()));
        screen = list.Items(index);
    }
    screen->SetZoom(quint8(zoom));
    screen->ShowGrid = grid > 0;
    if (grid > 0)
        screen->GridStep = quint8(grid);
    screen->SelectElement(nullptr);

    TRenderOptions options;
    if (parser.isSet(backgroundOpt)) {
        options = BackgroundPictureOptions();
        options.Grid = grid > 0;
    }
    const QImage image = RenderScreen(*screen, options);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    QString why;
    bool written = writer.write(image);
    if (!written)
        why = writer.errorString();
    else
        written = WriteFileAtomic(parser.value(outOpt), png, &why);
    if (!written)
        return Fail(QString("cannot write \"%1\": %2").arg(parser.value(outOpt), why));
    return 0;
}

const char* const Help =
    "Options:\n"
    "  --screen N          the work screen N, counted from 0 (default 0)\n"
    "  --power-fail        the power-fail screen instead\n"
    "  --zoom Z            each panel pixel as Z x Z pixels, 1 to 16 (default 1)\n"
    "  --background-only   only what Generate bakes into the screen's background picture\n"
    "  --grid STEP         grid lines every STEP panel pixels\n"
    "  --strict            a warning (a picture that is missing or cannot be decoded) is an error:\n"
    "                      nothing is written, the status is 1\n"
    "  -o, --output FILE   the PNG file to write\n";

const CommandRegistrar registrar({"render",
                                  "PROJECT.lcd [--screen N | --power-fail] [--zoom Z] [--background-only] "
                                  "[--grid STEP] [--strict] -o OUT.png",
                                  "draw a screen as the designer shows it into a PNG file", RunRender, Help});

} // namespace
