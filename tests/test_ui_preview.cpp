// The main window's view of the panel's side: View > Panel colours and Tools > Preview SD-card set.

#include "dialogs/usettings.h"
#include "gifwriter.h"
#include "panel/panelrender.h"
#include "panel/panelset.h"
#include "test_ui_window.h"
#include "widgets/colorbox.h"
#include "widgets/radiogroup.h"
#include "ui/upreview.h"

#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTimer>

namespace {

class PanelView : public WindowTest
{
  protected:
    // A saved project with a DRO, an LED and a bar on the first page and a landscape second page,
    // generated from the window.
    QString Generated(TMForm& f, bool withAnimation = false)
    {
        EXPECT_TRUE(Drop(View(0), ekDRO, {10, 10}));
        EXPECT_TRUE(Drop(View(0), ekLED, {10, 60}));
        EXPECT_TRUE(Drop(View(0), ekBar, {100, 60}));
        f.AddScreenPage(true);
        Find<TRadioGroup>("rgSize")->SetItemIndex(1);
        if (withAnimation) {
            gifwriter::Gif gif;
            gif.Width = gif.Height = 16;
            gif.GlobalMap = {qRgb(255, 255, 255), qRgb(200, 0, 0), qRgb(0, 0, 200)};
            // A coloured square on white: the preview leaves out the colour of the bottom-left pixel.
            for (quint8 i = 1; i <= 2; ++i) {
                gifwriter::Frame frame = gifwriter::SolidFrame(0, 0, 16, 16, 0);
                for (int y = 4; y < 12; ++y)
                    for (int x = 4; x < 12; ++x)
                        frame.Pixels[size_t(y * 16 + x)] = i;
                gif.Frames.push_back(frame);
            }
            gifName = dir.filePath(QStringLiteral("two.gif"));
            EXPECT_TRUE(gifwriter::WriteGif(gifName, gif));
            f.acLoadGIF->trigger();
        }
        const QString project = SaveAs(f, QStringLiteral("lathe.lcd"));
        f.acGenerate->trigger();
        EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
        return dir.filePath(QStringLiteral("lathe"));
    }

    // The item of a colour box that holds `color`, -1 when none.
    static int ItemOf(const TColorBox& box, TColor color)
    {
        for (int i = 0; i < box.count(); ++i)
            if (box.itemData(i, Qt::UserRole).value<quint32>() == color)
                return i;
        return -1;
    }
};

} // namespace

TEST_F(PanelView, PanelColoursShowEveryScreenAndTheColourBoxesThroughTheRoundTrip)
{
    TMForm& f = Make();
    ASSERT_TRUE(Drop(View(0), ekDRO, {10, 10})); // back colour 0x80FF80: not one the panel shows
    auto* powerFail = Find<TScreenView>("PowerFail");
    ASSERT_TRUE(Drop(powerFail, ekDRO, {20, 20}));
    const TColorBox* box = f.SetForm()->cxColor;
    const int red = ItemOf(*box, 0x0000FF);
    ASSERT_GE(red, 0);
    EXPECT_EQ(box->itemText(red), QStringLiteral("Red"));

    ASSERT_TRUE(f.acPanelColors->isCheckable());
    f.acPanelColors->trigger();
    Settle();
    ASSERT_TRUE(f.acPanelColors->isChecked());
    for (TScreenView* view : {View(0), powerFail}) {
        EXPECT_EQ(view->ShownImage(), PanelColours(view->Image())) << view->objectName().toStdString();
        EXPECT_NE(view->ShownImage(), view->Image()) << view->objectName().toStdString();
    }
    const QImage splash = Find<QLabel>("ImgSplash")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(splash, PanelColours(f.Splash().DisplayedPicture()));
    EXPECT_EQ(box->itemText(red), QStringLiteral("Red F800"));
    EXPECT_EQ(box->itemText(ItemOf(*box, 0xC0C0C0)), QStringLiteral("Silver C618"));
    // A page added meanwhile is shown the same way.
    f.AddScreenPage(true);
    ASSERT_TRUE(Drop(View(1), ekLED, {30, 30}));
    EXPECT_EQ(View(1)->ShownImage(), PanelColours(View(1)->Image()));

    f.acPanelColors->trigger();
    Settle();
    EXPECT_EQ(View(0)->ShownImage(), View(0)->Image());
    EXPECT_EQ(box->itemText(red), QStringLiteral("Red"));
}

