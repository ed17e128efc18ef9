#include "gifwriter.h"
#include "base/terror.h"
#include "model/tlcdlist.h"
#include "output/animation.h"
#include "output/digits.h"
#include "output/generate.h"
#include "output/screenfiles.h"
#include "output/splash.h"
#include "panel/panelset.h"
#include "project/lcdfile.h"
#include "testutil.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <thread>

namespace {

using testutil::U16;

// A stand-in for one of the firmware's digit files: of a digit file's size, its bytes telling which
// file it is, so that copying them byte for byte can be seen.
QByteArray DigitFile(const QByteArray& name)
{
    QByteArray bytes = name;
    bytes.resize(DigitFileWidth * DigitFileHeight * 2, '\0');
    return bytes;
}

class GenerateTest : public testing::Test
{
protected:
    void SetUp() override
    {
        previous = QDir::currentPath();
        QDir::setCurrent(root.path()); // the listing lands here
        project = root.filePath("demo.lcd");
        res = root.filePath("res");
        QDir().mkpath(res);
        for (int d = 0; d <= 9; ++d)
            testutil::WriteAll(QDir(res).filePath(QString("n%1.bin").arg(d)), DigitFile(QByteArray("digit ") + char('0' + d)));
        testutil::WriteAll(QDir(res).filePath("n01.bin"), DigitFile("colon"));
        list.AddScreen(240, 320);
        list.AddScreen(240, 320);
        powerFail.Background = BuiltInPowerFailPicture();
    }
    void TearDown() override { QDir::setCurrent(previous); }

    // Generates; the set written must then pass the panel's check, unless the test makes it incomplete.
    QString Run(bool whole = true)
    {
        TGenerateJob job;
        job.ProjectFile = project;
        job.ResFolder = res;
        job.Screens = &list;
        job.PowerFail = &powerFail;
        job.Splash = &splash;
        job.Animation = &animation;
        job.OnScreen = [this](int i, int n) { progress << QString("%1/%2").arg(i).arg(n); };
        const QString out = Generate(job);
        if (whole) {
            const TPanelSet set = ReadPanelSet(TFolderSource(out));
            EXPECT_TRUE(set.Whole()) << CheckReport(set).join('\n').toStdString();
        }
        return out;
    }
    QByteArray Out(const QString& name) { return testutil::ReadAll(QDir(root.filePath("demo")).filePath(name)); }
    bool Exists(const QString& name) { return QFileInfo::exists(QDir(root.filePath("demo")).filePath(name)); }

    QTemporaryDir root;
    QString previous, project, res;
    TLCDList list;
    TLCD powerFail;
    TSplash splash;
    TAnimation animation;
    QStringList progress;
};

} // namespace

TEST(GenerateFolder, NamedAfterTheProjectWithoutItsExtension)
{
    EXPECT_EQ(OutputFolderFor("/work/lathe.lcd"), QString("/work/lathe"));
    EXPECT_EQ(OutputFolderFor("/work/a.b.lcd"), QString("/work/a.b"));
    EXPECT_EQ(OutputFolderFor("/work/plain"), QString("/work/plain"));
}

// A temporary folder with a home folder and files Generate must never delete unless it is told to
// empty exactly their folder: beside the project, above it, in the home folder, in a folder of
// pictures the project uses, and behind a link.
class OutputFolderSafety : public testing::Test
{
  protected:
    void SetUp() override
    {
        oldHome = qgetenv("HOME");
        base = QDir(root.path());
        qputenv("HOME", base.filePath("home").toLocal8Bit());
        for (const char* folder : {"home", "work/proj", "other", "pics", "target", "old"})
            QDir().mkpath(base.filePath(folder));
        for (const char* file : {"home/keep.txt", "work/above.txt", "work/proj/beside.txt", "other/notes.txt",
                                 "target/victim.txt", "old/stale.bin"})
            Make(file);
        ASSERT_TRUE(testutil::SolidImage(4, 4, 0x00FF00).save(base.filePath("work/proj/pic.bmp"), "BMP"));
        ASSERT_TRUE(testutil::SolidImage(4, 4, 0xFF0000).save(base.filePath("pics/logo.bmp"), "BMP"));
        Make("old/lcdconfig");
        ASSERT_TRUE(QFile::link(base.filePath("target"), base.filePath("link")));

        TLCD* s = list.AddScreen(240, 320);
        s->BackgroundFile = "pic.bmp"; // relative: beside the project
        TElement* image = s->AddElement(ekImage, 0, 0);
        image->Text = base.filePath("pics/logo.bmp").toLocal8Bit();
        powerFail.Background = BuiltInPowerFailPicture();
    }
    void TearDown() override { qputenv("HOME", oldHome); }

