#include "base/terror.h"
#include "device/devicetools.h"
#include "device/hidapilayer.h"
#include "device/linksession.h"
#include "test_device_support.h"
#include "testutil.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <condition_variable>
#include <deque>
#include <grp.h>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <map>
#include <mutex>
#include <pwd.h>
#include <sys/syscall.h>
#include <unistd.h>

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

TEST(DeviceLink, AMatchingPanelThatCannotBeOpenedIsNotClaimed)
{
    struct Case
    {
        bool noPermission;
        const char* vid; // the panel's and the link's
        const char* device;
        int adviceLines;
        const char* advice; // in the first line
    };
    const Case cases[] = {
        {true, "20A0", "Panel: no permission to open it", 2, "this user may not open it: EACCES."},
        {true, "20A1", "Panel: no permission to open it", 3, "this user may not open it: EACCES."},
        {false, "20A0", "Panel: cannot be opened", 1, "cannot be opened: EACCES."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.device);
        TPanelRig rig({}, false);
        QTemporaryDir sd;
        const auto vid = quint16(panel::ParseHexIdentity(QString::fromLatin1(c.vid)));
        TVirtualPanel* panel = rig.layer.Plug(sd.path(), Ids(vid, 0x4122, "Panel"));
        panel->SetOpenFailure({QStringLiteral("EACCES"), c.noPermission});
        rig.link.SetIdentity(QString::fromLatin1(c.vid), QStringLiteral("4122"));
        std::vector<bool> done;
        QStringList texts;
        QObject::connect(&rig.link, &TPanelLink::DiscoveryDone, [&](bool has) { done.push_back(has); });
        QObject::connect(&rig.link, &TPanelLink::DeviceTextChanged, [&](const QString& t) { texts << t; });
        Settle();

        ASSERT_EQ(done, std::vector<bool>{false});
        EXPECT_EQ(rig.link.CurrentDevice(), nullptr);
        EXPECT_FALSE(panel->IsOpen());
        EXPECT_FALSE(rig.link.HasReportBuffer());
        EXPECT_EQ(rig.link.DeviceText(), QString::fromLatin1(c.device));
        EXPECT_EQ(texts.last(), QString::fromLatin1(c.device));
        ASSERT_TRUE(rig.link.LastClaimFailure().has_value());
        EXPECT_EQ(rig.link.LastClaimFailure()->Device.Path, panel->Info().Path);
        const QStringList advice = rig.link.ClaimAdvice();
        ASSERT_EQ(advice.size(), c.adviceLines);
        EXPECT_TRUE(advice[0].endsWith(QLatin1String(c.advice))) << advice[0].toStdString();
        if (c.noPermission) {
            EXPECT_TRUE(advice[1].contains(QLatin1String(linktext::UdevRuleName)));
        }
        QString why;
        EXPECT_FALSE(rig.link.BeginCommand(&why));

        // Once the user may open it, the next pass claims it.
        panel->SetOpenFailure({});
        EXPECT_TRUE(rig.link.Refresh());
        EXPECT_EQ(rig.link.CurrentDevice(), panel);
        EXPECT_EQ(rig.link.DeviceText(), QStringLiteral("Panel"));
        EXPECT_TRUE(rig.link.ClaimAdvice().isEmpty());
        EXPECT_FALSE(rig.link.LastClaimFailure().has_value());
    }
}

TEST(DeviceLink, APanelThatOpensStaysCurrentBesideOneThatDoesNot)
{
    TPanelRig rig(Ids(0x20A0, 0x4122, "good"));
    QTemporaryDir sd;
    TVirtualPanel* locked = rig.layer.Plug(sd.path(), Ids(0x20A0, 0x4122, "locked"));
    locked->SetOpenFailure({QStringLiteral("no permission"), true});
    Settle();
    EXPECT_EQ(rig.link.CurrentDevice(), rig.panel);
    EXPECT_EQ(rig.link.DeviceText(), QStringLiteral("good"));
    EXPECT_TRUE(rig.link.LastClaimFailure().has_value());
    EXPECT_TRUE(rig.link.ClaimAdvice().isEmpty());
}

