#pragma once

#include <QGroupBox>

class QCheckBox;
class QSpinBox;

// The " Time " group of the palette column: the splash clock's switch, its transparency and the size
// of one digit. It only holds the controls; the main window wires them to the splash state.
class TTimeGroup : public QGroupBox
{
    Q_OBJECT

  public:
    explicit TTimeGroup(QWidget* parent = nullptr);

    QCheckBox* chTime; // "Show"
    QCheckBox* chTRN;  // "Transp."
    QSpinBox* cxTMw;   // "W", digit width
    QSpinBox* cxTMh;   // "H", digit height

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void Retranslate();

    class QLabel *lbW_, *lbH_;
};
