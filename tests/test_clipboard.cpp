#include "base/terror.h"
#include "document/clipboard.h"
#include "document/edits.h"
#include "document/tproject.h"
#include "document/undocommands.h"
#include "model/editing.h"
#include "model/elementkind.h"
#include "model/placement.h"
#include "model/render.h"
#include "project/lcdfile.h"
#include "project/lcdlayout.h"
#include "testutil.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using testutil::SolidImage;

namespace {

QByteArray Bytes(const TProject& p)
{
    return ProjectBytes(p.Screens(), p.PowerFail(), p.GatherSplash());
}

// Two empty portrait work screens and a landscape one, at zoom 1, saved.
struct TFixture
{
    QTemporaryDir dir;
    TProject project;

    TFixture()
    {
        project.SetUndoLimit(0);
        for (int i = 0; i < 3; ++i)
            project.Screens().AddScreen(240, 320)->SetZoom(1);
        Screen(2).SetLandscape(true);
        project.Save(dir.filePath("p.lcd"));
    }
    TLCD& Screen(int i) { return *project.Screens().Items(i); }
    QUndoStack& Stack() { return project.UndoStack(); }
};

// An element of `kind` at (x, y) with every field its kind shows set away from the defaults.
TElement* Designed(TLCD& screen, int kind, int x, int y, const QString& pictureFile = {})
{
    TElement* e = Drop(screen, TScreenRole::Work, kind, {x, y});
    if (!e)
        return nullptr;
    e->TextColor = 0x102030;
    e->BackColor = 0x405060;
    e->PenColor = 0x708090;
    e->OnColor = 0x0A0B0C;
    e->OffColor = 0x0D0E0F;
    e->Reserved = 7;
    switch (kind) {
    case ekDRO:
        e->Format = "%5.1f";
        e->Value = 12.5f;
        e->SetScaleW(2);
        break;
    case ekLED:
        e->LedMode = 1;
        e->BlinkInterval = 300;
        e->Width = e->PanelW = 30;
        break;
    case ekBar:
        e->MaxVal = 250;
        e->YellowPct = 40;
        e->RedPct = 90;
        e->ShowAsAxis = 1;
        e->AxisColor = 0x00FF00;
        e->AxisNum = 3;
        e->RedPic = SolidImage(22, 1, qRgb(200, 10, 10));
        e->RedPicFile = QStringLiteral("/gone/red segment.bmp");
        break;
    case ekText:
        e->FontName = QStringLiteral("A font name far longer than the thirty bytes of its field");
        e->FontSize = 14;
        e->FontBold = true;
        e->TypedText = QStringLiteral("Text ✓");
        e->SetText("Text ?");
        break;
    case ekImage:
        e->Picture = SolidImage(40, 30, qRgb(1, 2, 3));
        e->Text = pictureFile.toLocal8Bit();
        e->Width = e->PanelW = 40;
        e->Height = e->PanelH = 30;
        break;
    case ekShape:
        e->ShapeType = stEllipse;
        break;
    default:
        break;
    }
    return e;
}

// The design of `pasted` with the place and order number of `original`.
TElementData PlacedAs(const TElementData& pasted, const TElementData& original)
{
    TElementData d = pasted;
    d.Left = original.Left;
    d.Top = original.Top;
    d.PanelX = original.PanelX;
    d.PanelY = original.PanelY;
    d.OrderNo = original.OrderNo;
    return d;
}

} // namespace

