#include "document/clipboard.h"
#include "document/undocommands.h"
#include "model/editing.h"
#include "model/elementkind.h"
#include "project/lcdfile.h"
#include "test_ui_window.h"
#include "ui/screenview.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace {

class WindowClipboard : public WindowTest
{
  protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        QGuiApplication::clipboard()->clear();
    }
    void TearDown() override
    {
        second.reset();
        WindowTest::TearDown();
    }

    // A second designer in the same session, on a settings file of its own.
    TMForm& MakeSecond()
    {
        TFormOptions o;
        o.LanguageFolders = languageFolders;
        o.IniPath = dir.filePath(QStringLiteral("second.ini"));
        o.RecoveryFolder = recoveryDir.path();
        o.HIDLayer = &layer;
        o.Hooks.AskSave = [](const QString&) { return TSaveAnswer::Discard; };
        o.Hooks.ShowError = [this](const QString& text) { errors << text; };
        second = std::make_unique<TMForm>(std::move(o));
        Settle();
        return *second;
    }

    // The key as the user presses it in the window, which must be the active one.
    static void Press(TMForm& f, const QKeySequence& key)
    {
        f.show();
        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        f.UpdateActions();
        QTest::keySequence(&f, key);
        Settle();
    }

    static QList<int> Kinds(const TLCD& screen)
    {
        QList<int> kinds;
        for (const auto& e : screen.Elements())
            kinds << e->Kind;
        return kinds;
    }

    std::unique_ptr<TMForm> second;
};

} // namespace

TEST_F(WindowClipboard, CopyOnOneScreenPasteOnAnother)
{
    TMForm& f = Make();
    ASSERT_TRUE(Drop(View(0), ekDRO, {20, 30}));
    ASSERT_TRUE(Drop(View(0), ekLED, {120, 30}));
    TLCD& first = *f.Page(0)->SCR;
    SetSelection(first, {first.Item(0), first.Item(1)});
    f.UpdateActions();
    EXPECT_FALSE(f.acPaste->isEnabled());
    Press(f, QKeySequence::Copy);

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasFormat(ElementsMimeType));
    ASSERT_TRUE(data->hasImage());
    const QImage picture = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(picture.width(), 120 + first.Item(1)->PanelW - 20);

    f.AddScreenPage(true);
    TLCD& other = *f.Page(1)->SCR;
    f.UpdateActions();
    EXPECT_TRUE(f.acPaste->isEnabled());
    EXPECT_FALSE(f.acCopy->isEnabled()); // nothing selected on the new screen
    Press(f, QKeySequence::Paste);
    ASSERT_EQ(Kinds(other), (QList<int>{ekDRO, ekLED}));
    EXPECT_EQ(other.Item(0)->PanelX, 20);
    EXPECT_EQ(other.Item(1)->PanelX, 120);
    EXPECT_EQ(Selection(other), (QList<TElement*>{other.Item(0), other.Item(1)}));
    EXPECT_EQ(f.acUndo->text(), QStringLiteral("Undo Paste 2 elements"));
    EXPECT_EQ(f.Budget(), MaxElements - 2);
    EXPECT_EQ(first.Count(), 2);
    // The keys are in the Edit menu and the element menu, with their icons.
    const QMenuBar* bar = f.menuBar();
    QMenu* edit = bar->findChild<QMenu*>(QStringLiteral("mnEdit"));
    QMenu* element = f.findChild<QMenu*>(QStringLiteral("ppElement"));
    for (QAction* a : {f.acCut, f.acCopy, f.acPaste, f.acDuplicate}) {
        EXPECT_TRUE(edit->actions().contains(a)) << a->text().toStdString();
        EXPECT_TRUE(element->actions().contains(a)) << a->text().toStdString();
        EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
    }
}

TEST_F(WindowClipboard, TwoDesignersShareTheClipboard)
{
    TMForm& f = Make();
    TMForm& g = MakeSecond();
    ASSERT_TRUE(Drop(View(0), ekBar, {40, 50}));
    ASSERT_TRUE(Drop(View(0), ekText, {100, 200}));
    TLCD& source = *f.Page(0)->SCR;
    source.Item(0)->Value = 33.0f;
    SetSelection(source, {source.Item(0), source.Item(1)});
    g.UpdateActions();
    EXPECT_FALSE(g.acPaste->isEnabled());

    Press(f, QKeySequence::Copy);
    // The other designer hears of it and may paste.
    g.UpdateActions();
    EXPECT_TRUE(g.acPaste->isEnabled());
    Press(g, QKeySequence::Paste);
    TLCD& target = *g.Page(0)->SCR;
    ASSERT_EQ(Kinds(target), (QList<int>{ekBar, ekText}));
    EXPECT_FLOAT_EQ(target.Item(0)->Value, 33.0f);
    EXPECT_TRUE(SameDesign(target.Item(1)->Data(), source.Item(1)->Data()));
    EXPECT_TRUE(g.Project().Modified());
    EXPECT_EQ(g.Project().UndoStack().count(), 1);
    EXPECT_EQ(source.Count(), 2);
}

