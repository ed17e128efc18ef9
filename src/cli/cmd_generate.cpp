#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include "commands.h"
#include "model/terror.h"
#include "output/animation.h"
#include "output/datafolders.h"
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
    parser.addOptions({splashOpt, speedOpt, resOpt, outOpt});
    if (!parser.parse(QStringList{"generate"} + args))
        return Fail(parser.errorText());
    if (parser.positionalArguments().size() != 1)
        return Fail("usage: tarvolt-cli generate PROJECT.lcd [--splash IMAGE] [--gif-speed MS] [--res DIR] [--output DIR]");
    bool ok = false;
    const int speed = parser.value(speedOpt).toInt(&ok);
    if (!ok || speed < 0 || speed > MaxAnimationSpeed)
        return Fail(QString("--gif-speed takes a whole number from 0 to %1").arg(MaxAnimationSpeed));

    const QString projectFile = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    const auto p = LoadCliProject(projectFile);

    TSplash splash;
    TAnimation animation;
    animation.SetSpeed(speed);
    splash.SetScreenSize(p->List.Items(0)->Landscape ? QSize(320, 240) : QSize(240, 320));
    if (parser.isSet(splashOpt)) {
        const QString file = parser.value(splashOpt);
        if (!QFileInfo::exists(file))
            return Fail(QString("\"%1\": no such file").arg(file));
        const QImage picture = LoadPictureFile(file);
        if (picture.isNull())
            return Fail(QString("\"%1\": not a BMP or JPEG picture").arg(file));
        splash.SetPicture(picture, file);
    }
    ApplySplashSettings(p->Result.Splash, splash, animation);
    if (p->PowerFail.Background.isNull())
        p->PowerFail.Background = BuiltInPowerFailPicture();

    TGenerateJob job;
    job.ProjectFile = projectFile;
    job.OutputFolder = parser.value(outOpt);
    job.ResFolder = parser.isSet(resOpt) ? parser.value(resOpt) : ProgramResFolder();
    job.Screens = &p->List;
    job.PowerFail = &p->PowerFail;
    job.Splash = &splash;
    job.Animation = &animation;
    const QString out = Generate(job);
    for (const QString& w : p->Result.Warnings)
        Err() << "warning: " << w << '\n';
    Out() << "Files for SD-card prepared in " << QDir::toNativeSeparators(out) << '\n';
    return 0;
}

const CommandRegistrar registrar({"generate", "PROJECT.lcd [--splash IMAGE] [--gif-speed MS] [--res DIR] [--output DIR]",
                                  "write the SD-card file set of a project", RunGenerate});

} // namespace
