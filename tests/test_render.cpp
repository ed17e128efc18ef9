#include "model/render.h"
#include "model/tlcd.h"
#include "model/tlcdlist.h"
#include "model/ufonts.h"
#include "testutil.h"

#include <QRegularExpression>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

QRgb Rgb(TColor c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QImage Solid(int w, int h, QRgb rgb) { return testutil::SolidImage(w, h, rgb); }

// Expected pixel of a cell-text element at panel offset (px, py) inside it, for one-byte text.
QRgb CellPixel(const TElement& e, int px, int py)
{
    const int cell = px / (8 * e.ScaleW);
    const int col = (px % (8 * e.ScaleW)) / e.ScaleW;
    const int row = py / e.ScaleH;
    const quint8 bits = CellGlyph(quint8(e.Text.at(cell)))[row];
    return (bits & (0x80 >> col)) ? Rgb(e.TextColor) : Rgb(e.BackColor);
}

} // namespace

TEST(Render, DroShowsItsFormattedValueInTheCellFont)
{
    struct Case { int zoom, scaleW, scaleH; };
    for (const Case c : {Case{1, 1, 1}, Case{2, 1, 1}, Case{3, 2, 3}}) {
        SCOPED_TRACE(testing::Message() << "zoom " << c.zoom << " scale " << c.scaleW << "x" << c.scaleH);
        TLCD screen;
        screen.SetZoom(quint8(c.zoom));
        TElement* dro = screen.AddElement(ekDRO, 10 * c.zoom, 20 * c.zoom);
        dro->SetScaleW(quint8(c.scaleW));
        dro->SetScaleH(quint8(c.scaleH));
        const QImage img = RenderScreen(screen);
        EXPECT_EQ(dro->Text, QByteArray("400.5278"));
        const int panelW = 8 * 8 * c.scaleW, panelH = 14 * c.scaleH;
        ASSERT_EQ(dro->Width, panelW * c.zoom);
        ASSERT_EQ(dro->Height, panelH * c.zoom);
        int mismatches = 0;
        for (int y = 0; y < dro->Height; ++y)
            for (int x = 0; x < dro->Width; ++x)
                // every panel pixel is a zoom x zoom block
                mismatches += img.pixel(dro->Left + x, dro->Top + y) != CellPixel(*dro, x / c.zoom, y / c.zoom);
        EXPECT_EQ(mismatches, 0);
        // Nothing outside the element.
        EXPECT_EQ(img.pixel(dro->Left + dro->Width, dro->Top), Rgb(0xFFFFFF));
        EXPECT_EQ(img.pixel(dro->Left - 1, dro->Top), Rgb(0xFFFFFF));
    }
}

TEST(Render, FailingFormatShowsZeroPointZero)
{
    TLCD screen;
    TElement* dro = screen.AddElement(ekDRO, 0, 0);
    dro->Format = "%s";
    RenderScreen(screen);
    EXPECT_EQ(dro->Text, QByteArray("0.0"));
    EXPECT_EQ(dro->Width, 24);
}

TEST(Render, BlanksAreFullCellsAndScaleZeroDrawsNoText)
{
    TLCD screen;
    TElement* status = screen.AddElement(ekStatus, 0, 0);
    EXPECT_EQ(status->Width, 240);
    QImage img = RenderScreen(screen);
    // The four trailing blanks: the element's fill, no text pixels.
    for (int x = 26 * 8; x < 240; ++x)
        for (int y = 0; y < 14; ++y)
            ASSERT_EQ(img.pixel(x, y), Rgb(status->BackColor));
    status->SetScaleH(0);
    EXPECT_EQ(status->Height, 0);
    img = RenderScreen(screen);
    EXPECT_EQ(img.pixel(1, 5), Rgb(0xFFFFFF));
}

