// The main window: start-up and settings, pages, placement, project life cycle, exit.

#include "dialogs/usettings.h"
#include "gifwriter.h"
#include "model/telement.h"
#include "base/codepage.h"
#include "document/recovery.h"
#include "project/jsonproject.h"
#include "project/lcdfile.h"
#include "testutil.h"
#include "uitest_drop.h"
#include "ui/appicon.h"
#include "widgets/colorbox.h"
#include "widgets/messages.h"
#include "ui/paletteitem.h"
#include "widgets/radiogroup.h"
#include "ui/scrtab.h"
#include "ui/settingsfile.h"
#include "ui/umain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <cstdio>
#include <QToolButton>
#include <cctype>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

// A window on a temporary INI file whose questions are answered by the test and recorded.
class MainWindow : public testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ini = dir.filePath(QStringLiteral("designer.ini"));
        recoveryFolder = dir.filePath(QStringLiteral("recovery"));
        SetActiveLanguage(LangEnglish);
    }
    void TearDown() override { SetActiveLanguage(LangEnglish); }

    TMForm& Make()
    {
        TFormOptions o;
        o.LanguageFolders = QStringList(); // English only, unless a test gives the folder
        o.IniPath = ini;
        o.RecoveryFolder = recoveryFolder;
        o.Hooks.AskYesNo = [this](const QString& text) {
            questions << text;
            return answerYes;
        };
        o.Hooks.AskSave = [this](const QString& text) {
            questions << text;
            return saveAnswer;
        };
        o.Hooks.Notice = [this](const QString& text) { notices << text; };
        o.Hooks.ShowError = [this](const QString& text) { errors << text; };
        o.Hooks.AskRestore = [this](const QString& text) {
            questions << text;
            return restoreAnswer;
        };
        o.Hooks.OpenProjectName = [this] { return openName; };
        o.Hooks.SaveProjectName = [this] { return saveName; };
        o.Hooks.PictureName = [this](const QString& preset) {
            presets << preset;
            return pictureName;
        };
        o.Hooks.ShowSettings = [this](TSetForm& f) {
            if (settingsDialog)
                settingsDialog(f);
        };
        form = std::make_unique<TMForm>(std::move(o));
        return *form;
    }

    // "Section/Key", read and written as the designer does.
    void WriteIni(const QString& key, const QString& value)
    {
        TSettingsFile(ini).WriteString(key.section(u'/', 0, 0), key.section(u'/', 1), value);
    }
    QVariant IniValue(const QString& key) const
    {
        const auto value =
            TSettingsFile::Lookup(testutil::ReadAll(ini), key.section(u'/', 0, 0), key.section(u'/', 1));
        return value ? QVariant(*value) : QVariant();
    }

    TScreenView* View(int page) const { return form->Page(page)->View; }
    QString Free() const { return form->findChild<QLabel*>(QStringLiteral("lbFreeElement"))->text(); }
    QTabWidget* Pages() const { return form->findChild<QTabWidget*>(QStringLiteral("PGscreen")); }
    TRadioGroup* Layout() const { return form->findChild<TRadioGroup*>(QStringLiteral("rgSize")); }
    bool Modified() const { return form->List().Modified || form->PowerFail().Modified; }
    QStringList Captions() const
    {
        QStringList c;
        for (int i = 0; i < Pages()->count(); ++i)
            c << Pages()->tabText(i);
        return c;
    }

    // A drag of a palette kind entering a view and moving over it, as the platform delivers it (moves
    // and drops go to the widget that accepted the enter); true when the view would take the drop.
    static bool DragOver(QWidget* view, int kind, QPoint at, const QMimeData* data = nullptr)
    {
        std::unique_ptr<QMimeData> mime(TPaletteItem::MimeFor(quint8(kind)));
        if (data == nullptr)
            data = mime.get();
        QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &enter);
        if (!enter.isAccepted())
            return false;
        QDragMoveEvent move(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &move);
        QDragLeaveEvent leave;
        const bool accepted = move.isAccepted();
        QCoreApplication::sendEvent(view, &leave);
        return accepted;
    }
    static bool Drop(QWidget* view, int kind, QPoint at) { return DropPaletteItem(view, kind, at); }

    // Runs an action as the user can: only while the enabling rules, evaluated at idle, allow it.
    static void Run(TMForm& f, QAction* action)
    {
        f.UpdateActions();
        action->trigger();
    }

    QTemporaryDir dir;
    QString ini;
    QString recoveryFolder;
    bool restoreAnswer = true;
    std::unique_ptr<TMForm> form;
    QStringList questions, notices, errors, presets;
    bool answerYes = false;
    TSaveAnswer saveAnswer = TSaveAnswer::Discard;
    QString openName, saveName, pictureName;
    std::function<void(TSetForm&)> settingsDialog;
};

TEST_F(MainWindow, FirstRunWithoutSettingsFile)
{
    TMForm& f = Make();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Screen designer for Tarvolt RU"));
    EXPECT_EQ(f.minimumSize(), QSize(600, 645));
    EXPECT_EQ(f.pos(), QPoint(390, 128));
    EXPECT_EQ(f.size(), QSize(948, 692));
    EXPECT_EQ(f.SetForm()->eGrid->value(), 5);
    EXPECT_TRUE(f.SetForm()->chShGrid->isChecked());
    EXPECT_TRUE(f.acGrid->isChecked());
    EXPECT_EQ(f.SetForm()->cxColor->Color(), 0xC0C0C0u);
    EXPECT_EQ(f.SetForm()->cxColor->currentText(), QStringLiteral("Silver"));
    ASSERT_EQ(f.PageCount(), 1);
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("Screen 0")});
    EXPECT_FALSE(f.ActiveScreen()->Landscape);
    EXPECT_EQ(f.ActiveScreen()->GridStep, 5);
    EXPECT_TRUE(f.ActiveScreen()->ShowGrid);
    EXPECT_EQ(Free(), QStringLiteral("20"));
    EXPECT_EQ(f.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("-"));
    EXPECT_EQ(f.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("--"));
    EXPECT_NE(f.findChild<QListWidget*>(QStringLiteral("LV")), nullptr);
    EXPECT_FALSE(Modified());
    // The decimal separator is "." whatever the system locale.
    EXPECT_EQ(QLocale().toString(1.5), QStringLiteral("1.5"));
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", 2.5);
    EXPECT_STREQ(text, "2.5");

    f.close();
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(IniValue("Settings/MaxElement").toString(), QStringLiteral("20"));
    EXPECT_EQ(IniValue("Settings/Grid").toString(), QStringLiteral("5"));
    EXPECT_EQ(IniValue("Settings/ShowGrid").toString(), QStringLiteral("1"));
    EXPECT_TRUE(IniValue("Settings/LasFile").isValid());
    EXPECT_EQ(IniValue("Settings/LasFile").toString(), QString());
    EXPECT_EQ(IniValue("Window/Left").toString(), QStringLiteral("390"));
    EXPECT_EQ(IniValue("Window/Top").toString(), QStringLiteral("128"));
    EXPECT_EQ(IniValue("Window/Width").toString(), QStringLiteral("948"));
    EXPECT_EQ(IniValue("Window/Height").toString(), QStringLiteral("692"));
    EXPECT_EQ(IniValue("Window/LVHeight").toString(), QStringLiteral("145"));
    EXPECT_TRUE(IniValue("Settings/BkgFile").isValid());
    EXPECT_FALSE(IniValue("Settings/Download").toString().isEmpty());
}

