#include "document/clipboard.h"

#include "base/terror.h"
#include "base/urgb.h"
#include "document/edits.h"
#include "document/undocommands.h"
#include "model/align.h"
#include "model/editing.h"
#include "model/elementkind.h"
#include "model/placement.h"
#include "model/render.h"
#include "project/lcdfile.h"

#include <QCoreApplication>
#include <QRect>
#include <algorithm>
#include <cstring>

// The bytes: a header of 16 bytes (the magic, the version, the element count, the record size the
// records were written with, a reserved zero), then per element its record as the project file holds
// it and a block of what the record cannot hold, prefixed by the block's length. Little-endian.
// The block: PanelW and PanelH; the five colours the record folds into two; the font name, the bar
// picture names and the typed text at full length (UTF-8); the image's and the bar's five pictures
// as raw lines (format, width, height, then the lines without padding).

namespace {

constexpr char Magic[8] = {'T', 'V', 'E', 'L', 'E', 'M', 'S', '\n'};
constexpr quint16 Version = 1;
constexpr qsizetype HeaderSize = 16;
// Far beyond any real name or typed text, so that a damaged length is refused before it is used.
constexpr quint32 MaxTextBytes = 1 << 20;
// The panel step a paste moves copies by while they would lie exactly on their originals.
constexpr int PasteStep = 10;

QString Refusal(const QString& why)
{
    return QCoreApplication::translate("TClipboard",
                                       "The clipboard does not hold elements that can be pasted: %1.")
        .arg(why);
}

QString CutShort()
{
    return Refusal(QCoreApplication::translate("TClipboard", "the data ends too soon"));
}

class TWriter
{
  public:
    void U8(quint8 v) { out_.append(char(v)); }
    void U16(quint16 v)
    {
        U8(quint8(v));
        U8(quint8(v >> 8));
    }
    void U32(quint32 v)
    {
        U16(quint16(v));
        U16(quint16(v >> 16));
    }
    void Raw(QByteArrayView bytes) { out_.append(bytes.data(), bytes.size()); }
    void Text(const QString& s)
    {
        const QByteArray utf8 = s.toUtf8();
        U32(quint32(utf8.size()));
        Raw(utf8);
    }
    void Picture(const QImage& source)
    {
        if (source.isNull()) {
            U32(QImage::Format_Invalid);
            return;
        }
        // The designer's pictures are 24 or 32 bits per pixel; a palette picture travels as 32.
        const QImage image = source.colorCount() > 0 ? source.convertToFormat(QImage::Format_RGB32) : source;
        U32(quint32(image.format()));
        U32(quint32(image.width()));
        U32(quint32(image.height()));
        const qsizetype line = qsizetype(image.width()) * image.depth() / 8;
        for (int y = 0; y < image.height(); ++y)
            Raw(QByteArrayView(reinterpret_cast<const char*>(image.constScanLine(y)), line));
    }
    QByteArray& Bytes() { return out_; }

  private:
    QByteArray out_;
};

// Reads only what the bytes hold: every take is checked first.
class TReader
{
  public:
    explicit TReader(QByteArrayView bytes) : bytes_(bytes) {}