// ---- why a hidraw node does not open ----

namespace {

// Takes the calling thread's power to pass over file permissions away while it lives, so that the
// test sees what a user without rights sees, even when it runs as root.
class TNoPermissionOverride
{
  public:
    TNoPermissionOverride()
    {
        header_.version = _LINUX_CAPABILITY_VERSION_3;
        if (syscall(SYS_capget, &header_, saved_) != 0)
            return;
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        ok_ = syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~TNoPermissionOverride()
    {
        if (ok_)
            syscall(SYS_capset, &header_, saved_);
    }
    bool Ok() const { return ok_; }

  private:
    __user_cap_header_struct header_{};
    __user_cap_data_struct saved_[2]{};
    bool ok_ = false;
};

} // namespace

TEST(HidrawAccess, LackOfPermissionIsToldApartFromOtherFailures)
{
    QTemporaryDir dir;
    const QString node = dir.filePath(QStringLiteral("hidraw0"));
    testutil::WriteAll(node, "x");
    const TNoPermissionOverride asUser;
    ASSERT_TRUE(asUser.Ok());

    ASSERT_TRUE(QFile::setPermissions(node, QFile::ReadOwner));
    THIDOpenError e = HidrawOpenError(node, QStringLiteral("Permission denied"));
    EXPECT_TRUE(e.NoPermission);
    EXPECT_TRUE(e.Text.startsWith(QStringLiteral("no permission to read and write ") + node))
        << e.Text.toStdString();
    EXPECT_TRUE(e.Text.contains(QStringLiteral("mode 0400"))) << e.Text.toStdString();

    // A node that opens now failed for another reason: hidapi's text stands.
    ASSERT_TRUE(QFile::setPermissions(node, QFile::ReadOwner | QFile::WriteOwner));
    e = HidrawOpenError(node, QStringLiteral("Device or resource busy"));
    EXPECT_FALSE(e.NoPermission);
    EXPECT_EQ(e.Text, QStringLiteral("cannot open %1: Device or resource busy").arg(node));
    e = HidrawOpenError(dir.filePath(QStringLiteral("gone")), QStringLiteral("No such file or directory"));
    EXPECT_FALSE(e.NoPermission);
}

TEST(HidrawAccess, DescribesOwnerGroupAndMode)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("node"));
    testutil::WriteAll(file, "x");
    ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const QString owner = QString::fromLocal8Bit(getpwuid(geteuid())->pw_name);
    const QString group = QString::fromLocal8Bit(getgrgid(getegid())->gr_name);
    EXPECT_EQ(DescribeFileAccess(file), QStringLiteral("owner %1, group %2, mode 0640").arg(owner, group));
    EXPECT_TRUE(DescribeFileAccess(dir.filePath(QStringLiteral("gone"))).isEmpty());
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

TEST(LinkOptions, EachBadValueIsNamedByItsOwnOptionWhateverFollows)
{
    struct Case
    {
        QStringList args;
        const char* message;
    };
    const Case cases[] = {
        {{"--vid", "XYZ", "--virtual-panel", "/tmp/sd"}, "--vid wants a hexadecimal id"},
        {{"--vid", "20G0", "--pid", "4122"}, "--vid wants a hexadecimal id"},
        {{"--pid", "12345", "--timeout", "5"}, "--pid wants a hexadecimal id"},
        {{"--pid", "", "--vid", "20A0"}, "--pid wants a hexadecimal id"},
        {{"--timeout", "x", "--vid", "20A0"}, "--timeout wants seconds"},
        {{"--timeout", "0", "--pid", "4122"}, "--timeout wants seconds"},
        {{"--virtual-panel"}, "--virtual-panel needs a value"},
        {{"--pid", "4122", "--vid"}, "--vid needs a value"},
    };
    for (const Case& c : cases) {
        QStringList args = c.args;
        try {
            TakeLinkOptions(args);
            ADD_FAILURE() << c.args.join(' ').toStdString();
        } catch (const TError& e) {
            EXPECT_TRUE(e.Message().startsWith(QLatin1String(c.message)))
                << c.args.join(' ').toStdString() << ": " << e.what();
        }
    }
}