TEST(Clipboard, APastedElementHasTheDesignOfItsCopyAtEveryZoom)
{
    const int kinds[] = {ekDRO, ekLED, ekBar, ekShift, ekStatus, ekText, ekImage, ekShape, ekClock};
    for (const int zoom : {1, 3}) {
        for (const int kind : kinds) {
            TFixture f;
            // The image's file is gone by the time of the paste: the picture travels with it.
            const QString file = f.dir.filePath("picture.bmp");
            ASSERT_TRUE(SolidImage(40, 30, qRgb(1, 2, 3)).save(file));
            TElement* original = Designed(f.Screen(0), kind, 50, 60, file);
            ASSERT_NE(original, nullptr) << kind;
            const TElementData design = original->Data();
            f.Screen(0).SetZoom(quint8(zoom));
            f.Screen(1).SetZoom(quint8(zoom));
            const QByteArray bytes = ElementsToBytes(f.Screen(0), {original});
            QFile::remove(file);

            const TPasteResult r = PasteBytes(f.project, f.Screen(1), bytes);
            ASSERT_EQ(r.Pasted.size(), 1) << kind << " " << r.RefusedText().toStdString();
            f.Screen(1).SetZoom(1);
            const TElementData pasted = r.Pasted.first()->Data();
            EXPECT_TRUE(SameDesign(PlacedAs(pasted, design), design)) << "kind " << kind << " zoom " << zoom;
            // Kept on the screen: the status line is as wide as the screen.
            EXPECT_EQ(pasted.PanelX, std::min(50, 240 - design.Width)) << kind;
            EXPECT_EQ(pasted.PanelY, 60) << kind;
            EXPECT_EQ(Selection(f.Screen(1)), r.Pasted) << kind;
        }
    }
}

TEST(Clipboard, ElementsTravelInStackingOrderAndComeBackSelected)
{
    TFixture f;
    TLCD& a = f.Screen(0);
    for (const int kind : {ekShape, ekDRO, ekText, ekBar})
        ASSERT_NE(Designed(a, kind, 10 * kind, 20 + kind), nullptr);
    // Given in another order, they are copied as they lie.
    const QByteArray bytes = ElementsToBytes(a, {a.Item(3), a.Item(1), a.Item(2)});
    const QList<TElementData> read = ElementsFromBytes(bytes);
    ASSERT_EQ(read.size(), 3);
    EXPECT_EQ(read[0].Kind, ekDRO);
    EXPECT_EQ(read[1].Kind, ekText);
    EXPECT_EQ(read[2].Kind, ekBar);

    const TPasteResult r = PasteBytes(f.project, f.Screen(1), bytes);
    ASSERT_EQ(r.Pasted.size(), 3);
    EXPECT_TRUE(r.Refused.isEmpty());
    EXPECT_EQ(Selection(f.Screen(1)), r.Pasted);
    EXPECT_EQ(f.Screen(1).Group.size(), 3);
    EXPECT_EQ(f.Stack().undoText(), QStringLiteral("Paste 3 elements"));
}

