#include "device/devicetools.h"
#include "test_device_support.h"

#include <QTimer>
#include <gtest/gtest.h>

using devtest::Settle;
using devtest::TPanelRig;

namespace {

TVirtualPanel::Options Ids(quint16 vid, quint16 pid, const char* product)
{
    TVirtualPanel::Options o;
    o.VendorId = vid;
    o.ProductId = pid;
    o.ProductString = QString::fromLatin1(product);
    return o;
}

} // namespace

TEST(DeviceLink, DiscoveryMatchesIdTexts)
{
    struct Case
    {
        const char* vid;
        const char* pid;
        bool matches;
    };
    const Case cases[] = {
        {"20A0", "4122", true},  {"20a0", "4122", true}, {"020A0", "4122", true}, {"20A0", "04122", true},
        {"20G0", "4122", false}, {"", "4122", false},    {"20A0", "4123", false}, {"120A0", "4122", false},
    };
    for (const Case& c : cases) {
        TPanelRig rig;
        std::vector<bool> done;
        QObject::connect(&rig.link, &TPanelLink::DiscoveryDone, [&](bool has) { done.push_back(has); });
        rig.link.SetIdentity(QString::fromLatin1(c.vid), QString::fromLatin1(c.pid));
        rig.link.DeviceChange();
        ASSERT_EQ(done.size(), 1);
        EXPECT_EQ(done.front(), c.matches) << c.vid << ' ' << c.pid;
        EXPECT_EQ(rig.link.CurrentDevice() == rig.panel, c.matches) << c.vid << ' ' << c.pid;
        EXPECT_EQ(rig.link.DeviceText(),
                  c.matches ? rig.panel->Info().ProductString : QStringLiteral("no device"));
    }
}

TEST(DeviceLink, NoDevicePresent)
{
    TPanelRig rig({}, false);
    std::vector<bool> done;
    QObject::connect(&rig.link, &TPanelLink::DiscoveryDone, [&](bool has) { done.push_back(has); });
    rig.link.DeviceChange();
    ASSERT_EQ(done.size(), 1);
    EXPECT_FALSE(done.front());
    EXPECT_EQ(rig.link.DeviceText(), QStringLiteral("no device"));
    EXPECT_EQ(rig.link.CurrentDevice(), nullptr);
    EXPECT_FALSE(rig.link.HasReportBuffer());
}

TEST(DeviceLink, StartUpNoticeClaimsThePanel)
{
    TPanelRig rig; // the layer's first notice has run
    EXPECT_EQ(rig.link.CurrentDevice(), rig.panel);
    EXPECT_TRUE(rig.panel->IsOpen());
    EXPECT_EQ(rig.link.ReportBuffer(), QByteArray(251, '\0'));
}

TEST(DeviceLink, LastMatchingDeviceWinsAndOthersAreSkipped)
{
    TPanelRig rig(Ids(0x20A0, 0x4122, "first"));
    QTemporaryDir sd2, sd3;
    TVirtualPanel* other = rig.layer.Plug(sd2.path(), Ids(0x1234, 0x4122, "other"));
    TVirtualPanel* second = rig.layer.Plug(sd3.path(), Ids(0x20A0, 0x4122, "second"));
    Settle();
    EXPECT_EQ(rig.link.CurrentDevice(), second);
    EXPECT_EQ(rig.link.DeviceText(), QStringLiteral("second"));
    EXPECT_FALSE(other->IsOpen());
}

TEST(DeviceLink, RefreshKeepsTheCurrentDeviceADeviceChangeForgetsIt)
{
    TPanelRig rig;
    rig.link.SetIdentity(QStringLiteral("1111"), QStringLiteral("2222"));
    EXPECT_TRUE(rig.link.Refresh());
    EXPECT_EQ(rig.link.CurrentDevice(), rig.panel);
    EXPECT_EQ(rig.link.DeviceText(), QStringLiteral("no device"));
    rig.link.DeviceChange();
    EXPECT_EQ(rig.link.CurrentDevice(), nullptr);
}

TEST(DeviceLink, UnplugLeavesNoCurrentDevice)
{
    TPanelRig rig;
    std::vector<bool> done;
    QObject::connect(&rig.link, &TPanelLink::DiscoveryDone, [&](bool has) { done.push_back(has); });
    rig.layer.Unplug(rig.panel);
    Settle();
    ASSERT_EQ(done.size(), 1);
    EXPECT_FALSE(done.front());
    EXPECT_EQ(rig.link.DeviceText(), QStringLiteral("no device"));
    QString error;
    EXPECT_FALSE(rig.panel->Write(QByteArray(129, '\1'), &error));
}

