#pragma once

#include <QFrame>

class QLabel;
class QSpinBox;
class TRadioGroup;
class TTimeGroup;

// The column on the left of the main window: the nine sample items that are dragged onto screens,
// then "Free:" with the element budget, the layout control, the animation speed and the splash
// clock group.
class TPalette : public QFrame
{
    Q_OBJECT

  public:
    explicit TPalette(QWidget* parent = nullptr);

    QLabel* lbFreeElement;
    TRadioGroup* rgSize;
    QSpinBox* cxTimer;
    TTimeGroup* gbTime;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void Retranslate();

    QWidget *itmDRO_, *itmBar_, *itmLabel_, *itmImg_, *itmShape_;
    QLabel *lbDRO_, *lbLED_, *lbBar_, *lbShift_, *lbStatus_, *lbText_, *lbFree_, *lbSpeed_, *lbMs_;
};
