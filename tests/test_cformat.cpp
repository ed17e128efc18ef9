#include "model/cformat.h"

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <locale.h>

namespace {

struct Good
{
    QByteArray format;
    float value;
    QByteArray text;
};

} // namespace

TEST(CFormat, FormatsOneFloatWithTheUsersFormat)
{
    const float inf = std::numeric_limits<float>::infinity();
    const Good cases[] = {
        {"%.4f", 400.5278f, "400.5278"},
        {"%3.0f", 0.0f, "  0"},
        {"X=%+08.2f mm", 12.5f, "X=+0012.50 mm"},
        {"X=%+08.2f mm", -3.25f, "X=-0003.25 mm"},
        {"%%%.1f%%", 42.5f, "%42.5%"},
        {"%e", 400.5278f, "4.005278e+02"},
        {"%E", -0.5f, "-5.000000E-01"},
        {"%G", 0.0001f, "0.0001"},
        {"%G", 1e-5f, "1E-05"},
        {"%g", 1234567.0f, "1.23457e+06"},
        {"%-8.3f|", 3.14159f, "3.142   |"},
        {"% .2f", 1.0f, " 1.00"},
        {"%#.0f", 3.0f, "3."},
        {"%#g", 1.0f, "1.00000"},
        {"%.f", 7.0f, "7"},
        {"%.0e", 12345.0f, "1e+04"},
        {"%--+5.1f|", 1.5f, "+1.5 |"}, // a repeated flag means it once
        {"%f", 0.1f, "0.100000"},      // promoted to double first, as printf does
        {"%.10f", 0.1f, "0.1000000015"},
        {"%F", inf, "INF"},
        {"%f", -inf, "-inf"},
        {"%05.1f", inf, "  inf"},            // no zero padding of an infinity
        {"t=%.1f\xB0", 21.5f, "t=21.5\xB0"}, // code page bytes are copied
        {"\xC8\xEA\xF1 %.0f", 5.0f, "\xC8\xEA\xF1 5"},
        {"%f", std::numeric_limits<float>::quiet_NaN(), "nan"},
    };
    for (const Good& c : cases) {
        const std::optional<QByteArray> text = CFormat(c.format, c.value);
        ASSERT_TRUE(text.has_value()) << c.format.constData();
        EXPECT_EQ(*text, c.text) << c.format.constData();
    }
}

TEST(CFormat, RefusesFormatsThatAreNotOneFloatConversion)
{
    // clang-format off
    const char* const cases[] = {
        "%n", "%s", "%d", "%x", "%c", "%p", "%a", "%A",   // other conversions
        "%*f", "%.*f", "%1$f",                             // arguments printf would take or pick
        "%lf", "%Lf", "%hf", "%llf", "%qf",                // length modifiers
        "%'f", "%I64f",                                    // extensions
        "%f%f", "%f %e", "X=%.1f Y=%.1f",                  // a second conversion
        "%", "abc%", "%f%", "%5", "%.2", "%-", "% %f",     // lone, trailing or cut-off '%'
        "%5%", "%.1%",                                     // "%%" only without anything between
        "", "%%", "no conversion", "100%%",                // no conversion at all
        "%100f", "%.100f", "%1.123f", "%123.1f",           // width or precision of three digits
    };
    // clang-format on
    for (const char* format : cases)
        EXPECT_FALSE(CFormat(format, 1.0f).has_value()) << format;
    EXPECT_FALSE(CFormat(QByteArray("%.1f\0x", 6), 1.0f).has_value()) << "zero byte inside";
    EXPECT_FALSE(CFormat(QByteArray("\0%.1f", 5), 1.0f).has_value()) << "zero byte first";
}

// The largest width and precision are accepted, and the text is exactly as long as they make it.
TEST(CFormat, TwoDigitWidthAndPrecisionAreTheLimit)
{
    const std::optional<QByteArray> wide = CFormat("%99f", 1.0f);
    ASSERT_TRUE(wide.has_value());
    EXPECT_EQ(*wide, QByteArray(91, ' ') + "1.000000");

    // The longest a number can get: FLT_MAX has 39 integer digits; sign, point and 99 decimals.
    const std::optional<QByteArray> longest = CFormat("[%+99.99f]", -FLT_MAX);
    ASSERT_TRUE(longest.has_value());
    EXPECT_EQ(longest->size(), 1 + 140 + 1);
    EXPECT_TRUE(longest->startsWith("[-340282346638528859811704183484516925440.000"));
    EXPECT_TRUE(longest->endsWith("0]"));

    const std::optional<QByteArray> tiny = CFormat("%.99e", FLT_TRUE_MIN);
    ASSERT_TRUE(tiny.has_value());
    EXPECT_TRUE(tiny->startsWith("1.401298464324817070923729583289916131280")) << tiny->constData();
    EXPECT_TRUE(tiny->endsWith("e-45"));
    EXPECT_EQ(tiny->size(), 1 + 1 + 99 + 4);

    EXPECT_FALSE(CFormat("%100.1f", 1.0f).has_value());
    EXPECT_FALSE(CFormat("%1.100f", 1.0f).has_value());
}

