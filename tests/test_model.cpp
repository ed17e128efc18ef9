#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstring>

#include "model/tlcd.h"
#include "model/tlcdlist.h"
#include "testutil.h"

namespace {

struct KindDefaults
{
    quint8 kind;
    int zoom;
    int width, height;   // window pixels
    int panelW, panelH;  // panel pixels
    TColor back, text;
};

// Sizes of a new element of each kind, and its colours, at zoom 1 and zoom 3.
const KindDefaults kKindDefaults[] = {
    {ekDRO, 1, 0, 14, 0, 14, 0x80FF80, 0x800000},
    {ekDRO, 3, 0, 42, 0, 14, 0x80FF80, 0x800000},
    {ekLED, 1, 20, 20, 20, 20, 0x808080, 0x0000FF},
    {ekLED, 3, 20, 20, 6, 6, 0x808080, 0x0000FF},
    {ekBar, 1, 22, 60, 22, 60, 0xC0C0C0, 0},
    {ekBar, 3, 22, 60, 7, 20, 0xC0C0C0, 0},
    {ekShift, 1, 15, 15, 15, 15, 0x80FF80, 0},
    {ekStatus, 1, 240, 14, 240, 14, 0x0000FF, 0xFFFFFF},
    {ekStatus, 3, 720, 42, 240, 14, 0x0000FF, 0xFFFFFF},
    {ekImage, 1, 50, 50, 50, 50, 0xC0C0C0, 0},
    {ekImage, 3, 150, 150, 50, 50, 0xC0C0C0, 0},
    {ekShape, 1, 65, 20, 65, 20, 0xFF4242, 0},
    {ekShape, 3, 65, 20, 21, 6, 0xFF4242, 0},
    {ekClock, 1, 152, 14, 152, 14, 0x123456, 0x000080}, // back colour: the screen's at that moment
    {ekClock, 3, 456, 42, 152, 14, 0x123456, 0x000080},
    {5, 1, 65, 65, 65, 65, 0, 0},                         // a kind that is never produced: common defaults
};

} // namespace

TEST(ElementModel, PerKindDefaultsAndSizes)
{
    for (const KindDefaults& c : kKindDefaults) {
        SCOPED_TRACE(testing::Message() << "kind " << int(c.kind) << " zoom " << c.zoom);
        TLCD screen;
        screen.BackgroundColor = 0x123456;
        screen.SetZoom(quint8(c.zoom));
        TElement* e = screen.AddElement(c.kind, 7 * c.zoom + c.zoom - 1, 9 * c.zoom);
        EXPECT_EQ(e->Width, c.width);
        EXPECT_EQ(e->Height, c.height);
        EXPECT_EQ(e->PanelW, c.panelW);
        EXPECT_EQ(e->PanelH, c.panelH);
        EXPECT_EQ(e->BackColor, c.back);
        EXPECT_EQ(e->TextColor, c.text);
        EXPECT_EQ(e->PenColor, e->BackColor);
        EXPECT_EQ(e->PanelX, 7);
        EXPECT_EQ(e->PanelY, 9);
        EXPECT_EQ(e->Left, 7 * c.zoom + c.zoom - 1);
        EXPECT_EQ(e->Screen, &screen);
        EXPECT_EQ(e->ScaleW, 1);
        EXPECT_EQ(e->ScaleH, 1);
        EXPECT_EQ(e->MaxVal, 100);
        EXPECT_EQ(e->YellowPct, 60);
        EXPECT_EQ(e->RedPct, 80);
        // An LED is lit in its text colour and off in its fill, as it shows.
        EXPECT_EQ(e->OnColor, c.kind == ekLED ? c.text : 0u);
        EXPECT_EQ(e->OffColor, c.kind == ekLED ? c.back : 0u);
        EXPECT_FALSE(e->Selected);
    }
}

