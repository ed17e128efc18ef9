#pragma once

// The HID layer as the panel link sees it: a list of present devices, each with its ids, product
// string and report lengths, that can be claimed (opened for reading and writing), written one output
// report at a time, and that delivers its input reports on the thread that owns it (the user-interface
// thread). Backends: the hidapi one for real panels and the in-process virtual panel.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

struct THIDDeviceInfo
{
    QString Path; // backend-specific, unique among the present devices
    quint16 VendorId = 0;
    quint16 ProductId = 0;
    QString ProductString;
    QString SerialNumber; // empty when the device reports none
};

// Why a device could not be claimed.
struct THIDOpenError
{
    QString Text;              // what the system said, with the device's path
    bool NoPermission = false; // the device is there, but this user may not read and write it
};

class THIDDevice : public QObject
{
    Q_OBJECT
  public:
    using QObject::QObject;
    ~THIDDevice() override = default;

    virtual THIDDeviceInfo Info() const = 0;

    // Report lengths in bytes, report id byte included; 0 when the device does not say.
    virtual int OutputReportLength() const = 0;
    virtual int InputReportLength() const = 0;

    // Claims the device: opens it for reading and writing and starts delivering input reports.
    // Claiming a claimed device changes nothing. On failure returns false and sets *error.
    virtual bool Open(THIDOpenError* error) = 0;
    virtual bool IsOpen() const = 0;

    // Writes one whole output report synchronously. On failure returns false and sets *error to the
    // system's text for the failure. Never writes to a device that is not open or has been removed.
    virtual bool Write(const QByteArray& report, QString* error) = 0;

    // True once the device is gone; it then writes nothing and delivers no further reports.
    virtual bool IsRemoved() const = 0;
    // Why it is gone, in the system's words; empty when it was simply unplugged.
    virtual QString RemovedReason() const { return {}; }

  signals:
    // One input report, report id byte first, on the user-interface thread.
    void ReportReceived(const QByteArray& report);
    // The device was unplugged and has been closed; raised before the layer's DevicesChanged.
    void Removed();
};

class THIDLayer : public QObject
{
    Q_OBJECT
  public:
    using QObject::QObject;
    ~THIDLayer() override = default;

    // The present devices in listing order (later arrivals at the end). The layer owns them; a removed
    // device is deleted later, after its Removed signal, so hold it through a QPointer.
    virtual QList<THIDDevice*> Devices() const = 0;

    // Starts watching for arrival and removal. DevicesChanged is raised once shortly after the event
    // loop runs and again each time the set of present devices changes.
    virtual void Start() = 0;
    // Looks at the present devices now rather than at the next regular look (Refresh); raises
    // DevicesChanged when they changed.
    virtual void Rescan() {}

  signals:
    void DevicesChanged();
};
