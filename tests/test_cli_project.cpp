#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include "gifwriter.h"
#include "model/render.h"
#include "output/digits.h"
#include "project/lcdfile.h"
#include "testutil.h"

namespace {

struct CliRun
{
    int status;
    QByteArray out, err;
};

CliRun Cli(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(TARVOLT_BIN_DIR "/tarvolt-cli"), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

class CliProject : public testing::Test
{
protected:
    void SetUp() override
    {
        TLCD* s = list.AddScreen(240, 320);
        s->BackgroundColor = 0x00FFFF;
        TElement* dro = s->AddElement(ekDRO, 12, 34);
        dro->Format = "%5.1f";
        dro->Value = 12.25f;
        dro->TextColor = 0x00FF00;
        dro->BackColor = 0x000000;
        TElement* led = s->AddElement(ekLED, 50, 60);
        led->OnColor = 0x0000FF;
        s->AddElement(ekShape, 100, 100)->ShapeType = stEllipse;
        TElement* text = s->AddElement(ekText, 10, 200);
        text->SetText("\xDD\xEA\xF0\xE0\xED"); // "Экран"
        TLCD* second = list.AddScreen(240, 320);
        second->SetLandscape(true);
        powerFail.AddElement(ekDRO, 10, 20)->Format = "%3.0f";
        splash.ClockShown = true;
        splash.HoursLeft = 70;
        file = dir.filePath("demo.lcd");
        RenderScreen(*s); // a DRO's text is saved as last drawn
        SaveProject(file, list, powerFail, splash);
    }
    QTemporaryDir dir;
    QString file;
    TLCDList list;
    TLCD powerFail;
    SplashSettings splash;
};

} // namespace

TEST_F(CliProject, InfoPrintsEveryScreenAndField)
{
    const CliRun r = Cli({"info", file});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject root = QJsonDocument::fromJson(r.out).object();
    const QJsonArray screens = root["screens"].toArray();
    ASSERT_EQ(screens.size(), 2);
    EXPECT_FALSE(screens[0]["Landscape"].toBool());
    EXPECT_TRUE(screens[1]["Landscape"].toBool());
    EXPECT_EQ(screens[0]["BackgroundColor"].toInteger(), 0x00FFFF);
    const QJsonArray elements = screens[0]["elements"].toArray();
    ASSERT_EQ(elements.size(), 4);
    EXPECT_EQ(elements[0]["Kind"].toInt(), 0);
    EXPECT_EQ(elements[0]["PanelX"].toInt(), 12);
    EXPECT_EQ(elements[0]["Format"].toString(), QString("%5.1f"));
    EXPECT_EQ(elements[0]["Text"].toString(), QString(" 12.2"));
    EXPECT_DOUBLE_EQ(elements[0]["Value"].toDouble(), 12.25);
    EXPECT_EQ(elements[1]["OnColor"].toInteger(), 0x0000FF);
    EXPECT_EQ(elements[2]["ShapeType"].toInt(), stEllipse);
    EXPECT_EQ(elements[3]["Text"].toString(), QString::fromUtf8("Экран"));
    for (const char* key : {"OrderNo", "Reserved", "PanelY", "PanelW", "PanelH", "MaxVal", "ScaleW", "ScaleH", "RedPct",
                            "YellowPct", "TextColor", "BackColor", "PenColor", "OffColor", "ShowAsAxis", "AxisColor",
                            "AxisNum", "LedMode", "RedPicFile", "YellowPicFile", "GreenPicFile", "BkgPicFile",
                            "BlinkInterval", "FontName", "FontSize", "FontBold", "FontItalic"})
        EXPECT_TRUE(elements[0].toObject().contains(key)) << key;
    EXPECT_EQ(root["powerFail"].toObject()["elements"].toArray()[0].toObject()["Format"].toString(), QString("%3.0f"));
    EXPECT_TRUE(root["splash"]["ClockShown"].toBool());
    EXPECT_EQ(root["splash"]["HoursLeft"].toInt(), 70);
}

TEST_F(CliProject, RenderDrawsWhatTheDesignerDraws)
{
    const QString png = dir.filePath("s0.png");
    CliRun r = Cli({"render", file, "--zoom", "2", "-o", png});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    TLCDList back;
    TLCD backPf;
    LoadProject(file, back, backPf);
    back.Items(0)->SetZoom(2);
    const QImage want = RenderScreen(*back.Items(0)).convertToFormat(QImage::Format_RGB32);
    const QImage got = QImage(png).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(got, want); // the command draws as the designer does

    // Pixels known without the renderer: the screen's colour, and the DRO " 12.2" at (12, 34), green
    // on black, where its second character's glyph "1" has row 3 = 0x18 (columns 3 and 4 set). Each
    // panel pixel is 2 x 2.
    ASSERT_EQ(got.size(), QSize(480, 640));
    struct Pixel
    {
        int panelX, panelY;
        QRgb colour;
    };
    for (const Pixel px :
         {Pixel{230, 300, qRgb(255, 255, 0)}, Pixel{12 + 8 + 3, 34 + 3, qRgb(0, 255, 0)},
          Pixel{12 + 8 + 4, 34 + 3, qRgb(0, 255, 0)}, Pixel{12 + 8 + 2, 34 + 3, qRgb(0, 0, 0)},
          Pixel{12 + 8 + 5, 34 + 3, qRgb(0, 0, 0)}, Pixel{12, 34, qRgb(0, 0, 0)}}) {
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx)
                EXPECT_EQ(got.pixel(2 * px.panelX + dx, 2 * px.panelY + dy) & 0xFFFFFF, px.colour & 0xFFFFFF)
                    << "panel pixel " << px.panelX << ", " << px.panelY;
    }

