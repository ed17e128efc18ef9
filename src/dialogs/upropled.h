#pragma once

#include "dialogs/propform.h"

#include <functional>

class QComboBox;
class QTimer;
class TElement;
class TLCD;

// The LED properties window. Colours, mode and interval take effect on the LED at once (only the
// order number and the resting colour wait for OK), and its timer makes the pulsing LEDs of the active
// screen blink from creation to the end of the run, whether or not the window is shown.
class TPropLEDForm : public TPropForm
{
    Q_OBJECT

  public:
    // `activeScreen` gives the main window's active screen, or null while there is none.
    explicit TPropLEDForm(std::function<TLCD*()> activeScreen, QWidget* parent = nullptr);

    QSpinBox* cxOrder;
    TColorBox* cxOn;
    TColorBox* cxOff;
    QComboBox* cxMode;
    QLabel* lbEx;
    QSpinBox* cxInterval;
    QTimer* BlinkTimer;

    void Fill(const TElement& led);
    // BackColor and OffColor := cxOff, OnColor, LedMode, the order number, BlinkInterval.
    void WriteBack(TElement& led) const;

    // The interval controls are shown only for "Pulsing".
    void ShowIntervalControls();
    // The live update: the active screen's selected element takes colours, mode and interval now.
    void LiveUpdate();
    // One tick of the blink preview on the active screen.
    void BlinkTick();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The window's texts in the active interface language.
    void Retranslate();
    std::function<TLCD*()> activeScreen_;
    bool filling_ = false;
    QLabel* lbOrder_;
    QLabel* lbOn_;
    QLabel* lbOff_;
    QLabel* lbMode_;
};