TEST(DeviceLink, ReplyAreaKeepsAtMost128DataBytes)
{
    struct Case
    {
        int reportLength;
        int kept;
    };
    const Case cases[] = {{129, 128}, {200, 128}, {3, 2}, {1, 0}};
    for (const Case& c : cases) {
        TPanelRig rig;
        const QByteArray report = devtest::Pattern(c.reportLength, 1);
        QString why, error;
        ASSERT_TRUE(rig.link.BeginCommand(&why));
        rig.panel->SetSilent(true);
        ASSERT_TRUE(rig.link.SendCommand(rig.link.ReportBuffer(), &error)) << error.toStdString();
        emit rig.panel->ReportReceived(report);
        ASSERT_EQ(rig.link.AwaitReply(), TPanelLink::TReply::Answered);
        rig.link.EndCommand();
        const QByteArray area = rig.link.ReplyArea();
        ASSERT_EQ(area.size(), 128);
        EXPECT_EQ(area.left(c.kept), report.mid(1, c.kept)) << c.reportLength;
        EXPECT_EQ(area.mid(c.kept), QByteArray(128 - c.kept, '\0')) << c.reportLength;
    }
}

TEST(DeviceLink, AnEarlierAnswerIsForgottenBySendCommand)
{
    TPanelRig rig;
    rig.link.SetReplyTimeout(50);
    rig.panel->SetSilent(true);
    emit rig.panel->ReportReceived(QByteArray("\x01\x07\x07", 3)); // a late answer to something before
    EXPECT_TRUE(rig.link.ReplyFlag());
    QString why, error;
    ASSERT_TRUE(rig.link.BeginCommand(&why));
    ASSERT_TRUE(rig.link.SendCommand(rig.link.ReportBuffer(), &error));
    EXPECT_FALSE(rig.link.ReplyFlag());
    EXPECT_EQ(rig.link.AwaitReply(), TPanelLink::TReply::TimedOut);
    // The command has lost its answer: it sends nothing more.
    EXPECT_FALSE(rig.link.SendCommand(rig.link.ReportBuffer(), &error));
    EXPECT_EQ(rig.panel->Reports().size(), 1);
    rig.link.EndCommand();
}

TEST(DeviceLink, AwaitEndsWhenThePanelIsUnplugged)
{
    TPanelRig rig;
    rig.link.SetReplyTimeout(60000); // the unplug, not the timeout, must end the wait
    rig.panel->SetSilent(true);
    QString why, error;
    ASSERT_TRUE(rig.link.BeginCommand(&why));
    ASSERT_TRUE(rig.link.SendCommand(rig.link.ReportBuffer(), &error));
    QTimer::singleShot(10, &rig.layer, [&rig] { rig.layer.Unplug(rig.panel); });
    EXPECT_EQ(rig.link.AwaitReply(), TPanelLink::TReply::Removed);
    rig.link.EndCommand();
}

TEST(DeviceLink, ReportLengthsOutsideTheProtocolAreRefused)
{
    struct Case
    {
        int length;
        bool accepted;
    };
    const Case cases[] = {{102, false}, {103, true}, {251, true}, {252, false}, {64, false}};
    for (const Case& c : cases) {
        TVirtualPanel::Options o;
        o.OutputLength = c.length;
        TPanelRig rig(o);
        QString why, error;
        ASSERT_TRUE(rig.link.BeginCommand(&why));
        EXPECT_EQ(rig.link.SendCommand(rig.link.ReportBuffer(), &error), c.accepted) << c.length;
        rig.link.EndCommand();
        EXPECT_EQ(rig.panel->Reports().size(), c.accepted ? 1 : 0) << c.length;
        if (c.accepted) {
            EXPECT_EQ(rig.panel->Reports().first().size(), c.length);
        }
    }
}

TEST(DeviceLink, OnlyOneCommandAtATime)
{
    TPanelRig rig;
    QString why;
    ASSERT_TRUE(rig.link.BeginCommand(&why));
    EXPECT_FALSE(rig.link.BeginCommand(&why));
    EXPECT_EQ(why, linktext::Busy());
    EXPECT_FALSE(rig.link.Refresh());
    rig.link.EndCommand();
    EXPECT_TRUE(rig.link.BeginCommand(&why));
    rig.link.EndCommand();
}

// ---- device tools ----

TEST(DeviceTools, SetIntervalReports)
{
    struct Case
    {
        qint64 seconds;
        const char* floatBytes;
        quint16 kept;
    };
    const Case cases[] = {{120, "0000f042", 120}, {65536, "00000000", 0}, {300, "00009643", 300}};
    for (const Case& c : cases) {
        TPanelRig rig;
        TDeviceTools tools(&rig.link);
        EXPECT_TRUE(tools.SetInterval(c.seconds));
        ASSERT_EQ(rig.panel->Reports().size(), 1);
        const QByteArray r = rig.panel->Reports().first();
        ASSERT_EQ(r.size(), rig.panel->OutputReportLength());
        EXPECT_EQ(r.left(2), QByteArray("\x01\x32"));
        EXPECT_EQ(r.mid(2, 4), QByteArray::fromHex(c.floatBytes)) << c.seconds;
        EXPECT_EQ(r.mid(6), QByteArray(r.size() - 6, '\0'));
        EXPECT_EQ(rig.panel->Interval(), c.kept);
    }
}