    void Make(const QString& file) { testutil::WriteAll(base.filePath(file), "someone's " + file.toUtf8()); }

    // Every file made in SetUp that is still there.
    QStringList Present() const
    {
        QStringList files;
        for (const char* f : {"home/keep.txt", "work/above.txt", "work/proj/beside.txt", "work/proj/pic.bmp",
                              "other/notes.txt", "pics/logo.bmp", "target/victim.txt", "old/stale.bin"})
            if (QFileInfo::exists(base.filePath(f)))
                files << f;
        return files;
    }

    TGenerateJob Job(const QString& projectName, const QString& output, bool force)
    {
        TGenerateJob job;
        job.ProjectFile = base.filePath("work/proj/" + projectName);
        testutil::WriteAll(job.ProjectFile, "project");
        job.OutputFolder = output.isNull() ? QString() : base.filePath(output);
        job.Force = force;
        job.Screens = &list;
        job.PowerFail = &powerFail;
        job.Splash = &splash;
        job.Animation = &animation;
        return job;
    }

    QTemporaryDir root;
    QByteArray oldHome;
    QDir base;
    TLCDList list;
    TLCD powerFail;
    TSplash splash;
    TAnimation animation;
};

TEST_F(OutputFolderSafety, FoldersThatAreNotOursAreRefusedBeforeAnythingIsTouched)
{
    const QStringList all = Present();
    struct Case
    {
        const char* project;
        const char* output; // in the temporary folder; null: the folder named after the project
        bool force;
        const char* reason;
    };
    const Case cases[] = {
        {"..lcd", nullptr, false, "no name before its extension"},
        {"...lcd", nullptr, false, "no name before its extension"},
        {".lcd", nullptr, false, "no name before its extension"},
        {"p.lcd", "work/proj", true, "the project's own folder"},
        {"p.lcd", "work/proj/sub/..", true, "the project's own folder"},
        {"p.lcd", "work", true, "a folder above it"},
        {"p.lcd", "home", true, "the home folder"},
        {"p.lcd", "link", true, "is a link"},
        {"p.lcd", "pics", true, "logo.bmp"},
        {"p.lcd", "other", false, "--force"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.project << " --output " << (c.output ? c.output : "(none)")
                                        << (c.force ? " --force" : ""));
        const TGenerateJob job = Job(c.project, c.output ? QString(c.output) : QString(), c.force);
        try {
            Generate(job);
            ADD_FAILURE() << "generated";
        } catch (const TError& e) {
            EXPECT_TRUE(e.Message().contains(c.reason)) << e.what();
        }
        EXPECT_EQ(Present(), all);
        EXPECT_TRUE(QFileInfo::exists(job.ProjectFile));
        EXPECT_FALSE(QFileInfo::exists(base.filePath("work/proj/lcdconfig")));
        QFile::remove(job.ProjectFile);
    }
    // A root folder, checked without running Generate.
    EXPECT_THROW(CheckOutputFolder(Job("p.lcd", {}, true), QStringLiteral("/")), TError);
}

TEST_F(OutputFolderSafety, WhatIsAskedForIsDone)
{
    struct Case
    {
        const char* output;
        bool force;
        const char* gone; // the file that was in the folder
    };
    const Case cases[] = {
        {nullptr, false, nullptr},         // work/proj/p, new
        {"fresh", false, nullptr},         // a new folder
        {"old", false, "old/stale.bin"},   // an earlier output
        {"other", true, "other/notes.txt"} // told to
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.output ? c.output : "(none)");
        const TGenerateJob job = Job("p.lcd", c.output ? QString(c.output) : QString(), c.force);
        const QString out = Generate(job);
        EXPECT_EQ(QDir::cleanPath(out),
                  QDir::cleanPath(c.output ? base.filePath(c.output) : base.filePath("work/proj/p")));
        EXPECT_TRUE(QFileInfo::exists(QDir(out).filePath("lcdconfig")));
        QStringList want{"home/keep.txt",   "work/above.txt", "work/proj/beside.txt", "work/proj/pic.bmp",
                         "other/notes.txt", "pics/logo.bmp",  "target/victim.txt",    "old/stale.bin"};
        if (c.gone)
            want.removeOne(c.gone);
        EXPECT_EQ(Present(), want);
        if (c.gone)
            Make(c.gone);
    }
}

