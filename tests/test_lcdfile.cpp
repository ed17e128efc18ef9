#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>

#include "base/codepage.h"
#include "base/picturecache.h"
#include "base/terror.h"
#include "project/lcdfile.h"
#include "testutil.h"

namespace {

using testutil::U16;
using testutil::U32;
using testutil::U8;

constexpr qsizetype FirstRecord = ProjectHeaderSize + ScreenHeaderSize;

struct Project
{
    TLCDList list;
    TLCD powerFail;
    SplashSettings splash;

    Project() { list.AddScreen(240, 320); }
    TLCD& First() { return *list.Items(0); }
    QByteArray Bytes() { return ProjectBytes(list, powerFail, splash); }
};

// A project with every kind of element, texts in the code page and splash settings, to check that
// nothing is lost on the way through the file.
void FillRichProject(Project& p)
{
    TLCD& s = p.First();
    s.BackgroundColor = 0x123456;
    TElement* dro = s.AddElement(ekDRO, 10, 20);
    dro->SetText("400.5278");
    dro->Format = "%+8.3f";
    dro->ShowAsAxis = 1;
    dro->AxisColor = 0x00FF00;
    dro->AxisNum = 4;
    dro->SetScaleW(2);
    TElement* led = s.AddElement(ekLED, 30, 40);
    led->OnColor = 0x0000FF;
    led->OffColor = 0x000080;
    led->BackColor = 0x000080;
    led->LedMode = 1;
    led->BlinkInterval = 250;
    TElement* bar = s.AddElement(ekBar, 50, 60);
    bar->MaxVal = 1000;
    bar->YellowPct = 55;
    bar->RedPct = 77;
    bar->Reserved = -2;
    s.AddElement(ekShift, 70, 80);
    s.AddElement(ekStatus, 0, 300);
    TElement* text = s.AddElement(ekText, 90, 100);
    text->SetText("\xCF\xF0\xE8\xE2\xE5\xF2"); // "Привет"
    text->FontName = QStringLiteral("DejaVu Sans");
    text->FontSize = 12;
    text->FontBold = true;
    text->UpdateSize();
    TElement* shape = s.AddElement(ekShape, 110, 120);
    shape->ShapeType = stCircle;
    shape->PenColor = 0x00AA00;
    s.AddElement(ekClock, 5, 6);
    TLCD* second = p.list.AddScreen(240, 320);
    second->SetLandscape(true);
    second->AddElement(ekLED, 300, 200);
    TElement* pf = p.powerFail.AddElement(ekDRO, 10, 20);
    pf->Format = "%3.0f";
    pf->SetText("  0");
    p.splash = {true, 100, 200, QStringLiteral("/tmp/wheel.gif"), true, true, 1, 2, 70, 4, 25, 35, 0x000000, 0xFFFFFF};
}

} // namespace

TEST(ProjectFile, EmptyProjectIs1088Bytes)
{
    Project p;
    const QByteArray b = p.Bytes();
    ASSERT_EQ(b.size(), 548 + 270 + 270);
    EXPECT_EQ(U8(b, 0), 1);
    EXPECT_EQ(U32(b, ProjectHeaderSize + 1), 240u);
    EXPECT_EQ(U32(b, ProjectHeaderSize + 5), 320u);
    EXPECT_EQ(U32(b, ProjectHeaderSize + 10), 0xFFFFFFu);
    EXPECT_EQ(b.mid(300, 248), QByteArray(248, '\0'));
}

