// The example project under examples/: that its generator (tools/mkexample) still makes it, and that
// it opens in the designer as it is.

#include "model/tlcdlist.h"
#include "project/lcdfile.h"
#include "testutil.h"
#include "ui/scrtab.h"
#include "ui/umain.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QProcess>
#include <QSet>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString Root = QStringLiteral(TARVOLT_FIXTURES "/../..");
const QString Logo = QStringLiteral("examples/logo.bmp");
const QString Project = QStringLiteral("examples/demo.lcd");
const QString Wheel = QStringLiteral("examples/wheel.gif");
const QString SplashImage = QStringLiteral("examples/splash.jpg");

// The project names its pictures relative to its own folder, as they lie beside it.
QString BesideTheProject(const QString& file)
{
    return QFileInfo(file).fileName();
}

// The files are written from the repository folder.
class InRepository : public testing::Test
{
  protected:
    void SetUp() override
    {
        previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(Root));
    }
    void TearDown() override { QDir::setCurrent(previous); }
    QString previous;
};

// The example is used from anywhere: a working folder that is neither the repository nor examples/.
class ElsewhereThanTheExample : public testing::Test
{
  protected:
    void SetUp() override
    {
        previous = QDir::currentPath();
        project = QDir(Root).absoluteFilePath(Project);
        ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    }
    void TearDown() override { QDir::setCurrent(previous); }
    QString previous, project;
    QTemporaryDir elsewhere;
};

TEST_F(InRepository, GeneratorMatchesTheExample)
{
    QTemporaryDir made;
    QProcess p;
    p.start(QStringLiteral(TARVOLT_BIN_DIR "/mkexample"), {made.path()});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    // The project file and the BMP and GIF encoders are ours or lossless; JPEG encoders differ between
    // versions, so the JPEG pictures are not compared.
    for (const QString& file : {Project, Logo, Wheel})
        EXPECT_EQ(testutil::ReadAll(made.filePath(BesideTheProject(file))), testutil::ReadAll(file))
            << file.toStdString();

    TLCDList generated, committed;
    TLCD generatedPowerFail, committedPowerFail;
    const TLoadResult g = LoadProject(made.filePath(BesideTheProject(Project)), generated, generatedPowerFail);
    const TLoadResult c = LoadProject(Project, committed, committedPowerFail);
    EXPECT_EQ(g.Splash, c.Splash);
    ASSERT_EQ(generated.Count(), committed.Count());
    for (int i = 0; i < generated.Count(); ++i) {
        const TLCD& x = *generated.Items(i);
        const TLCD& y = *committed.Items(i);
        EXPECT_EQ(x.Landscape, y.Landscape);
        EXPECT_EQ(x.BackgroundFile, y.BackgroundFile);
        ASSERT_EQ(x.Count(), y.Count()) << "screen " << i;
        for (int k = 0; k < x.Count(); ++k) {
            EXPECT_EQ(x.Item(k)->Kind, y.Item(k)->Kind);
            EXPECT_EQ(x.Item(k)->PanelX, y.Item(k)->PanelX);
            EXPECT_EQ(x.Item(k)->PanelY, y.Item(k)->PanelY);
            EXPECT_EQ(x.Item(k)->Text, y.Item(k)->Text);
            EXPECT_EQ(x.Item(k)->OrderNo, y.Item(k)->OrderNo);
        }
    }
    EXPECT_EQ(generatedPowerFail.Count(), committedPowerFail.Count());
}

TEST_F(ElsewhereThanTheExample, ExampleOpensInTheDesignerWithEveryKind)
{
    QTemporaryDir dir;
    QTemporaryDir recoveryDir; // beside the test's folder, which tests look into
    QStringList said;
    TFormOptions o;
    o.LanguageFolders = QStringList(); // English only, unless a test gives the folder
    o.IniPath = dir.filePath(QStringLiteral("designer.ini"));
    o.RecoveryFolder = recoveryDir.path(); // copies of this test only
    o.Hooks.AskYesNo = [&](const QString& t) {
        said << t;
        return false;
    };
    o.Hooks.Notice = [&](const QString& t) { said << t; };
    o.Hooks.ShowError = [&](const QString& t) { said << t; };
    TMForm form(std::move(o));
    ASSERT_TRUE(form.OpenProjectFile(project));
    EXPECT_TRUE(said.isEmpty()) << said.join(QLatin1Char('\n')).toStdString();
    ASSERT_GE(form.PageCount(), 2);
    QSet<int> kinds;
    for (int i = 0; i < form.PageCount(); ++i) {
        TLCD& s = *form.Page(i)->SCR;
        EXPECT_LE(s.BudgetCount(), MaxElements);
        for (const auto& e : s.Elements()) {
            kinds << e->Kind;
            if (e->Kind == ekImage) {
                EXPECT_FALSE(e->Picture.isNull());
            }
        }
    }
    EXPECT_EQ(kinds, (QSet<int>{ekDRO, ekLED, ekBar, ekShift, ekStatus, ekText, ekImage, ekShape, ekClock}));
    EXPECT_TRUE(form.Page(1)->SCR->Landscape);
    EXPECT_FALSE(form.Page(1)->SCR->Background.isNull());
    EXPECT_EQ(form.PowerFail().Count(), 1);
    EXPECT_EQ(form.Animation().FrameCount(), 4);
    EXPECT_TRUE(form.Splash().ClockShown());
    EXPECT_FALSE(form.List().Modified || form.PowerFail().Modified);
    EXPECT_EQ(form.Animation().FileName(), QString("wheel.gif")); // saved again as it was
    // The splash picture that `make run` passes.
    EXPECT_FALSE(LoadPictureFile(QDir(Root).absoluteFilePath(SplashImage)).isNull());
}

TEST_F(ElsewhereThanTheExample, ExampleGeneratesWithoutAWarning)
{
    const QString out = elsewhere.filePath("out");
    QProcess p;
    p.start(QStringLiteral(TARVOLT_BIN_DIR "/tarvolt-cli"),
            {"generate", project, "--strict", "--output", out});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(p.readAllStandardError(), QByteArray());
    EXPECT_TRUE(QFileInfo::exists(QDir(out).filePath("anime.bin")));
    EXPECT_EQ(QFileInfo(QDir(out).filePath("a03.bin")).size(), 32 * 32 * 2);
    EXPECT_EQ(QFileInfo(QDir(out).filePath("01/01bkg.bin")).size(), 320 * 240 * 2);
}

} // namespace
