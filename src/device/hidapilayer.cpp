#include "hidapilayer.h"

#include "device/reportdescriptor.h"

#include <QMetaObject>
#include <QSet>
#include <chrono>
#include <hidapi/hidapi.h>

#ifdef __linux__
#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <linux/hidraw.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr int kReportId = 1;
constexpr int kPollIntervalMs = 1000;
constexpr int kReadSliceMs = 100;

QString HidError(hid_device* dev)
{
    const wchar_t* text = hid_error(dev);
    if (!text)
        return QStringLiteral("unknown HID error");
    return QString::fromWCharArray(text);
}

// hidapi keeps library-wide state; the layers share it.
int& InitCount()
{
    static int count = 0;
    return count;
}

} // namespace

TReportLengths ReadHidrawReportLengths(const QString& path)
{
#ifdef __linux__
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {};
    int size = 0;
    hidraw_report_descriptor rd{};
    TReportLengths lengths;
    if (::ioctl(fd, HIDIOCGRDESCSIZE, &size) == 0 && size > 0 && size <= HID_MAX_DESCRIPTOR_SIZE) {
        rd.size = quint32(size);
        if (::ioctl(fd, HIDIOCGRDESC, &rd) == 0)
            lengths = ParseReportLengths(
                QByteArrayView(reinterpret_cast<const char*>(rd.value), qsizetype(rd.size)), kReportId);
    }
    ::close(fd);
    return lengths;
#else
    Q_UNUSED(path);
    return {};
#endif
}

QString DescribeFileAccess(const QString& path)
{
#ifdef __linux__
    struct stat st = {};
    if (::stat(path.toLocal8Bit().constData(), &st) != 0)
        return {};
    const passwd* user = ::getpwuid(st.st_uid);
    const group* grp = ::getgrgid(st.st_gid);
    const QString owner = user ? QString::fromLocal8Bit(user->pw_name) : QString::number(st.st_uid);
    const QString groupName = grp ? QString::fromLocal8Bit(grp->gr_name) : QString::number(st.st_gid);
    return QStringLiteral("owner %1, group %2, mode %3")
        .arg(owner, groupName, QStringLiteral("%1").arg(st.st_mode & 07777, 4, 8, QLatin1Char('0')));
#else
    Q_UNUSED(path);
    return {};
#endif
}

THIDOpenError HidrawOpenError(const QString& path, const QString& hidapiText)
{
#ifdef __linux__
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
    } else if (errno == EACCES || errno == EPERM) {
        const QString access = DescribeFileAccess(path);
        return {access.isEmpty()
                    ? QStringLiteral("no permission to read and write %1").arg(path)
                    : QStringLiteral("no permission to read and write %1 (%2)").arg(path, access),
                true};
    }
#endif
    return {QStringLiteral("cannot open %1: %2").arg(path, hidapiText)};
}

namespace {

// hidapi's own functions.
class THidapiBackend : public THidBackend
{
  public:
    THidapiBackend()
    {
        if (InitCount()++ == 0)
            hid_init();
    }
    ~THidapiBackend() override
    {
        if (--InitCount() == 0)
            hid_exit();
    }

    QList<THIDDeviceInfo> Enumerate() override
    {
        QList<THIDDeviceInfo> found;
        hid_device_info* list = hid_enumerate(0, 0);
        for (hid_device_info* e = list; e; e = e->next) {
            THIDDeviceInfo info;
            info.Path = QString::fromLocal8Bit(e->path);
            info.VendorId = e->vendor_id;
            info.ProductId = e->product_id;
            if (e->product_string)
                info.ProductString = QString::fromWCharArray(e->product_string).left(254);
            if (e->serial_number)
                info.SerialNumber = QString::fromWCharArray(e->serial_number).left(254);
            found.append(info);
        }
        hid_free_enumeration(list);
        return found;
    }