TEST(Clipboard, APasteObeysTheRulesOfADrop)
{
    struct Case
    {
        const char* What;
        std::function<void(TFixture&)> Prepare; // what the target screen holds already
        QList<int> Kinds;                       // what is pasted, in order
        bool PowerFail;
        QList<int> Placed; // the kinds placed
        QStringList Named; // what the status line must say
        QList<int> OrderNos;
    };
    const Case cases[] = {
        {"budget full",
         [](TFixture& f) {
             for (int i = 0; i < MaxElements; ++i)
                 Drop(f.Screen(1), TScreenRole::Work, ekLED, {i * 10, 200});
         },
         {ekDRO, ekText, ekBar, ekDRO},
         false,
         {ekText},
         {"Not pasted: 2 times DRO (no free element", "; bar (no free element"},
         {MaxElements - 1}},
        {"second status line and shift mark",
         [](TFixture& f) {
             Drop(f.Screen(1), TScreenRole::Work, ekStatus, {0, 0});
             Drop(f.Screen(1), TScreenRole::Work, ekShift, {0, 100});
         },
         {ekStatus, ekLED, ekShift},
         false,
         {ekLED},
         {"status line (the screen has one)", "shift mark (the screen has one)"},
         {0}},
        {"two status lines in one paste",
         [](TFixture&) {},
         {ekStatus, ekStatus},
         false,
         {ekStatus},
         {"status line (the screen has one)"},
         {-1}},
        {"new order numbers after the screen's",
         [](TFixture& f) {
             for (int i = 0; i < 3; ++i)
                 Drop(f.Screen(1), TScreenRole::Work, ekDRO, {0, i * 20});
         },
         {ekLED, ekShape, ekBar},
         false,
         {ekLED, ekShape, ekBar},
         {},
         {3, 3, 4}},
        {"power-fail screen takes one DRO",
         [](TFixture&) {},
         {ekLED, ekDRO, ekDRO},
         true,
         {ekDRO},
         {"LED (the power-fail screen takes one DRO only)", "DRO (the power-fail screen has its DRO)"},
         {0}},
        {"nothing placed",
         [](TFixture& f) {
             Drop(f.project.PowerFail(), TScreenRole::PowerFail, ekDRO, {0, 0});
         },
         {ekDRO},
         true,
         {},
         {"DRO (the power-fail screen has its DRO)"},
         {}},
    };
    for (const Case& c : cases) {
        TFixture f;
        TLCD& source = f.Screen(0);
        for (int i = 0; i < c.Kinds.size(); ++i)
            ASSERT_NE(source.AddElement(quint8(c.Kinds[i]), 5 + i * 30, 5), nullptr);
        QList<TElement*> all;
        for (const auto& e : source.Elements())
            all << e.get();
        const QByteArray bytes = ElementsToBytes(source, all);
        c.Prepare(f);
        TLCD& target = c.PowerFail ? f.project.PowerFail() : f.Screen(1);
        const int before = target.Count();
        const int steps = f.Stack().count();
        const QByteArray file = Bytes(f.project);

        const TPasteResult r = PasteBytes(f.project, target, bytes);
        QList<int> placed, orders;
        for (const TElement* e : r.Pasted) {
            placed << e->Kind;
            orders << e->OrderNo;
        }
        EXPECT_EQ(placed, c.Placed) << c.What;
        EXPECT_EQ(orders, c.OrderNos) << c.What;
        EXPECT_EQ(target.Count(), before + c.Placed.size()) << c.What;
        EXPECT_EQ(r.Refused.size(), c.Kinds.size() - c.Placed.size()) << c.What;
        for (const QString& named : c.Named)
            EXPECT_TRUE(r.RefusedText().contains(named)) << c.What << ": " << r.RefusedText().toStdString();
        EXPECT_EQ(r.RefusedText().isEmpty(), c.Named.isEmpty()) << c.What;
        if (c.Placed.isEmpty()) {
            EXPECT_EQ(f.Stack().count(), steps) << c.What;
            continue;
        }
        ASSERT_EQ(f.Stack().count(), steps + 1) << c.What;
        f.Stack().undo();
        EXPECT_EQ(Bytes(f.project), file) << c.What;
        EXPECT_EQ(target.Count(), before) << c.What;
    }
}

TEST(Clipboard, CopiesAreMovedOffTheirOriginalsAndKeptOnTheScreen)
{
    struct Case
    {
        const char* What;
        int Target; // screen index
        QPoint At;  // the original's place on screen 0 (portrait)
        QPoint Expected;
    };
    const Case cases[] = {
        {"into the same screen", 0, {50, 60}, {60, 70}},
        {"onto another screen, where nothing lies", 1, {50, 60}, {50, 60}},
        {"into the same screen at its far corner", 0, {240 - 20, 320 - 20}, {210, 290}},
        {"from portrait onto landscape, below its edge", 2, {10, 300}, {10, 240 - 20}},
    };
    for (const Case& c : cases) {
        TFixture f;
        TElement* led = f.Screen(0).AddElement(ekLED, c.At.x(), c.At.y());
        const QByteArray bytes = ElementsToBytes(f.Screen(0), {led});
        const TPasteResult r = PasteBytes(f.project, f.Screen(c.Target), bytes);
        ASSERT_EQ(r.Pasted.size(), 1) << c.What;
        EXPECT_EQ(QPoint(r.Pasted[0]->PanelX, r.Pasted[0]->PanelY), c.Expected) << c.What;
    }
    {
        // A group wider than the screen: each element stays on it.
        TFixture f;
        TElement* left = f.Screen(2).AddElement(ekLED, 0, 10);
        TElement* right = f.Screen(2).AddElement(ekLED, 300, 10);
        const TPasteResult r =
            PasteBytes(f.project, f.Screen(0), ElementsToBytes(f.Screen(2), {left, right}));
        ASSERT_EQ(r.Pasted.size(), 2);
        EXPECT_EQ(r.Pasted[0]->PanelX, 0);
        EXPECT_EQ(r.Pasted[1]->PanelX, 240 - 20);
    }

    // A second paste into the same screen moves on again, the group keeping its shape.
    TFixture f;
    TLCD& s = f.Screen(0);
    s.SetZoom(2);
    TElement* a = s.AddElement(ekShape, 20, 40);
    TElement* b = s.AddElement(ekDRO, 100, 40);
    const QByteArray bytes = ElementsToBytes(s, {a, b});
    PasteBytes(f.project, s, bytes);
    const TPasteResult second = PasteBytes(f.project, s, bytes);
    ASSERT_EQ(second.Pasted.size(), 2);
    EXPECT_EQ(second.Pasted[0]->PanelX, 10 + 20);
    EXPECT_EQ(second.Pasted[1]->PanelX, 50 + 20);
    EXPECT_EQ(second.Pasted[1]->Left, 2 * (50 + 20));
    EXPECT_EQ(s.Count(), 6);
}

