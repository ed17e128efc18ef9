#include "codepage.h"

#include <QHash>
#include <QStringDecoder>

namespace {

constexpr const char* CodePageName = "windows-1251";

// Each character the code page holds, with its byte: the code page decoded once, byte by byte. Looking
// characters up here rather than asking an encoder one at a time also keeps clear of the converter's
// error state, which does not survive a converter being replaced.
const QHash<char16_t, char>& ByteOf()
{
    static const QHash<char16_t, char> table = [] {
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        const QString chars = FromCodePage(all);
        Q_ASSERT(chars.size() == 256);
        QHash<char16_t, char> t;
        for (int i = 0; i < chars.size(); ++i)
            t.insert(chars[i].unicode(), char(i));
        return t;
    }();
    return table;
}

} // namespace

QByteArray ToCodePage(QStringView text)
{
    const QHash<char16_t, char>& byteOf = ByteOf();
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the 16-bit range (a surrogate pair) is one '?', as is every other one
        // the code page does not hold.
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out.append('?');
            ++i;
            continue;
        }
        const auto found = byteOf.constFind(text[i].unicode());
        out.append(found != byteOf.constEnd() ? *found : '?');
    }
    return out;
}

QString FromCodePage(QByteArrayView bytes)
{
    QStringDecoder decoder(CodePageName, QStringConverter::Flag::Stateless);
    Q_ASSERT(decoder.isValid());
    return decoder.decode(bytes);
}

QString CharactersNotInCodePage(QStringView text)
{
    QString missing;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n =
            (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
        const QStringView one = text.mid(i, n);
        if (one != u"?" && ToCodePage(one) == "?" && !missing.contains(one))
            missing += one;
        i += n;
    }
    return missing;
}