TEST(ElementModel, KindSpecificFields)
{
    TLCD screen;
    TElement* dro = screen.AddElement(ekDRO, 0, 0);
    EXPECT_EQ(dro->Format, QByteArray("%.4f"));
    quint32 bits = 0;
    std::memcpy(&bits, &dro->Value, 4);
    EXPECT_EQ(bits, 0x43C8438Fu);
    EXPECT_TRUE(dro->Text.isEmpty());

    EXPECT_EQ(screen.AddElement(ekStatus, 0, 0)->Text, QByteArray("Status stirng, max 30 char    "));
    EXPECT_EQ(screen.AddElement(ekClock, 0, 0)->Text, QByteArray("01/01/2011 12:00:00"));
    EXPECT_EQ(screen.AddElement(ekShift, 0, 0)->Hint, QString("Shift status"));
    TElement* bar = screen.AddElement(ekBar, 0, 0);
    EXPECT_FLOAT_EQ(bar->Value, 90.0f);
    EXPECT_EQ(bar->GreenPic, DefaultBarPicture(BarSegment::Green));
    EXPECT_EQ(bar->BkgPic, DefaultBarPicture(BarSegment::Bkg));
    TElement* text = screen.AddElement(ekText, 0, 0);
    EXPECT_EQ(text->Text, QByteArray("Text"));
    EXPECT_EQ(text->FontName, QString("Times New Roman"));
    EXPECT_GT(text->PanelW, 0);
    EXPECT_GT(text->PanelH, 0);
    EXPECT_TRUE(screen.AddElement(ekImage, 0, 0)->Picture.isNull());

    // Order numbers are the index in the list at creation.
    for (int i = 0; i < screen.Count(); ++i)
        EXPECT_EQ(screen.Item(i)->OrderNo, i);
}

TEST(ElementModel, DefaultBarPicturesAreTheBuiltInRows)
{
    struct Case { BarSegment segment; int x; QRgb rgb; };
    const Case cases[] = {
        {BarSegment::Green, 0, 0x003E00}, {BarSegment::Green, 11, 0x00D900}, {BarSegment::Green, 21, 0x003E00},
        {BarSegment::Yellow, 4, 0xFFB624}, {BarSegment::Yellow, 10, 0xFFDA90},
        {BarSegment::Red, 9, 0xFF2424}, {BarSegment::Red, 11, 0xFF6C6C},
        {BarSegment::Bkg, 0, 0x2D2D88}, {BarSegment::Bkg, 7, 0x6666CC}, {BarSegment::Bkg, 15, 0x4A4AC3},
    };
    for (const Case& c : cases) {
        const QImage p = DefaultBarPicture(c.segment);
        ASSERT_EQ(p.size(), QSize(22, 1));
        EXPECT_EQ(p.format(), QImage::Format_RGB888);
        EXPECT_EQ(p.pixel(c.x, 0) & 0xFFFFFF, c.rgb) << int(c.segment) << " x " << c.x;
    }
}

TEST(ElementModel, CellTextSizeFollowsTextScaleAndZoom)
{
    TLCD screen;
    screen.SetZoom(2);
    TElement* dro = screen.AddElement(ekDRO, 0, 0);
    dro->SetText("400.5278");
    dro->SetScaleW(2);
    dro->SetScaleH(3);
    EXPECT_EQ(dro->Width, 256);
    EXPECT_EQ(dro->Height, 84);

    TElement* status = screen.AddElement(ekStatus, 0, 0);
    status->SetScaleW(2);
    EXPECT_EQ(status->Width, 30 * 8 * 2 * 2);
    status->SetScaleW(0);
    EXPECT_EQ(status->Width, 0);
    status->SetScaleH(0);
    EXPECT_EQ(status->Height, 0);

    // A shape keeps its size when its scale changes.
    TElement* shape = screen.AddElement(ekShape, 0, 0);
    shape->SetScaleW(3);
    EXPECT_EQ(shape->Width, 65);
}

TEST(ElementModel, FreeTextMeasuresInItsFontAndScalesWithZoom)
{
    TLCD screen;
    TElement* text = screen.AddElement(ekText, 0, 0);
    const int w = text->PanelW, h = text->PanelH;
    text->SetText("Text Text");
    EXPECT_GT(text->PanelW, w);
    EXPECT_EQ(text->PanelH, h);
    screen.SetZoom(3);
    EXPECT_EQ(text->Width, 3 * text->PanelW);
    EXPECT_EQ(text->Height, 3 * text->PanelH);
}

TEST(ElementModel, TextsAreCountedInCodePageCells)
{
    TLCD screen;
    TElement* clock = screen.AddElement(ekClock, 0, 0);
    clock->SetText(QByteArray("\xDD\xEA\xF0\xE0\xED")); // five Cyrillic letters, five cells
    EXPECT_EQ(clock->Width, 5 * 8);
}

