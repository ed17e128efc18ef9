#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;
class QSpinBox;
class TColorBox;

// What the element property windows share: a small modal tool window captioned "Properties" with a
// button that closes it with the result OK (`Button1`) and "Cancel" (`Button2`). The close box gives
// Cancel as well. These texts are translated in this class's context and re-applied whenever the
// interface language changes; each window re-applies its own texts in its own Retranslate().
class TPropForm : public QDialog
{
    Q_OBJECT

  public:
    // The OK button's caption as the window has it ("Ok" or "OK").
    static constexpr const char* OkText = QT_TR_NOOP("Ok");
    static constexpr const char* OKText = QT_TR_NOOP("OK");

    // `okText` is OkText or OKText: an untranslated source text of this class's context.
    TPropForm(const QString& objectName, const char* okText, QWidget* parent);

    QPushButton* Button1;
    QPushButton* Button2;

  protected:
    // An integer spin box named `name`; `min`..`max` is the range of the field it edits where the
    // window imposes none of its own.
    QSpinBox* Spin(const char* name, int min, int max);
    TColorBox* ColorBox(const char* name);
    // A label without text: the window's Retranslate() gives it one.
    QLabel* Caption();
    // The same tool tip on a caption and on the box it names.
    static void Explain(QWidget* caption, QWidget* box, const QString& tip);
    // A red line under a text box, hidden while UpdateCodePageNote finds nothing to say.
    QLabel* CodePageNote(const char* name);
    // Names the characters of `typed` that the panel's code page cannot hold (and that become '?'),
    // or hides the note when there are none.
    static void UpdateCodePageNote(QLabel* note, const QString& typed);
    // The OK and Cancel buttons in one row, for the bottom of a layout.
    class QHBoxLayout* ButtonRow();

    // A window overriding this calls it first, then re-applies its own texts.
    void changeEvent(QEvent* event) override;

  private:
    void RetranslateCommon();
    const char* okText_;
};

// The widest ranges the element's fields can store, for the spin boxes the windows leave open.
namespace proprange {
inline constexpr int ScaleMin = 0, ScaleMax = 255;        // ScaleW, ScaleH: one byte each
inline constexpr int OrderMin = -32767, OrderMax = 32768; // OrderNo + 1, OrderNo signed 16 bits
inline constexpr int SizeMin = 0, SizeMax = 32767;        // panel sizes; the panel's records keep 16 bits
} // namespace proprange

// A DRO value as the DRO window shows it: fixed-point text with `decimals` digits after the point,
// rounded to at most `significant` significant digits, "." as separator. Values whose integer part
// has more digits than that are written in exponent form. std::nullopt for a value that is not a
// number or infinite.
std::optional<QString> FixedText(float value, int decimals, int significant);

// A DRO value as the DRO window shows it: the shortest fixed-point text ("." as separator) that reads
// back to the very same 32-bit float, so 400.5278f shows as "400.5278", not "400.527802".
// std::nullopt for a value that is not a number or infinite.
std::optional<QString> ShortestText(float value);

// Text typed as a DRO value: a decimal number with "." (no group separators, an optional exponent,
// blanks around it ignored) that a 32-bit float can hold. std::nullopt for anything else.
std::optional<float> ParseFloatText(const QString& text);