TEST(ProjectFile, SplashSettingsStandWhereTheHeaderPutsThem)
{
    Project p;
    p.splash = {true, -5, 7, QStringLiteral("anim.gif"), true, false, 11, 12, 13, 14, 25, 35, 0x010203, 0x0A0B0C};
    const QByteArray b = p.Bytes();
    EXPECT_EQ(U8(b, 1), 1);
    EXPECT_EQ(qint32(U32(b, 2)), -5);
    EXPECT_EQ(U32(b, 6), 7u);
    EXPECT_EQ(U8(b, 10), 8);
    EXPECT_EQ(b.mid(11, 8), QByteArray("anim.gif"));
    EXPECT_EQ(U8(b, 266), 1);
    EXPECT_EQ(U8(b, 267), 0);
    EXPECT_EQ(U32(b, 268), 11u); // hours left
    EXPECT_EQ(U32(b, 272), 13u); // minutes left
    EXPECT_EQ(U32(b, 276), 12u); // hours top
    EXPECT_EQ(U32(b, 280), 14u); // minutes top
    EXPECT_EQ(U32(b, 284), 25u);
    EXPECT_EQ(U32(b, 288), 35u);
    EXPECT_EQ(U32(b, 292), 0x010203u);
    EXPECT_EQ(U32(b, 296), 0x0A0B0Cu);
}

TEST(ProjectFile, ElementRecordLayout)
{
    Project p;
    p.list.SetZoom(3);
    TElement* led = p.First().AddElement(ekLED, 7, 30);
    led->OnColor = 0x0000FF;
    led->OffColor = 0x00FF00;
    led->TextColor = 0xABCDEF;
    led->SetOrderNo(300);
    led->BlinkInterval = 0x1234;
    TElement* shape = p.First().AddElement(ekShape, 0, 0);
    shape->PenColor = 0x111111;
    shape->BackColor = 0x222222;
    shape->TextColor = 0x333333;
    const QByteArray b = p.Bytes();
    ASSERT_EQ(b.size(), 548 + 270 + 2 * 1370 + 270);

    EXPECT_EQ(U32(b, ProjectHeaderSize + 1), 720u); // displayed size at zoom 3, ignored when read
    EXPECT_EQ(U32(b, ProjectHeaderSize + 5), 960u);
    EXPECT_EQ(U8(b, ProjectHeaderSize + 9), 2);
    const qsizetype r = FirstRecord;
    EXPECT_EQ(U8(b, r + 0), ekLED);
    EXPECT_EQ(U8(b, r + 1), 44);          // 300, low byte
    EXPECT_EQ(U16(b, r + 4), 2);          // Left 7 at zoom 3
    EXPECT_EQ(U16(b, r + 6), 10);
    EXPECT_EQ(U16(b, r + 8), 6);          // 20 window pixels at zoom 3
    EXPECT_EQ(U32(b, r + 22), 0x0000FFu); // on colour first
    EXPECT_EQ(U32(b, r + 26), 0x00FF00u); // off colour second
    EXPECT_EQ(U32(b, r + 1364), 0xABCDEFu);
    EXPECT_EQ(U16(b, r + 1309), 0x1234);
    const qsizetype s = r + 1370;
    EXPECT_EQ(U32(b, s + 22), 0x111111u); // a shape's pen first
    EXPECT_EQ(U32(b, s + 26), 0x222222u);
    EXPECT_EQ(U32(b, s + 1364), 0x333333u);

    TLCDList list;
    TLCD powerFail;
    LoadProjectBytes(b, "t", list, powerFail);
    const TElement* back = list.Items(0)->Item(0);
    EXPECT_EQ(back->OrderNo, 44);
    EXPECT_EQ(back->OnColor, 0x0000FFu);
    EXPECT_EQ(back->OffColor, 0x00FF00u);
    EXPECT_EQ(back->BackColor, 0x00FF00u);
    EXPECT_EQ(back->TextColor, 0xABCDEFu);
    EXPECT_EQ(back->PanelX, 2);
    EXPECT_EQ(back->Width, 6);
    const TElement* backShape = list.Items(0)->Item(1);
    EXPECT_EQ(backShape->PenColor, 0x111111u);
    EXPECT_EQ(backShape->BackColor, 0x222222u);
    EXPECT_EQ(backShape->TextColor, 0x333333u);
}