TEST(LinkOptions, IdsAreTakenAsDiscoveryTakesThem)
{
    struct Case
    {
        QStringList args;
        const char* vid;
        const char* pid;
        QStringList rest;
    };
    const Case cases[] = {
        {{"--vid", "020A0"}, "020A0", "4122", {}},
        {{"FOLDER", "--pid", "4122", "--vid", "20a0", "more"}, "20a0", "4122", {"FOLDER", "more"}},
        {{"--vid", "0000020A0", "--pid", "0"}, "0000020A0", "0", {}},
    };
    for (const Case& c : cases) {
        QStringList args = c.args;
        const TLinkOptions o = TakeLinkOptions(args);
        EXPECT_EQ(o.VendorText, QLatin1String(c.vid));
        EXPECT_EQ(o.ProductText, QLatin1String(c.pid));
        EXPECT_EQ(args, c.rest);
    }

    // The id the window finds the panel with, the command line finds it with too.
    QTemporaryDir sd;
    QStringList args{"--vid", "020A0", "--pid", "04122", "--virtual-panel", sd.path()};
    TLinkSession session(TakeLinkOptions(args));
    EXPECT_EQ(session.Link().CurrentDevice(), session.VirtualPanel());
}

// The handle of the test's HID library.
struct THidBackend::THandle
{
    QString Path;
    int Generation;
};

namespace {

// The HID library as a test plays it: nodes that can be unplugged and plugged in again between two
// enumerations (same node name, the old handles dead), answering every report the way the panel does.
class TFakeHid : public THidBackend
{
  public:
    void Plug(const QString& path)
    {
        std::lock_guard lock(m_);
        nodes_[path].Info = {path, 0x20A0, 0x4122, QStringLiteral("Panel on ") + path, QString()};
    }
    // Out and in again before anybody enumerates: the node's name stays, its handles die.
    void Replug(const QString& path)
    {
        std::lock_guard lock(m_);
        ++nodes_[path].Generation;
        nodes_[path].Input.clear();
        changed_.notify_all();
    }
    bool deadReadsFail = true; // false: a dead handle's read just waits, so only a write finds it dead

    QList<THIDDeviceInfo> Enumerate() override
    {
        std::lock_guard lock(m_);
        QList<THIDDeviceInfo> list;
        for (const auto& [path, node] : nodes_)
            list.append(node.Info);
        return list;
    }
    TReportLengths ReportLengths(const QString&) override { return {65, 129}; }
    THandle* Open(const QString& path, THIDOpenError* error) override
    {
        std::lock_guard lock(m_);
        const auto it = nodes_.find(path);
        if (it == nodes_.end()) {
            *error = {QStringLiteral("no such node")};
            return nullptr;
        }
        return new THandle{path, it->second.Generation};
    }
    void Close(THandle* handle) override { delete handle; }
    int Write(THandle* handle, const QByteArray& report, QString* error, bool* gone) override
    {
        std::lock_guard lock(m_);
        if (Dead(handle)) {
            *error = QStringLiteral("No such device");
            *gone = true;
            return -1;
        }
        QByteArray answer(65, '\0');
        answer[0] = panel::kReportId;
        answer[2] = 1;
        nodes_[handle->Path].Input.push_back(answer);
        changed_.notify_all();
        return int(report.size());
    }
    int Read(THandle* handle, char* data, int length, int timeoutMs, QString* error) override
    {
        std::unique_lock lock(m_);
        changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
            return (Dead(handle) && deadReadsFail) || (!Dead(handle) && !nodes_[handle->Path].Input.empty());
        });
        if (Dead(handle)) {
            if (!deadReadsFail)
                return 0;
            *error = QStringLiteral("hid_read_timeout: unexpected poll error (device disconnected)");
            return -1;
        }
        auto& input = nodes_[handle->Path].Input;
        if (input.empty())
            return 0;
        const QByteArray report = input.front();
        input.pop_front();
        const int n = std::min<int>(length, int(report.size()));
        std::copy_n(report.constData(), n, data);
        return n;
    }

  private:
    struct TNode
    {
        THIDDeviceInfo Info;
        int Generation = 0;
        std::deque<QByteArray> Input;
    };
    bool Dead(const THandle* handle) const
    {
        const auto it = nodes_.find(handle->Path);
        return it == nodes_.end() || it->second.Generation != handle->Generation;
    }
    std::mutex m_;
    std::condition_variable changed_;
    std::map<QString, TNode> nodes_;
};