TEST(Render, BarSegmentsFollowTheLevel)
{
    const QRgb green = qRgb(0, 255, 0), yellow = qRgb(255, 255, 0), red = qRgb(255, 0, 0), bkg = qRgb(0, 0, 255);
    TLCD screen;
    TElement* bar = screen.AddElement(ekBar, 0, 0);
    bar->GreenPic = Solid(22, 1, green);
    bar->YellowPic = Solid(22, 1, yellow);
    bar->RedPic = Solid(22, 1, red);
    bar->BkgPic = Solid(22, 1, bkg);
    ASSERT_EQ(bar->Height, 60);
    ASSERT_EQ(bar->Width, 22);

    // Value 90 of 100, yellow from 60 %, red from 80 %: green rows 24..59 one column narrower,
    // yellow 12..23, red 6..11, background above.
    QImage img = RenderScreen(screen);
    for (int y = 0; y < 60; ++y) {
        const QRgb want = y < 6 ? bkg : y < 12 ? red : y < 24 ? yellow : green;
        EXPECT_EQ(img.pixel(5, y), want) << "row " << y;
        EXPECT_EQ(img.pixel(21, y), y >= 24 ? bkg : want) << "last column, row " << y;
    }

    // Value 0: only the bottom row is green.
    bar->Value = 0;
    img = RenderScreen(screen);
    EXPECT_EQ(img.pixel(5, 59), green);
    EXPECT_EQ(img.pixel(5, 58), bkg);

    // At or above the maximum the bar is full; a maximum of 0 shows no level.
    bar->Value = 250;
    img = RenderScreen(screen);
    EXPECT_EQ(img.pixel(5, 0), red);
    bar->MaxVal = 0;
    img = RenderScreen(screen);
    EXPECT_EQ(img.pixel(5, 0), bkg);
    EXPECT_EQ(img.pixel(5, 59), green);
}

TEST(Render, RoundHalfEven)
{
    const std::pair<double, int> cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {36.0, 36}, {-0.5, 0}, {-1.5, -2}, {53.4, 53}};
    for (auto [v, want] : cases)
        EXPECT_EQ(RoundHalfEven(v), want) << v;
}

TEST(Render, GridLinesAsTheStepCountsThem)
{
    TLCDList list;
    list.GridColor = 0x00FF00;
    TLCD* screen = list.AddScreen(240, 320);
    screen->BackgroundColor = 0x000000;
    screen->GridStep = 7;
    screen->ShowGrid = true;
    const QImage img = RenderScreen(*screen);
    const QRgb grid = qRgb(0, 255, 0);
    // Vertical lines for k = 0 .. 240 div 7 - 1 = 33: the one at x = 238 is missing.
    EXPECT_EQ(img.pixel(0, 3), grid);
    EXPECT_EQ(img.pixel(231, 3), grid);
    EXPECT_NE(img.pixel(238, 3), grid);
    EXPECT_NE(img.pixel(232, 3), grid);
    // Horizontal lines run to the bottom: 315 is the last.
    EXPECT_EQ(img.pixel(3, 315), grid);
    EXPECT_EQ(img.pixel(239, 315), grid);
    EXPECT_NE(img.pixel(3, 319), grid);
    // At zoom 2 the lines are 14 window pixels apart.
    screen->SetZoom(2);
    const QImage z2 = RenderScreen(*screen);
    EXPECT_EQ(z2.pixel(14, 3), grid);
    EXPECT_NE(z2.pixel(7, 3), grid);
    // No grid when it is switched off or left out.
    EXPECT_NE(RenderScreen(*screen, BackgroundPictureOptions()).pixel(14, 3), grid);
}

TEST(Render, OrderLabelsOnlyOnBudgetedKinds)
{
    for (quint8 kind : {ekDRO, ekLED, ekBar, ekShape, ekImage, ekShift}) {
        TLCD screen;
        screen.SetShowOrder(true);
        TElement* e = screen.AddElement(kind, 0, 0);
        e->Width = 40;
        e->Height = 30;
        e->BackColor = e->PenColor = 0xFFFFFF;
        e->GreenPic = e->YellowPic = e->RedPic = e->BkgPic = QImage();
        e->Value = 0;
        e->TextColor = 0xFFFFFF;
        const QImage img = RenderScreen(screen);
        const bool labelled = img.pixel(3, 1) == qRgb(0, 0, 0);
        EXPECT_EQ(labelled, IsBudgeted(kind)) << "kind " << int(kind);
        EXPECT_EQ(img.pixel(1, 1), qRgb(255, 255, 255)) << "the label starts at x = 2";
        // Switched off, no kind shows a label, though the elements are drawn.
        TRenderOptions noLabels;
        noLabels.OrderLabels = false;
        const QImage unlabelled = RenderScreen(screen, noLabels);
        EXPECT_NE(unlabelled.pixel(3, 1), qRgb(0, 0, 0)) << "kind " << int(kind);
        EXPECT_EQ(unlabelled.pixel(20, 20), img.pixel(20, 20)) << "kind " << int(kind);
    }
}