    TReportLengths ReportLengths(const QString& path) override { return ReadHidrawReportLengths(path); }

    THandle* Open(const QString& path, THIDOpenError* error) override
    {
        hid_device* d = hid_open_path(path.toLocal8Bit().constData());
        if (!d)
            *error = HidrawOpenError(path, HidError(nullptr));
        return reinterpret_cast<THandle*>(d);
    }

    void Close(THandle* handle) override { hid_close(Device(handle)); }

    int Write(THandle* handle, const QByteArray& report, QString* error, bool* gone) override
    {
        const int n = hid_write(Device(handle), reinterpret_cast<const unsigned char*>(report.constData()),
                                size_t(report.size()));
        if (n < 0) {
#ifdef __linux__
            // hidraw's answers for a node whose device has left.
            const int e = errno;
            *gone = e == ENODEV || e == EIO || e == ENXIO || e == ESHUTDOWN || e == EPIPE;
#else
            *gone = false;
#endif
            *error = HidError(Device(handle));
        }
        return n;
    }

    int Read(THandle* handle, char* data, int length, int timeoutMs, QString* error) override
    {
        const int n = hid_read_timeout(Device(handle), reinterpret_cast<unsigned char*>(data), size_t(length),
                                       timeoutMs);
        if (n < 0)
            *error = HidError(Device(handle));
        return n;
    }

  private:
    static hid_device* Device(THandle* handle)
    {
        return reinterpret_cast<hid_device*>(handle);
    }
};

} // namespace

std::unique_ptr<THidBackend> MakeHidapiBackend()
{
    return std::make_unique<THidapiBackend>();
}

THidapiDevice::THidapiDevice(THidBackend* backend, THIDDeviceInfo info, int inputLength, int outputLength,
                             QObject* parent)
    : THIDDevice(parent), backend_(backend), info_(std::move(info)), inputLength_(inputLength),
      outputLength_(outputLength)
{}

THidapiDevice::~THidapiDevice()
{
    Close();
}

bool THidapiDevice::Open(THIDOpenError* error)
{
    if (removed_) {
        *error = {QStringLiteral("the device has been removed")};
        return false;
    }
    if (writeHandle_)
        return true;
    writeHandle_ = backend_->Open(info_.Path, error);
    if (!writeHandle_)
        return false;
    // A node that the user could not read when it arrived (no permission yet) gave no lengths;
    // now that it opens, its descriptor can be read.
    if (inputLength_ == 0 && outputLength_ == 0) {
        const TReportLengths lengths = backend_->ReportLengths(info_.Path);
        inputLength_ = lengths.Input;
        outputLength_ = lengths.Output;
    }
    // A second handle for the reader, so that writes on this thread and reads on the reader never
    // share one handle.
    THIDOpenError ignored;
    readHandle_ = backend_->Open(info_.Path, &ignored);
    if (readHandle_ && inputLength_ > 0) {
        stop_ = false;
        reader_ = std::thread([this] { ReaderLoop(); });
    }
    return true;
}

void THidapiDevice::ReaderLoop()
{
    QByteArray buffer(inputLength_, '\0');
    while (!stop_) {
        QString error;
        const int n = backend_->Read(readHandle_, buffer.data(), int(buffer.size()), kReadSliceMs, &error);
        if (n > 0) {
            const QByteArray report = buffer.left(n);
            // Delivered on the owner's thread; dropped if the device is gone by then.
            QMetaObject::invokeMethod(
                this,
                [this, report] {
                    if (!removed_)
                        emit ReportReceived(report);
                },
                Qt::QueuedConnection);
        } else if (n < 0) {
            // A handle that fails to read stays failed (its device left, perhaps to come back on the
            // same node): the device is closed now, and the next enumeration finds it anew.
            QMetaObject::invokeMethod(
                this, [this, error] { MarkRemoved(error); }, Qt::QueuedConnection);
            return;
        }
    }
}