TEST(Clipboard, CutDuplicateAndPasteAreOneStepEach)
{
    TFixture f;
    TLCD& s = f.Screen(0);
    Designed(s, ekDRO, 10, 10);
    Designed(s, ekBar, 60, 10);
    Designed(s, ekText, 10, 100);
    f.project.Save(f.dir.filePath("p.lcd"));
    const QByteArray saved = Bytes(f.project);
    const QList<TElement*> two = {s.Item(0), s.Item(2)};

    const TPasteResult dup = DuplicateElements(f.project, s, two);
    ASSERT_EQ(dup.Pasted.size(), 2);
    EXPECT_EQ(s.Count(), 5);
    EXPECT_EQ(f.Stack().undoText(), QStringLiteral("Duplicate 2 elements"));
    EXPECT_EQ(Selection(s), dup.Pasted);
    f.Stack().undo();
    EXPECT_EQ(Bytes(f.project), saved);
    EXPECT_FALSE(f.project.Modified());

    const QByteArray cut = CutElements(f.project, s, two);
    EXPECT_EQ(s.Count(), 1);
    EXPECT_EQ(f.Stack().undoText(), QStringLiteral("Cut 2 elements"));
    EXPECT_EQ(ElementsFromBytes(cut).size(), 2);
    PasteBytes(f.project, f.Screen(1), cut);
    EXPECT_EQ(f.Stack().undoText(), QStringLiteral("Paste 2 elements"));
    EXPECT_EQ(f.Screen(1).Count(), 2);
    f.Stack().undo();
    f.Stack().undo();
    EXPECT_EQ(Bytes(f.project), saved);
    EXPECT_FALSE(f.project.Modified());
    f.Stack().redo();
    f.Stack().redo();
    EXPECT_EQ(s.Count(), 1);
    EXPECT_EQ(f.Screen(1).Count(), 2);

    EXPECT_TRUE(CutElements(f.project, s, {}).isEmpty());
    EXPECT_EQ(f.Stack().undoText(), QStringLiteral("Paste 2 elements"));
}

