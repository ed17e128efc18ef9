#include <QDir>
#include <QGuiApplication>
#include <QPalette>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "gifwriter.h"
#include "base/terror.h"
#include "output/animation.h"
#include "output/splash.h"
#include "testutil.h"

namespace {

constexpr QRgb kBlack = 0xFF000000, kWhite = 0xFFFFFFFF, kRed = 0xFFFF0000, kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;

QSet<QRgb> Colours(const QImage& img)
{
    QSet<QRgb> set;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            set.insert(img.pixel(x, y) | 0xFF000000);
    return set;
}

// A 240 x 320 splash picture: blue above y = 160, green from there down.
QImage BlueOverGreen()
{
    QImage img(240, 320, QImage::Format_RGB32);
    img.fill(kBlue);
    for (int y = 160; y < 320; ++y)
        for (int x = 0; x < 240; ++x)
            img.setPixel(x, y, kGreen);
    return img;
}

class SplashTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        splash.OnModified = [this] { ++modified; };
    }

    TSplash splash;
    int modified = 0;
};

// --- built-in pictures ---------------------------------------------------------------------------

TEST(BuiltInPictures, SizesAndSampleDigits)
{
    EXPECT_EQ(BuiltInSplashPicture().size(), QSize(240, 320));
    EXPECT_EQ(BuiltInPowerFailPicture().size(), QSize(240, 320));
    EXPECT_GT(Colours(BuiltInSplashPicture()).size(), 2);
    EXPECT_GT(Colours(BuiltInPowerFailPicture()).size(), 1);
    EXPECT_EQ(AnimationPlaceholder().size(), QSize(48, 48));

    const QImage hours = ClockSamplePicture(ClockField::Hours);
    const QImage minutes = ClockSamplePicture(ClockField::Minutes);
    for (const QImage& s : {hours, minutes}) {
        EXPECT_EQ(s.size(), QSize(50, 35));
        EXPECT_EQ(Colours(s), (QSet<QRgb>{kBlack, kWhite}));
        EXPECT_EQ(s.pixel(0, 34), kWhite); // the key of recolouring
    }
    EXPECT_EQ(hours, ClockSamplePicture(ClockField::Hours)); // drawn the same every time
    // "1" has no top bar, "0" has; both digits of "00" are alike; "1" and "2" differ.
    EXPECT_EQ(hours.pixel(12, 4), kWhite);
    EXPECT_EQ(minutes.pixel(12, 4), kBlack);
    EXPECT_EQ(minutes.copy(0, 0, 25, 35), minutes.copy(25, 0, 25, 35));
    EXPECT_NE(hours.copy(0, 0, 25, 35), hours.copy(25, 0, 25, 35));
    // The "0" is open in the middle, the "2" has a middle bar.
    EXPECT_EQ(minutes.pixel(12, 16), kWhite);
    EXPECT_EQ(hours.pixel(25 + 12, 16), kBlack);
}

// --- defaults and the clock switch ---------------------------------------------------------------

TEST_F(SplashTest, DefaultsBeforeAnyProject)
{
    EXPECT_EQ(splash.Picture(), BuiltInSplashPicture());
    EXPECT_TRUE(splash.ImageFile().isEmpty());
    EXPECT_EQ(splash.ScreenSize(), QSize(240, 320));
    EXPECT_FALSE(splash.ClockShown());
    EXPECT_FALSE(splash.ClockTransparent());
    EXPECT_FALSE(splash.DigitSizeEditable());
    EXPECT_EQ(splash.DigitWidth(), 25);
    EXPECT_EQ(splash.DigitHeight(), 35);
    EXPECT_EQ(splash.ClockDigitColor(), 0x000000u);
    EXPECT_EQ(splash.ClockBackColor(), ButtonFaceColor);
    EXPECT_TRUE(IsSystemColor(splash.ClockBackColor()));
    EXPECT_EQ(splash.FieldPicture(ClockField::Hours), ClockSamplePicture(ClockField::Hours).convertToFormat(
                                                          splash.FieldPicture(ClockField::Hours).format()));
}

