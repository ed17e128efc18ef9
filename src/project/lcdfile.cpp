#include "project/lcdfile.h"

#include "base/atomicfile.h"
#include "base/bytes.h"
#include "base/codepage.h"
#include "base/picturecache.h"
#include "base/regularfile.h"
#include "base/terror.h"
#include "project/jsonproject.h"
#include "project/lcdlayout.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <iterator>

namespace {

using namespace lcdlayout;

struct TextField
{
    qsizetype offset, capacity;
    const char* what;
};
constexpr TextField RecordTexts[] = {
    {eFormat, 10, QT_TRANSLATE_NOOP("lcdfile", "format")},
    {eText, 254, QT_TRANSLATE_NOOP("lcdfile", "text")},
    {eRedFile, 250, QT_TRANSLATE_NOOP("lcdfile", "red picture file")},
    {eYellowFile, 250, QT_TRANSLATE_NOOP("lcdfile", "yellow picture file")},
    {eGreenFile, 250, QT_TRANSLATE_NOOP("lcdfile", "green picture file")},
    {eBkgFile, 250, QT_TRANSLATE_NOOP("lcdfile", "background picture file")},
    {eFontName, 30, QT_TRANSLATE_NOOP("lcdfile", "font name")},
};

// The largest file the format can describe: 255 work screens of 255 elements and the power-fail screen.
constexpr qsizetype MaxProjectSize =
    ProjectHeaderSize + 256 * ScreenHeaderSize + 256 * MaxElementsPerScreen * ElementRecordSize;
// The text form of the largest: an element's texts are 1294 of its 1370 bytes, and a text character
// takes at most six bytes ("\u0000"); its keys, numbers and indentation take well under 1370 more.
constexpr qsizetype MaxProjectJsonSize = 7 * MaxProjectSize;

QString Damaged(const QString& name, const QString& what)
{
    return QCoreApplication::translate("lcdfile", "The project file \"%1\" is damaged: %2.").arg(name, what);
}

QString ScreenName(int index, int workScreens)
{
    return index < workScreens ? QCoreApplication::translate("lcdfile", "work screen %1").arg(index)
                               : QCoreApplication::translate("lcdfile", "the power-fail screen");
}

// Checks one screen block starting at `pos`; returns the offset after it.
qsizetype CheckScreenBlock(QByteArrayView bytes, qsizetype pos, const QString& name, const QString& which)
{
    if (bytes.size() - pos < ScreenHeaderSize)
        throw TError(Damaged(
            name, QCoreApplication::translate("lcdfile", "it ends inside the header of %1").arg(which)));
    const int count = TRecordReader(bytes.sliced(pos, ScreenHeaderSize)).U8(sCount);
    pos += ScreenHeaderSize;
    const qsizetype present = (bytes.size() - pos) / ElementRecordSize;
    if (present < count)
        throw TError(Damaged(name, QCoreApplication::translate(
                                       "lcdfile", "%1 announces %2 elements but the file holds only %3")
                                       .arg(which)
                                       .arg(count)
                                       .arg(present)));
    for (int i = 0; i < count; ++i, pos += ElementRecordSize) {
        if (const char* what = OverlongRecordField(bytes.sliced(pos, ElementRecordSize)))
            throw TError(Damaged(name, QCoreApplication::translate(
                                           "lcdfile", "the %1 of element %2 on %3 is longer than its field")
                                           .arg(QCoreApplication::translate("lcdfile", what))
                                           .arg(i)
                                           .arg(which)));
    }
    return pos;
}

// What a load found wrong with the picture files a project names: one note per file, with
// everything that uses it.
class TPictureReport
{
  public:
    bool Has(const QString& file) const { return notes_.contains(file); }
    // Another user of a file already looked at.
    void Use(const QString& file, const QString& user)
    {
        const auto n = notes_.find(file);
        if (n != notes_.end() && !n->Users.contains(user))
            n->Users << user;
    }
    // A problem with a file; a file already looked at keeps its first note.
    void Note(const QString& file, const QString& user, const QString& reason, bool missing)
    {
        if (!notes_.contains(file)) {
            order_ << file;
            notes_.insert(file, {reason, {}, true, missing});
        }
        Use(file, user);
    }
    // A file without a problem, so that its other users need not look at it again.
    void Fine(const QString& file)
    {
        if (!notes_.contains(file)) {
            order_ << file;
            notes_.insert(file, {{}, {}, false, false});
        }
    }
    QStringList Lines(bool missing) const
    {
        QStringList lines;
        for (const QString& file : order_) {
            const TNote& n = notes_[file];
            if (!n.Problem || n.Missing != missing)
                continue;
            const QString users = n.Users.join(QStringLiteral(", "));
            lines << (missing ? QCoreApplication::translate("lcdfile", "\"%1\": no such file (used by %2)")
                                    .arg(QDir::toNativeSeparators(file), users)
                              : QCoreApplication::translate("lcdfile", "\"%1\": %2 (used by %3)")
                                    .arg(QDir::toNativeSeparators(file), n.Reason, users));
        }
        return lines;
    }

