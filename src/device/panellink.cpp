#include "panellink.h"

#include "device/panelprotocol.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace linktext {
QString NoDevice()
{
    return QCoreApplication::translate("TPanelLink", "no device");
}
QString NoAnswer()
{
    return QCoreApplication::translate("TPanelLink", "no answer from the panel");
}
QString NoAnswerRemoved()
{
    return QCoreApplication::translate("TPanelLink", "no answer from the panel: it was unplugged");
}
QString Busy()
{
    return QCoreApplication::translate("TPanelLink", "Busy: another command is still running");
}
QString NoPermission(const QString& product)
{
    return QCoreApplication::translate("TPanelLink", "%1: no permission to open it").arg(product);
}
QString CannotOpen(const QString& product)
{
    return QCoreApplication::translate("TPanelLink", "%1: cannot be opened").arg(product);
}
} // namespace linktext

TPanelLink::TPanelLink(THIDLayer* layer, QObject* parent)
    : QObject(parent), layer_(layer), replyArea_(panel::kReplyAreaSize, '\0')
{
    connect(layer_, &THIDLayer::DevicesChanged, this, &TPanelLink::DeviceChange);
}

void TPanelLink::SetIdentity(const QString& vendorText, const QString& productText)
{
    vendorText_ = vendorText;
    productText_ = productText;
}

void TPanelLink::SetIdentitySource(std::function<std::pair<QString, QString>()> source)
{
    identitySource_ = std::move(source);
}

THIDDevice* TPanelLink::CurrentDevice() const
{
    return current_ && !current_->IsRemoved() ? current_.data() : nullptr;
}

THIDDevice* TPanelLink::TargetDevice() const
{
    if (busy_)
        return commandDevice_ && !commandDevice_->IsRemoved() ? commandDevice_.data() : nullptr;
    return CurrentDevice();
}

int TPanelLink::OutputLength() const
{
    const THIDDevice* d = TargetDevice();
    return d ? d->OutputReportLength() : 0;
}

QString TPanelLink::DeviceText() const
{
    if (deviceText_)
        return *deviceText_;
    if (claimFailure_) {
        QString product = claimFailure_->Device.ProductString;
        if (product.isEmpty())
            product = tr("The panel");
        return claimFailure_->Error.NoPermission ? linktext::NoPermission(product)
                                                 : linktext::CannotOpen(product);
    }
    return linktext::NoDevice();
}

QStringList TPanelLink::ClaimAdvice() const
{
    if (deviceText_ || !claimFailure_)
        return {};
    const THIDOpenError& e = claimFailure_->Error;
    if (!e.NoPermission)
        return {tr("The panel is attached but cannot be opened: %1.").arg(e.Text)};
    QStringList lines{
        tr("The panel is attached, but this user may not open it: %1.").arg(e.Text),
        tr("Install the udev rule %1 (the package puts it in /usr/lib/udev/rules.d; from a build, copy "
           "packaging/%1 to /etc/udev/rules.d), then unplug the panel and plug it in again.")
            .arg(QLatin1String(linktext::UdevRuleName))};
    if (vendorId_ != panel::kDefaultVendorId || productId_ != panel::kDefaultProductId)
        lines << tr("The rule names vendor id 20A0 and product id 4122; for these ids add a line as its "
                    "comment shows.");
    return lines;
}

void TPanelLink::SetDeviceText(const std::optional<QString>& text)
{
    deviceText_ = text;
    emit DeviceTextChanged(DeviceText());
}

void TPanelLink::DeviceChange()
{
    current_ = nullptr;
    Enumerate();
}

bool TPanelLink::Refresh()
{
    if (busy_)
        return false;
    // A panel that came back since the layer last looked is found now, not at the next look.
    layer_->Rescan();
    Enumerate();
    return true;
}

