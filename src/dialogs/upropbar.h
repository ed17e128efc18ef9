#pragma once

#include "dialogs/propform.h"

#include <QImage>
#include <QString>
#include <array>
#include <functional>

class TBarSwatch;
class TElement;
class TLCD;

// The bar properties window: size, order number, the four segment pictures, the thresholds and the
// maximum, and a test value that the bar being edited shows at once.
class TPropBarForm : public TPropForm
{
    Q_OBJECT

  public:
    // `activeScreen` gives the main window's active screen (whose selected element is the bar being
    // edited), or null while there is none.
    explicit TPropBarForm(std::function<TLCD*()> activeScreen, QWidget* parent = nullptr);

    QSpinBox* cxOrder;
    QSpinBox* cxW;
    QSpinBox* cxH;
    TBarSwatch* shRed;
    TBarSwatch* shYellow;
    TBarSwatch* shGreen;
    TBarSwatch* shBkg;
    QSpinBox* cxRPct;
    QSpinBox* cxYPct;
    QSpinBox* cxMaxVal;
    QSpinBox* cxValue;
    QPushButton* Button3; // "Default colors"

    // The default segment pictures.
    QImage bsGreen, bsYellow, bsRed, bsBkg;

    // Asks for a picture file; empty when cancelled. The main window gives its picture file dialog.
    std::function<QString()> PictureName;
    // Shows an error of the platform (a picture that cannot be decoded) with its own text.
    std::function<void(const QString& text)> ShowError;

    void Fill(const TElement& bar);
    // The changed swatches' pictures and files, the numbers, the size, the order number, the panel
    // size; swatches not changed since Fill leave the element's pictures and files as they were.
    void WriteBack(TElement& bar) const;

    // A double-click on a swatch: the picked picture's top row, at 24 bits, becomes the swatch.
    void PickPicture(TBarSwatch* swatch);
    // "Default colors": all four swatches show the default pictures, marked changed with no file.
    void DefaultColors();
    // The live test: the bar being edited takes the thresholds, the value and the maximum now.
    void Test();

    // Whether the swatch was changed since Fill, and the file then chosen (empty: none).
    bool SwatchChanged(const TBarSwatch* swatch) const;
    QString SwatchFile(const TBarSwatch* swatch) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // The window's texts in the active interface language.
    void Retranslate();
    void WidthChanged(int value);
    int SwatchIndex(const TBarSwatch* swatch) const;

    std::function<TLCD*()> activeScreen_;
    std::array<TBarSwatch*, 4> swatches_{};
    std::array<bool, 4> changed_{};
    std::array<QString, 4> files_;
    QLabel* lbOrder_;
    QLabel* lbW_;
    QLabel* lbH_;
    QLabel* lbRed_;
    QLabel* lbYellow_;
    QLabel* lbMax_;
    QLabel* lbTest_;
};
