// The main window's splash panel, picture and animation commands, Generate and the download window.

#include "dialogs/udownload.h"
#include "gifwriter.h"
#include "base/urgb.h"
#include "project/lcdfile.h"
#include "panel/panelset.h"
#include "test_ui_window.h"
#include "ui/settingsfile.h"
#include "ui/timegroup.h"
#include "widgets/radiogroup.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <set>

namespace {

class SplashWindow : public WindowTest
{
  protected:
    QCheckBox* Show() const { return Find<QCheckBox>("chTime"); }
    QCheckBox* Transparent() const { return Find<QCheckBox>("chTRN"); }
    QLabel* Field(const char* name) const { return Find<QLabel>(name); }
    QListWidget* Frames() const { return Find<QListWidget>("LV"); }
    static void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

    // A GIF of 32 x 32 frames, one solid colour each.
    QString WriteWheel(const std::vector<QRgb>& colours)
    {
        gifwriter::Gif gif;
        gif.Width = gif.Height = 32;
        gif.GlobalMap = colours;
        for (size_t i = 0; i < colours.size(); ++i)
            gif.Frames.push_back(gifwriter::SolidFrame(0, 0, 32, 32, quint8(i)));
        const QString file = dir.filePath(QStringLiteral("wheel.gif"));
        EXPECT_TRUE(gifwriter::WriteGif(file, gif));
        return file;
    }
    QString WritePicture(const QString& name, QRgb colour, QSize size = {240, 320})
    {
        const QString file = dir.filePath(name);
        EXPECT_TRUE(testutil::SolidImage(size.width(), size.height(), colour).save(file, "BMP"));
        return file;
    }
    // The distinct colours of what a label shows.
    static std::set<QRgb> Colours(const QLabel* label)
    {
        const QImage image = label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y) & 0xFFFFFF);
        return colours;
    }
    QString Out(const QString& project) const
    {
        return QDir(dir.path()).filePath(QFileInfo(project).completeBaseName());
    }
};

TEST_F(SplashWindow, ClockSwitchPlacesTheFieldsAndTheDigitSizeResizesThem)
{
    TMForm& f = Make();
    auto* width = Find<QSpinBox>("cxTMw");
    EXPECT_FALSE(Field("ITM1")->isVisibleTo(&f));
    EXPECT_FALSE(width->isEnabled());

    Click(Show());
    EXPECT_TRUE(f.List().Modified);
    EXPECT_TRUE(width->isEnabled());
    EXPECT_TRUE(Field("ITM1")->isVisibleTo(&f));
    EXPECT_EQ(Field("ITM1")->geometry(), QRect(0, 0, 50, 35));
    EXPECT_EQ(Field("ITM2")->geometry(), QRect(70, 0, 50, 35));

    width->setValue(30);
    EXPECT_EQ(Field("ITM1")->width(), 60);
    EXPECT_EQ(Field("ITM2")->geometry(), QRect(70, 0, 60, 35));
    Find<QSpinBox>("cxTMh")->setValue(40);
    EXPECT_EQ(Field("ITM2")->height(), 40);

    Click(Show()); // off: hidden, size locked
    EXPECT_FALSE(Field("ITM2")->isVisibleTo(&f));
    EXPECT_FALSE(width->isEnabled());
    Click(Show());
    EXPECT_EQ(Field("ITM2")->geometry(), QRect(80, 0, 60, 40));
    EXPECT_EQ(f.GatherSplash().MinutesLeft, 80);
}

