#include "fuzzcommon.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

void QuietHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg || type == QtCriticalMsg)
        std::fprintf(stderr, "Qt: %s\n", qPrintable(message));
}

} // namespace

void StartFuzzApplication()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietHandler);
    // The application keeps references to argc and argv; libFuzzer's own arguments stay out of Qt's
    // reach.
    static int argc = 1;
    static char name[] = "tarvolt-fuzz";
    static char* argv[] = {name, nullptr};
    // Never destroyed; the pointer keeps it reachable, so the leak check at exit does not count it.
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

QString FuzzScratchFolder()
{
    // Removed by its destructor at a normal exit; an aborted run leaves it behind, so scripts/fuzz.sh
    // points TMPDIR at a folder of its own and removes that.
    static const QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/tarvolt-fuzz-XXXXXX"));
    return folder.isValid() ? folder.path() : QString();
}

void Finding(const char* what)
{
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}
