#pragma once

#include "base/urgb.h"

#include <QComboBox>
#include <functional>

// A drop-down list of colours as the designer holds them (0x00BBGGRR): twenty named colours, the
// desktop's system colours, and "Custom..." which opens the system colour picker. A colour picked
// there, or set from outside that is on no list, is shown as the entry "Custom".
class TColorBox : public QComboBox
{
    Q_OBJECT

  public:
    explicit TColorBox(QWidget* parent = nullptr);
    ~TColorBox() override;

    // While panel colours are shown, every colour box shows each colour as the LCD will (through the
    // RGB565 round trip) with its 16-bit value beside its name ("Red F800"). One switch for all boxes
    // of the program; off at start-up.
    static void SetPanelColours(bool on);
    static bool PanelColoursShown();

    TColor Color() const { return color_; }
    // Selects the entry of `color`, adding or updating "Custom" when no entry has it. Emits nothing.
    void SetColor(TColor color);

    // Asks for a custom colour starting from the current one; returns false when cancelled. The
    // default opens QColorDialog; tests replace it.
    std::function<bool(TColor& color)> PickCustom;

    // The twenty named colours, in list order; the names are the English ones.
    struct TNamedColor
    {
        const char* Name;
        TColor Value;
    };
    static const std::vector<TNamedColor>& NamedColors();

  signals:
    // The user chose a colour (not sent by SetColor).
    void ColorChanged(TColor color);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void Retranslate();
    void Activated(int index);
    int CustomIndex() const;
    int PickerIndex() const;
    void Select(int index);
    // Shows `color` as the "Custom" entry, adding the entry when there is none.
    void ShowCustom(TColor color);
    // The swatches in the colours shown now.
    void RefreshSwatches();

    TColor color_ = 0;
    int shown_ = 0;
};

// 0x00BBGGRR of a QColor.
TColor FromQColor(const QColor& color);