TEST_F(MainWindow, ControlsCarryTheirNames)
{
    TMForm& f = Make();
    for (const char* name :
         {"PGscreen",  "Label1",     "Label2",   "LV",       "lbFreeElement", "rgSize",    "SplashPanel",
          "ImgSplash", "lbSplash",   "lbPWR",    "itmDRO",   "Shape1",        "itmBar",    "shShift",
          "Label8",    "itmLabel",   "itmImg",   "itmShape", "Label10",       "ppElement", "btGrid",
          "btOrder",   "btCopyProp", "btGetBkg", "btGetFg",  "cxTimer"})
        EXPECT_NE(f.findChild<QObject*>(QString::fromLatin1(name)), nullptr) << name;
    // Every palette item carries its kind as its tag.
    const std::pair<const char*, int> tags[] = {
        {"itmDRO", ekDRO},    {"Shape1", ekLED},     {"itmBar", ekBar},
        {"shShift", ekShift}, {"Label8", ekStatus},  {"itmLabel", ekText},
        {"itmImg", ekImage},  {"itmShape", ekShape}, {"Label10", ekClock}};
    for (const auto& [name, kind] : tags)
        EXPECT_EQ(TMForm::DragKind(f.findChild<QObject*>(QString::fromLatin1(name))), kind) << name;
}

struct IniCase
{
    const char* key;
    const char* value;
    const char* writtenKey; // checked after exit, when set
    const char* written;
};

class SettingsRead : public MainWindow, public testing::WithParamInterface<IniCase>
{
};

TEST_P(SettingsRead, ValuesAreReadAndWrittenBack)
{
    const IniCase c = GetParam();
    WriteIni(QString::fromLatin1(c.key), QString::fromLatin1(c.value));
    TMForm& f = Make();
    f.show();
    f.close();
    EXPECT_EQ(IniValue(QString::fromLatin1(c.writtenKey)).toString(), QString::fromLatin1(c.written))
        << c.key;
}

