#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "model/render.h"
#include "base/terror.h"
#include "model/tlcd.h"
#include "output/screenfiles.h"
#include "testutil.h"

namespace {

using testutil::U16;

// Runs with the working folder in a temporary folder, where the listing lands.
class ScreenFiles : public testing::Test
{
protected:
    void SetUp() override
    {
        previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(work.path()));
        out = work.filePath("00");
        ASSERT_TRUE(QDir().mkpath(out));
    }
    void TearDown() override { QDir::setCurrent(previous); }
    QByteArray File(const QString& name) { return testutil::ReadAll(QDir(out).filePath(name)); }

    QTemporaryDir work;
    QString previous, out;
};

} // namespace

TEST_F(ScreenFiles, WorkedExample)
{
    TLCD screen;
    TElement* text = screen.AddElement(ekText, 10, 200);
    TElement* dro = screen.AddElement(ekDRO, 5, 6);
    TElement* bar = screen.AddElement(ekBar, 100, 100);
    TElement* led = screen.AddElement(ekLED, 150, 150);
    led->OnColor = 0x0000FF;
    led->OffColor = 0x000000;
    WriteScreenFiles(screen, out);

    const QByteArray elm = File("01.elm");
    ASSERT_EQ(elm.size(), 138);
    EXPECT_EQ(elm.left(9), QByteArray::fromHex("0100F000400103FFFF"));
    const QByteArray r0 = elm.mid(9, 43), r1 = elm.mid(52, 43), r2 = elm.mid(95, 43);
    EXPECT_EQ(r0.at(0), ekDRO);
    EXPECT_EQ(r0.mid(28, 4), QByteArray("%.4f"));
    EXPECT_EQ(r0.mid(32), QByteArray(11, '\0'));
    EXPECT_EQ(U16(r0, 2), 5);
    EXPECT_EQ(U16(r0, 4), 6);
    EXPECT_EQ(U16(r0, 6), 64); // 400.5278: eight cells
    EXPECT_EQ(U16(r0, 8), 14);
    EXPECT_EQ(U16(r0, 10), 100); // the common defaults travel too
    EXPECT_EQ(r0.at(14), 80);
    EXPECT_EQ(r0.at(15), 60);
    EXPECT_EQ(U16(r0, 16), 0x0010); // text colour 0x800000 is blue 0x80
    EXPECT_EQ(r1.at(0), char(ekBar));
    EXPECT_EQ(U16(r1, 6), 22);
    EXPECT_EQ(U16(r1, 8), 60);
    EXPECT_EQ(r2.at(0), char(ekLED));
    EXPECT_EQ(U16(r2, 16), 0xF800);
    EXPECT_EQ(U16(r2, 18), 0x0000);

    for (const char* name : {"i01R.bin", "i01Y.bin", "i01G.bin", "i01Bkg.bin"})
        EXPECT_EQ(File(name).size(), 44) << name;
    EXPECT_EQ(File("i01G.bin").left(2), QByteArray::fromHex("E001")); // 003E00 as RGB565

    // The background holds the white fill and the free text, nothing of the panel's elements.
    const QByteArray bin = File("01bkg.bin");
    ASSERT_EQ(bin.size(), 153600);
    auto px = [&](int x, int y) { return U16(bin, (y * 240 + x) * 2); };
    EXPECT_EQ(px(6, 7), 0xFFFF);     // under the DRO
    EXPECT_EQ(px(110, 110), 0xFFFF); // under the bar
    EXPECT_NE(px(text->Left + 1, text->Top + 1), 0xFFFF); // the free text's fill
    const QImage bmp = QImage::fromData(File("01bkg.bmp"), "BMP");
    ASSERT_EQ(bmp.size(), QSize(240, 320));
    EXPECT_EQ(quint8(File("01bkg.bmp").at(28)), 24); // bits per pixel
    const QRgb inText = bmp.pixel(text->Left + 1, text->Top + 1);
    EXPECT_EQ(Rgb565(qRed(inText), qGreen(inText), qBlue(inText)), px(text->Left + 1, text->Top + 1));

    EXPECT_EQ(testutil::ReadAll(work.filePath("_a.txt")), QByteArray("0 %.4f\r\n9 \r\n1 \r\n"));
    (void)dro, (void)bar;
}

