#include "panel/panelset.h"

#include "base/bytes.h"
#include "base/terror.h"
#include "model/elementkind.h"
#include "output/digits.h"
#include "output/screenfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace {

QString Lower(const QString& path)
{
    return path.toLower();
}

// --- findings ---------------------------------------------------------------------------------------

class TFindings
{
  public:
    explicit TFindings(std::vector<TSetFinding>& out) : out_(out) {}

    void Add(TSetPart part, int screen, const QString& file, const QString& problem, bool ignored = false)
    {
        out_.push_back({part, screen, ignored, file, problem});
    }

  private:
    std::vector<TSetFinding>& out_;
};

// A file and the part of the set its findings keep from being drawn.
struct TExpect
{
    TSetPart Part;
    int Screen;
    QString File;
};

// Reads a file whose size is exactly `size`; otherwise a finding and nothing. A missing file is a
// finding only when `required`.
std::optional<QByteArray> ReadExact(const TSetSource& source, TFindings& findings, const TExpect& where,
                                    qint64 size, const QString& sizeText, bool required = true)
{
    const qint64 actual = source.Size(where.File);
    if (actual < 0) {
        if (required)
            findings.Add(where.Part, where.Screen, where.File, TPanelText::tr("missing"));
        return std::nullopt;
    }
    if (actual != size) {
        findings.Add(where.Part, where.Screen, where.File,
                     TPanelText::tr("%1 bytes, %2 expected").arg(actual).arg(sizeText));
        return std::nullopt;
    }
    try {
        QByteArray bytes = source.Read(where.File, size);
        if (bytes.size() != size) {
            findings.Add(where.Part, where.Screen, where.File,
                         TPanelText::tr("%1 bytes could be read, %2 expected").arg(bytes.size()).arg(size));
            return std::nullopt;
        }
        return bytes;
    } catch (const TError& e) {
        findings.Add(where.Part, where.Screen, where.File, e.Message());
        return std::nullopt;
    }
}

QString PictureSizeText(QSize size)
{
    return TPanelText::tr("%1 (%2 x %3 pixels)")
        .arg(qint64(size.width()) * size.height() * 2)
        .arg(size.width())
        .arg(size.height());
}

// A 16-bit image file of a known size.
QImage ReadPicture(const TSetSource& source, TFindings& findings, const TExpect& where, QSize size,
                   bool required = true)
{
    const qint64 bytes = qint64(size.width()) * size.height() * 2;
    const auto data = ReadExact(source, findings, where, bytes, PictureSizeText(size), required);
    if (!data)
        return {};
    return PictureFrom16bitArray(Pixels16FromBytes(*data), size.width(), size.height());
}

QString KindName(quint8 kind)
{
    switch (kind) {
    case ekDRO:
        return TPanelText::tr("DRO");
    case ekLED:
        return TPanelText::tr("LED");
    case ekBar:
        return TPanelText::tr("bar");
    case ekShift:
        return TPanelText::tr("shift mark");
    case ekStatus:
        return TPanelText::tr("status line");
    case ekClock:
        return TPanelText::tr("clock");
    default:
        return TPanelText::tr("kind %1").arg(kind);
    }
}

// --- one screen folder ------------------------------------------------------------------------------

const char BarSegments[] = {'R', 'Y', 'G', 'B'};

