// The window's file commands beyond Open and Save (Save As, recent projects, a project dropped on
// the window), and what the window shows of zoom and pages, with its tool bars.

#include "test_ui_window.h"

#include "widgets/radiogroup.h"

#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QWidgetAction>

namespace {

class FilesTest : public WindowTest
{
  protected:
    // Saves the open project under `name` through Save As.
    QString SaveAsCommand(TMForm& f, const QString& name)
    {
        const QString file = dir.filePath(name);
        f.Hooks().SaveProjectName = [file] { return file; };
        EXPECT_TRUE(Run(f, f.acSaveAs));
        return file;
    }
    QStringList RecentMenu(TMForm& f) const
    {
        QStringList texts;
        for (QAction* a : f.findChild<QMenu*>(QStringLiteral("mnRecent"))->actions())
            texts << a->toolTip();
        return texts;
    }
    static QString Native(const QString& file) { return QDir::toNativeSeparators(file); }
};

TEST_F(FilesTest, SaveAsAlwaysAsksAndTheNewNameBecomesTheProjects)
{
    TMForm& f = Make();
    const QString one = SaveAs(f, QStringLiteral("one.lcd"));
    ASSERT_TRUE(Drop(View(0), ekDRO, {10, 10}));
    const QByteArray before = testutil::ReadAll(one);

    // Cancelled: nothing is written and the project keeps its name and its changes.
    f.Hooks().SaveProjectName = [] { return QString(); };
    ASSERT_TRUE(Run(f, f.acSaveAs));
    EXPECT_EQ(f.CurrentFile(), one);
    EXPECT_TRUE(f.Project().Modified());

    const QString two = SaveAsCommand(f, QStringLiteral("two.lcd"));
    EXPECT_EQ(f.CurrentFile(), two);
    EXPECT_FALSE(f.Project().Modified());
    EXPECT_EQ(testutil::ReadAll(one), before); // the old file is left as it was
    EXPECT_NE(testutil::ReadAll(two), before);
    EXPECT_EQ(f.acSaveAs->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
}

TEST_F(FilesTest, RecentProjectsAreKeptLatestFirstAcrossRuns)
{
    TMForm& f = Make();
    QStringList saved;
    for (int i = 0; i < 10; ++i)
        saved.prepend(Native(SaveAsCommand(f, QStringLiteral("p%1.lcd").arg(i))));
    // Opening one again brings it to the front once.
    f.Hooks().OpenProjectName = [this] { return dir.filePath(QStringLiteral("p5.lcd")); };
    ASSERT_TRUE(Run(f, f.acOpen));
    QStringList expected = saved;
    expected.removeAll(Native(dir.filePath(QStringLiteral("p5.lcd"))));
    expected.prepend(Native(dir.filePath(QStringLiteral("p5.lcd"))));
    expected = expected.mid(0, 8);
    EXPECT_EQ(f.RecentFiles(), expected);
    EXPECT_EQ(RecentMenu(f), expected);

    // The next run offers the same list, even though this one never ended through its exit.
    form.reset();
    TMForm& again = Make();
    EXPECT_EQ(again.RecentFiles(), expected);

    // A recent project that is gone is said so and leaves the list; nothing is opened.
    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("p9.lcd"))));
    const QString current = again.CurrentFile();
    again.OpenRecentFile(expected[1]);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("p9.lcd"))) << errors[0].toStdString();
    EXPECT_EQ(again.CurrentFile(), current);
    EXPECT_FALSE(again.RecentFiles().contains(expected[1]));

    // A recent project opens as File > Open does, after the save question.
    ASSERT_TRUE(Drop(View(0), ekLED, {20, 20}));
    saveAnswer = TSaveAnswer::Cancel;
    again.OpenRecentFile(expected[2]);
    EXPECT_EQ(again.CurrentFile(), current);
    saveAnswer = TSaveAnswer::Discard;
    again.OpenRecentFile(expected[2]);
    EXPECT_EQ(Native(again.CurrentFile()), expected[2]);
}

