#include "commands.h"
#include "device/download.h"
#include "device/linksession.h"
#include "base/terror.h"

#include <QFileInfo>

namespace {

int RunDownload(const QStringList& arguments)
{
    QStringList args = arguments;
    const TLinkOptions options = TakeLinkOptions(args);
    if (args.size() != 1 || args.first().startsWith(QLatin1String("--")))
        throw TError(QStringLiteral("usage: download FOLDER [--vid HEX --pid HEX] [--virtual-panel DIR] "
                                    "[--timeout S]"));
    const QString folder = args.first();
    if (!QFileInfo(folder).isDir())
        throw TError(QStringLiteral("\"%1\" is not a folder").arg(folder));

    TLinkSession session(options);
    TDownload download(&session.Link());
    QObject::connect(&download, &TDownload::LogLine, [](const QString& line, bool) {
        Out() << line << '\n';
        Out().flush();
    });
    QObject::connect(&download, &TDownload::Warning, [](const QString& text) {
        Err() << "warning: " << text << '\n';
        Err().flush();
    });
    const TDownload::TOutcome outcome = download.WriteAll(folder);
    if (outcome != TDownload::TOutcome::Done)
        throw TError(download.LastError());
    if (download.Problems() > 0)
        throw TError(QStringLiteral("%1 file(s) or report(s) did not reach the panel whole (see above)")
                         .arg(download.Problems()));
    return 0;
}

const CommandRegistrar
    registrar({"download", "FOLDER [--vid HEX --pid HEX] [--virtual-panel DIR] [--timeout S]",
               "write a folder tree to the panel (\"Write all\"), printing the log", RunDownload});

} // namespace
