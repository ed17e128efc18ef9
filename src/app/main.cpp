// The designer: tarvolt-designer [PROJECT.lcd]

#include <QApplication>
#include <QFileInfo>
#include <cstdio>

#include "ui/umain.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvolt-designer"));
    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() > 1 || (!args.isEmpty() && args.first().startsWith(QLatin1Char('-')))) {
        std::fprintf(stderr, "usage: tarvolt-designer [PROJECT.lcd]\n");
        return 2;
    }
    TMForm form;
    if (!args.isEmpty())
        form.OpenProjectFile(QFileInfo(args.first()).absoluteFilePath());
    form.show();
    return app.exec();
}
