#include "dialogs/uproperties.h"

#include "dialogs/propmessages.h"
#include "dialogs/ucalc.h"
#include "dialogs/upropbar.h"
#include "dialogs/uproplbl.h"
#include "dialogs/upropled.h"
#include "dialogs/upropshiftpas.h"
#include "dialogs/upropshp.h"
#include "dialogs/uproptime.h"
#include "dialogs/uproptxt.h"
#include "model/render.h"
#include "base/terror.h"
#include "model/tlcdlist.h"
#include "base/codepage.h"
#include "widgets/colorbox.h"
#include "widgets/messages.h"

#include <QColorDialog>
#include <QDialog>
#include <QMessageBox>
#include <QWidget>

namespace {

// What the bar and LED windows change on the element while they are open (their live test and
// update), and what the blink preview changes with them. Cancel puts it back, so that the screen
// never shows a change that the project does not count.
struct TLiveFields
{
    explicit TLiveFields(const TElement& e)
        : Value(e.Value), MaxVal(e.MaxVal), YellowPct(e.YellowPct), RedPct(e.RedPct), OnColor(e.OnColor),
          OffColor(e.OffColor), BackColor(e.BackColor), PenColor(e.PenColor), LedMode(e.LedMode),
          BlinkInterval(e.BlinkInterval), BlinkCounter(e.BlinkCounter), BlinkPhase(e.BlinkPhase)
    {}
    void Restore(TElement& e) const
    {
        e.Value = Value;
        e.MaxVal = MaxVal;
        e.YellowPct = YellowPct;
        e.RedPct = RedPct;
        e.OnColor = OnColor;
        e.OffColor = OffColor;
        e.BackColor = BackColor;
        e.PenColor = PenColor;
        e.LedMode = LedMode;
        e.BlinkInterval = BlinkInterval;
        e.BlinkCounter = BlinkCounter;
        e.BlinkPhase = BlinkPhase;
        e.Invalidate();
    }

    float Value;
    quint16 MaxVal;
    quint8 YellowPct, RedPct;
    TColor OnColor, OffColor, BackColor, PenColor;
    quint8 LedMode;
    quint16 BlinkInterval, BlinkCounter;
    bool BlinkPhase;
};

} // namespace

TPropDialogs::TPropDialogs(QWidget* mainWindow, TLCDList& list, std::function<TLCD*()> activeScreen)
    : QObject(mainWindow), mainWindow_(mainWindow), list_(list)
{
    setObjectName(QStringLiteral("PropDialogs"));
    // In the order the designer has always created them; the LED window's blink timer starts here.
    PropBarForm = new TPropBarForm(activeScreen, mainWindow);
    PropTimeForm = new TPropTimeForm(mainWindow);
    PropLblForm = new TPropLblForm(mainWindow);
    PropShiftForm = new TPropShiftForm(mainWindow);
    CalcForm = new TCalcForm(mainWindow);
    PropTxtForm = new TPropTxtForm(mainWindow);
    PropLEDForm = new TPropLEDForm(activeScreen, mainWindow);
    PropShpForm = new TPropShpForm(mainWindow);

    Hooks.Exec = [this](QDialog& dialog) {
        dialog.adjustSize();
        if (mainWindow_)
            dialog.move(mainWindow_->geometry().center() - dialog.rect().center());
        return dialog.exec();
    };
    Hooks.PickColor = [this](TColor& color) {
        const QColor picked = QColorDialog::getColor(ToQColor(color), mainWindow_);
        if (!picked.isValid())
            return false;
        color = FromQColor(picked);
        return true;
    };
    Hooks.Notice = [this](const QString& text) { QMessageBox::warning(mainWindow_, msg::Warning(), text); };
    Hooks.ShowError = [this](const QString& text) {
        QMessageBox::critical(mainWindow_, mainWindow_ ? mainWindow_->windowTitle() : QString(), text);
    };
    PropBarForm->PictureName = [this] {
        return Hooks.PictureName ? Hooks.PictureName(QString()) : QString();
    };
    PropBarForm->ShowError = [this](const QString& text) { Report(text); };
}

int TPropDialogs::Show(QDialog& dialog)
{
    // Only the OK button gives OK: a result left from the last use must not count.
    dialog.setResult(QDialog::Rejected);
    return Hooks.Exec ? Hooks.Exec(dialog) : QDialog::Rejected;
}

void TPropDialogs::Report(const QString& text) const
{
    if (Hooks.ShowError)
        Hooks.ShowError(text);
}

