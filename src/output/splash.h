#pragma once

// The splash screen as the designer holds it, without any widget: its picture, the splash clock (two
// fields, their digit size, colours and transparency) and the record the panel reads for the clock.
// Windows show this state and drive it through the operations below.

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <functional>

#include "base/urgb.h"
#include "project/splashsettings.h"

class TAnimation;

// The two clock fields; the numbers are the fields' tags' order and index the arrays below.
enum class ClockField { Hours = 0, Minutes = 1 };

// Size of the splash screen until the first work screen says otherwise (portrait).
inline constexpr QSize DefaultSplashSize{240, 320};

// Range of the digit size. Two digits of the widest size fill a 240-pixel-wide screen and the
// tallest fits a landscape screen, so a clock field always fits on either layout.
inline constexpr int MinDigitSize = 1;
inline constexpr int MaxDigitWidth = 120;
inline constexpr int MaxDigitHeight = 240;

// --- pure placement rules shared by the clock fields and the animation preview -----------------

// The top-left corner that keeps an item of `item` size on a picture of `picture` size: first not
// left of / above the picture, then not right of / below it, so that the right and bottom edges win
// when the item is larger than the picture.
QPoint KeepOnPicture(QPoint topLeft, QSize item, QSize picture);

// One mouse move of a drag: the item at `position`, pressed at `pressPoint` and now under the mouse
// at `mousePoint` (both in the item's own coordinates), moves by their difference and is kept on the
// picture.
QPoint DragPosition(QPoint position, QPoint pressPoint, QPoint mousePoint, QSize item, QSize picture);

// --- built-in pictures -------------------------------------------------------------------------

// The splash picture until one is loaded: 240 x 320, drawn in code.
QImage BuiltInSplashPicture();
// The power-fail screen's picture until one is loaded (picerr): 240 x 320, drawn in code.
QImage BuiltInPowerFailPicture();
// The sample digits of a clock field: 50 x 35, black digits on white and no other colour; "12" for
// the hours and "00" for the minutes.
QImage ClockSamplePicture(ClockField field);

// The colour of a picture's pixel as the designer holds colours (0x00BBGGRR).
TColor PixelColor(const QImage& picture, int x, int y);

class TSplash
{
public:
    TSplash();

    // --- the splash picture ------------------------------------------------------------------------
    const QImage& Picture() const { return picture_; }
    // The file the picture was last loaded from (the program setting); empty for the built-in one.
    const QString& ImageFile() const { return imageFile_; }
    // "Load splash image": the picture := LoadPictureFile(file) (empty for a missing file or another
    // type), the image file := file, the project is marked modified. A picture that cannot be decoded
    // throws TError and changes nothing.
    void LoadPicture(const QString& file);
    // Sets the picture without marking the project modified (start-up, the command line).
    void SetPicture(QImage picture, const QString& file = {});

    // The splash screen's size: that of the first work screen, in panel pixels.
    QSize ScreenSize() const { return screenSize_; }
    void SetScreenSize(QSize size);
    // The picture as the splash screen shows it: stretched to the screen size, 32 bits per pixel;
    // all white when the picture is empty.
    const QImage& DisplayedPicture() const;

    // --- the clock ---------------------------------------------------------------------------------
    bool ClockShown() const { return clockShown_; }
    bool ClockTransparent() const { return clockTransparent_; }
    int DigitWidth() const { return digitWidth_; }
    int DigitHeight() const { return digitHeight_; }
    // Whether the digit size may be edited now (the "W" and "H" boxes are enabled).
    bool DigitSizeEditable() const { return digitSizeEditable_; }
    TColor ClockDigitColor() const { return digitColor_; }
    TColor ClockBackColor() const { return backColor_; }

    // The clock switch clicked: the hours field goes to (0, 0), the minutes field to (hours field's
    // width + 20, 0); the fields are shown and the digit size editable exactly when `on`; marks the
    // project modified.
    void SetClockShown(bool on);
    // Transparency clicked: marks the project modified; when on, RefreshClockFields, when off both
    // fields show their samples again.
    void SetClockTransparent(bool on);
    // The digit size, cut into MinDigitSize..MaxDigitWidth / MaxDigitHeight. Both fields follow;
    // the project is not marked modified.
    void SetDigitWidth(int width);
    void SetDigitHeight(int height);
    // Disables the digit size boxes, as applying a loaded project does, whatever the switch.
    void DisableDigitSize() { digitSizeEditable_ = false; }
    // The clock colour confirmed in the colour dialog: it becomes the digit colour; when the clock is
    // shown, RefreshClockFields; marks the project modified.
    void SetClockDigitColor(TColor color);
    // Both colours at once, as a loaded project gives them; nothing else happens.
    void SetClockColors(TColor digitColor, TColor backColor);