    QByteArrayView Take(qsizetype n)
    {
        if (n < 0 || n > Left())
            throw TError(CutShort());
        const QByteArrayView v = bytes_.sliced(pos_, n);
        pos_ += n;
        return v;
    }
    quint8 U8() { return quint8(Take(1)[0]); }
    quint16 U16()
    {
        const QByteArrayView b = Take(2);
        return quint16(quint8(b[0]) | quint8(b[1]) << 8);
    }
    quint32 U32()
    {
        const quint32 low = U16();
        return low | quint32(U16()) << 16;
    }
    QString Text()
    {
        const quint32 n = U32();
        if (n > MaxTextBytes)
            throw TError(Refusal(QCoreApplication::translate("TClipboard", "a name of %1 bytes").arg(n)));
        return QString::fromUtf8(Take(qsizetype(n)));
    }
    QImage Picture()
    {
        const quint32 format = U32();
        if (format == QImage::Format_Invalid)
            return {};
        const quint32 w = U32(), h = U32();
        const QPixelFormat pixel =
            format < QImage::NImageFormats ? QImage::toPixelFormat(QImage::Format(format)) : QPixelFormat();
        const int bits = int(pixel.bitsPerPixel());
        const bool palette = format == QImage::Format_Mono || format == QImage::Format_MonoLSB ||
                             format == QImage::Format_Indexed8;
        if (format >= QImage::NImageFormats || palette || bits == 0 || bits % 8 != 0)
            throw TError(Refusal(
                QCoreApplication::translate("TClipboard", "a picture of unknown format %1").arg(format)));
        if (w == 0 || h == 0 || w > 0xFFFF || h > 0xFFFF || qint64(w) * h > MaxPicturePixels)
            throw TError(Refusal(
                QCoreApplication::translate("TClipboard", "a picture of %1 x %2 pixels").arg(w).arg(h)));
        const qsizetype line = qsizetype(w) * bits / 8;
        // The lines must be there before the picture is made.
        if (qint64(line) * h > Left())
            throw TError(CutShort());
        QImage image(static_cast<int>(w), static_cast<int>(h), static_cast<QImage::Format>(format));
        if (image.isNull())
            throw TError(Refusal(
                QCoreApplication::translate("TClipboard", "a picture of %1 x %2 pixels").arg(w).arg(h)));
        for (quint32 y = 0; y < h; ++y)
            std::memcpy(image.scanLine(int(y)), Take(line).data(), size_t(line));
        return image;
    }
    qsizetype Left() const { return bytes_.size() - pos_; }

  private:
    QByteArrayView bytes_;
    qsizetype pos_ = 0;
};

QString KindName(int kind)
{
    switch (kind) {
    case ekDRO:
        return QCoreApplication::translate("TClipboard", "DRO");
    case ekLED:
        return QCoreApplication::translate("TClipboard", "LED");
    case ekBar:
        return QCoreApplication::translate("TClipboard", "bar");
    case ekShift:
        return QCoreApplication::translate("TClipboard", "shift mark");
    case ekStatus:
        return QCoreApplication::translate("TClipboard", "status line");
    case ekText:
        return QCoreApplication::translate("TClipboard", "text");
    case ekImage:
        return QCoreApplication::translate("TClipboard", "image");
    case ekShape:
        return QCoreApplication::translate("TClipboard", "shape");
    case ekClock:
        return QCoreApplication::translate("TClipboard", "clock");
    default:
        return QCoreApplication::translate("TClipboard", "element of kind %1").arg(kind);
    }
}

// Why CanDrop refuses `kind` on `screen` now.
QString WhyRefused(const TLCD& screen, TScreenRole role, int kind)
{
    if (role == TScreenRole::PowerFail)
        return kind == ekDRO
                   ? QCoreApplication::translate("TClipboard", "the power-fail screen has its DRO")
                   : QCoreApplication::translate("TClipboard", "the power-fail screen takes one DRO only");
    if (screen.Count() >= MaxElementsPerScreen)
        return QCoreApplication::translate("TClipboard", "the screen holds %1 elements, the most it can")
            .arg(MaxElementsPerScreen);
    if (kind == ekShift || kind == ekStatus)
        return QCoreApplication::translate("TClipboard", "the screen has one");
    if (IsBudgeted(quint8(kind)))
        return QCoreApplication::translate("TClipboard", "no free element (%1 DROs, LEDs and bars at most)")
            .arg(MaxElements);
    return QCoreApplication::translate("TClipboard", "the designer does not know this kind");
}

// The panel rectangle of an element at zoom 1.
QRect PanelRect(const TElementData& e)
{
    return {e.PanelX, e.PanelY, qMax(1, e.Width), qMax(1, e.Height)};
}

// Moves `box` by (dx, dy) and back inside a screen of `size`, as an arrow key does; returns the move
// made.
QPoint KeptOnScreen(const QRect& box, int dx, int dy, QSize size)
{
    const TPanelBox moved = MovedBox({box.x(), box.y(), box.width(), box.height()}, dx, dy, size);
    return {moved.X - box.x(), moved.Y - box.y()};
}

} // namespace