TEST_F(ScreenFiles, ScreenWithoutPanelElementsAndEditingAidsLeftOut)
{
    TLCD screen;
    screen.ShowGrid = true;
    screen.BackgroundColor = 0x000000;
    TElement* shape = screen.AddElement(ekShape, 20, 20);
    screen.SelectElement(shape);
    screen.SetShowOrder(true);
    WriteScreenFiles(screen, out);
    const QByteArray elm = File("01.elm");
    ASSERT_EQ(elm.size(), 9);
    EXPECT_EQ(elm.at(6), 0);
    EXPECT_EQ(U16(elm, 7), 0);
    EXPECT_FALSE(QFile::exists(QDir(out).filePath("i00R.bin")));
    const QByteArray bin = File("01bkg.bin");
    auto px = [&](int x, int y) { return U16(bin, (y * 240 + x) * 2); };
    EXPECT_EQ(px(0, 100), 0x0000);                    // no grid line
    EXPECT_EQ(px(20, 20), ColorTo16bit(shape->BackColor)); // no selection frame
    EXPECT_TRUE(testutil::ReadAll(work.filePath("_a.txt")).isEmpty());
}

TEST_F(ScreenFiles, RecordFields)
{
    TLCD screen;
    screen.SetLandscape(true);
    TElement* a = screen.AddElement(ekDRO, 0, 0);
    a->SetOrderNo(-1);
    a->Format = "%3.0f";
    TElement* b = screen.AddElement(ekDRO, 0, 0);
    b->SetOrderNo(3);
    b->Format = "%0123456789.12345f"; // 18 bytes: only 15 fit
    TElement* axis = screen.AddElement(ekDRO, 0, 0);
    axis->ShowAsAxis = 1;
    axis->AxisColor = 0xFF0000;
    axis->AxisNum = 2;
    TElement* led = screen.AddElement(ekLED, 0, 0);
    led->LedMode = 1;
    led->BlinkInterval = 500;
    const QByteArray elm = ElementTable(screen);
    EXPECT_EQ(elm.mid(1, 5), QByteArray::fromHex("014001F000"));
    EXPECT_EQ(elm.at(6), 4);
    const QByteArray ra = elm.mid(9, 43), rb = elm.mid(52, 43), rc = elm.mid(95, 43), rd = elm.mid(138, 43);
    EXPECT_EQ(ra.at(1), 0);
    EXPECT_EQ(ra.mid(28), QByteArray::fromHex("25332E3066") + QByteArray(10, '\0'));
    EXPECT_EQ(rb.at(1), 3);
    EXPECT_EQ(rb.mid(28), QByteArray("%0123456789.123"));
    EXPECT_EQ(elm.size(), 9 + 4 * 43);
    EXPECT_EQ(rc.at(21), 1);
    EXPECT_EQ(U16(rc, 22), 0x001F);
    EXPECT_EQ(rc.at(24), 2);
    EXPECT_EQ(rd.at(25), 1);
    EXPECT_EQ(U16(rd, 26), 500);
}

TEST_F(ScreenFiles, BarPicturesAreNamedByRecordIndex)
{
    TLCD screen;
    const quint8 kinds[] = {ekBar, ekLED, ekDRO, ekBar, ekShape, ekClock, ekShift, ekStatus, ekLED, ekLED, ekLED, ekBar};
    for (quint8 k : kinds)
        screen.AddElement(k, 0, 0);
    WriteScreenFiles(screen, out);
    const QStringList files = QDir(out).entryList({"i*.bin"}, QDir::Files, QDir::Name);
    EXPECT_EQ(files, (QStringList{"i00Bkg.bin", "i00G.bin", "i00R.bin", "i00Y.bin", "i03Bkg.bin", "i03G.bin",
                                  "i03R.bin", "i03Y.bin", "i10Bkg.bin", "i10G.bin", "i10R.bin", "i10Y.bin"}));
}

TEST_F(ScreenFiles, DroWidthFollowsItsFormatEvenWhenNotDrawnSince)
{
    TLCD screen;
    TElement* dro = screen.AddElement(ekDRO, 0, 0);
    RenderScreen(screen);
    dro->Format = "%.1f";
    dro->SetScaleW(2);
    WriteScreenFiles(screen, out);
    EXPECT_EQ(U16(File("01.elm"), 9 + 6), 5 * 8 * 2); // "400.5"
}

TEST_F(ScreenFiles, FileErrorsAndTheListingByProduct)
{
    TLCD screen;
    screen.AddElement(ekLED, 0, 0);
    try {
        WriteScreenFiles(screen, work.filePath("missing/folder"));
        ADD_FAILURE() << "wrote into a missing folder";
    } catch (const TError& e) {
        EXPECT_TRUE(e.Message().startsWith("Cannot create file \"")) << e.what();
        EXPECT_TRUE(e.Message().contains("missing/folder")) << e.what();
    }
    // A listing that cannot be written does not stop the screen's files.
    ASSERT_TRUE(QDir(work.path()).mkdir("_a.txt"));
    EXPECT_NO_THROW(WriteScreenFiles(screen, out));
    EXPECT_EQ(File("01.elm").size(), 9 + 43);
}
