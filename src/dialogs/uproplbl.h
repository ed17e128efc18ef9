#pragma once

#include "dialogs/propform.h"

#include <QFont>
#include <functional>

class QFontDialog;
class QLineEdit;
class TElement;

// The free-text properties window: the text, its colours and its font.
class TPropLblForm : public TPropForm
{
    Q_OBJECT

  public:
    explicit TPropLblForm(QWidget* parent = nullptr);

    QLineEdit* cxText;
    QLabel* lbChars; // names what the panel cannot show of the text typed
    TColorBox* cxBkg;
    TColorBox* cxColor;
    QPushButton* Button3; // "Font"
    // The font dialog, without underline, strike-out or colour choices. Made anew whenever the
    // language changes and before each use, so that it always speaks the active language.
    QFontDialog* FontDialog = nullptr;

    // The font the window holds for the text until it closes; its size in points is HeldPoints().
    const QFont& HeldFont() const { return font_; }
    int HeldPoints() const { return points_; }

    // Asks for a font starting from `font`; false when cancelled. The default shows FontDialog; tests
    // replace it.
    std::function<bool(QFont& font)> PickFont;

    void Fill(const TElement& element);
    // Text, BackColor, the font (face, size, style), TextColor; then the size follows the text. A text
    // with characters the code page cannot hold is kept as typed in the element's TypedText.
    void WriteBack(TElement& element) const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The window's texts in the active interface language.
    void Retranslate();
    void MakeFontDialog();
    void FontClick();
    QFont font_;
    int points_ = 0; // the size as the element keeps it, even one that QFont would not take
    QLabel* lbBack_;
    QLabel* lbText_;
};