QByteArray ElementsToBytes(const TLCD& screen, const QList<TElement*>& elements)
{
    const QList<TElement*> copied = InStackingOrder(screen, elements);
    if (copied.isEmpty())
        return {};
    TWriter w;
    w.Raw(QByteArrayView(Magic, sizeof Magic));
    w.U16(Version);
    w.U16(quint16(copied.size()));
    w.U16(quint16(ElementRecordSize));
    w.U16(0);
    const int zoom = qMax(1, int(screen.Zoom));
    for (const TElement* e : copied) {
        w.Raw(ElementRecordBytes(*e, zoom));
        TWriter extra;
        extra.U32(quint32(e->PanelW));
        extra.U32(quint32(e->PanelH));
        for (TColor c : {e->TextColor, e->BackColor, e->PenColor, e->OnColor, e->OffColor})
            extra.U32(c);
        for (const QString* s : {&e->FontName, &e->GreenPicFile, &e->YellowPicFile, &e->RedPicFile,
                                 &e->BkgPicFile, &e->TypedText})
            extra.Text(*s);
        for (const QImage* p : {&e->Picture, &e->GreenPic, &e->YellowPic, &e->RedPic, &e->BkgPic})
            extra.Picture(*p);
        w.U32(quint32(extra.Bytes().size()));
        w.Raw(extra.Bytes());
    }
    return w.Bytes();
}

QList<TElementData> ElementsFromBytes(const QByteArray& bytes)
{
    TReader r(bytes);
    if (bytes.size() < HeaderSize || std::memcmp(bytes.constData(), Magic, sizeof Magic) != 0)
        throw TError(
            Refusal(QCoreApplication::translate("TClipboard", "they are not elements of this designer")));
    r.Take(sizeof Magic);
    const quint16 version = r.U16();
    if (version != Version)
        throw TError(Refusal(
            QCoreApplication::translate("TClipboard", "they come in version %1, this designer reads %2")
                .arg(version)
                .arg(Version)));
    const quint16 count = r.U16();
    const quint16 recordSize = r.U16();
    r.U16();
    if (recordSize != ElementRecordSize)
        throw TError(Refusal(QCoreApplication::translate("TClipboard", "records of %1 bytes, not %2")
                                 .arg(recordSize)
                                 .arg(ElementRecordSize)));
    if (count == 0)
        throw TError(Refusal(QCoreApplication::translate("TClipboard", "no element")));
    // Each element takes at least its record and its block's length.
    if (qint64(count) * (ElementRecordSize + 4) > r.Left())
        throw TError(
            Refusal(QCoreApplication::translate("TClipboard", "%1 elements announced, the data holds fewer")
                        .arg(count)));

    // The elements are made on a screen of their own at zoom 1; nothing else is touched until all
    // are read.
    TLCD scratch;
    QList<TElementData> out;
    for (int i = 0; i < count; ++i) {
        const QByteArrayView record = r.Take(ElementRecordSize);
        if (const char* field = OverlongRecordField(record))
            throw TError(Refusal(
                QCoreApplication::translate("TClipboard", "the %1 of element %2 is longer than its field")
                    .arg(QCoreApplication::translate("lcdfile", field))
                    .arg(i)));
        const quint32 extraSize = r.U32();
        if (extraSize > quint64(r.Left()))
            throw TError(CutShort());
        TReader x(r.Take(qsizetype(extraSize)));
        TElement* e = AddElementFromRecord(scratch, record);
        const quint32 panelW = x.U32(), panelH = x.U32();
        // The panel's fields are two bytes wide.
        if (panelW > 0xFFFF || panelH > 0xFFFF)
            throw TError(Refusal(QCoreApplication::translate("TClipboard", "element %1 of %2 x %3 pixels")
                                     .arg(i)
                                     .arg(panelW)
                                     .arg(panelH)));
        e->PanelW = qint32(panelW);
        e->PanelH = qint32(panelH);
        for (TColor* c : {&e->TextColor, &e->BackColor, &e->PenColor, &e->OnColor, &e->OffColor})
            *c = x.U32();
        for (QString* s : {&e->FontName, &e->GreenPicFile, &e->YellowPicFile, &e->RedPicFile, &e->BkgPicFile,
                           &e->TypedText})
            *s = x.Text();
        for (QImage* p : {&e->Picture, &e->GreenPic, &e->YellowPic, &e->RedPic, &e->BkgPic})
            *p = x.Picture();
        if (x.Left() != 0)
            throw TError(
                Refusal(QCoreApplication::translate("TClipboard", "%1 unknown bytes after element %2")
                            .arg(x.Left())
                            .arg(i)));
        e->UpdateSize();
        out.append(e->Data());
    }
    if (r.Left() != 0)
        throw TError(
            Refusal(QCoreApplication::translate("TClipboard", "%1 unknown bytes after the last element")
                        .arg(r.Left())));
    return out;
}

