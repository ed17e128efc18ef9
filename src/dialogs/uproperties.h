#pragma once

#include "base/urgb.h"

#include <QObject>
#include <QString>
#include <functional>

class QDialog;
class QWidget;
class TCalcForm;
class TElement;
class TLCD;
class TLCDList;
class TPropBarForm;
class TPropLEDForm;
class TPropLblForm;
class TPropShiftForm;
class TPropShpForm;
class TPropTimeForm;
class TPropTxtForm;

// What the property windows need from the main window, and the modal steps a test takes over.
struct TPropHooks
{
    // Shows a window modally and gives its result; the default centres it on the main window.
    std::function<int(QDialog& dialog)> Exec;
    // The main window's picture file dialog; empty when cancelled.
    std::function<QString(const QString& preset)> PictureName;
    // The system colour dialog, starting from `color`; false when cancelled.
    std::function<bool(TColor& color)> PickColor;
    // A warning the program words itself.
    std::function<void(const QString& text)> Notice;
    // The general error handler: an error's own text.
    std::function<void(const QString& text)> ShowError;
};

// The element property windows and the RGB calculator, created once for the whole run, and the
// properties command that fills a window from an element and writes it back on OK.
class TPropDialogs : public QObject
{
    Q_OBJECT

  public:
    // The windows are children of `mainWindow`; `activeScreen` gives its active screen (or null),
    // whose selected element the live windows edit and whose pulsing LEDs blink.
    TPropDialogs(QWidget* mainWindow, TLCDList& list, std::function<TLCD*()> activeScreen);

    TPropBarForm* PropBarForm;
    TPropTimeForm* PropTimeForm;
    TPropLblForm* PropLblForm;
    TPropShiftForm* PropShiftForm;
    TCalcForm* CalcForm;
    TPropTxtForm* PropTxtForm;
    TPropLEDForm* PropLEDForm;
    TPropShpForm* PropShpForm;

    TPropHooks Hooks;

    // The properties command for the screen's selected element: the window of its kind (an image
    // takes the picture file dialog) is filled, shown, and on OK written back; the element is redrawn
    // and the screen and the list are marked modified. Cancel writes nothing and marks nothing, and
    // puts back what the bar and LED windows changed live. Returns true when something was written back.
    bool ShowProperties(TLCD& screen);
    // The same for one element of the screen (one of several selected).
    bool ShowProperties(TLCD& screen, TElement& element);
    // A double-click on the free part of a work screen: its background colour.
    bool BackgroundColor(TLCD& screen);
    // A double-click on the power-fail screen's DRO.
    bool PowerFailProperties(TLCD& powerFail, TElement& dro);
    // The RGB calculator, modally.
    void ShowCalculator();

  private:
    int Show(QDialog& dialog);
    bool ImagePicture(TElement& image);
    void Report(const QString& text) const;
    void Notice(const QString& text) const;

    QWidget* mainWindow_;
    TLCDList& list_;
};
