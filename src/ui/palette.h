#pragma once

#include <QFrame>

class QLabel;
class QSpinBox;
class TRadioGroup;

// The column on the left of the main window: the nine sample items that are dragged onto screens,
// then "Free:" with the element budget, the layout control and the animation speed.
class TPalette : public QFrame
{
    Q_OBJECT

  public:
    explicit TPalette(QWidget* parent = nullptr);

    QLabel* lbFreeElement;
    TRadioGroup* rgSize;
    QSpinBox* cxTimer;
};
