#include "base/terror.h"
#include "document/recovery.h"
#include "document/tproject.h"
#include "project/jsonproject.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(AutosaveRule, ACopyWaitsForAPauseOrTheIntervalAndNeverComesSoonerThanTheInterval)
{
    struct Case
    {
        const char* name;
        int interval;
        qint64 first, last, lastWrite, due;
    };
    const Case cases[] = {
        {"off", 0, 1000, 1000, -1, -1},
        {"nothing changed", 30, -1, -1, 5000, -1},
        {"one change, first copy", 30, 1000, 1000, -1, 4000},
        {"changes go on: the pause after the last", 30, 1000, 9000, -1, 12000},
        {"changes never pause: the interval after the first", 30, 1000, 40000, -1, 31000},
        {"a copy a moment ago", 30, 60000, 60000, 50000, 80000},
        {"a copy long ago", 30, 60000, 60000, 1000, 63000},
        {"a short interval", 2, 1000, 1000, -1, 3000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TAutosaveRule{c.interval}.Due(c.first, c.last, c.lastWrite), c.due);
    }
}

class Recovery : public testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        folder = dir.filePath(QStringLiteral("recovery"));
        project.Screens().AddScreen(240, 320)->AddElement(ekDRO, 10, 10);
        projectFile = dir.filePath(QStringLiteral("lathe.lcd"));
        project.Save(projectFile);
        saved = testutil::ReadAll(projectFile);
        // Saved a while ago, so that every copy written by the test is newer whatever the file
        // system's time resolution.
        QFile file(projectFile);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(
            file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        project.Screens().Items(0)->AddElement(ekLED, 50, 50);
    }

    QStringList Copies() const
    {
        return QDir(folder).entryList({QStringLiteral("*.recovery")}, QDir::Files, QDir::Name);
    }

    QTemporaryDir dir;
    QString folder, projectFile;
    TProject project;
    QByteArray saved;
};

TEST_F(Recovery, ACopyIsNamedAfterItsProjectAndSessionAndRemovedOnRequest)
{
    TRecovery session(folder);
    session.Write(project);
    EXPECT_EQ(Copies(), QStringList{QStringLiteral("lathe.%1.recovery").arg(session.Session())});
    EXPECT_EQ(session.CopyFile(), QDir(folder).filePath(Copies().value(0)));
    // The project file itself is never touched by a copy.
    EXPECT_EQ(testutil::ReadAll(projectFile), saved);

    // Another project (Open, or Save under a new name) takes the session's one copy.
    project.SetFileName(dir.filePath(QStringLiteral("mill.json")));
    session.Write(project);
    EXPECT_EQ(Copies(), QStringList{QStringLiteral("mill.%1.recovery").arg(session.Session())});
    project.SetFileName({});
    session.Write(project);
    EXPECT_EQ(Copies(), QStringList{QStringLiteral("untitled.%1.recovery").arg(session.Session())});

    session.Remove();
    EXPECT_TRUE(Copies().isEmpty());
    EXPECT_TRUE(session.CopyFile().isEmpty());
    session.Remove(); // nothing left to remove
}

TEST_F(Recovery, OnlyCopiesOfDesignersNoLongerRunningAreOffered)
{
    TRecovery running(folder);
    auto crashed = std::make_unique<TRecovery>(folder);
    running.Write(project);
    crashed->Write(project);
    const QString crashedCopy = crashed->CopyFile();

    // Both designers run: neither offers the other's copy, nor its own.
    TRecovery third(folder);
    EXPECT_TRUE(third.Orphans().isEmpty());
    EXPECT_TRUE(running.Orphans().isEmpty());

    // One ends without removing its copy (as a crash leaves it): the copy is offered, once.
    crashed.reset();
    const QList<TRecoveryCopy> orphans = third.Orphans();
    ASSERT_EQ(orphans.size(), 1);
    EXPECT_EQ(orphans[0].File, crashedCopy);
    EXPECT_EQ(orphans[0].ProjectFile, QFileInfo(projectFile).absoluteFilePath());
    EXPECT_EQ(orphans[0].Form, TProjectForm::Binary);
    EXPECT_EQ(running.Orphans().size(), 1);

    // It holds the unsaved work.
    TProject restored;
    restored.OpenRecovered(TRecovery::ReadCopy(orphans[0]), orphans[0].ProjectFile, orphans[0].Form);
    EXPECT_EQ(restored.FileName(), orphans[0].ProjectFile);
    EXPECT_TRUE(restored.Modified());
    EXPECT_EQ(restored.Screens().Items(0)->Count(), 2);
    EXPECT_EQ(testutil::ReadAll(projectFile), saved);

    third.Discard(orphans[0]);
    EXPECT_FALSE(QFile::exists(crashedCopy));
    EXPECT_TRUE(third.Orphans().isEmpty());
    EXPECT_TRUE(QFile::exists(running.CopyFile()));
}