// Runs events until the condition holds; false when it has not within a generous while.
bool WaitUntil(const std::function<bool()>& condition)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > 20000)
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(2);
    }
    return true;
}

TPanelLink::TReply GetIntervalExchange(TPanelLink& link)
{
    QString why, error;
    if (!link.BeginCommand(&why))
        return TPanelLink::TReply::Removed;
    QByteArray& buf = link.ReportBuffer();
    buf[0] = panel::kReportId;
    buf[1] = char(panel::cmdGetInterval);
    const TPanelLink::TReply reply =
        link.SendCommand(buf, &error) ? link.AwaitReply() : TPanelLink::TReply::Removed;
    link.EndCommand();
    return reply;
}

} // namespace

TEST(HidapiLayer, APanelPluggedInAgainBetweenTwoLooksIsClosedAndOpenedAgain)
{
    struct Case
    {
        const char* name;
        bool byWrite;   // the dead handle is found by a write (else by the reader)
        bool byRefresh; // found again by Refresh (else by the next regular look)
    };
    const Case cases[] = {
        {"read, next look", false, false},
        {"write, Refresh", true, true},
    };
    for (const Case& c : cases) {
        auto* fake = new TFakeHid;
        fake->deadReadsFail = !c.byWrite;
        const QString node = QStringLiteral("/dev/hidraw7");
        fake->Plug(node);
        THidapiLayer layer{std::unique_ptr<THidBackend>(fake)};
        TPanelLink link(&layer);
        link.SetReplyTimeout(20000);
        QStringList lost;
        QObject::connect(&link, &TPanelLink::DeviceLost, [&](const QString& text) { lost << text; });
        layer.Start();
        Settle();
        QPointer<THIDDevice> first = link.CurrentDevice();
        ASSERT_TRUE(first) << c.name;
        EXPECT_EQ(GetIntervalExchange(link), TPanelLink::TReply::Answered) << c.name;

        fake->Replug(node);
        if (c.byWrite) {
            EXPECT_NE(GetIntervalExchange(link), TPanelLink::TReply::Answered) << c.name;
        }
        // Closed at once, and the discovery that follows finds nothing to open for now.
        ASSERT_TRUE(WaitUntil([&] { return link.DeviceText() == QStringLiteral("no device"); })) << c.name;
        EXPECT_EQ(link.CurrentDevice(), nullptr) << c.name;
        ASSERT_EQ(lost.size(), 1) << c.name;
        EXPECT_TRUE(lost.first().startsWith(QLatin1String("The panel's link failed (")))
            << lost.first().toStdString();

        if (c.byRefresh) {
            EXPECT_TRUE(link.Refresh());
        } else {
            layer.Poll();
        }
        Settle();
        ASSERT_NE(link.CurrentDevice(), nullptr) << c.name;
        // The dead device is closed for good (and deleted later); a new one stands for the node.
        EXPECT_TRUE(!first || first->IsRemoved()) << c.name;
        EXPECT_NE(link.CurrentDevice(), first.data()) << c.name;
        EXPECT_EQ(link.DeviceText(), QStringLiteral("Panel on /dev/hidraw7")) << c.name;
        EXPECT_EQ(GetIntervalExchange(link), TPanelLink::TReply::Answered) << c.name;
    }
}
