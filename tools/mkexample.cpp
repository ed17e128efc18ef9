// Writes the example project and its pictures (logo.bmp, landscape-bkg.jpg, splash.jpg, wheel.gif,
// demo.lcd) into a folder: `mkexample examples` makes what the repository holds under examples/.
// The project names its pictures relative to its own folder, as they lie beside it.

#include "base/codepage.h"
#include "gifwriter.h"
#include "model/tlcdlist.h"
#include "project/lcdfile.h"

#include <QDir>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <cstdio>

namespace {

// Made in the output folder, which is the working folder while the example is built.
const QString Logo = QStringLiteral("logo.bmp");
const QString Backdrop = QStringLiteral("landscape-bkg.jpg");
const QString Project = QStringLiteral("demo.lcd");
const QString Wheel = QStringLiteral("wheel.gif");
const QString SplashImage = QStringLiteral("splash.jpg");

QString BesideTheProject(const QString& file)
{
    return QFileInfo(file).fileName();
}

void Size(TElement* e, int w, int h)
{
    e->Width = e->PanelW = w;
    e->Height = e->PanelH = h;
}

TElement* Label(TLCD& s, int x, int y, const char* text, TColor colour, TColor back, int size, bool bold)
{
    TElement* e = s.AddElement(ekText, x, y);
    e->TextColor = colour;
    e->BackColor = e->PenColor = back;
    e->FontName = QStringLiteral("DejaVu Sans");
    e->FontSize = size;
    e->FontBold = bold;
    e->SetText(ToCodePage(QString::fromUtf8(text)));
    return e;
}

TElement* Dro(TLCD& s, int x, int y, const char* format, float value, qint16 order)
{
    TElement* e = s.AddElement(ekDRO, x, y);
    e->Format = format;
    e->Value = value;
    e->BackColor = e->PenColor = 0x202020;
    e->TextColor = 0x00FFFF;
    e->SetScaleW(2);
    e->SetScaleH(2);
    e->SetOrderNo(order);
    return e;
}

QImage LogoPicture()
{
    QImage image(64, 40, QImage::Format_RGB888);
    image.fill(QColor(0x10, 0x30, 0x60));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0xF0, 0xA0, 0x20));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRect(4, 4, 32, 32));
    p.setBrush(QColor(0x10, 0x30, 0x60));
    p.drawEllipse(QRect(12, 12, 16, 16));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(14);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(36, 0, 28, 40), Qt::AlignCenter, QStringLiteral("TV"));
    return image;
}

// A turning wheel: four 32 x 32 frames on white (the preview keys on the bottom-left pixel's colour).
gifwriter::Gif WheelAnimation()
{
    gifwriter::Gif gif;
    gif.Width = gif.Height = 32;
    gif.GlobalMap = {qRgb(255, 255, 255), qRgb(0xF0, 0xA0, 0x20), qRgb(0x20, 0x20, 0x20),
                     qRgb(0xC0, 0xC0, 0xC0)};
    for (int f = 0; f < 4; ++f) {
        QImage image(32, 32, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setBrush(QColor(0x20, 0x20, 0x20));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRect(2, 2, 28, 28));
        p.setBrush(QColor(0xC0, 0xC0, 0xC0));
        p.drawEllipse(QRect(6, 6, 20, 20));
        p.translate(16, 16);
        p.rotate(22.5 * f);
        p.setBrush(QColor(0xF0, 0xA0, 0x20));
        for (int spoke = 0; spoke < 4; ++spoke) {
            p.drawRect(QRect(-2, -12, 4, 24));
            p.rotate(45);
        }
        p.end();
        gifwriter::Frame frame;
        frame.Width = frame.Height = 32;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb c = image.pixel(x, y);
                int best = 0, bestDistance = 1 << 30;
                for (int i = 0; i < int(gif.GlobalMap.size()); ++i) {
                    const QRgb m = gif.GlobalMap[size_t(i)];
                    const int d = (qRed(c) - qRed(m)) * (qRed(c) - qRed(m)) +
                                  (qGreen(c) - qGreen(m)) * (qGreen(c) - qGreen(m)) +
                                  (qBlue(c) - qBlue(m)) * (qBlue(c) - qBlue(m));
                    if (d < bestDistance) {
                        best = i;
                        bestDistance = d;
                    }
                }
                frame.Pixels.push_back(quint8(best));
            }
        }
        gif.Frames.push_back(frame);
    }
    return gif;
}

QImage SplashPicture()
{
    QImage image(240, 320, QImage::Format_RGB888);
    QPainter p(&image);
    QLinearGradient g(0, 0, 240, 320);
    g.setColorAt(0, QColor(0x10, 0x20, 0x40));
    g.setColorAt(1, QColor(0x60, 0x30, 0x10));
    p.fillRect(image.rect(), g);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(30);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0xF0, 0xA0, 0x20));
    p.drawText(QRect(0, 60, 240, 50), Qt::AlignCenter, QStringLiteral("TARVOLT"));
    f.setPixelSize(14);
    f.setBold(false);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 105, 240, 30), Qt::AlignCenter, QStringLiteral("Demo machine"));
    return image;
}

QImage BackdropPicture()
{
    QImage image(320, 240, QImage::Format_RGB888);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, 240);
    g.setColorAt(0, QColor(0x18, 0x28, 0x40));
    g.setColorAt(1, QColor(0x40, 0x60, 0x80));
    p.fillRect(image.rect(), g);
    p.setPen(QColor(0x60, 0x80, 0xA0));
    for (int x = 0; x < 320; x += 40)
        p.drawLine(x, 0, x, 239);
    return image;
}

