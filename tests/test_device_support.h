#pragma once

// A virtual panel on its own layer with a link to it, folders for the files to send (Out) and for the
// panel's SD card, and a compact text of what the panel received.

#include "device/panellink.h"
#include "device/panelprotocol.h"
#include "device/virtualpanel.h"
#include "base/codepage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace devtest {

// Runs the events that are due now (queued answers and notices), a few rounds deep.
inline void Settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// One word per report: the code in hex, then ":name" for names and ":count" for data reports.
inline QString Exchanges(const QList<QByteArray>& reports)
{
    QStringList words;
    for (const QByteArray& r : reports) {
        const auto code = quint8(r.at(1));
        QString word = QString::number(code, 16);
        if (code == panel::cmdMakeDir || code == panel::cmdOpenFile) {
            QByteArray name = r.mid(2);
            name.truncate(name.indexOf('\0') < 0 ? name.size() : name.indexOf('\0'));
            word += QLatin1Char(':') + FromCodePage(name);
        } else if (code == panel::cmdFileData) {
            word += QLatin1Char(':') + QString::number(quint8(r.at(2)));
        }
        words.append(word);
    }
    return words.join(QLatin1Char(' '));
}

struct TPanelRig
{
    QTemporaryDir out;
    QTemporaryDir sd;
    TVirtualHIDLayer layer;
    TVirtualPanel* panel = nullptr;
    TPanelLink link{&layer};

    explicit TPanelRig(TVirtualPanel::Options options = {}, bool plug = true)
    {
        if (plug)
            panel = layer.Plug(sd.path(), options);
        link.SetReplyTimeout(300);
        layer.Start();
        Settle();
    }

    QString OutPath(const QString& relative) const { return out.path() + QLatin1Char('/') + relative; }

    void WriteOut(const QString& relative, const QByteArray& bytes) const
    {
        const QString path = OutPath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size()) << path.toStdString();
    }

    QString Received() const { return Exchanges(panel->Reports()); }
};

// Bytes 0, 1, 2, ... of the given length, so that a misplaced chunk shows.
inline QByteArray Pattern(int size, int seed = 0)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 7 + seed) & 0xFF);
    return b;
}

} // namespace devtest
