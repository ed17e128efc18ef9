#pragma once

// The hidapi backend (hidraw on Linux). Report lengths come from the report descriptor of report 1;
// arrival and removal are found by enumerating about once a second, and a device whose handle fails
// (a panel unplugged and plugged in again between two enumerations keeps its node's name, but its old
// handles are dead) is closed at once and found again by the next enumeration.

#include "device/hiddevice.h"
#include "device/reportdescriptor.h"

#include <QTimer>
#include <atomic>
#include <memory>
#include <thread>

// The calls the layer makes of the HID library, so that a test can stand in for it. Read runs on a
// device's reader thread, everything else on the layer's thread.
class THidBackend
{
  public:
    struct THandle; // the library's device handle
    virtual ~THidBackend() = default;

    // The present devices, one entry per node.
    virtual QList<THIDDeviceInfo> Enumerate() = 0;
    virtual TReportLengths ReportLengths(const QString& path) = 0;
    // Null on failure, with *error saying why.
    virtual THandle* Open(const QString& path, THIDOpenError* error) = 0;
    virtual void Close(THandle* handle) = 0;
    // Bytes written, or -1 with *error; *gone says whether the failure means the device is gone.
    virtual int Write(THandle* handle, const QByteArray& report, QString* error, bool* gone) = 0;
    // Bytes read into data, 0 when nothing came within timeoutMs, or -1 with *error: the handle no
    // longer reads (the device is gone).
    virtual int Read(THandle* handle, char* data, int length, int timeoutMs, QString* error) = 0;
};

// The hidapi library.
std::unique_ptr<THidBackend> MakeHidapiBackend();

class THidapiDevice : public THIDDevice
{
    Q_OBJECT
  public:
    THidapiDevice(THidBackend* backend, THIDDeviceInfo info, int inputLength, int outputLength,
                  QObject* parent);
    ~THidapiDevice() override;

    THIDDeviceInfo Info() const override { return info_; }
    int OutputReportLength() const override { return outputLength_; }
    int InputReportLength() const override { return inputLength_; }
    bool Open(THIDOpenError* error) override;
    bool IsOpen() const override { return writeHandle_ != nullptr; }
    bool Write(const QByteArray& report, QString* error) override;
    bool IsRemoved() const override { return removed_; }
    QString RemovedReason() const override { return removedReason_; }

    // Closes both handles, stops the reader and raises Removed, with the reason the link shows. Called
    // by the layer when the node is gone, and by the device itself when its handles fail.
    void MarkRemoved(const QString& reason);

  private:
    void Close();
    void ReaderLoop();

    THidBackend* backend_;
    THIDDeviceInfo info_;
    int inputLength_;
    int outputLength_;
    THidBackend::THandle* writeHandle_ = nullptr;
    THidBackend::THandle* readHandle_ = nullptr;
    std::thread reader_;
    std::atomic<bool> stop_{false};
    bool removed_ = false;
    QString removedReason_;
};

class THidapiLayer : public THIDLayer
{
    Q_OBJECT
  public:
    explicit THidapiLayer(QObject* parent = nullptr);
    // A layer on another library (a test's).
    explicit THidapiLayer(std::unique_ptr<THidBackend> backend, QObject* parent = nullptr);
    ~THidapiLayer() override;

    QList<THIDDevice*> Devices() const override;
    void Start() override;
    void Rescan() override { Poll(); }

    // Enumerates now; raises DevicesChanged when a device arrived or went. Returns whether it changed.
    bool Poll();

  private:
    void OnDeviceRemoved(THidapiDevice* device);

    std::unique_ptr<THidBackend> backend_;
    QList<THidapiDevice*> devices_;
    QTimer poll_;
    bool started_ = false;
};

// Reads the report descriptor of a hidraw node (HIDIOCGRDESC) and returns the lengths of report 1.
// Zero lengths when the node cannot be opened or the platform has no hidraw.
TReportLengths ReadHidrawReportLengths(const QString& path);

// Why a hidraw node that hidapi could not open fails, found by trying it again: the user's lack of
// permission (hidapi says only the system's text, which depends on the locale), or else hidapiText.
THIDOpenError HidrawOpenError(const QString& path, const QString& hidapiText);

// "owner root, group plugdev, mode 0660" for a file; empty when it cannot be looked at.
QString DescribeFileAccess(const QString& path);