    // Background only: the LED's place shows the screen's colour.
    r = Cli({"render", file, "--background-only", "-o", png});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(QImage(png).pixel(55, 65), qRgb(255, 255, 0));

    r = Cli({"render", file, "--power-fail", "-o", png});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(QImage(png).size(), QSize(240, 320));
    r = Cli({"render", file, "--screen", "1", "--grid", "5", "-o", png});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(QImage(png).size(), QSize(320, 240));
}

TEST_F(CliProject, RefusedInputGivesStatusOneAndAReason)
{
    QByteArray bytes = testutil::ReadAll(file);
    const QString damaged = dir.filePath("damaged.lcd");
    testutil::WriteAll(damaged, bytes.left(bytes.size() - 1));
    struct Case { QStringList args; const char* reason; };
    const Case cases[] = {
        {{"info", damaged}, "damaged"},
        {{"info", dir.filePath("none.lcd")}, "none.lcd"},
        {{"render", file, "--screen", "2", "-o", dir.filePath("x.png")}, "no work screen 2"},
        {{"render", file, "--zoom", "0", "-o", dir.filePath("x.png")}, "--zoom"},
        {{"render", file}, "usage"},
        {{"export", file}, "usage"},
        {{"import", damaged, "-o", dir.filePath("x.lcd")}, "damaged"},
    };
    for (const Case& c : cases) {
        const CliRun r = Cli(c.args);
        EXPECT_EQ(r.status, 1) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.reason)) << r.err.toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("x.png")));
    EXPECT_FALSE(QFile::exists(dir.filePath("x.lcd")));
}

// export and import take either form; import of a project file is a load and a save.
TEST_F(CliProject, ExportAndImportTakeEitherFormAndLoseNothing)
{
    const QString json = dir.filePath("p.json"), again = dir.filePath("again.json");
    const QString fromJson = dir.filePath("from-json.lcd"), fromLcd = dir.filePath("from-lcd.lcd");
    for (const QStringList& args : {QStringList{"export", file, "-o", json}, {"import", json, "-o", fromJson},
                                    {"import", file, "-o", fromLcd}, {"export", json, "-o", again}}) {
        const CliRun r = Cli(args);
        EXPECT_EQ(r.status, 0) << args.join(' ').toStdString() << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty() && r.err.isEmpty()) << r.err.toStdString();
    }
    EXPECT_TRUE(testutil::ReadAll(json).contains("\"Text\": \"Экран\""));
    EXPECT_EQ(testutil::ReadAll(fromJson), testutil::ReadAll(fromLcd));
    EXPECT_EQ(testutil::ReadAll(again), testutil::ReadAll(json));

    QByteArray bad = testutil::ReadAll(json);
    bad.replace("\"HoursLeft\": 70,", "\"HoursLeft\": 7e1,");
    testutil::WriteAll(json, bad);
    const CliRun r = Cli({"import", json, "-o", fromJson});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("line 10, column 18: splash.HoursLeft: expected an integer -2147483648..2147483647"))
        << r.err.toStdString();
    EXPECT_EQ(testutil::ReadAll(fromJson), testutil::ReadAll(fromLcd));
}