TEST_F(WindowClipboard, CutRemovesAsOneStepAndDuplicateCopiesBeside)
{
    TMForm& f = Make();
    for (const int kind : {ekDRO, ekShape, ekLED})
        ASSERT_TRUE(Drop(View(0), kind, {20 + 60 * (kind % 3), 40 + kind}));
    TLCD& s = *f.Page(0)->SCR;
    // Shown, the DRO shows its value: the bytes are those of the design as drawn.
    f.show();
    Settle();
    const QByteArray before = ProjectBytes(f.List(), f.PowerFail(), f.GatherSplash());
    const int steps = f.Project().UndoStack().count();
    const QList<int> kinds = Kinds(s);

    SetSelection(s, {s.Item(0), s.Item(2)});
    Press(f, QKeySequence::Cut);
    EXPECT_EQ(Kinds(s), (QList<int>{kinds[1]}));
    EXPECT_EQ(f.Project().UndoStack().count(), steps + 1);
    EXPECT_EQ(f.acUndo->text(), QStringLiteral("Undo Cut 2 elements"));
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(ElementsMimeType));
    EXPECT_EQ(Status(), QStringLiteral("--"));
    ASSERT_TRUE(Run(f, f.acUndo));
    EXPECT_EQ(ProjectBytes(f.List(), f.PowerFail(), f.GatherSplash()), before);

    // Ctrl+D: beside the original, selected, one step.
    TElement* shape = s.Item(1);
    SetSelection(s, {shape});
    Press(f, QKeySequence(Qt::CTRL | Qt::Key_D));
    ASSERT_EQ(s.Count(), 4);
    TElement* copy = s.Item(3);
    EXPECT_EQ(copy->Kind, ekShape);
    EXPECT_EQ(copy->PanelX, shape->PanelX + 10);
    EXPECT_EQ(copy->PanelY, shape->PanelY + 10);
    EXPECT_EQ(Selection(s), QList<TElement*>{copy});
    EXPECT_EQ(f.acUndo->text(), QStringLiteral("Undo Duplicate 1 element"));
    ASSERT_TRUE(Run(f, f.acUndo));
    EXPECT_EQ(ProjectBytes(f.List(), f.PowerFail(), f.GatherSplash()), before);
}

TEST_F(WindowClipboard, DeleteRemovesTheWholeSelectionAsOneStep)
{
    TMForm& f = Make();
    for (const int x : {10, 60, 110})
        ASSERT_TRUE(Drop(View(0), ekLED, {x, 40}));
    TLCD& s = *f.Page(0)->SCR;
    const int steps = f.Project().UndoStack().count();
    s.SelectElement(nullptr);
    ToggleSelected(s, *s.Item(0));
    ToggleSelected(s, *s.Item(2));
    ASSERT_EQ(Selection(s).size(), 2);
    Press(f, QKeySequence::Delete);
    ASSERT_EQ(s.Count(), 1);
    EXPECT_EQ(s.Item(0)->PanelX, 60);
    EXPECT_EQ(f.Project().UndoStack().count(), steps + 1);
    EXPECT_EQ(f.acUndo->text(), QStringLiteral("Undo Delete 2 elements"));
    EXPECT_EQ(f.Budget(), MaxElements - 1);
}

TEST_F(WindowClipboard, ThePowerFailScreenTakesOneDROAndSaysWhatItLeftOut)
{
    TMForm& f = Make();
    ASSERT_TRUE(Drop(View(0), ekDRO, {20, 30}));
    ASSERT_TRUE(Drop(View(0), ekLED, {120, 30}));
    TLCD& s = *f.Page(0)->SCR;
    SetSelection(s, {s.Item(0), s.Item(1)});
    Press(f, QKeySequence::Copy);

    // A click on the power-fail screen gives its view the focus: the keys act there.
    QTest::mouseClick(f.PowerFailView(), Qt::LeftButton, {}, {5, 5});
    Press(f, QKeySequence::Paste);
    ASSERT_EQ(Kinds(f.PowerFail()), QList<int>{ekDRO});
    EXPECT_EQ(Status(), QStringLiteral("Not pasted: LED (the power-fail screen takes one DRO only)"));
    EXPECT_EQ(s.Count(), 2);

    // Back on the work screen, the keys act there again.
    QTest::mouseClick(View(0), Qt::LeftButton, {}, {200, 300});
    Press(f, QKeySequence::Paste);
    EXPECT_EQ(s.Count(), 4);
}

TEST_F(WindowClipboard, DamagedClipboardIsRefusedWithItsReason)
{
    TMForm& f = Make();
    auto* data = new QMimeData;
    data->setData(ElementsMimeType, QByteArray("TVELEMS\n\x01\x00\x05\x00", 12));
    QGuiApplication::clipboard()->setMimeData(data);
    Settle();
    const QByteArray before = ProjectBytes(f.List(), f.PowerFail(), f.GatherSplash());
    Press(f, QKeySequence::Paste);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("The clipboard does not hold elements that can be pasted"))
        << errors[0].toStdString();
    EXPECT_EQ(ProjectBytes(f.List(), f.PowerFail(), f.GatherSplash()), before);
    EXPECT_EQ(f.Project().UndoStack().count(), 0);
}
