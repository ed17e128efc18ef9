#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include "base/datafolders.h"
#include "output/digits.h"
#include "output/folders.h"
#include "testutil.h"

TEST(ClearFolderFiles, DeletesFilesEverywhereKeepsFoldersNeverFollowsLinks)
{
    QTemporaryDir root;
    const QDir out(root.filePath("out"));
    const QDir outside(root.filePath("outside"));
    ASSERT_TRUE(QDir().mkpath(out.filePath("00/deep")));
    ASSERT_TRUE(QDir().mkpath(out.filePath("emptied")));
    ASSERT_TRUE(QDir().mkpath(outside.path()));
    for (const char* f : {"logo.bin", ".hidden", "00/01.elm", "00/deep/x", "emptied/y"})
        testutil::WriteAll(out.filePath(f), "data");
    testutil::WriteAll(outside.filePath("keep.txt"), "keep");
    ASSERT_TRUE(QFile::link(outside.path(), out.filePath("linkdir")));
    ASSERT_TRUE(QFile::link(outside.filePath("keep.txt"), out.filePath("00/linkfile")));
    ASSERT_TRUE(QFile::link(root.filePath("nothing"), out.filePath("broken")));
    QFile::setPermissions(out.filePath("logo.bin"), QFileDevice::ReadOwner);

    ClearFolderFiles(out.path() + "/");

    EXPECT_TRUE(out.entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty());
    EXPECT_EQ(out.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name), (QStringList{"00", "emptied"}));
    EXPECT_TRUE(QDir(out.filePath("00")).entryList(QDir::Files | QDir::System).isEmpty());
    EXPECT_TRUE(QDir(out.filePath("00/deep")).exists());
    EXPECT_EQ(testutil::ReadAll(outside.filePath("keep.txt")), QByteArray("keep"));
    EXPECT_FALSE(QFileInfo(out.filePath("linkdir")).isSymLink());
}

TEST(DigitFiles, ElevenPicturesOfTheClockCharacters)
{
    QTemporaryDir dir;
    WriteDigitFiles(dir.path());
    const QStringList names = DigitFileNames();
    ASSERT_EQ(names.size(), 11);
    EXPECT_EQ(names.first(), QString("n01.bin"));
    for (const QString& n : names)
        EXPECT_EQ(QFileInfo(dir.filePath(n)).size(), 2 * DigitFileWidth * DigitFileHeight) << n.toStdString();
    // Each digit is a different picture of black on white.
    QSet<QByteArray> distinct;
    for (const QString& n : names) {
        const QByteArray b = testutil::ReadAll(dir.filePath(n));
        distinct.insert(b);
        EXPECT_TRUE(b.contains(QByteArray("\0\0", 2))) << n.toStdString();
        EXPECT_TRUE(b.contains("\xFF\xFF")) << n.toStdString();
    }
    EXPECT_EQ(distinct.size(), 11);
    const QImage one = DigitPicture('1');
    EXPECT_EQ(one.size(), QSize(DigitFileWidth, DigitFileHeight));
    EXPECT_EQ(one.pixel(0, DigitFileHeight / 2), qRgb(255, 255, 255));
}

TEST(ProgramDataFolders, OwnFolderFirstThenTheInstallationsShareFolder)
{
    QTemporaryDir dir;
    const QString bin = dir.filePath(QStringLiteral("usr/bin"));
    const QString share = dir.filePath(QStringLiteral("usr/share/tarvolt-designer"));
    const QString build = dir.filePath(QStringLiteral("build"));
    ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(build));

    const QStringList installed = ProgramDataFolders(bin);
    ASSERT_GE(installed.size(), 2);
    EXPECT_EQ(installed[0], bin);
    EXPECT_EQ(installed[1], share);
    EXPECT_EQ(installed.count(share), 1);
    const QStringList own = ProgramDataFolders(build);
    EXPECT_EQ(own[0], build);
    EXPECT_FALSE(own.contains(dir.filePath(QStringLiteral("share/tarvolt-designer"))));

    // A program in bin/ counts as installed only when the data folder is there.
    EXPECT_FALSE(IsInstalledProgramFolder(bin));
    ASSERT_TRUE(QDir().mkpath(share));
    EXPECT_TRUE(IsInstalledProgramFolder(bin));
    EXPECT_FALSE(IsInstalledProgramFolder(build));
}

TEST(ProgramDataFolders, ResFolderIsTheFirstThatExists)
{
    QTemporaryDir dir;
    const QString bin = dir.filePath(QStringLiteral("usr/bin"));
    const QString shared = dir.filePath(QStringLiteral("usr/share/tarvolt-designer/res"));
    ASSERT_TRUE(QDir().mkpath(bin));
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("none")).toLocal8Bit());
    qputenv("XDG_DATA_DIRS", dir.filePath(QStringLiteral("none")).toLocal8Bit());
    // None: the program's own, so that a message can name it.
    EXPECT_EQ(ProgramResFolder(bin), bin + QStringLiteral("/res"));
    ASSERT_TRUE(QDir().mkpath(shared));
    EXPECT_EQ(ProgramResFolder(bin), shared);
    ASSERT_TRUE(QDir().mkpath(bin + QStringLiteral("/res")));
    EXPECT_EQ(ProgramResFolder(bin), bin + QStringLiteral("/res"));
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_DATA_DIRS");
}
