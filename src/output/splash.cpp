#include "output/splash.h"

#include "base/atomicfile.h"
#include "base/bytes.h"
#include "base/terror.h"
#include "output/animation.h"
#include "base/syscolors.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

// --- placement -----------------------------------------------------------------------------------

QPoint KeepOnPicture(QPoint topLeft, QSize item, QSize picture)
{
    int x = std::max(topLeft.x(), 0);
    int y = std::max(topLeft.y(), 0);
    if (qint64(x) + item.width() > picture.width())
        x = int(qint64(picture.width()) - item.width());
    if (qint64(y) + item.height() > picture.height())
        y = int(qint64(picture.height()) - item.height());
    return {x, y};
}

QPoint DragPosition(QPoint position, QPoint pressPoint, QPoint mousePoint, QSize item, QSize picture)
{
    return KeepOnPicture(position + (mousePoint - pressPoint), item, picture);
}

// --- built-in pictures ---------------------------------------------------------------------------

namespace {

// The four-pixel white border both built-in screens have.
void DrawWhiteFrame(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(0, 0, 240, 4);
    p.drawRect(0, 316, 240, 4);
    p.drawRect(0, 0, 4, 320);
    p.drawRect(236, 0, 4, 320);
}

} // namespace

QImage BuiltInSplashPicture()
{
    // A dark blue screen that lightens towards the bottom, a white frame and a large yellow "T".
    QImage img(DefaultSplashSize, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        const QRgb row = qRgb(0, 0, 64 + y * 160 / img.height());
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        std::fill(line, line + img.width(), row);
    }
    QPainter p(&img);
    DrawWhiteFrame(p);
    p.setBrush(QColor(255, 208, 0));
    p.drawRect(60, 100, 120, 24);
    p.drawRect(108, 124, 24, 100);
    return img;
}

QImage BuiltInPowerFailPicture()
{
    // A dark red screen with a white frame and a yellow lightning bolt.
    QImage img(240, 320, QImage::Format_RGB32);
    img.fill(QColor(96, 0, 0));
    QPainter p(&img);
    DrawWhiteFrame(p);
    p.setBrush(QColor(255, 224, 0));
    const QPolygon bolt({QPoint(140, 60), QPoint(80, 170), QPoint(118, 170), QPoint(96, 260),
                         QPoint(164, 140), QPoint(124, 140), QPoint(150, 60)});
    p.drawPolygon(bolt);
    return img;
}