TEST(Clipboard, DamagedBytesAreRefusedAndChangeNothing)
{
    TFixture f;
    TLCD& source = f.Screen(0);
    Designed(source, ekDRO, 10, 10);
    Designed(source, ekBar, 60, 10);
    const QByteArray good = ElementsToBytes(source, {source.Item(0), source.Item(1)});
    // The header, then the first record, then its block's length.
    constexpr qsizetype record0 = 16, extra0 = record0 + ElementRecordSize, block0 = extra0 + 4;
    auto patched = [&good](qsizetype at, QByteArray with) {
        QByteArray b = good;
        b.replace(at, with.size(), with);
        return b;
    };
    auto u32 = [](quint32 v) {
        const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
        return QByteArray(b, 4);
    };
    // Where the first block's first picture (the bar's none, the DRO's none) would be: the DRO has
    // no picture, so its first picture format lies after the two sizes, five colours and six names.
    const qsizetype dronames = block0 + 8 + 20;

    struct Case
    {
        const char* What;
        QByteArray Bytes;
        const char* Reason;
    };
    std::vector<Case> cases = {
        {"empty", QByteArray(), "not elements of this designer"},
        {"another program's", QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"/>"), "not elements"},
        {"wrong magic", patched(0, "XVELEMS\n"), "not elements"},
        {"newer version", patched(8, QByteArray("\x02\x00", 2)), "version 2"},
        {"other record size", patched(12, QByteArray("\x00\x01", 2)), "records of 256 bytes"},
        {"no element", patched(10, QByteArray("\x00\x00", 2)), "no element"},
        {"more elements than held", patched(10, QByteArray("\x03\x00", 2)), "3 elements announced"},
        {"huge count", patched(10, QByteArray("\xFF\xFF", 2)), "65535 elements announced"},
        {"fewer elements than held", patched(10, QByteArray("\x01\x00", 2)), "unknown bytes after the last"},
        {"trailing bytes", good + "x", "1 unknown bytes after the last"},
        {"overlong text field", patched(record0 + lcdlayout::eFormat, "\xF0"), "format of element 0"},
        {"huge block", patched(extra0, u32(0xFFFFFFF0)), "ends too soon"},
        {"block too short for itself", patched(extra0, u32(8)), "ends too soon"},
        {"huge panel size", patched(block0, u32(0x80000000)), "pixels"},
        {"huge name", patched(dronames, u32(0x7FFFFFFF)), "a name of"},
        {"picture larger than any",
         patched(dronames + 6 * 4, u32(QImage::Format_RGB32) + u32(65535) + u32(65535)), "65535 x 65535"},
        {"picture's lines missing",
         patched(dronames + 6 * 4, u32(QImage::Format_RGB32) + u32(100) + u32(100)), "ends too soon"},
        {"picture of no known format", patched(dronames + 6 * 4, u32(999)), "unknown format 999"},
        {"palette picture", patched(dronames + 6 * 4, u32(QImage::Format_Indexed8)), "unknown format"},
    };
    // Cut short anywhere.
    for (qsizetype n = 1; n < good.size(); n += 37)
        cases.push_back({"truncated", good.left(n), nullptr});

    const QByteArray before = Bytes(f.project);
    const int steps = f.Stack().count();
    for (const Case& c : cases) {
        try {
            PasteBytes(f.project, f.Screen(1), c.Bytes);
            ADD_FAILURE() << c.What << " was accepted";
        } catch (const TError& e) {
            EXPECT_TRUE(e.Message().startsWith("The clipboard does not hold elements that can be pasted"))
                << c.What << ": " << e.what();
            if (c.Reason) {
                EXPECT_TRUE(e.Message().contains(QLatin1String(c.Reason))) << c.What << ": " << e.what();
            }
        }
        EXPECT_EQ(Bytes(f.project), before) << c.What;
        EXPECT_EQ(f.Stack().count(), steps) << c.What;
        EXPECT_EQ(f.Screen(1).Count(), 0) << c.What;
    }
    // The good bytes themselves are read, so the refusals above were of the damage alone.
    EXPECT_EQ(PasteBytes(f.project, f.Screen(1), good).Pasted.size(), 2);
}

TEST(Clipboard, ThePictureIsTheScreensDrawingOfTheElements)
{
    TFixture f;
    TLCD& s = f.Screen(0);
    s.BackgroundColor = 0x00FFFF;
    TElement* led = Designed(s, ekLED, 30, 40);
    TElement* shape = Designed(s, ekShape, 100, 150);
    s.SetZoom(2);
    SetSelection(s, {led, shape});

    const QImage picture = ElementsPicture(s, {shape, led});
    ASSERT_FALSE(picture.isNull());
    const QRect covered =
        QRect(30, 40, led->PanelW, led->PanelH) | QRect(100, 150, shape->PanelW, shape->PanelH);
    EXPECT_EQ(picture.size(), covered.size());
    s.SetZoom(1);
    TRenderOptions plain;
    plain.Grid = plain.OrderLabels = plain.SelectionFrames = false;
    const QImage screen = RenderScreen(s, plain).copy(covered);
    EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32), screen.convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(ElementsPicture(s, {}).isNull());
}