void THidapiDevice::Close()
{
    stop_ = true;
    if (reader_.joinable())
        reader_.join();
    if (readHandle_)
        backend_->Close(readHandle_);
    if (writeHandle_)
        backend_->Close(writeHandle_);
    readHandle_ = nullptr;
    writeHandle_ = nullptr;
}

bool THidapiDevice::Write(const QByteArray& report, QString* error)
{
    if (removed_ || !writeHandle_) {
        *error = removed_ ? QStringLiteral("the device has been removed")
                          : QStringLiteral("the device is not open");
        return false;
    }
    bool gone = false;
    const int n = backend_->Write(writeHandle_, report, error, &gone);
    if (n < 0) {
        if (gone)
            MarkRemoved(*error);
        return false;
    }
    if (n != report.size()) {
        *error = QStringLiteral("only %1 of %2 bytes were written").arg(n).arg(report.size());
        return false;
    }
    return true;
}

void THidapiDevice::MarkRemoved(const QString& reason)
{
    if (removed_)
        return;
    removed_ = true;
    removedReason_ = reason;
    Close();
    emit Removed();
}

THidapiLayer::THidapiLayer(QObject* parent) : THidapiLayer(MakeHidapiBackend(), parent) {}

THidapiLayer::THidapiLayer(std::unique_ptr<THidBackend> backend, QObject* parent)
    : THIDLayer(parent), backend_(std::move(backend))
{
    poll_.setInterval(kPollIntervalMs);
    connect(&poll_, &QTimer::timeout, this, &THidapiLayer::Poll);
}

THidapiLayer::~THidapiLayer()
{
    poll_.stop();
    qDeleteAll(devices_);
    devices_.clear();
}

QList<THIDDevice*> THidapiLayer::Devices() const
{
    QList<THIDDevice*> list;
    for (THidapiDevice* d : devices_)
        list.append(d);
    return list;
}

void THidapiLayer::Start()
{
    Poll();
    started_ = true;
    poll_.start();
    // The first notice comes once the event loop runs, whether or not anything is attached.
    QMetaObject::invokeMethod(
        this, [this] { emit DevicesChanged(); }, Qt::QueuedConnection);
}

void THidapiLayer::OnDeviceRemoved(THidapiDevice* device)
{
    // A device that closed itself leaves the list; one the enumeration dropped has left it already.
    if (!devices_.removeOne(device))
        return;
    device->deleteLater();
    // The notice follows from the event loop, after everyone has heard of the removal (and not in the
    // middle of the write that found the device gone).
    if (started_)
        QMetaObject::invokeMethod(
            this, [this] { emit DevicesChanged(); }, Qt::QueuedConnection);
}

bool THidapiLayer::Poll()
{
    QSet<QString> present;
    QList<THIDDeviceInfo> arrived;
    for (const THIDDeviceInfo& info : backend_->Enumerate()) {
        if (present.contains(info.Path))
            continue;
        present.insert(info.Path);
        bool known = false;
        for (THidapiDevice* d : devices_)
            known = known || d->Info().Path == info.Path;
        if (!known)
            arrived.append(info);
    }

    bool changed = false;
    for (qsizetype i = devices_.size() - 1; i >= 0; --i) {
        THidapiDevice* d = devices_[i];
        if (!present.contains(d->Info().Path)) {
            devices_.removeAt(i);
            d->MarkRemoved(QString());
            d->deleteLater();
            changed = true;
        }
    }
    for (const THIDDeviceInfo& info : arrived) {
        const TReportLengths lengths = backend_->ReportLengths(info.Path);
        auto* d = new THidapiDevice(backend_.get(), info, lengths.Input, lengths.Output, this);
        connect(d, &THIDDevice::Removed, this, [this, d] { OnDeviceRemoved(d); });
        devices_.append(d);
        changed = true;
    }
    if (changed && started_)
        emit DevicesChanged();
    return changed;
}