TEST_F(SplashWindow, TransparentClockShowsItsDigitsOnTheColourBelow)
{
    TMForm& f = Make();
    f.SetSplashPicture(testutil::SolidImage(240, 320, qRgb(0, 0, 255)), QString());
    Click(Show());
    const std::set<QRgb> samples{0x000000, 0xFFFFFF};
    EXPECT_EQ(Colours(Field("ITM1")), samples);

    Click(Transparent());
    for (const char* name : {"ITM1", "ITM2"})
        EXPECT_EQ(Colours(Field(name)), (std::set<QRgb>{0x000000, 0x0000FF})) << name;

    // A new digit colour from the colour dialog recolours at once; a cancelled dialog changes nothing.
    pickedColour = QColor(255, 0, 0);
    Click(Find<QPushButton>("Panel2"));
    EXPECT_EQ(Colours(Field("ITM2")), (std::set<QRgb>{0xFF0000, 0x0000FF}));
    EXPECT_EQ(Find<QPushButton>("Panel2")->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
    f.List().SetModified(false);
    pickedColour = QColor();
    Click(Find<QPushButton>("Panel2"));
    EXPECT_FALSE(f.List().Modified);
    EXPECT_EQ(f.Splash().ClockDigitColor(), 0x0000FFu); // red as 0x00BBGGRR

    Click(Transparent());
    EXPECT_EQ(Colours(Field("ITM1")), samples);
    EXPECT_EQ(Colours(Field("ITM2")), samples);
}

TEST_F(SplashWindow, DraggedControlsStayOnTheSplashPicture)
{
    TMForm& f = Make();
    gifName = WriteWheel({qRgb(255, 0, 0), qRgb(0, 255, 0)});
    f.acLoadGIF->trigger();
    auto* anime = Find<QLabel>("Anime");
    ASSERT_TRUE(anime->isVisibleTo(&f));
    ASSERT_EQ(anime->size(), QSize(32, 32));

    f.List().SetModified(false);
    Mouse(anime, QEvent::MouseButtonPress, {5, 5});
    Mouse(anime, QEvent::MouseMove, {400, 25});
    EXPECT_EQ(anime->geometry(), QRect(208, 20, 32, 32)); // right edge at 240
    EXPECT_FALSE(f.List().Modified);
    Mouse(anime, QEvent::MouseButtonRelease, {5, 5});
    EXPECT_TRUE(f.List().Modified);
    EXPECT_EQ(f.GatherSplash().GifLeft, 208);

    // A clock field is dragged the same way, and may not leave the picture either.
    Click(Show());
    QLabel* minutes = Field("ITM2");
    Mouse(minutes, QEvent::MouseButtonPress, {10, 10});
    Mouse(minutes, QEvent::MouseMove, {-500, 110});
    Mouse(minutes, QEvent::MouseButtonRelease, {0, 0});
    EXPECT_EQ(minutes->geometry(), QRect(0, 100, 50, 35));
    EXPECT_EQ(f.Splash().FieldPosition(ClockField::Minutes), QPoint(0, 100));
}

TEST_F(SplashWindow, FrameListAndItsDeleteItem)
{
    TMForm& f = Make();
    gifName = WriteWheel({qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)});
    f.acLoadGIF->trigger();
    QListWidget* lv = Frames();
    ASSERT_EQ(lv->count(), 3);
    EXPECT_EQ(lv->viewMode(), QListView::IconMode);
    EXPECT_EQ(lv->palette().color(QPalette::Base), QColor(Qt::white));
    auto* remove = Find<QMenu>("ppFrames")->actions().value(0);
    ASSERT_NE(remove, nullptr);
    EXPECT_EQ(remove->text(), QStringLiteral("Delete item"));

    // Without a selected entry nothing goes.
    lv->clearSelection();
    remove->trigger();
    EXPECT_EQ(lv->count(), 3);

    lv->setCurrentRow(1);
    remove->trigger();
    ASSERT_EQ(lv->count(), 2);
    ASSERT_EQ(f.Animation().FrameCount(), 2);
    const std::pair<QString, QRgb> expected[] = {{QStringLiteral("wheel-0.bmp"), qRgb(255, 0, 0)},
                                                 {QStringLiteral("wheel-2.bmp"), qRgb(0, 0, 255)}};
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(lv->item(i)->text(), expected[i].first);
        const QImage icon = lv->item(i)->icon().pixmap(lv->iconSize()).toImage();
        EXPECT_EQ(icon.pixel(icon.width() / 2, icon.height() / 2) & 0xFFFFFF, expected[i].second & 0xFFFFFF);
        EXPECT_EQ(f.Animation().Frames()[size_t(i)].Picture.pixel(1, 1) & 0xFFFFFF,
                  expected[i].second & 0xFFFFFF);
    }

    // A GIF that cannot be decoded shows the decoder's error and keeps the frames.
    testutil::WriteAll(gifName, QByteArray("GIF89a broken"));
    f.acLoadGIF->trigger();
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(lv->count(), 2);
    EXPECT_EQ(f.Animation().FrameCount(), 2);

    f.acUnLoadGIF->trigger();
    EXPECT_EQ(lv->count(), 0);
    EXPECT_FALSE(Find<QLabel>("Anime")->isVisibleTo(&f));
    EXPECT_EQ(lv->palette().color(QPalette::Base), QColor(0x80, 0x80, 0x80));
}

