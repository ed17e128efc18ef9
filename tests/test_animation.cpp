#include <QDir>
#include <functional>
#include <QFile>
#include <QTemporaryDir>
#include <limits>
#include <gtest/gtest.h>

#include "gifwriter.h"
#include "base/terror.h"
#include "output/animation.h"
#include "output/splash.h"
#include "testutil.h"

using gifwriter::Frame;
using gifwriter::Gif;
using gifwriter::SolidFrame;

namespace {

constexpr QRgb kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

// Three 32 x 32 frames on white (the key of a frame whose bottom-left pixel is white), each with a
// 16 x 16 square in the middle: red, green, blue.
Gif Wheel()
{
    Gif g;
    g.Width = g.Height = 32;
    g.GlobalMap = {kRed, kGreen, kBlue, kWhite};
    for (quint8 i = 0; i < 3; ++i) {
        Frame f = SolidFrame(0, 0, 32, 32, 3);
        for (int y = 8; y < 24; ++y)
            for (int x = 8; x < 24; ++x)
                f.Pixels[size_t(y * 32 + x)] = i;
        g.Frames.push_back(f);
    }
    return g;
}

quint16 PixelAt(const QByteArray& file, int width, int x, int y)
{
    return testutil::U16(file, 2 * (qsizetype(y) * width + x));
}

class AnimationTest : public ::testing::Test
{
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }

    // Writes a GIF into the temporary folder and returns its path.
    QString Make(const QString& name, const Gif& gif)
    {
        const QString path = Path(name);
        EXPECT_TRUE(gifwriter::WriteGif(path, gif));
        return path;
    }

    QString Output() const { return dir.filePath("out"); }

    QTemporaryDir dir;
    TSplash splash;
    TAnimation anim;
};

// --- loading -------------------------------------------------------------------------------------

TEST_F(AnimationTest, WheelExampleGivesCaptionsFramesAndHeader)
{
    int modified = 0;
    anim.OnModified = [&] { ++modified; };
    const QString file = Make("wheel.gif", Wheel());
    anim.LoadAnimation(file);
    EXPECT_EQ(modified, 1);
    ASSERT_EQ(anim.FrameCount(), 3);
    EXPECT_EQ(anim.FileName(), file);
    EXPECT_EQ(anim.FrameSize(), QSize(32, 32));
    EXPECT_TRUE(anim.PreviewVisible());
    EXPECT_TRUE(anim.TimerActive());
    const QStringList captions = {"wheel-0.bmp", "wheel-1.bmp", "wheel-2.bmp"};
    const QRgb colours[] = {kRed, kGreen, kBlue};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(anim.Frames()[size_t(i)].Caption, captions[i]);
        EXPECT_EQ(anim.Frames()[size_t(i)].Picture.pixel(16, 16), colours[i]) << i;
    }

    anim.Drag(QPoint(5, 5), QPoint(105, 205), splash.ScreenSize());
    anim.EndDrag();
    EXPECT_EQ(modified, 2);
    EXPECT_EQ(anim.Position(), QPoint(100, 200));

    anim.WriteAnimationFiles(Output(), splash);
    const QDir out(Output());
    for (const char* name : {"a00.bin", "a01.bin", "a02.bin"})
        EXPECT_EQ(QFileInfo(out.filePath(name)).size(), 2048) << name;
    EXPECT_FALSE(out.exists("a03.bin"));
    EXPECT_EQ(testutil::ReadAll(out.filePath("anime.bin")),
              QByteArray::fromHex("0364006400c80020002000"));
    EXPECT_EQ(PixelAt(testutil::ReadAll(out.filePath("a01.bin")), 32, 16, 16), 0x07E0);
}

TEST_F(AnimationTest, CaptionsDropFolderAndLastExtension)
{
    anim.LoadAnimation(Make("my.spin.gif", Wheel()));
    EXPECT_EQ(anim.Frames()[2].Caption, "my.spin-2.bmp");
}

