// The one writer of every file: a file is replaced in one step, never written in place, and a set of
// files is put in place together.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

#include "base/atomicfile.h"
#include "gifwriter.h"
#include "base/terror.h"
#include "model/tlcdlist.h"
#include "output/animation.h"
#include "output/screenfiles.h"
#include "output/splash.h"
#include "base/urgb.h"
#include "project/lcdfile.h"
#include "testutil.h"

namespace {

ino_t Inode(const QString& path)
{
    struct stat st{};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

// Names left behind in a folder tree that are no final name: temporary files of the writer.
QStringList Leftovers(const QString& folder)
{
    QStringList found;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString name = QFileInfo(it.next()).fileName();
        if (name.endsWith(QLatin1String(".tmp")))
            found << name;
    }
    return found;
}

} // namespace

// A writer that truncated the file in place would also change every other name of the same file (a
// hard link, which a user's copy of an output may be); replacing it leaves them as they were.
TEST(AtomicFile, EveryWriterReplacesTheFileInsteadOfWritingIntoIt)
{
    QTemporaryDir dir;
    TSplash splash;
    splash.SetClockShown(true);
    TAnimation animation;
    gifwriter::Gif gif;
    gif.Width = gif.Height = 8;
    gif.GlobalMap = {qRgb(255, 255, 255), qRgb(0, 0, 0)};
    gif.Frames.push_back(gifwriter::SolidFrame(0, 0, 8, 8, 1));
    ASSERT_TRUE(gifwriter::WriteGif(dir.filePath("a.gif"), gif));
    animation.LoadAnimation(dir.filePath("a.gif"));
    TLCDList list;
    list.AddScreen(240, 320);
    TLCD powerFail;

    struct Case
    {
        const char* name;
        std::function<void(const QString& file)> write;
    };
    const Case cases[] = {
        {"tm.bin", [&](const QString& f) { WriteClockSettings(splash, f); }},
        {"anime.bin", [&](const QString& f) { animation.WriteAnimationFiles(QFileInfo(f).path(), splash); }},
        {"a00.bin", [&](const QString& f) { animation.WriteAnimationFiles(QFileInfo(f).path(), splash); }},
        {"logo.bin", [&](const QString& f) { Save16bitArray(T16bitArray(4, 0x1234), f); }},
        {"lcdconfig", [&](const QString& f) { WriteFileBytes(f, "\x01"); }},
        {"any.bin", [&](const QString& f) { WriteFileAtomic(f, "new"); }},
        {"demo.lcd", [&](const QString& f) { SaveProject(f, list, powerFail, SplashSettings{}); }},
    };
    for (const Case& c : cases) {
        const QString file = dir.filePath(QString::fromLatin1(c.name));
        const QString other = dir.filePath(QStringLiteral("user-copy"));
        QFile::remove(file);
        QFile::remove(other);
        testutil::WriteAll(other, "the user's bytes");
        ASSERT_EQ(::link(QFile::encodeName(other).constData(), QFile::encodeName(file).constData()), 0);

        c.write(file);

        EXPECT_EQ(testutil::ReadAll(other), QByteArray("the user's bytes")) << c.name;
        EXPECT_NE(testutil::ReadAll(file), QByteArray("the user's bytes")) << c.name;
        EXPECT_EQ(Leftovers(dir.path()), QStringList()) << c.name;
    }
}

TEST(AtomicFile, AFailureNamesTheFileWithTheSystemsReasonAndKeepsTheOldBytes)
{
    QTemporaryDir dir;
    struct Case
    {
        QString file;
        const char* reason;
    };
    testutil::WriteAll(dir.filePath("plain"), "x");
    QDir().mkpath(dir.filePath("folder"));
    const Case cases[] = {
        {dir.filePath("missing/a.bin"), "No such file or directory"},
        {dir.filePath("plain/a.bin"), "Not a directory"},
        {dir.filePath("folder"), "Is a directory"},
    };
    for (const Case& c : cases) {
        try {
            WriteFileAtomic(c.file, "bytes");
            ADD_FAILURE() << "wrote " << c.file.toStdString();
        } catch (const TError& e) {
            EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Cannot create file \"%1\".")
                                                   .arg(QDir::toNativeSeparators(c.file))))
                << e.what();
            EXPECT_TRUE(e.Message().contains(QLatin1String(c.reason))) << e.what();
        }
    }
    EXPECT_EQ(testutil::ReadAll(dir.filePath("plain")), QByteArray("x"));
    EXPECT_TRUE(QFileInfo(dir.filePath("folder")).isDir());
    EXPECT_EQ(Leftovers(dir.path()), QStringList());
}