TEST(ScreenModel, NewScreenDefaults)
{
    TLCD screen;
    EXPECT_EQ(screen.Zoom, 1);
    EXPECT_EQ(screen.GridStep, 5);
    EXPECT_EQ(screen.BackgroundColor, 0xFFFFFFu);
    EXPECT_EQ(screen.PanelWidth, 240);
    EXPECT_EQ(screen.PanelHeight, 320);
    EXPECT_EQ(screen.DisplayWidth, 240);
    EXPECT_TRUE(screen.Modified);
    EXPECT_EQ(screen.GridColor(), 0xC0C0C0u);
}

TEST(ScreenModel, ZoomAndLandscape)
{
    TLCD screen;
    screen.SetLandscape(true);
    TElement* led = screen.AddElement(ekLED, 33, 44);
    TElement* dro = screen.AddElement(ekDRO, 300, 10);
    dro->SetText("12.5");
    screen.SetModified(false);

    screen.SetZoom(3);
    EXPECT_EQ(screen.DisplayWidth, 960);
    EXPECT_EQ(screen.DisplayHeight, 720);
    EXPECT_FALSE(screen.Modified);
    for (const auto& e : screen.Elements()) {
        EXPECT_EQ(e->Left, 3 * e->PanelX);
        EXPECT_EQ(e->Top, 3 * e->PanelY);
    }
    EXPECT_EQ(led->Width, 60);
    EXPECT_EQ(dro->Width, 4 * 8 * 3);

    // Zoom 0 is never applied.
    screen.SetZoom(0);
    EXPECT_EQ(screen.Zoom, 1);

    // Going portrait neither moves nor checks the element beyond the new right edge.
    screen.SetLandscape(false);
    EXPECT_EQ(screen.PanelWidth, 240);
    EXPECT_EQ(screen.DisplayWidth, 240);
    EXPECT_EQ(dro->PanelX, 300);
    EXPECT_TRUE(screen.Modified);
}

TEST(ScreenModel, DeleteElement)
{
    TLCDList list;
    TLCD* screen = list.AddScreen(240, 320);
    TElement* a = screen->AddElement(ekShape, 0, 0);
    TElement* b = screen->AddElement(ekLED, 0, 0);
    TElement* c = screen->AddElement(ekBar, 0, 0);
    screen->Group = {a, b};
    screen->Repaired = {b};
    screen->SelectElement(b);
    QSignalSpy destroying(screen, &TLCD::ElementDestroying);

    list.Modified = false;
    screen->Modified = false;
    EXPECT_TRUE(screen->DeleteElement(b));
    EXPECT_EQ(screen->SelectedElement, nullptr);
    EXPECT_EQ(screen->Group, QList<TElement*>{a});
    EXPECT_TRUE(screen->Repaired.isEmpty());
    EXPECT_EQ(screen->Count(), 2);
    ASSERT_EQ(destroying.count(), 1);
    EXPECT_EQ(destroying.at(0).at(0).value<TElement*>(), b);
    EXPECT_TRUE(screen->Modified);
    EXPECT_TRUE(list.Modified);

    // An element of another screen: nothing removed, but the flags are set all the same.
    TLCD other;
    TElement* foreign = other.AddElement(ekLED, 0, 0);
    screen->Modified = list.Modified = false;
    EXPECT_FALSE(screen->DeleteElement(foreign));
    EXPECT_EQ(screen->Count(), 2);
    EXPECT_EQ(other.Count(), 1);
    EXPECT_TRUE(screen->Modified);
    EXPECT_TRUE(list.Modified);
    EXPECT_EQ(screen->Item(1), c);
}

TEST(ScreenModel, StackingOrder)
{
    TLCD screen;
    TElement* e[4];
    for (int i = 0; i < 4; ++i)
        e[i] = screen.AddElement(ekShape, i, 0);
    auto order = [&] {
        QList<TElement*> o;
        for (const auto& x : screen.Elements())
            o << x.get();
        return o;
    };
    EXPECT_TRUE(screen.MoveToTop(e[1]));
    EXPECT_EQ(order(), (QList<TElement*>{e[0], e[2], e[3], e[1]}));
    EXPECT_TRUE(screen.MoveToBottom(e[3]));
    EXPECT_EQ(order(), (QList<TElement*>{e[3], e[0], e[2], e[1]}));
    TLCD other;
    EXPECT_FALSE(screen.MoveToTop(other.AddElement(ekShape, 0, 0)));
    EXPECT_EQ(order(), (QList<TElement*>{e[3], e[0], e[2], e[1]}));
}

