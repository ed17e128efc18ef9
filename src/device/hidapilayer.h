#pragma once

// The hidapi backend (hidraw on Linux). Report lengths come from the report descriptor of report 1;
// arrival and removal are found by enumerating about once a second.

#include "device/hiddevice.h"
#include "device/reportdescriptor.h"

#include <QTimer>
#include <atomic>
#include <memory>
#include <thread>

struct hid_device_;

class THidapiDevice : public THIDDevice
{
    Q_OBJECT
  public:
    THidapiDevice(THIDDeviceInfo info, int inputLength, int outputLength, QObject* parent);
    ~THidapiDevice() override;

    THIDDeviceInfo Info() const override { return info_; }
    int OutputReportLength() const override { return outputLength_; }
    int InputReportLength() const override { return inputLength_; }
    bool Open(THIDOpenError* error) override;
    bool IsOpen() const override { return writeHandle_ != nullptr; }
    bool Write(const QByteArray& report, QString* error) override;
    bool IsRemoved() const override { return removed_; }

    // Closes both handles, stops the reader and raises Removed. Called by the layer.
    void MarkRemoved();

  private:
    void Close();
    void ReaderLoop();

    THIDDeviceInfo info_;
    int inputLength_;
    int outputLength_;
    hid_device_* writeHandle_ = nullptr;
    hid_device_* readHandle_ = nullptr;
    std::thread reader_;
    std::atomic<bool> stop_{false};
    bool removed_ = false;
};

class THidapiLayer : public THIDLayer
{
    Q_OBJECT
  public:
    explicit THidapiLayer(QObject* parent = nullptr);
    ~THidapiLayer() override;

    QList<THIDDevice*> Devices() const override;
    void Start() override;

    // Enumerates now; raises DevicesChanged when a device arrived or went. Returns whether it changed.
    bool Poll();

  private:
    QList<THidapiDevice*> devices_;
    QTimer poll_;
};

// Reads the report descriptor of a hidraw node (HIDIOCGRDESC) and returns the lengths of report 1.
// Zero lengths when the node cannot be opened or the platform has no hidraw.
TReportLengths ReadHidrawReportLengths(const QString& path);

// Why a hidraw node that hidapi could not open fails, found by trying it again: the user's lack of
// permission (hidapi says only the system's text, which depends on the locale), or else hidapiText.
THIDOpenError HidrawOpenError(const QString& path, const QString& hidapiText);

// "owner root, group plugdev, mode 0660" for a file; empty when it cannot be looked at.
QString DescribeFileAccess(const QString& path);