TEST(DeviceTools, GetIntervalReadsTheAnswerAndLeavesTheBufferUncleared)
{
    TPanelRig rig;
    rig.panel->SetInterval(300); // answered as 2C 01
    rig.link.ReportBuffer().fill('\xAA');
    TDeviceTools tools(&rig.link);
    EXPECT_EQ(tools.GetInterval(), std::optional<quint16>(300));
    ASSERT_EQ(rig.panel->Reports().size(), 1);
    const QByteArray r = rig.panel->Reports().first();
    EXPECT_EQ(r.left(2), QByteArray("\x01\x33"));
    EXPECT_EQ(r.mid(2), QByteArray(r.size() - 2, '\xAA'));
    EXPECT_EQ(rig.link.ReplyArea().left(2), QByteArray("\x2C\x01"));
}

TEST(DeviceTools, SetDateTimeReport)
{
    TPanelRig rig;
    TDeviceTools tools(&rig.link);
    const QDateTime when(QDate(2011, 3, 9), QTime(14, 5, 30, 450));
    EXPECT_TRUE(tools.SetDateTime(when));
    ASSERT_EQ(rig.panel->Reports().size(), 1);
    const QByteArray r = rig.panel->Reports().first();
    EXPECT_EQ(r.left(2), QByteArray("\x01\x60"));
    const float expected[] = {14, 5, 30, 9, 3, 2011};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(panel::FloatFromBytes(r.constData() + 2 + 4 * i), expected[i]) << "field " << i;
    EXPECT_EQ(r.mid(2, 4), QByteArray::fromHex("00006041"));  // 14.0
    EXPECT_EQ(r.mid(22, 4), QByteArray::fromHex("0060fb44")); // 2011.0
    EXPECT_EQ(r.mid(26), QByteArray(r.size() - 26, '\0'));
    EXPECT_EQ(rig.panel->LastDateTime(), QDateTime(QDate(2011, 3, 9), QTime(14, 5, 30)));
}

TEST(DeviceTools, IntervalAfterDateTimeHasZeroesBehindTheValue)
{
    TPanelRig rig;
    TDeviceTools tools(&rig.link);
    ASSERT_TRUE(tools.SetDateTime(QDateTime(QDate(2011, 12, 31), QTime(23, 59, 59))));
    ASSERT_TRUE(tools.SetInterval(120));
    const QByteArray r = rig.panel->Reports().last();
    EXPECT_EQ(r.mid(6), QByteArray(r.size() - 6, '\0'));
}

TEST(DeviceTools, WithoutAPanelNothingIsSent)
{
    TPanelRig rig;
    rig.link.SetIdentity(QStringLiteral("1"), QStringLiteral("1"));
    rig.link.DeviceChange();
    TDeviceTools tools(&rig.link);
    QStringList warnings;
    QObject::connect(&tools, &TDeviceTools::Warning, [&](const QString& t) { warnings.append(t); });
    EXPECT_EQ(tools.GetInterval(), std::nullopt);
    EXPECT_FALSE(tools.SetInterval(10));
    EXPECT_FALSE(tools.SetDateTime(QDateTime::currentDateTime()));
    EXPECT_EQ(warnings.size(), 3);
    EXPECT_TRUE(tools.LastError().contains(QStringLiteral("no device")));
    EXPECT_TRUE(rig.panel->Reports().isEmpty());
}

TEST(DeviceTools, Failures)
{
    {
        TPanelRig rig;
        rig.link.SetReplyTimeout(50);
        rig.panel->SetSilent(true);
        TDeviceTools tools(&rig.link);
        EXPECT_EQ(tools.GetInterval(), std::nullopt);
        EXPECT_EQ(tools.LastError(), QStringLiteral("no answer from the panel"));
        EXPECT_FALSE(rig.link.Busy());
    }
    {
        TPanelRig rig;
        rig.panel->SetFailWrites(true);
        TDeviceTools tools(&rig.link);
        QStringList warnings;
        QObject::connect(&tools, &TDeviceTools::Warning, [&](const QString& t) { warnings.append(t); });
        EXPECT_FALSE(tools.SetDateTime(QDateTime::currentDateTime()));
        ASSERT_EQ(warnings.size(), 1);
        EXPECT_TRUE(warnings.first().contains(QStringLiteral("fail")));
        EXPECT_EQ(tools.GetInterval(), std::nullopt); // a failed write does not wait for an answer
    }
    {
        TPanelRig rig;
        TDeviceTools tools(&rig.link);
        EXPECT_FALSE(tools.SetDateTime(QDateTime()));
        EXPECT_TRUE(rig.panel->Reports().isEmpty());
    }
}
