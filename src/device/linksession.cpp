#include "linksession.h"

#include "device/hidapilayer.h"
#include "device/panelprotocol.h"
#include "device/virtualpanel.h"
#include "base/terror.h"

#include <QDir>
#include <cmath>

namespace {

QString TakeValue(QStringList& args, qsizetype i)
{
    if (i + 1 >= args.size())
        throw TError(QStringLiteral("%1 needs a value").arg(args[i]));
    const QString value = args[i + 1];
    args.remove(i, 2);
    return value;
}

// The text as discovery will read it, refused here when it can select no device.
QString CheckedHex(const QString& option, const QString& text)
{
    if (!panel::DeviceIdOfText(text))
        throw TError(
            QStringLiteral("%1 wants a hexadecimal id from 0 to FFFF, not \"%2\"").arg(option, text));
    return text;
}

} // namespace

TLinkOptions TakeLinkOptions(QStringList& args)
{
    TLinkOptions options;
    for (qsizetype i = 0; i < args.size();) {
        // A copy: taking the value out of args moves the elements under a reference.
        const QString a = args[i];
        if (a == QLatin1String("--vid")) {
            options.VendorText = CheckedHex(a, TakeValue(args, i));
        } else if (a == QLatin1String("--pid")) {
            options.ProductText = CheckedHex(a, TakeValue(args, i));
        } else if (a == QLatin1String("--virtual-panel")) {
            options.VirtualPanelDir = TakeValue(args, i);
        } else if (a == QLatin1String("--timeout")) {
            const QString text = TakeValue(args, i);
            bool ok = false;
            const double seconds = text.toDouble(&ok);
            if (!ok || !std::isfinite(seconds) || seconds <= 0 || seconds > 3600)
                throw TError(QStringLiteral("--timeout wants seconds from 0 to 3600, not \"%1\"").arg(text));
            options.TimeoutMs = std::max(1, int(std::lround(seconds * 1000)));
        } else {
            ++i;
        }
    }
    return options;
}

TLinkSession::TLinkSession(const TLinkOptions& options)
{
    if (options.VirtualPanelDir.isEmpty()) {
        layer_ = std::make_unique<THidapiLayer>();
    } else {
        if (!QDir().mkpath(options.VirtualPanelDir))
            throw TError(QStringLiteral("cannot create the virtual panel's folder \"%1\"")
                             .arg(QDir::toNativeSeparators(options.VirtualPanelDir)));
        auto layer = std::make_unique<TVirtualHIDLayer>();
        virtualPanel_ = layer->Plug(options.VirtualPanelDir);
        layer_ = std::move(layer);
    }
    link_ = std::make_unique<TPanelLink>(layer_.get());
    link_->SetIdentity(options.VendorText, options.ProductText);
    link_->SetReplyTimeout(options.TimeoutMs);
    layer_->Start();
    link_->DeviceChange();
    if (!link_->CurrentDevice()) {
        const QStringList advice = link_->ClaimAdvice();
        if (!advice.isEmpty())
            throw TError(advice.join(QLatin1Char('\n')));
        throw TError(QStringLiteral("no device matches vendor id %1 and product id %2")
                         .arg(options.VendorText.toUpper(), options.ProductText.toUpper()));
    }
}

TLinkSession::~TLinkSession()
{
    link_.reset();
    layer_.reset();
}