TEST_F(AnimationTest, SmallFramePlacedTopRightOnWhite)
{
    // The frame's own offset in the file does not matter: it goes to the top right.
    for (QPoint offset : {QPoint(0, 0), QPoint(5, 7)}) {
        Gif g;
        g.Width = g.Height = 32;
        g.GlobalMap = {kWhite, kRed};
        g.Frames.push_back(SolidFrame(offset.x(), offset.y(), 20, 10, 1));
        anim.LoadAnimation(Make("small.gif", g));
        const QImage& pic = anim.Frames()[0].Picture;
        ASSERT_EQ(pic.size(), QSize(32, 32));
        EXPECT_EQ(pic.pixel(12, 0), kRed);
        EXPECT_EQ(pic.pixel(31, 9), kRed);
        EXPECT_EQ(pic.pixel(11, 0), kWhite);
        EXPECT_EQ(pic.pixel(12, 10), kWhite);
        EXPECT_EQ(pic.pixel(0, 31), kWhite);
    }
}

TEST_F(AnimationTest, DecodesColourMapsTransparencyAndInterlace)
{
    Gif g;
    g.Width = 4;
    g.Height = 10;
    g.GlobalMap = {kRed, kGreen, kBlue, kBlack};
    // Frame 0: index 1 transparent (white), others from the global map.
    Frame f0 = SolidFrame(0, 0, 4, 10, 0);
    f0.Pixels[0] = 1;
    f0.Pixels[1] = 2;
    f0.Transparent = 1;
    // Frame 1: no control block, so index 1 is green again; local map wins over the global one.
    Frame f1 = SolidFrame(0, 0, 4, 10, 1);
    f1.LocalMap = {kBlack, kBlue};
    // Frame 2: interlaced, each row its own index.
    Frame f2 = SolidFrame(0, 0, 4, 10, 0);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 4; ++x)
            f2.Pixels[size_t(y * 4 + x)] = quint8(y % 4);
    f2.Interlace = true;
    g.Frames = {f0, f1, f2, SolidFrame(0, 0, 4, 10, 1)};
    anim.LoadAnimation(Make("maps.gif", g));
    ASSERT_EQ(anim.FrameCount(), 4);
    const auto& fr = anim.Frames();
    EXPECT_EQ(fr[0].Picture.pixel(0, 0), kWhite);
    EXPECT_EQ(fr[0].Picture.pixel(1, 0), kBlue);
    EXPECT_EQ(fr[0].Picture.pixel(2, 0), kRed);
    EXPECT_EQ(fr[1].Picture.pixel(0, 0), kBlue);
    const QRgb rows[] = {kRed, kGreen, kBlue, kBlack};
    for (int y = 0; y < 10; ++y)
        EXPECT_EQ(fr[2].Picture.pixel(3, y), rows[y % 4]) << "row " << y;
    EXPECT_EQ(fr[3].Picture.pixel(0, 0), kGreen);
}

TEST_F(AnimationTest, Accepts255FramesAndNames101stFrameA100)
{
    Gif g;
    g.Width = g.Height = 1;
    g.GlobalMap = {kRed, kGreen};
    g.Frames.assign(255, SolidFrame(0, 0, 1, 1, 0));
    anim.LoadAnimation(Make("many.gif", g));
    EXPECT_EQ(anim.FrameCount(), 255);
    EXPECT_EQ(anim.Frames()[254].Caption, "many-254.bmp");

    anim.WriteAnimationFiles(Output(), splash);
    const QDir out(Output());
    EXPECT_TRUE(out.exists("a99.bin"));
    EXPECT_TRUE(out.exists("a100.bin"));
    EXPECT_TRUE(out.exists("a254.bin"));
    EXPECT_EQ(quint8(testutil::ReadAll(out.filePath("anime.bin"))[0]), 255);
}

// --- refused files -------------------------------------------------------------------------------

