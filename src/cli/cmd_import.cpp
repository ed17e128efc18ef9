#include "base/atomicfile.h"
#include "commands.h"
#include "projectload.h"

#include <QCommandLineParser>

namespace {

int RunImport(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption outOpt(QStringList{"o", "output"}, "the project file to write", "OUT.lcd");
    parser.addOption(outOpt);
    if (!parser.parse(QStringList{"import"} + args) || parser.positionalArguments().size() != 1 ||
        !parser.isSet(outOpt)) {
        Err() << "tarvolt-cli import: usage: tarvolt-cli import PROJECT -o OUT.lcd\n";
        return 1;
    }
    const TConvertedProject p = LoadProjectForConversion(parser.positionalArguments().first());
    WriteFileAtomic(parser.value(outOpt), p.Bytes);
    return 0;
}

const char* const Help = "PROJECT is the text form of a project (JSON) or a project file (.lcd); the form\n"
                         "is told by content, so importing a .lcd file loads and saves it.\n"
                         "Options:\n"
                         "  -o, --output FILE   the project file to write (replaced atomically)\n";

const CommandRegistrar registrar({"import", "PROJECT -o OUT.lcd",
                                  "write a project's text form (or a project) as a project file", RunImport,
                                  Help});

} // namespace
