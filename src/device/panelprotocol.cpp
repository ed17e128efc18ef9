#include "panelprotocol.h"

#include <algorithm>
#include <cstring>

namespace panel {

quint32 ParseHexIdentity(QStringView text)
{
    quint32 value = 0;
    for (QChar c : text) {
        const char16_t u = c.toUpper().unicode();
        int digit;
        if (u >= u'0' && u <= u'9')
            digit = u - u'0';
        else if (u >= u'A' && u <= u'F')
            digit = u - u'A' + 10;
        else
            return 0;
        value = value * 16u + quint32(digit);
    }
    return value;
}

std::optional<quint16> DeviceIdOfText(QStringView text)
{
    // ParseHexIdentity gives 0 both for "0" and for a text that is no number at all.
    const bool digits = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.toUpper().unicode();
        return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F');
    });
    const quint32 value = ParseHexIdentity(text);
    if (!digits || value > 0xFFFF)
        return std::nullopt;
    return quint16(value);
}

std::array<char, 4> FloatBytes(float value)
{
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return {char(bits & 0xFF), char((bits >> 8) & 0xFF), char((bits >> 16) & 0xFF), char(bits >> 24)};
}

float FloatFromBytes(const char* bytes)
{
    const auto* b = reinterpret_cast<const quint8*>(bytes);
    const quint32 bits = quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24;
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

float IntervalAsFloat(qint64 seconds)
{
    return float(quint16(quint64(seconds) & 0xFFFF));
}

std::array<float, kDateTimeFields> DateTimeFields(const QDateTime& when)
{
    const QDate d = when.date();
    const QTime t = when.time();
    return {float(t.hour()), float(t.minute()), float(t.second()),
            float(d.day()),  float(d.month()),  float(d.year())};
}

} // namespace panel
