#include "commands.h"
#include "panel/panelset.h"

#include <QCommandLineParser>

namespace {

int RunCheck(const QStringList& args)
{
    QCommandLineParser parser;
    if (!parser.parse(QStringList{"check"} + args) || parser.positionalArguments().size() != 1) {
        Err() << "tarvolt-cli check: usage: tarvolt-cli check FOLDER\n";
        return 2;
    }
    const QString folder = parser.positionalArguments().first();
    const TFolderSource source(folder);
    if (!source.Exists()) {
        Err() << "tarvolt-cli check: \"" << folder << "\": no such folder\n";
        return 1;
    }
    const TPanelSet set = ReadPanelSet(source);
    for (const QString& line : CheckReport(set))
        Out() << line << '\n';
    return set.Whole() ? 0 : 1;
}

const CommandRegistrar registrar({"check", "FOLDER",
                                  "list what in an SD-card set does not fit and what the panel ignores; "
                                  "status 0 when the set is whole",
                                  RunCheck});

} // namespace
