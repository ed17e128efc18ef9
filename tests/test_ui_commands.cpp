// The main window's commands on the selected element: copy properties, colour picking, the status
// line and the enabling rules; the about box.

#include "dialogs/uabout.h"
#include "dialogs/uproperties.h"
#include "dialogs/uproplbl.h"
#include "dialogs/uproptxt.h"
#include "test_ui_window.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

namespace {

class Commands : public WindowTest
{
  protected:
    // Drops an element and gives it a panel position and size.
    TElement* Place(int kind, QRect panel, int page = 0)
    {
        EXPECT_TRUE(Drop(View(page), kind, panel.topLeft()));
        TLCD* s = form->Page(page)->SCR;
        TElement* e = s->Item(s->Count() - 1);
        e->PanelX = panel.x();
        e->PanelY = panel.y();
        e->PanelW = panel.width();
        e->PanelH = panel.height();
        e->ApplyZoom();
        s->Invalidate();
        return e;
    }
    void Press(int page, QPoint at) { QTest::mouseClick(View(page), Qt::LeftButton, Qt::NoModifier, at); }
    static QPoint Inside(const TElement* e) { return {e->Left + 2, e->Top + 2}; }
};

TEST_F(Commands, CopyPropertiesPastesUntilAnEmptyScreenPress)
{
    TMForm& f = Make();
    TElement* source = Place(ekDRO, {10, 10, 0, 0});
    source->TextColor = 0x0000FF;
    source->BackColor = 0x00FF00;
    source->Format = "%5.2f";
    source->Value = 12.5f;
    source->SetScaleW(2);
    TElement* target = Place(ekDRO, {10, 100, 0, 0});
    TElement* other = Place(ekDRO, {10, 200, 0, 0});
    TElement* bar = Place(ekBar, {150, 10, 20, 60});
    const TColor barBack = bar->BackColor;

    Press(0, Inside(source));
    ASSERT_TRUE(Run(f, f.acCopyProp));
    ASSERT_TRUE(f.acCopyProp->isChecked());
    f.List().SetModified(false);
    Press(0, Inside(target));
    EXPECT_EQ(target->TextColor, 0x0000FFu);
    EXPECT_EQ(target->BackColor, 0x00FF00u);
    EXPECT_EQ(target->Format, QByteArray("%5.2f"));
    EXPECT_EQ(target->Value, 12.5f);
    EXPECT_EQ(target->ScaleW, 2);
    EXPECT_EQ(target->Width, source->Width);
    EXPECT_TRUE(f.List().Modified);
    EXPECT_EQ(beeps, 0);

    // Another kind: the beep and nothing else; the mode stays on for the next paste.
    Press(0, Inside(bar));
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(bar->BackColor, barBack);
    EXPECT_TRUE(f.acCopyProp->isChecked());
    Press(0, Inside(other));
    EXPECT_EQ(other->Format, QByteArray("%5.2f"));

    // A press on the empty screen ends the mode and forgets the source.
    Press(0, {230, 310});
    EXPECT_FALSE(f.acCopyProp->isChecked());
    EXPECT_EQ(f.CopySource(), nullptr);
}

// Whatever destroys the copy source, nothing is pasted from it afterwards.
TEST_F(Commands, DestroyedElementsAreForgotten)
{
    struct Case
    {
        const char* name;
        std::function<void(TMForm&)> destroy;
    };
    const Case cases[] = {
        {"delete element", [](TMForm& f) { ASSERT_TRUE(Run(f, f.acDelElement)); }},
        {"delete screen",
         [](TMForm& f) {
             f.AddScreenPage(true);
             f.findChild<QTabWidget*>(QStringLiteral("PGscreen"))->setCurrentIndex(0);
             ASSERT_TRUE(Run(f, f.acDelScreen));
         }},
        {"new project", [](TMForm& f) { f.acNew->trigger(); }},
        {"open project",
         [this](TMForm& f) {
             const QString file = SaveAs(f, QStringLiteral("other.lcd"));
             ASSERT_TRUE(f.OpenProjectFile(file));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TMForm& f = Make();
        TElement* source = Place(ekDRO, {10, 10, 0, 0});
        source->TextColor = 0x0000FF;
        Press(0, Inside(source));
        ASSERT_EQ(f.CopySource(), source);
        ASSERT_TRUE(Run(f, f.acGetFgColor));
        ASSERT_EQ(f.PickTarget(), source);
        f.acCopyProp->setChecked(true);
        c.destroy(f);
        EXPECT_EQ(f.CopySource(), nullptr);
        EXPECT_EQ(f.PickTarget(), nullptr);
        // A paste now reaches no freed element: a new DRO keeps its own colour.
        TElement* fresh = Place(ekDRO, {10, 100, 0, 0}, f.ActivePageIndex());
        const TColor own = fresh->TextColor;
        f.acCopyProp->setChecked(true);
        Press(f.ActivePageIndex(), Inside(fresh));
        EXPECT_EQ(fresh->TextColor, own);
    }
}

TEST_F(Commands, ColoursArePickedFromWhatIsDisplayed)
{
    struct Case
    {
        QAction* TMForm::*action;
        bool onElement; // the press lands on an element, not on the screen's own area
        bool background;
    };
    const Case cases[] = {
        {&TMForm::acGetBkgColor, false, true},
        {&TMForm::acGetFgColor, false, false},
        {&TMForm::acGetBkgColor, true, true},
    };
    for (const Case& c : cases) {
        TMForm& f = Make();
        f.acGrid->trigger(); // grid off: the press point shows the screen's own colour
        ASSERT_FALSE(f.List().ShowGrid);
        TLCD& s = *f.ActiveScreen();
        s.BackgroundColor = 0x0000FF; // red
        s.Invalidate();
        TElement* shape = Place(ekShape, {10, 10, 40, 30});
        TElement* greenDro = Place(ekDRO, {100, 200, 0, 0});
        greenDro->BackColor = 0x00FF00;
        s.Invalidate();
        Press(0, Inside(shape));
        QAction* action = f.*c.action;
        ASSERT_TRUE(Run(f, action));
        EXPECT_EQ(View(0)->cursor().shape(), Qt::CrossCursor);
        f.List().SetModified(false);

        const QPoint at = c.onElement ? QPoint(greenDro->Left + 1, greenDro->Top + 1) : QPoint(200, 150);
        const TColor expected = c.onElement ? 0x00FF00 : 0x0000FF;
        Press(0, at);
        if (c.background) {
            EXPECT_EQ(shape->BackColor, expected);
            EXPECT_EQ(shape->PenColor, expected);
        } else {
            EXPECT_EQ(shape->TextColor, expected);
        }
        EXPECT_TRUE(f.List().Modified);
        EXPECT_FALSE(action->isChecked());
        EXPECT_EQ(View(0)->cursor().shape(), Qt::ArrowCursor);
        EXPECT_EQ(f.PickTarget(), nullptr);
    }
}

TEST_F(Commands, StatusLineFollowsTheZoom)
{
    TMForm& f = Make();
    EXPECT_EQ(Status(), QStringLiteral("--"));
    TElement* e = Place(ekShape, {10, 20, 30, 40});
    f.acZoomIn->trigger();
    Press(0, {25, 45});
    EXPECT_EQ(f.ActiveScreen()->SelectedElement, e);
    EXPECT_EQ(Status(), QStringLiteral("X:20 Y:40 W:60 H:80"));
}

TEST_F(Commands, EnablingRules)
{
    TMForm& f = Make();
    f.UpdateActions();
    EXPECT_FALSE(f.acZoomOut->isEnabled());
    f.acZoomIn->trigger();
    f.UpdateActions();
    EXPECT_TRUE(f.acZoomOut->isEnabled());
    f.acZoomOne->trigger();
    f.UpdateActions();
    EXPECT_FALSE(f.acZoomOut->isEnabled());

    QAction* const selection[] = {f.acDelElement, f.acToBack,      f.acToFront,
                                  f.acCopyProp,   f.acGetBkgColor, f.acGetFgColor};
    Place(ekLED, {20, 20, 20, 20});
    f.UpdateActions();
    for (QAction* a : selection)
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    ASSERT_TRUE(Run(f, f.acDelElement));
    f.UpdateActions();
    for (QAction* a : selection)
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_FALSE(f.acShProp->isEnabled());
    for (QAction* a : {f.acGenerate, f.acDownload, f.acLoadBkg, f.acUnLoadBkg, f.acLoadLCDbkg, f.acLoadGIF,
                       f.acUnLoadGIF, f.acLoadPWR, f.acAbout, f.acExit})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
}

TEST_F(Commands, AboutBoxShowsTheVersionAndLinksTheDocumentation)
{
    TMForm& f = Make();
    QStringList lines, warned;
    QList<QUrl> opened;
    bool desktopOpens = true;
    aboutShown = [&](TAboutForm& about) {
        EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
        for (const QLabel* l : about.findChildren<QLabel*>())
            lines << l->text() << l->toolTip();
        about.OpenUrl = [&](const QUrl& url) {
            opened << url;
            return desktopOpens;
        };
        about.Warn = [&](const QString& text) { warned << text; };
        QTest::mouseClick(about.lbDocs, Qt::LeftButton);
        desktopOpens = false;
        QTest::mouseClick(about.lbDocs, Qt::LeftButton);
    };
    ASSERT_TRUE(Run(f, f.acAbout));
    EXPECT_TRUE(lines.contains(QStringLiteral("Programm")));
    EXPECT_TRUE(lines.contains(QStringLiteral("\"Screen designer for Tarvolt RU\"")));
    EXPECT_TRUE(lines.contains(QStringLiteral("developed for design LCD CNC control panel")));
    // The version the build was made as, and no placeholder address anywhere.
    EXPECT_EQ(TAboutForm::Version(), QStringLiteral(TARVOLT_VERSION));
    EXPECT_TRUE(lines.contains(QStringLiteral("Version ") + TAboutForm::Version()));
    EXPECT_TRUE(lines.filter(QStringLiteral("example.com")).isEmpty()) << lines.join('|').toStdString();
    // The README that the build puts beside the programs, opened from the disk.
    const QString readme = QDir(QStringLiteral(TARVOLT_BIN_DIR)).filePath(QStringLiteral("README.md"));
    ASSERT_TRUE(testutil::ReadAll(readme).startsWith("# Screen designer for Tarvolt RU"));
    EXPECT_TRUE(lines.contains(QStringLiteral("Documentation (README)")));
    EXPECT_EQ(opened, (QList<QUrl>{QUrl::fromLocalFile(readme), QUrl::fromLocalFile(readme)}));
    ASSERT_EQ(warned.size(), 1) << "a desktop that cannot open it says so";
    EXPECT_TRUE(warned[0].contains(QDir::toNativeSeparators(readme))) << warned[0].toStdString();
}

TEST(AboutBox, DocumentationIsFoundBesideTheProgramOrWhereItIsInstalled)
{
    QStandardPaths::setTestModeEnabled(true); // no system data folders
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    EXPECT_EQ(TAboutForm::DocumentationFile(bin), QString()) << "none installed";

    const QString installed = prefix.filePath(QStringLiteral("share/doc/tarvolt-designer/README.md"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(installed).absolutePath()));
    testutil::WriteAll(installed, "# installed");
    EXPECT_EQ(TAboutForm::DocumentationFile(bin), installed);

    const QString beside = QDir(bin).filePath(QStringLiteral("README.md"));
    testutil::WriteAll(beside, "# beside");
    EXPECT_EQ(TAboutForm::DocumentationFile(bin), beside) << "a copy beside the program comes first";
    QStandardPaths::setTestModeEnabled(false);
}

// Texts the code page cannot hold in full are named, with their screen, after Save and Generate.
TEST_F(Commands, SaveAndGenerateNameTheTextsThePanelCannotShow)
{
    TMForm& f = Make();
    f.AddScreenPage(true);
    TElement* text = Place(ekText, {10, 10, 40, 14}, 1);
    TPropLblForm* lbl = f.PropDialogs()->PropLblForm;
    lbl->Fill(*text);
    lbl->cxText->setText(QStringLiteral("Ток \u2713"));
    lbl->WriteBack(*text);
    TElement* plain = Place(ekText, {10, 40, 40, 14}, 0);
    lbl->Fill(*plain);
    lbl->cxText->setText(QStringLiteral("Привет"));
    lbl->WriteBack(*plain);
    ASSERT_TRUE(Drop(f.PowerFailView(), ekDRO, {10, 10}));
    TElement* dro = f.PowerFail().Item(0);
    TPropTxtForm* txt = f.PropDialogs()->PropTxtForm;
    txt->Fill(*dro, true);
    txt->cxText->setText(QStringLiteral("%.0f\u2103"));
    txt->WriteBack(*dro, true);

    const QStringList named{QStringLiteral("Screen 1, text \"Ток \u2713\""),
                            QStringLiteral("Power fail screen, DRO format \"%.0f\u2103\"")};
    warnings.clear();
    SaveAs(f, QStringLiteral("chars.lcd"));
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_EQ(warnings[0],
              QStringLiteral("The panel cannot show some characters of these texts; the project keeps "
                             "\"?\" in their place:\n") +
                  named.join(u'\n'));
    warnings.clear();
    f.acGenerate->trigger();
    ASSERT_EQ(warnings.size(), 1) << errors.join('\n').toStdString();
    EXPECT_EQ(warnings[0],
              QStringLiteral("The panel cannot show some characters of these texts; it gets \"?\" "
                             "in their place:\n") +
                  named.join(u'\n'));

    // Retyped within the code page, the element is no longer named.
    lbl->Fill(*text);
    lbl->cxText->setText(QStringLiteral("Ток"));
    lbl->WriteBack(*text);
    txt->Fill(*dro, true);
    txt->cxText->setText(QStringLiteral("%.0f"));
    txt->WriteBack(*dro, true);
    warnings.clear();
    f.SaveProjectCommand();
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
}

TEST_F(Commands, ExitClosesTheWindowAfterTheSaveQuestion)
{
    TMForm& f = Make();
    f.show();
    Place(ekLED, {20, 20, 20, 20});
    f.acExit->trigger();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(questions, QStringList{msg::ProjectNotSaved()});
}

} // namespace