void TPropDialogs::Notice(const QString& text) const
{
    if (Hooks.Notice)
        Hooks.Notice(text);
}

bool TPropDialogs::ShowProperties(TLCD& screen)
{
    return screen.SelectedElement && ShowProperties(screen, *screen.SelectedElement);
}

bool TPropDialogs::ShowProperties(TLCD& screen, TElement& element)
{
    if (element.Screen != &screen)
        return false;
    TElement* e = &element;
    try {
        switch (e->Kind) {
        case ekDRO: {
            const QString message = PropTxtForm->Fill(*e, false);
            if (!message.isEmpty())
                Notice(message);
            if (Show(*PropTxtForm) != QDialog::Accepted)
                return false;
            PropTxtForm->WriteBack(*e, false);
            break;
        }
        case ekLED: {
            const TLiveFields opened(*e);
            PropLEDForm->Fill(*e);
            if (Show(*PropLEDForm) != QDialog::Accepted) {
                opened.Restore(*e);
                return false;
            }
            PropLEDForm->WriteBack(*e);
            break;
        }
        case ekBar: {
            const TLiveFields opened(*e);
            PropBarForm->Fill(*e);
            if (Show(*PropBarForm) != QDialog::Accepted) {
                opened.Restore(*e);
                return false;
            }
            PropBarForm->WriteBack(*e);
            break;
        }
        case ekShift:
            PropShiftForm->Fill(*e);
            if (Show(*PropShiftForm) != QDialog::Accepted)
                return false;
            PropShiftForm->WriteBack(*e);
            break;
        case ekStatus:
        case ekClock:
            PropTimeForm->Fill(*e);
            if (Show(*PropTimeForm) != QDialog::Accepted)
                return false;
            PropTimeForm->WriteBack(*e);
            break;
        case ekText:
            PropLblForm->Fill(*e);
            if (Show(*PropLblForm) != QDialog::Accepted)
                return false;
            PropLblForm->WriteBack(*e);
            break;
        case ekShape:
            PropShpForm->Fill(*e);
            if (Show(*PropShpForm) != QDialog::Accepted)
                return false;
            PropShpForm->WriteBack(*e);
            break;
        case ekImage:
            if (!ImagePicture(*e))
                return false;
            break;
        default:
            return false;
        }
    } catch (const TError& error) {
        Report(error.Message());
        return false;
    }
    e->Invalidate();
    e->MarkModified();
    list_.SetModified(true);
    return true;
}

bool TPropDialogs::ImagePicture(TElement& e)
{
    const QString typed = e.LostText();
    QString file =
        Hooks.PictureName ? Hooks.PictureName(typed.isEmpty() ? FromCodePage(e.Text) : typed) : QString();
    if (file.isEmpty())
        return false;
    const QImage previous = e.Picture;
    e.LoadPicture(file); // a picture that cannot be decoded throws and leaves the old one
    if (e.Picture.isNull()) {
        // Neither BMP nor JPEG (or still missing): an element of no size could not be found again.
        e.Picture = previous;
        e.Invalidate();
        throw TError(propmsg::NoPicture(file));
    }
    e.SetText(ToCodePage(file));
    e.TypedText = CharactersNotInCodePage(file).isEmpty() ? QString() : file;
    const int z = e.Zoom();
    e.Width = e.Picture.width() * z;
    e.Height = e.Picture.height() * z;
    e.PanelW = e.Picture.width();
    e.PanelH = e.Picture.height();
    return true;
}

bool TPropDialogs::BackgroundColor(TLCD& screen)
{
    TColor color = screen.BackgroundColor;
    if (!Hooks.PickColor || !Hooks.PickColor(color))
        return false;
    screen.BackgroundColor = color;
    screen.Invalidate();
    screen.MarkModified();
    list_.SetModified(true);
    return true;
}

bool TPropDialogs::PowerFailProperties(TLCD& powerFail, TElement& dro)
{
    const QString message = PropTxtForm->Fill(dro, true);
    if (!message.isEmpty())
        Notice(message);
    if (Show(*PropTxtForm) != QDialog::Accepted)
        return false;
    try {
        PropTxtForm->WriteBack(dro, true);
    } catch (const TError& error) {
        Report(error.Message());
        return false;
    }
    dro.Invalidate();
    powerFail.MarkModified();
    list_.SetModified(true);
    return true;
}

void TPropDialogs::ShowCalculator()
{
    Show(*CalcForm);
}
