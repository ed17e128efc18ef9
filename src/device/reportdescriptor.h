#pragma once

// Report lengths from a HID report descriptor, for backends whose platform does not state them.

#include <QByteArrayView>

struct TReportLengths
{
    int Input = 0;  // bytes, report id byte included; 0 when the report has no input items
    int Output = 0; // bytes, report id byte included; 0 when the report has no output items
};

// Sums Report Size × Report Count of the input and output main items that belong to reportId (items
// before any Report ID item belong to report 0) and adds one byte for the report id. Push and Pop keep
// the global state; long items are stepped over. A truncated or malformed descriptor yields what was
// read before the damage; nothing is read past the given bytes.
TReportLengths ParseReportLengths(QByteArrayView descriptor, int reportId);
