#include "model/align.h"
#include "model/editing.h"
#include "model/elementkind.h"
#include "test_ui_window.h"
#include "ui/screenview.h"

#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace {

class AlignWindow : public WindowTest
{
  protected:
    QAction* Action(const char* name) { return Find<QAction>(name); }
    // A key as the desktop delivers it: to the window, which passes it to its focus widget after the
    // shortcuts had their turn.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(form->windowHandle(), key, modifiers);
        Settle();
    }
    void Click(QWidget* w, QPoint at)
    {
        Mouse(w, QEvent::MouseButtonPress, at);
        Mouse(w, QEvent::MouseButtonRelease, at);
        Settle();
    }
};

TEST_F(AlignWindow, TheAlignMenuIsInTheEditMenuAndTheElementMenuAndFollowsTheSelection)
{
    TMForm& f = Make();
    f.show();
    ASSERT_TRUE(Run(f, f.acZoomOne) || f.Page(0)->SCR->Zoom == 1);
    Settle();
    auto* align = f.findChild<QMenu*>(QStringLiteral("mnAlign"));
    ASSERT_NE(align, nullptr);
    auto* edit = f.menuBar()->findChild<QMenu*>(QStringLiteral("mnEdit"));
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->actions().contains(align->menuAction()));
    EXPECT_TRUE(View(0)->ElementMenu()->actions().contains(align->menuAction()));
    EXPECT_EQ(align->title(), QStringLiteral("Align"));
    int commands = 0;
    for (QAction* a : align->actions())
        if (!a->isSeparator()) {
            ++commands;
            EXPECT_FALSE(a->toolTip().isEmpty()) << a->objectName().toStdString();
            EXPECT_NE(a->toolTip(), a->text()) << a->objectName().toStdString();
            EXPECT_FALSE(a->icon().pixmap(24, 24).isNull()) << a->objectName().toStdString();
        }
    EXPECT_EQ(commands, 10);

    // A shape, an LED and a DRO: two resizable elements.
    TLCD& s = *f.Page(0)->SCR;
    ASSERT_TRUE(Drop(View(0), ekShape, {10, 20}));
    ASSERT_TRUE(Drop(View(0), ekLED, {120, 100}));
    ASSERT_TRUE(Drop(View(0), ekDRO, {40, 200}));
    struct Case
    {
        QList<int> Selected;
        std::vector<std::pair<const char*, bool>> Enabled;
    };
    const Case cases[] = {
        {{}, {{"acAlignLeft", false}, {"acSameWidth", false}}},
        {{2}, {{"acAlignLeft", false}, {"acAlignVCentre", false}}},
        {{0, 2},
         {{"acAlignLeft", true}, {"acAlignBottom", true}, {"acDistributeH", false}, {"acSameWidth", false}}},
        {{0, 1}, {{"acSameWidth", true}, {"acSameHeight", true}, {"acDistributeV", false}}},
        {{0, 1, 2}, {{"acDistributeH", true}, {"acDistributeV", true}, {"acAlignHCentre", true}}},
    };
    for (const Case& c : cases) {
        QList<TElement*> chosen;
        for (int i : c.Selected)
            chosen.append(s.Item(i));
        SetSelection(s, chosen);
        f.UpdateActions();
        for (const auto& [name, enabled] : c.Enabled)
            EXPECT_EQ(Action(name)->isEnabled(), enabled) << name << " with " << c.Selected.size();
    }

    // The command acts on the selection of the active screen, as one step named after it.
    SetSelection(s, {s.Item(0), s.Item(1)});
    ASSERT_TRUE(Run(f, Action("acAlignLeft")));
    EXPECT_EQ(s.Item(1)->PanelX, s.Item(0)->PanelX);
    EXPECT_EQ(s.Item(2)->PanelX, 40);
    EXPECT_EQ(f.acUndo->text(), QStringLiteral("Undo Align left"));
    f.acUndo->trigger();
    EXPECT_EQ(s.Item(1)->PanelX, 120);
}

TEST_F(AlignWindow, ArrowKeysMoveTheSelectionOnlyWhileTheScreenHasTheFocus)
{
    TMForm& f = Make();
    f.show();
    ASSERT_TRUE(Run(f, f.acZoomOne) || f.Page(0)->SCR->Zoom == 1);
    Settle();
    TLCD& s = *f.Page(0)->SCR;
    ASSERT_TRUE(Drop(View(0), ekLED, {50, 60}));
    TElement& led = *s.Item(0);
    auto* timer = Find<QSpinBox>("cxTimer");
    ASSERT_NE(timer, nullptr);
    QUndoStack& stack = f.Project().UndoStack();

    // A click on the element gives its screen the keyboard.
    timer->setFocus();
    Click(View(0), {55, 65});
    EXPECT_EQ(f.focusWidget(), View(0));
    const int steps = stack.count();
    const int speed = timer->value();
    for (int i = 0; i < 5; ++i)
        Key(Qt::Key_Right);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(led.PanelX, 55);
    EXPECT_EQ(led.PanelY, 60 + s.GridStep);
    EXPECT_EQ(led.Left, 55 * s.Zoom);
    EXPECT_EQ(stack.count(), steps + 1);
    EXPECT_EQ(timer->value(), speed) << "the spin box had no focus";

    // In the spin box the keys are the spin box's.
    timer->setFocus();
    Key(Qt::Key_Up);
    EXPECT_EQ(timer->value(), speed + timer->singleStep());
    Key(Qt::Key_Left);
    EXPECT_EQ(led.PanelX, 55);
    EXPECT_EQ(led.PanelY, 60 + s.GridStep);
    EXPECT_EQ(stack.count(), steps + 1);

    // Back on the screen, a new run is a new step.
    Click(View(0), {55 * s.Zoom + 2, (60 + s.GridStep) * s.Zoom + 2});
    Key(Qt::Key_Left);
    EXPECT_EQ(led.PanelX, 54);
    EXPECT_EQ(stack.count(), steps + 2);
    EXPECT_EQ(timer->value(), speed + timer->singleStep());
}

} // namespace
