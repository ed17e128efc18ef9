#pragma once

// The link to the panel: finds it among the HID devices by vendor and product id, claims it, and
// exchanges commands with it, one output report for each and at most one input report as the answer.
// Everything here runs on the user-interface thread.

#include "device/hiddevice.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <optional>

class TPanelLink : public QObject
{
    Q_OBJECT
  public:
    enum class TReply { Answered, TimedOut, Removed };

    static constexpr int kDefaultReplyTimeoutMs = 5000;

    // Does not start the layer; the owner calls layer->Start() when it is ready for the first notice.
    explicit TPanelLink(THIDLayer* layer, QObject* parent = nullptr);

    // The id texts, read at the start of every discovery pass. By default the texts last given to
    // SetIdentity ("20A0" and "4122" at first); a window passes a source that reads its edit boxes.
    void SetIdentity(const QString& vendorText, const QString& productText);
    void SetIdentitySource(std::function<std::pair<QString, QString>()> source);

    // Discovery pass after a device-change notice: forgets the current device, then makes the last
    // matching present device that can be claimed current. Connected to the layer's DevicesChanged.
    // A matching device that cannot be claimed (opened for reading and writing) is not made current:
    // every command would fail on it.
    void DeviceChange();
    // Enumerates again with the ids as they are now, without forgetting the current device first; the
    // layer looks at the present devices first. Refused (returns false) while a command runs.
    bool Refresh();

    THIDDevice* CurrentDevice() const;
    // The product string of the device found last; when the last pass claimed none, what kept it
    // from the matching device it met, or else "no device" (in the language active now).
    QString DeviceText() const;
    quint32 VendorId() const { return vendorId_; }
    quint32 ProductId() const { return productId_; }

    // A matching device of the last pass that could not be claimed, and why.
    struct TClaimFailure
    {
        THIDDeviceInfo Device;
        THIDOpenError Error;
    };
    const std::optional<TClaimFailure>& LastClaimFailure() const { return claimFailure_; }
    // What the user can do when the last pass met a matching device it could not claim and claimed
    // none: a few lines for the log, in the language active now. Empty otherwise.
    QStringList ClaimAdvice() const;

    // The 251-byte report buffer; exists (all zero) from the first matching device on.
    bool HasReportBuffer() const { return !reportBuffer_.isEmpty(); }
    QByteArray& ReportBuffer() { return reportBuffer_; }
    // The value report of cmdSetInterval and cmdSetDateTime, as long as the report buffer.
    QByteArray& ValueReport() { return valueReport_; }
    // Output report length of the device that commands go to; 0 without one.
    int OutputLength() const;
    // Sets the first OutputLength() bytes of the report buffer to zero.
    void ClearReportBuffer();

    // A command is a run of exchanges with one device. While it runs, commands go to the device it
    // began with even if discovery picks another one, and no other command can begin.
    bool BeginCommand(QString* why);
    void EndCommand();
    bool Busy() const { return busy_; }

    // Clears the reply flag and writes the first L bytes of buffer as one report (L = the device's
    // output report length). Fails, writing nothing, without a device, after the running command has
    // lost its answer, or when L is outside 103 to 251 bytes.
    bool SendCommand(const QByteArray& buffer, QString* error);

    // Waits for the reply flag while the event loop runs (window events included), at most the reply
    // timeout, and not past the removal of the device. After anything but Answered, the running command
    // sends nothing more.
    TReply AwaitReply();
    void SetReplyTimeout(int ms) { replyTimeoutMs_ = ms; }
    int ReplyTimeout() const { return replyTimeoutMs_; }

    // The last reply: the data bytes of the last input report (128, zero-filled behind them).
    const QByteArray& ReplyArea() const { return replyArea_; }
    quint8 ReplyStatus() const { return quint8(replyArea_.at(1)); }
    quint16 ReplyInterval() const
    {
        return quint16(quint8(replyArea_.at(0)) | quint8(replyArea_.at(1)) << 8);
    }
    bool ReplyFlag() const { return replied_; }

  signals:
    // After every discovery pass and Refresh: whether there is a current device now.
    void DiscoveryDone(bool hasDevice);
    void DeviceTextChanged(const QString& text);
    // An input report has been taken into the reply area.
    void ReplyArrived();
    // The current device is gone: unplugged, or closed because its link failed.
    void DeviceLost(const QString& text);

  private:
    void Enumerate();
    bool Claim(THIDDevice* device);
    void OnDeviceRemoved();
    void OnReport(const QByteArray& report);
    THIDDevice* TargetDevice() const;
    // Null: "no device".
    void SetDeviceText(const std::optional<QString>& text);

    THIDLayer* layer_;
    std::function<std::pair<QString, QString>()> identitySource_;
    QString vendorText_ = QStringLiteral("20A0");
    QString productText_ = QStringLiteral("4122");
    quint32 vendorId_ = 0;
    quint32 productId_ = 0;
    QPointer<THIDDevice> current_;
    QPointer<THIDDevice> commandDevice_;
    std::optional<QString> deviceText_;
    std::optional<TClaimFailure> claimFailure_;
    QByteArray reportBuffer_;
    QByteArray valueReport_;
    QByteArray replyArea_;
    bool replied_ = false;
    bool busy_ = false;
    bool commandLost_ = false;
    int replyTimeoutMs_ = kDefaultReplyTimeoutMs;
};

// Texts of the link that the log and the command line show, in the interface language when a
// translation is installed.
namespace linktext {
QString NoDevice();
QString NoAnswer();
QString NoAnswerRemoved();
QString Busy();
// eDev's text for a matching device that could not be claimed.
QString NoPermission(const QString& product);
QString CannotOpen(const QString& product);
// The name of the udev rule that lets the user at the seat open the panel.
inline constexpr char UdevRuleName[] = "70-tarvolt-panel.rules";
} // namespace linktext