// Literal text of any length is copied around the number, far beyond any fixed buffer.
TEST(CFormat, LongLiteralTextIsCopiedWhole)
{
    const QByteArray before(300, 'a'), after(500, 'b');
    const std::optional<QByteArray> text = CFormat(before + "%%%.2f%%" + after, 2.5f);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, before + "%2.50%" + after);
}

TEST(CFormat, DroFormatsMustFitThePanelsRecord)
{
    EXPECT_TRUE(IsValidDroFormat("%.4f"));
    EXPECT_TRUE(IsValidDroFormat("abcdef%.4f"));   // 10 bytes: what the project file keeps
    EXPECT_FALSE(IsValidDroFormat("abcdefg%.4f")); // 11 bytes
    EXPECT_FALSE(IsValidDroFormat("%d"));
    EXPECT_FALSE(IsValidDroFormat(""));
    EXPECT_TRUE(CFormat("abcdefghijkl%.4f", 1.0f).has_value()) << "only the DRO check limits length";
}

TEST(CFormat, DroShowsFallbackWhenTheFormatFails)
{
    EXPECT_EQ(DroText("%.2f", 1.5f), QByteArray("1.50"));
    EXPECT_EQ(DroText("%s", 1.5f), QByteArray("0.0"));
    EXPECT_EQ(DroText("%", 1.5f), QByteArray("0.0"));
    EXPECT_EQ(DroText("", 1.5f), QByteArray("0.0"));
}

// Under a locale whose decimal separator is a comma, the text still has a point, and neither the
// process's nor the thread's locale is changed by formatting.
class CFormatCommaLocale : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "ru_RU.UTF-8", "fr_FR.UTF-8"}) {
            if (std::setlocale(LC_NUMERIC, name) && PrintfText() == "1,5") {
                name_ = name;
                return;
            }
        }
        std::setlocale(LC_NUMERIC, "C");
        GTEST_SKIP()
            << "no locale with a decimal comma is installed (scripts/deps.sh test makes de_DE.UTF-8)";
    }
    void TearDown() override { std::setlocale(LC_NUMERIC, "C"); }

    // What the C library prints under the locale in force on this thread.
    static std::string PrintfText()
    {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%.1f", 1.5);
        return buf;
    }

    const char* name_ = nullptr;
};

TEST_F(CFormatCommaLocale, ProcessLocaleDoesNotChangeTheSeparator)
{
    EXPECT_EQ(CFormat("%.4f", 400.5278f).value_or("failed"), QByteArray("400.5278"));
    EXPECT_EQ(CFormat("X=%+08.2f", -3.25f).value_or("failed"), QByteArray("X=-0003.25"));
    EXPECT_EQ(CFormat("%e", 400.5278f).value_or("failed"), QByteArray("4.005278e+02"));
    EXPECT_EQ(CFormat("%#.0f", 3.0f).value_or("failed"), QByteArray("3."));
    EXPECT_EQ(PrintfText(), "1,5") << "the process locale was changed";
}

TEST_F(CFormatCommaLocale, ThreadLocaleDoesNotChangeTheSeparatorAndIsKept)
{
    std::setlocale(LC_NUMERIC, "C");
    const locale_t comma = newlocale(LC_NUMERIC_MASK, name_, locale_t(0));
    ASSERT_NE(comma, locale_t(0));
    const locale_t before = uselocale(comma);
    ASSERT_EQ(PrintfText(), "1,5");

    EXPECT_EQ(DroText("%.2f", 1.25f), QByteArray("1.25"));
    EXPECT_EQ(uselocale(locale_t(0)), comma) << "the thread's locale was not put back";
    EXPECT_EQ(PrintfText(), "1,5");

    uselocale(before);
    freelocale(comma);
}