INSTANTIATE_TEST_SUITE_P(Keys, SettingsRead,
                         testing::Values(IniCase{"Settings/Grid", "200", "Settings/Grid", "100"},
                                         IniCase{"Settings/Grid", "0", "Settings/Grid", "1"},
                                         IniCase{"Settings/Grid", "0x0A", "Settings/Grid", "10"},
                                         IniCase{"Settings/Grid", "rubbish", "Settings/Grid", "5"},
                                         IniCase{"Settings/MaxElement", "50", "Settings/MaxElement", "20"},
                                         IniCase{"Settings/ShowGrid", "7", "Settings/ShowGrid", "1"},
                                         IniCase{"Settings/ShowGrid", "0", "Settings/ShowGrid", "0"},
                                         IniCase{"Settings/Language", "7", "Settings/Language", "0"},
                                         IniCase{"Window/LVHeight", "200", "Window/LVHeight", "200"},
                                         IniCase{"Settings/BkgFile", "/no/such/splash.bmp",
                                                 "Settings/BkgFile", "/no/such/splash.bmp"},
                                         IniCase{"Settings/LasFile", "/no/such/project.lcd",
                                                 "Settings/LasFile", ""},
                                         IniCase{"Window/Left", "12", "Window/Left", "12"}),
                         [](const testing::TestParamInfo<IniCase>& info) {
                             std::string name = std::to_string(info.index) + "_" + info.param.key;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST_F(MainWindow, SettingsAreAppliedAtStartUp)
{
    WriteIni(QStringLiteral("Settings/GridColor"), QStringLiteral("0x0000FF"));
    WriteIni(QStringLiteral("Settings/Grid"), QStringLiteral("200"));
    WriteIni(QStringLiteral("Settings/ShowGrid"), QStringLiteral("0"));
    WriteIni(QStringLiteral("Settings/MaxElement"), QStringLiteral("50"));
    WriteIni(QStringLiteral("Settings/Language"), QStringLiteral("7"));
    TMForm& f = Make();
    EXPECT_EQ(f.SetForm()->cxColor->Color(), 0x0000FFu); // pure red as 0x00BBGGRR
    EXPECT_EQ(f.SetForm()->cxColor->currentText(), QStringLiteral("Red"));
    EXPECT_EQ(f.List().GridColor, 0x0000FFu);
    EXPECT_EQ(f.SetForm()->eGrid->value(), 100);
    EXPECT_EQ(f.ActiveScreen()->GridStep, 100);
    EXPECT_EQ(f.PowerFail().GridStep, 100);
    EXPECT_FALSE(f.acGrid->isChecked());
    EXPECT_FALSE(f.ActiveScreen()->ShowGrid);
    EXPECT_EQ(Free(), QStringLiteral("20"));
    EXPECT_EQ(f.SetForm()->cbLanguage->currentIndex(), -1);
}

TEST_F(MainWindow, SettingsDialogTakesEffectAtOnce)
{
    TMForm& f = Make();
    f.AddScreenPage(true);
    TSetForm& s = *f.SetForm();
    s.eGrid->setValue(7);
    for (int i = 0; i < f.PageCount(); ++i)
        EXPECT_EQ(f.Page(i)->SCR->GridStep, 7);
    EXPECT_EQ(f.PowerFail().GridStep, 7);
    s.chShGrid->click();
    EXPECT_FALSE(f.acGrid->isChecked());
    EXPECT_FALSE(f.Page(0)->SCR->ShowGrid);
    EXPECT_FALSE(f.PowerFail().ShowGrid);
    Run(f, f.acGrid);
    EXPECT_TRUE(s.chShGrid->isChecked());
    EXPECT_TRUE(f.Page(1)->SCR->ShowGrid);

    // The grid colour is written each time the dialog closes.
    settingsDialog = [](TSetForm& d) {
        d.cxColor->SetColor(0x00FF00);
        emit d.cxColor->ColorChanged(0x00FF00);
    };
    Run(f, f.acSettings);
    EXPECT_EQ(f.List().GridColor, 0x00FF00u);
    EXPECT_EQ(IniValue("Settings/GridColor").toString(), QStringLiteral("65280"));
}

TEST_F(MainWindow, DeleteAndMovePages)
{
    TMForm& f = Make();
    f.AddScreenPage(true);
    f.AddScreenPage(true);
    // Screen 2 gets two budgeted elements, so that its budget shows when it becomes active.
    ASSERT_TRUE(Drop(View(2), ekDRO, {10, 10}));
    ASSERT_TRUE(Drop(View(2), ekLED, {10, 60}));
    TLCD* s0 = f.Page(0)->SCR;
    TLCD* s2 = f.Page(2)->SCR;

    // Page 1 active: the former page 2 takes position 1 and its caption.
    Pages()->setCurrentIndex(1);
    EXPECT_EQ(Free(), QStringLiteral("20"));
    f.UpdateActions();
    EXPECT_TRUE(f.acDelScreen->isEnabled());
    Run(f, f.acDelScreen);
    ASSERT_EQ(f.PageCount(), 2);
    EXPECT_EQ(f.ActivePageIndex(), 1);
    EXPECT_EQ(f.ActiveScreen(), s2);
    EXPECT_EQ(Captions(), (QStringList{QStringLiteral("Screen 0"), QStringLiteral("Screen 1")}));
    EXPECT_EQ(Free(), QStringLiteral("18"));
    EXPECT_EQ(f.List().Count(), 2);

    // Move the active page left: it stays active, list order follows, captions follow positions.
    f.List().SetModified(false);
    f.UpdateActions();
    EXPECT_TRUE(f.acSCRleft->isEnabled());
    EXPECT_FALSE(f.acSCRright->isEnabled());
    Run(f, f.acSCRleft);
    EXPECT_EQ(f.ActivePageIndex(), 0);
    EXPECT_EQ(f.ActiveScreen(), s2);
    EXPECT_EQ(f.List().Items(0), s2);
    EXPECT_EQ(f.List().Items(1), s0);
    EXPECT_EQ(f.Page(1)->SCR, s0);
    EXPECT_EQ(Captions(), (QStringList{QStringLiteral("Screen 0"), QStringLiteral("Screen 1")}));
    EXPECT_TRUE(f.List().Modified);
    EXPECT_EQ(Free(), QStringLiteral("18"));
    Run(f, f.acSCRright);
    EXPECT_EQ(f.List().Items(1), s2);
    EXPECT_EQ(f.ActivePageIndex(), 1);

    // The last page active: the first becomes active after deleting it.
    Run(f, f.acDelScreen);
    ASSERT_EQ(f.PageCount(), 1);
    EXPECT_EQ(f.ActivePageIndex(), 0);
    EXPECT_EQ(f.ActiveScreen(), s0);
    EXPECT_EQ(Free(), QStringLiteral("20"));
    f.UpdateActions();
    EXPECT_FALSE(f.acDelScreen->isEnabled());
    EXPECT_FALSE(f.acSCRleft->isEnabled());
    EXPECT_FALSE(f.acSCRright->isEnabled());
}

TEST_F(MainWindow, PageSwitchKeepsTheModifiedState)
{
    TMForm& f = Make();
    Layout()->SetItemIndex(1); // page 0 becomes landscape
    EXPECT_TRUE(f.Page(0)->SCR->Landscape);
    EXPECT_TRUE(f.List().Modified);
    f.AddScreenPage(true); // added in the layout the control shows
    ASSERT_TRUE(f.Page(1)->SCR->Landscape);
    EXPECT_EQ(f.Page(1)->SCR->DisplayWidth, 320);
    Layout()->SetItemIndex(0); // page 1 becomes portrait
    EXPECT_FALSE(f.Page(1)->SCR->Landscape);

    f.Page(0)->SCR->SetModified(false);
    f.Page(1)->SCR->SetModified(false);
    f.List().SetModified(false);
    Pages()->setCurrentIndex(0); // the user switches from the portrait page to the landscape page
    EXPECT_EQ(Layout()->ItemIndex(), 1);
    EXPECT_TRUE(f.List().Landscape);
    EXPECT_TRUE(f.Page(0)->SCR->Landscape);
    EXPECT_FALSE(f.List().Modified);
    EXPECT_FALSE(f.Page(0)->SCR->Modified);
    Pages()->setCurrentIndex(1);
    EXPECT_EQ(Layout()->ItemIndex(), 0);
    EXPECT_FALSE(f.Page(1)->SCR->Landscape);
    EXPECT_FALSE(f.List().Modified);

    // After a change a switch leaves the project modified.
    ASSERT_TRUE(Drop(View(1), ekText, {5, 5}));
    Pages()->setCurrentIndex(0);
    EXPECT_TRUE(f.List().Modified);

    // A landscape screen survives saving and reopening, and zooms to 640 x 480.
    const QString file = dir.filePath(QStringLiteral("layout.lcd"));
    saveName = file;
    Run(f, f.acSave);
    ASSERT_TRUE(f.OpenProjectFile(file));
    EXPECT_TRUE(f.Page(0)->SCR->Landscape);
    EXPECT_EQ(Layout()->ItemIndex(), 1);
    Run(f, f.acZoomIn);
    EXPECT_EQ(View(0)->size(), QSize(640, 480));
    EXPECT_FALSE(Modified());
}

TEST_F(MainWindow, DropsGetOrderNumbersAndLowerTheBudget)
{
    TMForm& f = Make();
    TLCD& s = *f.ActiveScreen();
    ASSERT_TRUE(Drop(View(0), ekText, {5, 200}));
    EXPECT_EQ(s.Item(0)->OrderNo, -1);
    EXPECT_EQ(Free(), QStringLiteral("20"));
    ASSERT_TRUE(Drop(View(0), ekDRO, {10, 10}));
    ASSERT_TRUE(Drop(View(0), ekLED, {10, 40}));
    ASSERT_TRUE(Drop(View(0), ekBar, {100, 40}));
    ASSERT_EQ(s.Count(), 4);
    EXPECT_EQ(s.Item(1)->OrderNo, 0);
    EXPECT_EQ(s.Item(2)->OrderNo, 1);
    EXPECT_EQ(s.Item(3)->OrderNo, 2);
    EXPECT_EQ(Free(), QStringLiteral("17"));
    EXPECT_EQ(s.SelectedElement, s.Item(3));
    EXPECT_EQ(s.Item(3)->Left, 100);
    EXPECT_EQ(s.Item(3)->Top, 40);
    EXPECT_TRUE(f.List().Modified);

    // A drop onto an element lands at the same screen point.
    ASSERT_TRUE(Drop(View(0), ekDRO, {15, 15}));
    EXPECT_EQ(s.Item(4)->Left, 15);
    EXPECT_EQ(s.Item(4)->Top, 15);

    // An image element shows the placeholder; deleting a budgeted element frees its slot.
    ASSERT_TRUE(Drop(View(0), ekImage, {150, 150}));
    EXPECT_EQ(s.Item(5)->Picture.size(), QSize(50, 50));
    EXPECT_TRUE(s.Item(5)->Text.isEmpty());
    s.SelectElement(s.Item(1));
    f.UpdateActions();
    ASSERT_TRUE(f.acDelElement->isEnabled());
    Run(f, f.acDelElement);
    EXPECT_EQ(Free(), QStringLiteral("17"));
    f.UpdateActions();
    EXPECT_FALSE(f.acDelElement->isEnabled());
}

TEST_F(MainWindow, AcceptanceRulesOfWorkScreens)
{
    TMForm& f = Make();
    for (int i = 0; i < MaxElements; ++i)
        ASSERT_TRUE(Drop(View(0), ekDRO, {0, i * 14}));
    EXPECT_EQ(Free(), QStringLiteral("0"));
    struct
    {
        int kind;
        bool accepted;
    } const cases[] = {{ekDRO, false},  {ekLED, false},  {ekBar, false},  {ekText, true},   {ekImage, true},
                       {ekShape, true}, {ekClock, true}, {ekShift, true}, {ekStatus, true}, {3, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(DragOver(View(0), c.kind, {200, 300}), c.accepted) << c.kind;
        EXPECT_EQ(DragOver(View(0), c.kind, {5, 5}), c.accepted) << "over an element " << c.kind;
    }
    const int before = f.ActiveScreen()->Count();
    EXPECT_FALSE(Drop(View(0), ekLED, {200, 300}));
    EXPECT_EQ(f.ActiveScreen()->Count(), before);

    // One shift-status mark and one status string per screen.
    EXPECT_TRUE(Drop(View(0), ekShift, {200, 300}));
    EXPECT_TRUE(Drop(View(0), ekStatus, {0, 290}));
    EXPECT_FALSE(DragOver(View(0), ekShift, {220, 300}));
    EXPECT_FALSE(DragOver(View(0), ekStatus, {220, 300}));
    f.AddScreenPage(true);
    EXPECT_EQ(Free(), QStringLiteral("20"));
    EXPECT_TRUE(DragOver(View(1), ekShift, {10, 10}));
    EXPECT_TRUE(DragOver(View(1), ekStatus, {10, 10}));
    EXPECT_TRUE(DragOver(View(1), ekDRO, {10, 10}));

    // A drag that carries no kind is refused.
    QMimeData other;
    other.setText(QStringLiteral("12"));
    EXPECT_FALSE(DragOver(View(1), ekText, {10, 10}, &other));
}

TEST_F(MainWindow, AFullScreenRefusesDrops)
{
    TMForm& f = Make();
    TLCD& s = *f.ActiveScreen();
    for (int i = 0; i < MaxElementsPerScreen; ++i)
        s.AddElement(ekText, 0, 0);
    EXPECT_FALSE(DragOver(View(0), ekText, {100, 100}));
    EXPECT_FALSE(Drop(View(0), ekShape, {100, 100}));
    EXPECT_EQ(s.Count(), MaxElementsPerScreen);
}

TEST_F(MainWindow, PowerFailScreenTakesOneDro)
{
    TMForm& f = Make();
    QWidget* pf = f.PowerFailView();
    for (int kind : {ekLED, ekBar, ekShift, ekStatus, ekText, ekImage, ekShape, ekClock})
        EXPECT_FALSE(DragOver(pf, kind, {20, 20})) << kind;
    EXPECT_TRUE(DragOver(pf, ekDRO, {20, 20}));
    ASSERT_TRUE(Drop(pf, ekDRO, {20, 30}));
    ASSERT_EQ(f.PowerFail().Count(), 1);
    TElement* dro = f.PowerFail().Item(0);
    EXPECT_EQ(dro->Format, QByteArray("%3.0f"));
    EXPECT_EQ(dro->Value, 0.0f);
    EXPECT_EQ(dro->OrderNo, 0);
    EXPECT_EQ(dro->Left, 20);
    EXPECT_EQ(f.PowerFail().SelectedElement, nullptr);
    EXPECT_EQ(Free(), QStringLiteral("20"));
    EXPECT_TRUE(f.PowerFail().Modified);
    EXPECT_FALSE(DragOver(pf, ekDRO, {100, 100}));

    // Selecting it enables its deletion; afterwards a new DRO is accepted.
    QTest::mouseClick(pf, Qt::LeftButton, Qt::NoModifier, QPoint(22, 32));
    EXPECT_EQ(f.PowerFail().SelectedElement, dro);
    f.UpdateActions();
    ASSERT_TRUE(f.acDelPWRelement->isEnabled());
    Run(f, f.acDelPWRelement);
    EXPECT_EQ(f.PowerFail().Count(), 0);
    EXPECT_TRUE(DragOver(pf, ekDRO, {100, 100}));
}

TEST_F(MainWindow, ArrangementFollowsTheFirstScreen)
{
    TMForm& f = Make();
    QWidget* splash = f.findChild<QWidget*>(QStringLiteral("SplashPanel"));
    QWidget* pg = Pages();
    Run(f, f.acZoomIn);
    EXPECT_EQ(f.ActiveScreen()->DisplayWidth, 480);
    EXPECT_EQ(View(0)->size(), QSize(480, 640));
    EXPECT_EQ(splash->size(), QSize(240, 320));
    EXPECT_EQ(f.PowerFailView()->size(), QSize(240, 320));
    EXPECT_EQ(splash->x(), pg->geometry().right() + 1 + 10);
    EXPECT_EQ(splash->y(), pg->y() + 27);
    EXPECT_EQ(f.PowerFailView()->x(), splash->geometry().right() + 1 + 10);
    EXPECT_EQ(f.PowerFailView()->y(), splash->y());
    EXPECT_EQ(pg->width(), 480 + 12);
    f.UpdateActions();
    EXPECT_TRUE(f.acZoomOut->isEnabled());
    Run(f, f.acZoomOne);
    f.UpdateActions();
    EXPECT_FALSE(f.acZoomOut->isEnabled());

    Layout()->SetItemIndex(1);
    EXPECT_EQ(splash->size(), QSize(320, 240));
    EXPECT_EQ(f.PowerFailView()->size(), QSize(320, 240));
    EXPECT_FALSE(f.PowerFail().Landscape);
    EXPECT_EQ(f.PowerFail().Background.size(), QSize(240, 320));
}

TEST_F(MainWindow, PressSelectsAndReportsTheElement)
{
    TMForm& f = Make();
    ASSERT_TRUE(Drop(View(0), ekShape, {40, 50}));
    ASSERT_TRUE(Drop(View(0), ekShape, {60, 60})); // above the first where they overlap
    TLCD& s = *f.ActiveScreen();
    s.SelectElement(nullptr);
    QTest::mouseClick(View(0), Qt::LeftButton, Qt::NoModifier, QPoint(65, 65));
    EXPECT_EQ(s.SelectedElement, s.Item(1));
    EXPECT_EQ(f.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("X:60 Y:60 W:65 H:20"));
    QTest::mouseClick(View(0), Qt::LeftButton, Qt::NoModifier, QPoint(45, 55));
    EXPECT_EQ(s.SelectedElement, s.Item(0));
    Run(f, f.acToFront);
    EXPECT_EQ(s.Item(1)->Left, 40);
    QTest::mouseClick(View(0), Qt::LeftButton, Qt::NoModifier, QPoint(200, 300));
    EXPECT_EQ(s.SelectedElement, nullptr);
}

// The layout control and the status line are about the active screen, whatever happened before.
TEST_F(MainWindow, LayoutAndStatusLineFollowTheActiveScreen)
{
    TMForm& f = Make();
    auto status = [&f] { return f.findChild<QLabel*>(QStringLiteral("Label2"))->text(); };
    ASSERT_TRUE(Drop(View(0), ekShape, {40, 50}));
    f.AddScreenPage(true);
    Layout()->SetItemIndex(1); // the user makes the new page landscape
    ASSERT_TRUE(f.ActiveScreen()->Landscape);
    ASSERT_TRUE(Drop(View(1), ekShape, {10, 20}));

    // A press on page 1's shape, then a switch to page 0, where the shape is selected: its place shows.
    QTest::mouseClick(View(1), Qt::LeftButton, Qt::NoModifier, QPoint(12, 22));
    EXPECT_EQ(status(), QStringLiteral("X:10 Y:20 W:65 H:20"));
    Pages()->setCurrentIndex(0);
    EXPECT_EQ(status(), QStringLiteral("X:40 Y:50 W:65 H:20"));
    EXPECT_EQ(Layout()->ItemIndex(), 0);
    f.ActiveScreen()->SelectElement(nullptr);
    Pages()->setCurrentIndex(1);
    EXPECT_EQ(status(), QStringLiteral("X:10 Y:20 W:65 H:20"));
    // Deleting the element leaves nothing to report.
    Run(f, f.acDelElement);
    EXPECT_EQ(f.ActiveScreen()->Count(), 0);
    EXPECT_EQ(status(), QStringLiteral("--"));
    Pages()->setCurrentIndex(0);
    EXPECT_EQ(status(), QStringLiteral("--")) << "nothing is selected on page 0";

    // New with the landscape page active: the first page stays, portrait, and Layout says so.
    Pages()->setCurrentIndex(1);
    ASSERT_EQ(Layout()->ItemIndex(), 1);
    Run(f, f.acNew);
    ASSERT_EQ(f.PageCount(), 1);
    EXPECT_FALSE(f.ActiveScreen()->Landscape);
    EXPECT_EQ(Layout()->ItemIndex(), 0);
    EXPECT_FALSE(f.List().Landscape);
    // And a page added now is portrait, as the control says.
    EXPECT_FALSE(f.AddScreenPage(true)->SCR->Landscape);
}

TEST_F(MainWindow, NewProjectKeepsThePowerFailDro)
{
    TMForm& f = Make();
    ASSERT_TRUE(Drop(f.PowerFailView(), ekDRO, {10, 10}));
    f.AddScreenPage(true);
    f.AddScreenPage(true);
    ASSERT_TRUE(Drop(View(2), ekDRO, {10, 10}));
    Pages()->setCurrentIndex(0);
    ASSERT_TRUE(Drop(View(0), ekLED, {10, 10}));
    f.ActiveScreen()->BackgroundColor = 0x123456;
    Run(f, f.acNew);
    ASSERT_EQ(f.PageCount(), 1);
    EXPECT_EQ(f.List().Count(), 1);
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("Screen 0")});
    EXPECT_EQ(f.ActiveScreen()->Count(), 0);
    EXPECT_EQ(f.ActiveScreen()->BackgroundColor, 0xFFFFFFu);
    EXPECT_EQ(f.CurrentFile(), QString());
    EXPECT_EQ(f.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("-"));
    EXPECT_EQ(Free(), QStringLiteral("20"));
    EXPECT_EQ(f.PowerFail().Count(), 1);
    EXPECT_TRUE(f.List().Modified); // New keeps the modified flags
}

TEST_F(MainWindow, OpenOfADamagedFileChangesNothing)
{
    TMForm& f = Make();
    f.AddScreenPage(true);
    ASSERT_TRUE(Drop(View(1), ekDRO, {10, 10}));
    const QString bad = dir.filePath(QStringLiteral("bad.lcd"));
    testutil::WriteAll(bad, QByteArray(600, '\x01'));
    openName = bad;
    Run(f, f.acOpen);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(f.PageCount(), 2);
    EXPECT_EQ(f.List().Count(), 2);
    EXPECT_EQ(f.Page(1)->SCR->Count(), 1);
    EXPECT_EQ(f.ActivePageIndex(), 1);
    EXPECT_EQ(Free(), QStringLiteral("19"));
    EXPECT_EQ(f.CurrentFile(), QString());
    EXPECT_TRUE(f.List().Modified);
}

// Saves a project of two screens (the second landscape) and returns its name.
QString SaveSample(TMForm& f, const QString& file)
{
    TLCD* s0 = f.ActiveScreen();
    s0->AddElement(ekDRO, 10, 10);
    TSCRTab* page = f.AddScreenPage(true);
    page->SCR->SetLandscape(true);
    page->SCR->AddElement(ekLED, 300, 20);
    page->SCR->AddElement(ekText, 20, 20);
    SaveProject(file, f.List(), f.PowerFail(), f.GatherSplash());
    return file;
}

TEST_F(MainWindow, SaveAndOpen)
{
    TMForm& f = Make();
    ASSERT_TRUE(Drop(View(0), ekDRO, {10, 10}));
    // Cancelling the dialog leaves the project untitled and modified.
    Run(f, f.acSave);
    EXPECT_EQ(f.CurrentFile(), QString());
    EXPECT_TRUE(f.List().Modified);

    saveName = dir.filePath(QStringLiteral("one.lcd"));
    Run(f, f.acSave);
    EXPECT_EQ(f.CurrentFile(), saveName);
    EXPECT_EQ(f.findChild<QLabel*>(QStringLiteral("Label1"))->text(), saveName);
    EXPECT_FALSE(Modified());
    f.UpdateActions();
    EXPECT_FALSE(f.acSave->isEnabled());

    const QString two = SaveSample(f, dir.filePath(QStringLiteral("two.lcd")));
    Run(f, f.acNew);
    openName = two;
    Run(f, f.acOpen);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(f.PageCount(), 2);
    EXPECT_EQ(Captions(), (QStringList{QStringLiteral("Screen 0"), QStringLiteral("Screen 1")}));
    EXPECT_EQ(f.ActivePageIndex(), 0);
    EXPECT_EQ(f.CurrentFile(), two);
    EXPECT_EQ(Free(), QString::number(MaxElements - f.Page(0)->SCR->BudgetCount()));
    EXPECT_FALSE(f.Page(0)->SCR->Landscape);
    EXPECT_TRUE(f.Page(1)->SCR->Landscape);
    EXPECT_EQ(f.Page(1)->SCR->Count(), 2);
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_FALSE(Modified());
    EXPECT_EQ(Layout()->ItemIndex(), 0);
    // Every loaded page offers the element menu.
    EXPECT_EQ(f.Page(1)->View->ElementMenu(), f.findChild<QMenu*>(QStringLiteral("ppElement")));
}

// Save keeps the form the project came in; a new project takes the form of the name it is saved to.
TEST_F(MainWindow, SaveKeepsTheFormOfTheProjectFile)
{
    TMForm& f = Make();
    ASSERT_TRUE(Drop(View(0), ekDRO, {10, 10}));
    saveName = dir.filePath(QStringLiteral("text.json"));
    Run(f, f.acSave);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(LooksLikeProjectJson(testutil::ReadAll(saveName)));

    const QString binary = SaveSample(f, dir.filePath(QStringLiteral("binary.lcd")));
    saveAnswer = TSaveAnswer::Discard;
    for (const QString& file : {saveName, binary}) {
        SCOPED_TRACE(file.toStdString());
        openName = file;
        Run(f, f.acOpen);
        EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
        ASSERT_TRUE(Drop(View(0), ekLED, {100, 100}));
        ASSERT_TRUE(Modified());
        Run(f, f.acSave);
        EXPECT_FALSE(Modified());
        EXPECT_EQ(LooksLikeProjectJson(testutil::ReadAll(file)), file.endsWith(QLatin1String(".json")));
    }
}

QStringList RecoveryCopies(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.recovery")}, QDir::Files);
}

// A designer process killed with unsaved work: its lock is left behind by a process that no longer
// runs, and the next designer takes it and offers the copy. The test runs itself as that designer
// (TARVOLT_KILLED_DESIGNER names the folder they share), which makes its copy and waits to be killed.
TEST_F(MainWindow, ACopyLeftByAKilledDesignerIsRestored)
{
    const QString shared = qEnvironmentVariable("TARVOLT_KILLED_DESIGNER");
    if (!shared.isEmpty()) {
        ini = QDir(shared).filePath(QStringLiteral("designer.ini"));
        recoveryFolder = QDir(shared).filePath(QStringLiteral("recovery"));
        TMForm& f = Make();
        ASSERT_TRUE(Drop(View(0), ekDRO, {10, 10}));
        saveName = QDir(shared).filePath(QStringLiteral("lathe.lcd"));
        Run(f, f.acSave);
        QFile file(saveName);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        ASSERT_TRUE(Drop(View(0), ekLED, {100, 100}));
        constexpr qint64 t = qint64(1) << 40;
        f.Autosave()->Look(t);
        ASSERT_TRUE(f.Autosave()->Look(t + TAutosaveRule::QuietMs));
        std::fputs("copy written\n", stdout);
        std::fflush(stdout);
        for (;;)
            QThread::sleep(1); // until killed
    }

    QProcess designer;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TARVOLT_KILLED_DESIGNER"), dir.path());
    designer.setProcessEnvironment(env);
    designer.start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--gtest_filter=MainWindow.ACopyLeftByAKilledDesignerIsRestored")});
    ASSERT_TRUE(designer.waitForStarted(30000));
    QByteArray said;
    while (!said.contains("copy written") && designer.waitForReadyRead(60000))
        said += designer.readAllStandardOutput();
    ASSERT_TRUE(said.contains("copy written")) << said.toStdString();
    designer.kill();
    ASSERT_TRUE(designer.waitForFinished(30000));
    const QString project = dir.filePath(QStringLiteral("lathe.lcd"));
    const QByteArray saved = testutil::ReadAll(project);

    TMForm& g = Make();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains(QDir::toNativeSeparators(project))) << questions[0].toStdString();
    EXPECT_EQ(g.CurrentFile(), project);
    EXPECT_TRUE(Modified());
    EXPECT_EQ(g.Page(0)->SCR->Count(), 2);
    EXPECT_EQ(testutil::ReadAll(project), saved); // untouched until the user saves
    Run(g, g.acSave);
    TLCDList list;
    TLCD powerFail;
    LoadProject(project, list, powerFail);
    EXPECT_EQ(list.Items(0)->Count(), 2);
}