void ReadScreen(const TSetSource& source, TFindings& findings, TPanelScreen& screen, int index,
                bool folderExists)
{
    const QString folder = screen.Folder;
    auto file = [&](const QString& name) { return folder + '/' + name; };
    auto add = [&](const QString& name, const QString& problem) {
        findings.Add(TSetPart::Screen, index, name, problem);
    };
    if (!folderExists) {
        add(folder + '/', TPanelText::tr("missing"));
        return;
    }

    // The element table: its header says the orientation and size the background must have.
    const QString elm = file(QStringLiteral("01.elm"));
    const qint64 elmSize = source.Size(elm);
    const qint64 maxElm = ElementTableHeaderSize + 255 * ElementTableRecordSize;
    QByteArray table;
    if (elmSize < 0) {
        add(elm, TPanelText::tr("missing"));
    } else if (elmSize < ElementTableHeaderSize) {
        add(elm, TPanelText::tr("%1 bytes, shorter than the %2-byte header")
                     .arg(elmSize)
                     .arg(ElementTableHeaderSize));
    } else if (elmSize > maxElm) {
        add(elm,
            TPanelText::tr("%1 bytes, more than a table of 255 records holds (%2)").arg(elmSize).arg(maxElm));
    } else {
        try {
            table = source.Read(elm, elmSize);
        } catch (const TError& e) {
            add(elm, e.Message());
        }
    }
    if (table.size() >= ElementTableHeaderSize) {
        const TRecordReader h(QByteArrayView(table).first(ElementTableHeaderSize));
        const quint8 version = h.U8(0), landscape = h.U8(1);
        const int w = h.U16(2), hgt = h.U16(4), announced = h.U8(6);
        if (version != 1)
            add(elm, TPanelText::tr("the header begins with %1, not 1").arg(version));
        if (landscape > 1) {
            add(elm, TPanelText::tr("orientation %1, neither 0 (portrait) nor 1 (landscape)").arg(landscape));
        } else {
            screen.OrientationRead = true;
            screen.Landscape = landscape == 1;
            const QSize expected = screen.Landscape ? QSize(320, 240) : QSize(240, 320);
            if (QSize(w, hgt) != expected) {
                add(elm, TPanelText::tr("a %1 screen of %2 x %3; the panel's is %4 x %5")
                             .arg(screen.Landscape ? TPanelText::tr("landscape") : TPanelText::tr("portrait"))
                             .arg(w)
                             .arg(hgt)
                             .arg(expected.width())
                             .arg(expected.height()));
            }
            screen.Size = expected;
        }
        screen.BackColor = h.U16(7);

        const qint64 body = table.size() - ElementTableHeaderSize;
        const qint64 present = body / ElementTableRecordSize, over = body % ElementTableRecordSize;
        if (present != announced || over != 0) {
            if (over == 0)
                add(elm, TPanelText::tr("%1 records announced, %2 present").arg(announced).arg(present));
            else
                add(elm, TPanelText::tr("%1 records announced, %2 present and %3 bytes more")
                             .arg(announced)
                             .arg(present)
                             .arg(over));
        }
        const qint64 n = std::min<qint64>(announced, present);
        for (qint64 r = 0; r < n; ++r) {
            const TPanelRecord rec = ParsePanelRecord(QByteArrayView(table).sliced(
                ElementTableHeaderSize + r * ElementTableRecordSize, ElementTableRecordSize));
            if (!IsPanelRecordKind(rec.Kind)) {
                add(elm,
                    TPanelText::tr("record %1: kind %2 is not one the panel draws").arg(r).arg(rec.Kind));
            } else if (IsCellText(rec.Kind) && rec.Kind != ekDRO) {
                // The panel fills a status line's or clock's cells with text it learns at run time: the
                // rectangle must be a whole number of cells.
                const int cw = 8 * rec.ScaleW, ch = 14 * rec.ScaleH;
                if (rec.Height != ch || (cw == 0 ? rec.Width != 0 : rec.Width % cw != 0))
                    add(elm, TPanelText::tr("record %1 (%2): %3 x %4 is not a row of whole %5 x %6 cells")
                                 .arg(r)
                                 .arg(KindName(rec.Kind))
                                 .arg(rec.Width)
                                 .arg(rec.Height)
                                 .arg(cw)
                                 .arg(ch));
            }
            screen.Records.push_back(rec);
        }
    }

    // Without a header the background's size is that of either orientation: the same bytes.
    screen.Background =
        ReadPicture(source, findings, {TSetPart::Screen, index, file("01bkg.bin")}, screen.Size);

    for (int r = 0; r < int(screen.Records.size()); ++r) {
        if (screen.Records[size_t(r)].Kind != ekBar)
            continue;
        TPanelBarPictures pictures;
        QImage* segmentPics[] = {&pictures.Red, &pictures.Yellow, &pictures.Green, &pictures.Bkg};
        for (int s = 0; s < 4; ++s) {
            const QString name = file(BarPictureName(r, BarSegments[s]));
            const qint64 size = source.Size(name);
            if (size < 0) {
                add(name, TPanelText::tr("missing (the bar of record %1)").arg(r));
            } else if (size % 2 != 0) {
                add(name, TPanelText::tr("%1 bytes, not a whole number of pixels").arg(size));
            } else if (size > MaxBarPictureBytes) {
                add(name, TPanelText::tr("%1 bytes, more than a bar picture row holds (%2)")
                              .arg(size)
                              .arg(MaxBarPictureBytes));
            } else if (size > 0) {
                try {
                    const QByteArray bytes = source.Read(name, size);
                    if (bytes.size() != size)
                        add(name, TPanelText::tr("%1 bytes could be read, %2 expected")
                                      .arg(bytes.size())
                                      .arg(size));
                    else
                        *segmentPics[s] = PictureFrom16bitArray(Pixels16FromBytes(bytes), int(size / 2), 1);
                } catch (const TError& e) {
                    add(name, e.Message());
                }
            }
        }
        screen.Bars[r] = std::move(pictures);
    }
}

