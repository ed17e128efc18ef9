#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "commands.h"
#include "base/codepage.h"
#include "projectload.h"

namespace {

QJsonObject ElementJson(const TElement& e)
{
    auto text = [](const QByteArray& b) { return FromCodePage(b); };
    return QJsonObject{
        {"Kind", e.Kind},
        {"OrderNo", e.OrderNo},
        {"Reserved", e.Reserved},
        {"PanelX", e.PanelX},
        {"PanelY", e.PanelY},
        {"PanelW", e.PanelW},
        {"PanelH", e.PanelH},
        {"MaxVal", e.MaxVal},
        {"ScaleW", e.ScaleW},
        {"ScaleH", e.ScaleH},
        {"RedPct", e.RedPct},
        {"YellowPct", e.YellowPct},
        {"Value", double(e.Value)},
        {"TextColor", qint64(e.TextColor)},
        {"BackColor", qint64(e.BackColor)},
        {"PenColor", qint64(e.PenColor)},
        {"OnColor", qint64(e.OnColor)},
        {"OffColor", qint64(e.OffColor)},
        {"ShapeType", e.ShapeType},
        {"ShowAsAxis", e.ShowAsAxis},
        {"AxisColor", qint64(e.AxisColor)},
        {"AxisNum", e.AxisNum},
        {"Format", text(e.Format)},
        {"Text", text(e.Text)},
        {"LedMode", e.LedMode},
        {"RedPicFile", e.RedPicFile},
        {"YellowPicFile", e.YellowPicFile},
        {"GreenPicFile", e.GreenPicFile},
        {"BkgPicFile", e.BkgPicFile},
        {"BlinkInterval", e.BlinkInterval},
        {"FontName", e.FontName},
        {"FontSize", e.FontSize},
        {"FontBold", e.FontBold},
        {"FontItalic", e.FontItalic},
    };
}

QJsonObject ScreenJson(const TLCD& s)
{
    QJsonArray elements;
    for (const auto& e : s.Elements())
        elements.append(ElementJson(*e));
    return QJsonObject{{"Landscape", s.Landscape},
                       {"BackgroundColor", qint64(s.BackgroundColor)},
                       {"BackgroundFile", s.BackgroundFile},
                       {"elements", elements}};
}

QJsonObject SplashJson(const SplashSettings& s)
{
    return QJsonObject{{"GifLoaded", s.GifLoaded},
                       {"GifLeft", s.GifLeft},
                       {"GifTop", s.GifTop},
                       {"GifFile", s.GifFile},
                       {"ClockShown", s.ClockShown},
                       {"ClockTransparent", s.ClockTransparent},
                       {"HoursLeft", s.HoursLeft},
                       {"HoursTop", s.HoursTop},
                       {"MinutesLeft", s.MinutesLeft},
                       {"MinutesTop", s.MinutesTop},
                       {"DigitWidth", s.DigitWidth},
                       {"DigitHeight", s.DigitHeight},
                       {"ClockDigitColor", qint64(s.ClockDigitColor)},
                       {"ClockBackColor", qint64(s.ClockBackColor)}};
}

int RunInfo(const QStringList& args)
{
    QCommandLineParser parser;
    parser.process(QStringList{"info"} + args);
    if (parser.positionalArguments().size() != 1) {
        Err() << "usage: tarvolt-cli info PROJECT.lcd\n";
        return 1;
    }
    const auto p = LoadCliProject(parser.positionalArguments().first());
    QJsonArray screens;
    const TLCDList& list = p->Project.Screens();
    for (int i = 0; i < list.Count(); ++i)
        screens.append(ScreenJson(*list.Items(i)));
    const QJsonObject root{{"screens", screens},
                           {"powerFail", ScreenJson(p->Project.PowerFail())},
                           {"splash", SplashJson(p->Result.Splash)}};
    Out() << QJsonDocument(root).toJson(QJsonDocument::Indented);
    PrintWarnings("info", ProjectWarnings(*p));
    return 0;
}

const CommandRegistrar registrar({"info", "PROJECT.lcd", "print the project as JSON (screens, power-fail screen, splash settings)",
                                  RunInfo});

} // namespace