TEST(ProjectFile, TextsAreCutToTheirFields)
{
    Project p;
    TElement* e = p.First().AddElement(ekDRO, 0, 0);
    e->Format = QByteArray(20, 'f');
    e->Text = QByteArray(300, 't');
    e->FontName = QString(40, 'n');
    p.First().BackgroundFile = QString(300, 'b');
    const QByteArray b = p.Bytes();
    EXPECT_EQ(U8(b, FirstRecord + 38), 10);
    EXPECT_EQ(U8(b, FirstRecord + 49), 254);
    EXPECT_EQ(U8(b, FirstRecord + 1329), 30);
    EXPECT_EQ(U8(b, ProjectHeaderSize + 14), 255);
}

TEST(ProjectFile, LoadingAndSavingAgainGivesTheSameBytes)
{
    Project p;
    FillRichProject(p);
    const QByteArray first = p.Bytes();

    TLCDList list;
    TLCD powerFail;
    const TLoadResult r = LoadProjectBytes(first, "rich.lcd", list, powerFail);
    EXPECT_EQ(r.Splash, p.splash);
    EXPECT_FALSE(r.Relinked);
    EXPECT_TRUE(r.Warnings.isEmpty());
    ASSERT_EQ(list.Count(), 2);
    EXPECT_TRUE(list.Items(1)->Landscape);
    EXPECT_EQ(list.Items(0)->Item(5)->Text, QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2"));
    EXPECT_EQ(list.Items(0)->Item(5)->FontName, QString("DejaVu Sans"));
    EXPECT_EQ(list.Items(0)->Item(0)->Width, 8 * 8 * 2); // from the saved text
    EXPECT_FALSE(list.Modified);
    EXPECT_FALSE(powerFail.Modified);
    EXPECT_EQ(ProjectBytes(list, powerFail, r.Splash), first);
}

TEST(ProjectFile, ElementsOutsideTheScreenAreRepaired)
{
    Project p;
    TLCD& s = p.First();
    s.SetLandscape(true);
    TElement* inside = s.AddElement(ekLED, 239, 10);
    TElement* outside = s.AddElement(ekLED, 240, 10);
    TElement* below = s.AddElement(ekShape, 5, 330);
    (void)inside, (void)outside, (void)below;
    s.SetLandscape(false); // 240 wide again: x = 240 is now off the screen
    const QByteArray b = p.Bytes();

    TLCDList list;
    TLCD powerFail;
    LoadProjectBytes(b, "t", list, powerFail);
    const TLCD& back = *list.Items(0);
    EXPECT_EQ(back.Item(0)->PanelX, 239);
    EXPECT_EQ(back.Item(1)->PanelX, 0);
    EXPECT_EQ(back.Item(1)->Left, 0);
    EXPECT_EQ(back.Item(1)->PanelY, 0);
    EXPECT_EQ(back.Item(2)->PanelY, 0);
    EXPECT_EQ(back.Repaired, (QList<TElement*>{back.Item(1), back.Item(2)}));
}

TEST(ProjectFile, BarPicturesComeFromTheFirstRowOfTheirFiles)
{
    QTemporaryDir dir;
    QImage img(22, 5, QImage::Format_RGB888);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 22; ++x)
            img.setPixel(x, y, qRgb(x * 10, y * 50, 255 - x * 10));
    const QString jpg = dir.filePath("green.JPG");
    ASSERT_TRUE(img.save(jpg, "JPEG", 95));

    Project p;
    TElement* bar = p.First().AddElement(ekBar, 0, 0);
    bar->GreenPicFile = jpg;
    bar->RedPicFile = dir.filePath("missing.bmp");
    TLCDList list;
    TLCD powerFail;
    LoadProjectBytes(p.Bytes(), "t", list, powerFail);
    const TElement* back = list.Items(0)->Item(0);
    const QImage decoded = LoadPictureFile(jpg);
    ASSERT_EQ(back->GreenPic.size(), QSize(22, 1));
    EXPECT_EQ(back->GreenPic, decoded.copy(0, 0, 22, 1));
    EXPECT_TRUE(back->RedPic.isNull());                              // missing file: empty
    EXPECT_EQ(back->YellowPic, DefaultBarPicture(BarSegment::Yellow)); // no file: built-in
}

