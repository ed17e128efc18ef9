#include "commands.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "base/terror.h"

namespace {

std::vector<CliCommand>& Registry()
{
    static std::vector<CliCommand> commands;
    return commands;
}

void PrintHelp(QTextStream& s)
{
    s << "Usage: tarvolt-cli COMMAND [ARGS]\n\n"
         "Headless tools of the screen designer.\n\nCommands:\n";
    auto commands = Registry();
    std::sort(commands.begin(), commands.end(),
              [](const CliCommand& a, const CliCommand& b) { return qstrcmp(a.Name, b.Name) < 0; });
    for (const CliCommand& c : commands)
        s << "  " << c.Name << ' ' << c.Usage << "\n      " << c.Summary << '\n';
    s << "\n  --help      show this text (COMMAND --help: that command's)\n"
         "  --version   show the version\n";
    s.flush();
}

void PrintCommandHelp(const CliCommand& c)
{
    QTextStream& s = Out();
    s << "Usage: tarvolt-cli " << c.Name << ' ' << c.Usage << "\n\n" << c.Summary << '\n';
    if (c.Help)
        s << '\n' << c.Help;
    s.flush();
}

} // namespace

void RegisterCommand(const CliCommand& command)
{
    Registry().push_back(command);
}

QTextStream& Out()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream& Err()
{
    static QTextStream s(stderr);
    return s;
}

// Qt's own diagnostics (fonts, runtime folders, ...) are not for the user of a command-line tool;
// TARVOLT_CLI_DEBUG=1 shows them.
static void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg || qEnvironmentVariableIsSet("TARVOLT_CLI_DEBUG"))
        fprintf(stderr, "%s\n", qPrintable(message));
}

int main(int argc, char** argv)
{
    qInstallMessageHandler(QuietMessages);
    // Rendering needs fonts and images but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);

    if (args.isEmpty() || args.first() == "--help" || args.first() == "-h") {
        PrintHelp(args.isEmpty() ? Err() : Out());
        return args.isEmpty() ? 2 : 0;
    }
    if (args.first() == "--version") {
        Out() << "tarvolt-cli " << TARVOLT_VERSION << '\n';
        Out().flush();
        return 0;
    }
    const QString name = args.takeFirst();
    for (const CliCommand& c : Registry()) {
        if (name == QLatin1String(c.Name)) {
            if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
                PrintCommandHelp(c);
                return 0;
            }
            try {
                int rc = c.Run(args);
                Out().flush();
                Err().flush();
                return rc;
            } catch (const TError& e) {
                Out().flush();
                Err() << "tarvolt-cli " << name << ": " << e.Message() << '\n';
                Err().flush();
                return 1;
            }
        }
    }
    Err() << "tarvolt-cli: unknown command \"" << name << "\" (see --help)\n";
    Err().flush();
    return 2;
}
