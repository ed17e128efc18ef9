#include "document/tproject.h"
#include "model/elementkind.h"
#include "model/placement.h"
#include "project/lcdfile.h"
#include "test_ui_window.h"
#include "ui/screenview.h"
#include "widgets/radiogroup.h"

#include <QApplication>
#include <QDockWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTabWidget>
#include <QUndoView>
#include <gtest/gtest.h>

namespace {

void Send(QWidget& view, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), view.mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&view, &event);
}

// A press, a few pointer moves and the release on a screen view: what the stack records.
TEST(UndoView, ADragInTheViewIsOneStep)
{
    struct Case
    {
        const char* What;
        QPoint Press;
        QString Text;
        int RightEdge; // where the shape ends after the drag
    };
    // The shape is 65 x 20 at (40, 50): its middle moves it, its right edge resizes it.
    const Case cases[] = {
        {"move", {70, 60}, QStringLiteral("Move 1 element"), 40 + 65 + 20},
        {"resize", {40 + 63, 60}, QStringLiteral("Resize element"), 40 + 63 + 20},
    };
    for (const Case& c : cases) {
        TProject project;
        TLCD* screen = project.Screens().AddScreen(240, 320);
        screen->SetZoom(1);
        TElement* shape = Drop(*screen, TScreenRole::Work, ekShape, {40, 50});
        ASSERT_NE(shape, nullptr);
        project.SetModified(false);
        const struct
        {
            int Left, Width;
        } before{shape->Left, shape->Width};

        TScreenView view(screen);
        view.SetProject(&project);
        view.resize(240, 320);
        Send(view, QEvent::MouseButtonPress, c.Press, Qt::LeftButton);
        for (int step = 1; step <= 5; ++step)
            Send(view, QEvent::MouseMove, c.Press + QPoint(4 * step, 0), Qt::LeftButton);
        Send(view, QEvent::MouseButtonRelease, c.Press + QPoint(20, 0), Qt::NoButton);

        ASSERT_EQ(project.UndoStack().count(), 1) << c.What;
        EXPECT_EQ(project.UndoStack().undoText(), c.Text) << c.What;
        EXPECT_EQ(shape->Left + shape->Width, c.RightEdge) << c.What;
        EXPECT_TRUE(project.Modified()) << c.What;

        project.UndoStack().undo();
        EXPECT_EQ(shape->Left, before.Left) << c.What;
        EXPECT_EQ(shape->Width, before.Width) << c.What;
        EXPECT_FALSE(project.Modified()) << c.What;
    }
}

// The window's edits are steps of its project's stack; Edit > Undo names them and gives back the design
// and the controls that show it.
class WindowUndo : public WindowTest
{
  protected:
    QByteArray Bytes() const
    {
        TProject& p = form->Project();
        return ProjectBytes(p.Screens(), p.PowerFail(), p.GatherSplash());
    }
};

TEST_F(WindowUndo, EditMenuUndoesTheWindowsEdits)
{
    TMForm& f = Make();
    form->show();
    EXPECT_EQ(f.acUndo->shortcut(), QKeySequence(QKeySequence::Undo));
    EXPECT_EQ(f.acRedo->shortcut(), QKeySequence(QKeySequence::Redo));
    // Every key the desktop binds to Redo works, not only its first.
    EXPECT_EQ(f.acRedo->shortcuts(), QKeySequence::keyBindings(QKeySequence::Redo));
    auto* edit = f.menuBar()->findChild<QMenu*>(QStringLiteral("mnEdit"));
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->actions().contains(f.acUndo));
    ASSERT_NE(f.UndoDock(), nullptr);
    EXPECT_TRUE(f.UndoDock()->isHidden());
    EXPECT_NE(f.UndoDock()->findChild<QUndoView*>(), nullptr);
    EXPECT_FALSE(f.Project().Modified());
    EXPECT_FALSE(f.acUndo->isEnabled());
    const QByteArray start = Bytes();

    struct Case
    {
        const char* What;
        std::function<void()> Edit;
        QString UndoText;
        std::function<bool()> Done;
    };
    auto* rgSize = f.findChild<TRadioGroup*>();
    ASSERT_NE(rgSize, nullptr);
    const Case cases[] = {
        {"drop",
         [&] {
             ASSERT_TRUE(Drop(View(0), ekLED, {30, 40}));
         },
         "Undo Drop element", [&] { return f.Page(0)->SCR->Count() == 1; }},
        {"delete", [&] { ASSERT_TRUE(Run(f, f.acDelElement)); }, "Undo Delete 1 element",
         [&] { return f.Page(0)->SCR->Count() == 0; }},
        {"add screen", [&] { ASSERT_TRUE(Run(f, f.acAddScreen)); }, "Undo Add screen",
         [&] { return f.PageCount() == 2; }},
        {"landscape", [&] { rgSize->SetItemIndex(1); }, "Undo Landscape",
         [&] { return f.ActiveScreen()->Landscape; }},
        {"delete screen", [&] { ASSERT_TRUE(Run(f, f.acDelScreen)); }, "Undo Delete screen",
         [&] { return f.PageCount() == 1; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        const QByteArray before = Bytes();
        c.Edit();
        ASSERT_TRUE(c.Done());
        EXPECT_EQ(f.acUndo->text(), c.UndoText);
        const QByteArray after = Bytes();
        ASSERT_NE(after, before);
        ASSERT_TRUE(Run(f, f.acUndo));
        EXPECT_FALSE(c.Done());
        EXPECT_EQ(Bytes(), before);
        ASSERT_TRUE(Run(f, f.acRedo));
        EXPECT_TRUE(c.Done());
        EXPECT_EQ(Bytes(), after);
        // The layout switch shows the active screen's layout, whatever the step did.
        EXPECT_EQ(rgSize->ItemIndex(), f.ActiveScreen()->Landscape ? 1 : 0);
    }
    EXPECT_TRUE(f.Project().Modified());
    while (f.acUndo->isEnabled())
        f.acUndo->trigger();
    EXPECT_EQ(Bytes(), start);
    EXPECT_FALSE(f.Project().Modified()) << "undone back to what start-up showed";
}

} // namespace
