#include "model/cformat.h"

#include <clocale>
#include <cstdio>
#include <locale.h>
#include <string>

namespace {

// The one conversion of a checked format, and where it sits in the format.
struct Conversion
{
    qsizetype begin = 0; // index of its '%'
    qsizetype end = 0;   // one past its conversion letter
    QByteArray spec;     // rebuilt as "%<flags><width>.<precision><letter>", nothing else
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads up to two digits at i; false if a third follows.
bool ReadAtMostTwoDigits(QByteArrayView format, qsizetype& i, QByteArray& into)
{
    qsizetype count = 0;
    while (i < format.size() && IsDigit(format[i])) {
        if (++count > 2)
            return false;
        into.append(format[i++]);
    }
    return true;
}

// Parses the conversion that starts at the '%' at index i (not "%%"); std::nullopt if it is not
// a floating conversion of the accepted form.
std::optional<Conversion> ParseConversion(QByteArrayView format, qsizetype i)
{
    Conversion conv;
    conv.begin = i++;
    // Each flag once, in a fixed order: repeated flags mean nothing more to printf.
    bool flags[5] = {};
    static constexpr char kFlags[] = "-+ #0";
    for (; i < format.size(); ++i) {
        const char* flag = std::char_traits<char>::find(kFlags, 5, format[i]);
        if (!flag)
            break;
        flags[flag - kFlags] = true;
    }
    conv.spec = "%";
    for (int f = 0; f < 5; ++f)
        if (flags[f])
            conv.spec.append(kFlags[f]);
    if (!ReadAtMostTwoDigits(format, i, conv.spec))
        return std::nullopt;
    if (i < format.size() && format[i] == '.') {
        conv.spec.append(format[i++]);
        if (!ReadAtMostTwoDigits(format, i, conv.spec))
            return std::nullopt;
    }
    if (i >= format.size())
        return std::nullopt;
    switch (format[i]) {
    case 'f':
    case 'F':
    case 'e':
    case 'E':
    case 'g':
    case 'G':
        conv.spec.append(format[i]);
        conv.end = i + 1;
        return conv;
    default:
        return std::nullopt;
    }
}

// Checks the whole format: its one conversion, or std::nullopt if the format is not valid.
std::optional<Conversion> CheckFormat(QByteArrayView format)
{
    std::optional<Conversion> found;
    for (qsizetype i = 0; i < format.size();) {
        const char c = format[i];
        if (c == '\0')
            return std::nullopt; // the panel's texts end at a zero byte: one inside is damage
        if (c != '%') {
            ++i;
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            i += 2;
            continue;
        }
        if (found)
            return std::nullopt;
        found = ParseConversion(format, i);
        if (!found)
            return std::nullopt;
        i = found->end;
    }
    return found;
}

// Appends literal text, each "%%" as one '%'.
void AppendLiteral(QByteArray& out, QByteArrayView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        out.append(text[i]);
        if (text[i] == '%')
            ++i; // the checked format has '%' only in pairs here
    }
}

// The C locale as an object, made once. newlocale is thread-safe; the object is never freed, as
// it is needed until the process ends.
locale_t CLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return locale;
}

// Formats one double with a checked single-conversion spec in the C locale, on this thread only:
// uselocale leaves the process locale and other threads alone, and the thread's own is put back.
std::optional<QByteArray> FormatInCLocale(const QByteArray& spec, double value)
{
    const locale_t c = CLocale();
    if (c == locale_t(0))
        return std::nullopt;
    const locale_t previous = uselocale(c);
    // The spec is built by CheckFormat from flags, at most two digits of width and precision and
    // one floating letter, so it is safe to hand to the C library; -Wformat-nonliteral cannot see that.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    char small[256];
    const int needed = std::snprintf(small, sizeof small, spec.constData(), value);
    std::optional<QByteArray> result;
    if (needed >= 0 && needed < int(sizeof small)) {
        result = QByteArray(small, needed);
    } else if (needed >= 0) {
        QByteArray big(needed + 1, '\0');
        const int written = std::snprintf(big.data(), big.size(), spec.constData(), value);
        if (written == needed) {
            big.truncate(written);
            result = std::move(big);
        }
    }
#pragma GCC diagnostic pop
    uselocale(previous);
    return result;
}

} // namespace

std::optional<QByteArray> CFormat(QByteArrayView format, float value)
{
    const std::optional<Conversion> conv = CheckFormat(format);
    if (!conv)
        return std::nullopt;
    const std::optional<QByteArray> number = FormatInCLocale(conv->spec, double(value));
    if (!number)
        return std::nullopt;
    QByteArray out;
    out.reserve(format.size() + number->size());
    AppendLiteral(out, format.first(conv->begin));
    out.append(*number);
    AppendLiteral(out, format.sliced(conv->end));
    return out;
}

bool IsValidDroFormat(QByteArrayView format)
{
    return format.size() <= MaxDroFormatLength && CheckFormat(format).has_value();
}

QByteArray DroText(QByteArrayView format, float value)
{
    return CFormat(format, value).value_or(QByteArray(DroFallbackText));
}
