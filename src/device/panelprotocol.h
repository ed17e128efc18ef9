#pragma once

// The panel's report protocol: command codes, sizes and the encodings of the values it carries.

#include <QByteArray>
#include <QDateTime>
#include <QStringView>
#include <array>
#include <optional>

namespace panel {

constexpr char kReportId = 0x01;

// The panel's USB identity unless the user names another (the udev rule in packaging/ names it too).
constexpr quint32 kDefaultVendorId = 0x20A0;
constexpr quint32 kDefaultProductId = 0x4122;

enum Command : quint8 {
    cmdBeginTransfer = 0x80,
    cmdMakeDir = 0x81,
    cmdOpenFile = 0x82,
    cmdCloseFile = 0x83,
    cmdFileData = 0x84,
    cmdEndTransfer = 0x85,
    cmdFinish = 0x31,
    cmdSetInterval = 0x32,
    cmdGetInterval = 0x33,
    cmdSetDateTime = 0x60,
};

constexpr int kReportBufferSize = 251; // the longest output report the link can send
constexpr int kMinOutputLength = 103;  // cmdFileData needs 3 + 100 bytes
constexpr int kReplyAreaSize = 128;    // data bytes of an input report that are kept
constexpr int kDataChunk = 100;        // file bytes per cmdFileData report
constexpr int kNameOffset = 2;
constexpr int kDateTimeFields = 6;

// Largest name a report of output length L can carry with its terminating zero.
constexpr int MaxNameLength(int outputLength)
{
    return outputLength - kNameOffset - 1;
}

// Value of a hexadecimal id text: digits of either case, 32-bit wrap-around; 0 for an empty text or
// one with any character that is not a hexadecimal digit.
quint32 ParseHexIdentity(QStringView text);

// The 16-bit device id an id text selects in discovery (its ParseHexIdentity value; leading zeros name
// the same id), or nothing when the text can select no device: empty, holding a character that is
// not a hexadecimal digit, or of a value above FFFF.
std::optional<quint16> DeviceIdOfText(QStringView text);

// IEEE-754 single precision, little-endian, whatever the host's byte order.
std::array<char, 4> FloatBytes(float value);
float FloatFromBytes(const char* bytes);

// The light interval as it is sent: the whole number reduced to 16 bits, as a float.
float IntervalAsFloat(qint64 seconds);

// The six fields of cmdSetDateTime in report order: hour, minute, second, day, month, year.
// Milliseconds are dropped.
std::array<float, kDateTimeFields> DateTimeFields(const QDateTime& when);

} // namespace panel