// An edit, its recovery copy, a designer that ends without closing (as a crash or a kill ends it),
// and a new start that restores the copy: the project file is not touched until the user saves.
TEST_F(MainWindow, ARestoredCopyHoldsTheWorkAndSaveWritesTheProject)
{
    TMForm& f = Make();
    ASSERT_NE(f.Autosave(), nullptr);
    ASSERT_TRUE(Drop(View(0), ekDRO, {10, 10}));
    saveName = dir.filePath(QStringLiteral("lathe.lcd"));
    Run(f, f.acSave);
    {
        QFile file(saveName);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    }
    const QByteArray before = testutil::ReadAll(saveName);
    ASSERT_TRUE(Drop(View(0), ekLED, {100, 100}));
    // Times far beyond the window's own clock, so that its timer's looks cannot interleave.
    constexpr qint64 t = qint64(1) << 40;
    EXPECT_FALSE(f.Autosave()->Look(t));
    EXPECT_TRUE(f.Autosave()->Look(t + TAutosaveRule::QuietMs));
    ASSERT_EQ(RecoveryCopies(recoveryFolder).size(), 1);
    form.reset();
    EXPECT_EQ(RecoveryCopies(recoveryFolder).size(), 1);

    questions.clear();
    TMForm& g = Make();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].startsWith(
        QStringLiteral("A recovery copy of the project \"%1\" from ").arg(QDir::toNativeSeparators(saveName))))
        << questions[0].toStdString();
    EXPECT_TRUE(questions[0].endsWith(QStringLiteral(" holds changes that were not saved. Restore it?")));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(g.CurrentFile(), saveName);
    EXPECT_TRUE(Modified());
    EXPECT_EQ(g.Page(0)->SCR->Count(), 2);
    EXPECT_EQ(testutil::ReadAll(saveName), before);
    // The restored work is in the new designer's copy, the old one is gone.
    ASSERT_EQ(RecoveryCopies(recoveryFolder).size(), 1);
    EXPECT_TRUE(g.Autosave()->Recovery().CopyFile().endsWith(RecoveryCopies(recoveryFolder).value(0)));

    Run(g, g.acSave);
    EXPECT_FALSE(Modified());
    EXPECT_TRUE(RecoveryCopies(recoveryFolder).isEmpty());
    TLCDList list;
    TLCD powerFail;
    LoadProject(saveName, list, powerFail);
    EXPECT_EQ(list.Items(0)->Count(), 2);

    // Discard at the next start removes the copy and opens nothing of it.
    ASSERT_TRUE(Drop(View(0), ekLED, {150, 150}));
    EXPECT_FALSE(g.Autosave()->Look(t * 2));
    EXPECT_TRUE(g.Autosave()->Look(t * 2 + TAutosaveRule::QuietMs));
    ASSERT_EQ(RecoveryCopies(recoveryFolder).size(), 1);
    form.reset();
    questions.clear();
    restoreAnswer = false;
    TMForm& h = Make();
    EXPECT_EQ(questions.size(), 1);
    EXPECT_TRUE(RecoveryCopies(recoveryFolder).isEmpty());
    EXPECT_FALSE(Modified());
    for (int i = 0; i < h.PageCount(); ++i)
        EXPECT_LE(h.Page(i)->SCR->Count(), 2); // nothing of the discarded copy
}

