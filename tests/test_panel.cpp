// The panel's side of an SD-card set: reading and checking a set, and drawing what the panel shows
// from the files alone. The heart of it: a work screen drawn from Generate's files equals the
// designer's own drawing of the screen after the RGB565 round trip, for every element kind, in both
// orientations, and for the example project.

#include "gifwriter.h"
#include "model/render.h"
#include "base/terror.h"
#include "model/tlcdlist.h"
#include "output/animation.h"
#include "output/digits.h"
#include "output/generate.h"
#include "output/splash.h"
#include "panel/panelrender.h"
#include "panel/panelset.h"
#include "project/lcdfile.h"
#include "testutil.h"

#include <QDir>
#include <QDirIterator>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Root = QStringLiteral(TARVOLT_FIXTURES "/../..");

// --- helpers -------------------------------------------------------------------------------------

// The designer's drawing of a screen showing the panel state: every DRO and bar at the value, every
// LED in its on or off colour (as the blink preview shows it), status lines and clocks with the
// sample text the panel preview puts in place of their run-time text; no grid, labels or frames.
QImage DesignerDrawing(TLCD& screen, const TPanelState& state)
{
    for (const auto& e : screen.Elements()) {
        if (e->Kind == ekDRO || e->Kind == ekBar)
            e->Value = state.Value;
        if (e->Kind == ekLED)
            e->BackColor = e->PenColor = state.LedsOn ? e->OnColor : e->OffColor;
        if (e->Kind == ekStatus || e->Kind == ekClock)
            e->SetText(PanelSampleText(e->Kind, int(e->Text.size())));
    }
    TRenderOptions o;
    o.Grid = o.OrderLabels = o.SelectionFrames = false;
    return RenderScreen(screen, o);
}

// The first differing pixel, or an empty text when both pictures are the same.
std::string Difference(const QImage& expected, const QImage& actual)
{
    if (expected.size() != actual.size())
        return QString("size %1 x %2, expected %3 x %4")
            .arg(actual.width())
            .arg(actual.height())
            .arg(expected.width())
            .arg(expected.height())
            .toStdString();
    const QImage a = expected.convertToFormat(QImage::Format_RGB32);
    const QImage b = actual.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    QString first;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & RGB_MASK) != (b.pixel(x, y) & RGB_MASK)) {
                if (count++ == 0)
                    first = QString("(%1, %2) is %3, expected %4")
                                .arg(x)
                                .arg(y)
                                .arg(b.pixel(x, y) & RGB_MASK, 6, 16, QChar('0'))
                                .arg(a.pixel(x, y) & RGB_MASK, 6, 16, QChar('0'));
            }
    return count == 0 ? std::string() : QString("%1 pixels differ; %2").arg(count).arg(first).toStdString();
}

// Runs Generate into `out` with real digit files.
void GenerateSet(const QString& out, TLCDList& list, TLCD& powerFail, TSplash& splash,
                 const TAnimation& animation)
{
    QTemporaryDir res;
    WriteDigitFiles(res.path());
    TGenerateJob job;
    job.ProjectFile = out + QStringLiteral(".lcd");
    job.OutputFolder = out;
    job.ResFolder = res.path();
    job.Screens = &list;
    job.PowerFail = &powerFail;
    job.Splash = &splash;
    job.Animation = &animation;
    Generate(job);
}

// Every file of a set folder, for changing a set in memory.
TMemorySource MemoryCopy(const QString& folder)
{
    TMemorySource m;
    const QDir dir(folder);
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QString rel = dir.relativeFilePath(it.filePath());
        if (it.fileInfo().isDir())
            m.Folders << rel + '/';
        else
            m.Files[rel] = testutil::ReadAll(it.filePath());
    }
    return m;
}

QImage Gradient(QSize size, int seed)
{
    QImage image(size, QImage::Format_RGB888);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y,
                           qRgb((x * 7 + seed) & 0xFF, (y * 5 + 3 * seed) & 0xFF, ((x + y) * 3) & 0xFF));
    return image;
}

