#pragma once

#include "dialogs/propform.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class TElement;

// The DRO properties window, for the DRO elements of the work screens and for the power-fail
// screen's DRO.
class TPropTxtForm : public TPropForm
{
    Q_OBJECT

  public:
    explicit TPropTxtForm(QWidget* parent = nullptr);

    QSpinBox* cxOrder;
    QLineEdit* cxVal;
    QLineEdit* cxText;
    QLabel* lbFormat; // says at once why the format in cxText cannot be used
    QLabel* lbChars;  // names what the panel cannot show of the format typed
    TColorBox* cxBkg;
    TColorBox* cxFont;
    QSpinBox* cxdW;
    QSpinBox* cxdH;
    QCheckBox* chAxis;
    TColorBox* cxAxis;
    QComboBox* cxAxisNum;

    // Fills the controls from a DRO; `powerFail` selects the power-fail screen's order range and
    // leaves the axis controls as they are. Returns the message to show when the value could not be
    // written in full (the shorter form is shown instead), else an empty text.
    QString Fill(const TElement& dro, bool powerFail);
    // Writes the controls back in their fixed order; a format with characters the code page cannot
    // hold is kept as typed in the element's TypedText. Throws TError with the conversion message when
    // cxVal holds no number, and with the format message when cxText holds a format the DRO cannot
    // print; then nothing is written. Does not redraw.
    void WriteBack(TElement& dro, bool powerFail) const;

    // Whether cxText holds a format the DRO's record can hold and print.
    bool FormatAcceptable() const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The window's texts in the active interface language.
    void Retranslate();
    void FormatEdited();
    QLabel* lbOrder_;
    QLabel* lbValue_;
    QLabel* lbFormatCaption_;
    QLabel* lbBack_;
    QLabel* lbText_;
    QLabel* lbdW_;
    QLabel* lbdH_;
    QLabel* lbColor_;
    QLabel* lbAxis_;
};