TEST_F(MainWindow, ClosingWithoutSavingRemovesTheCopy)
{
    TMForm& f = Make();
    ASSERT_TRUE(Drop(View(0), ekDRO, {10, 10}));
    constexpr qint64 t = qint64(1) << 40;
    f.Autosave()->Look(t);
    ASSERT_TRUE(f.Autosave()->Look(t + TAutosaveRule::QuietMs));
    ASSERT_EQ(RecoveryCopies(recoveryFolder).size(), 1);
    saveAnswer = TSaveAnswer::Discard;
    EXPECT_TRUE(f.close());
    EXPECT_TRUE(RecoveryCopies(recoveryFolder).isEmpty());
}

TEST_F(MainWindow, AnAutosaveOfZeroKeepsNoCopy)
{
    WriteIni(QStringLiteral("Settings/Autosave"), QStringLiteral("0"));
    TMForm& f = Make();
    ASSERT_TRUE(Drop(View(0), ekDRO, {10, 10}));
    constexpr qint64 t = qint64(1) << 40;
    EXPECT_FALSE(f.Autosave()->Look(t));
    EXPECT_FALSE(f.Autosave()->Look(t + 100000));
    EXPECT_TRUE(RecoveryCopies(recoveryFolder).isEmpty());
}

TEST_F(MainWindow, CommandsThatDropUnsavedWorkAskFirst)
{
    enum class Command { New, Open, Exit };
    const char* const names[] = {"New", "Open", "Exit"};
    struct Case
    {
        Command command;
        TSaveAnswer answer;
        const char* saveAs; // the save dialog's answer: empty cancels, "missing/..." cannot be written
        bool goesOn;
    };
    const Case cases[] = {
        {Command::New, TSaveAnswer::Cancel, "", false},
        {Command::New, TSaveAnswer::Discard, "", true},
        {Command::New, TSaveAnswer::Save, "", false},
        {Command::New, TSaveAnswer::Save, "missing/kept.lcd", false},
        {Command::New, TSaveAnswer::Save, "kept.lcd", true},
        {Command::Open, TSaveAnswer::Cancel, "", false},
        {Command::Open, TSaveAnswer::Discard, "", true},
        {Command::Open, TSaveAnswer::Save, "", false},
        {Command::Open, TSaveAnswer::Save, "missing/kept.lcd", false},
        {Command::Open, TSaveAnswer::Save, "kept.lcd", true},
        {Command::Exit, TSaveAnswer::Cancel, "", false},
        {Command::Exit, TSaveAnswer::Discard, "", true},
        {Command::Exit, TSaveAnswer::Save, "", false},
        {Command::Exit, TSaveAnswer::Save, "missing/kept.lcd", false},
        {Command::Exit, TSaveAnswer::Save, "kept.lcd", true},
    };
    QString other;
    {
        TMForm& g = Make();
        other = SaveSample(g, dir.filePath(QStringLiteral("other.lcd")));
        form.reset();
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(names[int(c.command)]) + " " + std::to_string(int(c.answer)) + " " +
                     c.saveAs);
        QFile::remove(ini);
        QFile::remove(dir.filePath(QStringLiteral("kept.lcd")));
        questions.clear();
        errors.clear();
        TMForm& f = Make();
        f.show();
        ASSERT_TRUE(Drop(View(0), ekDRO, {10, 10}));
        saveAnswer = c.answer;
        saveName = *c.saveAs ? dir.filePath(QString::fromLatin1(c.saveAs)) : QString();
        openName = other;
        switch (c.command) {
        case Command::New:
            Run(f, f.acNew);
            break;
        case Command::Open:
            Run(f, f.acOpen);
            break;
        case Command::Exit:
            Run(f, f.acExit);
            break;
        }
        EXPECT_EQ(questions, QStringList{QStringLiteral("Project not saved. Save ?")});
        const bool saved = c.answer == TSaveAnswer::Save && c.goesOn;
        EXPECT_EQ(QFileInfo::exists(dir.filePath(QStringLiteral("kept.lcd"))), saved);
        EXPECT_EQ(errors.size(), QString::fromLatin1(c.saveAs).startsWith(QLatin1String("missing")) ? 1 : 0);
        if (c.goesOn) {
            switch (c.command) {
            case Command::New:
                EXPECT_EQ(f.ActiveScreen()->Count(), 0);
                break;
            case Command::Open:
                EXPECT_EQ(f.CurrentFile(), other);
                EXPECT_EQ(f.PageCount(), 2);
                break;
            case Command::Exit:
                EXPECT_FALSE(f.isVisible());
                EXPECT_TRUE(IniValue("Settings/LasFile").isValid());
                break;
            }
        } else {
            // Everything as it was: the window open, the drop on its screen, still untitled and unsaved.
            EXPECT_TRUE(f.isVisible());
            EXPECT_EQ(f.PageCount(), 1);
            EXPECT_EQ(f.ActiveScreen()->Count(), 1);
            EXPECT_TRUE(f.CurrentFile().isEmpty());
            EXPECT_TRUE(Modified());
            EXPECT_FALSE(IniValue("Settings/LasFile").isValid()) << "the settings are written only at exit";
        }
        if (saved) {
            TLCDList list;
            TLCD powerFail;
            LoadProject(dir.filePath(QStringLiteral("kept.lcd")), list, powerFail);
            ASSERT_EQ(list.Count(), 1);
            EXPECT_EQ(list.Items(0)->Count(), 1);
        }
        saveAnswer = TSaveAnswer::Discard;
        form.reset();
    }
}