TEST_F(SplashTest, ShowPlacesFieldsAndFollowsDigitWidth)
{
    splash.SetClockShown(true);
    EXPECT_EQ(modified, 1);
    EXPECT_TRUE(splash.ClockShown());
    EXPECT_TRUE(splash.DigitSizeEditable());
    EXPECT_EQ(splash.FieldRect(ClockField::Hours), QRect(0, 0, 50, 35));
    EXPECT_EQ(splash.FieldRect(ClockField::Minutes), QRect(70, 0, 50, 35));

    splash.SetDigitWidth(30);
    EXPECT_EQ(modified, 1); // resizing does not mark the project
    EXPECT_EQ(splash.FieldRect(ClockField::Hours).size(), QSize(60, 35));
    EXPECT_EQ(splash.FieldRect(ClockField::Minutes).size(), QSize(60, 35));
    EXPECT_EQ(splash.FieldPicture(ClockField::Minutes).size(), QSize(60, 35));
    splash.SetClockShown(true);
    EXPECT_EQ(splash.FieldPosition(ClockField::Minutes), QPoint(80, 0));

    splash.SetClockShown(false);
    EXPECT_FALSE(splash.ClockShown());
    EXPECT_FALSE(splash.DigitSizeEditable());
    EXPECT_EQ(modified, 3);
}

TEST_F(SplashTest, DigitSizeIsKeptInRange)
{
    struct Case
    {
        int w, h, wantW, wantH;
    } cases[] = {{0, 0, 1, 1}, {-7, 35, 1, 35}, {120, 240, 120, 240}, {121, 241, 120, 240}, {500, 9000, 120, 240}};
    for (const Case& c : cases) {
        splash.SetDigitWidth(c.w);
        splash.SetDigitHeight(c.h);
        EXPECT_EQ(splash.DigitWidth(), c.wantW) << c.w;
        EXPECT_EQ(splash.DigitHeight(), c.wantH) << c.h;
    }
}

// --- picking and recolouring ---------------------------------------------------------------------

TEST_F(SplashTest, PickTakesThePixelJustBelowTheFieldsBottomLeftCorner)
{
    QImage pic(240, 320, QImage::Format_RGB32);
    pic.fill(kWhite);
    pic.setPixel(10, 85, kRed);   // below a field at (10, 50) of height 35
    pic.setPixel(10, 319, kBlue); // last row
    splash.SetPicture(pic);
    splash.PlaceField(ClockField::Hours, QPoint(10, 50));
    splash.PickClockBackColor(ClockField::Hours);
    EXPECT_EQ(splash.ClockBackColor(), 0x0000FFu); // red as 0x00BBGGRR

    // A field standing on the bottom edge has nothing below it: the last row is taken.
    splash.PlaceField(ClockField::Hours, QPoint(10, 285));
    splash.PickClockBackColor(ClockField::Hours);
    EXPECT_EQ(splash.ClockBackColor(), 0xFF0000u);
}

TEST_F(SplashTest, PickReadsThePictureAsDisplayed)
{
    // 120 x 160, red above y = 80, green below, shown stretched to 240 x 320: the pixel under a
    // field at (0, 100) of height 35 is at screen y = 135, in the red half.
    QImage small(120, 160, QImage::Format_RGB32);
    small.fill(kRed);
    for (int y = 80; y < 160; ++y)
        for (int x = 0; x < 120; ++x)
            small.setPixel(x, y, kGreen);
    splash.SetPicture(small);
    splash.PlaceField(ClockField::Hours, QPoint(0, 100));
    splash.PickClockBackColor(ClockField::Hours);
    EXPECT_EQ(splash.ClockBackColor(), 0x0000FFu);

    // An empty picture shows white.
    splash.SetPicture(QImage());
    splash.PickClockBackColor(ClockField::Hours);
    EXPECT_EQ(splash.ClockBackColor(), 0xFFFFFFu);
}