QImage Row(std::initializer_list<QRgb> colours)
{
    QImage row(int(colours.size()), 1, QImage::Format_RGB888);
    int x = 0;
    for (QRgb c : colours)
        row.setPixel(x++, 0, c);
    return row;
}

TElement* Place(TLCD& s, quint8 kind, int x, int y, int w = 0, int h = 0)
{
    TElement* e = s.AddElement(kind, x, y);
    if (w > 0) {
        e->Width = e->PanelW = w;
        e->Height = e->PanelH = h;
    }
    return e;
}

// A screen with every element kind, colours whose low bits the panel drops, background elements
// under and beside the panel-drawn ones, and (landscape) a background picture.
void EveryKindScreen(TLCD& s, bool landscape)
{
    s.SetLandscape(landscape);
    s.BackgroundColor = 0x5A3C17;
    if (landscape)
        s.Background = Gradient(QSize(320, 240), 11);

    TElement* shape = Place(s, ekShape, 4, 4, 150, 70);
    shape->ShapeType = stRoundRect;
    shape->BackColor = 0x203F61;
    shape->PenColor = 0xC3A167;
    TElement* circle = Place(s, ekShape, 160, 170, 60, 40);
    circle->ShapeType = stCircle;
    circle->BackColor = 0x11AA55;
    circle->PenColor = 0x0707F7;
    TElement* text = s.AddElement(ekText, 8, 226);
    text->FontName = QStringLiteral("DejaVu Sans");
    text->FontSize = 9;
    text->TextColor = 0xF1F2F3;
    text->BackColor = text->PenColor = 0x030507;
    text->SetText("Spindle");
    TElement* image = Place(s, ekImage, 170, 215, 40, 20);
    image->Picture = Gradient(QSize(13, 7), 90);

    // Panel-drawn elements, some over the background elements.
    TElement* plain = s.AddElement(ekDRO, 8, 8); // "%.4f"
    plain->TextColor = 0x07FF03;
    plain->BackColor = plain->PenColor = 0x800001;
    TElement* big = s.AddElement(ekDRO, 8, 26);
    big->Format = "%+7.2f";
    big->SetScaleW(2);
    big->SetScaleH(3);
    big->TextColor = 0xFFFFFF;
    big->BackColor = big->PenColor = 0x3F7F1F;
    TElement* unit = s.AddElement(ekDRO, 8, 72);
    unit->Format = "T=%5.1fC";
    unit->SetScaleH(2);
    TElement* broken = s.AddElement(ekDRO, 120, 72);
    broken->Format = "%d"; // fails: shows 0.0
    for (int i = 0; i < 2; ++i) {
        TElement* led = Place(s, ekLED, 8 + i * 30, 110, 20 + 10 * i, 20 - 6 * i);
        led->OnColor = i ? 0x0000FF : 0x37F00F;
        led->OffColor = i ? 0x000040 : 0x0F0F0F;
        led->BackColor = led->PenColor = led->OffColor;
        led->LedMode = quint8(i);
        led->BlinkInterval = 250;
    }
    Place(s, ekBar, 80, 100, 22, 60); // the built-in pictures
    TElement* custom = Place(s, ekBar, 110, 96, 40, 80);
    custom->MaxVal = 50;
    custom->YellowPct = 30;
    custom->RedPct = 90;
    custom->GreenPic =
        Row({qRgb(1, 200, 3), qRgb(7, 180, 9), qRgb(0, 255, 0), qRgb(3, 120, 7), qRgb(2, 60, 2)});
    custom->YellowPic = Row({qRgb(250, 250, 7), qRgb(201, 203, 5)});
    custom->RedPic = Row({qRgb(255, 3, 3), qRgb(129, 7, 7), qRgb(250, 100, 100)});
    custom->BkgPic = QImage(); // an empty picture: the bar's fill shows
    custom->BackColor = custom->PenColor = 0x102030;
    TElement* flat = Place(s, ekBar, 156, 100, 10, 50);
    flat->MaxVal = 0; // no level
    TElement* shift = Place(s, ekShift, 175, 110, 15, 15);
    shift->BackColor = shift->PenColor = 0x7F7F7F;
    shift->TextColor = 0x0000FF;
    TElement* status = s.AddElement(ekStatus, 0, 186);
    status->BackColor = status->PenColor = 0x0000F9;
    status->TextColor = 0xFEFEFE;
    TElement* state = s.AddElement(ekStatus, 180, 140);
    state->SetText("Ready");
    state->SetScaleH(2);
    TElement* clock = s.AddElement(ekClock, 8, 204);
    clock->TextColor = 0x00FFFF;
    clock->BackColor = clock->PenColor = 0x402010;
}

