#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>

#include "base/terror.h"
#include "document/tproject.h"
#include "model/elementkind.h"
#include "model/placement.h"
#include "testutil.h"

namespace {

// A two-screen project with an element on each screen and a power-fail DRO, saved once.
struct SavedProject
{
    QTemporaryDir dir;
    QString file;
    TProject project;

    SavedProject()
    {
        file = dir.filePath("p.lcd");
        TLCD* a = project.Screens().AddScreen(240, 320);
        TLCD* b = project.Screens().AddScreen(240, 320);
        b->SetLandscape(true);
        Drop(*a, TScreenRole::Work, ekDRO, {10, 20});
        Drop(*b, TScreenRole::Work, ekText, {30, 40});
        Drop(project.PowerFail(), TScreenRole::PowerFail, ekDRO, {5, 6});
        project.Save(file);
    }
};

TEST(Project, EveryKindOfChangeRaisesTheOneSignal)
{
    SavedProject p;
    TProject& project = p.project;
    ASSERT_FALSE(project.Modified());
    QSignalSpy spy(&project, &TProject::ModifiedChanged);

    const std::pair<const char*, std::function<void()>> changes[] = {
        {"element on a work screen", [&] { project.Screens().Items(0)->Item(0)->MarkModified(); }},
        {"second work screen", [&] { project.Screens().Items(1)->SetLandscape(false); }},
        {"power-fail screen", [&] { project.PowerFail().MarkModified(); }},
        {"splash clock", [&] { project.Splash().SetClockShown(true); }},
        {"animation", [&] { project.Animation().Clear(); }},
        {"a page-level change", [&] { project.MarkModified(); }},
    };
    for (const auto& [what, change] : changes) {
        project.SetModified(false);
        spy.clear();
        change();
        EXPECT_TRUE(project.Modified()) << what;
        ASSERT_EQ(spy.count(), 1) << what;
        EXPECT_TRUE(spy.at(0).at(0).toBool()) << what;
        // A second change of the same kind is no news.
        change();
        EXPECT_EQ(spy.count(), 1) << what;
    }
    project.SetModified(false);
    EXPECT_FALSE(project.Modified());
    EXPECT_FALSE(spy.last().at(0).toBool());
}

TEST(Project, SaveMakesCleanAndOpenGivesTheSameBytes)
{
    SavedProject p;
    p.project.Screens().Items(0)->Item(0)->MarkModified();
    ASSERT_TRUE(p.project.Modified());
    const QString other = p.dir.filePath("q.lcd");
    p.project.Save(other);
    EXPECT_FALSE(p.project.Modified());
    EXPECT_EQ(p.project.FileName(), other);

    TProject reopened;
    const TProject::TOpenResult r = reopened.Open(other);
    EXPECT_TRUE(r.Warnings.isEmpty());
    EXPECT_TRUE(r.AnimationError.isEmpty());
    EXPECT_FALSE(reopened.Modified());
    EXPECT_EQ(reopened.FileName(), other);
    EXPECT_EQ(reopened.Screens().Count(), 2);
    EXPECT_EQ(ProjectBytes(reopened.Screens(), reopened.PowerFail(), reopened.GatherSplash()),
              testutil::ReadAll(other));
}

TEST(Project, ADamagedFileLeavesTheProjectAsItWas)
{
    SavedProject p;
    const QString broken = p.dir.filePath("broken.lcd");
    testutil::WriteAll(broken, testutil::ReadAll(p.file).left(600));
    p.project.MarkModified();
    const QByteArray before = ProjectBytes(p.project.Screens(), p.project.PowerFail(), p.project.GatherSplash());
    EXPECT_THROW(p.project.Open(broken), TError);
    EXPECT_EQ(p.project.FileName(), p.file);
    EXPECT_TRUE(p.project.Modified());
    EXPECT_EQ(ProjectBytes(p.project.Screens(), p.project.PowerFail(), p.project.GatherSplash()), before);
}

TEST(Project, OpenTakesTheSplashSettingsAndPicksTheClockColour)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("clock.lcd");
    {
        TProject project;
        project.Screens().AddScreen(240, 320)->SetLandscape(true);
        project.Splash().SetClockShown(true);
        project.Splash().PlaceField(ClockField::Hours, {100, 50});
        project.Splash().SetClockTransparent(true);
        project.Save(file);
    }
    // The splash picture is a program setting: in place before the project is opened.
    QImage picture(320, 240, QImage::Format_RGB888);
    picture.fill(QColor(0, 0, 255));
    for (int x = 0; x < 320; ++x)
        picture.setPixelColor(x, 50 + 35, QColor(255, 0, 0)); // the row just below the hours field
    TProject project;
    project.Splash().SetPicture(picture);
    project.Open(file);
    EXPECT_EQ(project.Splash().ScreenSize(), QSize(320, 240));
    EXPECT_TRUE(project.Splash().ClockShown());
    EXPECT_TRUE(project.Splash().ClockTransparent());
    EXPECT_EQ(project.Splash().FieldPosition(ClockField::Hours), QPoint(100, 50));
    EXPECT_EQ(project.Splash().ClockBackColor(), 0x0000FFu); // red as 0x00BBGGRR
    EXPECT_FALSE(project.Modified());
}

TEST(Project, NewKeepsOneEmptyScreenAndForgetsTheFile)
{
    SavedProject p;
    std::vector<TLCD*> removed;
    TLCD* first = p.project.Screens().Items(0);
    p.project.Screens().Items(0)->BackgroundColor = 0x123456;
    p.project.New([&](TLCD* s) {
        removed.push_back(s);
        p.project.Screens().DeleteScreen(s);
    });
    EXPECT_EQ(removed.size(), 1u);
    ASSERT_EQ(p.project.Screens().Count(), 1);
    EXPECT_EQ(p.project.Screens().Items(0), first);
    EXPECT_EQ(first->Count(), 0);
    EXPECT_EQ(first->BackgroundColor, 0xFFFFFFu);
    EXPECT_TRUE(p.project.FileName().isEmpty());
    EXPECT_EQ(Budget(*first), MaxElements);
}

} // namespace
