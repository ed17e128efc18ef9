// Selections of several elements in the window: Select All, Escape, Ctrl+click, what the status
// line shows of them and of the pointer, Delete and a property window on all of them, and elements
// that reach past the screen's edge.

#include "dialogs/upropled.h"
#include "dialogs/uproperties.h"
#include "model/editing.h"
#include "project/lcdfile.h"
#include "test_ui_window.h"
#include "ui/screenview.h"
#include "widgets/colorbox.h"
#include "widgets/radiogroup.h"

#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

class WindowSelection : public WindowTest
{
  protected:
    QByteArray Bytes() const
    {
        TProject& p = form->Project();
        return ProjectBytes(p.Screens(), p.PowerFail(), p.GatherSplash());
    }
    QString Label(const char* name) const
    {
        form->UpdateActions();
        return Find<QLabel>(name)->text();
    }
    static void Click(QWidget* view, QPoint at, Qt::KeyboardModifiers modifiers)
    {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), view->mapToGlobal(QPointF(at)), Qt::LeftButton,
                          Qt::LeftButton, modifiers);
        QApplication::sendEvent(view, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), view->mapToGlobal(QPointF(at)),
                            Qt::LeftButton, Qt::NoButton, modifiers);
        QApplication::sendEvent(view, &release);
    }
};

TEST_F(WindowSelection, SelectAllEscapeCtrlClickAndDelete)
{
    TMForm& f = Make();
    f.show();
    ASSERT_TRUE(Drop(View(0), ekLED, {10, 10}));
    ASSERT_TRUE(Drop(View(0), ekShape, {100, 10}));
    ASSERT_TRUE(Drop(View(0), ekLED, {10, 200}));
    TLCD& s = *f.ActiveScreen();
    const int zoom = s.Zoom;
    EXPECT_EQ(f.acSelectAll->shortcut(), QKeySequence(QKeySequence::SelectAll));
    EXPECT_EQ(f.acDeselect->shortcut(), QKeySequence(Qt::Key_Escape));

    ASSERT_TRUE(Run(f, f.acSelectAll));
    EXPECT_EQ(Selection(s).size(), 3);
    // The bounding box in panel pixels.
    const TElement* last = s.Item(2);
    const int right = qMax(s.Item(1)->Left + s.Item(1)->Width, last->Left + last->Width) / zoom;
    const int bottom = (last->Top + last->Height) / zoom;
    const int left = s.Item(0)->Left / zoom, top = s.Item(0)->Top / zoom;
    EXPECT_EQ(Label("lbSelection"),
              QStringLiteral("3 elements: %1, %2  %3 × %4").arg(left).arg(top).arg(right - left).arg(bottom - top));
    // Properties need one kind; Delete takes any selection.
    f.UpdateActions();
    EXPECT_FALSE(f.acShProp->isEnabled());
    EXPECT_TRUE(f.acDelElement->isEnabled());

    ASSERT_TRUE(Run(f, f.acDeselect));
    EXPECT_TRUE(Selection(s).isEmpty());
    EXPECT_EQ(Label("lbSelection"), QString());
    f.UpdateActions();
    EXPECT_FALSE(f.acDelElement->isEnabled());

    // Ctrl+click picks the two LEDs, and never moves what it clicks.
    TElement* top1 = s.Item(0);
    TElement* bottom1 = s.Item(2);
    const QPoint before(top1->Left, top1->Top);
    Click(View(0), QPoint(top1->Left + 2, top1->Top + 2), Qt::ControlModifier);
    Click(View(0), QPoint(bottom1->Left + 2, bottom1->Top + 2), Qt::ControlModifier);
    EXPECT_EQ(Selection(s), (QList<TElement*>{top1, bottom1}));
    EXPECT_EQ(QPoint(top1->Left, top1->Top), before);
    f.UpdateActions();
    EXPECT_TRUE(f.acShProp->isEnabled());

    const QByteArray kept = Bytes();
    const int steps = f.Project().UndoStack().count();
    ASSERT_TRUE(Run(f, f.acDelElement));
    ASSERT_EQ(s.Count(), 1);
    EXPECT_EQ(s.Item(0)->Kind, ekShape);
    EXPECT_EQ(f.Project().UndoStack().count(), steps + 1);
    EXPECT_EQ(f.acUndo->text(), QStringLiteral("Undo Delete 2 elements"));
    ASSERT_TRUE(Run(f, f.acUndo));
    EXPECT_EQ(Bytes(), kept);
}

