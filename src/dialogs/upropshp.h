#pragma once

#include "dialogs/propform.h"

class TElement;
class TRadioGroup;

// The shape properties window: outline form, fill and outline colours and the size in panel pixels.
class TPropShpForm : public TPropForm
{
    Q_OBJECT

  public:
    explicit TPropShpForm(QWidget* parent = nullptr);

    TColorBox* cxBkg;
    TColorBox* cxPen;
    QSpinBox* cxW;
    QSpinBox* cxH;
    TRadioGroup* rgShape;

    void Fill(const TElement& element);
    // ShapeType, BackColor, PenColor, then the displayed and the panel size.
    void WriteBack(TElement& element) const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The window's texts in the active interface language.
    void Retranslate();
    QLabel* lbBack_;
    QLabel* lbCanvas_;
    QLabel* lbW_;
    QLabel* lbH_;
};
