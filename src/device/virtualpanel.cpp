#include "virtualpanel.h"

#include "device/panelprotocol.h"
#include "base/codepage.h"

#include <QMetaObject>
#include <QTimer>
#include <cmath>

TVirtualPanel::TVirtualPanel(const QString& sdRoot, Options options, QObject* parent)
    : THIDDevice(parent), root_(sdRoot), options_(std::move(options))
{}

TVirtualPanel::~TVirtualPanel() = default;

THIDDeviceInfo TVirtualPanel::Info() const
{
    return {QStringLiteral("virtual:") + root_.absolutePath(), options_.VendorId, options_.ProductId,
            options_.ProductString,
            options_.SerialNumber.isEmpty() ? root_.absolutePath() : options_.SerialNumber};
}

bool TVirtualPanel::Open(THIDOpenError* error)
{
    if (removed_) {
        *error = {QStringLiteral("the device has been removed")};
        return false;
    }
    if (open_)
        return true;
    if (!openFailure_.Text.isEmpty()) {
        *error = openFailure_;
        return false;
    }
    open_ = true;
    return true;
}

bool TVirtualPanel::Write(const QByteArray& report, QString* error)
{
    if (removed_ || !open_) {
        *error = removed_ ? QStringLiteral("the device has been removed")
                          : QStringLiteral("the device is not open");
        return false;
    }
    if (failWrites_) {
        *error = QStringLiteral("The device does not accept the report (virtual panel set to fail)");
        return false;
    }
    if (report.size() != options_.OutputLength) {
        *error = QStringLiteral("The report must be %1 bytes long, not %2")
                     .arg(options_.OutputLength)
                     .arg(report.size());
        return false;
    }
    reports_.append(report);
    Handle(report);
    if (onReport_)
        onReport_(report);
    return true;
}

QString TVirtualPanel::HostPath(const QByteArray& report) const
{
    QByteArray name = report.mid(panel::kNameOffset);
    const qsizetype end = name.indexOf('\0');
    if (end < 0)
        return {}; // no terminating zero: the panel cannot tell where the name ends
    name.truncate(end);
    QStringList parts;
    for (const QString& part : FromCodePage(name).split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String(".") || part == QLatin1String("..") || part.contains(QLatin1Char('/')) ||
            part.contains(QLatin1Char(':')))
            return {};
        parts.append(part);
    }
    if (parts.isEmpty())
        return {};
    return root_.absoluteFilePath(parts.join(QLatin1Char('/')));
}

void TVirtualPanel::Handle(const QByteArray& report)
{
    const auto code = quint8(report.at(1));
    switch (code) {
    case panel::cmdBeginTransfer:
    case panel::cmdEndTransfer:
        file_.reset();
        Answer(0, 1);
        break;
    case panel::cmdMakeDir: {
        const QString path = HostPath(report);
        const bool ok = !path.isEmpty() && QDir().mkpath(path);
        Answer(0, ok ? 1 : 0);
        break;
    }
    case panel::cmdOpenFile: {
        file_.reset();
        const QString path = HostPath(report);
        bool ok = false;
        // Like a card's file system, a file can only be made in a folder that exists.
        if (!path.isEmpty() && QFileInfo(path).dir().exists()) {
            file_ = std::make_unique<QFile>(path);
            ok = file_->open(QIODevice::WriteOnly | QIODevice::Truncate);
            if (!ok)
                file_.reset();
        }
        Answer(0, ok ? 1 : 0);
        break;
    }
    case panel::cmdFileData: {
        const int n = quint8(report.at(2));
        bool ok = !statusZero_ && file_ && n >= 1 && n <= panel::kDataChunk && 3 + n <= report.size();
        if (ok)
            ok = file_->write(report.constData() + 3, n) == n;
        Answer(0, ok ? 1 : 0);
        break;
    }
    case panel::cmdCloseFile:
        file_.reset();
        Answer(0, 1);
        break;
    case panel::cmdGetInterval:
        Answer(quint8(interval_ & 0xFF), quint8(interval_ >> 8));
        break;
    case panel::cmdSetInterval: {
        const float f = panel::FloatFromBytes(report.constData() + 2);
        if (std::isfinite(f) && f >= 0.0f && f <= 65535.0f)
            interval_ = quint16(std::lround(f));
        break;
    }
    case panel::cmdSetDateTime: {
        int v[panel::kDateTimeFields];
        for (int i = 0; i < panel::kDateTimeFields; ++i) {
            const float f = panel::FloatFromBytes(report.constData() + 2 + 4 * i);
            v[i] = std::isfinite(f) && std::fabs(f) < 1e6f ? int(std::lround(f)) : -1;
        }
        const QDateTime when(QDate(v[5], v[4], v[3]), QTime(v[0], v[1], v[2]));
        if (when.isValid())
            lastDateTime_ = when;
        break;
    }
    default:
        break; // cmdFinish and unknown codes get no answer
    }
}

void TVirtualPanel::Answer(quint8 data0, quint8 data1)
{
    if (silent_)
        return;
    QByteArray reply(options_.InputLength, '\0');
    reply[0] = panel::kReportId;
    if (reply.size() > 1)
        reply[1] = char(data0);
    if (reply.size() > 2)
        reply[2] = char(data1);
    // Answers arrive through the event loop, as a reader thread's reports do.
    auto deliver = [this, reply] {
        if (!removed_)
            emit ReportReceived(reply);
    };
    if (answerDelayMs_ > 0)
        QTimer::singleShot(answerDelayMs_, this, deliver);
    else
        QMetaObject::invokeMethod(this, deliver, Qt::QueuedConnection);
}

void TVirtualPanel::MarkRemoved()
{
    if (removed_)
        return;
    removed_ = true;
    open_ = false;
    file_.reset();
    emit Removed();
}

QList<THIDDevice*> TVirtualHIDLayer::Devices() const
{
    QList<THIDDevice*> list;
    for (TVirtualPanel* p : present_)
        list.append(p);
    return list;
}

void TVirtualHIDLayer::Start()
{
    started_ = true;
    Notify();
}

TVirtualPanel* TVirtualHIDLayer::Plug(const QString& sdRoot, TVirtualPanel::Options options)
{
    auto* panel = new TVirtualPanel(sdRoot, std::move(options), this);
    present_.append(panel);
    if (started_)
        Notify();
    return panel;
}

void TVirtualHIDLayer::Unplug(TVirtualPanel* panel)
{
    if (!present_.removeOne(panel))
        return;
    panel->MarkRemoved();
    if (started_)
        Notify();
}

void TVirtualHIDLayer::Notify()
{
    QMetaObject::invokeMethod(
        this, [this] { emit DevicesChanged(); }, Qt::QueuedConnection);
}