// The files a screen folder may hold, lower case.
QSet<QString> ScreenFolderFiles(const TPanelScreen& screen)
{
    QSet<QString> names{QStringLiteral("01.elm"), QStringLiteral("01bkg.bin"), QStringLiteral("01bkg.bmp")};
    for (int r = 0; r < int(screen.Records.size()); ++r)
        if (screen.Records[size_t(r)].Kind == ekBar)
            for (char s : BarSegments)
                names.insert(Lower(BarPictureName(r, s)));
    return names;
}

QString FrameName(int i)
{
    return QString::asprintf("a%.2d.bin", i);
}

const QRegularExpression& FrameNamePattern()
{
    static const QRegularExpression re(QStringLiteral("^a(\\d{2,})\\.bin$"));
    return re;
}

const QRegularExpression& ScreenFolderPattern()
{
    static const QRegularExpression re(QStringLiteral("^\\d{2,}$"));
    return re;
}

// The screen index of a folder name written with "%.2d", or -1 ("007" is no screen's folder).
int ScreenIndexOf(const QString& name)
{
    if (!ScreenFolderPattern().match(name).hasMatch())
        return -1;
    bool ok = false;
    const int i = name.toInt(&ok);
    return ok && QString::asprintf("%.2d", i) == name ? i : -1;
}

} // namespace

// --- sources -----------------------------------------------------------------------------------------

TFolderSource::TFolderSource(const QString& folder) : folder_(folder)
{
    const QDir dir(folder);
    exists_ = !folder.isEmpty() && dir.exists();
    if (!exists_)
        return;
    const auto filters = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QFileInfo& top : dir.entryInfoList(filters, QDir::Name)) {
        if (top.isDir() && !top.isSymLink()) {
            const QString sub = top.fileName() + '/';
            entries_ << sub;
            for (const QFileInfo& inner : QDir(top.absoluteFilePath()).entryInfoList(filters, QDir::Name)) {
                const bool isDir = inner.isDir() && !inner.isSymLink();
                entries_ << sub + inner.fileName() + (isDir ? QStringLiteral("/") : QString());
            }
        } else {
            entries_ << top.fileName();
        }
    }
    for (const QString& e : std::as_const(entries_))
        byLowerName_.insert(Lower(e), e);
}

QString TFolderSource::Actual(const QString& path) const
{
    return byLowerName_.value(Lower(path));
}

qint64 TFolderSource::Size(const QString& path) const
{
    const QString actual = Actual(path);
    if (actual.isEmpty() || actual.endsWith('/'))
        return -1;
    const QFileInfo info(QDir(folder_).filePath(actual));
    return info.isFile() ? info.size() : -1;
}

QByteArray TFolderSource::Read(const QString& path, qint64 limit) const
{
    const QString name = QDir(folder_).filePath(Actual(path).isEmpty() ? path : Actual(path));
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly))
        throw TError(QCoreApplication::translate("output", "Cannot open file \"%1\". %2")
                         .arg(QDir::toNativeSeparators(name), f.errorString()));
    return f.read(std::max<qint64>(0, limit));
}

const QByteArray* TMemorySource::Find(const QString& path) const
{
    const auto it = Files.find(path);
    if (it != Files.end())
        return &it->second;
    const QString lower = Lower(path);
    for (const auto& [name, bytes] : Files)
        if (Lower(name) == lower)
            return &bytes;
    return nullptr;
}