// A property window opened on several LEDs changes, on OK, what the user changed there on all of
// them and nothing else, as one step.
TEST_F(WindowSelection, PropertiesOfSeveralElementsChangeOnlyWhatWasTouched)
{
    TMForm& f = Make();
    f.show();
    for (int y : {10, 60, 110})
        ASSERT_TRUE(Drop(View(0), ekLED, {10, y}));
    TLCD& s = *f.ActiveScreen();
    const TColor offColours[] = {0x0000FF, 0x00FF00, 0xFF0000};
    for (int i = 0; i < 3; ++i) {
        s.Item(i)->OffColor = offColours[i];
        s.Item(i)->BackColor = offColours[i];
    }
    SetSelection(s, {s.Item(0), s.Item(1), s.Item(2)});
    const QByteArray before = Bytes();
    const int steps = f.Project().UndoStack().count();

    TPropLEDForm* led = f.PropDialogs()->PropLEDForm;
    f.PropDialogs()->Hooks.Exec = [&](QDialog& d) {
        EXPECT_EQ(&d, led);
        led->cxOn->SetColor(0x00FFFF);
        return int(QDialog::Accepted);
    };
    ASSERT_TRUE(Run(f, f.acShProp));
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(s.Item(i)->OnColor, 0x00FFFFu);
        EXPECT_EQ(s.Item(i)->OffColor, offColours[i]);
        EXPECT_EQ(s.Item(i)->OrderNo, i);
    }
    EXPECT_EQ(f.Project().UndoStack().count(), steps + 1);
    EXPECT_EQ(Selection(s).size(), 3);
    ASSERT_TRUE(Run(f, f.acUndo));
    EXPECT_EQ(Bytes(), before);

    // Cancel changes none of them.
    f.PropDialogs()->Hooks.Exec = [&](QDialog&) {
        led->cxOn->SetColor(0x808080);
        return int(QDialog::Rejected);
    };
    ASSERT_TRUE(Run(f, f.acShProp));
    EXPECT_EQ(Bytes(), before);
}

// The pointer's panel position beside the status line, at zoom 2.
TEST_F(WindowSelection, PointerPositionInPanelPixels)
{
    TMForm& f = Make();
    f.show();
    ASSERT_TRUE(Run(f, f.acZoomIn));
    const int z = f.ActiveScreen()->Zoom;
    ASSERT_GE(z, 2);
    Mouse(View(0), QEvent::MouseMove, {10 * z + z - 1, 15 * z + 1});
    EXPECT_EQ(Find<QLabel>("lbPointer")->text(), QStringLiteral("10, 15"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(View(0), &leave);
    EXPECT_EQ(Find<QLabel>("lbPointer")->text(), QString());
}

// An element that a switch to landscape leaves past the bottom edge is outlined, and named below the
// canvas until it is back on the screen.
TEST_F(WindowSelection, ElementsPastTheEdgeAreOutlinedAndNamed)
{
    TMForm& f = Make();
    f.show();
    TLCD& s = *f.ActiveScreen();
    ASSERT_TRUE(Drop(View(0), ekLED, {10 * s.Zoom, 230 * s.Zoom}));
    TElement* e = s.Item(0);
    EXPECT_TRUE(Find<QLabel>("lbPastEdge")->isHidden());

    auto* layout = f.findChild<TRadioGroup*>();
    ASSERT_NE(layout, nullptr);
    layout->SetItemIndex(1); // landscape: 240 high
    ASSERT_TRUE(s.Landscape);
    ASSERT_GT(e->Top + e->Height, 240 * s.Zoom);
    EXPECT_EQ(Label("lbPastEdge"), QStringLiteral("Past the screen's edge: LED 1"));
    EXPECT_FALSE(Find<QLabel>("lbPastEdge")->isHidden());
    // The outline runs along the element's part that is still shown.
    const QImage shown = View(0)->grab().toImage();
    EXPECT_EQ(shown.pixelColor(e->Left + 3, e->Top + 1).rgb(), TScreenView::PastEdgeColor.rgb());

    layout->SetItemIndex(0);
    EXPECT_EQ(Label("lbPastEdge"), QString());
    EXPECT_TRUE(Find<QLabel>("lbPastEdge")->isHidden());
}

} // namespace
