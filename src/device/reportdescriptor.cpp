#include "reportdescriptor.h"

#include <algorithm>
#include <vector>

namespace {

struct GlobalState
{
    int ReportId = 0;
    qint64 ReportSize = 0;
    qint64 ReportCount = 0;
};

// Item types and tags of the short items that matter here (prefix byte without the size bits).
constexpr quint8 kInput = 0x80;
constexpr quint8 kOutput = 0x90;
constexpr quint8 kReportSize = 0x74;
constexpr quint8 kReportId = 0x84;
constexpr quint8 kReportCount = 0x94;
constexpr quint8 kPush = 0xA4;
constexpr quint8 kPop = 0xB4;
constexpr quint8 kLongItem = 0xFE;

// Caps a bit count so that a hostile descriptor cannot overflow the sums.
constexpr qint64 kMaxBits = qint64(1) << 24;

int ToBytes(qint64 bits)
{
    if (bits <= 0)
        return 0;
    return int((bits + 7) / 8) + 1;
}

} // namespace

TReportLengths ParseReportLengths(QByteArrayView descriptor, int reportId)
{
    const auto* p = reinterpret_cast<const quint8*>(descriptor.data());
    const qsizetype n = descriptor.size();
    GlobalState state;
    std::vector<GlobalState> stack;
    qint64 inputBits = 0;
    qint64 outputBits = 0;

    qsizetype i = 0;
    while (i < n) {
        const quint8 prefix = p[i];
        if (prefix == kLongItem) {
            if (i + 1 >= n)
                break;
            i += 3 + p[i + 1];
            continue;
        }
        static constexpr int kSizes[4] = {0, 1, 2, 4};
        const int size = kSizes[prefix & 0x03];
        if (i + 1 + size > n)
            break;
        quint32 value = 0;
        for (int k = 0; k < size; ++k)
            value |= quint32(p[i + 1 + k]) << (8 * k);
        i += 1 + size;

        switch (prefix & 0xFC) {
        case kReportSize:
            state.ReportSize = std::min<qint64>(value, kMaxBits);
            break;
        case kReportCount:
            state.ReportCount = std::min<qint64>(value, kMaxBits);
            break;
        case kReportId:
            state.ReportId = int(value);
            break;
        case kPush:
            stack.push_back(state);
            break;
        case kPop:
            if (!stack.empty()) {
                state = stack.back();
                stack.pop_back();
            }
            break;
        case kInput:
        case kOutput:
            if (state.ReportId == reportId) {
                qint64& bits = (prefix & 0xFC) == kInput ? inputBits : outputBits;
                bits = std::min(kMaxBits, bits + std::min(kMaxBits, state.ReportSize * state.ReportCount));
            }
            break;
        default:
            break;
        }
    }
    return {ToBytes(inputBits), ToBytes(outputBits)};
}