TEST(ScreenModel, BudgetAndKinds)
{
    TLCD screen;
    for (quint8 k : {ekDRO, ekDRO, ekBar, ekClock, ekShape})
        screen.AddElement(k, 0, 0);
    EXPECT_EQ(screen.BudgetCount(), 3);
    EXPECT_FALSE(screen.HasKind(ekShift));
    screen.AddElement(ekShift, 0, 0);
    EXPECT_TRUE(screen.HasKind(ekShift));
    EXPECT_EQ(screen.BudgetCount(), 3);
    screen.AddElement(ekLED, 0, 0);
    EXPECT_EQ(screen.BudgetCount(), 4);
}

TEST(ScreenModel, SelectionAndClear)
{
    TLCD screen;
    TElement* a = screen.AddElement(ekLED, 0, 0);
    TElement* b = screen.AddElement(ekLED, 0, 0);
    int selects = 0;
    screen.OnSelect = [&](TElement*) { ++selects; };
    screen.SelectElement(a);
    EXPECT_TRUE(a->Selected);
    EXPECT_FALSE(b->Selected);
    screen.SelectElement(nullptr);
    EXPECT_FALSE(a->Selected);
    EXPECT_EQ(selects, 0);

    screen.Group = {a, b};
    screen.SelectElement(b);
    screen.SetModified(false);
    screen.Clear();
    EXPECT_EQ(screen.Count(), 0);
    EXPECT_TRUE(screen.Group.isEmpty());
    EXPECT_EQ(screen.SelectedElement, nullptr);
    EXPECT_FALSE(screen.Modified);
}

TEST(ScreenModel, ShowOrderReachesEveryElementAndNewOnes)
{
    TLCD screen;
    TElement* a = screen.AddElement(ekLED, 0, 0);
    screen.SetShowOrder(true);
    EXPECT_TRUE(a->ShowOrder);
    EXPECT_TRUE(screen.AddElement(ekBar, 0, 0)->ShowOrder);
}

TEST(ScreenModel, BackgroundPicture)
{
    QTemporaryDir dir;
    const QString bmp = dir.filePath("bkg.bmp");
    ASSERT_TRUE(testutil::SolidImage(240, 320, 0x102030).save(bmp, "BMP"));

    TLCDList list;
    TLCD* screen = list.AddScreen(240, 320);
    screen->SetModified(false);
    screen->SetBackground(bmp);
    EXPECT_EQ(screen->BackgroundFile, bmp);
    EXPECT_EQ(screen->Background.size(), QSize(240, 320));
    EXPECT_TRUE(screen->Modified);
    EXPECT_TRUE(list.Modified);

    // A missing file gives an empty picture; the screen then shows its colour.
    screen->SetBackground(dir.filePath("missing.bmp"));
    EXPECT_TRUE(screen->Background.isNull());
    EXPECT_EQ(screen->BackgroundFile, dir.filePath("missing.bmp"));

    // Removing the picture does not count as a change.
    screen->SetModified(false);
    list.SetModified(false);
    screen->SetBackground(QString());
    EXPECT_TRUE(screen->BackgroundFile.isEmpty());
    EXPECT_FALSE(screen->Modified);
    EXPECT_FALSE(list.Modified);
}

TEST(ScreenModel, MissingPictureIsOfferedToTheList)
{
    QTemporaryDir dir;
    const QString found = dir.filePath("found.bmp");
    ASSERT_TRUE(testutil::SolidImage(8, 4, 0xFF0000).save(found, "BMP"));

    TLCDList list;
    TLCD* screen = list.AddScreen(240, 320);
    TElement* image = screen->AddElement(ekImage, 0, 0);
    QStringList asked;
    list.OnFileNotFound = [&](TElement* e, QString& name) {
        EXPECT_EQ(e, image);
        asked << name;
        name = found;
    };
    image->Text = "/nowhere/lost.bmp";
    QString name = QString::fromLatin1(image->Text);
    image->LoadPicture(name);
    EXPECT_EQ(asked, QStringList{"/nowhere/lost.bmp"});
    EXPECT_EQ(name, found);
    EXPECT_EQ(image->Picture.size(), QSize(8, 4));

    // An existing file is not offered; a screen outside a list offers nothing.
    image->LoadPicture(name);
    EXPECT_EQ(asked.size(), 1);
    TLCD alone;
    TElement* other = alone.AddElement(ekImage, 0, 0);
    QString lost = "/nowhere/lost.bmp";
    other->LoadPicture(lost);
    EXPECT_TRUE(other->Picture.isNull());
    EXPECT_EQ(lost, QString("/nowhere/lost.bmp"));
}