struct BadGif
{
    const char* name;
    std::function<QByteArray(AnimationTest&)> make; // file bytes; empty: no file at all
    const char* message;                           // part of the error text
};

TEST_F(AnimationTest, RefusedFileKeepsPreviousAnimation)
{
    auto bytesOf = [this](const Gif& g) { return testutil::ReadAll(Make("tmp.gif", g)); };
    auto oneFrame = [](int w, int h) {
        Gif g;
        g.Width = w;
        g.Height = h;
        g.GlobalMap = {kRed, kGreen, kBlue, kWhite};
        g.Frames.push_back(SolidFrame(0, 0, w, h, 3));
        return g;
    };
    const BadGif cases[] = {
        {"missing file", [](AnimationTest&) { return QByteArray(); }, "Cannot decode GIF file"},
        {"not a GIF", [](AnimationTest&) { return QByteArray("PNG? no, just text"); }, "Data is not in GIF format"},
        {"truncated in a frame",
         [&](AnimationTest&) {
             QByteArray b = bytesOf(Wheel());
             return b.left(gifwriter::ImageDescriptorOffset(b, 1) + 14);
         },
         "Failed to read"},
        {"empty logical screen",
         [&](AnimationTest&) {
             QByteArray b = bytesOf(oneFrame(4, 4));
             gifwriter::Put16(b, 6, 0);
             return b;
         },
         "logical screen is empty"},
        {"logical screen too large",
         [&](AnimationTest&) {
             QByteArray b = bytesOf(oneFrame(4, 4));
             gifwriter::Put16(b, 8, 321);
             return b;
         },
         "larger than 320 x 320"},
        {"frame right of the logical screen",
         [&](AnimationTest&) {
             QByteArray b = bytesOf(oneFrame(8, 8));
             gifwriter::Put16(b, 6, 7); // screen 7 wide, frame 8 wide at 0
             return b;
         },
         "does not lie within the logical screen of 7 x 8"},
        {"frame offset past the logical screen",
         [&](AnimationTest&) {
             QByteArray b = bytesOf(oneFrame(8, 8));
             gifwriter::Put16(b, gifwriter::ImageDescriptorOffset(b) + 3, 65535); // top
             return b;
         },
         "does not lie within"},
        {"empty frame",
         [&](AnimationTest&) {
             QByteArray b = bytesOf(oneFrame(8, 8));
             gifwriter::Put16(b, gifwriter::ImageDescriptorOffset(b) + 5, 0); // width
             return b;
         },
         "Frame 0 is empty"},
        {"no colour map",
         [&](AnimationTest&) {
             QByteArray b = bytesOf(oneFrame(4, 4));
             gifwriter::DropGlobalMap(b);
             return b;
         },
         "Frame 0 has no colour map"},
        {"colour beyond the map",
         [&](AnimationTest&) {
             Gif g = oneFrame(4, 4); // index 3 of a 4-colour map, map then cut to 2
             QByteArray b = bytesOf(g);
             gifwriter::HalveGlobalMap(b);
             return b;
         },
         "uses colour 3, beyond its colour map of 2 colours"},
        {"no frame",
         [&](AnimationTest&) {
             Gif g = oneFrame(4, 4);
             g.Frames.clear();
             return bytesOf(g);
         },
         "holds no frame"},
        {"256 frames",
         [&](AnimationTest&) {
             Gif g = oneFrame(1, 1);
             g.Frames.assign(256, SolidFrame(0, 0, 1, 1, 0));
             return bytesOf(g);
         },
         "more than 255 frames"},
    };

    const QString wheel = Make("wheel.gif", Wheel());
    for (const BadGif& c : cases) {
        SCOPED_TRACE(c.name);
        anim.LoadAnimation(wheel);
        anim.SetPosition(QPoint(30, 40));
        anim.Tick();
        anim.Tick();
        int modified = 0;
        anim.OnModified = [&] { ++modified; };

        const QByteArray bytes = c.make(*this);
        const QString bad = Path("bad.gif");
        QFile::remove(bad);
        if (!bytes.isEmpty())
            testutil::WriteAll(bad, bytes);
        try {
            anim.LoadAnimation(bad);
            ADD_FAILURE() << "accepted";
        } catch (const TError& e) {
            EXPECT_TRUE(e.Message().contains(QLatin1String(c.message))) << e.what();
            EXPECT_TRUE(e.Message().contains(bad)) << e.what();
        }
        EXPECT_EQ(modified, 0);
        EXPECT_EQ(anim.FrameCount(), 3);
        EXPECT_EQ(anim.FileName(), wheel);
        EXPECT_EQ(anim.Position(), QPoint(30, 40));
        EXPECT_EQ(anim.Counter(), 2);
        EXPECT_EQ(anim.Frames()[1].Picture.pixel(16, 16), kGreen);
        anim.OnModified = nullptr;
    }
}