TEST_F(GenerateTest, TwoPortraitScreensWithNothingElse)
{
    EXPECT_EQ(Run(), root.filePath("demo"));
    EXPECT_EQ(Out("logo.bin").size(), 153600);
    EXPECT_EQ(Out("lcdconfig"), QByteArray(1, '\x02'));
    EXPECT_EQ(Out("00/01.elm").size(), 9);
    EXPECT_EQ(Out("01/01bkg.bin").size(), 153600);
    EXPECT_EQ(Out("pwrfail.bin").size(), 153600);
    for (const char* absent : {"tm.bin", "pwr.bin", "anime.bin", "n0.bin", "02"})
        EXPECT_FALSE(Exists(absent)) << absent;
    EXPECT_EQ(progress, (QStringList{"0/2", "1/2"}));
}

TEST_F(GenerateTest, LandscapeFirstScreenSetsTheSplashSize)
{
    list.Items(0)->SetLandscape(true);
    QImage picture(240, 320, QImage::Format_RGB888);
    picture.fill(qRgb(255, 0, 0));
    for (int y = 160; y < 320; ++y)
        for (int x = 0; x < 240; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 255));
    splash.SetPicture(picture);
    Run();
    const QByteArray logo = Out("logo.bin");
    ASSERT_EQ(logo.size(), 320 * 240 * 2);
    // Row 125 of a 240-high picture is in its lower half: blue. In a 320-high one it would be red.
    EXPECT_EQ(U16(logo, (125 * 320 + 0) * 2), 0x001F);
    EXPECT_EQ(U16(logo, (119 * 320 + 319) * 2), 0xF800);
    EXPECT_EQ(Out("pwrfail.bin").size(), 320 * 240 * 2);
    EXPECT_EQ(splash.ScreenSize(), QSize(320, 240));
}

TEST_F(GenerateTest, ZoomAndGridDoNotChangeTheFilesAndAreLeftAsTheySay)
{
    list.Items(0)->AddElement(ekShape, 30, 30);
    list.Items(0)->AddElement(ekDRO, 60, 60);
    list.SetGridStep(5);
    Run();
    const QByteArray atOne = Out("00/01bkg.bin") + Out("00/01.elm");
    list.SetZoom(3);
    list.SetShowGrid(true);
    Run();
    EXPECT_EQ(Out("00/01bkg.bin") + Out("00/01.elm"), atOne);
    EXPECT_EQ(list.Items(0)->Zoom, 1);
    EXPECT_EQ(list.Items(1)->Zoom, 1);
    EXPECT_TRUE(list.ShowGrid);
    EXPECT_TRUE(list.Items(0)->ShowGrid);
}