TEST_F(FilesTest, AProjectDroppedOnTheWindowOpens)
{
    TMForm& f = Make();
    const QString file = SaveAs(f, QStringLiteral("dropped.lcd"));
    Run(f, f.acNew);
    ASSERT_TRUE(Drop(View(0), ekDRO, {10, 10}));
    const QString picture = dir.filePath(QStringLiteral("picture.bmp"));

    auto drop = [&](const QString& name) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(name)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&f, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&f, &dropped);
        Settle();
        return true;
    };
    EXPECT_FALSE(drop(picture)); // only project files
    saveAnswer = TSaveAnswer::Cancel;
    EXPECT_TRUE(drop(file));
    EXPECT_EQ(questions.size(), 1); // the unsaved DRO is asked about first
    EXPECT_EQ(f.CurrentFile(), QString());
    saveAnswer = TSaveAnswer::Discard;
    EXPECT_TRUE(drop(file));
    EXPECT_EQ(f.CurrentFile(), file);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(FilesTest, ZoomIsShownAndStopsAtBothEnds)
{
    TMForm& f = Make();
    auto* zoom = Find<QLabel>("lbZoom");
    EXPECT_EQ(zoom->text(), QStringLiteral("100 %"));
    f.UpdateActions();
    EXPECT_FALSE(f.acZoomOut->isEnabled());
    int steps = 0;
    while (Run(f, f.acZoomIn))
        ++steps;
    EXPECT_EQ(steps, 7);
    EXPECT_EQ(zoom->text(), QStringLiteral("800 %"));
    EXPECT_EQ(f.List().Zoom, 8);
    ASSERT_TRUE(Run(f, f.acZoomOne));
    EXPECT_EQ(zoom->text(), QStringLiteral("100 %"));
}

TEST_F(FilesTest, NextAndPreviousScreenSwitchPagesAsTheirTabsDo)
{
    TMForm& f = Make();
    Run(f, f.acAddScreen);
    Run(f, f.acAddScreen);
    f.Page(1)->SCR->SetLandscape(true);
    form->ShowPage(0);
    EXPECT_FALSE(Run(f, f.acPrevPage));
    ASSERT_TRUE(Run(f, f.acNextPage));
    EXPECT_EQ(f.ActivePageIndex(), 1);
    // The page switch's handling ran: the layout control follows the page.
    EXPECT_EQ(Find<TRadioGroup>("rgSize")->ItemIndex(), 1);
    ASSERT_TRUE(Run(f, f.acNextPage));
    EXPECT_FALSE(Run(f, f.acNextPage));
    ASSERT_TRUE(Run(f, f.acPrevPage));
    EXPECT_EQ(f.ActivePageIndex(), 1);
}

TEST_F(FilesTest, EveryCommandShowsAnIconAndTheToolBarsFitTheDefaultWidth)
{
    TMForm& f = Make();
    f.resize(948, 692); // the window's size on a first run
    f.show();
    Settle();
    for (QToolBar* bar : f.findChildren<QToolBar*>()) {
        SCOPED_TRACE(bar->objectName().toStdString());
        for (QAction* a : bar->actions()) {
            if (a->isSeparator() || qobject_cast<QWidgetAction*>(a))
                continue;
            EXPECT_FALSE(a->icon().pixmap(24, 24).isNull()) << a->objectName().toStdString();
            // Not hidden behind the extension button: the bar shows a button for it.
            auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a));
            ASSERT_NE(button, nullptr) << a->objectName().toStdString();
            EXPECT_TRUE(button->isVisible()) << a->objectName().toStdString();
        }
        EXPECT_LE(bar->sizeHint().width(), f.width());
    }
    // Tool tips name the key.
    EXPECT_TRUE(f.acGenerate->toolTip().contains(QStringLiteral("F9"))) << f.acGenerate->toolTip().toStdString();
}

} // namespace
