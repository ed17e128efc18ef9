#pragma once

// Writing that reports the system's own reason for a failure. A write the disk can only take in part
// ("No space left on device", a file size limit) returns a short count without any error; only the
// next write fails and sets the system's reason, so the rest is written until it is all written or a
// write fails.

#include <QByteArray>
#include <QFileDevice>

// True when every byte was written; false with the system's reason in file.errorString() otherwise.
inline bool WriteAll(QFileDevice& file, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}
