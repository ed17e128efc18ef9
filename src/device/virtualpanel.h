#pragma once

// An in-process panel behind the HID-layer interface. It answers as the panel does and keeps what it
// is sent: folders and files go into a directory (its SD card), and it remembers the light interval and
// the last date and time. Switches make it fail writes, answer data reports with status 0 or stop
// answering; the layer can unplug it. Used by the tests, the benchmark and `--virtual-panel`.

#include "device/hiddevice.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <functional>
#include <memory>

class TVirtualPanel : public THIDDevice
{
    Q_OBJECT
  public:
    struct Options
    {
        quint16 VendorId = 0x20A0;
        quint16 ProductId = 0x4122;
        QString ProductString = QStringLiteral("Tarvolt RU (virtual panel)");
        // Empty: the SD folder's path, so that each card is a panel of its own.
        QString SerialNumber;
        int OutputLength = 129;
        int InputLength = 65;
    };

    // sdRoot: the folder that plays the SD card; it must exist. Names the panel is sent never reach
    // outside it.
    TVirtualPanel(const QString& sdRoot, Options options, QObject* parent = nullptr);
    ~TVirtualPanel() override;

    THIDDeviceInfo Info() const override;
    int OutputReportLength() const override { return options_.OutputLength; }
    int InputReportLength() const override { return options_.InputLength; }
    bool Open(THIDOpenError* error) override;
    bool IsOpen() const override { return open_; }
    bool Write(const QByteArray& report, QString* error) override;
    bool IsRemoved() const override { return removed_; }

    // Switches.
    void SetAnswerDelay(int ms) { answerDelayMs_ = ms; }
    void SetFailWrites(bool on) { failWrites_ = on; }
    void SetAnswerStatusZero(bool on) { statusZero_ = on; }
    void SetSilent(bool on) { silent_ = on; }
    // While its text is not empty, claiming the panel fails with this error (a panel that this user
    // may not open, say).
    void SetOpenFailure(THIDOpenError error) { openFailure_ = std::move(error); }
    // Called with each report the panel accepted, after it acted on it (tests unplug from here).
    void SetOnReport(std::function<void(const QByteArray&)> hook) { onReport_ = std::move(hook); }

    // What the panel was sent and keeps.
    const QList<QByteArray>& Reports() const { return reports_; }
    void ClearReports() { reports_.clear(); }
    quint16 Interval() const { return interval_; }
    void SetInterval(quint16 seconds) { interval_ = seconds; }
    QDateTime LastDateTime() const { return lastDateTime_; }
    QString SdRoot() const { return root_.absolutePath(); }

    // Closes the panel and raises Removed; it accepts nothing more. Called by the layer.
    void MarkRemoved();

  private:
    void Handle(const QByteArray& report);
    void Answer(quint8 data0, quint8 data1);
    // Host path of a panel name under the SD root; empty when the name is not acceptable.
    QString HostPath(const QByteArray& report) const;

    QDir root_;
    Options options_;
    int answerDelayMs_ = 0;
    bool failWrites_ = false;
    bool statusZero_ = false;
    bool silent_ = false;
    THIDOpenError openFailure_;
    bool open_ = false;
    bool removed_ = false;
    std::function<void(const QByteArray&)> onReport_;
    QList<QByteArray> reports_;
    std::unique_ptr<QFile> file_;
    quint16 interval_ = 60;
    QDateTime lastDateTime_;
};

class TVirtualHIDLayer : public THIDLayer
{
    Q_OBJECT
  public:
    using THIDLayer::THIDLayer;

    QList<THIDDevice*> Devices() const override;
    void Start() override;

    // Attaches a panel (the layer takes it); a notice follows when the layer has started.
    TVirtualPanel* Plug(const QString& sdRoot, TVirtualPanel::Options options = {});
    // Removes a panel: it is closed at once, the notice follows from the event loop. The object stays
    // alive (owned by the layer) so that what it kept can still be looked at.
    void Unplug(TVirtualPanel* panel);

  private:
    void Notify();

    QList<TVirtualPanel*> present_;
    bool started_ = false;
};
