#pragma once

#include "base/urgb.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QSpinBox;
class TColorBox;

// The RGB calculator: composes a colour from its components, or takes a picked one, and shows the
// 16-bit value the panel uses for it. It changes nothing in the project and, living for the whole
// run, shows the last colour again when reopened.
class TCalcForm : public QDialog
{
    Q_OBJECT

  public:
    explicit TCalcForm(QWidget* parent = nullptr);

    QSpinBox* cxR;
    QSpinBox* cxG;
    QSpinBox* cxB;
    TColorBox* cxColor;
    QFrame* Panel1;
    QLineEdit* Edit1;

    // The colour the components make (0x00BBGGRR).
    TColor Color() const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The window's texts in the active interface language.
    void Retranslate();
    void ComponentChanged();
    void ColorPicked(TColor color);
    QLabel* lbComponent_[3];
    QLabel* lb16bit_;
};
