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
    parser.addOptions({splashOpt, speedOpt, resOpt, outOpt, forceOpt});
    if (!parser.parse(QStringList{"generate"} + args))
        return Fail(parser.errorText());
    if (parser.positionalArguments().size() != 1)
        return Fail("usage: tarvolt-cli generate PROJECT.lcd [--splash IMAGE] [--gif-speed MS] [--res DIR] "
                    "[--output DIR [--force]]");
    bool ok = false;
    const int speed = parser.value(speedOpt).toInt(&ok);
    if (!ok || speed < 0 || speed > MaxAnimationSpeed)
        return Fail(QString("--gif-speed takes a whole number from 0 to %1").arg(MaxAnimationSpeed));

    const QString projectFile = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    QImage splashPicture;
    QString splashFile;
    if (parser.isSet(splashOpt)) {
        splashFile = parser.value(splashOpt);
        if (!QFileInfo::exists(splashFile))
            return Fail(QString("\"%1\": no such file").arg(splashFile));
        splashPicture = LoadPictureFile(splashFile);
        if (splashPicture.isNull())
            return Fail(QString("\"%1\": not a BMP or JPEG picture").arg(splashFile));
    }
    // The splash picture and the speed are program settings: in place before the project's splash
    // settings are applied, as in the designer.
    const auto p = LoadCliProject(projectFile, [&](TProject& project) {
        project.Animation().SetSpeed(speed);
        if (!splashPicture.isNull())
            project.Splash().SetPicture(splashPicture, splashFile);
    });
    if (!p->Result.AnimationError.isEmpty())
        return Fail(p->Result.AnimationError);

    TGenerateJob job = p->Project.GenerateJob(
        parser.isSet(resOpt) ? parser.value(resOpt) : ProgramResFolder(),
        parser.value(outOpt));
    job.Force = parser.isSet(forceOpt);
    const QString out = Generate(job);
    for (const QString& w : p->Result.Warnings)
        Err() << "warning: " << w << '\n';
    Out() << "Files for SD-card prepared in " << QDir::toNativeSeparators(out) << '\n';
    return 0;
}

const CommandRegistrar registrar(
    {"generate", "PROJECT.lcd [--splash IMAGE] [--gif-speed MS] [--res DIR] [--output DIR [--force]]",
     "write the SD-card file set of a project", RunGenerate});

} // namespace
