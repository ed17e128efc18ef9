#pragma once

// The panel's two settings over the link: the light interval (read and written) and the date and time
// of its clock (written). Without a current device nothing is sent and the reason is reported.

#include <QDateTime>
#include <QObject>
#include <optional>

class TPanelLink;

class TDeviceTools : public QObject
{
    Q_OBJECT
  public:
    explicit TDeviceTools(TPanelLink* link, QObject* parent = nullptr);

    // cmdGetInterval; waits for the answer (bounded by the link's reply timeout).
    std::optional<quint16> GetInterval();
    // cmdSetInterval with seconds reduced to 16 bits; no answer is awaited.
    bool SetInterval(qint64 seconds);
    // cmdSetDateTime; no answer is awaited. An invalid date and time is refused.
    bool SetDateTime(const QDateTime& when);

    QString LastError() const { return lastError_; }

  signals:
    // A failure the window shows in a message box.
    void Warning(const QString& text);

  private:
    bool Start();
    bool SendValue(QString* error);
    bool Fail(const QString& text);

    TPanelLink* link_;
    QString lastError_;
};