TEST_F(PanelView, PreviewOpensOnTheLastGenerateAndDrawsAsTheCommandLineDoes)
{
    TMForm& f = Make();
    const QString out = Generated(f, true);
    int shown = 0;
    f.Hooks().ShowPreview = [&](TPreviewForm&) { ++shown; };
    ASSERT_TRUE(Run(f, f.acPreviewSet));
    TPreviewForm* p = f.PreviewForm();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(p->Folder(), out);
    ASSERT_EQ(p->PageCount(), 4); // two work screens, the splash and the power-fail screen
    EXPECT_EQ(p->PGpages->tabText(0), QStringLiteral("Screen 1"));
    EXPECT_EQ(p->PGpages->tabText(2), QStringLiteral("Splash"));
    EXPECT_EQ(p->PGpages->tabText(3), QStringLiteral("Power fail"));
    ASSERT_EQ(p->LVfindings->count(), 1);
    EXPECT_EQ(p->LVfindings->item(0)->text(), QStringLiteral("The set is whole."));

    const TPanelSet set = ReadPanelSet(TFolderSource(out));
    EXPECT_EQ(p->PageImage(0), RenderPanelScreen(set, 0, p->State()));
    EXPECT_EQ(p->PageImage(1).size(), QSize(320, 240));
    const QImage atZero = p->PageImage(0);
    p->tbValue->setValue(75);
    p->chLeds->setChecked(true);
    TPanelState state;
    state.Value = 75;
    state.LedsOn = true;
    EXPECT_EQ(p->PageImage(0), RenderPanelScreen(set, 0, state));
    EXPECT_NE(p->PageImage(0), atZero);

    // The animation plays at the speed of anime.bin.
    EXPECT_TRUE(p->AnimationPlaying());
    EXPECT_EQ(p->tmFrames->interval(), 100);
    const QImage first = p->PageImage(2);
    p->NextFrame();
    EXPECT_EQ(p->Frame(), 1);
    state.Frame = 1;
    EXPECT_EQ(p->PageImage(2), RenderPanelSplash(set, state));
    EXPECT_NE(p->PageImage(2), first);
    p->NextFrame();
    EXPECT_EQ(p->Frame(), 0);
    p->eTime->setTime(QTime(7, 30));
    state.Frame = 0;
    state.Hours = 7;
    state.Minutes = 30;
    EXPECT_EQ(p->PageImage(2), RenderPanelSplash(set, state));
}

TEST_F(PanelView, PreviewSaysWhatKeepsAPageFromBeingDrawn)
{
    TMForm& f = Make();
    const QString out = Generated(f);
    f.Hooks().ShowPreview = [](TPreviewForm&) {};
    f.acPreviewSet->trigger();
    TPreviewForm* p = f.PreviewForm();
    ASSERT_TRUE(QFile::remove(QDir(out).filePath(QStringLiteral("00/01bkg.bin"))));
    testutil::WriteAll(QDir(out).filePath(QStringLiteral("notes.txt")), "x");
    p->btReload->click();
    EXPECT_TRUE(p->PageImage(0).isNull());
    EXPECT_FALSE(p->PageImage(1).isNull());
    EXPECT_EQ(p->findChild<QLabel*>(QStringLiteral("lbPage0"))->text(),
              QStringLiteral("00/01bkg.bin: missing"));
    QStringList listed;
    for (int i = 0; i < p->LVfindings->count(); ++i)
        listed << p->LVfindings->item(i)->text();
    EXPECT_EQ(listed,
              (QStringList{"00/01bkg.bin: missing", "notes.txt: not part of the set; the panel ignores it"}));

    // Another folder through the folder button; cancelling keeps the one shown.
    QString answer;
    p->ChooseFolder = [&](const QString&) { return answer; };
    p->btFolder->click();
    EXPECT_EQ(p->Folder(), out);
    QTemporaryDir empty;
    answer = empty.path();
    p->btFolder->click();
    EXPECT_EQ(p->Folder(), empty.path());
    EXPECT_EQ(p->PageCount(), 2); // no lcdconfig and no screen folder: only the splash and power-fail pages
    EXPECT_TRUE(p->PageImage(0).isNull());
}
