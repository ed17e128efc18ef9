// The bar properties window: ranges, the width limit and the swatches, the live test, pictures
// picked by double-click, "Default colors" and the write-back of what changed.

#include "dialogs/barswatch.h"
#include "dialogs/upropbar.h"
#include "model/render.h"
#include "test_dialogs_support.h"
#include "testutil.h"

#include <QLineEdit>

namespace {

class BarWindow : public DialogWindow
{
  protected:
    TPropBarForm& Bar() const { return *Dialogs().PropBarForm; }
    // A picture file whose top row is `top` and whose other rows are `rest`.
    QString Picture(const char* name, int w, int h, QRgb top, QRgb rest)
    {
        QImage image = testutil::SolidImage(w, h, rest);
        for (int x = 0; x < w; ++x)
            image.setPixelColor(x, 0, QColor::fromRgb(top));
        const QString file = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(image.save(file, "BMP"));
        return file;
    }
    static bool SamePixels(const QImage& a, const QImage& b)
    {
        return a.size() == b.size() &&
               a.convertToFormat(QImage::Format_RGB888) == b.convertToFormat(QImage::Format_RGB888);
    }
};

TEST_F(BarWindow, IsFilledFromTheBar)
{
    form->List().SetZoom(2);
    TElement* e = Place(ekBar);
    e->PanelW = 30;
    e->PanelH = 50;
    e->ApplyZoom();
    e->OrderNo = 2;
    e->Value = 42.5f; // halves go to the even neighbour
    e->MaxVal = 300;
    e->RedPct = 90;
    e->YellowPct = 40;
    e->GreenPic = QImage(); // no picture: the swatch shows the default one
    user = [&](QDialog& d) {
        EXPECT_EQ(Bar().cxW->value(), 30);
        EXPECT_EQ(Bar().cxH->value(), 50);
        EXPECT_EQ(Bar().cxOrder->value(), 3);
        EXPECT_EQ(Bar().cxValue->value(), 42);
        EXPECT_EQ(Bar().cxValue->maximum(), 300);
        EXPECT_EQ(Bar().cxMaxVal->value(), 300);
        EXPECT_EQ(Bar().cxRPct->value(), 90);
        EXPECT_EQ(Bar().cxYPct->value(), 40);
        EXPECT_TRUE(SamePixels(Bar().shGreen->Picture(), DefaultBarPicture(BarSegment::Green)));
        for (const TBarSwatch* s : {Bar().shRed, Bar().shYellow, Bar().shGreen, Bar().shBkg})
            EXPECT_FALSE(Bar().SwatchChanged(s));
        Cancel(d);
    };
    Properties();
    EXPECT_EQ(shown, 1);
    // The ranges of the window.
    EXPECT_EQ(std::pair(Bar().cxRPct->minimum(), Bar().cxRPct->maximum()), std::pair(0, 100));
    EXPECT_EQ(std::pair(Bar().cxYPct->minimum(), Bar().cxYPct->maximum()), std::pair(0, 100));
    EXPECT_EQ(Bar().cxMaxVal->minimum(), 0);
    EXPECT_EQ(Bar().shRed->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(Bar().shBkg->size(), QSize(22, 71));
}

TEST_F(BarWindow, OrderZeroMeansNoOrderNumber)
{
    for (const quint8 kind : {ekBar, ekLED}) {
        Screen().Clear();
        TElement* e = Place(kind);
        user = [](QDialog& d) {
            Retype(Child<QSpinBox>(d, "cxOrder"), QStringLiteral("0"));
            Ok(d);
        };
        Properties();
        EXPECT_EQ(e->OrderNo, -1) << "kind " << int(kind);
    }
}

TEST_F(BarWindow, WidthIsCappedAndTheSwatchesFollow)
{
    TElement* e = Place(ekBar);
    user = [&](QDialog& d) {
        Retype(Bar().cxW, QStringLiteral("75"));
        EXPECT_EQ(Bar().cxW->value(), 60);
        for (const TBarSwatch* s : {Bar().shRed, Bar().shYellow, Bar().shGreen})
            EXPECT_EQ(s->width(), 60);
        EXPECT_EQ(Bar().shBkg->width(), 22);
        Retype(Bar().cxW, QStringLiteral("12"));
        EXPECT_EQ(Bar().shRed->width(), 12);
        Retype(Bar().cxW, QStringLiteral("61"));
        Ok(d);
    };
    Properties();
    EXPECT_EQ(e->Width, 60);
    EXPECT_EQ(e->PanelW, 60);
}

TEST_F(BarWindow, SizeAndNumbersAreWrittenBackAtTheZoom)
{
    form->List().SetZoom(3);
    TElement* e = Place(ekBar);
    user = [&](QDialog& d) {
        Retype(Bar().cxW, QStringLiteral("10"));
        Retype(Bar().cxH, QStringLiteral("40"));
        Retype(Bar().cxMaxVal, QStringLiteral("200"));
        Retype(Bar().cxValue, QStringLiteral("77"));
        Retype(Bar().cxRPct, QStringLiteral("70"));
        Retype(Bar().cxYPct, QStringLiteral("30"));
        Retype(Bar().cxOrder, QStringLiteral("5"));
        Ok(d);
    };
    Properties();
    EXPECT_EQ(e->Width, 30);
    EXPECT_EQ(e->Height, 120);
    EXPECT_EQ(e->PanelW, 10);
    EXPECT_EQ(e->PanelH, 40);
    EXPECT_EQ(e->MaxVal, 200);
    EXPECT_FLOAT_EQ(e->Value, 77.0f);
    EXPECT_EQ(e->RedPct, 70);
    EXPECT_EQ(e->YellowPct, 30);
    EXPECT_EQ(e->OrderNo, 4);
}

TEST_F(BarWindow, TestValueShowsOnTheBarAtOnceAndCancelPutsItBack)
{
    TElement* e = Place(ekBar, 20, 20);
    e->MaxVal = 100;
    e->Value = 10.0f;
    // A point 40 % up the bar: inside the green at 50, above it at 10.
    auto greenAt40 = [&] {
        const QColor c = View()->Image().pixelColor(e->Left + 11, e->Top + e->Height * 6 / 10);
        return c.green() > c.blue();
    };
    ASSERT_FALSE(greenAt40());
    user = [&](QDialog& d) {
        Bar().cxValue->setValue(50); // not yet shown: only a click or a key passes it on
        EXPECT_FLOAT_EQ(e->Value, 10.0f);
        QTest::mouseClick(Bar().cxValue->findChild<QLineEdit*>(), Qt::LeftButton);
        EXPECT_FLOAT_EQ(e->Value, 50.0f);
        // Half full: the green segment fills the lower half (60 % yellow threshold is above it).
        const QImage& image = View()->Image();
        const QColor low = image.pixelColor(e->Left + 11, e->Top + e->Height - 5);
        const QColor high = image.pixelColor(e->Left + 11, e->Top + 5);
        EXPECT_GT(low.green(), low.blue());
        EXPECT_GT(high.blue(), high.green());
        EXPECT_TRUE(greenAt40());
        // A key released in a box passes the thresholds and the maximum on as well.
        Bar().cxYPct->setFocus();
        QTest::keyClick(Bar().cxYPct, Qt::Key_Down);
        EXPECT_EQ(e->YellowPct, 59);
        Retype(Bar().cxMaxVal, QStringLiteral("150"));
        EXPECT_EQ(e->MaxVal, 150);
        EXPECT_EQ(Bar().cxValue->maximum(), 100) << "the test value's limit is the one found at opening";
        Cancel(d);
    };
    Properties();
    // The bar is as it was when the window opened, on the screen too, and the project is not modified.
    EXPECT_FLOAT_EQ(e->Value, 10.0f);
    EXPECT_EQ(e->YellowPct, 60);
    EXPECT_EQ(e->MaxVal, 100);
    EXPECT_FALSE(greenAt40());
    EXPECT_FALSE(Modified());
}

TEST_F(BarWindow, TestValueThenOkIsOneChange)
{
    TElement* e = Place(ekBar, 20, 20);
    e->MaxVal = 100;
    e->Value = 10.0f;
    user = [&](QDialog& d) {
        Bar().cxValue->setValue(50);
        QTest::mouseClick(Bar().cxValue->findChild<QLineEdit*>(), Qt::LeftButton);
        EXPECT_FALSE(Modified()) << "the live test is no change of the design until OK";
        Ok(d);
    };
    Properties();
    EXPECT_FLOAT_EQ(e->Value, 50.0f);
    EXPECT_TRUE(Modified());
}

TEST_F(BarWindow, PickedPictureBecomesItsTopRowAt24Bits)
{
    TElement* e = Place(ekBar);
    const QString file = Picture("red.bmp", 100, 50, 0xFF0000, 0x0000FF);
    pictureName = file;
    user = [&](QDialog& d) {
        QTest::mouseDClick(Bar().shRed, Qt::LeftButton);
        const QImage& strip = Bar().shRed->Picture();
        EXPECT_EQ(strip.size(), QSize(100, 1));
        EXPECT_EQ(strip.format(), QImage::Format_RGB888);
        EXPECT_EQ(strip.pixelColor(0, 0), QColor(255, 0, 0));
        EXPECT_EQ(strip.pixelColor(99, 0), QColor(255, 0, 0));
        EXPECT_TRUE(Bar().SwatchChanged(Bar().shRed));
        EXPECT_EQ(Bar().SwatchFile(Bar().shRed), file);
        EXPECT_FALSE(Bar().SwatchChanged(Bar().shGreen));
        Ok(d);
    };
    Properties();
    EXPECT_EQ(e->RedPic.size(), QSize(100, 1));
    EXPECT_EQ(e->RedPic.pixelColor(50, 0), QColor(255, 0, 0));
    EXPECT_EQ(e->RedPicFile, file);
    EXPECT_TRUE(SamePixels(e->GreenPic, DefaultBarPicture(BarSegment::Green)));
    EXPECT_TRUE(e->GreenPicFile.isEmpty());

    // Reopened and closed with OK without touching the swatches: the picked picture stays.
    user = Ok;
    Properties();
    EXPECT_EQ(e->RedPic.size(), QSize(100, 1));
    EXPECT_EQ(e->RedPicFile, file);
}

TEST_F(BarWindow, PickedPictureThenCancelChangesNothing)
{
    TElement* e = Place(ekBar);
    pictureName = Picture("yellow.bmp", 30, 4, 0xFFFF00, 0xFFFF00);
    user = [&](QDialog& d) {
        QTest::mouseDClick(Bar().shYellow, Qt::LeftButton);
        EXPECT_EQ(Bar().shYellow->Picture().width(), 30);
        Cancel(d);
    };
    Properties();
    EXPECT_TRUE(SamePixels(e->YellowPic, DefaultBarPicture(BarSegment::Yellow)));
    EXPECT_TRUE(e->YellowPicFile.isEmpty());
    // The next opening starts from the element again.
    user = [&](QDialog& d) {
        EXPECT_EQ(Bar().shYellow->Picture().width(), 22);
        EXPECT_FALSE(Bar().SwatchChanged(Bar().shYellow));
        Ok(d);
    };
    Properties();
    EXPECT_TRUE(e->YellowPicFile.isEmpty());
}

TEST_F(BarWindow, PickingWhatIsNoPicture)
{
    TElement* e = Place(ekBar);
    // A file dialog cancelled: nothing changes.
    pictureName.clear();
    user = [&](QDialog& d) {
        QTest::mouseDClick(Bar().shBkg, Qt::LeftButton);
        EXPECT_FALSE(Bar().SwatchChanged(Bar().shBkg));
        // A file that cannot be decoded: its error, and the swatch as it was.
        pictureName = dir.filePath(QStringLiteral("broken.bmp"));
        testutil::WriteAll(pictureName, "BM broken");
        QTest::mouseDClick(Bar().shBkg, Qt::LeftButton);
        EXPECT_EQ(errors.size(), 1);
        EXPECT_FALSE(Bar().SwatchChanged(Bar().shBkg));
        EXPECT_EQ(Bar().shBkg->Picture().width(), 22);
        // Another kind of file gives an empty picture, recorded with its file.
        pictureName = dir.filePath(QStringLiteral("picture.png"));
        testutil::WriteAll(pictureName, "png");
        QTest::mouseDClick(Bar().shBkg, Qt::LeftButton);
        EXPECT_TRUE(Bar().shBkg->Picture().isNull());
        Ok(d);
    };
    Properties();
    EXPECT_TRUE(e->BkgPic.isNull());
    EXPECT_EQ(e->BkgPicFile, pictureName);
}

TEST_F(BarWindow, DefaultColorsThenOkEmptiesThePictureFiles)
{
    TElement* e = Place(ekBar);
    const QString file = Picture("any.bmp", 10, 2, 0x123456, 0x123456);
    e->RedPic = e->YellowPic = e->GreenPic = e->BkgPic = testutil::SolidImage(10, 1, 0x123456);
    e->RedPicFile = e->YellowPicFile = e->GreenPicFile = e->BkgPicFile = file;
    user = [&](QDialog& d) {
        EXPECT_EQ(Bar().shRed->Picture().width(), 10);
        QTest::mouseClick(Bar().Button3, Qt::LeftButton);
        for (const TBarSwatch* s : {Bar().shRed, Bar().shYellow, Bar().shGreen, Bar().shBkg}) {
            EXPECT_TRUE(Bar().SwatchChanged(s));
            EXPECT_TRUE(Bar().SwatchFile(s).isEmpty());
        }
        Ok(d);
    };
    Properties();
    EXPECT_TRUE(e->RedPicFile.isEmpty());
    EXPECT_TRUE(e->YellowPicFile.isEmpty());
    EXPECT_TRUE(e->GreenPicFile.isEmpty());
    EXPECT_TRUE(e->BkgPicFile.isEmpty());
    EXPECT_TRUE(SamePixels(e->RedPic, DefaultBarPicture(BarSegment::Red)));
    EXPECT_TRUE(SamePixels(e->YellowPic, DefaultBarPicture(BarSegment::Yellow)));
    EXPECT_TRUE(SamePixels(e->GreenPic, DefaultBarPicture(BarSegment::Green)));
    EXPECT_TRUE(SamePixels(e->BkgPic, DefaultBarPicture(BarSegment::Bkg)));
    // The element holds its own copies: the dialog's pictures are not shared.
    Bar().shRed->SetPicture(QImage());
    EXPECT_FALSE(e->RedPic.isNull());
}

} // namespace