    // Top-left corner of a field in splash-screen pixels; its size is 2 x digit width by digit height.
    QPoint FieldPosition(ClockField field) const { return fieldPos_[index(field)]; }
    QRect FieldRect(ClockField field) const;
    // Places a field as given; no other effect.
    void PlaceField(ClockField field, QPoint topLeft);
    // What a field shows: its sample, or its recoloured sample while transparent, stretched to the
    // field's size.
    QImage FieldPicture(ClockField field) const;

    // The clock background colour := the displayed splash picture's pixel just below the field's
    // bottom-left corner. A field whose bottom edge lies on the screen's bottom edge takes the pixel
    // of the last row instead, so the pick never reads outside the picture.
    void PickClockBackColor(ClockField field);
    // Only while transparent: the field shows its sample with the sample's background colour (its
    // bottom-left pixel) replaced by the clock background colour and every other pixel by the digit
    // colour.
    void RecolourField(ClockField field);
    // Pick and recolour the hours field, then the minutes field; the clock background colour ends
    // as the colour under the minutes field.
    void RefreshClockFields();

    // One mouse move while a field is dragged: the background colour is picked under the field where
    // it stands, then the field moves as DragPosition says, kept on the splash screen.
    void DragField(ClockField field, QPoint pressPoint, QPoint mousePoint);
    // The drag ended: the field is recoloured (while transparent) and the project marked modified.
    void EndFieldDrag(ClockField field);

    // Everything of the clock as a value, and its restoring (nothing else happens: no pick, no
    // recolouring, not marked modified), so that an undone change gives back exactly what was shown.
    struct TClockState
    {
        bool Shown = false, Transparent = false, SizeEditable = false;
        int DigitWidth = 0, DigitHeight = 0;
        TColor DigitColor = 0, BackColor = 0;
        std::array<QPoint, 2> Positions;
        std::array<QImage, 2> Pictures;
        bool operator==(const TClockState&) const = default;
    };
    TClockState ClockState() const;
    void SetClockState(const TClockState& state);

    // Called whenever an operation marks the project modified.
    std::function<void()> OnModified;

private:
    static size_t index(ClockField field) { return size_t(field); }
    void markModified();

    QImage picture_;
    QString imageFile_;
    QSize screenSize_ = DefaultSplashSize;
    mutable QImage displayed_; // cache of DisplayedPicture, null when stale

    bool clockShown_ = false;
    bool clockTransparent_ = false;
    bool digitSizeEditable_ = false;
    int digitWidth_ = 25;
    int digitHeight_ = 35;
    TColor digitColor_ = 0x000000;
    TColor backColor_ = ButtonFaceColor;
    std::array<QPoint, 2> fieldPos_{QPoint(0, 0), QPoint(70, 0)};
    std::array<QImage, 2> fieldPic_; // sample or recoloured sample, 50 x 35
};

// The clock settings record "tm.bin" (17 bytes, little-endian, packed): both field positions, the
// digit size, the transparency and both colours as RGB565. Positions are cut into 0..65535.
QByteArray ClockSettingsRecord(const TSplash& splash);
// Writes that record, replacing any file of that name. Throws TError "Cannot create file "%s". %s"
// when the file cannot be written.
void WriteClockSettings(const TSplash& splash, const QString& fileName);

// The splash settings of the project header, gathered from the splash screen and the animation.
SplashSettings GatherSplashSettings(const TSplash& splash, const TAnimation& animation);
// Applies loaded splash settings in the order a project open does: the clock colours; the clock
// switch, then the transparency, each running its click handling only when its state changes; the
// digit size and both field positions (kept on the splash screen), after which the digit size is no
// longer editable; and, when a GIF is named and its file exists, the animation is loaded and placed
// (kept on the splash screen). A GIF that cannot be decoded throws TError after everything else was
// applied; the animation then stays as it was. `gifPath` is where the GIF was found (a project's
// loader looks beside the project file first); when empty, the stored name itself. The animation
// keeps the stored name.
void ApplySplashSettings(const SplashSettings& settings, TSplash& splash, TAnimation& animation,
                         const QString& gifPath = {});