const TPanelState States[] = {
    {0.0f, false, 12, 0, 0},  {37.5f, true, 12, 0, 0},    {100.0f, false, 12, 0, 0},
    {250.0f, true, 12, 0, 0}, {-12.25f, false, 12, 0, 0}, {59.0f, true, 12, 0, 0},
};

std::string StateText(const TPanelState& s)
{
    return QString("value %1, LEDs %2").arg(s.Value).arg(s.LedsOn ? "on" : "off").toStdString();
}

// Every screen of the list drawn from the set equals the designer's drawing of it in panel colours.
void ExpectScreensEqual(TLCDList& list, const TPanelSet& set)
{
    ASSERT_EQ(int(set.Screens.size()), list.Count());
    for (int i = 0; i < list.Count(); ++i) {
        for (const TPanelState& state : States) {
            const QImage designer = PanelColours(DesignerDrawing(*list.Items(i), state));
            const QImage panel = RenderPanelScreen(set, i, state);
            EXPECT_EQ(Difference(designer, panel), "") << "screen " << i << ", " << StateText(state);
        }
    }
}

class PanelSet : public testing::Test
{
  protected:
    QString Out() const { return root.filePath("set"); }
    TPanelSet Read() const { return ReadPanelSet(TFolderSource(Out())); }

    QTemporaryDir root;
    TLCDList list;
    TLCD powerFail;
    TSplash splash;
    TAnimation animation;
};

} // namespace

// --- colours -------------------------------------------------------------------------------------

TEST(PanelColours, ChannelsAreWidenedByRepeatingTheirTopBits)
{
    struct Case
    {
        quint16 value;
        QRgb rgb;
    };
    const Case cases[] = {
        {0x0000, 0x000000}, {0xFFFF, 0xFFFFFF}, {0xF800, 0xFF0000}, {0x07E0, 0x00FF00},
        {0x001F, 0x0000FF}, {0x8410, 0x848284}, {0x0821, 0x080408}, {0x87F0, 0x84FF84},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Rgb565ToRgb(c.value) & RGB_MASK, c.rgb) << std::hex << c.value;
    for (int v = 0; v <= 0xFFFF; ++v)
        ASSERT_EQ(ColorTo16bit(ColorFrom16bit(quint16(v))), v) << "the round trip keeps every value";

    QImage picture(2, 1, QImage::Format_RGB888);
    picture.setPixel(0, 0, qRgb(0x07, 0x03, 0x07)); // below the panel's steps: black
    picture.setPixel(1, 0, qRgb(0x80, 0xFF, 0x80));
    const QImage shown = PanelColours(picture);
    EXPECT_EQ(shown.pixel(0, 0) & RGB_MASK, 0x000000u);
    EXPECT_EQ(shown.pixel(1, 0) & RGB_MASK, 0x84FF84u);
}

// --- the heart: the panel's drawing equals the designer's ----------------------------------------

class EveryKind : public PanelSet, public testing::WithParamInterface<bool>
{
};

