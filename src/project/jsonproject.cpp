#include "project/jsonproject.h"

#include "base/atomicfile.h"
#include "base/bytes.h"
#include "base/codepage.h"
#include "base/terror.h"
#include "model/elementkind.h"
#include "project/lcdfile.h"
#include "project/lcdlayout.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QList>
#include <QSet>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <span>
#include <tuple>

namespace {

using namespace lcdlayout;

QString Tr(const char* text)
{
    return QCoreApplication::translate("jsonproject", text);
}

// ---- The fields, in the order the text lists them --------------------------------------------

enum class TType { Bool, U8, U16, I16, I32, Color, Float, Text, Kind };

struct TField
{
    const char* Key;
    qsizetype Offset;
    TType Type;
    qsizetype Capacity = 0; // texts
};

constexpr TField SplashFields[] = {
    {"GifLoaded", hGifLoaded, TType::Bool},
    {"GifLeft", hGifLeft, TType::I32},
    {"GifTop", hGifTop, TType::I32},
    {"GifFile", hGifFile, TType::Text, 255},
    {"ClockShown", hClockShown, TType::Bool},
    {"ClockTransparent", hClockTransparent, TType::Bool},
    {"HoursLeft", hHoursLeft, TType::I32},
    {"HoursTop", hHoursTop, TType::I32},
    {"MinutesLeft", hMinutesLeft, TType::I32},
    {"MinutesTop", hMinutesTop, TType::I32},
    {"DigitWidth", hDigitWidth, TType::I32},
    {"DigitHeight", hDigitHeight, TType::I32},
    {"ClockDigitColor", hDigitColor, TType::Color},
    {"ClockBackColor", hBackColor, TType::Color},
};

constexpr TField ScreenFields[] = {
    {"Landscape", sLandscape, TType::Bool},
    {"BackgroundColor", sBackColor, TType::Color},
    {"BackgroundFile", sBackFile, TType::Text, 255},
};

// The element's fields before and after its colours.
constexpr TField ElementFieldsBefore[] = {
    {"Kind", eKind, TType::Kind},    {"OrderNo", eOrderNo, TType::U8}, {"Reserved", eReserved, TType::I16},
    {"PanelX", eX, TType::U16},      {"PanelY", eY, TType::U16},       {"PanelW", eW, TType::U16},
    {"PanelH", eH, TType::U16},      {"MaxVal", eMaxVal, TType::U16},  {"ScaleW", eScaleW, TType::U8},
    {"ScaleH", eScaleH, TType::U8},  {"RedPct", eRedPct, TType::U8},   {"YellowPct", eYellowPct, TType::U8},
    {"Value", eValue, TType::Float},
};
constexpr TField ElementFieldsAfter[] = {
    {"ShapeType", eShapeType, TType::U8},
    {"ShowAsAxis", eShowAsAxis, TType::U8},
    {"AxisColor", eAxisColor, TType::Color},
    {"AxisNum", eAxisNum, TType::U8},
    {"Format", eFormat, TType::Text, 10},
    {"Text", eText, TType::Text, 254},
    {"LedMode", eLedMode, TType::U8},
    {"RedPicFile", eRedFile, TType::Text, 250},
    {"YellowPicFile", eYellowFile, TType::Text, 250},
    {"GreenPicFile", eGreenFile, TType::Text, 250},
    {"BkgPicFile", eBkgFile, TType::Text, 250},
    {"BlinkInterval", eBlinkInterval, TType::U16},
    {"FontName", eFontName, TType::Text, 30},
    {"FontSize", eFontSize, TType::I32},
    {"FontBold", eBold, TType::Bool},
    {"FontItalic", eItalic, TType::Bool},
};

// The record's first colour is the LED's on colour and the shape's pen; every other kind keeps its
// text colour there, which the writer also puts in the text-colour field, so the text names it once.
constexpr TField LedColors[] = {{"OnColor", eColor1, TType::Color},
                                {"OffColor", eColor2, TType::Color},
                                {"TextColor", eTextColor, TType::Color}};
constexpr TField ShapeColors[] = {{"PenColor", eColor1, TType::Color},
                                  {"BackColor", eColor2, TType::Color},
                                  {"TextColor", eTextColor, TType::Color}};
constexpr TField OtherColors[] = {{"TextColor", eTextColor, TType::Color},
                                  {"BackColor", eColor2, TType::Color}};

std::span<const TField> ColorFields(int kind)
{
    if (kind == ekLED)
        return LedColors;
    if (kind == ekShape)
        return ShapeColors;
    return OtherColors;
}

struct TKindName
{
    quint8 Kind;
    const char* Name;
};
constexpr TKindName KindNames[] = {{ekDRO, "DRO"},     {ekLED, "LED"},       {ekBar, "Bar"},
                                   {ekShift, "Shift"}, {ekStatus, "Status"}, {ekText, "Text"},
                                   {ekImage, "Image"}, {ekShape, "Shape"},   {ekClock, "Clock"}};

// ---- Writing ----------------------------------------------------------------------------------

void AppendString(QByteArray& out, const QString& text)
{
    out += '"';
    const QByteArray utf8 = text.toUtf8();
    for (const char c : utf8) {
        const auto u = quint8(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        default:
            if (u < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", u);
                out += buf;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

QByteArray HexBits(quint32 v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "\"0x%08X\"", v);
    return buf;
}

QByteArray ColorText(quint32 c)
{
    if ((c & 0xFF000000u) != 0)
        return HexBits(c);
    char buf[16];
    std::snprintf(buf, sizeof buf, "\"#%02X%02X%02X\"", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return buf;
}

QByteArray FloatText(float v)
{
    if (!std::isfinite(v)) {
        quint32 bits;
        std::memcpy(&bits, &v, 4);
        return HexBits(bits);
    }
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    Q_ASSERT(ec == std::errc());
    return QByteArray(buf, end - buf);
}

class TWriter
{
  public:
    void Open(const char* key, char bracket)
    {
        Key(key);
        out_ += bracket;
        ++depth_;
        first_ = true;
    }
    void Close(char bracket)
    {
        --depth_;
        if (!first_) {
            out_ += '\n';
            Indent();
        }
        out_ += bracket;
        first_ = false;
    }
    void Raw(const char* key, const QByteArray& value)
    {
        Key(key);
        out_ += value;
    }
    void Field(const TRecordReader& r, const TField& f)
    {
        switch (f.Type) {
        case TType::Bool:
            Raw(f.Key, r.U8(f.Offset) ? "true" : "false");
            break;
        case TType::U8:
            Raw(f.Key, QByteArray::number(r.U8(f.Offset)));
            break;
        case TType::U16:
            Raw(f.Key, QByteArray::number(r.U16(f.Offset)));
            break;
        case TType::I16:
            Raw(f.Key, QByteArray::number(r.I16(f.Offset)));
            break;
        case TType::I32:
            Raw(f.Key, QByteArray::number(r.I32(f.Offset)));
            break;
        case TType::Color:
            Raw(f.Key, ColorText(r.U32(f.Offset)));
            break;
        case TType::Float:
            Raw(f.Key, FloatText(r.F32(f.Offset)));
            break;
        case TType::Text: {
            QByteArray s;
            AppendString(s, FromCodePage(r.ShortText(f.Offset, f.Capacity)));
            Raw(f.Key, s);
            break;
        }
        case TType::Kind: {
            const quint8 kind = r.U8(f.Offset);
            QByteArray s = QByteArray::number(kind);
            for (const TKindName& k : KindNames)
                if (k.Kind == kind)
                    s = QByteArray("\"") + k.Name + '"';
            Raw(f.Key, s);
            break;
        }
        }
    }
    QByteArray Finish() { return out_ + '\n'; }

  private:
    void Key(const char* key)
    {
        if (depth_ > 0) {
            if (!first_)
                out_ += ',';
            out_ += '\n';
            Indent();
        }
        first_ = false;
        if (key) {
            AppendString(out_, QString::fromLatin1(key));
            out_ += ": ";
        }
    }
    void Indent() { out_ += QByteArray(2 * depth_, ' '); }

    QByteArray out_;
    int depth_ = 0;
    bool first_ = true;
};

// Writes the screen block at `pos` and returns the offset after it.
qsizetype WriteScreen(TWriter& w, const char* key, QByteArrayView lcd, qsizetype pos)
{
    const TRecordReader h(lcd.sliced(pos, ScreenHeaderSize));
    w.Open(key, '{');
    for (const TField& f : ScreenFields)
        w.Field(h, f);
    w.Open("elements", '[');
    const int count = h.U8(sCount);
    pos += ScreenHeaderSize;
    for (int i = 0; i < count; ++i, pos += ElementRecordSize) {
        const TRecordReader r(lcd.sliced(pos, ElementRecordSize));
        w.Open(nullptr, '{');
        for (const TField& f : ElementFieldsBefore)
            w.Field(r, f);
        for (const TField& f : ColorFields(r.U8(eKind)))
            w.Field(r, f);
        for (const TField& f : ElementFieldsAfter)
            w.Field(r, f);
        w.Close('}');
    }
    w.Close(']');
    w.Close('}');
    return pos;
}

// ---- Reading: a JSON value tree that remembers where each value began ----------------------------

struct TPos
{
    int Line = 1, Column = 1;
};

struct TValue
{
    enum Type { Null, Bool, Number, String, Array, Object } Kind = Null;
    TPos At;
    bool Flag = false;
    QByteArray Token; // a number as written
    QString Text;
    QList<TValue> Items;
    QList<std::pair<QString, TValue>> Members;
    QList<TPos> KeyAt;
};

class TFault : public std::exception
{
  public:
    TFault(TPos at, QString what) : At(at), What(std::move(what)) {}
    TPos At;
    QString What;
};

// Far deeper than the schema goes; the limit keeps damaged input from taking the stack.
constexpr int MaxDepth = 32;

class TParser
{
  public:
    explicit TParser(QByteArrayView text) : s_(text)
    {
        if (s_.startsWith("\xEF\xBB\xBF"))
            i_ = 3;
    }

    TValue Document()
    {
        Space();
        TValue v = Value(0);
        Space();
        if (i_ < s_.size())
            throw TFault(pos_, Tr("unexpected text after the project"));
        return v;
    }

  private:
    [[noreturn]] void Fail(const QString& what) const { throw TFault(pos_, what); }

    char Peek() const { return i_ < s_.size() ? s_[i_] : '\0'; }
    bool AtEnd() const { return i_ >= s_.size(); }

    // Moves past one byte; columns count characters, so continuation bytes do not count.
    void Step()
    {
        const auto c = quint8(s_[i_++]);
        if (c == '\n') {
            ++pos_.Line;
            pos_.Column = 1;
        } else if ((c & 0xC0) != 0x80) {
            ++pos_.Column;
        }
    }

    void Space()
    {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r'))
            Step();
    }

    void Expect(char c, const char* what)
    {
        if (Peek() != c || AtEnd()) {
            if (AtEnd())
                Fail(Tr("the file ends where %1 should be").arg(Tr(what)));
            Fail(Tr("expected %1").arg(Tr(what)));
        }
        Step();
    }

    TValue Value(int depth)
    {
        if (depth > MaxDepth)
            Fail(Tr("values nested too deeply"));
        TValue v;
        v.At = pos_;
        if (AtEnd())
            Fail(Tr("the file ends where a value should be"));
        const char c = Peek();
        if (c == '{') {
            v.Kind = TValue::Object;
            Step();
            Space();
            if (Peek() == '}') {
                Step();
                return v;
            }
            for (;;) {
                Space();
                const TPos keyAt = pos_;
                if (Peek() != '"') {
                    if (AtEnd())
                        Fail(Tr("the file ends inside an object"));
                    Fail(Tr("expected a key in double quotes"));
                }
                QString key = String();
                Space();
                Expect(':', QT_TRANSLATE_NOOP("jsonproject", "':'"));
                Space();
                TValue member = Value(depth + 1);
                v.Members.append({std::move(key), std::move(member)});
                v.KeyAt.append(keyAt);
                Space();
                if (Peek() == ',') {
                    Step();
                    continue;
                }
                Expect('}', QT_TRANSLATE_NOOP("jsonproject", "',' or '}'"));
                return v;
            }
        }
        if (c == '[') {
            v.Kind = TValue::Array;
            Step();
            Space();
            if (Peek() == ']') {
                Step();
                return v;
            }
            for (;;) {
                Space();
                v.Items.append(Value(depth + 1));
                Space();
                if (Peek() == ',') {
                    Step();
                    continue;
                }
                Expect(']', QT_TRANSLATE_NOOP("jsonproject", "',' or ']'"));
                return v;
            }
        }
        if (c == '"') {
            v.Kind = TValue::String;
            v.Text = String();
            return v;
        }
        if (c == '-' || (c >= '0' && c <= '9')) {
            v.Kind = TValue::Number;
            v.Token = Number();
            return v;
        }
        for (const auto& [word, kind, flag] :
             {std::tuple{"true", TValue::Bool, true}, std::tuple{"false", TValue::Bool, false},
              std::tuple{"null", TValue::Null, false}}) {
            if (s_.sliced(i_).startsWith(QByteArrayView(word))) {
                for (size_t k = 0; k < std::strlen(word); ++k)
                    Step();
                v.Kind = kind;
                v.Flag = flag;
                return v;
            }
        }
        Fail(Tr("expected a value"));
    }

    QByteArray Number()
    {
        const qsizetype start = i_;
        auto digits = [this] {
            const qsizetype from = i_;
            while (!AtEnd() && Peek() >= '0' && Peek() <= '9')
                Step();
            return i_ - from;
        };
        if (Peek() == '-')
            Step();
        if (Peek() == '0') {
            Step();
        } else if (digits() == 0) {
            Fail(Tr("expected a digit"));
        }
        if (Peek() == '.') {
            Step();
            if (digits() == 0)
                Fail(Tr("expected a digit"));
        }
        if (Peek() == 'e' || Peek() == 'E') {
            Step();
            if (Peek() == '+' || Peek() == '-')
                Step();
            if (digits() == 0)
                Fail(Tr("expected a digit"));
        }
        return s_.sliced(start, i_ - start).toByteArray();
    }

    int Hex4()
    {
        int v = 0;
        for (int k = 0; k < 4; ++k) {
            const char h = Peek();
            int d;
            if (h >= '0' && h <= '9')
                d = h - '0';
            else if (h >= 'a' && h <= 'f')
                d = h - 'a' + 10;
            else if (h >= 'A' && h <= 'F')
                d = h - 'A' + 10;
            else if (AtEnd())
                Fail(Tr("the file ends inside a text"));
            else
                Fail(Tr("expected four hexadecimal digits after \\u"));
            v = v * 16 + d;
            Step();
        }
        return v;
    }

    // A text in double quotes, which must be UTF-8.
    QString String()
    {
        Step(); // the opening quote
        QString out;
        for (;;) {
            if (AtEnd())
                Fail(Tr("the file ends inside a text"));
            const auto c = quint8(Peek());
            if (c == '"') {
                Step();
                return out;
            }
            if (c < 0x20)
                Fail(Tr("a control character in a text must be written as an escape"));
            if (c == '\\') {
                Step();
                const char e = Peek();
                if (AtEnd())
                    Fail(Tr("the file ends inside a text"));
                switch (e) {
                case '"':
                    out += u'"';
                    break;
                case '\\':
                    out += u'\\';
                    break;
                case '/':
                    out += u'/';
                    break;
                case 'b':
                    out += u'\b';
                    break;
                case 'f':
                    out += u'\f';
                    break;
                case 'n':
                    out += u'\n';
                    break;
                case 'r':
                    out += u'\r';
                    break;
                case 't':
                    out += u'\t';
                    break;
                case 'u': {
                    Step();
                    const TPos at = pos_;
                    const int u = Hex4();
                    if (QChar::isHighSurrogate(char16_t(u))) {
                        if (Peek() != '\\' || i_ + 1 >= s_.size() || s_[i_ + 1] != 'u')
                            throw TFault(at, Tr("a \\u escape of a first surrogate needs a second one"));
                        Step();
                        Step();
                        const int low = Hex4();
                        if (!QChar::isLowSurrogate(char16_t(low)))
                            throw TFault(at, Tr("a \\u escape of a first surrogate needs a second one"));
                        out += QChar(char16_t(u));
                        out += QChar(char16_t(low));
                    } else if (QChar::isLowSurrogate(char16_t(u))) {
                        throw TFault(at, Tr("a \\u escape of a second surrogate without a first"));
                    } else {
                        out += QChar(char16_t(u));
                    }
                    continue;
                }
                default:
                    Fail(Tr("unknown escape in a text"));
                }
                Step();
                continue;
            }
            // One UTF-8 sequence, checked in full (no overlong forms, no surrogates).
            int len = c < 0x80             ? 1
                      : (c & 0xE0) == 0xC0 ? 2
                      : (c & 0xF0) == 0xE0 ? 3
                      : (c & 0xF8) == 0xF0 ? 4
                                           : 0;
            if (len == 0 || i_ + len > s_.size())
                Fail(Tr("not UTF-8"));
            char32_t cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
            for (int k = 1; k < len; ++k) {
                const auto b = quint8(s_[i_ + k]);
                if ((b & 0xC0) != 0x80)
                    Fail(Tr("not UTF-8"));
                cp = (cp << 6) | (b & 0x3F);
            }
            constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
            if (cp < least[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
                Fail(Tr("not UTF-8"));
            if (cp > 0xFFFF) {
                out += QChar(QChar::highSurrogate(cp));
                out += QChar(QChar::lowSurrogate(cp));
            } else {
                out += QChar(char16_t(cp));
            }
            for (int k = 0; k < len; ++k)
                Step();
        }
    }

    QByteArrayView s_;
    qsizetype i_ = 0;
    TPos pos_;
};

// ---- Reading: the schema ------------------------------------------------------------------------

class TObject
{
  public:
    TObject(const TValue& v, QString path) : v_(v), path_(std::move(path))
    {
        if (v.Kind != TValue::Object)
            throw TFault(v.At, Where() + Tr("expected an object"));
        QSet<QString> seen;
        for (qsizetype i = 0; i < v.Members.size(); ++i) {
            if (seen.contains(v.Members[i].first))
                throw TFault(v.KeyAt[i],
                             Where() + Tr("the key \"%1\" appears twice").arg(v.Members[i].first));
            seen.insert(v.Members[i].first);
        }
    }

    const QString& Path() const { return path_; }
    QString Where() const { return path_.isEmpty() ? QString() : path_ + QStringLiteral(": "); }
    QString PathOf(const QString& key) const { return path_.isEmpty() ? key : path_ + u'.' + key; }

    const TValue& Get(const QString& key)
    {
        for (qsizetype i = 0; i < v_.Members.size(); ++i)
            if (v_.Members[i].first == key) {
                used_ << key;
                return v_.Members[i].second;
            }
        throw TFault(v_.At, Where() + Tr("the key \"%1\" is missing").arg(key));
    }

    // After every expected key was taken: any other key is a mistake that would otherwise be lost.
    void NoOthers() const
    {
        for (qsizetype i = 0; i < v_.Members.size(); ++i)
            if (!used_.contains(v_.Members[i].first))
                throw TFault(v_.KeyAt[i], Where() + Tr("unknown key \"%1\"").arg(v_.Members[i].first));
    }

  private:
    const TValue& v_;
    QString path_;
    QStringList used_;
};

[[noreturn]] void Bad(const TValue& v, const QString& path, const QString& what)
{
    throw TFault(v.At, path + QStringLiteral(": ") + what);
}

qint64 Integer(const TValue& v, const QString& path, qint64 least, qint64 most)
{
    const QString want = Tr("expected an integer %1..%2").arg(least).arg(most);
    if (v.Kind != TValue::Number)
        Bad(v, path, want);
    qint64 n = 0;
    const char* b = v.Token.constData();
    const char* e = b + v.Token.size();
    const auto [end, ec] = std::from_chars(b, e, n);
    if (ec != std::errc() || end != e || n < least || n > most)
        Bad(v, path, want);
    return n;
}

// "0x" and eight hexadecimal digits: a 32-bit value as it is stored.
bool HexBitsValue(const QString& t, quint32& out)
{
    if (t.size() != 10 || !(t.startsWith(u"0x") || t.startsWith(u"0X")))
        return false;
    for (qsizetype i = 2; i < t.size(); ++i)
        if (t[i].unicode() >= 128 || !std::isxdigit(t[i].unicode()))
            return false;
    bool ok = false;
    out = QStringView(t).sliced(2).toUInt(&ok, 16);
    return ok;
}

quint32 ReadColor(const TValue& v, const QString& path)
{
    const QString want = Tr("expected a colour \"#RRGGBB\" or a colour value \"0xXXXXXXXX\"");
    if (v.Kind != TValue::String)
        Bad(v, path, want);
    const QString& t = v.Text;
    quint32 value = 0;
    if (t.size() == 7 && t[0] == u'#' && HexBitsValue(QStringLiteral("0x00") + t.sliced(1), value))
        return ((value >> 16) & 0xFF) | (value & 0xFF00) | ((value & 0xFF) << 16);
    if (HexBitsValue(t, value))
        return value;
    Bad(v, path, want);
}

float ReadFloat(const TValue& v, const QString& path)
{
    const QString want =
        Tr("expected a number within the range of a 32-bit float, or the bits of one as \"0xXXXXXXXX\"");
    if (v.Kind == TValue::String) {
        quint32 bits = 0;
        if (!HexBitsValue(v.Text, bits))
            Bad(v, path, want);
        float f;
        std::memcpy(&f, &bits, 4);
        return f;
    }
    if (v.Kind != TValue::Number)
        Bad(v, path, want);
    const char* b = v.Token.constData();
    const char* e = b + v.Token.size();
    // The number written for a value is the shortest that gives its float back when read as a float.
    float f = 0;
    const auto [fend, fec] = std::from_chars(b, e, f);
    if (fend == e && fec == std::errc())
        return f;
    if (fec != std::errc::result_out_of_range)
        Bad(v, path, want);
    // Too large is refused; too small for a float rounds to zero (or the smallest float), as any
    // decimal number rounds to the nearest float.
    double d = 0;
    const auto [dend, dec] = std::from_chars(b, e, d);
    if (dec == std::errc::result_out_of_range && (v.Token.contains("e-") || v.Token.contains("E-")))
        return v.Token.startsWith('-') ? -0.0f : 0.0f;
    if (dend != e || dec != std::errc() || std::fabs(d) > double(std::numeric_limits<float>::max()))
        Bad(v, path, want);
    return float(d);
}

QByteArray ReadText(const TValue& v, const QString& path, qsizetype capacity)
{
    if (v.Kind != TValue::String)
        Bad(v, path, Tr("expected a text in double quotes"));
    const QString missing = CharactersNotInCodePage(v.Text);
    if (!missing.isEmpty())
        Bad(v, path, Tr("the project file's code page cannot hold \"%1\"").arg(missing));
    const QByteArray bytes = ToCodePage(v.Text);
    if (bytes.size() > capacity)
        Bad(v, path, Tr("expected a text of at most %1 characters, not %2").arg(capacity).arg(bytes.size()));
    return bytes;
}

quint8 ReadKind(const TValue& v, const QString& path)
{
    if (v.Kind == TValue::String)
        for (const TKindName& k : KindNames)
            if (v.Text == QLatin1String(k.Name))
                return k.Kind;
    if (v.Kind == TValue::Number) {
        qint64 n = 0;
        const auto [end, ec] = std::from_chars(v.Token.constData(), v.Token.constData() + v.Token.size(), n);
        if (ec == std::errc() && end == v.Token.constData() + v.Token.size() && n >= 0 && n <= 255)
            return quint8(n);
    }
    QStringList names;
    for (const TKindName& k : KindNames)
        names << QString::fromLatin1(k.Name);
    Bad(v, path, Tr("expected one of %1, or an integer 0..255").arg(names.join(QStringLiteral(", "))));
}

void ReadField(TObject& o, const TField& f, TRecordWriter& w)
{
    const QString key = QString::fromLatin1(f.Key);
    const TValue& v = o.Get(key);
    const QString path = o.PathOf(key);
    switch (f.Type) {
    case TType::Bool:
        if (v.Kind != TValue::Bool)
            Bad(v, path, Tr("expected true or false"));
        w.U8(f.Offset, v.Flag ? 1 : 0);
        break;
    case TType::U8:
        w.U8(f.Offset, quint8(Integer(v, path, 0, 255)));
        break;
    case TType::U16:
        w.U16(f.Offset, quint16(Integer(v, path, 0, 65535)));
        break;
    case TType::I16:
        w.I16(f.Offset, qint16(Integer(v, path, -32768, 32767)));
        break;
    case TType::I32:
        w.I32(f.Offset, qint32(Integer(v, path, std::numeric_limits<qint32>::min(),
                                       std::numeric_limits<qint32>::max())));
        break;
    case TType::Color:
        w.U32(f.Offset, ReadColor(v, path));
        break;
    case TType::Float:
        w.F32(f.Offset, ReadFloat(v, path));
        break;
    case TType::Text:
        w.ShortText(f.Offset, ReadText(v, path, f.Capacity), f.Capacity);
        break;
    case TType::Kind:
        w.U8(f.Offset, ReadKind(v, path));
        break;
    }
}

const QList<TValue>& ReadArray(const TValue& v, const QString& path)
{
    if (v.Kind != TValue::Array)
        Bad(v, path, Tr("expected an array"));
    return v.Items;
}

QByteArray ReadScreen(const TValue& value, const QString& path)
{
    TObject o(value, path);
    TRecordWriter h(ScreenHeaderSize);
    for (const TField& f : ScreenFields)
        ReadField(o, f, h);
    const bool landscape = h.Bytes()[sLandscape] != 0;
    // The displayed size the writer records is never read back; a load and save records it at zoom 1.
    h.I32(sWidth, landscape ? 320 : 240);
    h.I32(sHeight, landscape ? 240 : 320);
    const QString elementsPath = o.PathOf(QStringLiteral("elements"));
    const TValue& elementsValue = o.Get(QStringLiteral("elements"));
    const QList<TValue>& elements = ReadArray(elementsValue, elementsPath);
    if (elements.size() > MaxElementsPerScreen)
        Bad(elementsValue, elementsPath,
            Tr("a screen can hold at most %1 elements, not %2")
                .arg(MaxElementsPerScreen)
                .arg(elements.size()));
    o.NoOthers();
    h.U8(sCount, quint8(elements.size()));
    QByteArray out = h.Bytes();
    for (qsizetype i = 0; i < elements.size(); ++i) {
        TObject e(elements[i], QStringLiteral("%1[%2]").arg(elementsPath).arg(i));
        TRecordWriter r(ElementRecordSize);
        for (const TField& f : ElementFieldsBefore)
            ReadField(e, f, r);
        const quint8 kind = quint8(r.Bytes()[eKind]);
        for (const TField& f : ColorFields(kind))
            ReadField(e, f, r);
        if (kind != ekLED && kind != ekShape)
            r.U32(eColor1, TRecordReader(r.Bytes()).U32(eTextColor));
        for (const TField& f : ElementFieldsAfter)
            ReadField(e, f, r);
        e.NoOthers();
        out += r.Bytes();
    }
    return out;
}

QByteArray ReadProject(const TValue& root)
{
    TObject o(root, {});
    const TValue& version = o.Get(QStringLiteral("version"));
    if (version.Kind != TValue::Number || version.Token != QByteArray::number(ProjectJsonVersion))
        Bad(version, QStringLiteral("version"),
            Tr("this designer reads version %1 of the project's text form").arg(ProjectJsonVersion));

    TRecordWriter h(ProjectHeaderSize);
    TObject splash(o.Get(QStringLiteral("splash")), QStringLiteral("splash"));
    for (const TField& f : SplashFields)
        ReadField(splash, f, h);
    splash.NoOthers();

    const TValue& screensValue = o.Get(QStringLiteral("screens"));
    const QList<TValue>& screens = ReadArray(screensValue, QStringLiteral("screens"));
    if (screens.isEmpty() || screens.size() > MaxScreens)
        Bad(screensValue, QStringLiteral("screens"),
            Tr("a project holds 1..%1 work screens, not %2").arg(MaxScreens).arg(screens.size()));
    h.U8(hScreens, quint8(screens.size()));
    QByteArray out = h.Bytes();
    for (qsizetype i = 0; i < screens.size(); ++i)
        out += ReadScreen(screens[i], QStringLiteral("screens[%1]").arg(i));
    out += ReadScreen(o.Get(QStringLiteral("powerFail")), QStringLiteral("powerFail"));
    o.NoOthers();
    return out;
}

} // namespace

bool LooksLikeProjectJson(QByteArrayView bytes)
{
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    auto space = [&] {
        while (i < bytes.size() &&
               (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\n' || bytes[i] == '\r'))
            ++i;
    };
    space();
    if (i >= bytes.size() || bytes[i] != '{')
        return false;
    ++i;
    space();
    return i >= bytes.size() || bytes[i] == '"' || bytes[i] == '}';
}

TProjectForm ProjectFormForName(const QString& fileName)
{
    return fileName.endsWith(QLatin1String(".json"), Qt::CaseInsensitive) ? TProjectForm::Json
                                                                          : TProjectForm::Binary;
}

QByteArray ProjectJson(const QByteArray& lcd)
{
    CheckProjectBytes(lcd, QStringLiteral("project"));
    TWriter w;
    w.Open(nullptr, '{');
    w.Raw("version", QByteArray::number(ProjectJsonVersion));
    const TRecordReader h(QByteArrayView(lcd).first(ProjectHeaderSize));
    w.Open("splash", '{');
    for (const TField& f : SplashFields)
        w.Field(h, f);
    w.Close('}');
    const int screens = h.U8(hScreens);
    qsizetype pos = ProjectHeaderSize;
    w.Open("screens", '[');
    for (int i = 0; i < screens; ++i)
        pos = WriteScreen(w, nullptr, lcd, pos);
    w.Close(']');
    WriteScreen(w, "powerFail", lcd, pos);
    w.Close('}');
    return w.Finish();
}

QByteArray ProjectJson(const TLCDList& list, const TLCD& powerFail, const SplashSettings& splash)
{
    return ProjectJson(ProjectBytes(list, powerFail, splash));
}

QByteArray ProjectBytesFromJson(QByteArrayView json, const QString& name)
{
    try {
        return ReadProject(TParser(json).Document());
    } catch (const TFault& f) {
        const QString where = Tr("line %1, column %2").arg(f.At.Line).arg(f.At.Column);
        throw TError(Tr("The project file \"%1\" cannot be read: %2.")
                         .arg(name, f.What.isEmpty() ? where : where + QStringLiteral(": ") + f.What));
    }
}

void SaveProjectJson(const QString& fileName, TLCDList& list, TLCD& powerFail, const SplashSettings& splash)
{
    const QByteArray text = ProjectJson(list, powerFail, splash);
    QString why;
    if (!WriteFileAtomic(fileName, text, &why))
        throw TError(QCoreApplication::translate("lcdfile", "Cannot save the project to \"%1\": %2")
                         .arg(QFileInfo(fileName).absoluteFilePath(), why));
    list.SetModified(false);
    powerFail.SetModified(false);
}