TEST_F(SplashWindow, SpeedDrivesThePreviewTimer)
{
    TMForm& f = Make();
    auto* timer = f.findChild<QTimer*>(QStringLiteral("Timer1"));
    auto* speed = Find<QSpinBox>("cxTimer");
    EXPECT_FALSE(timer->isActive()); // no frames yet
    gifName = WriteWheel({qRgb(255, 0, 0), qRgb(0, 255, 0)});
    f.acLoadGIF->trigger();
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 100);
    speed->setValue(0);
    EXPECT_FALSE(timer->isActive()); // a 0 ms timer would spin
    speed->setValue(40);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 40);
    f.acUnLoadGIF->trigger();
    EXPECT_FALSE(timer->isActive());
}

// Every picture command shows the decoder's error and keeps the picture it had.
TEST_F(SplashWindow, UndecodablePicturesKeepThePreviousOne)
{
    TMForm& f = Make();
    const QString good = WritePicture(QStringLiteral("green.bmp"), qRgb(0, 255, 0));
    const QString bad = dir.filePath(QStringLiteral("bad.bmp"));
    testutil::WriteAll(bad, QByteArray::fromHex("424d10000000") + QByteArray(" not a bitmap"));

    struct Case
    {
        QAction* action;
        std::function<QImage()> picture;
    };
    const Case cases[] = {
        {f.acLoadLCDbkg, [&] { return f.Splash().Picture(); }},
        {f.acLoadBkg, [&] { return f.ActiveScreen()->Background; }},
        {f.acLoadPWR, [&] { return f.PowerFail().Background; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action->objectName().toStdString());
        errors.clear();
        pictureName = good;
        c.action->trigger();
        ASSERT_FALSE(c.picture().isNull());
        EXPECT_EQ(c.picture().pixel(3, 3) & 0xFFFFFF, 0x00FF00u);
        pictureName = bad;
        c.action->trigger();
        EXPECT_EQ(errors, QStringList{QStringLiteral("Bitmap image is not valid")});
        EXPECT_EQ(c.picture().pixel(3, 3) & 0xFFFFFF, 0x00FF00u);
        // A cancelled dialog changes nothing either.
        pictureName.clear();
        c.action->trigger();
        EXPECT_EQ(c.picture().pixel(3, 3) & 0xFFFFFF, 0x00FF00u);
    }
    EXPECT_EQ(f.Splash().ImageFile(), good);

    f.List().SetModified(false);
    f.acUnLoadBkg->trigger();
    EXPECT_TRUE(f.ActiveScreen()->Background.isNull());
    EXPECT_TRUE(f.List().Modified);
}

TEST_F(SplashWindow, GenerateOfAnUntitledProjectOnlyWarns)
{
    const std::pair<int, QString> languages[] = {
        {LangEnglish, QStringLiteral("Warning: Save you project before generate")},
        {LangRussian, QStringLiteral("Внимание: Необходимо сохранить проект")},
    };
    for (const auto& [language, warning] : languages) {
        TMForm& f = Make();
        SetActiveLanguage(language);
        warnings.clear();
        f.acZoomIn->trigger();
        f.acGenerate->trigger();
        EXPECT_EQ(warnings, QStringList{warning});
        EXPECT_TRUE(infos.isEmpty());
        EXPECT_EQ(f.List().Zoom, 2); // nothing in the designer changed
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
    }
}

TEST_F(SplashWindow, GenerateEndsOnTheLastPageAtFullSize)
{
    TMForm& f = Make();
    f.AddScreenPage(true);
    Find<TRadioGroup>("rgSize")->SetItemIndex(1); // the last page is landscape
    ASSERT_TRUE(f.List().ShowGrid);               // shown by default
    Find<QTabWidget>("PGscreen")->setCurrentIndex(0);
    ASSERT_EQ(Find<TRadioGroup>("rgSize")->ItemIndex(), 0);
    ASSERT_TRUE(Drop(View(0), ekShape, {20, 20}));
    ASSERT_NE(f.ActiveScreen()->SelectedElement, nullptr);
    TLCD* first = f.ActiveScreen();
    f.acZoomIn->trigger();
    const QString project = SaveAs(f, QStringLiteral("demo.lcd"));
    openFolderAnswer = true;

    f.acGenerate->trigger();
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_EQ(infos, QStringList{QStringLiteral("Files for SD-card prepared. Open folder ?\n\n") +
                                 QDir::toNativeSeparators(Out(project))});
    EXPECT_EQ(openedFolders, QStringList{Out(project)});
    EXPECT_TRUE(warnings.isEmpty());
    EXPECT_EQ(f.DownloadFolder(), QDir::toNativeSeparators(Out(project)));
    EXPECT_EQ(f.ActivePageIndex(), 1);
    EXPECT_EQ(Find<TRadioGroup>("rgSize")->ItemIndex(), 1);
    EXPECT_TRUE(Find<TRadioGroup>("rgSize")->Button(1)->isChecked());
    EXPECT_EQ(f.List().Zoom, 1);
    EXPECT_EQ(f.Page(1)->SCR->DisplayWidth, 320);
    EXPECT_TRUE(f.List().ShowGrid);
    EXPECT_EQ(first->SelectedElement, nullptr);
    EXPECT_FALSE(f.List().Modified);
    EXPECT_TRUE(f.acGenerate->isEnabled());
    EXPECT_TRUE(QFileInfo(Out(project) + QStringLiteral("/01/")).isDir());
    EXPECT_EQ(QFileInfo(Out(project) + QStringLiteral("/logo.bin")).size(), 240 * 320 * 2);
    const TPanelSet set = ReadPanelSet(TFolderSource(Out(project)));
    EXPECT_TRUE(set.Whole()) << CheckReport(set).join('\n').toStdString();

    // "No" still makes the folder the download folder; the folder is not opened.
    openFolderAnswer = false;
    f.ActiveScreen()->SelectElement(nullptr);
    f.acGenerate->trigger();
    EXPECT_EQ(openedFolders.size(), 1);
    EXPECT_EQ(infos.size(), 2);

    // A desktop that cannot show folders: the user is told, with the folder.
    openFolderAnswer = true;
    desktopOpensFolders = false;
    f.acGenerate->trigger();
    EXPECT_EQ(openedFolders.size(), 2);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(QDir::toNativeSeparators(Out(project)))) << warnings[0].toStdString();
    EXPECT_TRUE(warnings[0].startsWith(QStringLiteral("The folder"))) << warnings[0].toStdString();
}