TEST_F(MainWindow, NothingUnsavedNothingAsked)
{
    TMForm& f = Make();
    f.show();
    Run(f, f.acNew);
    openName = QString();
    Run(f, f.acOpen);
    Run(f, f.acExit);
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_FALSE(f.isVisible());
}

TEST_F(MainWindow, OutOfScreenElementsAreReportedOnce)
{
    TMForm& f = Make();
    f.ActiveScreen()->AddElement(ekText, 300, 10); // outside a portrait screen
    const QString file = dir.filePath(QStringLiteral("out.lcd"));
    SaveProject(file, f.List(), f.PowerFail(), f.GatherSplash());
    ASSERT_TRUE(f.OpenProjectFile(file));
    ASSERT_EQ(notices.size(), 1);
    // The notice names what it moved.
    EXPECT_EQ(notices[0],
              QStringLiteral("Program found a elements outside the screen. Programm set it coordinates to 0;0"
                             "\n\nScreen 0: Text \"Text\""));
    EXPECT_EQ(f.ActiveScreen()->Item(0)->Left, 0);
    EXPECT_TRUE(f.List().Modified);

    // At start-up the notice waits for the first show.
    f.close();
    notices.clear();
    SetActiveLanguage(LangRussian);
    TMForm& g = Make();
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_EQ(g.CurrentFile(), file);
    g.show();
    ASSERT_EQ(notices.size(), 1);
    // Showing applies language entry 0, the built-in English.
    EXPECT_EQ(notices[0],
              QStringLiteral("Program found a elements outside the screen. Programm set it coordinates to 0;0"
                             "\n\nScreen 0: Text \"Text\""));
    EXPECT_EQ(IniValue("Settings/Language").toString(), QStringLiteral("0"));
}