// Builds the example: a portrait machine screen and a landscape spindle screen that together show
// every element kind, a power-fail readout and a shown splash clock.
void BuildExample(TLCDList& list, TLCD& powerFail, SplashSettings& splash)
{
    TLCD& a = *list.AddScreen(240, 320);
    a.SetLandscape(false);
    a.BackgroundColor = 0x402010;
    TElement* frame = a.AddElement(ekShape, 4, 28);
    Size(frame, 232, 116);
    frame->ShapeType = stRoundRect;
    frame->BackColor = 0x503018;
    frame->PenColor = 0xC0A060;
    Label(a, 8, 4, "Machine", 0xFFFFFF, 0x402010, 12, true);
    const char* axes[] = {"X", "Y", "Z"};
    for (int i = 0; i < 3; ++i) {
        Label(a, 12, 36 + i * 36, axes[i], 0x80FFFF, 0x503018, 14, true);
        Dro(a, 40, 34 + i * 36, "%8.3f", 12.5f * float(i + 1) - 20.0f, qint16(i));
    }
    const TColor ledColours[] = {0x00FF00, 0x0000FF, 0x00FFFF};
    for (int i = 0; i < 3; ++i) {
        TElement* led = a.AddElement(ekLED, 16 + i * 40, 160);
        led->OnColor = led->TextColor = ledColours[i];
        led->OffColor = led->BackColor = 0x404040;
        led->SetOrderNo(qint16(3 + i));
    }
    TElement* bar = a.AddElement(ekBar, 200, 152);
    Size(bar, 22, 100);
    bar->Value = 65.0f;
    bar->SetOrderNo(6);
    TElement* shift = a.AddElement(ekShift, 140, 162);
    Size(shift, 16, 16);
    TElement* logo = a.AddElement(ekImage, 16, 200);
    Size(logo, 64, 40);
    logo->SetText(ToCodePage(BesideTheProject(Logo)));
    QString logoFile = Logo;
    logo->LoadPicture(logoFile);
    TElement* clock = a.AddElement(ekClock, 8, 250);
    clock->TextColor = 0xFFFFFF;
    clock->BackColor = clock->PenColor = 0x402010;
    TElement* status = a.AddElement(ekStatus, 0, 300);
    status->SetText("Ready                         ");

    TLCD& b = *list.AddScreen(320, 240);
    b.SetLandscape(true);
    b.SetBackground(Backdrop);
    b.BackgroundFile = BesideTheProject(Backdrop);
    Label(b, 8, 6, "Spindle", 0xFFFFFF, 0x402818, 12, true);
    TElement* ring = b.AddElement(ekShape, 216, 40);
    Size(ring, 90, 90);
    ring->ShapeType = stCircle;
    ring->BackColor = 0x604020;
    ring->PenColor = 0x00C0FF;
    Dro(b, 16, 40, "%6.0f", 12000.0f, 0);
    const char* bars[] = {"Load", "Feed", "Temp"};
    for (int i = 0; i < 3; ++i) {
        TElement* e = b.AddElement(ekBar, 30 + i * 50, 110);
        Size(e, 22, 90);
        e->Value = 30.0f + 25.0f * float(i);
        e->SetOrderNo(qint16(1 + i));
        Label(b, 24 + i * 50, 204, bars[i], 0xFFFFFF, 0x405878, 9, false);
    }
    TElement* led = b.AddElement(ekLED, 250, 150);
    led->OnColor = led->TextColor = 0x0000FF;
    led->OffColor = led->BackColor = 0x404040;
    led->SetOrderNo(4);
    TElement* logo2 = b.AddElement(ekImage, 240, 190);
    Size(logo2, 64, 40);
    logo2->SetText(ToCodePage(BesideTheProject(Logo)));
    QString logo2File = Logo;
    logo2->LoadPicture(logo2File);
    TElement* clock2 = b.AddElement(ekClock, 16, 220);
    clock2->TextColor = 0x00FFFF;
    clock2->BackColor = clock2->PenColor = 0x403020;
    TElement* shift2 = b.AddElement(ekShift, 290, 8);
    Size(shift2, 16, 16);

    TElement* pf = powerFail.AddElement(ekDRO, 60, 268);
    pf->Format = "%3.0f";
    pf->Value = 0.0f;
    pf->TextColor = 0xFFFFFF;
    pf->BackColor = pf->PenColor = 0x602020;
    pf->SetScaleW(3);
    pf->SetScaleH(3);

    splash.GifLoaded = true;
    splash.GifFile = BesideTheProject(Wheel);
    splash.GifLeft = 104;
    splash.GifTop = 160;
    splash.ClockShown = true;
    splash.HoursLeft = 60;
    splash.HoursTop = 230;
    splash.MinutesLeft = 125;
    splash.MinutesTop = 230;
    splash.DigitWidth = 25;
    splash.DigitHeight = 35;
    splash.ClockDigitColor = 0xFFFFFF;
    splash.ClockBackColor = 0x604010;
}

} // namespace

int main(int argc, char** argv)
{
    // Text elements measure their texts with the fonts a GUI application has.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: mkexample FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder) || !QDir::setCurrent(folder)) {
        std::fprintf(stderr, "mkexample: cannot use the folder %s\n", argv[1]);
        return 1;
    }
    try {
        if (!LogoPicture().save(Logo, "BMP") || !BackdropPicture().save(Backdrop, "JPG", 85) ||
            !SplashPicture().save(SplashImage, "JPG", 85) || !gifwriter::WriteGif(Wheel, WheelAnimation())) {
            std::fprintf(stderr, "mkexample: a picture could not be written\n");
            return 1;
        }
        TLCDList list;
        TLCD powerFail;
        SplashSettings splash;
        BuildExample(list, powerFail, splash);
        SaveProject(Project, list, powerFail, splash);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "mkexample: %s\n", e.what());
        return 1;
    }
    return 0;
}