TEST_P(EveryKind, EachScreenEqualsTheDesignersDrawingInPanelColours)
{
    const bool landscapeFirst = GetParam();
    EveryKindScreen(*list.AddScreen(240, 320), landscapeFirst);
    EveryKindScreen(*list.AddScreen(240, 320), !landscapeFirst);
    TElement* pf = powerFail.AddElement(ekDRO, 40, 100);
    pf->Format = "%3.0f";
    pf->SetScaleW(3);
    pf->SetScaleH(2);
    pf->TextColor = 0xF0F1F2;
    pf->BackColor = pf->PenColor = 0x60200F;
    powerFail.SetLandscape(landscapeFirst);
    powerFail.Background = Gradient(QSize(powerFail.PanelWidth, powerFail.PanelHeight), 200);
    GenerateSet(Out(), list, powerFail, splash, animation);

    const TPanelSet set = Read();
    EXPECT_TRUE(set.Whole()) << CheckReport(set).join('\n').toStdString();
    EXPECT_EQ(set.Screens[0].Landscape, landscapeFirst);
    ExpectScreensEqual(list, set);

    for (const TPanelState& state : States) {
        const QImage designer = PanelColours(DesignerDrawing(powerFail, state));
        EXPECT_EQ(Difference(designer, RenderPanelPowerFail(set, state)), "") << StateText(state);
    }
    // The round trip is no identity on these screens: the comparison sees the panel's colours.
    EXPECT_NE(PanelColours(DesignerDrawing(*list.Items(0), States[0])),
              DesignerDrawing(*list.Items(0), States[0]));
}

INSTANTIATE_TEST_SUITE_P(BothOrientations, EveryKind, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "LandscapeFirst" : "PortraitFirst"; });

TEST_F(PanelSet, TheExampleProjectEqualsTheDesignersDrawing)
{
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(Root)); // the splash picture is named from the repository folder
    const TLoadResult loaded = LoadProject(QStringLiteral("examples/demo.lcd"), list, powerFail);
    splash.SetPicture(LoadPictureFile(QStringLiteral("examples/splash.jpg")));
    splash.SetScreenSize(QSize(240, 320));
    ApplySplashSettings(loaded.Splash, splash, animation, loaded.GifPath);
    QDir::setCurrent(previous);
    ASSERT_EQ(list.Count(), 2);
    ASSERT_GT(animation.FrameCount(), 0);
    if (powerFail.Background.isNull())
        powerFail.Background = BuiltInPowerFailPicture(); // what the designer shows until one is loaded
    GenerateSet(Out(), list, powerFail, splash, animation);

    const TPanelSet set = Read();
    EXPECT_TRUE(set.Whole()) << CheckReport(set).join('\n').toStdString();
    EXPECT_FALSE(set.Screens[0].Landscape);
    EXPECT_TRUE(set.Screens[1].Landscape);
    ExpectScreensEqual(list, set);
    for (const TPanelState& state : States) {
        const QImage designer = PanelColours(DesignerDrawing(powerFail, state));
        EXPECT_EQ(Difference(designer, RenderPanelPowerFail(set, state)), "") << StateText(state);
    }
}

// --- the splash screen ---------------------------------------------------------------------------

namespace {

// What the panel shows on the splash screen, built from the designer's state: the displayed picture
// in panel colours, the digit glyphs at the fields in the clock's colours, and the composed animation
// frame at its place.
QImage ExpectedSplash(const TSplash& splash, const TAnimation& animation, const TPanelState& state)
{
    QImage out = PanelColours(splash.DisplayedPicture());
    if (splash.ClockShown()) {
        const QRgb digit = Rgb565ToRgb(ColorTo16bit(splash.ClockDigitColor()));
        const QRgb back = Rgb565ToRgb(ColorTo16bit(splash.ClockBackColor()));
        const int values[2] = {state.Hours, state.Minutes};
        for (ClockField f : {ClockField::Hours, ClockField::Minutes}) {
            const int v = values[int(f)];
            const QPoint at = splash.FieldPosition(f);
            for (int k = 0; k < 2; ++k) {
                const QImage glyph = ScaledCopy(DigitPicture(char('0' + (k ? v % 10 : v / 10))),
                                                splash.DigitWidth(), splash.DigitHeight());
                for (int y = 0; y < glyph.height(); ++y)
                    for (int x = 0; x < glyph.width(); ++x) {
                        const QPoint p = at + QPoint(k * splash.DigitWidth() + x, y);
                        if (!out.rect().contains(p))
                            continue;
                        if ((glyph.pixel(x, y) & RGB_MASK) == 0)
                            out.setPixel(p, digit);
                        else if (!splash.ClockTransparent())
                            out.setPixel(p, back);
                    }
            }
        }
    }
    if (animation.FrameCount() > 0) {
        const QImage frame = ComposeAnimationFrame(splash, animation.Frames()[size_t(state.Frame)].Picture,
                                                   animation.Position());
        QPainter p(&out);
        p.drawImage(animation.Position(), PanelColours(frame));
    }
    return out;
}

gifwriter::Gif ThreeFrames()
{
    gifwriter::Gif gif;
    gif.Width = 24;
    gif.Height = 16;
    gif.GlobalMap = {qRgb(255, 255, 255), qRgb(200, 30, 7), qRgb(7, 70, 250), qRgb(20, 20, 20)};
    for (int i = 0; i < 3; ++i) {
        gifwriter::Frame f;
        f.Width = 24;
        f.Height = 16;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 24; ++x)
                f.Pixels.push_back(quint8((x / 6 + y / 4 + i) % 4));
        gif.Frames.push_back(f);
    }
    return gif;
}

} // namespace

