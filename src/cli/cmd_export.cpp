#include "base/atomicfile.h"
#include "commands.h"
#include "project/jsonproject.h"
#include "projectload.h"

#include <QCommandLineParser>

namespace {

int RunExport(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption outOpt(QStringList{"o", "output"}, "the JSON file to write", "OUT.json");
    parser.addOption(outOpt);
    if (!parser.parse(QStringList{"export"} + args) || parser.positionalArguments().size() != 1 ||
        !parser.isSet(outOpt)) {
        Err() << "tarvolt-cli export: usage: tarvolt-cli export PROJECT -o OUT.json\n";
        return 1;
    }
    const TConvertedProject p = LoadProjectForConversion(parser.positionalArguments().first());
    WriteFileAtomic(parser.value(outOpt), ProjectJson(p.Bytes));
    return 0;
}

const char* const Help = "PROJECT is a project file (.lcd) or its text form; the form is told by content.\n"
                         "Options:\n"
                         "  -o, --output FILE   the JSON file to write (replaced atomically)\n";

const CommandRegistrar registrar({"export", "PROJECT -o OUT.json",
                                  "write the project in its text form (JSON, for version control)", RunExport,
                                  Help});

} // namespace