TEST(Render, SelectionFrameOnEverySelectedElement)
{
    TLCD screen;
    TElement* a = screen.AddElement(ekShape, 10, 10);
    TElement* b = screen.AddElement(ekShape, 100, 100);
    a->Selected = b->Selected = true; // a group: neither is the screen's selected element
    const QImage img = RenderScreen(screen);
    for (TElement* e : {a, b}) {
        EXPECT_EQ(img.pixel(e->Left, e->Top), qRgb(255, 0, 0));
        EXPECT_EQ(img.pixel(e->Left + e->Width - 1, e->Top + e->Height - 1), qRgb(255, 0, 0));
        EXPECT_EQ(img.pixel(e->Left + 5, e->Top + 5), Rgb(e->BackColor));
    }
    EXPECT_EQ(RenderScreen(screen, BackgroundPictureOptions()).pixel(10, 10), Rgb(a->BackColor));
}

TEST(Render, BackgroundPictureHoldsOnlyTheBackgroundElements)
{
    TLCD screen;
    screen.BackgroundColor = 0x000000;
    TElement* shape = screen.AddElement(ekShape, 0, 0);
    TElement* led = screen.AddElement(ekLED, 100, 100);
    TElement* text = screen.AddElement(ekText, 0, 200);
    TElement* image = screen.AddElement(ekImage, 150, 0);
    image->Picture = Solid(5, 5, qRgb(1, 2, 3));
    const QImage img = RenderScreen(screen, BackgroundPictureOptions());
    EXPECT_EQ(img.pixel(shape->Left + 5, shape->Top + 5), Rgb(shape->BackColor));
    EXPECT_EQ(img.pixel(led->Left + 5, led->Top + 5), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(image->Left + 20, image->Top + 20), qRgb(1, 2, 3));
    // The free text: its fill and some pixels of its colour.
    int textPixels = 0;
    for (int y = text->Top; y < text->Top + text->Height; ++y)
        for (int x = text->Left; x < text->Left + text->Width; ++x)
            textPixels += img.pixel(x, y) == Rgb(text->TextColor);
    EXPECT_GT(textPixels, 10);
    EXPECT_EQ(RenderScreen(screen).pixel(led->Left + 5, led->Top + 5), Rgb(led->BackColor));
}

TEST(Render, BackgroundPictureIsStretchedOverTheScreen)
{
    TLCD screen;
    screen.SetZoom(2);
    QImage bkg(2, 2, QImage::Format_RGB888);
    bkg.setPixel(0, 0, qRgb(255, 0, 0));
    bkg.setPixel(1, 0, qRgb(0, 255, 0));
    bkg.setPixel(0, 1, qRgb(0, 0, 255));
    bkg.setPixel(1, 1, qRgb(9, 9, 9));
    screen.Background = bkg;
    const QImage img = RenderScreen(screen);
    ASSERT_EQ(img.size(), QSize(480, 640));
    EXPECT_EQ(img.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(479, 0), qRgb(0, 255, 0));
    EXPECT_EQ(img.pixel(0, 639), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(479, 639), qRgb(9, 9, 9));
}

TEST(Render, FreeTextScalesWithZoom)
{
    TLCD screen;
    TElement* text = screen.AddElement(ekText, 0, 0);
    auto count = [&](const QImage& img) {
        int n = 0;
        for (int y = 0; y < text->Height; ++y)
            for (int x = 0; x < text->Width; ++x)
                n += img.pixel(x, y) == Rgb(text->TextColor);
        return n;
    };
    const int at1 = count(RenderScreen(screen));
    screen.SetZoom(3);
    const int at3 = count(RenderScreen(screen));
    EXPECT_GT(at1, 0);
    EXPECT_GT(at3, 4 * at1); // about nine times as many
}

namespace {

// An outline form as a picture of characters: P pen, B fill, . the screen's own colour.
QStringList ShapeMask(quint8 form, int w, int h)
{
    TLCD screen;
    screen.BackgroundColor = 0x000000;
    TElement* e = screen.AddElement(ekShape, 10, 10);
    e->ShapeType = form;
    e->Width = e->PanelW = w;
    e->Height = e->PanelH = h;
    e->PenColor = 0x0000FF;
    e->BackColor = 0xFF0000;
    const QImage img = RenderScreen(screen);
    QStringList rows;
    for (int y = 9; y <= 10 + h; ++y) { // a row and a column of the screen around the element
        QString row;
        for (int x = 9; x <= 10 + w; ++x) {
            const QRgb c = img.pixel(x, y);
            row += c == qRgb(255, 0, 0) ? 'P' : c == qRgb(0, 0, 255) ? 'B' : c == qRgb(0, 0, 0) ? '.' : '?';
        }
        rows << row;
    }
    return rows;
}

// The columns of the first and last pixel the element draws in each row.
std::vector<std::pair<int, int>> ShapeSpans(quint8 form, int w, int h)
{
    std::vector<std::pair<int, int>> spans;
    const QStringList mask = ShapeMask(form, w, h);
    for (qsizetype y = 1; y + 1 < mask.size(); ++y) {
        const QString& row = mask[y];
        const qsizetype first = row.indexOf(QRegularExpression("[PB]"));
        const qsizetype last = row.lastIndexOf(QRegularExpression("[PB]"));
        spans.push_back({int(first) - 1, int(last) - 1});
    }
    return spans;
}

} // namespace