struct MissingCase
{
    int language;
    bool answerYes;
    bool replace;         // the picture dialog returns a file
    const char* question; // %1 = file
};

class MissingPictures : public MainWindow, public testing::WithParamInterface<MissingCase>
{
};

TEST_P(MissingPictures, AreAskedAboutOneByOne)
{
    const MissingCase c = GetParam();
    TMForm& f = Make();
    const QImage red = testutil::SolidImage(8, 8, qRgb(255, 0, 0));
    QStringList files;
    for (const char* name : {"a.bmp", "b.bmp"}) {
        files << dir.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(red.save(files.last(), "BMP"));
        TElement* e = f.ActiveScreen()->AddElement(ekImage, 10, 10);
        e->SetText(ToCodePage(files.last()));
    }
    const QString project = dir.filePath(QStringLiteral("pictures.lcd"));
    SaveProject(project, f.List(), f.PowerFail(), f.GatherSplash());
    const QString replacement = dir.filePath(QStringLiteral("c.bmp"));
    ASSERT_TRUE(QFile::rename(files[1], replacement));
    ASSERT_TRUE(QFile::remove(files[0]));

    SetActiveLanguage(c.language);
    answerYes = c.answerYes;
    pictureName = c.replace ? replacement : QString();
    ASSERT_TRUE(f.OpenProjectFile(project));
    ASSERT_EQ(questions.size(), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(questions[i], QString::fromUtf8(c.question).arg(QDir::toNativeSeparators(files[i])));
    EXPECT_EQ(presets,
              c.answerYes ? (QStringList{QStringLiteral("a.bmp"), QStringLiteral("b.bmp")}) : QStringList());
    EXPECT_TRUE(f.List().Modified);
    ASSERT_EQ(f.ActiveScreen()->Count(), 2);
    TElement* e = f.ActiveScreen()->Item(1);
    EXPECT_EQ(e->Picture.isNull(), !c.replace);
    EXPECT_EQ(FromCodePage(e->Text), c.replace ? replacement : files[1]);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, MissingPictures,
    testing::Values(MissingCase{LangEnglish, false, false, "File %1 not found. Fintd it ?"},
                    MissingCase{LangEnglish, true, false, "File %1 not found. Fintd it ?"},
                    MissingCase{LangEnglish, true, true, "File %1 not found. Fintd it ?"},
                    MissingCase{LangRussian, true, true, "Файл %1 не найден. Задать вручную ?"}),
    [](const testing::TestParamInfo<MissingCase>& info) {
        const MissingCase& c = info.param;
        return std::string(c.language == LangRussian ? "Russian" : "English") + (c.answerYes ? "Yes" : "No") +
               (c.replace ? "Chosen" : "Cancelled");
    });

TEST_F(MainWindow, ExitAsksWhenOnlyThePowerFailDroMoved)
{
    TMForm& f = Make();
    ASSERT_TRUE(Drop(f.PowerFailView(), ekDRO, {20, 20}));
    const QString file = dir.filePath(QStringLiteral("pf.lcd"));
    saveName = file;
    Run(f, f.acSave);
    ASSERT_FALSE(Modified());
    QWidget* pf = f.PowerFailView();
    QTest::mousePress(pf, Qt::LeftButton, Qt::NoModifier, QPoint(25, 25));
    QTest::mouseMove(pf, QPoint(45, 35));
    QTest::mouseRelease(pf, Qt::LeftButton, Qt::NoModifier, QPoint(45, 35));
    EXPECT_FALSE(f.List().Modified);
    EXPECT_TRUE(f.PowerFail().Modified);
    EXPECT_NE(f.PowerFail().Item(0)->Left, 20);

    saveAnswer = TSaveAnswer::Save;
    f.close();
    ASSERT_EQ(questions, QStringList{QStringLiteral("Project not saved. Save ?")});
    EXPECT_FALSE(Modified()); // saved to the current file
    EXPECT_EQ(IniValue("Settings/LasFile").toString(), file);

    // The next run opens it again, unmodified.
    questions.clear();
    TMForm& g = Make();
    EXPECT_EQ(g.CurrentFile(), file);
    ASSERT_EQ(g.PowerFail().Count(), 1);
    EXPECT_NE(g.PowerFail().Item(0)->Left, 20);
    EXPECT_FALSE(g.List().Modified || g.PowerFail().Modified);
    g.close();
    EXPECT_TRUE(questions.isEmpty());
}

TEST_F(MainWindow, SettingsFileKeepsWhatItDoesNotWrite)
{
    const QByteArray fixture =
        testutil::ReadAll(testutil::FixturePath(QStringLiteral("settings/designer.ini")));
    testutil::WriteAll(ini, fixture);
    TMForm& f = Make();
    EXPECT_EQ(f.DownloadFolder(), QStringLiteral("/home/u/a,b"));
    EXPECT_EQ(f.SetForm()->GridStep(), 7);
    EXPECT_EQ(f.List().GridColor, 0x0000FFu);
    EXPECT_FALSE(f.acGrid->isChecked());
    EXPECT_TRUE(f.CurrentFile().isEmpty()); // the last project does not exist here
    f.Shutdown();

    // Exit writes the values it has; the missing splash picture's name comes back as it was read.
    QByteArray expected = fixture;
    const std::pair<const char*, const char*> changes[] = {
        {"LasFile=C:\\Projects\\missing;1.lcd\n", "LasFile=\n"},
        {"MaxElement=50\n", "MaxElement=20\n"},
        {"Height=692\n", "Height=692\nLVHeight=145\n"},
    };
    for (const auto& [from, to] : changes) {
        ASSERT_TRUE(expected.contains(from)) << from;
        expected.replace(from, to);
    }
    EXPECT_EQ(testutil::ReadAll(ini).toStdString(), expected.toStdString());
}

TEST_F(MainWindow, ExitWithoutSavingWritesTheSettings)
{
    TMForm& f = Make();
    ASSERT_TRUE(Drop(View(0), ekDRO, {20, 20}));
    saveAnswer = TSaveAnswer::Discard;
    f.close();
    EXPECT_EQ(questions.size(), 1);
    EXPECT_EQ(IniValue("Settings/LasFile").toString(), QString());
    EXPECT_EQ(IniValue("Settings/MaxElement").toString(), QStringLiteral("20"));
}

TEST_F(MainWindow, OpeningKeepsTheAnimationWhenTheProjectNamesNone)
{
    TMForm& f = Make();
    gifwriter::Gif gif;
    gif.Width = gif.Height = 8;
    gif.GlobalMap = {qRgb(255, 255, 255), qRgb(255, 0, 0)};
    gif.Frames = {gifwriter::SolidFrame(0, 0, 8, 8, 0), gifwriter::SolidFrame(0, 0, 8, 8, 1)};
    const QString wheel = dir.filePath(QStringLiteral("wheel.gif"));
    ASSERT_TRUE(gifwriter::WriteGif(wheel, gif));

    // A project without a GIF, saved before the animation exists.
    const QString plain = dir.filePath(QStringLiteral("plain.lcd"));
    SaveProject(plain, f.List(), f.PowerFail(), f.GatherSplash());
    f.Animation().LoadAnimation(wheel);
    ASSERT_TRUE(f.OpenProjectFile(plain));
    EXPECT_EQ(f.Animation().FrameCount(), 2);
    EXPECT_EQ(f.findChild<QListWidget*>(QStringLiteral("LV"))->count(), 2);
    EXPECT_EQ(f.GatherSplash().GifFile, wheel);

    // Saved with it next time; a project whose GIF has gone keeps the animation, without a message.
    const QString withGif = dir.filePath(QStringLiteral("gif.lcd"));
    SaveProject(withGif, f.List(), f.PowerFail(), f.GatherSplash());
    SplashSettings missing = f.GatherSplash();
    missing.GifFile = dir.filePath(QStringLiteral("gone.gif"));
    SaveProject(dir.filePath(QStringLiteral("gone.lcd")), f.List(), f.PowerFail(), missing);
    ASSERT_TRUE(f.OpenProjectFile(dir.filePath(QStringLiteral("gone.lcd"))));
    EXPECT_EQ(f.Animation().FrameCount(), 2);
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_FALSE(Modified());

    TLCDList list;
    TLCD powerFail;
    EXPECT_EQ(LoadProject(withGif, list, powerFail).Splash.GifFile, wheel);
}

TEST(SettingsFile, IntegersAreDecimalOrHexadecimal)
{
    struct
    {
        const char* text;
        bool ok;
        qint64 value;
    } const cases[] = {{"12", true, 12},        {"0x1F", true, 31}, {"0XFF", true, 255}, {"-3", true, -3},
                       {" 7 ", true, 7},        {"0x", false, 0},   {"", false, 0},      {"12a", false, 0},
                       {"0x0000FF", true, 255}, {"1.5", false, 0}};
    for (const auto& c : cases) {
        qint64 value = 0;
        EXPECT_EQ(TSettingsFile::ParseInteger(QString::fromLatin1(c.text), value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(SettingsFile, LivesBesideTheProgramWhenThatFolderIsWritable)
{
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    ASSERT_TRUE(QFileInfo(exe.absolutePath()).isWritable());
    EXPECT_EQ(TSettingsFile::DefaultPath(),
              exe.absolutePath() + QLatin1Char('/') + exe.completeBaseName() + QStringLiteral(".ini"));
}

TEST(ApplicationIcon, IsThePanelPictureCompiledIntoTheProgram)
{
    const QIcon icon = ApplicationIcon();
    ASSERT_FALSE(icon.isNull());
    const QImage image = icon.pixmap(QSize(64, 64)).toImage();
    ASSERT_EQ(image.size(), QSize(64, 64));
    // The panel's rounded body stands on a transparent ground; its screen is blue.
    EXPECT_EQ(qAlpha(image.pixel(1, 1)), 0);
    const QColor screen = image.pixelColor(45, 35);
    EXPECT_EQ(screen.alpha(), 255);
    EXPECT_GT(screen.blue(), screen.red() + 40);
}

TEST(SettingsFile, AnInstalledProgramKeepsItInTheConfigurationFolder)
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("config"));
    struct Case
    {
        const char* program;      // the executable, relative to the test's folder
        const char* dataFolder;   // made beside it; null for none
        const char* settingsFile; // relative to the test's folder
    };
    const Case cases[] = {
        {"build/bin/tarvolt-designer", nullptr, "build/bin/tarvolt-designer.ini"},
        {"copy/tarvolt-designer", "copy/share/tarvolt-designer", "copy/tarvolt-designer.ini"},
        // Writable by this user (the administrator, say) and still no place for one user's settings.
        {"usr/bin/tarvolt-designer", "usr/share/tarvolt-designer", "config/tarvolt-designer.ini"},
        {"gone/tarvolt-designer", nullptr, "config/tarvolt-designer.ini"},
    };
    for (const Case& c : cases) {
        const QString exe = dir.filePath(QLatin1String(c.program));
        if (!QString::fromLatin1(c.program).startsWith(QLatin1String("gone/"))) {
            ASSERT_TRUE(QDir().mkpath(QFileInfo(exe).path()));
        }
        if (c.dataFolder) {
            ASSERT_TRUE(QDir().mkpath(dir.filePath(QLatin1String(c.dataFolder))));
        }
        EXPECT_EQ(TSettingsFile::PathFor(exe, config), dir.filePath(QLatin1String(c.settingsFile)))
            << c.program;
    }
}

TEST(SettingsFile, UnknownKeysSurviveWrites)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.ini"));
    testutil::WriteAll(path, "[Settings]\nMine=keep\nGrid=0x10\n");
    const TSettingsFile file(path);
    EXPECT_EQ(file.ReadInteger(QStringLiteral("Settings"), QStringLiteral("Grid"), 5), 16);
    EXPECT_EQ(file.ReadInteger(QStringLiteral("Settings"), QStringLiteral("Missing"), 5), 5);
    file.WriteInteger(QStringLiteral("Settings"), QStringLiteral("Grid"), 9);
    EXPECT_EQ(file.ReadString(QStringLiteral("Settings"), QStringLiteral("Mine"), QString()),
              QStringLiteral("keep"));
    EXPECT_EQ(file.ReadInteger(QStringLiteral("Settings"), QStringLiteral("Grid"), 5), 9);
}

TEST(SettingsFile, ValuesArePlainText)
{
    const QByteArray text = "; a comment = not a key\n"
                            "[Settings]\n"
                            "Download=/home/u/a,b\n"
                            "LasFile = C:\\work\\new;old.lcd \n"
                            "Quoted=\"x\"\n"
                            "Empty=\n"
                            "#Hidden=1\n"
                            "[ Window ]\r\n"
                            "left=12\n";
    struct
    {
        const char* section;
        const char* key;
        const char* value; // null: not there
    } const cases[] = {
        {"Settings", "Download", "/home/u/a,b"},
        {"Settings", "LasFile", "C:\\work\\new;old.lcd"}, // blanks around the value do not count
        {"Settings", "Quoted", "\"x\""},
        {"Settings", "Empty", ""},
        {"Settings", "Hidden", nullptr},
        {"Settings", "; a comment ", nullptr},
        {"settings", "DOWNLOAD", "/home/u/a,b"}, // names in any case
        {"Window", "Left", "12"},
        {"Window", "Download", nullptr}, // each section has its own keys
        {"Other", "Download", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        const auto value =
            TSettingsFile::Lookup(text, QString::fromLatin1(c.section), QString::fromLatin1(c.key));
        ASSERT_EQ(value.has_value(), c.value != nullptr);
        if (c.value) {
            EXPECT_EQ(*value, QString::fromUtf8(c.value));
        }
    }
}

TEST(SettingsFile, AWriteChangesOnlyTheLineOfItsKey)
{
    struct
    {
        const char* name;
        const char* before;
        const char* key; // in section "S"
        const char* value;
        const char* after;
    } const cases[] = {
        {"in place", "[S]\nA = 1\nB=2\n", "A", "C:\\x;y,z", "[S]\nA = C:\\x;y,z\nB=2\n"},
        {"name as the file spells it", "[s]\nKEY=1\n", "Key", "2", "[s]\nKEY=2\n"},
        {"after the section's last key", "[S]\nA=1\n\n; next\n[T]\nB=2\n", "B", "3",
         "[S]\nA=1\nB=3\n\n; next\n[T]\nB=2\n"},
        {"right after an empty section's header", "[S]\n[T]\n", "A", "1", "[S]\nA=1\n[T]\n"},
        {"a new section at the end", "[T]\nB=2", "A", "1", "[T]\nB=2\n[S]\nA=1\n"},
        {"an empty file", "", "A", "1", "[S]\nA=1\n"},
        {"the file's line breaks", "[S]\r\nA=1\r\n", "B", "2", "[S]\r\nA=1\r\nB=2\r\n"},
        {"a line break ends the value", "[S]\nA=1\n", "A", "one\ntwo", "[S]\nA=one\n"},
        {"non-ASCII as UTF-8", "[S]\n", "A", "\xD0\xAF.lcd", "[S]\nA=\xD0\xAF.lcd\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray after =
            TSettingsFile::Assign(QByteArray(c.before), QStringLiteral("S"), QString::fromLatin1(c.key),
                                  QString::fromUtf8(c.value));
        EXPECT_EQ(after.toStdString(), std::string(c.after));
    }
}

} // namespace