// An installed tool (<prefix>/bin with its data in <prefix>/share/tarvolt-designer) and a copy with
// "res" beside the executable both find the clock's digit files without --res.
TEST_F(CliProject, GenerateFindsTheDigitFilesOfAnInstalledOrCopiedProgram)
{
    struct Case
    {
        const char* program; // the executable's folder, relative to the test's folder
        const char* res;     // where its digit files lie
    };
    const Case cases[] = {
        {"usr/bin", "usr/share/tarvolt-designer/res"},
        {"copy", "copy/res"},
    };
    const QDir built(QStringLiteral(TARVOLT_BIN_DIR "/res"));
    const QStringList digits = DigitFileNames();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        const QString program = dir.filePath(QLatin1String(c.program));
        const QString res = dir.filePath(QLatin1String(c.res));
        ASSERT_TRUE(QDir().mkpath(program) && QDir().mkpath(res));
        const QString cli = program + QStringLiteral("/tarvolt-cli");
        ASSERT_TRUE(QFile::copy(QStringLiteral(TARVOLT_BIN_DIR "/tarvolt-cli"), cli));
        for (const QString& name : digits)
            ASSERT_TRUE(QFile::copy(built.filePath(name), QDir(res).filePath(name))) << name.toStdString();

        const QString out = dir.filePath(QStringLiteral("out-") + QFileInfo(program).fileName());
        QProcess p;
        // Only the program's own folders: no data installed on this machine can stand in for them.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("none")));
        env.insert(QStringLiteral("XDG_DATA_DIRS"), dir.filePath(QStringLiteral("none")));
        p.setProcessEnvironment(env);
        p.start(cli, {QStringLiteral("generate"), file, QStringLiteral("--output"), out});
        ASSERT_TRUE(p.waitForFinished(60000));
        ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        for (const QString& name : digits) {
            EXPECT_EQ(testutil::ReadAll(QDir(out).filePath(name)), testutil::ReadAll(built.filePath(name)))
                << name.toStdString();
        }
    }
}