namespace {

// Seven segments in a 25 x 35 digit cell: top, upper right, lower right, bottom, lower left, upper
// left, middle.
constexpr QRect kSegments[7] = {{5, 3, 15, 4},  {18, 5, 4, 13}, {18, 17, 4, 13}, {5, 28, 15, 4},
                                {3, 17, 4, 13}, {3, 5, 4, 13},  {5, 15, 15, 4}};

void DrawDigit(QImage& img, int cellLeft, int digit)
{
    // Segment masks, bit i = kSegments[i].
    static constexpr quint8 kDigits[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    for (int s = 0; s < 7; ++s) {
        if (!(kDigits[digit] & (1 << s)))
            continue;
        const QRect r = kSegments[s].translated(cellLeft, 0);
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                img.setPixel(x, y, qRgb(0, 0, 0));
    }
}

QRgb ToQRgb(TColor color)
{
    const TColor c = ResolveColor(color);
    return qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

} // namespace

QImage ClockSamplePicture(ClockField field)
{
    QImage img(50, 35, QImage::Format_RGB32);
    img.fill(qRgb(255, 255, 255));
    const bool hours = field == ClockField::Hours;
    DrawDigit(img, 0, hours ? 1 : 0);
    DrawDigit(img, 25, hours ? 2 : 0);
    return img;
}

TColor PixelColor(const QImage& picture, int x, int y)
{
    const QRgb c = picture.pixel(x, y);
    return TColor(qRed(c)) | (TColor(qGreen(c)) << 8) | (TColor(qBlue(c)) << 16);
}

// --- TSplash -------------------------------------------------------------------------------------

TSplash::TSplash()
    : picture_(BuiltInSplashPicture()), fieldPic_{ClockSamplePicture(ClockField::Hours),
                                                  ClockSamplePicture(ClockField::Minutes)}
{}

void TSplash::markModified()
{
    if (OnModified)
        OnModified();
}

void TSplash::LoadPicture(const QString& file)
{
    QImage loaded = LoadPictureFile(file); // throws before anything changes
    SetPicture(std::move(loaded), file);
    markModified();
}

void TSplash::SetPicture(QImage picture, const QString& file)
{
    picture_ = std::move(picture);
    imageFile_ = file;
    displayed_ = QImage();
}

void TSplash::SetScreenSize(QSize size)
{
    if (size == screenSize_ || size.isEmpty())
        return;
    screenSize_ = size;
    displayed_ = QImage();
}

const QImage& TSplash::DisplayedPicture() const
{
    if (displayed_.isNull()) {
        if (picture_.isNull()) {
            displayed_ = QImage(screenSize_, QImage::Format_RGB32);
            displayed_.fill(qRgb(255, 255, 255));
        } else {
            displayed_ = ScaledCopy(picture_, screenSize_.width(), screenSize_.height())
                             .convertToFormat(QImage::Format_RGB32);
        }
    }
    return displayed_;
}

void TSplash::SetClockShown(bool on)
{
    PlaceField(ClockField::Hours, QPoint(0, 0));
    PlaceField(ClockField::Minutes, QPoint(FieldRect(ClockField::Hours).width() + 20, 0));
    clockShown_ = on;
    digitSizeEditable_ = on;
    markModified();
}

void TSplash::SetClockTransparent(bool on)
{
    clockTransparent_ = on;
    markModified();
    if (on) {
        RefreshClockFields();
    } else {
        fieldPic_[0] = ClockSamplePicture(ClockField::Hours);
        fieldPic_[1] = ClockSamplePicture(ClockField::Minutes);
    }
}

void TSplash::SetDigitWidth(int width)
{
    digitWidth_ = std::clamp(width, MinDigitSize, MaxDigitWidth);
}

void TSplash::SetDigitHeight(int height)
{
    digitHeight_ = std::clamp(height, MinDigitSize, MaxDigitHeight);
}

void TSplash::SetClockDigitColor(TColor color)
{
    digitColor_ = color;
    if (clockShown_)
        RefreshClockFields();
    markModified();
}

void TSplash::SetClockColors(TColor digitColor, TColor backColor)
{
    digitColor_ = digitColor;
    backColor_ = backColor;
}

QRect TSplash::FieldRect(ClockField field) const
{
    return {FieldPosition(field), QSize(2 * digitWidth_, digitHeight_)};
}

void TSplash::PlaceField(ClockField field, QPoint topLeft)
{
    fieldPos_[index(field)] = topLeft;
}

QImage TSplash::FieldPicture(ClockField field) const
{
    const QRect r = FieldRect(field);
    return ScaledCopy(fieldPic_[index(field)], r.width(), r.height());
}

void TSplash::PickClockBackColor(ClockField field)
{
    const QImage& shown = DisplayedPicture();
    const QRect r = FieldRect(field);
    const int x = std::clamp(r.left(), 0, shown.width() - 1);
    const int y = int(std::clamp<qint64>(qint64(r.top()) + r.height(), 0, shown.height() - 1));
    backColor_ = PixelColor(shown, x, y);
}

void TSplash::RecolourField(ClockField field)
{
    if (!clockTransparent_)
        return;
    QImage pic = ClockSamplePicture(field).convertToFormat(QImage::Format_RGB32);
    const QRgb key = pic.pixel(0, pic.height() - 1);
    const QRgb back = ToQRgb(backColor_);
    const QRgb digit = ToQRgb(digitColor_);
    for (int y = 0; y < pic.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(pic.scanLine(y));
        for (int x = 0; x < pic.width(); ++x)
            line[x] = (line[x] == key) ? back : digit;
    }
    fieldPic_[index(field)] = std::move(pic);
}

void TSplash::RefreshClockFields()
{
    PickClockBackColor(ClockField::Hours);
    RecolourField(ClockField::Hours);
    PickClockBackColor(ClockField::Minutes);
    RecolourField(ClockField::Minutes);
}

void TSplash::DragField(ClockField field, QPoint pressPoint, QPoint mousePoint)
{
    PickClockBackColor(field);
    const QRect r = FieldRect(field);
    PlaceField(field, DragPosition(r.topLeft(), pressPoint, mousePoint, r.size(), screenSize_));
}

void TSplash::EndFieldDrag(ClockField field)
{
    RecolourField(field);
    markModified();
}

TSplash::TClockState TSplash::ClockState() const
{
    return {clockShown_, clockTransparent_, digitSizeEditable_, digitWidth_, digitHeight_,
            digitColor_, backColor_,         fieldPos_,          fieldPic_};
}

void TSplash::SetClockState(const TClockState& state)
{
    clockShown_ = state.Shown;
    clockTransparent_ = state.Transparent;
    digitSizeEditable_ = state.SizeEditable;
    digitWidth_ = state.DigitWidth;
    digitHeight_ = state.DigitHeight;
    digitColor_ = state.DigitColor;
    backColor_ = state.BackColor;
    fieldPos_ = state.Positions;
    fieldPic_ = state.Pictures;
}

// --- clock settings record -----------------------------------------------------------------------

QByteArray ClockSettingsRecord(const TSplash& splash)
{
    TRecordWriter out(17);
    const QPoint h = splash.FieldPosition(ClockField::Hours);
    const QPoint m = splash.FieldPosition(ClockField::Minutes);
    out.U16(0, ClampU16(h.x()));
    out.U16(2, ClampU16(h.y()));
    out.U16(4, ClampU16(m.x()));
    out.U16(6, ClampU16(m.y()));
    out.U16(8, ClampU16(splash.DigitWidth()));
    out.U16(10, ClampU16(splash.DigitHeight()));
    out.U8(12, splash.ClockTransparent() ? 1 : 0);
    out.U16(13, ColorTo16bit(splash.ClockBackColor()));
    out.U16(15, ColorTo16bit(splash.ClockDigitColor()));
    return out.Bytes();
}

void WriteClockSettings(const TSplash& splash, const QString& fileName)
{
    WriteFileAtomic(fileName, ClockSettingsRecord(splash));
}

// --- splash settings -----------------------------------------------------------------------------

SplashSettings GatherSplashSettings(const TSplash& splash, const TAnimation& animation)
{
    SplashSettings s;
    s.GifFile = animation.FileName();
    s.GifLoaded = !s.GifFile.isEmpty();
    s.GifLeft = animation.Position().x();
    s.GifTop = animation.Position().y();
    s.ClockShown = splash.ClockShown();
    s.ClockTransparent = splash.ClockTransparent();
    s.HoursLeft = splash.FieldPosition(ClockField::Hours).x();
    s.HoursTop = splash.FieldPosition(ClockField::Hours).y();
    s.MinutesLeft = splash.FieldPosition(ClockField::Minutes).x();
    s.MinutesTop = splash.FieldPosition(ClockField::Minutes).y();
    s.DigitWidth = splash.DigitWidth();
    s.DigitHeight = splash.DigitHeight();
    s.ClockDigitColor = splash.ClockDigitColor();
    s.ClockBackColor = splash.ClockBackColor();
    return s;
}

void ApplySplashSettings(const SplashSettings& settings, TSplash& splash, TAnimation& animation,
                         const QString& gifPath)
{
    splash.SetClockColors(settings.ClockDigitColor, settings.ClockBackColor);
    if (splash.ClockShown() != settings.ClockShown)
        splash.SetClockShown(settings.ClockShown);
    if (splash.ClockTransparent() != settings.ClockTransparent)
        splash.SetClockTransparent(settings.ClockTransparent);

    // A damaged or hand-made project may place the clock anywhere; the panel only has its screen.
    splash.SetDigitWidth(settings.DigitWidth);
    splash.SetDigitHeight(settings.DigitHeight);
    const QSize field = splash.FieldRect(ClockField::Hours).size();
    splash.PlaceField(ClockField::Hours,
                      KeepOnPicture({settings.HoursLeft, settings.HoursTop}, field, splash.ScreenSize()));
    splash.PlaceField(ClockField::Minutes,
                      KeepOnPicture({settings.MinutesLeft, settings.MinutesTop}, field, splash.ScreenSize()));
    splash.DisableDigitSize();

    const QString gif = gifPath.isEmpty() ? settings.GifFile : gifPath;
    if (settings.GifLoaded && !settings.GifFile.isEmpty() && QFileInfo::exists(gif)) {
        animation.LoadAnimation(gif, settings.GifFile);
        animation.SetPosition(
            KeepOnPicture({settings.GifLeft, settings.GifTop}, animation.PreviewSize(), splash.ScreenSize()));
    }
}