TEST_F(SplashWindow, GenerateCannotStartTwiceAndReportsFailures)
{
    TMForm& f = Make();
    const QString project = SaveAs(f, QStringLiteral("demo.lcd"));
    // A Generate started while one runs (the window handles events between screens) does nothing.
    bool sawRunning = false, sawDisabled = false;
    QTimer::singleShot(0, &f, [&] {
        sawRunning = f.Generating();
        f.UpdateActions();
        sawDisabled = !f.acGenerate->isEnabled();
        f.GenerateCommand();
    });
    f.acGenerate->trigger();
    EXPECT_TRUE(sawRunning);
    EXPECT_TRUE(sawDisabled);
    EXPECT_EQ(infos.size(), 1);

    // A file that cannot be created: the error only, no question, the download folder as it was.
    const QString before = f.DownloadFolder();
    QDir(Out(project)).removeRecursively();
    testutil::WriteAll(Out(project), "a file where the folder should be");
    f.acZoomIn->trigger();
    f.acGenerate->trigger();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().startsWith(QStringLiteral("Cannot create file")))
        << errors.first().toStdString();
    EXPECT_EQ(infos.size(), 1);
    EXPECT_EQ(f.DownloadFolder(), before);
    EXPECT_EQ(f.List().Zoom, 1);
    EXPECT_TRUE(f.List().ShowGrid);
    EXPECT_FALSE(f.Generating());
}

TEST_F(SplashWindow, ClearedAnimationWritesNoAnimationFiles)
{
    TMForm& f = Make();
    const QString project = SaveAs(f, QStringLiteral("anim.lcd"));
    gifName = WriteWheel({qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)});
    f.acLoadGIF->trigger();
    Frames()->setCurrentRow(1);
    f.DeleteFrameItem();
    f.acGenerate->trigger();
    const QDir out(Out(project));
    EXPECT_TRUE(out.exists(QStringLiteral("anime.bin")));
    EXPECT_EQ(testutil::ReadAll(out.filePath(QStringLiteral("anime.bin"))).at(0), 2);
    EXPECT_TRUE(out.exists(QStringLiteral("a01.bin")));
    EXPECT_FALSE(out.exists(QStringLiteral("a02.bin")));

    f.acUnLoadGIF->trigger();
    f.acGenerate->trigger();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_FALSE(out.exists(QStringLiteral("anime.bin")));
    EXPECT_FALSE(out.exists(QStringLiteral("a00.bin")));
}