TEST(ProjectFile, NeverProducedKindsGetCommonDefaultsAndTheFileSize)
{
    Project p;
    TElement* odd = p.First().AddElement(5, 10, 10);
    odd->Width = 30;
    odd->Height = 40;
    odd->BackColor = 0x0F0F0F;
    TLCDList list;
    TLCD powerFail;
    LoadProjectBytes(p.Bytes(), "t", list, powerFail);
    const TElement* back = list.Items(0)->Item(0);
    EXPECT_EQ(back->Kind, 5);
    EXPECT_EQ(back->Width, 30);
    EXPECT_EQ(back->Height, 40);
    EXPECT_EQ(back->BackColor, 0x0F0F0Fu);
}

TEST(ProjectFile, MissingPicturesAreOfferedAndMakeTheProjectModified)
{
    QTemporaryDir dir;
    const QString found = dir.filePath("found.bmp");
    ASSERT_TRUE(testutil::SolidImage(4, 4, 0x00FF00).save(found, "BMP"));
    Project p;
    for (int i = 0; i < 2; ++i)
        p.First().AddElement(ekImage, 0, 0)->Text = "/gone/pic" + QByteArray::number(i) + ".bmp";
    const QByteArray b = p.Bytes();

    // Without a handler nobody is asked and the project loads unmodified.
    {
        TLCDList list;
        TLCD powerFail;
        EXPECT_FALSE(LoadProjectBytes(b, "t", list, powerFail).Relinked);
        EXPECT_FALSE(list.Modified);
    }
    TLCDList list;
    TLCD powerFail;
    int asked = 0;
    list.OnFileNotFound = [&](TElement*, QString& name) {
        if (++asked == 2)
            name = found;
    };
    const TLoadResult r = LoadProjectBytes(b, "t", list, powerFail);
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(r.Relinked);
    EXPECT_TRUE(list.Modified);
    EXPECT_TRUE(powerFail.Modified);
    EXPECT_TRUE(list.Items(0)->Item(0)->Picture.isNull());
    EXPECT_EQ(list.Items(0)->Item(1)->Text, ToCodePage(found));
    EXPECT_EQ(list.Items(0)->Item(1)->Picture.size(), QSize(4, 4));
    // The window's own handler is back in place afterwards.
    QString name = "x";
    list.OnFileNotFound(nullptr, name);
    EXPECT_EQ(asked, 3);
}

TEST(ProjectFile, UndecodablePictureIsReportedAndTheLoadCompletes)
{
    QTemporaryDir dir;
    const QString bad = dir.filePath("bad.bmp");
    testutil::WriteAll(bad, QByteArray("BM") + QByteArray(40, '\x7f'));
    Project p;
    p.First().BackgroundFile = bad;
    p.First().AddElement(ekImage, 0, 0)->Text = ToCodePage(bad);
    TLCDList list;
    TLCD powerFail;
    const TLoadResult r = LoadProjectBytes(p.Bytes(), "t", list, powerFail);
    // One warning for the file, naming both of its users.
    ASSERT_EQ(r.Warnings.size(), 1);
    EXPECT_TRUE(r.Warnings[0].contains(bad) && r.Warnings[0].contains("Bitmap image is not valid") &&
                r.Warnings[0].contains("the background of work screen 0") &&
                r.Warnings[0].contains("image element 0 on work screen 0"))
        << r.Warnings[0].toStdString();
    EXPECT_TRUE(r.Missing.isEmpty());
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items(0)->BackgroundFile, bad);
    EXPECT_TRUE(list.Items(0)->Background.isNull());
}