TEST_F(GenerateTest, StaleFilesGoFoldersStay)
{
    for (int i = 0; i < 3; ++i)
        list.AddScreen(240, 320);
    Run();
    EXPECT_TRUE(Exists("04/01.elm"));
    list.DeleteScreen(list.Items(4));
    list.DeleteScreen(list.Items(3));
    const QDir out(root.filePath("demo"));
    QDir().mkpath(out.filePath("mine"));
    testutil::WriteAll(out.filePath("mine/notes.txt"), "x");
    testutil::WriteAll(out.filePath("stray.bin"), "x");
    Run();
    EXPECT_EQ(Out("lcdconfig"), QByteArray(1, '\x03'));
    EXPECT_TRUE(Exists("02/01.elm"));
    EXPECT_TRUE(QDir(out.filePath("03")).exists());
    EXPECT_TRUE(QDir(out.filePath("03")).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(QDir(out.filePath("04")).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(QDir(out.filePath("mine")).exists());
    EXPECT_FALSE(Exists("mine/notes.txt"));
    EXPECT_FALSE(Exists("stray.bin"));
}

TEST_F(GenerateTest, ClockSettingsAndDigitFiles)
{
    splash.SetClockShown(true); // hours at (0, 0), minutes at (70, 0), 25 x 35
    splash.SetClockColors(0x000000, 0xFFFFFF);
    Run();
    EXPECT_EQ(Out("tm.bin"), QByteArray::fromHex("0000000046000000190023000" "0FFFF0000"));
    EXPECT_EQ(Out("n01.bin"), DigitFile("colon"));
    for (int d = 0; d <= 9; ++d)
        EXPECT_EQ(Out(QString("n%1.bin").arg(d)), DigitFile(QByteArray("digit ") + char('0' + d)));

    // A missing digit file is left out without a message; the panel's check finds the gap.
    QFile::remove(QDir(res).filePath("n7.bin"));
    Run(false);
    EXPECT_EQ(CheckReport(ReadPanelSet(TFolderSource(root.filePath("demo")))),
              QStringList{"n7.bin: missing; tm.bin shows the clock"});
    EXPECT_FALSE(Exists("n7.bin"));
    EXPECT_TRUE(Exists("n8.bin"));
}

TEST_F(GenerateTest, PowerFailRecord)
{
    TElement* dro = powerFail.AddElement(ekDRO, 10, 20);
    dro->SetOrderNo(0);
    dro->Format = "%3.0f";
    dro->Value = 0;
    dro->TextColor = 0x000000;
    dro->BackColor = 0xFFFFFF;
    Run();
    const QByteArray pwr = Out("pwr.bin");
    ASSERT_EQ(pwr.size(), 43);
    EXPECT_EQ(pwr.left(10), QByteArray::fromHex("00000A00140018000E00"));
    EXPECT_EQ(U16(pwr, 16), 0x0000);
    EXPECT_EQ(U16(pwr, 18), 0xFFFF);
    EXPECT_EQ(pwr.mid(28, 5), QByteArray::fromHex("25332E3066"));
    EXPECT_EQ(pwr.mid(10, 2), QByteArray(2, '\0'));
    EXPECT_EQ(pwr.mid(33), QByteArray(10, '\0'));
}

TEST_F(GenerateTest, AnimationFilesWhenThereAreFrames)
{
    gifwriter::Gif gif;
    gif.Width = gif.Height = 32;
    gif.GlobalMap = {qRgb(255, 255, 255), qRgb(0, 0, 0)};
    for (int i = 0; i < 3; ++i)
        gif.Frames.push_back(gifwriter::SolidFrame(0, 0, 32, 32, quint8(i % 2)));
    const QString file = root.filePath("wheel.gif");
    ASSERT_TRUE(gifwriter::WriteGif(file, gif));
    animation.LoadAnimation(file);
    animation.SetPosition({100, 200});
    Run();
    EXPECT_EQ(Out("anime.bin"), QByteArray::fromHex("0364006400C80020002000"));
    for (const char* f : {"a00.bin", "a01.bin", "a02.bin"})
        EXPECT_EQ(Out(f).size(), 2048) << f;

    animation.Clear();
    Run();
    EXPECT_FALSE(Exists("anime.bin"));
    EXPECT_FALSE(Exists("a00.bin"));
}

TEST_F(GenerateTest, AFileThatCannotBeWrittenEndsItAndTheGridComesBack)
{
    list.SetShowGrid(true);
    testutil::WriteAll(root.filePath("demo"), "a file where the folder should be");
    try {
        Run();
        ADD_FAILURE() << "generated";
    } catch (const TError& e) {
        EXPECT_TRUE(e.Message().startsWith("Cannot create file \"")) << e.what();
        EXPECT_TRUE(e.Message().contains("logo.bin")) << e.what();
    }
    EXPECT_TRUE(list.ShowGrid);
    EXPECT_TRUE(list.Items(1)->ShowGrid);
}

TEST_F(GenerateTest, CommandLineGeneratesASavedProject)
{
    TElement* dro = list.Items(0)->AddElement(ekDRO, 5, 5);
    dro->Format = "%.2f";
    list.Items(1)->AddElement(ekBar, 10, 10);
    SplashSettings s;
    s.ClockShown = true;
    SaveProject(project, list, powerFail, s);

    QProcess p;
    p.start(QStringLiteral(TARVOLT_BIN_DIR "/tarvolt-cli"), {"generate", project, "--res", res});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_EQ(Out("lcdconfig"), QByteArray(1, '\x02'));
    EXPECT_EQ(Out("00/01.elm").size(), 9 + 43);
    EXPECT_EQ(Out("01/i00G.bin").size(), 44);
    EXPECT_EQ(Out("tm.bin").size(), 17);
    EXPECT_EQ(Out("n3.bin"), DigitFile("digit 3"));
    EXPECT_TRUE(ReadPanelSet(TFolderSource(root.filePath("demo"))).Whole());

    // The shipped digit files by default; a damaged project or an unwritable output: status 1.
    p.start(QStringLiteral(TARVOLT_BIN_DIR "/tarvolt-cli"), {"generate", project, "--output", root.filePath("def")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(QFileInfo(root.filePath("def/n0.bin")).size(), 1750);
    EXPECT_TRUE(ReadPanelSet(TFolderSource(root.filePath("def"))).Whole());

    testutil::WriteAll(root.filePath("blocked"), "x");
    p.start(QStringLiteral(TARVOLT_BIN_DIR "/tarvolt-cli"), {"generate", project, "--output", root.filePath("blocked")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(p.readAllStandardError().contains("Cannot create file"));

    testutil::WriteAll(root.filePath("bad.lcd"), "short");
    p.start(QStringLiteral(TARVOLT_BIN_DIR "/tarvolt-cli"), {"generate", root.filePath("bad.lcd")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_FALSE(QFileInfo::exists(root.filePath("bad")));
}

TEST_F(GenerateTest, CommandLineEmptiesOnlyWhatItIsAllowedTo)
{
    SaveProject(project, list, powerFail, SplashSettings());
    QDir().mkpath(root.filePath("mine"));
    testutil::WriteAll(root.filePath("mine/notes.txt"), "mine");
    struct Case
    {
        QStringList options;
        int status;
        const char* said; // on stderr, or on stdout for a success
        bool notesStay;
    };
    const Case cases[] = {
        {{"--output", root.filePath("mine")}, 1, "--force", true},
        {{"--output", ".", "--force"},
         1,
         "the project's own folder",
         true}, // the working folder is the project's
        {{"--output", root.filePath("mine"), "--force"}, 0, "Files for SD-card prepared", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        QProcess p;
        p.start(QStringLiteral(TARVOLT_BIN_DIR "/tarvolt-cli"),
                QStringList{"generate", project, "--res", res} + c.options);
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), c.status);
        const QByteArray said = c.status == 0 ? p.readAllStandardOutput() : p.readAllStandardError();
        EXPECT_TRUE(said.contains(c.said)) << said.toStdString();
        EXPECT_EQ(QFileInfo::exists(root.filePath("mine/notes.txt")), c.notesStay);
        EXPECT_TRUE(QFileInfo::exists(project));
    }
}

TEST_F(GenerateTest, AFullDiskIsReportedInTheSystemsWords)
{
    splash.SetClockShown(true);
    const QString out = root.filePath("out");
    QDir().mkpath(out);
    struct Case
    {
        const char* what;
        qint64 limit; // bytes a file may hold
        std::function<void()> write;
    };
    const Case cases[] = {
        {"Generate, its first picture cut short", 1000, [&] { Run(); }},
        {"a 16-bit picture", 1000,
         [&] { Save16bitArray(T16bitArray(240 * 320, 0x1234), QDir(out).filePath("x.bin")); }},
        {"a small file", 0, [&] { WriteFileBytes(QDir(out).filePath("lcdconfig"), QByteArray(1, '\x02')); }},
        {"the clock record", 0, [&] { WriteClockSettings(splash, QDir(out).filePath("tm.bin")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            const testutil::TFileSizeLimit full(c.limit);
            c.write();
            ADD_FAILURE() << "written";
        } catch (const TError& e) {
            EXPECT_TRUE(e.Message().startsWith("Cannot create file \"")) << e.what();
            EXPECT_TRUE(e.Message().contains("File too large")) << e.what();
            EXPECT_FALSE(e.Message().contains("Unknown error")) << e.what();
        }
    }
}

namespace {

// Every file below a folder with its bytes, by relative name.
std::map<QString, QByteArray> Tree(const QString& folder)
{
    std::map<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        files[QDir(folder).relativeFilePath(path)] = testutil::ReadAll(path);
    }
    return files;
}

std::map<QString, ino_t> Inodes(const QString& folder)
{
    std::map<QString, ino_t> inodes;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        struct stat st
        {
        };
        ::stat(QFile::encodeName(path).constData(), &st);
        inodes[QDir(folder).relativeFilePath(path)] = st.st_ino;
    }
    return inodes;
}

} // namespace

TEST_F(GenerateTest, FilesThatHoldTheirBytesStayAndOnlyWhatChangedIsReplaced)
{
    splash.SetClockShown(true);
    list.Items(1)->AddElement(ekBar, 10, 10);
    Run();
    const auto before = Inodes(root.filePath("demo"));
    const auto bytesBefore = Tree(root.filePath("demo"));
    // The panel draws a DRO itself: only the screen's element table changes, not its background.
    list.Items(1)->AddElement(ekDRO, 100, 100);
    Run();
    const auto after = Inodes(root.filePath("demo"));
    ASSERT_EQ(after.size(), before.size());
    for (const auto& [name, inode] : after) {
        if (name == "01/01.elm")
            EXPECT_NE(Out(name), bytesBefore.at(name)) << name.toStdString();
        else
            EXPECT_EQ(inode, before.at(name)) << name.toStdString();
    }
    for (const auto& [name, bytes] : Tree(root.filePath("demo")))
        EXPECT_FALSE(name.endsWith(".tmp")) << name.toStdString();
}

TEST_F(GenerateTest, AFailedGenerateNamesTheFileSaysTheSetIsIncompleteAndReplacesNothing)
{
    Run();
    const auto before = Tree(root.filePath("demo"));
    list.Items(0)->AddElement(ekDRO, 10, 10); // screen 0's files would change
    const QDir out(root.filePath("demo"));
    QDir(out.filePath("01")).removeRecursively();
    testutil::WriteAll(out.filePath("01"), "a file where screen 1's folder should be");
    try {
        Run();
        ADD_FAILURE() << "generated";
    } catch (const TError& e) {
        EXPECT_TRUE(
            e.Message().startsWith("Cannot create file \"" + QDir::toNativeSeparators(out.filePath("01/"))))
            << e.what();
        EXPECT_TRUE(e.Message().endsWith("The file set in \"" + QDir::toNativeSeparators(out.path()) +
                                         "\" is incomplete."))
            << e.what();
    }
    // Everything but the folder made a file keeps the bytes of the earlier set; no temporary file stays.
    auto now = Tree(out.path());
    EXPECT_EQ(now.erase("01"), 1u);
    for (const auto& [name, bytes] : now)
        EXPECT_EQ(bytes, before.at(name)) << name.toStdString();
}

TEST_F(GenerateTest, ThePlanIsWrittenOnAnotherThreadWithTheSameFiles)
{
    list.Items(0)->AddElement(ekBar, 10, 10);
    list.Items(1)->AddElement(ekText, 10, 100);
    splash.SetClockShown(true);
    Run();
    const auto here = Tree(root.filePath("demo"));

    TGenerateJob job;
    job.ProjectFile = project;
    job.OutputFolder = root.filePath("elsewhere");
    job.ResFolder = res;
    job.Screens = &list;
    job.PowerFail = &powerFail;
    job.Splash = &splash;
    job.Animation = &animation;
    const TGeneratePlan plan = PlanGenerate(job);
    EXPECT_FALSE(QFileInfo::exists(job.OutputFolder)); // planning writes nothing
    QStringList seen;
    std::thread writer(
        [&] { WriteGeneratePlan(plan, [&](int i, int n) { seen << QString("%1/%2").arg(i).arg(n); }); });
    writer.join();
    EXPECT_EQ(seen, (QStringList{"0/2", "1/2"}));
    EXPECT_EQ(Tree(job.OutputFolder), here);
}

TEST_F(GenerateTest, CommandLineProgressLinePerScreen)
{
    list.AddScreen(240, 320);
    SaveProject(project, list, powerFail, SplashSettings{});
    QProcess p;
    p.start(QStringLiteral(TARVOLT_BIN_DIR "/tarvolt-cli"),
            {"generate", project, "--res", res, "--progress"});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines.mid(0, 3), (QStringList{"Screen 1 of 3", "Screen 2 of 3", "Screen 3 of 3"}));
    EXPECT_TRUE(lines[3].startsWith("Files for SD-card prepared in "));
}