TEST(AtomicFile, AReplacedFileKeepsItsPermissions)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("a.bin");
    testutil::WriteAll(file, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0640), 0);
    WriteFileAtomic(file, "new");
    struct stat st{};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(FileSet, NothingChangesUnderAFinalNameBeforeTheCommit)
{
    QTemporaryDir dir;
    const QString a = dir.filePath("a.bin"), b = dir.filePath("b.bin"), gone = dir.filePath("gone.bin");
    testutil::WriteAll(a, "old a");
    testutil::WriteAll(gone, "stale");
    {
        TFileSet set;
        set.Write(a, "new a");
        set.Write(b, "new b");
        set.Remove(gone);
        EXPECT_EQ(testutil::ReadAll(a), QByteArray("old a"));
        EXPECT_FALSE(QFileInfo::exists(b));
        EXPECT_TRUE(QFileInfo::exists(gone));
        EXPECT_EQ(Leftovers(dir.path()).size(), 2);
        // Destroyed without a commit: as if it had never been.
    }
    EXPECT_EQ(testutil::ReadAll(a), QByteArray("old a"));
    EXPECT_FALSE(QFileInfo::exists(b));
    EXPECT_TRUE(QFileInfo::exists(gone));
    EXPECT_EQ(Leftovers(dir.path()), QStringList());

    TFileSet set;
    set.Write(a, "first");
    set.Write(a, "new a"); // the name given again replaces its bytes
    set.Write(b, "new b");
    set.Remove(gone);
    set.Remove(b); // a file of the set is never removed
    set.Commit();
    EXPECT_EQ(testutil::ReadAll(a), QByteArray("new a"));
    EXPECT_EQ(testutil::ReadAll(b), QByteArray("new b"));
    EXPECT_FALSE(QFileInfo::exists(gone));
    EXPECT_EQ(Leftovers(dir.path()), QStringList());
    EXPECT_EQ(set.Files(), (QStringList{FileSetKey(a), FileSetKey(b)}));
}

TEST(FileSet, AFileThatHoldsItsBytesIsLeftAsItIs)
{
    QTemporaryDir dir;
    const QString same = dir.filePath("same.bin"), other = dir.filePath("other.bin");
    const QString longer = dir.filePath("longer.bin");
    testutil::WriteAll(same, "bytes");
    testutil::WriteAll(other, "bytez");
    testutil::WriteAll(longer, "bytes and more");
    const ino_t sameInode = Inode(same), otherInode = Inode(other), longerInode = Inode(longer);

    TFileSet set;
    set.Write(same, "bytes");
    set.Write(other, "bytes");
    set.Write(longer, "bytes");
    set.Commit();
    EXPECT_EQ(Inode(same), sameInode);
    EXPECT_NE(Inode(other), otherInode);
    EXPECT_NE(Inode(longer), longerInode);
    EXPECT_EQ(testutil::ReadAll(other), QByteArray("bytes"));
    EXPECT_EQ(testutil::ReadAll(longer), QByteArray("bytes"));
    EXPECT_EQ(set.Written(), 2);
    EXPECT_EQ(set.Unchanged(), 1);
}

TEST(FileSet, ACopyReadsOnlyRegularFilesAndAByProductMayFail)
{
    QTemporaryDir dir;
    testutil::WriteAll(dir.filePath("digit"), "glyph");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
    QDir().mkpath(dir.filePath("in-the-way"));

    TFileSet set;
    EXPECT_TRUE(set.Copy(dir.filePath("digit"), dir.filePath("n0.bin")));
    QString why;
    // A pipe would block the read for ever; it is refused at once.
    EXPECT_FALSE(set.Copy(dir.filePath("fifo"), dir.filePath("n1.bin"), &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_FALSE(set.Copy(dir.filePath("none"), dir.filePath("n2.bin")));
    set.WriteIfPossible(dir.filePath("in-the-way"), "listing");
    set.WriteIfPossible(dir.filePath("missing/listing"), "listing");
    EXPECT_NO_THROW(set.Commit());
    EXPECT_EQ(testutil::ReadAll(dir.filePath("n0.bin")), QByteArray("glyph"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("n1.bin")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("n2.bin")));
    EXPECT_TRUE(QFileInfo(dir.filePath("in-the-way")).isDir());
    EXPECT_EQ(Leftovers(dir.path()), QStringList());
}

TEST(FileSet, ACommitThatFailsNamesTheFileAndLeavesNoTemporaryFile)
{
    QTemporaryDir dir;
    const QString a = dir.filePath("a.bin");
    QDir().mkpath(dir.filePath("b.bin")); // a folder where the file should go: only the rename fails
    TFileSet set;
    set.Write(a, "a");
    set.Write(dir.filePath("b.bin"), "b");
    set.Write(dir.filePath("c.bin"), "c");
    try {
        set.Commit();
        ADD_FAILURE() << "committed";
    } catch (const TError& e) {
        EXPECT_TRUE(e.Message().contains(QLatin1String("b.bin"))) << e.what();
    }
    EXPECT_EQ(testutil::ReadAll(a), QByteArray("a")); // put in place before the failure
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("c.bin")));
    EXPECT_EQ(Leftovers(dir.path()), QStringList());
}