TEST_F(SplashTest, TransparentClockShowsDigitColourOnColourUnderEachField)
{
    splash.SetPicture(BlueOverGreen());
    splash.SetClockShown(true);
    splash.PlaceField(ClockField::Minutes, QPoint(70, 200)); // over green
    splash.SetClockDigitColor(0x0000FF);                     // red digits
    modified = 0;

    splash.SetClockTransparent(true);
    EXPECT_EQ(modified, 1);
    EXPECT_EQ(splash.ClockBackColor(), 0x00FF00u); // ends as the colour under the minutes field
    const QImage sampleH = ClockSamplePicture(ClockField::Hours);
    const QImage hours = splash.FieldPicture(ClockField::Hours);
    const QImage minutes = splash.FieldPicture(ClockField::Minutes);
    EXPECT_EQ(Colours(hours), (QSet<QRgb>{kRed, kBlue}));
    EXPECT_EQ(Colours(minutes), (QSet<QRgb>{kRed, kGreen}));
    for (QPoint p : {QPoint(12, 4), QPoint(20, 10), QPoint(37, 16), QPoint(0, 34)})
        EXPECT_EQ(hours.pixel(p) == kRed, sampleH.pixel(p) == kBlack) << p.x() << "," << p.y();

    // A new digit colour recolours at once while the clock is shown.
    splash.SetClockDigitColor(0x000000);
    EXPECT_EQ(Colours(splash.FieldPicture(ClockField::Hours)), (QSet<QRgb>{kBlack, kBlue}));

    splash.SetClockTransparent(false);
    EXPECT_EQ(Colours(splash.FieldPicture(ClockField::Hours)), (QSet<QRgb>{kBlack, kWhite}));
    EXPECT_EQ(splash.FieldPicture(ClockField::Hours).pixel(12, 4), sampleH.pixel(12, 4));
}

TEST_F(SplashTest, RecolourDoesNothingWhileOpaque)
{
    splash.SetPicture(BlueOverGreen());
    splash.PickClockBackColor(ClockField::Hours);
    splash.RecolourField(ClockField::Hours);
    EXPECT_EQ(Colours(splash.FieldPicture(ClockField::Hours)), (QSet<QRgb>{kBlack, kWhite}));
}

TEST_F(SplashTest, DraggingAFieldPicksBeforeMovingAndRecoloursOnRelease)
{
    splash.SetPicture(BlueOverGreen());
    splash.SetClockShown(true);
    splash.SetClockTransparent(true);
    modified = 0;
    // The hours field at (0, 0) stands over blue; it is dragged down into the green half.
    splash.DragField(ClockField::Hours, QPoint(5, 5), QPoint(5, 205));
    EXPECT_EQ(splash.FieldPosition(ClockField::Hours), QPoint(0, 200));
    EXPECT_EQ(splash.ClockBackColor(), 0xFF0000u); // picked where it stood: blue
    EXPECT_EQ(modified, 0);
    splash.DragField(ClockField::Hours, QPoint(5, 5), QPoint(500, 5));
    EXPECT_EQ(splash.ClockBackColor(), 0x00FF00u);
    EXPECT_EQ(splash.FieldPosition(ClockField::Hours), QPoint(190, 200)); // right edge at 240
    splash.EndFieldDrag(ClockField::Hours);
    EXPECT_EQ(modified, 1);
    EXPECT_TRUE(Colours(splash.FieldPicture(ClockField::Hours)).contains(kGreen));
}

// --- tm.bin --------------------------------------------------------------------------------------

TEST_F(SplashTest, ClockRecordOfTheWorkedExample)
{
    splash.SetClockShown(true);
    splash.SetClockColors(0x000000, 0xFFFFFF);
    EXPECT_EQ(ClockSettingsRecord(splash), QByteArray::fromHex("00000000460000001900230000ffff0000"));

    QTemporaryDir dir;
    const QString file = dir.filePath("tm.bin");
    WriteClockSettings(splash, file);
    EXPECT_EQ(testutil::ReadAll(file), QByteArray::fromHex("00000000460000001900230000ffff0000"));
    EXPECT_THROW(WriteClockSettings(splash, dir.filePath("no/such/folder/tm.bin")), TError);
}

TEST_F(SplashTest, ClockRecordPacksTransparencyAndColoursAtOddOffsets)
{
    splash.SetPicture(BlueOverGreen());
    splash.SetClockShown(true);
    splash.PlaceField(ClockField::Hours, QPoint(300, 2)); // a value above 255 needs both bytes
    splash.SetClockTransparent(true);                      // picks blue under the minutes field
    splash.SetClockDigitColor(0x0000FF);                   // red
    const QByteArray r = ClockSettingsRecord(splash);
    ASSERT_EQ(r.size(), 17);
    EXPECT_EQ(r.left(4), QByteArray::fromHex("2c010200"));
    EXPECT_EQ(r.mid(12), QByteArray::fromHex("011f0000f8"));
}

