// The main window's clipboard: Cut, Copy, Paste and Duplicate of the selected elements on the
// active screen. The elements go on the system clipboard as our own format (so that another running
// designer can paste them) with their picture for other programs.

#include "base/terror.h"
#include "document/clipboard.h"
#include "model/editing.h"
#include "ui/designarea.h"
#include "ui/screenview.h"
#include "ui/scrtab.h"
#include "ui/umain.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>

namespace {

// Tells the window which screen the user pressed last.
class TPressWatch : public QObject
{
  public:
    TPressWatch(QObject* parent, std::function<void(QObject* view)> pressed)
        : QObject(parent), pressed_(std::move(pressed))
    {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            pressed_(watched);
        return false;
    }

  private:
    std::function<void(QObject*)> pressed_;
};

constexpr char WatchedProperty[] = "tarvoltClipboardWatched";

bool HoldsElements(const QMimeData* data)
{
    return data && data->hasFormat(QLatin1String(ElementsMimeType));
}

} // namespace

void TMForm::CreateClipboardCommands()
{
    // Edit: Undo, Redo, then these, then the history.
    QAction* history = nullptr;
    for (QAction* a : mnEdit_->actions())
        if (a->objectName() == QLatin1String("acUndoHistory"))
            history = a;
    QAction* separator = mnEdit_->insertSeparator(history);
    mnEdit_->insertActions(separator, {acCut, acCopy, acPaste, acDuplicate});

    connect(acCut, &QAction::triggered, this, [this] { Guard([this] { CutCommand(); }); });
    connect(acCopy, &QAction::triggered, this, [this] { Guard([this] { CopyCommand(); }); });
    connect(acPaste, &QAction::triggered, this, [this] { Guard([this] { PasteCommand(); }); });
    connect(acDuplicate, &QAction::triggered, this, [this] { Guard([this] { DuplicateCommand(); }); });

    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboardHasElements_ = HoldsElements(clipboard->mimeData());
    connect(clipboard, &QClipboard::dataChanged, this,
            [this, clipboard] { clipboardHasElements_ = HoldsElements(clipboard->mimeData()); });

    connect(designArea_, &TDesignArea::PageActivated, this, [this] { powerFailActive_ = false; });
}

TLCD* TMForm::ClipboardScreen()
{
    return powerFailActive_ ? &project_.PowerFail() : ActiveScreen();
}

void TMForm::UpdateClipboardActions()
{
    // The views of pages added since are watched from the first idle moment after.
    if (!pressWatch_)
        pressWatch_ =
            new TPressWatch(this, [this](QObject* view) { powerFailActive_ = view == PowerFailView(); });
    QList<QWidget*> views{PowerFailView()};
    for (int i = 0; i < PageCount(); ++i)
        views << Page(i)->View;
    for (QWidget* view : views)
        if (view && !view->property(WatchedProperty).toBool()) {
            view->installEventFilter(pressWatch_);
            view->setProperty(WatchedProperty, true);
        }

    TLCD* s = ClipboardScreen();
    const bool selection = s && !Selection(*s).isEmpty();
    for (QAction* a : {acCut, acCopy, acDuplicate})
        a->setEnabled(selection && !generating_);
    acPaste->setEnabled(s && clipboardHasElements_ && !generating_);
}

void TMForm::CopyCommand()
{
    TLCD* s = ClipboardScreen();
    if (!s)
        return;
    const QList<TElement*> selection = Selection(*s);
    const QByteArray bytes = ElementsToBytes(*s, selection);
    if (bytes.isEmpty())
        return;
    auto* data = new QMimeData;
    data->setData(QLatin1String(ElementsMimeType), bytes);
    // Other programs take the elements as a picture.
    data->setImageData(ElementsPicture(*s, selection));
    QGuiApplication::clipboard()->setMimeData(data);
    clipboardHasElements_ = true;
}

void TMForm::CutCommand()
{
    TLCD* s = ClipboardScreen();
    if (!s || Selection(*s).isEmpty())
        return;
    CopyCommand();
    CutElements(project_, *s, Selection(*s));
    ShowBudget();
    StatusLine(nullptr);
}

void TMForm::PasteCommand()
{
    TLCD* s = ClipboardScreen();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!s || !HoldsElements(data))
        return;
    // Damaged bytes throw with their reason, which Guard shows; nothing was changed then.
    const TPasteResult r = PasteBytes(project_, *s, data->data(QLatin1String(ElementsMimeType)));
    ShowPasted(r.Pasted, r.RefusedText());
}

void TMForm::DuplicateCommand()
{
    TLCD* s = ClipboardScreen();
    if (!s)
        return;
    const TPasteResult r = DuplicateElements(project_, *s, Selection(*s));
    ShowPasted(r.Pasted, r.RefusedText());
}

void TMForm::ShowPasted(const QList<TElement*>& pasted, const QString& refused)
{
    ShowBudget();
    if (!refused.isEmpty())
        Label2->setText(refused);
    else
        StatusLine(pasted.size() == 1 ? pasted.first() : nullptr);
}