TEST(ProjectFile, TheCallersStepsBuildTheScreens)
{
    Project p;
    p.list.AddScreen(240, 320);
    const QByteArray b = p.Bytes();
    TLCDList list;
    TLCD powerFail;
    int clears = 0, news = 0;
    TLoadSteps steps{[&] { ++clears; while (list.Count()) list.DeleteScreen(list.Items(0)); },
                     [&] { ++news; return list.AddScreen(100, 100); }};
    list.AddScreen(240, 320);
    LoadProjectBytes(b, "t", list, powerFail, steps);
    EXPECT_EQ(clears, 1);
    EXPECT_EQ(news, 2);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items(0)->DisplayWidth, 240); // reading sets zoom 1 and the layout
}

// A file can hold any 32-bit font size; the value is kept, and the free text is measured in a font
// whose pixel size stays between 1 and the cap instead of wrapping round to the smallest.
TEST(ProjectFile, AnyFontSizeInTheFileGivesAUsableFont)
{
    struct Case
    {
        qint32 points;
        int pixels;
    };
    const Case cases[] = {{10, 13}, {0, 1}, {-5, 1}, {INT32_MIN, 1}, {2000000000, MaxFontPixelSize},
                          {INT32_MAX, MaxFontPixelSize}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.points);
        Project p;
        TElement* text = p.First().AddElement(ekText, 0, 0);
        text->Text = "Ab";
        text->FontSize = c.points;
        TLCDList list;
        TLCD powerFail;
        LoadProjectBytes(p.Bytes(), "t", list, powerFail);
        const TElement* back = list.Items(0)->Item(0);
        EXPECT_EQ(back->FontSize, c.points);
        EXPECT_EQ(back->TextFont().pixelSize(), c.pixels);
        EXPECT_EQ(back->TextFont(3).pixelSize(), 3 * c.pixels);
        EXPECT_GT(back->PanelW, 0);
        EXPECT_GT(back->PanelH, 0);
    }
}

// A damaged file is refused before anything is touched.
class DamagedProject : public testing::Test
{
protected:
    void SetUp() override
    {
        list.AddScreen(240, 320)->AddElement(ekLED, 1, 2);
        list.AddScreen(240, 320);
        powerFail.AddElement(ekDRO, 3, 4);
        list.Modified = true;
        powerFail.Modified = false;
        screensBefore = {list.Items(0), list.Items(1)};
    }
    void ExpectRefusedAndUntouched(const QByteArray& bytes, const char* why)
    {
        SCOPED_TRACE(why);
        try {
            LoadProjectBytes(bytes, "/p/damaged.lcd", list, powerFail);
            ADD_FAILURE() << "accepted";
        } catch (const TError& e) {
            EXPECT_TRUE(e.Message().contains("/p/damaged.lcd")) << e.what();
        }
        ASSERT_EQ(list.Count(), 2);
        EXPECT_EQ(list.Items(0), screensBefore[0]);
        EXPECT_EQ(list.Items(1), screensBefore[1]);
        EXPECT_EQ(list.Items(0)->Count(), 1);
        EXPECT_EQ(powerFail.Count(), 1);
        EXPECT_TRUE(list.Modified);
        EXPECT_FALSE(powerFail.Modified);
    }
    TLCDList list;
    TLCD powerFail;
    QList<TLCD*> screensBefore;
};

TEST_F(DamagedProject, TruncatedAtAnyOffsetOrOverLong)
{
    Project p;
    p.First().AddElement(ekDRO, 0, 0);
    p.powerFail.AddElement(ekDRO, 0, 0);
    const QByteArray good = p.Bytes();
    ASSERT_EQ(good.size(), 548 + 270 + 1370 + 270 + 1370);
    for (qsizetype n = 0; n < good.size(); ++n)
        ExpectRefusedAndUntouched(good.left(n), qPrintable(QString("truncated to %1").arg(n)));
    ExpectRefusedAndUntouched(good + '\0', "one byte too many");
}