  private:
    struct TNote
    {
        QString Reason;
        QStringList Users;
        bool Problem;
        bool Missing;
    };
    QStringList order_;
    QHash<QString, TNote> notes_;
};

// Loads a picture during the filling of a screen; a failure is reported and gives no picture.
QImage LoadOrNote(const QString& file, const QString& user, TPictureReport& report)
{
    try {
        const QImage picture = LoadSharedPicture(file);
        report.Use(file, user);
        return picture;
    } catch (const TError& e) {
        report.Note(file, user, e.Message(), false);
        return {};
    }
}

// A picture named relative to the project is looked for beside the project file first, so that a
// project and its pictures can move together; the name itself is kept as the file says it.
QString Resolve(const QString& base, const QString& name)
{
    if (name.isEmpty() || base.isEmpty() || QDir::isAbsolutePath(name))
        return name;
    const QString beside = QDir(base).filePath(name);
    return QFileInfo::exists(beside) ? beside : name;
}

struct TBarPicture
{
    qsizetype Offset;
    BarSegment Segment;
    const char* What;
};
constexpr TBarPicture BarPictures[] = {
    {eRedFile, BarSegment::Red, QT_TRANSLATE_NOOP("lcdfile", "red")},
    {eYellowFile, BarSegment::Yellow, QT_TRANSLATE_NOOP("lcdfile", "yellow")},
    {eGreenFile, BarSegment::Green, QT_TRANSLATE_NOOP("lcdfile", "green")},
    {eBkgFile, BarSegment::Bkg, QT_TRANSLATE_NOOP("lcdfile", "background")},
};

QString BackgroundUser(const QString& which)
{
    return QCoreApplication::translate("lcdfile", "the background of %1").arg(which);
}
QString ImageUser(int index, const QString& which)
{
    return QCoreApplication::translate("lcdfile", "image element %1 on %2").arg(index).arg(which);
}
QString BarUser(int index, const QString& which, const char* segment)
{
    return QCoreApplication::translate("lcdfile", "the %1 picture of bar element %2 on %3")
        .arg(QCoreApplication::translate("lcdfile", segment))
        .arg(index)
        .arg(which);
}

QImage BarPicture(const QString& base, const QString& file, BarSegment segment, const QString& user,
                  TPictureReport& report)
{
    if (file.isEmpty())
        return DefaultBarPicture(segment);
    const QImage picture = LoadOrNote(Resolve(base, file), user, report);
    // A bar segment is one row: the panel stretches it over the segment.
    return picture.isNull() ? QImage() : picture.copy(0, 0, picture.width(), 1);
}

// Every picture a checked screen block names, with what uses it.
void ScreenPictures(QByteArrayView block, const QString& which, QList<std::pair<QString, QString>>& out)
{
    const TRecordReader h(block.first(ScreenHeaderSize));
    const QString background = FromCodePage(h.ShortText(sBackFile, 255));
    if (!background.isEmpty())
        out.append({background, BackgroundUser(which)});
    const int count = h.U8(sCount);
    for (int i = 0; i < count; ++i) {
        const TRecordReader r(block.sliced(ScreenHeaderSize + i * ElementRecordSize, ElementRecordSize));
        if (r.U8(eKind) == ekImage) {
            const QString name = FromCodePage(r.ShortText(eText, 254));
            if (!name.isEmpty())
                out.append({name, ImageUser(i, which)});
        }
        if (r.U8(eKind) == ekBar) {
            for (const TBarPicture& b : BarPictures) {
                const QString name = FromCodePage(r.ShortText(b.Offset, 250));
                if (!name.isEmpty())
                    out.append({name, BarUser(i, which, b.What)});
            }
        }
    }
}

// Decodes every picture a project names before anything is replaced, each different file once, so
// that a project whose pictures would take more memory than its budget is refused while the open
// project is still whole. The pictures stay in `budget` (and so in the shared cache) for the filling
// of the screens. Missing and undecodable files are noted; only memory refuses the load.
void DecodeProjectPictures(const QList<std::pair<QString, QString>>& pictures, const QString& base,
                           TPictureBudget& budget, TPictureReport& report)
{
    for (const auto& [name, user] : pictures) {
        const QString file = Resolve(base, name);
        if (report.Has(file)) {
            report.Use(file, user);
            continue;
        }
        const QFileInfo info(file);
        if (!info.exists() || info.isDir()) {
            report.Note(file, user, {}, true);
            continue;
        }
        QStringList warnings;
        try {
            budget.Load(file, &warnings);
        } catch (const TPictureTooLarge& e) {
            throw TError(QCoreApplication::translate("lcdfile", "\"%1\" (%2): %3")
                             .arg(QDir::toNativeSeparators(file), user, e.Message()));
        } catch (const TError& e) {
            report.Note(file, user, e.Message(), false);
            continue;
        }
        if (warnings.isEmpty())
            report.Fine(file);
        else
            report.Note(file, user, warnings.join(QStringLiteral(" ")), false);
    }
}

// Fills `screen` from a checked screen block; `which` names the screen in reports.
void ApplyScreenBlock(TLCD& screen, QByteArrayView block, TPictureReport& report, const QString& which,
                      const QString& base = {})
{
    const TRecordReader h(block.first(ScreenHeaderSize));
    screen.SetZoom(1);
    screen.Clear();
    screen.Repaired.clear();

    const QString backgroundFile = FromCodePage(h.ShortText(sBackFile, 255));
    screen.BackgroundFile = backgroundFile;
    screen.BackgroundColor = h.U32(sBackColor);
    if (!backgroundFile.isEmpty()) {
        const QString file = Resolve(base, backgroundFile);
        try {
            screen.SetBackground(file);
            screen.BackgroundFile = backgroundFile;
        } catch (const TError& e) {
            report.Note(file, BackgroundUser(which), e.Message(), false);
            screen.Background = QImage();
        }
    }
    screen.SetLandscape(h.U8(sLandscape) != 0);

    const int count = h.U8(sCount);
    for (int i = 0; i < count; ++i) {
        TElement* e = AddElementFromRecord(
            screen, block.sliced(ScreenHeaderSize + i * ElementRecordSize, ElementRecordSize));
        if (e->Kind == ekImage) {
            const QString resolved = Resolve(base, FromCodePage(e->Text));
            QString file = resolved;
            try {
                e->LoadPicture(file);
            } catch (const TError& err) {
                report.Note(file, ImageUser(i, which), err.Message(), false);
                e->Picture = QImage();
            }
            // A replacement chosen for a missing file becomes the element's own.
            if (file != resolved)
                e->Text = ToCodePage(file);
        }
        if (e->Kind == ekBar) {
            const QString* files[] = {&e->RedPicFile, &e->YellowPicFile, &e->GreenPicFile, &e->BkgPicFile};
            QImage* pictures[] = {&e->RedPic, &e->YellowPic, &e->GreenPic, &e->BkgPic};
            for (size_t b = 0; b < std::size(BarPictures); ++b)
                *pictures[b] = BarPicture(base, *files[b], BarPictures[b].Segment,
                                          BarUser(i, which, BarPictures[b].What), report);
        }
        e->UpdateSize();

        if (e->Left >= screen.PanelWidth || e->Top >= screen.PanelHeight) {
            e->Left = e->Top = e->PanelX = e->PanelY = 0;
            screen.Repaired.append(e);
        }
    }
}

QByteArray ScreenBytes(const TLCD& screen)
{
    if (screen.Count() > MaxElementsPerScreen)
        throw TError(QCoreApplication::translate(
                         "lcdfile", "A screen holds %1 elements; a project file can keep at most %2.")
                         .arg(screen.Count())
                         .arg(MaxElementsPerScreen));
    const int z = qMax(1, int(screen.Zoom));
    TRecordWriter h(ScreenHeaderSize);
    h.U8(sLandscape, screen.Landscape ? 1 : 0);
    h.I32(sWidth, screen.PanelWidth * z);
    h.I32(sHeight, screen.PanelHeight * z);
    h.U8(sCount, quint8(screen.Count()));
    h.U32(sBackColor, screen.BackgroundColor);
    h.ShortText(sBackFile, ToCodePage(screen.BackgroundFile), 255);
    QByteArray out = h.Bytes();

    for (const auto& owned : screen.Elements())
        out += ElementRecordBytes(*owned, z);
    return out;
}

void WriteAll(QIODevice& stream, const QByteArray& bytes)
{
    if (stream.write(bytes) != bytes.size())
        throw TError(
            QCoreApplication::translate("lcdfile", "Cannot write the project: %1").arg(stream.errorString()));
}

} // namespace

