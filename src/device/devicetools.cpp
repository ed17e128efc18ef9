#include "devicetools.h"

#include "device/panellink.h"
#include "device/panelprotocol.h"

TDeviceTools::TDeviceTools(TPanelLink* link, QObject* parent) : QObject(parent), link_(link) {}

bool TDeviceTools::Fail(const QString& text)
{
    lastError_ = text;
    emit Warning(text);
    return false;
}

bool TDeviceTools::Start()
{
    lastError_.clear();
    QString why;
    if (!link_->BeginCommand(&why))
        return Fail(why);
    return true;
}

std::optional<quint16> TDeviceTools::GetInterval()
{
    if (!Start())
        return std::nullopt;
    QByteArray& buf = link_->ReportBuffer();
    buf[0] = panel::kReportId;
    buf[1] = char(panel::cmdGetInterval);
    QString error;
    std::optional<quint16> interval;
    if (!link_->SendCommand(buf, &error)) {
        // Nothing was written, so nothing will answer.
        Fail(error);
    } else {
        switch (link_->AwaitReply()) {
        case TPanelLink::TReply::Answered:
            interval = link_->ReplyInterval();
            break;
        case TPanelLink::TReply::TimedOut:
            Fail(linktext::NoAnswer());
            break;
        case TPanelLink::TReply::Removed:
            Fail(linktext::NoAnswerRemoved());
            break;
        }
    }
    link_->EndCommand();
    return interval;
}

bool TDeviceTools::SendValue(QString* error)
{
    const bool ok = link_->SendCommand(link_->ValueReport(), error);
    link_->EndCommand();
    return ok;
}

bool TDeviceTools::SetInterval(qint64 seconds)
{
    if (!Start())
        return false;
    // Cleared each time, so that the bytes after the value are zero even after a date and time.
    QByteArray& report = link_->ValueReport();
    report.fill('\0');
    report[0] = panel::kReportId;
    report[1] = char(panel::cmdSetInterval);
    const auto bytes = panel::FloatBytes(panel::IntervalAsFloat(seconds));
    std::copy(bytes.begin(), bytes.end(), report.begin() + 2);
    QString error;
    return SendValue(&error) || Fail(error);
}

bool TDeviceTools::SetDateTime(const QDateTime& when)
{
    if (!when.isValid()) {
        return Fail(tr("Please set the date and time first"));
    }
    if (!Start())
        return false;
    QByteArray& report = link_->ValueReport();
    report.fill('\0');
    report[0] = panel::kReportId;
    report[1] = char(panel::cmdSetDateTime);
    const auto fields = panel::DateTimeFields(when);
    for (int i = 0; i < panel::kDateTimeFields; ++i) {
        const auto bytes = panel::FloatBytes(fields[size_t(i)]);
        std::copy(bytes.begin(), bytes.end(), report.begin() + 2 + 4 * i);
    }
    QString error;
    return SendValue(&error) || Fail(error);
}