// --- preview, speed, deletion, clearing ------------------------------------------------------------

TEST_F(AnimationTest, TicksCycleThroughFramesAndSpeedZeroStands)
{
    EXPECT_EQ(anim.Tick(), -1); // nothing loaded
    anim.LoadAnimation(Make("wheel.gif", Wheel()));
    EXPECT_EQ(anim.Speed(), 100);
    EXPECT_EQ(anim.ShownFrame(), 0);
    std::vector<int> shown;
    for (int i = 0; i < 4; ++i)
        shown.push_back(anim.Tick());
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 0}));
    EXPECT_EQ(anim.PreviewPicture().pixel(16, 16), kRed);

    anim.SetSpeed(0);
    EXPECT_FALSE(anim.TimerActive());
    EXPECT_EQ(anim.Tick(), 0);
    EXPECT_EQ(anim.Tick(), 0);
    EXPECT_EQ(anim.Counter(), 1);

    anim.WriteAnimationFiles(Output(), splash);
    EXPECT_EQ(testutil::ReadAll(QDir(Output()).filePath("anime.bin")), QByteArray::fromHex("0300000000000020002000"));
    EXPECT_EQ(QFileInfo(QDir(Output()).filePath("a02.bin")).size(), 2048);

    anim.SetSpeed(-5);
    EXPECT_EQ(anim.Speed(), 0);
    anim.SetSpeed(70000);
    EXPECT_EQ(anim.Speed(), 65535);
}

TEST_F(AnimationTest, DeletingMiddleFrameKeepsOthersAndCounterInRange)
{
    anim.LoadAnimation(Make("wheel.gif", Wheel()));
    anim.Tick();
    anim.Tick(); // shown 1, counter 2
    EXPECT_FALSE(anim.DeleteFrame(3));
    EXPECT_FALSE(anim.DeleteFrame(-1));
    ASSERT_TRUE(anim.DeleteFrame(1));
    ASSERT_EQ(anim.FrameCount(), 2);
    EXPECT_EQ(anim.Frames()[0].Caption, "wheel-0.bmp");
    EXPECT_EQ(anim.Frames()[1].Caption, "wheel-2.bmp");
    EXPECT_EQ(anim.Frames()[1].Picture.pixel(16, 16), kBlue);
    EXPECT_EQ(anim.Counter(), 1); // still points at the blue frame
    EXPECT_EQ(anim.Tick(), 1);
    EXPECT_EQ(anim.Tick(), 0);

    anim.WriteAnimationFiles(Output(), splash);
    const QDir out(Output());
    EXPECT_TRUE(out.exists("a00.bin"));
    EXPECT_TRUE(out.exists("a01.bin"));
    EXPECT_FALSE(out.exists("a02.bin"));
    EXPECT_EQ(quint8(testutil::ReadAll(out.filePath("anime.bin"))[0]), 2);
    EXPECT_EQ(PixelAt(testutil::ReadAll(out.filePath("a01.bin")), 32, 16, 16), 0x001F);

    // Deleting the last frame while the counter points at it wraps the counter to the start.
    anim.Tick(); // shows 1
    anim.Tick(); // shows 0, counter 1
    ASSERT_EQ(anim.Counter(), 1);
    ASSERT_TRUE(anim.DeleteFrame(1));
    EXPECT_EQ(anim.Counter(), 0);
    EXPECT_EQ(anim.ShownFrame(), 0);
    EXPECT_EQ(anim.Tick(), 0);
}