TEST_F(SplashWindow, PowerScreenPictureSurvivesZoomAndIsGenerated)
{
    TMForm& f = Make();
    const QString project = SaveAs(f, QStringLiteral("pwr.lcd"));
    pictureName = WritePicture(QStringLiteral("red.bmp"), qRgb(255, 0, 0));
    f.acLoadPWR->trigger();
    EXPECT_TRUE(f.PowerFail().Modified);
    f.acZoomIn->trigger();
    ASSERT_FALSE(f.PowerFail().Background.isNull());
    EXPECT_EQ(f.PowerFail().Background.pixel(10, 10) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(f.PowerFailView()->Image().pixel(12, 13) & 0xFFFFFF, 0xFF0000u); // off the grid lines

    f.acGenerate->trigger();
    const QByteArray pwr = testutil::ReadAll(Out(project) + QStringLiteral("/pwrfail.bin"));
    ASSERT_EQ(pwr.size(), 240 * 320 * 2);
    EXPECT_EQ(quint8(pwr.at(0)), 0x00);
    EXPECT_EQ(quint8(pwr.at(1)), 0xF8);
    EXPECT_EQ(pwr.count(QByteArray("\x00\xF8", 2)), 240 * 320);
    const TPanelSet set = ReadPanelSet(TFolderSource(Out(project)));
    EXPECT_TRUE(set.Whole()) << CheckReport(set).join('\n').toStdString();
}

TEST_F(SplashWindow, DownloadWindowOpensOnTheDownloadFolder)
{
    TMForm& f = Make();
    // Created at start-up: the panel is already found when the window opens.
    ASSERT_NE(f.DownloadForm(), nullptr);
    EXPECT_EQ(f.DownloadForm()->findChild<QLineEdit*>(QStringLiteral("eDev"))->text(),
              panel->Info().ProductString);

    const QString project = SaveAs(f, QStringLiteral("dl.lcd"));
    f.acGenerate->trigger();
    QString offered;
    const QString chosen = QDir::toNativeSeparators(sd.path());
    downloadShown = [&](TDownloadForm& w) {
        offered = w.DownloadFolder();
        w.SetBrowseFolder(chosen); // what the browse button does when the user picks a folder
    };
    f.acDownload->trigger();
    EXPECT_EQ(offered, QDir::toNativeSeparators(Out(project)));
    EXPECT_EQ(f.DownloadFolder(), chosen);
    f.acDownload->trigger();
    EXPECT_EQ(offered, chosen);

    f.Shutdown();
    const TSettingsFile ini(dir.filePath(QStringLiteral("designer.ini")));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Settings"), QStringLiteral("Download"), QString()), chosen);
}

} // namespace

TEST_F(SplashWindow, DesignerAndCommandLineWriteTheSameClockRecord)
{
    // White, blue at the top (under the fields' first places), green under where the project puts
    // the hours field and red under its minutes field.
    QImage picture(240, 320, QImage::Format_RGB888);
    picture.fill(Qt::white);
    for (int y = 0; y < 320; ++y)
        for (int x = 0; x < 240; ++x)
            if (y < 100)
                picture.setPixel(x, y, qRgb(0, 0, 255));
            else if (y >= 260 && y < 270)
                picture.setPixel(x, y, x < 100 ? qRgb(0, 255, 0) : qRgb(255, 0, 0));
    const QString image = dir.filePath(QStringLiteral("splash.bmp"));
    ASSERT_TRUE(picture.save(image, "BMP"));

    TLCDList list;
    TLCD powerFail;
    list.AddScreen(240, 320);
    SplashSettings s;
    s.ClockShown = true;
    s.ClockTransparent = true;
    s.HoursLeft = 60;
    s.HoursTop = 230;
    s.MinutesLeft = 125;
    s.MinutesTop = 230;
    s.DigitWidth = 25;
    s.DigitHeight = 35;
    s.ClockDigitColor = 0xFFFFFF;
    s.ClockBackColor = 0x123456;
    const QString project = dir.filePath(QStringLiteral("clock.lcd"));
    SaveProject(project, list, powerFail, s);

    TMForm& f = Make();
    f.SetSplashPicture(LoadPictureFile(image), image);
    ASSERT_TRUE(f.OpenProjectFile(project));
    f.GenerateCommand();
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    const QByteArray designer = testutil::ReadAll(QDir(Out(project)).filePath(QStringLiteral("tm.bin")));

    const QString cliOut = dir.filePath(QStringLiteral("cli"));
    QProcess p;
    p.start(QStringLiteral(TARVOLT_BIN_DIR "/tarvolt-cli"),
            {QStringLiteral("generate"), project, QStringLiteral("--splash"), image,
             QStringLiteral("--output"), cliOut});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QByteArray cli = testutil::ReadAll(QDir(cliOut).filePath(QStringLiteral("tm.bin")));

    ASSERT_EQ(designer.size(), 17);
    EXPECT_EQ(cli, designer);
    // The colour just below the hours field's bottom-left corner: green.
    EXPECT_EQ(designer.mid(13, 2), QByteArray::fromHex("e007"));
}
