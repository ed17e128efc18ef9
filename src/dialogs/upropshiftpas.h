#pragma once

#include "dialogs/propform.h"

class TElement;

// The shift-status properties window: the mark's size in panel pixels.
class TPropShiftForm : public TPropForm
{
    Q_OBJECT

  public:
    explicit TPropShiftForm(QWidget* parent = nullptr);

    QSpinBox* cxW;
    QSpinBox* cxH;

    // The panel size is shown as the displayed size divided by the zoom.
    void Fill(const TElement& element);
    // Displayed size := panel size x zoom; panel size := displayed size div zoom.
    void WriteBack(TElement& element) const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The window's texts in the active interface language.
    void Retranslate();
    QLabel* lbW_;
    QLabel* lbH_;
};