TEST_F(PanelSet, SplashShowsTheClockAndTheAnimationFrameAsThePanelDrawsThem)
{
    struct Case
    {
        const char* name;
        bool landscape, transparent;
        QSize digit;
        TPanelState state;
    };
    const Case cases[] = {
        {"portrait, opaque, file-sized digits", false, false, {25, 35}, {0, false, 12, 0, 0}},
        {"portrait, transparent, larger digits", false, true, {30, 40}, {0, false, 9, 45, 2}},
        {"landscape, opaque, smaller digits", true, false, {12, 20}, {0, false, 23, 59, 1}},
    };
    const QString gif = root.filePath("three.gif");
    ASSERT_TRUE(gifwriter::WriteGif(gif, ThreeFrames()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TLCDList screens;
        screens.AddScreen(240, 320)->SetLandscape(c.landscape);
        TSplash s;
        s.SetPicture(Gradient(QSize(240, 320), 40));
        s.SetScreenSize(c.landscape ? QSize(320, 240) : QSize(240, 320));
        s.SetClockShown(true);
        s.SetDigitWidth(c.digit.width());
        s.SetDigitHeight(c.digit.height());
        s.PlaceField(ClockField::Hours, QPoint(10, 150));
        s.PlaceField(ClockField::Minutes, QPoint(10 + 2 * c.digit.width() + 12, 150));
        s.SetClockColors(0x07F0FF, 0x301005);
        if (c.transparent)
            s.SetClockTransparent(true);
        s.SetClockColors(0x07F0FF, 0x301005);
        TAnimation a;
        a.LoadAnimation(gif);
        a.SetPosition(QPoint(150, 20));
        GenerateSet(Out(), screens, powerFail, s, a);

        const TPanelSet set = Read();
        ASSERT_TRUE(set.Whole()) << CheckReport(set).join('\n').toStdString();
        ASSERT_TRUE(set.Clock.has_value());
        EXPECT_EQ(set.Clock->Transparent, c.transparent);
        EXPECT_EQ(Difference(ExpectedSplash(s, a, c.state), RenderPanelSplash(set, c.state)), "");
    }
}

TEST_F(PanelSet, SplashWithoutClockOrAnimationIsTheLogo)
{
    list.AddScreen(240, 320);
    splash.SetPicture(Gradient(QSize(100, 50), 3));
    GenerateSet(Out(), list, powerFail, splash, animation);
    const TPanelSet set = Read();
    EXPECT_FALSE(set.Clock.has_value());
    EXPECT_FALSE(set.Animation.has_value());
    EXPECT_EQ(Difference(PanelColours(splash.DisplayedPicture()), RenderPanelSplash(set, {})), "");
    TPanelState beyond;
    beyond.Frame = 5; // without an animation there is no frame to refuse
    EXPECT_NO_THROW(RenderPanelSplash(set, beyond));
}

// --- what does not fit is refused, naming the file ------------------------------------------------

namespace {

// A set Generate writes for a portrait screen with a DRO, a bar (record 1) and an LED, a landscape
// screen, a shown clock, a three-frame animation and a power-fail readout.
class Broken : public PanelSet
{
  protected:
    void SetUp() override
    {
        TLCD& a = *list.AddScreen(240, 320);
        a.AddElement(ekDRO, 5, 5);
        a.AddElement(ekBar, 100, 100);
        a.AddElement(ekLED, 150, 150);
        list.AddScreen(240, 320)->SetLandscape(true);
        powerFail.AddElement(ekDRO, 10, 20);
        splash.SetClockShown(true);
        const QString gif = root.filePath("three.gif");
        ASSERT_TRUE(gifwriter::WriteGif(gif, ThreeFrames()));
        animation.LoadAnimation(gif);
        GenerateSet(Out(), list, powerFail, splash, animation);
        good = MemoryCopy(Out());
        ASSERT_TRUE(ReadPanelSet(good).Whole()) << CheckReport(ReadPanelSet(good)).join('\n').toStdString();
    }
    TMemorySource good;
};

QByteArray Patched(QByteArray bytes, qsizetype at, char value)
{
    bytes[at] = value;
    return bytes;
}

} // namespace

TEST_F(Broken, EachFaultIsNamedWithItsFileAndKeepsItsPartFromBeingDrawn)
{
    struct Case
    {
        const char* name;
        std::function<void(TMemorySource&)> change;
        QString finding;
        TSetPart part;
        int screen;
        bool othersDraw = true; // false: the fault hides the first screen's orientation as well
    };
    const QByteArray elm = good.Files["00/01.elm"];
    const Case cases[] = {
        {"a record short", [&](TMemorySource& m) { m.Files["00/01.elm"] = elm.left(elm.size() - 43); },
         "00/01.elm: 3 records announced, 2 present", TSetPart::Screen, 0},
        {"bytes over", [&](TMemorySource& m) { m.Files["00/01.elm"] = elm + QByteArray(5, '\0'); },
         "00/01.elm: 3 records announced, 3 present and 5 bytes more", TSetPart::Screen, 0},
        {"a short header", [&](TMemorySource& m) { m.Files["00/01.elm"] = elm.left(5); },
         "00/01.elm: 5 bytes, shorter than the 9-byte header", TSetPart::Screen, 0, false},
        {"a header of another version", [&](TMemorySource& m) { m.Files["00/01.elm"] = Patched(elm, 0, 2); },
         "00/01.elm: the header begins with 2, not 1", TSetPart::Screen, 0},
        {"a landscape header on a portrait size",
         [&](TMemorySource& m) { m.Files["00/01.elm"] = Patched(elm, 1, 1); },
         "00/01.elm: a landscape screen of 240 x 320; the panel's is 320 x 240", TSetPart::Screen, 0},
        {"a record of a background kind",
         [&](TMemorySource& m) { m.Files["00/01.elm"] = Patched(elm, 9 + 2 * 43, char(ekText)); },
         "00/01.elm: record 2: kind 12 is not one the panel draws", TSetPart::Screen, 0},
        {"a background too short", [](TMemorySource& m) { m.Files["01/01bkg.bin"].chop(2); },
         "01/01bkg.bin: 153598 bytes, 153600 (320 x 240 pixels) expected", TSetPart::Screen, 1},
        {"a bar picture missing", [](TMemorySource& m) { m.Files.erase("00/i01G.bin"); },
         "00/i01G.bin: missing (the bar of record 1)", TSetPart::Screen, 0},
        {"a bar picture of half a pixel", [](TMemorySource& m) { m.Files["00/i01Bkg.bin"].chop(1); },
         "00/i01Bkg.bin: 43 bytes, not a whole number of pixels", TSetPart::Screen, 0},
        {"a screen folder missing", [](TMemorySource& m) { m.Files["lcdconfig"] = QByteArray(1, '\x03'); },
         "02/: missing", TSetPart::Screen, 2},
        {"a frame more announced",
         [](TMemorySource& m) { m.Files["anime.bin"] = Patched(m.Files["anime.bin"], 0, 4); },
         "a03.bin: missing; anime.bin announces 4 frames", TSetPart::Splash, -1},
        {"a frame fewer announced",
         [](TMemorySource& m) { m.Files["anime.bin"] = Patched(m.Files["anime.bin"], 0, 2); },
         "a02.bin: beyond the 2 frames anime.bin announces", TSetPart::Splash, -1},
        {"a frame of the wrong size", [](TMemorySource& m) { m.Files["a01.bin"].chop(2); },
         "a01.bin: 766 bytes, 768 (24 x 16 pixels) expected", TSetPart::Splash, -1},
        {"a digit file missing", [](TMemorySource& m) { m.Files.erase("n5.bin"); },
         "n5.bin: missing; tm.bin shows the clock", TSetPart::Splash, -1},
        {"a digit file of another size", [](TMemorySource& m) { m.Files["n01.bin"] = QByteArray(100, '\0'); },
         "n01.bin: 100 bytes, 1750 (25 x 35 pixels) expected", TSetPart::Splash, -1},
        {"clock settings cut", [](TMemorySource& m) { m.Files["tm.bin"].chop(1); },
         "tm.bin: 16 bytes, 17 expected", TSetPart::Splash, -1},
        {"the splash picture missing", [](TMemorySource& m) { m.Files.erase("logo.bin"); },
         "logo.bin: missing", TSetPart::Splash, -1},
        {"a readout record cut", [](TMemorySource& m) { m.Files["pwr.bin"].chop(1); },
         "pwr.bin: 42 bytes, 43 expected", TSetPart::PowerFail, -1},
        {"a readout of another kind",
         [](TMemorySource& m) { m.Files["pwr.bin"] = Patched(m.Files["pwr.bin"], 0, char(ekLED)); },
         "pwr.bin: kind 1; the power-fail readout is a DRO (0)", TSetPart::PowerFail, -1},
        {"the power-fail picture of a landscape size",
         [](TMemorySource& m) { m.Files["pwrfail.bin"] += QByteArray(2, '\0'); },
         "pwrfail.bin: 153602 bytes, 153600 (240 x 320 pixels) expected", TSetPart::PowerFail, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TMemorySource m = good;
        c.change(m);
        const TPanelSet set = ReadPanelSet(m);
        EXPECT_FALSE(set.Whole());
        const QStringList report = CheckReport(set);
        EXPECT_TRUE(report.contains(c.finding)) << report.join('\n').toStdString();
        EXPECT_EQ(set.Problems(c.part, c.screen), QStringList{c.finding});
        try {
            if (c.part == TSetPart::Screen)
                RenderPanelScreen(set, c.screen, {});
            else if (c.part == TSetPart::Splash)
                RenderPanelSplash(set, {});
            else
                RenderPanelPowerFail(set, {});
            ADD_FAILURE() << "drawn";
        } catch (const TError& e) {
            EXPECT_EQ(e.Message(), c.finding);
        }
        // The other parts still draw, unless they cannot know their size.
        if (c.part != TSetPart::Splash) {
            if (c.othersDraw)
                EXPECT_NO_THROW(RenderPanelSplash(set, {}));
            else
                EXPECT_THROW(RenderPanelSplash(set, {}), TError);
        }
        if (c.part != TSetPart::PowerFail && c.othersDraw) {
            EXPECT_NO_THROW(RenderPanelPowerFail(set, {}));
        }
    }
}

TEST_F(Broken, StrayFilesAreListedAsIgnoredAndTheSetStaysWhole)
{
    TMemorySource m = good;
    m.Files["notes.txt"] = "x";
    m.Files["00/old.bin"] = "x";
    m.Files["00/i02R.bin"] = QByteArray(44, '\0'); // record 2 is an LED, not a bar
    m.Files["a07.bin"] = QByteArray(768, '\0');    // anime.bin announces 3 frames: a mismatch
    m.Folders << "05/"
              << "backup/";
    m.Files["00/sub/deep.bin"] = "x";
    const TPanelSet set = ReadPanelSet(m);
    const QStringList report = CheckReport(set);
    EXPECT_EQ(report, (QStringList{
                          "a07.bin: beyond the 3 frames anime.bin announces",
                          "05/: a screen folder beyond the 2 that lcdconfig announces; the panel ignores it",
                          "backup/: not part of the set; the panel ignores it",
                          "00/i02R.bin: not part of the set; the panel ignores it",
                          "00/old.bin: not part of the set; the panel ignores it",
                          "00/sub/: not part of the set; the panel ignores it",
                          "notes.txt: not part of the set; the panel ignores it",
                      }))
        << report.join('\n').toStdString();

    m.Files.erase("a07.bin");
    const TPanelSet ignoredOnly = ReadPanelSet(m);
    EXPECT_TRUE(ignoredOnly.Whole());
    EXPECT_FALSE(CheckReport(ignoredOnly).isEmpty());
}

TEST_F(Broken, EveryFileCutShortIsFoundAndNothingBreaks)
{
    // Every file the panel reads has the size its role gives it, except a bar's one-row pictures,
    // which any whole number of pixels fits. The BMP copy of a background is the designer's, not the
    // panel's.
    const QRegularExpression barPicture(QStringLiteral("^\\d+/i\\d+(R|Y|G|Bkg)\\.bin$"));
    for (const auto& [name, bytes] : good.Files) {
        for (const qsizetype size : {qsizetype(0), qsizetype(1), bytes.size() / 2, bytes.size() - 1}) {
            if (size == bytes.size())
                continue;
            for (const char fill : {'\0', '\xFF'}) {
                SCOPED_TRACE(QString("%1 cut to %2, filled %3")
                                 .arg(name)
                                 .arg(size)
                                 .arg(int(quint8(fill)))
                                 .toStdString());
                TMemorySource m = good;
                m.Files[name] = fill ? QByteArray(size, fill) : bytes.left(size);
                const TPanelSet set = ReadPanelSet(m);
                const bool fits =
                    name.endsWith("01bkg.bmp") || (barPicture.match(name).hasMatch() && size % 2 == 0);
                EXPECT_EQ(set.Whole(), fits) << CheckReport(set).join('\n').toStdString();
                for (int i = 0; i < int(set.Screens.size()); ++i)
                    try {
                        RenderPanelScreen(set, i, {});
                    } catch (const TError&) {
                    }
                for (auto draw : {RenderPanelSplash, RenderPanelPowerFail})
                    try {
                        draw(set, {});
                    } catch (const TError&) {
                    }
            }
        }
    }
}

TEST_F(Broken, WithoutLcdconfigTheScreenFoldersStandIn)
{
    TMemorySource m = good;
    m.Files.erase("lcdconfig");
    const TPanelSet set = ReadPanelSet(m);
    EXPECT_EQ(CheckReport(set), QStringList{"lcdconfig: missing"});
    EXPECT_EQ(set.ScreenCount, 2);
    EXPECT_NO_THROW(RenderPanelScreen(set, 1, {}));
    EXPECT_THROW(RenderPanelScreen(set, 2, {}), TError);
}

TEST_F(Broken, ANameDifferingOnlyInCaseIsTheSameFile)
{
    TMemorySource m = good;
    m.Files["LOGO.BIN"] = m.Files["logo.bin"];
    m.Files.erase("logo.bin");
    EXPECT_TRUE(ReadPanelSet(m).Whole());
}

TEST_F(Broken, AFolderOnDiskReadsAsTheSameSetInMemory)
{
    const TPanelSet disk = Read();
    const TPanelSet memory = ReadPanelSet(good);
    EXPECT_TRUE(disk.Whole());
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(RenderPanelScreen(disk, i, {}), RenderPanelScreen(memory, i, {}));
    EXPECT_EQ(RenderPanelSplash(disk, {}), RenderPanelSplash(memory, {}));
    TPanelState frame;
    frame.Frame = 3;
    EXPECT_THROW(RenderPanelSplash(disk, frame), TError); // three frames: 0 to 2
}