TEST_F(DamagedProject, InconsistentCountsAndFields)
{
    Project p;
    p.First().AddElement(ekDRO, 0, 0);
    const QByteArray good = p.Bytes();
    struct Case { const char* why; qsizetype at; quint8 value; };
    const Case cases[] = {
        {"no work screen", 0, 0},
        {"more screens than blocks", 0, 3},
        {"more elements than records", ProjectHeaderSize + 9, 2},
        {"format longer than its field", FirstRecord + 38, 11},
        {"text longer than its field", FirstRecord + 49, 255},
        {"picture file longer than its field", FirstRecord + 807, 251},
        {"font name longer than its field", FirstRecord + 1329, 31},
    };
    for (const Case& c : cases) {
        QByteArray b = good;
        b[c.at] = char(c.value);
        ExpectRefusedAndUntouched(b, c.why);
    }
}

TEST_F(DamagedProject, MissingFileIsRefusedWithItsName)
{
    try {
        LoadProject("/nowhere/p.lcd", list, powerFail);
        ADD_FAILURE() << "accepted";
    } catch (const TError& e) {
        EXPECT_TRUE(e.Message().contains("/nowhere/p.lcd"));
    }
    EXPECT_EQ(list.Count(), 2);
}

TEST(ProjectFile, SaveIsAtomicAndClearsTheFlags)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("p.lcd");
    Project p;
    p.First().AddElement(ekLED, 0, 0);
    EXPECT_TRUE(p.list.Modified);
    SaveProject(file, p.list, p.powerFail, p.splash);
    EXPECT_FALSE(p.list.Modified);
    EXPECT_FALSE(p.powerFail.Modified);
    EXPECT_EQ(testutil::ReadAll(file), p.Bytes());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"p.lcd"}); // no temporary left

    TLCDList list;
    TLCD powerFail;
    LoadProject(file, list, powerFail);
    EXPECT_EQ(list.Items(0)->Count(), 1);
}

TEST(ProjectFile, FailedOrImpossibleSavesChangeNothing)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("p.lcd");
    Project p;
    SaveProject(file, p.list, p.powerFail, p.splash);
    const QByteArray before = testutil::ReadAll(file);

    // More elements than a screen block can count: refused, old file kept, flags still set.
    for (int i = 0; i < 256; ++i)
        p.First().AddElement(ekShape, 0, 0);
    EXPECT_THROW(SaveProject(file, p.list, p.powerFail, p.splash), TError);
    EXPECT_EQ(testutil::ReadAll(file), before);
    EXPECT_TRUE(p.list.Modified);

    Project many;
    for (int i = 0; i < 255; ++i)
        many.list.AddScreen(240, 320);
    EXPECT_THROW(many.Bytes(), TError);

    // A folder that does not exist: the error names the file.
    Project small;
    small.First().AddElement(ekLED, 0, 0);
    try {
        SaveProject(dir.filePath("no/such/p.lcd"), small.list, small.powerFail, small.splash);
        ADD_FAILURE() << "saved";
    } catch (const TError& e) {
        EXPECT_TRUE(e.Message().contains("no/such/p.lcd")) << e.what();
    }
    EXPECT_TRUE(small.list.Modified);
}

TEST(ProjectFile, ScreenBlockStreams)
{
    TLCD screen;
    screen.AddElement(ekLED, 5, 6);
    screen.AddElement(ekBar, 7, 8);
    QBuffer buf;
    buf.open(QIODevice::ReadWrite);
    SaveToStream(screen, buf);
    EXPECT_EQ(buf.size(), 270 + 2 * 1370);
    buf.seek(0);
    TLCD back;
    back.AddElement(ekShape, 0, 0);
    LoadFromStream(back, buf);
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(back.Item(1)->Kind, ekBar);
    EXPECT_EQ(back.Item(1)->PanelY, 8);

    QBuffer shortBuf;
    shortBuf.setData(buf.data().left(300));
    shortBuf.open(QIODevice::ReadOnly);
    EXPECT_THROW(LoadFromStream(back, shortBuf), TError);
    EXPECT_EQ(back.Count(), 2);
}