TEST(Render, SmallOutlineFormsPixelByPixel)
{
    struct Case
    {
        quint8 form;
        int w, h;
        QStringList mask; // with a one-pixel ring of screen around the element
    };
    const Case cases[] = {
        {stRectangle,
         8,
         6,
         {"..........", ".PPPPPPPP.", ".PBBBBBBP.", ".PBBBBBBP.", ".PBBBBBBP.", ".PBBBBBBP.", ".PPPPPPPP.",
          ".........."}},
        {stSquare,
         10,
         6,
         {"............", "...PPPPPP...", "...PBBBBP...", "...PBBBBP...", "...PBBBBP...", "...PBBBBP...",
          "...PPPPPP...", "............"}},
        {stEllipse,
         8,
         6,
         {"..........", "...PPPP...", "..PBBBBP..", ".PBBBBBBP.", ".PBBBBBBP.", "..PBBBBP..", "...PPPP...",
          ".........."}},
        {stCircle,
         10,
         6,
         {"............", "....PPPP....", "...PBBBBP...", "...PBBBBP...", "...PBBBBP...", "...PBBBBP...",
          "....PPPP....", "............"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "form " << int(c.form));
        EXPECT_EQ(ShapeMask(c.form, c.w, c.h), c.mask);
    }
    // 24 x 20: corners of 20 div 4 = 5 pixels take one pixel off the ends of the top and bottom rows.
    const QString ring(26, '.');
    const QString end = ".." + QString(22, 'P') + "..";
    const QString middle = ".P" + QString(22, 'B') + "P.";
    QStringList rounded{ring, end};
    for (int y = 1; y < 19; ++y)
        rounded << middle;
    rounded << end << ring;
    EXPECT_EQ(ShapeMask(stRoundRect, 24, 20), rounded);
    // Round forms: s = 12 gives a corner of 3 pixels, under a pixel's half on each side: no rounding.
    EXPECT_EQ(ShapeMask(stRoundRect, 16, 12), ShapeMask(stRectangle, 16, 12));
}

TEST(Render, RoundCornersAreTheSameAtEveryCorner)
{
    // 40 x 40: corners of 10 pixels. Rows from the top and from the bottom start at 3, 1, 1, 0.
    const std::vector<int> starts = {3, 1, 1, 0, 0};
    struct Case
    {
        quint8 form;
        int w, h, offset; // the square's left edge in the element
    };
    for (const Case c :
         {Case{stRoundRect, 40, 40, 0}, Case{stRoundSquare, 50, 40, 5}, Case{stRoundSquare, 40, 40, 0}}) {
        SCOPED_TRACE(testing::Message() << "form " << int(c.form) << ", " << c.w << " x " << c.h);
        const auto spans = ShapeSpans(c.form, c.w, c.h);
        ASSERT_EQ(spans.size(), size_t(c.h));
        for (int y = 0; y < c.h; ++y) {
            const int d = std::min(y, c.h - 1 - y);
            const int inset = d < int(starts.size()) ? starts[size_t(d)] : 0;
            EXPECT_EQ(spans[size_t(y)], std::make_pair(c.offset + inset, c.offset + 39 - inset))
                << "row " << y;
        }
    }
    // Every form is its own mirror image, left to right and top to bottom, also in odd sizes.
    for (quint8 form : {stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle}) {
        for (const QSize size : {QSize(40, 40), QSize(37, 23), QSize(23, 37), QSize(7, 5)}) {
            SCOPED_TRACE(testing::Message()
                         << "form " << int(form) << ", " << size.width() << " x " << size.height());
            const QStringList mask = ShapeMask(form, size.width(), size.height());
            for (qsizetype y = 0; y < mask.size(); ++y) {
                QString mirrored = mask[y];
                std::reverse(mirrored.begin(), mirrored.end());
                EXPECT_EQ(mask[y], mirrored) << "row " << y;
                EXPECT_EQ(mask[y], mask[mask.size() - 1 - y]) << "row " << y;
            }
        }
    }
}
