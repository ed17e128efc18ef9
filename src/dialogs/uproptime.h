#pragma once

#include "dialogs/propform.h"

class TElement;

// The clock properties window, for clocks and for the status string (whose width follows its fixed
// text, so "dW" is disabled for it).
class TPropTimeForm : public TPropForm
{
    Q_OBJECT

  public:
    explicit TPropTimeForm(QWidget* parent = nullptr);

    TColorBox* cxBkg;
    TColorBox* cxFont;
    QSpinBox* cxdW;
    QSpinBox* cxdH;

    void Fill(const TElement& element);
    // BackColor, TextColor, then the scales (which re-derive the size and mark modified).
    void WriteBack(TElement& element) const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The window's texts in the active interface language.
    void Retranslate();
    QLabel* lbBack_;
    QLabel* lbText_;
    QLabel* lbdW_;
    QLabel* lbdH_;
};