TEST(ProjectFile, RelativePictureNamesAreFoundBesideTheProject)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("pics"));
    ASSERT_TRUE(testutil::SolidImage(240, 320, 0x0000FF).save(dir.filePath("pics/bkg.bmp"), "BMP"));
    ASSERT_TRUE(testutil::SolidImage(10, 10, 0x00FF00).save(dir.filePath("pics/img.bmp"), "BMP"));
    ASSERT_TRUE(testutil::SolidImage(30, 3, 0xFF0000).save(dir.filePath("pics/bar.bmp"), "BMP"));
    Project p;
    p.First().BackgroundFile = "pics/bkg.bmp";
    p.First().AddElement(ekImage, 0, 0)->Text = "pics/img.bmp";
    p.First().AddElement(ekBar, 0, 0)->GreenPicFile = "pics/bar.bmp";
    const QString file = dir.filePath("p.lcd");
    SaveProject(file, p.list, p.powerFail, p.splash);

    TLCDList list;
    TLCD powerFail;
    int asked = 0;
    list.OnFileNotFound = [&](TElement*, QString&) { ++asked; };
    const TLoadResult r = LoadProject(file, list, powerFail); // the working folder is elsewhere
    EXPECT_EQ(asked, 0);
    EXPECT_FALSE(r.Relinked);
    const TLCD& s = *list.Items(0);
    EXPECT_EQ(s.Background.size(), QSize(240, 320));
    EXPECT_EQ(s.BackgroundFile, QString("pics/bkg.bmp"));
    EXPECT_EQ(s.Item(0)->Picture.size(), QSize(10, 10));
    EXPECT_EQ(s.Item(0)->Text, QByteArray("pics/img.bmp"));
    EXPECT_EQ(s.Item(1)->GreenPic.size(), QSize(30, 1));
    EXPECT_EQ(ProjectBytes(list, powerFail, r.Splash), testutil::ReadAll(file));
}

namespace {

// The picture budget of project loads, lowered for one test.
struct TBudgetForTest
{
    explicit TBudgetForTest(qint64 pixels) { SetProjectPicturePixels(pixels); }
    ~TBudgetForTest() { SetProjectPicturePixels(saved); }
    qint64 saved = ProjectPicturePixels();
};

} // namespace

TEST(ProjectFile, OnePictureFileIsDecodedOnceForAllItsUses)
{
    QTemporaryDir dir;
    const QString jpg = dir.filePath("big.jpg");
    ASSERT_TRUE(testutil::SolidImage(300, 200, 0xFF0000).save(jpg, "JPG"));
    Project p;
    p.First().BackgroundFile = jpg;
    for (int i = 0; i < 10; ++i)
        p.First().AddElement(ekImage, 0, 0)->Text = ToCodePage(jpg);
    p.powerFail.BackgroundFile = jpg;
    const QByteArray bytes = p.Bytes();

    TLCDList list;
    TLCD powerFail;
    const TLoadResult r = LoadProjectBytes(bytes, "t", list, powerFail);
    EXPECT_TRUE(r.Warnings.isEmpty() && r.Missing.isEmpty());
    const TLCD& s = *list.Items(0);
    ASSERT_EQ(s.Background.size(), QSize(300, 200));
    for (const auto& e : s.Elements())
        EXPECT_EQ(e->Picture.constBits(), s.Background.constBits()); // the same pixels, not a copy
    EXPECT_EQ(powerFail.Background.constBits(), s.Background.constBits());
    EXPECT_EQ(SharedPicturePixels(), 300 * 200);

    // A file that changed is decoded again; the pictures already shown keep what they showed.
    ASSERT_TRUE(testutil::SolidImage(30, 20, 0x0000FF).save(jpg, "JPG"));
    TLCDList again;
    TLCD againPowerFail;
    LoadProjectBytes(bytes, "t", again, againPowerFail);
    EXPECT_EQ(again.Items(0)->Background.size(), QSize(30, 20));
    EXPECT_EQ(s.Background.size(), QSize(300, 200));
}

