#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include "commands.h"
#include "base/terror.h"
#include "output/animation.h"
#include "base/datafolders.h"
#include "output/generate.h"
#include "output/splash.h"
#include "projectload.h"

namespace {

int Fail(const QString& message)
{
    Err() << "tarvolt-cli generate: " << message << '\n';
    return 1;
}

int RunGenerate(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption splashOpt("splash", "splash picture (BMP or JPEG)", "IMAGE");
    const QCommandLineOption speedOpt("gif-speed", "milliseconds per animation frame", "MS", "100");
    const QCommandLineOption resOpt("res", "folder with the clock's digit files", "DIR");
    const QCommandLineOption outOpt("output", "output folder", "DIR");
    const QCommandLineOption forceOpt("force", "empty an --output folder that holds no earlier output");
    const QCommandLineOption strictOpt("strict", "a warning is an error: write nothing");
    const QCommandLineOption progressOpt("progress", "print a line as each screen is written");
    parser.addOptions({splashOpt, speedOpt, resOpt, outOpt, forceOpt, strictOpt, progressOpt});
    if (!parser.parse(QStringList{"generate"} + args))
        return Fail(parser.errorText());
    if (parser.positionalArguments().size() != 1)
        return Fail("usage: tarvolt-cli generate PROJECT.lcd [--splash IMAGE] [--gif-speed MS] [--res DIR] "
                    "[--output DIR [--force]] [--strict] [--progress]");
    bool ok = false;
    const int speed = parser.value(speedOpt).toInt(&ok);
    if (!ok || speed < 0 || speed > MaxAnimationSpeed)
        return Fail(QString("--gif-speed takes a whole number from 0 to %1").arg(MaxAnimationSpeed));

    const QString projectFile = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    QImage splashPicture;
    QString splashFile;
    QStringList warnings;
    if (parser.isSet(splashOpt)) {
        splashFile = parser.value(splashOpt);
        if (!QFileInfo::exists(splashFile))
            return Fail(QString("\"%1\": no such file").arg(splashFile));
        QStringList decoder;
        splashPicture = LoadPictureFile(splashFile, &decoder);
        if (splashPicture.isNull())
            return Fail(QString("\"%1\": not a BMP or JPEG picture").arg(splashFile));
        for (const QString& w : std::as_const(decoder))
            warnings << QString("\"%1\": %2 (used by the splash picture)").arg(splashFile, w);
    }
    // The splash picture and the speed are program settings: in place before the project's splash
    // settings are applied, as in the designer.
    const auto p = LoadCliProject(projectFile, [&](TProject& project) {
        project.Animation().SetSpeed(speed);
        if (!splashPicture.isNull())
            project.Splash().SetPicture(splashPicture, splashFile);
    });
    // A GIF that cannot be decoded leaves the animation out, as in the designer: a warning.
    warnings += ProjectWarnings(*p);
    PrintWarnings("generate", warnings);
    if (parser.isSet(strictOpt) && !warnings.isEmpty())
        return Fail("--strict: nothing written because of the warnings above");

    TGenerateJob job = p->Project.GenerateJob(
        parser.isSet(resOpt) ? parser.value(resOpt) : ProgramResFolder(),
        parser.value(outOpt));
    job.Force = parser.isSet(forceOpt);
    if (parser.isSet(progressOpt))
        job.OnScreen = [](int index, int count) {
            Out() << "Screen " << index + 1 << " of " << count << '\n';
            Out().flush();
        };
    const QString out = Generate(job);
    Out() << "Files for SD-card prepared in " << QDir::toNativeSeparators(out) << '\n';
    return 0;
}

const char* const Help =
    "Options:\n"
    "  --splash IMAGE   the splash picture (BMP or JPEG); the built-in one when not given\n"
    "  --gif-speed MS   milliseconds per animation frame (default 100)\n"
    "  --res DIR        the clock's digit files (default: \"res\" beside the program)\n"
    "  --output DIR     write into DIR instead of the folder named after the project (its path\n"
    "                   without the extension). DIR must be new, empty or an earlier output (one\n"
    "                   that holds \"lcdconfig\"); Generate deletes every file in it.\n"
    "  --force          empty an --output folder that is none of these all the same\n"
    "  --strict         a warning (a picture or GIF that is missing, cannot be decoded or decodes\n"
    "                   with a warning) is an error: nothing is written, the status is 1\n"
    "  --progress       print a line as each screen's files are written\n"
    "\n"
    "Never emptied, whatever the options: the project's folder or any folder above it, the home\n"
    "folder or any folder above it, a root folder, a folder that is a link, and a folder that holds\n"
    "the project file, a picture or GIF it uses, the splash picture or the digit files.\n";

const CommandRegistrar registrar(
    {"generate",
     "PROJECT.lcd [--splash IMAGE] [--gif-speed MS] [--res DIR] [--output DIR [--force]] [--strict] "
     "[--progress]",
     "write the SD-card file set of a project", RunGenerate, Help});

} // namespace