QImage ElementsPicture(const TLCD& screen, const QList<TElement*>& elements)
{
    const QList<TElement*> copied = InStackingOrder(screen, elements);
    if (copied.isEmpty())
        return {};
    TLCD scratch;
    scratch.SetLandscape(screen.Landscape);
    scratch.DisplayWidth = scratch.PanelWidth;
    scratch.DisplayHeight = scratch.PanelHeight;
    scratch.BackgroundColor = screen.BackgroundColor;
    scratch.Background = screen.Background;
    QRect covered;
    for (const TElement* source : copied) {
        TElement* e = scratch.AddElement(source->Kind, 0, 0);
        e->SetData(source->Data());
        e->Selected = false;
        e->ApplyZoom();
        covered |= QRect(e->Left, e->Top, e->Width, e->Height);
    }
    TRenderOptions options;
    options.Grid = false;
    options.OrderLabels = false;
    options.SelectionFrames = false;
    const QImage drawn = RenderScreen(scratch, options);
    covered &= drawn.rect();
    return covered.isEmpty() ? QImage() : drawn.copy(covered);
}

QString TPasteResult::RefusedText() const
{
    if (Refused.isEmpty())
        return {};
    // Elements left out for the same reason are named once, with their number.
    QStringList lines;
    QList<int> counts;
    for (const QString& line : Refused) {
        const qsizetype at = lines.indexOf(line);
        if (at < 0) {
            lines << line;
            counts << 1;
        } else {
            ++counts[at];
        }
    }
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (counts[i] > 1)
            lines[i] = QCoreApplication::translate("TClipboard", "%1 times %2").arg(counts[i]).arg(lines[i]);
    return QCoreApplication::translate("TClipboard", "Not pasted: %1").arg(lines.join(QStringLiteral("; ")));
}