QStringList TMemorySource::Entries() const
{
    QStringList out;
    QSet<QString> folders;
    auto folder = [&](const QString& f) {
        if (!folders.contains(Lower(f))) {
            folders.insert(Lower(f));
            out << f;
        }
    };
    for (const QString& f : Folders)
        folder(f.endsWith('/') ? f : f + '/');
    for (const auto& [name, bytes] : Files) {
        const qsizetype slash = name.indexOf('/');
        if (slash < 0) {
            out << name;
            continue;
        }
        folder(name.left(slash + 1));
        const qsizetype second = name.indexOf('/', slash + 1);
        if (second < 0)
            out << name;
        else
            folder(name.left(second + 1)); // deeper contents are never listed
    }
    return out;
}

qint64 TMemorySource::Size(const QString& path) const
{
    const QByteArray* b = Find(path);
    return b ? b->size() : -1;
}

QByteArray TMemorySource::Read(const QString& path, qint64 limit) const
{
    const QByteArray* b = Find(path);
    return b ? b->left(qsizetype(std::max<qint64>(0, limit))) : QByteArray();
}

// --- records -----------------------------------------------------------------------------------------

bool IsPanelRecordKind(quint8 kind)
{
    return IsPanelDrawn(kind);
}

TPanelRecord ParsePanelRecord(QByteArrayView bytes)
{
    const TRecordReader r(bytes.first(ElementTableRecordSize));
    TPanelRecord rec;
    rec.Kind = r.U8(0);
    rec.Order = r.U8(1);
    rec.X = r.I16(2);
    rec.Y = r.I16(4);
    rec.Width = r.U16(6);
    rec.Height = r.U16(8);
    rec.MaxVal = r.U16(10);
    rec.ScaleW = r.U8(12);
    rec.ScaleH = r.U8(13);
    rec.RedPct = r.U8(14);
    rec.YellowPct = r.U8(15);
    rec.Fore = r.U16(16);
    rec.Back = r.U16(18);
    rec.ShowAsAxis = r.U8(21);
    rec.AxisColor = r.U16(22);
    rec.AxisNum = r.U8(24);
    rec.LedMode = r.U8(25);
    rec.BlinkInterval = r.U16(26);
    const QByteArrayView format = bytes.sliced(28, RecordFormatCapacity);
    const qsizetype end = format.indexOf('\0');
    rec.Format = (end < 0 ? format : format.first(end)).toByteArray();
    return rec;
}

// --- the set -----------------------------------------------------------------------------------------

bool TPanelSet::Whole() const
{
    return std::none_of(Findings.begin(), Findings.end(), [](const TSetFinding& f) { return !f.Ignored; });
}

QStringList TPanelSet::Problems(TSetPart part, int screen) const
{
    QStringList out;
    for (const TSetFinding& f : Findings)
        if (!f.Ignored && f.Part == part && (part != TSetPart::Screen || f.Screen == screen))
            out << f.Text();
    return out;
}