TEST_F(Recovery, ACopyOlderThanItsProjectIsNotOfferedAndGoes)
{
    QString copy;
    {
        TRecovery gone(folder);
        gone.Write(project);
        copy = gone.CopyFile();
    }
    // The project was saved after the copy was written.
    QFile file(projectFile);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        file.setFileTime(QFileInfo(copy).lastModified().addSecs(5), QFileDevice::FileModificationTime));
    file.close();
    TRecovery next(folder);
    EXPECT_TRUE(next.Orphans().isEmpty());
    EXPECT_FALSE(QFile::exists(copy));
}

TEST_F(Recovery, ACopyOfAProjectNeverSavedOrGoneIsOffered)
{
    {
        TRecovery gone(folder);
        project.SetFileName({});
        gone.Write(project);
    }
    {
        TRecovery gone(folder);
        project.SetFileName(dir.filePath(QStringLiteral("deleted.json")));
        project.SetForm(TProjectForm::Json);
        gone.Write(project);
    }
    TRecovery next(folder);
    const QList<TRecoveryCopy> orphans = next.Orphans();
    ASSERT_EQ(orphans.size(), 2);
    QStringList projects;
    for (const TRecoveryCopy& c : orphans)
        projects << c.ProjectFile;
    projects.sort();
    EXPECT_EQ(projects, (QStringList{QString(), dir.filePath(QStringLiteral("deleted.json"))}));

    // Restored and saved, a copy writes its project in the project's form.
    const TRecoveryCopy& text = orphans[0].ProjectFile.isEmpty() ? orphans[1] : orphans[0];
    EXPECT_EQ(text.Form, TProjectForm::Json);
    TProject restored;
    restored.OpenRecovered(TRecovery::ReadCopy(text), text.ProjectFile, text.Form);
    restored.Save(restored.FileName());
    EXPECT_TRUE(LooksLikeProjectJson(testutil::ReadAll(text.ProjectFile)));
    EXPECT_FALSE(restored.Modified());
}

TEST_F(Recovery, ADamagedCopyIsRefusedWithItsName)
{
    QString copy;
    {
        TRecovery gone(folder);
        gone.Write(project);
        copy = gone.CopyFile();
    }
    const QByteArray bytes = testutil::ReadAll(copy);
    testutil::WriteAll(copy, bytes.left(bytes.size() - 10));
    TRecovery next(folder);
    const QList<TRecoveryCopy> orphans = next.Orphans();
    ASSERT_EQ(orphans.size(), 1);
    try {
        TRecovery::ReadCopy(orphans[0]);
        ADD_FAILURE() << "accepted";
    } catch (const TError& e) {
        EXPECT_TRUE(e.Message().contains(QDir::toNativeSeparators(copy))) << e.what();
    }
}

TEST_F(Recovery, TheCopyFollowsTheChangesAndGoesWithASave)
{
    TAutosave autosave(project, std::make_unique<TRecovery>(folder), 30);
    TRecovery& session = autosave.Recovery();
    ASSERT_TRUE(project.Modified());
    // A change is first seen at 0; the copy waits for a pause of three seconds.
    EXPECT_FALSE(autosave.Look(0));
    EXPECT_FALSE(autosave.Look(2999));
    EXPECT_TRUE(Copies().isEmpty());
    EXPECT_TRUE(autosave.Look(3000));
    ASSERT_EQ(Copies().size(), 1);
    TRecoveryCopy copy{session.CopyFile(), projectFile, TProjectForm::Binary, {}};
    EXPECT_EQ(TRecovery::ReadCopy(copy),
              ProjectBytes(project.Screens(), project.PowerFail(), project.GatherSplash()));
    EXPECT_EQ(testutil::ReadAll(projectFile), saved);

    // Nothing new: no copy. A new change: not before the interval since the last copy.
    EXPECT_FALSE(autosave.Look(10000));
    project.Screens().Items(0)->AddElement(ekBar, 80, 80);
    EXPECT_FALSE(autosave.Look(11000));
    EXPECT_FALSE(autosave.Look(32999));
    EXPECT_TRUE(autosave.Look(33000));
    EXPECT_EQ(TRecovery::ReadCopy(copy),
              ProjectBytes(project.Screens(), project.PowerFail(), project.GatherSplash()));

    // A change undone before a copy was due needs none.
    project.Screens().Items(0)->AddElement(ekBar, 90, 90);
    EXPECT_FALSE(autosave.Look(34000));
    project.Screens().Items(0)->DeleteElement(project.Screens().Items(0)->Item(3));
    EXPECT_FALSE(autosave.Look(80000));

    project.Save(projectFile);
    EXPECT_TRUE(Copies().isEmpty());
    EXPECT_FALSE(autosave.Look(200000));
    EXPECT_TRUE(Copies().isEmpty());

    // Closing without saving removes it too.
    project.Screens().Items(0)->AddElement(ekBar, 100, 100);
    EXPECT_FALSE(autosave.Look(300000));
    EXPECT_TRUE(autosave.Look(303000));
    autosave.Closed();
    EXPECT_TRUE(Copies().isEmpty());
}

TEST_F(Recovery, AnIntervalOfZeroWritesNoCopy)
{
    TAutosave autosave(project, std::make_unique<TRecovery>(folder), 0);
    for (qint64 t : {0, 3000, 60000, 600000})
        EXPECT_FALSE(autosave.Look(t));
    EXPECT_TRUE(Copies().isEmpty());
}

} // namespace