TPasteResult PasteElements(TProject& project, TLCD& screen, const QList<TElementData>& elements,
                           TPasteStep step)
{
    const TScreenRole role = &screen == &project.PowerFail() ? TScreenRole::PowerFail : TScreenRole::Work;
    TPasteResult result;
    const int before = screen.Count();
    {
        const TProject::TEdit edit(project);
        QList<const TElementData*> placed;
        for (const TElementData& data : elements) {
            if (!CanDrop(screen, role, data.Kind)) {
                result.Refused << QCoreApplication::translate("TClipboard", "%1 (%2)")
                                      .arg(KindName(data.Kind), WhyRefused(screen, role, data.Kind));
                continue;
            }
            TElement* e = screen.AddElement(data.Kind, 0, 0);
            e->SetData(data);
            e->ShowOrder = screen.ShowOrder;
            // Numbered as a drop numbers what it places.
            e->SetOrderNo(role == TScreenRole::PowerFail ? qint16(screen.Count() - 1)
                                                         : qint16(screen.BudgetCount() - 1));
            result.Pasted << e;
            placed << &data;
        }
        if (!result.Pasted.isEmpty()) {
            QRect box;
            for (const TElementData* d : placed)
                box |= PanelRect(*d);
            const QSize room(screen.PanelWidth, screen.PanelHeight);
            // A copy lying exactly on an element of its kind would hide it: such a paste moves on.
            auto lands = [&](QPoint move) {
                for (const TElementData* d : placed)
                    for (int i = 0; i < before; ++i) {
                        const TElement& o = *screen.Item(i);
                        if (o.Kind == d->Kind && o.PanelX == d->PanelX + move.x() &&
                            o.PanelY == d->PanelY + move.y())
                            return true;
                    }
                return false;
            };
            // Down and right first, step by step; where the screen's edge stops that, the other ways.
            QPoint move = KeptOnScreen(box, 0, 0, room);
            constexpr QPoint directions[] = {{1, 1}, {-1, -1}, {1, -1}, {-1, 1}};
            for (const QPoint dir : directions) {
                QPoint last = move;
                for (int k = 1; lands(move) && k <= 64; ++k) {
                    const QPoint tried =
                        KeptOnScreen(box, dir.x() * k * PasteStep, dir.y() * k * PasteStep, room);
                    if (tried == last)
                        break;
                    last = tried;
                    if (!lands(tried))
                        move = tried;
                }
            }
            for (qsizetype i = 0; i < result.Pasted.size(); ++i) {
                TElement* e = result.Pasted[i];
                // A group wider or taller than the screen keeps its shape as far as the screen allows.
                const QRect own = PanelRect(*placed[i]).translated(move);
                const QPoint fit = KeptOnScreen(own, 0, 0, room);
                e->PanelX = own.x() + fit.x();
                e->PanelY = own.y() + fit.y();
                e->ApplyZoom();
            }
            SetSelection(screen, result.Pasted);
            screen.MarkModified();
            screen.Invalidate();
        }
    }
    if (result.Pasted.isEmpty())
        return result;
    QList<TPlacedElement> came;
    for (TElement* e : result.Pasted)
        came.append({screen.IndexOf(e), e->Data()});
    const int n = int(came.size());
    const TStepName name = step == TPasteStep::Duplicate
                               ? TStepName(QT_TRANSLATE_NOOP("TProject", "Duplicate 1 element"),
                                           QT_TRANSLATE_NOOP("TProject", "Duplicate %1 elements"), n)
                               : TStepName(QT_TRANSLATE_NOOP("TProject", "Paste 1 element"),
                                           QT_TRANSLATE_NOOP("TProject", "Paste %1 elements"), n);
    project.UndoStack().push(new TElementsPresenceCommand(project, project.IndexOfScreen(&screen),
                                                          std::move(came), screen.Zoom, true, name));
    return result;
}

TPasteResult PasteBytes(TProject& project, TLCD& screen, const QByteArray& bytes)
{
    return PasteElements(project, screen, ElementsFromBytes(bytes), TPasteStep::Paste);
}

TPasteResult DuplicateElements(TProject& project, TLCD& screen, const QList<TElement*>& elements)
{
    const QByteArray bytes = ElementsToBytes(screen, elements);
    if (bytes.isEmpty())
        return {};
    return PasteElements(project, screen, ElementsFromBytes(bytes), TPasteStep::Duplicate);
}

QByteArray CutElements(TProject& project, TLCD& screen, const QList<TElement*>& elements)
{
    QByteArray bytes = ElementsToBytes(screen, elements);
    if (bytes.isEmpty())
        return {};
    DeleteElements(project, screen, elements, QT_TRANSLATE_NOOP("TProject", "Cut 1 element"),
                   QT_TRANSLATE_NOOP("TProject", "Cut %1 elements"));
    return bytes;
}
