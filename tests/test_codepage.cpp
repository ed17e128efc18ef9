#include <gtest/gtest.h>

#include "base/codepage.h"

TEST(CodePage, EncodesCyrillicAndReplacesWhatItCannotHold)
{
    struct Case { const char* utf8; QByteArray bytes; };
    const Case cases[] = {
        {"Status", "Status"},
        {"Экран 1", QByteArray("\xDD\xEA\xF0\xE0\xED\x20\x31")},
        {"абвгдеж", QByteArray("\xE0\xE1\xE2\xE3\xE4\xE5\xE6")},
        {"\xC2\xB0\xC2\xB1", QByteArray("\xB0\xB1")},                  // degree sign and plus-minus
        {"\xE4\xB8\xAD x", QByteArray("? x")},                         // CJK: not in the code page
        {"\xE2\x9C\x93 \xE2\x9C\x93\xE2\x98\xBA", QByteArray("? ??")}, // each one '?', not only the first
        {"\xF0\x9F\x98\x80!", QByteArray("?!")}, // outside the BMP: one '?' for the pair
        {"", QByteArray()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToCodePage(QString::fromUtf8(c.utf8)), c.bytes) << c.utf8;
}

TEST(CodePage, EveryByteRoundTrips)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    const QString text = FromCodePage(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(ToCodePage(text), all);
    EXPECT_EQ(text.at(0xC0), QChar(0x0410)); // А, the first capital
    EXPECT_EQ(text.at(0xFF), QChar(0x044F)); // я, the last small letter
}

TEST(CodePage, NamesEachCharacterItCannotHoldOnce)
{
    struct Case
    {
        const char* utf8;
        const char* missing;
    };
    const Case cases[] = {
        {"Status ?", ""},
        {"Экран 1 \xE2\x82\xAC", ""},                                             // the euro sign is in it
        {"caf\xC3\xA9", "\xC3\xA9"},                                              // é is not
        {"\xE2\x9C\x93 a \xE2\x9C\x93 \xE2\x98\xBA", "\xE2\x9C\x93\xE2\x98\xBA"}, // each once, in order
        {"\xF0\x9F\x98\x80!", "\xF0\x9F\x98\x80"},                                // a pair is one character
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CharactersNotInCodePage(QString::fromUtf8(c.utf8)), QString::fromUtf8(c.missing)) << c.utf8;
}
