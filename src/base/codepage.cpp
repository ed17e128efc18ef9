#include "codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char* CodePageName = "windows-1251";
}

QByteArray ToCodePage(QStringView text)
{
    QStringEncoder encoder(CodePageName, QStringConverter::Flag::Stateless);
    Q_ASSERT(encoder.isValid());
    QByteArray out;
    out.reserve(text.size());
    // Encode one code point at a time: the converter marks an unmappable one with an error (and a
    // substitute byte that could also be a real character), and each must become exactly one '?'.
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
        const QByteArray b = encoder.encode(text.mid(i, n));
        if (encoder.hasError() || b.size() != 1) {
            out.append('?');
            // The error flag stays set for the converter's life: start a fresh one.
            encoder = QStringEncoder(CodePageName, QStringConverter::Flag::Stateless);
        } else {
            out.append(b);
        }
        i += n;
    }
    return out;
}

QString FromCodePage(QByteArrayView bytes)
{
    QStringDecoder decoder(CodePageName, QStringConverter::Flag::Stateless);
    Q_ASSERT(decoder.isValid());
    return decoder.decode(bytes);
}