void SaveToStream(const TLCD& screen, QIODevice& stream)
{
    WriteAll(stream, ScreenBytes(screen));
}

void LoadFromStream(TLCD& screen, QIODevice& stream, QStringList* warnings)
{
    const QString name = QCoreApplication::translate("lcdfile", "screen block");
    QByteArray block = stream.read(ScreenHeaderSize);
    if (block.size() == ScreenHeaderSize) {
        const qsizetype records = qsizetype(quint8(block[sCount])) * ElementRecordSize;
        block += stream.read(records);
    }
    if (CheckScreenBlock(block, 0, name, name) != block.size())
        throw TError(
            Damaged(name, QCoreApplication::translate("lcdfile", "unexpected bytes after the block")));
    TPictureReport report;
    ApplyScreenBlock(screen, block, report, name);
    if (warnings)
        *warnings += report.Lines(false);
}

QByteArray ProjectBytes(const TLCDList& list, const TLCD& powerFail, const SplashSettings& splash)
{
    if (list.Count() == 0)
        throw TError(QCoreApplication::translate("lcdfile", "A project needs at least one work screen."));
    if (list.Count() > MaxScreens)
        throw TError(QCoreApplication::translate(
                         "lcdfile", "The project has %1 work screens; a project file can keep at most %2.")
                         .arg(list.Count())
                         .arg(MaxScreens));
    TRecordWriter h(ProjectHeaderSize);
    h.U8(hScreens, quint8(list.Count()));
    h.U8(hGifLoaded, splash.GifLoaded ? 1 : 0);
    h.I32(hGifLeft, splash.GifLeft);
    h.I32(hGifTop, splash.GifTop);
    h.ShortText(hGifFile, ToCodePage(splash.GifFile), 255);
    h.U8(hClockShown, splash.ClockShown ? 1 : 0);
    h.U8(hClockTransparent, splash.ClockTransparent ? 1 : 0);
    h.I32(hHoursLeft, splash.HoursLeft);
    h.I32(hMinutesLeft, splash.MinutesLeft);
    h.I32(hHoursTop, splash.HoursTop);
    h.I32(hMinutesTop, splash.MinutesTop);
    h.I32(hDigitWidth, splash.DigitWidth);
    h.I32(hDigitHeight, splash.DigitHeight);
    h.U32(hDigitColor, splash.ClockDigitColor);
    h.U32(hBackColor, splash.ClockBackColor);
    QByteArray out = h.Bytes();
    for (int i = 0; i < list.Count(); ++i)
        out += ScreenBytes(*list.Items(i));
    out += ScreenBytes(powerFail);
    return out;
}