TEST_F(AnimationTest, ClearForgetsEverythingAndWritesNothing)
{
    anim.LoadAnimation(Make("wheel.gif", Wheel()));
    anim.Drag(QPoint(0, 0), QPoint(50, 60), splash.ScreenSize());
    int modified = 0;
    anim.OnModified = [&] { ++modified; };
    anim.Clear();
    EXPECT_EQ(modified, 1);
    EXPECT_EQ(anim.FrameCount(), 0);
    EXPECT_TRUE(anim.FileName().isEmpty());
    EXPECT_EQ(anim.Position(), QPoint(0, 0));
    EXPECT_FALSE(anim.PreviewVisible());
    EXPECT_FALSE(anim.TimerActive());
    EXPECT_EQ(anim.PreviewSize(), QSize(48, 48));

    anim.WriteAnimationFiles(Output(), splash);
    EXPECT_FALSE(QDir(Output()).exists("anime.bin"));
    EXPECT_FALSE(QDir(Output()).exists("a00.bin"));
}

// --- dragging ------------------------------------------------------------------------------------

TEST(KeepOnPicture, ClampsEdgesWithRightAndBottomWinning)
{
    struct Case
    {
        QPoint in;
        QSize item;
        QPoint out;
    } cases[] = {
        {{300, 10}, {32, 32}, {208, 10}},   // right edge stops at 240
        {{-20, -5}, {32, 32}, {0, 0}},      // left and top
        {{10, 400}, {32, 32}, {10, 288}},   // bottom edge stops at 320
        {{-20, -5}, {300, 400}, {-60, -80}}, // larger than the picture: right and bottom win
        {{208, 288}, {32, 32}, {208, 288}}, // exactly at the corner stays
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeepOnPicture(c.in, c.item, QSize(240, 320)), c.out) << c.in.x() << "," << c.in.y();
}

TEST_F(AnimationTest, DragPastRightEdgeStopsAt240)
{
    anim.LoadAnimation(Make("wheel.gif", Wheel()));
    anim.SetPosition(QPoint(200, 10));
    anim.Drag(QPoint(10, 10), QPoint(60, 12), QSize(240, 320));
    EXPECT_EQ(anim.Position(), QPoint(208, 12));
    EXPECT_EQ(anim.Position().x() + anim.PreviewSize().width(), 240);
}

// --- composition under the preview --------------------------------------------------------------

