#include "device/hidapilayer.h"
#include "device/panelprotocol.h"
#include "device/reportdescriptor.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

QByteArray Hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text));
}

} // namespace

TEST(DeviceProtocol, HexIdentityText)
{
    struct Case
    {
        const char* text;
        quint32 value;
    };
    const Case cases[] = {
        {"20A0", 0x20A0},
        {"20a0", 0x20A0},
        {"020A0", 0x20A0},
        {"4122", 0x4122},
        {"20G0", 0},
        {"", 0},
        {"20 A0", 0},
        {"-1", 0},
        {"FFFFFFFF", 0xFFFFFFFFu},
        {"1FFFFFFFF", 0xFFFFFFFFu}, // wraps in 32 bits
        {"120A0", 0x120A0},
        {"\xD0\x90", 0}, // a Cyrillic capital A
    };
    for (const Case& c : cases)
        EXPECT_EQ(panel::ParseHexIdentity(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(DeviceProtocol, DeviceIdOfText)
{
    struct Case
    {
        const char* text;
        int id; // -1: selects no device
    };
    const Case cases[] = {
        {"20A0", 0x20A0}, {"20a0", 0x20A0}, {"020A0", 0x20A0}, {"0000020A0", 0x20A0},
        {"0", 0},         {"FFFF", 0xFFFF}, {"10000", -1},     {"120A0", -1},
        {"", -1},         {"20G0", -1},     {"-1", -1},        {" 20A0", -1},
        {"\xD0\x90", -1},
    };
    for (const Case& c : cases) {
        const std::optional<quint16> id = panel::DeviceIdOfText(QString::fromUtf8(c.text));
        EXPECT_EQ(id ? int(*id) : -1, c.id) << c.text;
    }
}

TEST(DeviceProtocol, FloatEncodings)
{
    struct Case
    {
        qint64 seconds;
        const char* bytes;
    };
    const Case cases[] = {
        {120, "0000f042"},   // 120.0
        {65536, "00000000"}, // reduced to 16 bits first: 0.0
        {65535, "00ff7f47"}, // 65535.0
        {65656, "0000f042"}, // 65536 + 120
        {0, "00000000"},
    };
    for (const Case& c : cases) {
        const auto b = panel::FloatBytes(panel::IntervalAsFloat(c.seconds));
        EXPECT_EQ(QByteArray(b.data(), 4), Hex(c.bytes)) << c.seconds;
    }
    EXPECT_EQ(panel::FloatFromBytes(Hex("0000fb44").constData()), 2008.0f);
}

TEST(DeviceProtocol, DateTimeFieldsDropMilliseconds)
{
    struct Case
    {
        QDateTime when;
        std::array<float, 6> fields;
    };
    const Case cases[] = {
        {QDateTime(QDate(2011, 3, 9), QTime(14, 5, 30)), {14, 5, 30, 9, 3, 2011}},
        {QDateTime(QDate(2011, 12, 31), QTime(23, 59, 59, 999)), {23, 59, 59, 31, 12, 2011}},
        {QDateTime(QDate(2000, 1, 1), QTime(0, 0, 0)), {0, 0, 0, 1, 1, 2000}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(panel::DateTimeFields(c.when), c.fields) << c.when.toString().toStdString();
}

TEST(DeviceProtocol, ReportLengthsFromDescriptor)
{
    // Vendor page, report 1: 64 input bytes and 128 output bytes (the panel's kind of descriptor).
    const char* vendor = "0600ff0901a101"
                         "8501150026ff00750895400901"
                         "8102"
                         "9680000901"
                         "9102"
                         "c0";
    struct Case
    {
        const char* name;
        QByteArray descriptor;
        int reportId;
        int input;
        int output;
    };
    const Case cases[] = {
        {"vendor report 1", Hex(vendor), 1, 65, 129},
        {"other report id asked", Hex(vendor), 2, 0, 0},
        {"second report not counted",
         Hex("0600ff0901a101"
             "8501 7508 9540 0901 8102"
             "8502 7508 9508 0901 9102"
             "8501 7508 9580 0901 9102"
             "c0"),
         1, 65, 129},
        {"push and pop keep the globals",
         Hex("0600ff0901a101"
             "8501 7508 9508"
             "a4"
             "7510 9502 0901 8102"
             "b4"
             "0901 9102"
             "c0"),
         1, 5, 9},
        {"bits that are no whole byte round up", Hex("8501 7501 9503 8102 7505 9501 8103 7501 9501 8103"), 1,
         3, 0},
        {"no report id: report 0", Hex("75089540 0901 8102"), 0, 65, 0},
        {"long item stepped over", Hex("8501 fe0201aabb 75089510 8102"), 1, 17, 0},
        {"truncated inside an item", Hex("8501 75089510 8102 9620"), 1, 17, 0},
        {"truncated long item", Hex("8501 75089510 8102 fe"), 1, 17, 0},
        {"empty", QByteArray(), 1, 0, 0},
    };
    for (const Case& c : cases) {
        QByteArray d = c.descriptor;
        const TReportLengths r = ParseReportLengths(d, c.reportId);
        EXPECT_EQ(r.Input, c.input) << c.name;
        EXPECT_EQ(r.Output, c.output) << c.name;
    }
}

TEST(DeviceProtocol, HostileCountsDoNotOverflow)
{
    // Report Size and Count of 0xFFFFFFFF, many times over: the sums stay capped.
    QByteArray d = Hex("8501 77ffffffff 97ffffffff");
    for (int i = 0; i < 100; ++i)
        d += Hex("8102");
    const TReportLengths r = ParseReportLengths(d, 1);
    EXPECT_GT(r.Input, 0);
    EXPECT_LE(r.Input, (1 << 21) + 1);
}

TEST(DeviceProtocol, HidrawLengthsOfWhatIsNoHidrawNode)
{
    // Neither a missing node nor an ordinary file answers the descriptor ioctl: no lengths, no crash.
    const char* paths[] = {"/nonexistent/hidraw9", "/dev/null", TARVOLT_FIXTURES};
    for (const char* p : paths) {
        const TReportLengths r = ReadHidrawReportLengths(QString::fromLatin1(p));
        EXPECT_EQ(r.Input, 0) << p;
        EXPECT_EQ(r.Output, 0) << p;
    }
}