void SaveProject(const QString& fileName, TLCDList& list, TLCD& powerFail, const SplashSettings& splash)
{
    const QByteArray bytes = ProjectBytes(list, powerFail, splash);
    QString why;
    if (!WriteFileAtomic(fileName, bytes, &why))
        throw TError(QCoreApplication::translate("lcdfile", "Cannot save the project to \"%1\": %2")
                         .arg(QFileInfo(fileName).absoluteFilePath(), why));
    list.SetModified(false);
    powerFail.SetModified(false);
}

TProjectForm ProjectFormOf(const QByteArray& bytes)
{
    if (!LooksLikeProjectJson(bytes))
        return TProjectForm::Binary;
    // A binary file can only look like text when it is damaged or holds 123 screens; a whole one wins.
    try {
        CheckProjectBytes(bytes, {});
        return TProjectForm::Binary;
    } catch (const TError&) {
        return TProjectForm::Json;
    }
}

void CheckProjectBytes(const QByteArray& bytes, const QString& name)
{
    if (bytes.size() < ProjectHeaderSize)
        throw TError(
            Damaged(name, QCoreApplication::translate("lcdfile", "it ends inside the project header")));
    const int screens = quint8(bytes[hScreens]);
    if (screens == 0)
        throw TError(Damaged(name, QCoreApplication::translate("lcdfile", "it holds no work screen")));
    qsizetype pos = ProjectHeaderSize;
    for (int i = 0; i <= screens; ++i)
        pos = CheckScreenBlock(bytes, pos, name, ScreenName(i, screens));
    if (pos != bytes.size())
        throw TError(Damaged(
            name, QCoreApplication::translate("lcdfile", "%1 unexpected bytes follow the power-fail screen")
                      .arg(bytes.size() - pos)));
}