TEST(CliPictures, EveryProblemPictureIsNamedOnceAndStrictWritesNothing)
{
    QTemporaryDir dir;
    QImage pattern(240, 320, QImage::Format_RGB888); // detail, so that its JPEG data is long
    for (int y = 0; y < 320; ++y)
        for (int x = 0; x < 240; ++x)
            pattern.setPixel(x, y, qRgb((x * 7) & 0xFF, (y * 5) & 0xFF, (x * 3 + y * 11) & 0xFF));
    ASSERT_TRUE(pattern.save(dir.filePath("good.jpg"), "JPG"));
    const QByteArray good = testutil::ReadAll(dir.filePath("good.jpg"));
    testutil::WriteAll(dir.filePath("cut.jpg"), good.left(good.size() * 2 / 3));
    testutil::WriteAll(dir.filePath("bad.bmp"), QByteArray("BM") + QByteArray(60, '\x7f'));
    QByteArray huge = good; // its frame header says 60000 x 60000
    for (qsizetype i = 0; i + 9 < huge.size(); ++i)
        if (quint8(huge[i]) == 0xFF && quint8(huge[i + 1]) == 0xC0) {
            qToBigEndian<quint16>(60000, huge.data() + i + 5);
            qToBigEndian<quint16>(60000, huge.data() + i + 7);
            break;
        }
    testutil::WriteAll(dir.filePath("huge.jpg"), huge);
    gifwriter::Gif wheel;
    wheel.Width = wheel.Height = 8;
    wheel.GlobalMap = {qRgb(255, 255, 255), qRgb(0, 0, 0)};
    wheel.Frames.push_back(gifwriter::SolidFrame(0, 0, 8, 8, 1));
    ASSERT_TRUE(gifwriter::WriteGif(dir.filePath("wheel.gif"), wheel));
    testutil::WriteAll(dir.filePath("cut.gif"), testutil::ReadAll(dir.filePath("wheel.gif")).left(35));

    struct Case
    {
        const char* what;
        const char* background; // of work screen 0
        const char* image;      // an image element on it
        const char* gif;
        QStringList said;  // in the one warning; empty: no warning
        bool refused;      // an error even without --strict
    };
    const Case cases[] = {
        {"all found", "good.jpg", "good.jpg", "wheel.gif", {}, false},
        {"missing background", "gone.bmp", nullptr, nullptr,
         {"gone.bmp", "no such file", "the background of work screen 0"}, false},
        {"undecodable image", nullptr, "bad.bmp", nullptr,
         {"bad.bmp", "Bitmap image is not valid", "image element 0 on work screen 0"}, false},
        {"cut JPEG", "cut.jpg", nullptr, nullptr, {"cut.jpg", "JPEG decoder warns", "the background of work screen 0"},
         false},
        {"missing GIF", nullptr, nullptr, "gone.gif", {"gone.gif", "the splash animation"}, false},
        {"cut GIF", nullptr, nullptr, "cut.gif", {"cut.gif", "ends after 35 bytes", "the splash animation"}, false},
        {"too large", nullptr, "huge.jpg", nullptr, {"huge.jpg", "too large"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TLCDList list;
        TLCD powerFail;
        SplashSettings splash;
        TLCD* s = list.AddScreen(240, 320);
        if (c.background)
            s->BackgroundFile = c.background;
        if (c.image)
            s->AddElement(ekImage, 0, 0)->Text = c.image;
        if (c.gif) {
            splash.GifLoaded = true;
            splash.GifFile = c.gif;
        }
        const QString project = dir.filePath("p.lcd");
        SaveProject(project, list, powerFail, splash);
        const QString out = dir.filePath("out"), png = dir.filePath("p.png");
        QDir(out).removeRecursively();
        QFile::remove(png);

        for (const bool strict : {false, true}) {
            for (const bool generate : {true, false}) {
                SCOPED_TRACE(testing::Message()
                             << (generate ? "generate" : "render") << (strict ? " --strict" : ""));
                QStringList args = generate ? QStringList{"generate", project, "--output", out}
                                            : QStringList{"render", project, "-o", png};
                if (strict)
                    args << "--strict";
                const CliRun r = Cli(args);
                const bool warned = !c.said.isEmpty();
                const bool fails = c.refused || (strict && warned);
                EXPECT_EQ(r.status, fails ? 1 : 0) << r.err.toStdString();
                EXPECT_EQ(QFileInfo::exists(generate ? out : png), !fails);
                if (!warned) {
                    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
                    continue;
                }
                const QString err = QString::fromUtf8(r.err);
                for (const QString& part : c.said)
                    EXPECT_TRUE(err.contains(part)) << err.toStdString();
                if (!c.refused) {
                    EXPECT_EQ(err.count("warning:"), 1) << err.toStdString();
                }
                QDir(out).removeRecursively();
                QFile::remove(png);
            }
        }
    }
}

TEST(CliHelp, EveryCommandAnswersHelpAndBothProgramsTheirVersion)
{
    for (const char* command : {"convert", "info", "render", "generate", "download", "device", "export", "import"}) {
        SCOPED_TRACE(command);
        const CliRun r = Cli({command, "--help"});
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.startsWith(QByteArray("Usage: tarvolt-cli ") + command + ' '))
            << r.out.toStdString();
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    }
    EXPECT_TRUE(Cli({"generate", "--help"}).out.contains("--force"));
    const CliRun cli = Cli({"--version"});
    EXPECT_EQ(cli.status, 0);
    EXPECT_EQ(cli.out, QByteArray("tarvolt-cli " TARVOLT_VERSION "\n"));

    const QString designer = QStringLiteral(TARVOLT_BIN_DIR "/tarvolt-designer");
    if (QFileInfo::exists(designer)) {
        QProcess p;
        p.start(designer, {"--version"});
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0);
        EXPECT_EQ(p.readAllStandardOutput(), QByteArray("tarvolt-designer " TARVOLT_VERSION "\n"));
    }
}
