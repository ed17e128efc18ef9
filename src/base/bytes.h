#pragma once

// Little-endian access to fixed-size records. Every access is checked against the record's size, so
// a wrong offset is a programming error caught at once, never a write past the buffer.

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
#include <cstring>

// A value cut into 0..65535, as the panel's two-byte fields take positions and sizes.
inline quint16 ClampU16(qint64 v)
{
    return quint16(v < 0 ? 0 : v > 0xFFFF ? 0xFFFF : v);
}

class TRecordWriter
{
public:
    explicit TRecordWriter(qsizetype size) : bytes_(size, '\0') {}

    void U8(qsizetype at, quint8 v) { Put(at, &v, 1); }
    void U16(qsizetype at, quint16 v) { quint8 b[2] = {quint8(v), quint8(v >> 8)}; Put(at, b, 2); }
    void U32(qsizetype at, quint32 v)
    {
        quint8 b[4] = {quint8(v), quint8(v >> 8), quint8(v >> 16), quint8(v >> 24)};
        Put(at, b, 4);
    }
    void I16(qsizetype at, qint16 v) { U16(at, quint16(v)); }
    void I32(qsizetype at, qint32 v) { U32(at, quint32(v)); }
    void F32(qsizetype at, float v)
    {
        quint32 bits;
        std::memcpy(&bits, &v, 4);
        U32(at, bits);
    }
    // Copies at most `capacity` bytes of `text`; the rest of the field stays zero.
    void Bytes(qsizetype at, QByteArrayView text, qsizetype capacity)
    {
        Put(at, text.data(), qMin(text.size(), capacity));
    }
    // A length byte and `capacity` bytes, the text cut to the capacity.
    void ShortText(qsizetype at, QByteArrayView text, qsizetype capacity)
    {
        const qsizetype n = qMin(text.size(), capacity);
        U8(at, quint8(n));
        Put(at + 1, text.data(), n);
        // Clear what an earlier value may have left in the field.
        Put(at + 1 + n, QByteArray(capacity - n, '\0').constData(), capacity - n);
    }

    const QByteArray& Bytes() const { return bytes_; }

private:
    void Put(qsizetype at, const void* data, qsizetype n)
    {
        if (at < 0 || n < 0 || at + n > bytes_.size())
            qFatal("record write out of range: %lld+%lld of %lld", qlonglong(at), qlonglong(n), qlonglong(bytes_.size()));
        if (n > 0)
            std::memcpy(bytes_.data() + at, data, size_t(n));
    }
    QByteArray bytes_;
};

class TRecordReader
{
public:
    explicit TRecordReader(QByteArrayView bytes) : bytes_(bytes) {}

    quint8 U8(qsizetype at) const { return quint8(Byte(at)); }
    quint16 U16(qsizetype at) const { return quint16(U8(at) | (U8(at + 1) << 8)); }
    quint32 U32(qsizetype at) const { return quint32(U16(at)) | (quint32(U16(at + 2)) << 16); }
    qint16 I16(qsizetype at) const { return qint16(U16(at)); }
    qint32 I32(qsizetype at) const { return qint32(U32(at)); }
    float F32(qsizetype at) const
    {
        const quint32 bits = U32(at);
        float v;
        std::memcpy(&v, &bits, 4);
        return v;
    }
    // The length byte of a short text, which the caller checks against the capacity.
    quint8 ShortTextLength(qsizetype at) const { return U8(at); }
    // The text of a short text field whose length byte has been checked.
    QByteArray ShortText(qsizetype at, qsizetype capacity) const
    {
        const qsizetype n = qMin<qsizetype>(U8(at), capacity);
        if (at + 1 + capacity > bytes_.size())
            qFatal("record read out of range");
        return QByteArray(bytes_.data() + at + 1, n);
    }

private:
    char Byte(qsizetype at) const
    {
        if (at < 0 || at >= bytes_.size())
            qFatal("record read out of range: %lld of %lld", qlonglong(at), qlonglong(bytes_.size()));
        return bytes_[at];
    }
    QByteArrayView bytes_;
};