TLoadResult LoadProjectBytes(const QByteArray& bytes, const QString& name, TLCDList& list, TLCD& powerFail,
                             const TLoadSteps& steps, const QString& pictureFolder)
{
    CheckProjectBytes(bytes, name);

    TLoadResult result;
    const TRecordReader h(QByteArrayView(bytes).first(ProjectHeaderSize));
    SplashSettings& s = result.Splash;
    s.GifLoaded = h.U8(hGifLoaded) != 0;
    s.GifLeft = h.I32(hGifLeft);
    s.GifTop = h.I32(hGifTop);
    s.GifFile = FromCodePage(h.ShortText(hGifFile, 255));
    s.ClockShown = h.U8(hClockShown) != 0;
    s.ClockTransparent = h.U8(hClockTransparent) != 0;
    s.HoursLeft = h.I32(hHoursLeft);
    s.MinutesLeft = h.I32(hMinutesLeft);
    s.HoursTop = h.I32(hHoursTop);
    s.MinutesTop = h.I32(hMinutesTop);
    s.DigitWidth = h.I32(hDigitWidth);
    s.DigitHeight = h.I32(hDigitHeight);
    s.ClockDigitColor = h.U32(hDigitColor);
    s.ClockBackColor = h.U32(hBackColor);

    const int screens = quint8(bytes[hScreens]);
    auto blockSize = [&bytes](qsizetype pos) {
        return ScreenHeaderSize + qsizetype(quint8(bytes[pos + sCount])) * ElementRecordSize;
    };
    QList<std::pair<QString, QString>> pictures;
    for (qsizetype i = 0, pos = ProjectHeaderSize; i <= screens; pos += blockSize(pos), ++i)
        ScreenPictures(QByteArrayView(bytes).sliced(pos, blockSize(pos)), ScreenName(int(i), screens),
                       pictures);
    TPictureBudget budget;
    TPictureReport report;
    DecodeProjectPictures(pictures, pictureFolder, budget, report);
    if (s.GifLoaded && !s.GifFile.isEmpty()) {
        const QString gif = Resolve(pictureFolder, s.GifFile);
        const QFileInfo info(gif);
        if (info.exists() && !info.isDir())
            result.GifPath = gif;
        else
            report.Note(gif, QCoreApplication::translate("lcdfile", "the splash animation"), {}, true);
    }

    if (steps.Clear) {
        steps.Clear();
    } else {
        while (list.Count() > 0)
            list.DeleteScreen(list.Items(list.Count() - 1));
    }

    // Every question about a missing picture counts as relinking, whatever the answer.
    auto handler = list.OnFileNotFound;
    bool relinked = false;
    if (handler) {
        list.OnFileNotFound = [&](TElement* e, QString& file) {
            relinked = true;
            handler(e, file);
        };
    }
    struct Restore
    {
        TLCDList& list;
        decltype(handler)& original;
        ~Restore() { list.OnFileNotFound = original; }
    } restore{list, handler};

    qsizetype pos = ProjectHeaderSize;
    for (int i = 0; i <= screens; ++i) {
        const qsizetype size = blockSize(pos);
        TLCD* screen =
            i < screens ? (steps.NewScreen ? steps.NewScreen() : list.AddScreen(240, 320)) : &powerFail;
        ApplyScreenBlock(*screen, QByteArrayView(bytes).sliced(pos, size), report, ScreenName(i, screens),
                         pictureFolder);
        pos += size;
    }
    result.Warnings = report.Lines(false);
    result.Missing = report.Lines(true);
    result.Relinked = relinked;
    list.SetModified(relinked);
    powerFail.SetModified(relinked);
    return result;
}

