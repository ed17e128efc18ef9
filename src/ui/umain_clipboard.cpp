// The main window's clipboard: Cut, Copy, Paste and Duplicate of the selected elements on the
// active screen. The elements go on the system clipboard as our own format (so that another running
// designer can paste them) with their picture for other programs.

#include "base/terror.h"
#include "document/clipboard.h"
#include "model/editing.h"
#include "ui/screenview.h"
#include "ui/umain.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>

namespace {

bool HoldsElements(const QMimeData* data)
{
    return data && data->hasFormat(QLatin1String(ElementsMimeType));
}

} // namespace

void TMForm::CreateClipboardCommands()
{
    // Edit: Undo, Redo, then these, then Select All and Deselect.
    QAction* separator = mnEdit_->insertSeparator(acSelectAll);
    mnEdit_->insertActions(separator, {acCut, acCopy, acPaste, acDuplicate});

    connect(acCut, &QAction::triggered, this, [this] { Guard([this] { CutCommand(); }); });
    connect(acCopy, &QAction::triggered, this, [this] { Guard([this] { CopyCommand(); }); });
    connect(acPaste, &QAction::triggered, this, [this] { Guard([this] { PasteCommand(); }); });
    connect(acDuplicate, &QAction::triggered, this, [this] { Guard([this] { DuplicateCommand(); }); });

    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboardHasElements_ = HoldsElements(clipboard->mimeData());
    connect(clipboard, &QClipboard::dataChanged, this,
            [this, clipboard] { clipboardHasElements_ = HoldsElements(clipboard->mimeData()); });
}

TLCD* TMForm::EditedScreen()
{
    if (PowerFailView() && PowerFailView()->hasFocus())
        return &project_.PowerFail();
    return ActiveScreen();
}

void TMForm::UpdateClipboardActions()
{
    TLCD* s = EditedScreen();
    const bool selection = s && !Selection(*s).isEmpty();
    for (QAction* a : {acCut, acCopy, acDuplicate})
        a->setEnabled(selection && !generating_);
    acPaste->setEnabled(s && clipboardHasElements_ && !generating_);
}

void TMForm::CopyCommand()
{
    TLCD* s = EditedScreen();
    if (!s)
        return;
    const QList<TElement*> selection = Selection(*s);
    PutOnClipboard(ElementsToBytes(*s, selection), ElementsPicture(*s, selection));
}

void TMForm::PutOnClipboard(const QByteArray& bytes, const QImage& picture)
{
    if (bytes.isEmpty())
        return;
    auto* data = new QMimeData;
    data->setData(QLatin1String(ElementsMimeType), bytes);
    // Other programs take the elements as a picture.
    data->setImageData(picture);
    QGuiApplication::clipboard()->setMimeData(data);
    clipboardHasElements_ = true;
}

void TMForm::CutCommand()
{
    TLCD* s = EditedScreen();
    if (!s || Selection(*s).isEmpty())
        return;
    // The picture is drawn before the elements go.
    const QImage picture = ElementsPicture(*s, Selection(*s));
    PutOnClipboard(CutElements(project_, *s, Selection(*s)), picture);
    ShowBudget();
    StatusLine(nullptr);
}

void TMForm::PasteCommand()
{
    TLCD* s = EditedScreen();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!s || !HoldsElements(data))
        return;
    // Damaged bytes throw with their reason, which Guard shows; nothing was changed then.
    const TPasteResult r = PasteBytes(project_, *s, data->data(QLatin1String(ElementsMimeType)));
    ShowPasted(r.Pasted, r.RefusedText());
}

void TMForm::DuplicateCommand()
{
    TLCD* s = EditedScreen();
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
