#include "commands.h"
#include "base/terror.h"
#include "panel/panelrender.h"
#include "panel/panelset.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QImageWriter>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>
#include <optional>

namespace {

const char Usage[] =
    "FOLDER (--screen N | --splash | --power-fail) [--value V] [--leds on|off] [--time HH:MM] "
    "[--frame K] -o OUT.png";

// A number with '.' as the decimal separator, whatever the locale; no "nan" or "inf".
std::optional<float> ParseDecimal(const QString& text)
{
    static const QRegularExpression number("^[-+]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][-+]?[0-9]+)?$");
    if (!number.match(text.trimmed()).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return float(v);
}

int Fail(const QString& message)
{
    Err() << "tarvolt-cli preview: " << message << '\n';
    return 1;
}

int RunPreview(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption screenOpt("screen", "work screen index", "N");
    const QCommandLineOption splashOpt("splash", "the splash screen");
    const QCommandLineOption powerFailOpt("power-fail", "the power-fail screen");
    const QCommandLineOption valueOpt("value", "what every DRO and bar shows", "V", "0");
    const QCommandLineOption ledsOpt("leds", "LEDs on or off", "on|off", "off");
    const QCommandLineOption timeOpt("time", "the splash clock's time", "HH:MM", "12:00");
    const QCommandLineOption frameOpt("frame", "animation frame", "K", "0");
    const QCommandLineOption outOpt(QStringList{"o", "output"}, "output PNG", "OUT.png");
    parser.addOptions({screenOpt, splashOpt, powerFailOpt, valueOpt, ledsOpt, timeOpt, frameOpt, outOpt});
    if (!parser.parse(QStringList{"preview"} + args))
        return Fail(parser.errorText());
    const int chosen =
        int(parser.isSet(screenOpt)) + int(parser.isSet(splashOpt)) + int(parser.isSet(powerFailOpt));
    if (parser.positionalArguments().size() != 1 || !parser.isSet(outOpt) || chosen != 1)
        return Fail(QStringLiteral("usage: tarvolt-cli preview ") + QLatin1String(Usage));

    TPanelState state;
    const std::optional<float> value = ParseDecimal(parser.value(valueOpt));
    if (!value)
        return Fail(QString("--value takes a number, not \"%1\"").arg(parser.value(valueOpt)));
    state.Value = *value;
    if (parser.value(ledsOpt) != "on" && parser.value(ledsOpt) != "off")
        return Fail("--leds takes on or off");
    state.LedsOn = parser.value(ledsOpt) == "on";
    const auto time = QRegularExpression("^([01][0-9]|2[0-3]):([0-5][0-9])$").match(parser.value(timeOpt));
    if (!time.hasMatch())
        return Fail("--time takes HH:MM, from 00:00 to 23:59");
    state.Hours = time.captured(1).toInt();
    state.Minutes = time.captured(2).toInt();
    bool ok = false;
    state.Frame = parser.value(frameOpt).toInt(&ok);
    if (!ok || state.Frame < 0)
        return Fail("--frame takes a whole number from 0");

    const QString folder = parser.positionalArguments().first();
    const TFolderSource source(folder);
    if (!source.Exists())
        return Fail(QString("\"%1\": no such folder").arg(folder));
    const TPanelSet set = ReadPanelSet(source);

    QImage image;
    if (parser.isSet(screenOpt)) {
        const int index = parser.value(screenOpt).toInt(&ok);
        if (!ok)
            return Fail("--screen takes a whole number from 0");
        image = RenderPanelScreen(set, index, state);
    } else if (parser.isSet(splashOpt)) {
        if (parser.isSet(frameOpt) && !set.Animation && set.Problems(TSetPart::Splash).isEmpty())
            return Fail("the set has no animation (anime.bin)");
        image = RenderPanelSplash(set, state);
    } else {
        image = RenderPanelPowerFail(set, state);
    }

    QImageWriter writer(parser.value(outOpt), "png");
    if (!writer.write(image))
        return Fail(QString("cannot write \"%1\": %2").arg(parser.value(outOpt), writer.errorString()));
    return 0;
}

const CommandRegistrar registrar({"preview", Usage,
                                  "draw what the panel shows from an SD-card set into a PNG file",
                                  RunPreview});

} // namespace