TLoadResult LoadProject(const QString& fileName, TLCDList& list, TLCD& powerFail, const TLoadSteps& steps)
{
    const QString shown = QFileInfo(fileName).absoluteFilePath();
    const QString tooLarge =
        Damaged(shown, QCoreApplication::translate("lcdfile", "it is larger than any project can be"));
    QByteArray bytes = ReadRegularFile(fileName, MaxProjectJsonSize, tooLarge);
    const TProjectForm form = ProjectFormOf(bytes);
    if (form == TProjectForm::Json)
        bytes = ProjectBytesFromJson(bytes, shown);
    else if (bytes.size() > MaxProjectSize)
        throw TError(tooLarge);
    TLoadResult result =
        LoadProjectBytes(bytes, shown, list, powerFail, steps, QFileInfo(fileName).absolutePath());
    result.Form = form;
    return result;
}

const char* OverlongRecordField(QByteArrayView record)
{
    const TRecordReader r(record);
    for (const TextField& f : RecordTexts)
        if (r.ShortTextLength(f.offset) > f.capacity)
            return f.what;
    return nullptr;
}

QByteArray ElementRecordBytes(const TElement& e, int zoom)
{
    const int z = qMax(1, zoom);
    TRecordWriter r(ElementRecordSize);
    r.U8(eKind, e.Kind);
    r.U8(eOrderNo, quint8(e.OrderNo));
    r.I16(eReserved, e.Reserved);
    r.U16(eX, quint16(e.Left / z));
    r.U16(eY, quint16(e.Top / z));
    r.U16(eW, quint16(e.Width / z));
    r.U16(eH, quint16(e.Height / z));
    r.U16(eMaxVal, e.MaxVal);
    r.U8(eScaleW, e.ScaleW);
    r.U8(eScaleH, e.ScaleH);
    r.U8(eRedPct, e.RedPct);
    r.U8(eYellowPct, e.YellowPct);
    r.F32(eValue, e.Value);
    r.U32(eColor1, e.Kind == ekLED ? e.OnColor : e.Kind == ekShape ? e.PenColor : e.TextColor);
    r.U32(eColor2, e.Kind == ekLED ? e.OffColor : e.BackColor);
    r.U8(eShapeType, e.ShapeType);
    r.U8(eShowAsAxis, e.ShowAsAxis);
    r.U32(eAxisColor, e.AxisColor);
    r.U8(eAxisNum, e.AxisNum);
    r.ShortText(eFormat, e.Format, 10);
    r.ShortText(eText, e.Text, 254);
    r.U8(eLedMode, e.LedMode);
    r.ShortText(eRedFile, ToCodePage(e.RedPicFile), 250);
    r.ShortText(eYellowFile, ToCodePage(e.YellowPicFile), 250);
    r.ShortText(eGreenFile, ToCodePage(e.GreenPicFile), 250);
    r.ShortText(eBkgFile, ToCodePage(e.BkgPicFile), 250);
    r.U16(eBlinkInterval, e.BlinkInterval);
    r.ShortText(eFontName, ToCodePage(e.FontName), 30);
    r.I32(eFontSize, e.FontSize);
    r.U32(eTextColor, e.TextColor);
    r.U8(eBold, e.FontBold ? 1 : 0);
    r.U8(eItalic, e.FontItalic ? 1 : 0);
    return r.Bytes();
}

