// The designer: tarvolt-designer [--splash IMAGE] [PROJECT.lcd]

#include "base/terror.h"
#include "base/urgb.h"
#include "dialogs/propmessages.h"
#include "ui/appicon.h"
#include "ui/umain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdio>

int main(int argc, char** argv)
{
    // Answered before the window system is needed, so that it works without a display.
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--version") == 0) {
            std::printf("tarvolt-designer %s\n", TARVOLT_VERSION);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvolt-designer"));
    QApplication::setApplicationVersion(QStringLiteral(TARVOLT_VERSION));
    // The desktop entry's name: the desktop matches the running window to it (and to its icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("tarvolt-designer"));
    QApplication::setWindowIcon(ApplicationIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Screen designer for Tarvolt RU"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption splashOpt(QStringLiteral("splash"),
                                       QStringLiteral("Show IMAGE (BMP or JPEG) as the splash picture."),
                                       QStringLiteral("IMAGE"));
    parser.addOption(splashOpt);
    parser.addPositionalArgument(QStringLiteral("project"), QStringLiteral("The project (*.lcd) to open."),
                                 QStringLiteral("[PROJECT.lcd]"));
    parser.process(app);
    if (parser.positionalArguments().size() > 1)
        parser.showHelp(2);

    TMForm form;
    // Shown first: what the project and the picture bring up (questions, notices) then stands over the
    // window, in the language the window speaks.
    form.show();
    if (parser.isSet(splashOpt)) {
        const QString file = QFileInfo(parser.value(splashOpt)).absoluteFilePath();
        try {
            const QImage picture = LoadPictureFile(file);
            if (picture.isNull())
                throw TError(propmsg::NoPicture(file));
            form.SetSplashPicture(picture, file);
        } catch (const TError& e) {
            QMessageBox::critical(&form, form.windowTitle(), e.Message());
        }
    }
    // The last project may have come back modified (a picture had to be found again).
    if (!parser.positionalArguments().isEmpty() && form.AskSaveAndGoOn())
        form.OpenProjectFile(QFileInfo(parser.positionalArguments().first()).absoluteFilePath());
    return app.exec();
}