TEST_F(SplashTest, DefaultBackgroundIsTheDesktopButtonFace)
{
    splash.SetClockShown(true);
    const QColor face = QGuiApplication::palette().color(QPalette::Button);
    const quint16 want = Rgb565(quint8(face.red()), quint8(face.green()), quint8(face.blue()));
    const QByteArray r = ClockSettingsRecord(splash);
    EXPECT_EQ(testutil::U16(r, 13), want);
}

// --- pictures ------------------------------------------------------------------------------------

TEST_F(SplashTest, LoadingAPictureRemembersTheFileAndKeepsOldOnDecodeError)
{
    QTemporaryDir dir;
    const QString bmp = dir.filePath("logo.bmp");
    ASSERT_TRUE(testutil::SolidImage(120, 160, 0xFF0000).save(bmp, "BMP"));
    splash.LoadPicture(bmp);
    EXPECT_EQ(modified, 1);
    EXPECT_EQ(splash.ImageFile(), bmp);
    EXPECT_EQ(splash.Picture().size(), QSize(120, 160));
    EXPECT_EQ(splash.DisplayedPicture().size(), QSize(240, 320));
    EXPECT_EQ(splash.DisplayedPicture().pixel(239, 319), kRed);

    const QString bad = dir.filePath("bad.bmp");
    testutil::WriteAll(bad, "BM not really");
    EXPECT_THROW(splash.LoadPicture(bad), TError);
    EXPECT_EQ(splash.ImageFile(), bmp);
    EXPECT_EQ(splash.Picture().size(), QSize(120, 160));
    EXPECT_EQ(modified, 1);

    // A missing file is an empty picture, not an error; the screen then shows white.
    splash.LoadPicture(dir.filePath("gone.bmp"));
    EXPECT_TRUE(splash.Picture().isNull());
    EXPECT_EQ(splash.DisplayedPicture().pixel(0, 0), kWhite);

    // The displayed picture follows the screen size.
    splash.SetPicture(BlueOverGreen());
    splash.SetScreenSize(QSize(320, 240));
    EXPECT_EQ(splash.DisplayedPicture().size(), QSize(320, 240));
}

// --- splash settings -----------------------------------------------------------------------------

