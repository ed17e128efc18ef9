#include "commands.h"
#include "device/devicetools.h"
#include "device/linksession.h"
#include "base/terror.h"

#include <QDateTime>

namespace {

const QString kUsage = QStringLiteral(
    "usage: device (get-interval | set-interval N | set-time [YYYY-MM-DDTHH:MM:SS]) [--vid HEX --pid HEX] "
    "[--virtual-panel DIR] [--timeout S]");

int RunDevice(const QStringList& arguments)
{
    QStringList args = arguments;
    const TLinkOptions options = TakeLinkOptions(args);
    if (args.isEmpty())
        throw TError(kUsage);
    const QString action = args.takeFirst();

    if (action == QLatin1String("get-interval")) {
        if (!args.isEmpty())
            throw TError(kUsage);
        TLinkSession session(options);
        TDeviceTools tools(&session.Link());
        const std::optional<quint16> interval = tools.GetInterval();
        if (!interval)
            throw TError(tools.LastError());
        Out() << *interval << '\n';
        return 0;
    }
    if (action == QLatin1String("set-interval")) {
        bool ok = false;
        const uint seconds = args.size() == 1 ? args.first().toUInt(&ok) : 0;
        if (!ok || seconds > 65535)
            throw TError(QStringLiteral("set-interval wants whole seconds from 0 to 65535"));
        TLinkSession session(options);
        TDeviceTools tools(&session.Link());
        if (!tools.SetInterval(seconds))
            throw TError(tools.LastError());
        return 0;
    }
    if (action == QLatin1String("set-time")) {
        if (args.size() > 1)
            throw TError(kUsage);
        QDateTime when = QDateTime::currentDateTime();
        if (args.size() == 1) {
            when = QDateTime::fromString(args.first(), Qt::ISODate);
            if (!when.isValid())
                throw TError(QStringLiteral("\"%1\" is not a date and time of the form YYYY-MM-DDTHH:MM:SS")
                                 .arg(args.first()));
        }
        TLinkSession session(options);
        TDeviceTools tools(&session.Link());
        if (!tools.SetDateTime(when))
            throw TError(tools.LastError());
        Out() << when.toString(Qt::ISODate) << '\n';
        return 0;
    }
    throw TError(kUsage);
}

const CommandRegistrar registrar({"device",
                                  "(get-interval | set-interval N | set-time [YYYY-MM-DDTHH:MM:SS]) "
                                  "[--vid HEX --pid HEX] [--virtual-panel DIR] [--timeout S]",
                                  "read or set the panel's light interval, set its date and time",
                                  RunDevice});

} // namespace