TEST(ProjectFile, PicturesOverTheBudgetRefuseTheLoadBeforeTheProjectIsTouched)
{
    QTemporaryDir dir;
    struct Case
    {
        int files; // different 100 x 100 pictures
        int uses;  // image elements showing each
        bool loaded;
    };
    const Case cases[] = {{3, 1, true}, {3, 20, true}, {4, 1, false}};
    const TBudgetForTest budget(3 * 100 * 100);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.files << " files, " << c.uses << " uses each");
        Project p;
        for (int f = 0; f < c.files; ++f) {
            const QString file = dir.filePath(QString("p%1.bmp").arg(f));
            ASSERT_TRUE(testutil::SolidImage(100, 100, 0x010101 * f).save(file, "BMP"));
            for (int u = 0; u < c.uses; ++u)
                p.First().AddElement(ekImage, 0, 0)->Text = ToCodePage(file);
        }
        TLCDList list;
        TLCD powerFail;
        list.AddScreen(240, 320)->AddElement(ekLED, 1, 2); // the project open so far
        try {
            LoadProjectBytes(p.Bytes(), "t", list, powerFail);
            EXPECT_TRUE(c.loaded);
            EXPECT_EQ(list.Items(0)->Count(), c.files * c.uses);
        } catch (const TError& e) {
            EXPECT_FALSE(c.loaded) << e.what();
            EXPECT_TRUE(e.Message().contains("p3.bmp") && e.Message().contains("one too many")) << e.what();
            ASSERT_EQ(list.Count(), 1);
            ASSERT_EQ(list.Items(0)->Count(), 1);
            EXPECT_EQ(list.Items(0)->Item(0)->Kind, ekLED);
        }
    }
}

TEST(ProjectFile, TheGifIsLookedForBesideTheProjectAndMissingFilesAreListed)
{
    QTemporaryDir dir;
    testutil::WriteAll(dir.filePath("wheel.gif"), "a GIF, as far as the loader cares");
    Project p;
    p.splash.GifLoaded = true;
    p.splash.GifFile = "wheel.gif";
    p.First().BackgroundFile = "gone.bmp";
    p.First().AddElement(ekBar, 0, 0)->RedPicFile = "gone.bmp";
    const QString file = dir.filePath("p.lcd");
    SaveProject(file, p.list, p.powerFail, p.splash);

    TLCDList list;
    TLCD powerFail;
    TLoadResult r = LoadProject(file, list, powerFail); // the working folder is elsewhere
    EXPECT_EQ(r.GifPath, dir.filePath("wheel.gif"));
    EXPECT_EQ(r.Splash.GifFile, QString("wheel.gif")); // the name stays as the file has it
    ASSERT_EQ(r.Missing.size(), 1);
    EXPECT_TRUE(r.Missing[0].contains("gone.bmp") &&
                r.Missing[0].contains("the background of work screen 0") &&
                r.Missing[0].contains("the red picture of bar element 0 on work screen 0"))
        << r.Missing[0].toStdString();

    QFile::remove(dir.filePath("wheel.gif"));
    r = LoadProject(file, list, powerFail);
    EXPECT_TRUE(r.GifPath.isEmpty());
    ASSERT_EQ(r.Missing.size(), 2);
    EXPECT_TRUE(r.Missing[1].contains("wheel.gif") && r.Missing[1].contains("the splash animation"));
}

TEST(ProjectFile, AFullDiskIsReportedInTheSystemsWords)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("p.lcd");
    Project small;
    SaveProject(file, small.list, small.powerFail, small.splash);
    const QByteArray before = testutil::ReadAll(file);
    Project p;
    for (int i = 0; i < 5; ++i)
        p.First().AddElement(ekLED, 0, 0); // 7938 bytes
    try {
        const testutil::TFileSizeLimit limit(4000);
        SaveProject(file, p.list, p.powerFail, p.splash);
        ADD_FAILURE() << "saved";
    } catch (const TError& e) {
        EXPECT_TRUE(e.Message().contains("File too large")) << e.what();
        EXPECT_FALSE(e.Message().contains("Unknown error")) << e.what();
    }
    EXPECT_EQ(testutil::ReadAll(file), before);
    EXPECT_TRUE(p.list.Modified);
}