TPanelSet ReadPanelSet(const TSetSource& source)
{
    TPanelSet set;
    TFindings findings(set.Findings);
    const QStringList entries = source.Entries();

    QSet<QString> topFolders; // lower case, without the '/'
    for (const QString& e : entries) {
        const QString lower = Lower(e);
        if (lower.endsWith('/') && lower.count('/') == 1)
            topFolders.insert(lower.chopped(1));
    }

    // lcdconfig: the number of work screens. Without it the screen folders found from 00 on stand in.
    const QString config = QStringLiteral("lcdconfig");
    if (const auto bytes = ReadExact(source, findings, {TSetPart::Set, -1, config}, 1, QStringLiteral("1"))) {
        set.ScreenCount = quint8(bytes->at(0));
        if (set.ScreenCount == 0)
            findings.Add(TSetPart::Set, -1, config, TPanelText::tr("announces no work screen"));
    } else {
        while (topFolders.contains(QString::asprintf("%.2d", set.ScreenCount)) && set.ScreenCount < 255)
            ++set.ScreenCount;
    }

    set.Screens.resize(size_t(set.ScreenCount));
    for (int i = 0; i < set.ScreenCount; ++i) {
        TPanelScreen& screen = set.Screens[size_t(i)];
        screen.Folder = QString::asprintf("%.2d", i);
        ReadScreen(source, findings, screen, i, topFolders.contains(screen.Folder));
    }

    // The splash and power-fail screens take the first work screen's size.
    if (!set.Screens.empty()) {
        set.SplashSize = set.Screens.front().Size;
        set.SplashSizeKnown = set.Screens.front().OrientationRead;
    }

    set.Logo =
        ReadPicture(source, findings, {TSetPart::Splash, -1, QStringLiteral("logo.bin")}, set.SplashSize);

    // The clock: tm.bin and the eleven digit files it needs.
    const QString tm = QStringLiteral("tm.bin");
    const QStringList digitNames = DigitFileNames(); // n01.bin first
    if (source.Size(tm) >= 0) {
        if (const auto bytes =
                ReadExact(source, findings, {TSetPart::Splash, -1, tm}, 17, QStringLiteral("17"))) {
            const TRecordReader r(*bytes);
            TPanelClock clock;
            clock.Hours = QPoint(r.U16(0), r.U16(2));
            clock.Minutes = QPoint(r.U16(4), r.U16(6));
            clock.Digit = QSize(r.U16(8), r.U16(10));
            clock.Transparent = r.U8(12) != 0;
            clock.BackColor = r.U16(13);
            clock.DigitColor = r.U16(15);
            const QSize field(2 * clock.Digit.width(), clock.Digit.height());
            if (clock.Digit.isEmpty() || field.width() > set.SplashSize.width() ||
                field.height() > set.SplashSize.height()) {
                findings.Add(
                    TSetPart::Splash, -1, tm,
                    TPanelText::tr("digits of %1 x %2: a field of two does not fit the %3 x %4 splash screen")
                        .arg(clock.Digit.width())
                        .arg(clock.Digit.height())
                        .arg(set.SplashSize.width())
                        .arg(set.SplashSize.height()));
            } else {
                set.Clock = clock;
            }
        }
        // A digit file holds the firmware's 25 x 35 glyph, or a glyph of the clock's own digit size.
        const QSize standard(DigitFileWidth, DigitFileHeight);
        const QSize own = set.Clock ? set.Clock->Digit : standard;
        auto bytesOf = [](QSize size) { return qint64(size.width()) * size.height() * 2; };
        const QString expected =
            own == standard ? PictureSizeText(standard)
                            : TPanelText::tr("%1 or %2").arg(PictureSizeText(standard), PictureSizeText(own));
        for (int k = 0; k < digitNames.size(); ++k) {
            const QString& name = digitNames[k];
            const qint64 size = source.Size(name);
            if (size < 0) {
                findings.Add(TSetPart::Splash, -1, name, TPanelText::tr("missing; tm.bin shows the clock"));
                continue;
            }
            const QSize pixels = size == bytesOf(own) ? own : standard;
            if (const auto bytes =
                    ReadExact(source, findings, {TSetPart::Splash, -1, name}, bytesOf(pixels), expected)) {
                TPanelDigit& digit = k == 0 ? set.Colon : set.Digits[size_t(k - 1)];
                digit.Size = pixels;
                digit.Pixels = Pixels16FromBytes(*bytes);
            }
        }
    }

    // The animation: anime.bin and exactly the frame files it announces.
    const QString anime = QStringLiteral("anime.bin");
    int announcedFrames = -1;
    if (source.Size(anime) >= 0) {
        if (const auto bytes =
                ReadExact(source, findings, {TSetPart::Splash, -1, anime}, 11, QStringLiteral("11"))) {
            const TRecordReader r(*bytes);
            TPanelAnimation a;
            announcedFrames = r.U8(0);
            a.Speed = r.U16(1);
            a.Position = QPoint(r.U16(3), r.U16(5));
            a.FrameSize = QSize(r.U16(7), r.U16(9));
            bool ok = true;
            if (announcedFrames == 0) {
                findings.Add(TSetPart::Splash, -1, anime, TPanelText::tr("announces no frame"));
                ok = false;
            }
            if (a.FrameSize.isEmpty() ||
                qint64(a.Position.x()) + a.FrameSize.width() > set.SplashSize.width() ||
                qint64(a.Position.y()) + a.FrameSize.height() > set.SplashSize.height()) {
                findings.Add(
                    TSetPart::Splash, -1, anime,
                    TPanelText::tr("frames of %1 x %2 at %3, %4 do not lie within the %5 x %6 splash screen")
                        .arg(a.FrameSize.width())
                        .arg(a.FrameSize.height())
                        .arg(a.Position.x())
                        .arg(a.Position.y())
                        .arg(set.SplashSize.width())
                        .arg(set.SplashSize.height()));
                ok = false;
            }
            const bool placed = ok;
            for (int i = 0; i < announcedFrames; ++i) {
                const QString name = FrameName(i);
                if (source.Size(name) < 0) {
                    findings.Add(
                        TSetPart::Splash, -1, name,
                        TPanelText::tr("missing; anime.bin announces %1 frames").arg(announcedFrames));
                    ok = false;
                } else if (placed) {
                    QImage frame = ReadPicture(source, findings, {TSetPart::Splash, -1, name}, a.FrameSize);
                    ok = ok && !frame.isNull();
                    a.Frames.push_back(std::move(frame));
                }
            }
            if (ok)
                set.Animation = std::move(a);
        }
    }
    const bool animeExists = source.Size(anime) >= 0;

    // The power-fail screen: its readout (optional) and its picture.
    const QString pwr = QStringLiteral("pwr.bin");
    if (const auto bytes = ReadExact(source, findings, {TSetPart::PowerFail, -1, pwr}, ElementTableRecordSize,
                                     QString::number(ElementTableRecordSize), false)) {
        const TPanelRecord rec = ParsePanelRecord(*bytes);
        if (rec.Kind != ekDRO)
            findings.Add(TSetPart::PowerFail, -1, pwr,
                         TPanelText::tr("kind %1; the power-fail readout is a DRO (0)").arg(rec.Kind));
        else
            set.PowerFailDro = rec;
    }
    set.PowerFail = ReadPicture(source, findings, {TSetPart::PowerFail, -1, QStringLiteral("pwrfail.bin")},
                                set.SplashSize);

    // What the panel passes by.
    QSet<QString> known{config, QStringLiteral("logo.bin"), pwr, QStringLiteral("pwrfail.bin")};
    if (source.Size(tm) >= 0) {
        known.insert(tm);
        for (const QString& n : digitNames)
            known.insert(n);
    }
    if (animeExists)
        known.insert(anime);
    for (const QString& e : entries) {
        const QString lower = Lower(e);
        const qsizetype slash = lower.indexOf('/');
        if (slash < 0) {
            if (known.contains(lower))
                continue;
            const auto frame = FrameNamePattern().match(lower);
            if (frame.hasMatch() && animeExists && announcedFrames < 0)
                continue; // anime.bin itself does not fit: that finding covers its frames
            if (frame.hasMatch() && announcedFrames >= 0) {
                const int i = frame.captured(1).toInt();
                if (FrameName(i) == lower && i < announcedFrames)
                    continue;
                if (FrameName(i) == lower) {
                    findings.Add(
                        TSetPart::Splash, -1, e,
                        TPanelText::tr("beyond the %1 frames anime.bin announces").arg(announcedFrames));
                    continue;
                }
            }
            QString why = TPanelText::tr("not part of the set; the panel ignores it");
            if (digitNames.contains(lower))
                why = TPanelText::tr("a digit file without tm.bin; the panel ignores it");
            else if (frame.hasMatch())
                why = TPanelText::tr("a frame file without anime.bin; the panel ignores it");
            findings.Add(TSetPart::Set, -1, e, why, true);
            continue;
        }
        const QString top = lower.left(slash);
        const int index = ScreenIndexOf(top);
        const bool screenFolder = index >= 0 && index < set.ScreenCount;
        if (slash == lower.size() - 1) { // a top-level folder
            if (!screenFolder)
                findings.Add(
                    TSetPart::Set, -1, e,
                    index >= 0
                        ? TPanelText::tr("a screen folder beyond the %1 that lcdconfig announces; the panel "
                                         "ignores it")
                              .arg(set.ScreenCount)
                        : TPanelText::tr("not part of the set; the panel ignores it"),
                    true);
            continue;
        }
        if (!screenFolder)
            continue; // inside a folder already reported
        const QString rest = lower.mid(slash + 1);
        if (rest.endsWith('/') || !ScreenFolderFiles(set.Screens[size_t(index)]).contains(rest))
            findings.Add(TSetPart::Set, -1, e, TPanelText::tr("not part of the set; the panel ignores it"),
                         true);
    }
    return set;
}

QStringList CheckReport(const TPanelSet& set)
{
    QStringList out;
    for (const TSetFinding& f : set.Findings)
        if (!f.Ignored)
            out << f.Text();
    for (const TSetFinding& f : set.Findings)
        if (f.Ignored)
            out << f.Text();
    return out;
}