class SplashSettingsTest : public ::testing::Test
{
protected:
    QString MakeGif(const QString& name)
    {
        gifwriter::Gif g;
        g.Width = g.Height = 16;
        g.GlobalMap = {kRed, kWhite};
        g.Frames = {gifwriter::SolidFrame(0, 0, 16, 16, 0), gifwriter::SolidFrame(0, 0, 16, 16, 1)};
        const QString path = dir.filePath(name);
        EXPECT_TRUE(gifwriter::WriteGif(path, g));
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(SplashSettingsTest, GatherAndApplyRoundTrip)
{
    TSplash a;
    TAnimation animA;
    a.SetPicture(BlueOverGreen());
    a.SetClockShown(true);
    a.SetDigitWidth(20);
    a.SetDigitHeight(30);
    a.PlaceField(ClockField::Hours, QPoint(15, 100));
    a.PlaceField(ClockField::Minutes, QPoint(70, 120));
    a.SetClockColors(0x123456, 0x00FF00);
    animA.LoadAnimation(MakeGif("spin.gif"));
    animA.SetPosition(QPoint(100, 200));

    const SplashSettings s = GatherSplashSettings(a, animA);
    EXPECT_TRUE(s.GifLoaded);
    EXPECT_EQ(s.GifFile, animA.FileName());
    EXPECT_EQ(QPoint(s.GifLeft, s.GifTop), QPoint(100, 200));
    EXPECT_TRUE(s.ClockShown);
    EXPECT_FALSE(s.ClockTransparent);
    EXPECT_EQ(QPoint(s.HoursLeft, s.HoursTop), QPoint(15, 100));
    EXPECT_EQ(QPoint(s.MinutesLeft, s.MinutesTop), QPoint(70, 120));
    EXPECT_EQ(s.DigitWidth, 20);
    EXPECT_EQ(s.DigitHeight, 30);
    EXPECT_EQ(s.ClockDigitColor, 0x123456u);
    EXPECT_EQ(s.ClockBackColor, 0x00FF00u);

    TSplash b;
    TAnimation animB;
    ApplySplashSettings(s, b, animB);
    EXPECT_EQ(GatherSplashSettings(b, animB), s);
    EXPECT_EQ(animB.FrameCount(), 2);
    EXPECT_TRUE(animB.PreviewVisible());
    EXPECT_FALSE(b.DigitSizeEditable()); // the boxes end disabled after a load

    // Nothing loaded: the record says so.
    const SplashSettings empty = GatherSplashSettings(TSplash(), TAnimation());
    EXPECT_FALSE(empty.GifLoaded);
    EXPECT_EQ(empty, SplashSettings());
}

TEST_F(SplashSettingsTest, ApplyKeepsLoadedPositionsOnTheScreenAndTheSizeInRange)
{
    SplashSettings s;
    s.ClockShown = true;
    s.HoursLeft = -40;
    s.HoursTop = 1000;
    s.MinutesLeft = 2147483647;
    s.MinutesTop = -2147483647 - 1;
    s.DigitWidth = 0;
    s.DigitHeight = 100000;
    TSplash splash;
    TAnimation anim;
    ApplySplashSettings(s, splash, anim);
    EXPECT_EQ(splash.DigitWidth(), 1);
    EXPECT_EQ(splash.DigitHeight(), 240);
    EXPECT_EQ(splash.FieldPosition(ClockField::Hours), QPoint(0, 80));
    EXPECT_EQ(splash.FieldPosition(ClockField::Minutes), QPoint(238, 0));
}

TEST_F(SplashSettingsTest, ApplyRunsClickHandlingOnlyForChangedBoxes)
{
    // A transparent clock: turning "Transp." on picks the colour under the clock, replacing the
    // stored background colour.
    TSplash splash;
    TAnimation anim;
    splash.SetPicture(BlueOverGreen());
    SplashSettings s;
    s.ClockShown = true;
    s.ClockTransparent = true;
    s.ClockBackColor = 0x123456;
    int modified = 0;
    splash.OnModified = [&] { ++modified; };
    ApplySplashSettings(s, splash, anim);
    EXPECT_EQ(modified, 2); // both boxes changed
    EXPECT_EQ(splash.ClockBackColor(), 0xFF0000u);

    // Applying the same again changes no box: no click handling, the stored colour stays.
    s.ClockBackColor = 0x654321;
    ApplySplashSettings(s, splash, anim);
    EXPECT_EQ(modified, 2);
    EXPECT_EQ(splash.ClockBackColor(), 0x654321u);
}

TEST_F(SplashSettingsTest, ApplyWithMissingOrDamagedGifLeavesTheAnimation)
{
    TSplash splash;
    TAnimation anim;
    const QString gif = MakeGif("spin.gif");
    anim.LoadAnimation(gif);
    anim.SetPosition(QPoint(5, 6));

    SplashSettings s;
    s.GifLoaded = true;
    s.GifFile = dir.filePath("gone.gif");
    s.GifLeft = 50;
    ApplySplashSettings(s, splash, anim);
    EXPECT_EQ(anim.FileName(), gif);
    EXPECT_EQ(anim.Position(), QPoint(5, 6));

    const QString bad = dir.filePath("bad.gif");
    testutil::WriteAll(bad, "GIF89a broken");
    s.GifFile = bad;
    s.ClockShown = true;
    EXPECT_THROW(ApplySplashSettings(s, splash, anim), TError);
    EXPECT_TRUE(splash.ClockShown()); // the clock part was applied before the GIF
    EXPECT_EQ(anim.FileName(), gif);
    EXPECT_EQ(anim.FrameCount(), 2);

    // A GIF larger on the screen than the position allows is kept on the screen.
    s.GifFile = gif;
    s.GifLeft = 239;
    s.GifTop = -3;
    ApplySplashSettings(s, splash, anim);
    EXPECT_EQ(anim.Position(), QPoint(224, 0));
}

} // namespace