TElement* AddElementFromRecord(TLCD& screen, QByteArrayView record)
{
    const TRecordReader r(record);
    const int x = r.U16(eX), y = r.U16(eY), w = r.U16(eW), hgt = r.U16(eH);
    TElement* e = screen.AddElement(r.U8(eKind), x, y);

    e->Reserved = r.I16(eReserved);
    e->SetOrderNo(r.U8(eOrderNo));
    e->ScaleW = r.U8(eScaleW);
    e->ScaleH = r.U8(eScaleH);
    e->YellowPct = r.U8(eYellowPct);
    e->RedPct = r.U8(eRedPct);
    e->Value = r.F32(eValue);
    e->MaxVal = r.U16(eMaxVal);
    e->Format = r.ShortText(eFormat, 10);
    e->SetText(r.ShortText(eText, 254));

    const TColor first = r.U32(eColor1), second = r.U32(eColor2);
    e->TextColor = first;
    e->BackColor = second;
    e->OnColor = first;
    e->OffColor = second;
    e->BlinkInterval = r.U16(eBlinkInterval);
    e->PenColor = second;

    e->RedPicFile = FromCodePage(r.ShortText(eRedFile, 250));
    e->YellowPicFile = FromCodePage(r.ShortText(eYellowFile, 250));
    e->GreenPicFile = FromCodePage(r.ShortText(eGreenFile, 250));
    e->BkgPicFile = FromCodePage(r.ShortText(eBkgFile, 250));
    e->PanelX = x;
    e->PanelY = y;
    e->ShapeType = r.U8(eShapeType);
    e->ShowAsAxis = r.U8(eShowAsAxis);
    e->AxisColor = r.U32(eAxisColor);
    e->AxisNum = r.U8(eAxisNum);
    e->LedMode = r.U8(eLedMode);

    e->FontName = FromCodePage(r.ShortText(eFontName, 30));
    e->FontSize = r.I32(eFontSize);
    e->TextColor = r.U32(eTextColor);
    e->FontBold = r.U8(eBold) != 0;
    e->FontItalic = r.U8(eItalic) != 0;

    e->Width = w;
    e->Height = hgt;
    e->PanelW = w;
    e->PanelH = hgt;
    // A shape's pen is its first colour; the other kinds keep theirs in the second.
    if (e->Kind == ekShape)
        e->PenColor = first;
    return e;
}