TEST(ScreenModel, DragEventsAreForwardedWithTheRightCoordinates)
{
    TLCD screen;
    TElement* e = screen.AddElement(ekLED, 30, 40);
    QPoint over, dropped;
    TElement* overSender = nullptr;
    screen.OnDragOver = [&](TElement* s, const QObject*, QPoint p) {
        overSender = s;
        over = p;
        return true;
    };
    screen.OnDragDrop = [&](TElement*, const QObject*, QPoint p) { dropped = p; };
    EXPECT_TRUE(screen.DragOver(e, nullptr, QPoint(3, 4)));
    EXPECT_EQ(overSender, e);
    EXPECT_EQ(over, QPoint(3, 4));
    screen.DragDrop(e, nullptr, QPoint(3, 4));
    EXPECT_EQ(dropped, QPoint(33, 44));
    screen.DragDrop(nullptr, nullptr, QPoint(3, 4));
    EXPECT_EQ(dropped, QPoint(3, 4));
}

TEST(ScreenList, AddScreenStaysPortraitUntilTheCallerSaysOtherwise)
{
    TLCDList list;
    list.SetZoom(2);
    TLCD* s = list.AddScreen(320, 240);
    EXPECT_EQ(s->ScreenList, &list);
    EXPECT_EQ(s->DisplayWidth, 320);
    EXPECT_FALSE(s->Landscape);
    EXPECT_EQ(s->Zoom, 1);
    EXPECT_FALSE(list.Modified);
    list.SetZoom(2);
    EXPECT_EQ(s->DisplayWidth, 480);
    EXPECT_EQ(s->DisplayHeight, 640);
}

TEST(ScreenList, SettersReachEveryScreenButNotTheOutsideOne)
{
    TLCDList list;
    TLCD* a = list.AddScreen(240, 320);
    TLCD* b = list.AddScreen(240, 320);
    TLCD powerFail;
    list.GridColor = 0x00FF00;
    list.SetGridStep(7);
    list.SetShowGrid(true);
    list.SetShowOrder(true);
    list.SetZoom(4);
    list.SetCursor(Qt::CrossCursor);
    for (TLCD* s : {a, b}) {
        EXPECT_EQ(s->GridStep, 7);
        EXPECT_TRUE(s->ShowGrid);
        EXPECT_TRUE(s->ShowOrder);
        EXPECT_EQ(s->Zoom, 4);
        EXPECT_EQ(s->Cursor, Qt::CrossCursor);
        EXPECT_EQ(s->GridColor(), 0x00FF00u);
    }
    EXPECT_EQ(powerFail.GridStep, 5);
    EXPECT_FALSE(powerFail.ShowGrid);
    EXPECT_EQ(powerFail.Zoom, 1);
    EXPECT_EQ(powerFail.GridColor(), 0xC0C0C0u);
}

TEST(ScreenList, DeleteAndMoveScreens)
{
    TLCDList list;
    TLCD* a = list.AddScreen(240, 320);
    TLCD* b = list.AddScreen(240, 320);
    TLCD* c = list.AddScreen(240, 320);
    b->AddElement(ekLED, 0, 0);
    QSignalSpy destroying(b, &TLCD::ElementDestroying);
    list.Modified = false;
    list.DeleteScreen(b);
    EXPECT_EQ(destroying.count(), 1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items(1), c);
    EXPECT_FALSE(list.Modified);
    TLCD outside;
    list.DeleteScreen(&outside);
    EXPECT_EQ(list.Count(), 2);

    list.MoveScreen(1, 0);
    EXPECT_EQ(list.Items(0), c);
    EXPECT_EQ(list.Items(1), a);
    list.MoveScreen(0, 5); // out of range: nothing
    EXPECT_EQ(list.Items(0), c);
}

TEST(ScreenModel, ChangesAskViewsToRedraw)
{
    TLCD screen;
    QSignalSpy changed(&screen, &TLCD::Changed);
    TElement* e = screen.AddElement(ekLED, 0, 0);
    screen.SelectElement(e);
    screen.MoveToTop(e);
    screen.SetZoom(2);
    screen.DeleteElement(e);
    EXPECT_GE(changed.count(), 5);
}
