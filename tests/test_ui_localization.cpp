#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "testutil.h"
#include "ui/localization.h"

TEST(Localization, LanguageIdsAndNames)
{
    EXPECT_EQ(LanguageIdFor("ru_RU"), 1049u);
    EXPECT_EQ(LanguageIdFor("ru"), 1049u);
    EXPECT_EQ(LanguageIdFor("en_US"), 1033u);
    EXPECT_EQ(LanguageIdFor("de_AT"), 1031u);
    EXPECT_EQ(LanguageIdFor(""), 0u);
    EXPECT_EQ(LocaleNameForId(1049), QString("ru_RU"));
    EXPECT_EQ(LanguageDisplayName(1049), QString("Russian"));
    EXPECT_EQ(LanguageDisplayName(1033), QString("English"));
    EXPECT_EQ(LanguageDisplayName(4242), QString("4242"));
}

TEST(Localization, WithoutLanguageFilesOnlyTheBuiltInLanguage)
{
    QTemporaryDir empty;
    testutil::WriteAll(empty.filePath("junk.lng"), "not a translation");
    TLocalization l;
    l.Scan({empty.path()});
    ASSERT_EQ(l.Count(), 1);
    EXPECT_EQ(l.Languages()[0].Id, 1033u);
    EXPECT_EQ(l.Languages()[0].Name, QString("English"));
    l.SetActive(1049);
    EXPECT_EQ(l.ActiveId(), 1033u);
}

TEST(Localization, ALanguageOfAnEarlierFolderIsNotTakenAgainFromALaterOne)
{
    QTemporaryDir own, installed;
    const QByteArray russian = testutil::ReadAll(QStringLiteral(TARVOLT_BIN_DIR "/tarvolt_ru.lng"));
    testutil::WriteAll(own.filePath("tarvolt_ru.lng"), russian);
    testutil::WriteAll(installed.filePath("tarvolt_ru.lng"), russian);
    TLocalization l;
    l.Scan({own.path(), installed.path()});
    ASSERT_EQ(l.Count(), 2);
    EXPECT_EQ(l.Languages()[1].File, own.filePath("tarvolt_ru.lng"));

    // Within one folder every file counts, as the list has always shown them.
    testutil::WriteAll(own.filePath("tarvolt_ru2.lng"), russian);
    l.Scan({own.path(), installed.path()});
    ASSERT_EQ(l.Count(), 3);
    EXPECT_EQ(l.Languages()[2].File, own.filePath("tarvolt_ru2.lng"));
}

TEST(Localization, TheRussianFileMakesItsIdActive)
{
    TLocalization l;
    l.Scan({QStringLiteral(TARVOLT_BIN_DIR), QStringLiteral(TARVOLT_BIN_DIR)}); // a folder twice: found once
    ASSERT_EQ(l.Count(), 2);
    EXPECT_EQ(l.Languages()[1].Id, 1049u);
    EXPECT_EQ(l.Languages()[1].Name, QString("Russian"));
    QSignalSpy changed(&l, &TLocalization::LanguageChanged);
    l.SetActive(1049);
    EXPECT_EQ(l.ActiveId(), 1049u);
    EXPECT_EQ(QCoreApplication::translate("TMForm", "Screen designer for Tarvolt RU"),
              QString::fromUtf8("Дизайнер экранов для Tarvolt RU"));
    // Qt's own texts (message box buttons here) come along.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString::fromUtf8("&Да"));
    l.SetActive(1033);
    EXPECT_EQ(l.ActiveId(), 1033u);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Yes"));
    EXPECT_EQ(QCoreApplication::translate("TMForm", "Screen designer for Tarvolt RU"),
              QString("Screen designer for Tarvolt RU"));
    EXPECT_EQ(changed.count(), 2);
}