void TPanelLink::Enumerate()
{
    if (identitySource_) {
        auto [vendor, product] = identitySource_();
        vendorText_ = vendor;
        productText_ = product;
    }
    vendorId_ = panel::ParseHexIdentity(vendorText_);
    productId_ = panel::ParseHexIdentity(productText_);
    claimFailure_.reset();
    SetDeviceText(std::nullopt);
    for (THIDDevice* device : layer_->Devices()) {
        if (device->IsRemoved())
            continue;
        const THIDDeviceInfo info = device->Info();
        if (info.VendorId == vendorId_ && info.ProductId == productId_ && Claim(device)) {
            current_ = device;
            SetDeviceText(info.ProductString);
            if (reportBuffer_.isEmpty()) {
                reportBuffer_ = QByteArray(panel::kReportBufferSize, '\0');
                valueReport_ = QByteArray(panel::kReportBufferSize, '\0');
            }
        }
    }
    if (!deviceText_ && claimFailure_)
        emit DeviceTextChanged(DeviceText());
    emit DiscoveryDone(CurrentDevice() != nullptr);
}

bool TPanelLink::Claim(THIDDevice* device)
{
    THIDOpenError error;
    if (!device->Open(&error)) {
        claimFailure_ = TClaimFailure{device->Info(), error};
        return false;
    }
    connect(device, &THIDDevice::ReportReceived, this, &TPanelLink::OnReport, Qt::UniqueConnection);
    connect(device, &THIDDevice::Removed, this, &TPanelLink::OnDeviceRemoved, Qt::UniqueConnection);
    return true;
}

void TPanelLink::OnDeviceRemoved()
{
    const auto* device = qobject_cast<THIDDevice*>(sender());
    if (!device || device != current_)
        return;
    const QString reason = device->RemovedReason();
    emit DeviceLost(reason.isEmpty()
                        ? tr("The panel was unplugged")
                        : tr("The panel's link failed (%1); it is closed and will be opened again when it "
                             "is found")
                              .arg(reason));
}

void TPanelLink::ClearReportBuffer()
{
    const int n = std::min<int>(OutputLength(), int(reportBuffer_.size()));
    if (n > 0)
        std::fill_n(reportBuffer_.data(), n, '\0');
}

bool TPanelLink::BeginCommand(QString* why)
{
    if (busy_) {
        *why = linktext::Busy();
        return false;
    }
    THIDDevice* d = CurrentDevice();
    if (!d || reportBuffer_.isEmpty()) {
        *why = tr("There is no panel to send to (%1)").arg(linktext::NoDevice());
        return false;
    }
    busy_ = true;
    commandLost_ = false;
    commandDevice_ = d;
    return true;
}

void TPanelLink::EndCommand()
{
    busy_ = false;
    commandLost_ = false;
    commandDevice_ = nullptr;
}

bool TPanelLink::SendCommand(const QByteArray& buffer, QString* error)
{
    replied_ = false;
    if (commandLost_) {
        *error = tr("the command has ended: %1").arg(linktext::NoAnswer());
        return false;
    }
    THIDDevice* d = TargetDevice();
    if (!d) {
        *error = linktext::NoDevice();
        return false;
    }
    const int length = d->OutputReportLength();
    if (length < panel::kMinOutputLength || length > panel::kReportBufferSize || length > buffer.size()) {
        *error = tr("The panel's output report of %1 bytes is not supported (%2 to %3 bytes)")
                     .arg(length)
                     .arg(panel::kMinOutputLength)
                     .arg(panel::kReportBufferSize);
        return false;
    }
    return d->Write(buffer.left(length), error);
}

TPanelLink::TReply TPanelLink::AwaitReply()
{
    if (replied_)
        return TReply::Answered;
    QPointer<THIDDevice> device = TargetDevice();
    if (!device) {
        commandLost_ = busy_;
        return TReply::Removed;
    }
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &TPanelLink::ReplyArrived, &loop, &QEventLoop::quit);
    connect(device, &THIDDevice::Removed, &loop, &QEventLoop::quit);
    connect(device, &QObject::destroyed, &loop, &QEventLoop::quit);
    timer.start(replyTimeoutMs_);
    loop.exec();
    if (replied_)
        return TReply::Answered;
    commandLost_ = busy_;
    return !device || device->IsRemoved() ? TReply::Removed : TReply::TimedOut;
}

void TPanelLink::OnReport(const QByteArray& report)
{
    // Only the device that commands go to answers them; other claimed devices are not listened to.
    if (sender() != TargetDevice())
        return;
    replyArea_.fill('\0');
    const qsizetype n = std::min<qsizetype>(report.size() - 1, panel::kReplyAreaSize);
    if (n > 0)
        std::copy_n(report.constData() + 1, n, replyArea_.data());
    replied_ = true;
    emit ReplyArrived();
}