TEST_F(AnimationTest, FrameComposedOverSplashAndShownClockField)
{
    QImage blue(240, 320, QImage::Format_RGB32);
    blue.fill(kBlue);
    splash.SetPicture(blue);
    splash.SetClockShown(true); // hours field 50 x 35 at (0, 0), sample "12"

    // 32 x 32 frame: white (the key, as its bottom-left pixel) with a red 10 x 10 square at (5, 10)
    // and one black pixel.
    Gif g;
    g.Width = g.Height = 32;
    g.GlobalMap = {kWhite, kRed, kBlack};
    Frame f = SolidFrame(0, 0, 32, 32, 0);
    for (int y = 10; y < 20; ++y)
        for (int x = 5; x < 15; ++x)
            f.Pixels[size_t(y * 32 + x)] = 1;
    f.Pixels[size_t(30 * 32 + 30)] = 2;
    g.Frames.push_back(f);
    anim.LoadAnimation(Make("sq.gif", g));
    anim.SetPosition(QPoint(40, 0)); // x 40..71: the hours field's right end, blue, the minutes field

    anim.WriteAnimationFiles(Output(), splash);
    const QByteArray a00 = testutil::ReadAll(QDir(Output()).filePath("a00.bin"));
    ASSERT_EQ(a00.size(), 2048);
    struct Expect
    {
        int x, y; // in the frame
        quint16 rgb565;
        const char* what;
    } expects[] = {
        {2, 4, 0x0000, "top segment of the sample 2 (screen 42, 4)"},
        {8, 25, 0xFFFF, "white of the sample beside the 2 (screen 48, 25)"},
        {20, 5, 0x001F, "splash picture right of the field (screen 60, 5)"},
        {7, 15, 0xF800, "red square over the clock field (screen 47, 15)"},
        {12, 15, 0xF800, "red square over the splash picture (screen 52, 15)"},
        {30, 30, 0x0000, "opaque black pixel of the frame"},
        {0, 31, 0x0000, "key-coloured corner left out: the 2's bottom segment shows (screen 40, 31)"},
        {25, 31, 0x001F, "key-coloured pixel left out: splash shows between the fields (screen 65, 31)"},
        {31, 3, 0xFFFF, "key-coloured pixel left out: the minutes field's margin shows (screen 71, 3)"},
    };
    for (const Expect& e : expects)
        EXPECT_EQ(PixelAt(a00, 32, e.x, e.y), e.rgb565) << e.what;

    // A hidden clock is not part of the area.
    splash.SetClockShown(false);
    const QImage bare = ComposeAnimationFrame(splash, anim.Frames()[0].Picture, anim.Position());
    EXPECT_EQ(bare.pixel(2, 4), kBlue);
}

TEST_F(AnimationTest, SplashIsComposedAsDisplayedStretchedToTheScreen)
{
    // A 120 x 160 picture, left half red, right half green, shown stretched to 240 x 320.
    QImage half(120, 160, QImage::Format_RGB32);
    half.fill(kRed);
    for (int y = 0; y < 160; ++y)
        for (int x = 60; x < 120; ++x)
            half.setPixel(x, y, kGreen);
    splash.SetPicture(half);
    const QImage frame = testutil::SolidImage(16, 16, 0xFFFFFF); // all key colour
    const QImage area = ComposeAnimationFrame(splash, frame, QPoint(200, 300));
    EXPECT_EQ(area.pixel(0, 0), kGreen);
    EXPECT_EQ(area.pixel(15, 15), kGreen);

    // Off the screen there is nothing of the splash, however far.
    constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
    for (QPoint far : {QPoint(240, 0), QPoint(kMin, 5), QPoint(3, kMax)})
        EXPECT_EQ(ComposeAnimationFrame(splash, frame, far).pixel(0, 0), kBlack) << far.x() << "," << far.y();
}

TEST_F(AnimationTest, AnimationOffTheSplashScreenIsRefusedBeforeWriting)
{
    anim.LoadAnimation(Make("wheel.gif", Wheel()));
    splash.SetScreenSize(QSize(320, 240));
    anim.SetPosition(QPoint(100, 220)); // bottom at 252 on a 240-high screen
    EXPECT_THROW(anim.WriteAnimationFiles(Output(), splash), TError);
    EXPECT_FALSE(QDir(Output()).exists("a00.bin"));
    EXPECT_FALSE(QDir(Output()).exists("anime.bin"));
}

TEST_F(AnimationTest, UnwritableFrameFileGivesFileError)
{
    anim.LoadAnimation(Make("wheel.gif", Wheel()));
    testutil::WriteAll(Path("plain"), "x"); // a file where the folder should be
    try {
        anim.WriteAnimationFiles(Path("plain"), splash);
        ADD_FAILURE() << "no error";
    } catch (const TError& e) {
        EXPECT_TRUE(e.Message().startsWith("Cannot create file")) << e.what();
    }
}

} // namespace
