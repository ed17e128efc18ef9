// The main window's alignment commands: Edit > Align and the element menu's Align, on the active
// screen's selection.

#include "document/edits.h"
#include "model/align.h"
#include "model/editing.h"
#include "ui/umain.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>
#include <iterator>

namespace {

struct TAlignText
{
    const char* Name;
    const char* Icon;
    const char* Caption;
    const char* Hint;
};

// In AlignCommands order.
const TAlignText AlignTexts[] = {
    {"acAlignLeft", "alignleft", QT_TRANSLATE_NOOP("TMForm", "Align left"),
     QT_TRANSLATE_NOOP("TMForm", "Line up the left edges of the selected elements with the leftmost one")},
    {"acAlignRight", "alignright", QT_TRANSLATE_NOOP("TMForm", "Align right"),
     QT_TRANSLATE_NOOP("TMForm", "Line up the right edges of the selected elements with the rightmost one")},
    {"acAlignTop", "aligntop", QT_TRANSLATE_NOOP("TMForm", "Align top"),
     QT_TRANSLATE_NOOP("TMForm", "Line up the top edges of the selected elements with the topmost one")},
    {"acAlignBottom", "alignbottom", QT_TRANSLATE_NOOP("TMForm", "Align bottom"),
     QT_TRANSLATE_NOOP("TMForm", "Line up the bottom edges of the selected elements with the lowest one")},
    {"acAlignHCentre", "alignhcentre", QT_TRANSLATE_NOOP("TMForm", "Align horizontal centres"),
     QT_TRANSLATE_NOOP("TMForm",
                       "Centre the selected elements between the left and right edges of the selection")},
    {"acAlignVCentre", "alignvcentre", QT_TRANSLATE_NOOP("TMForm", "Align vertical centres"),
     QT_TRANSLATE_NOOP("TMForm",
                       "Centre the selected elements between the top and bottom edges of the selection")},
    {"acDistributeH", "distributeh", QT_TRANSLATE_NOOP("TMForm", "Distribute horizontally"),
     QT_TRANSLATE_NOOP(
         "TMForm", "Equal gaps between three or more selected elements; the leftmost and rightmost stay")},
    {"acDistributeV", "distributev", QT_TRANSLATE_NOOP("TMForm", "Distribute vertically"),
     QT_TRANSLATE_NOOP("TMForm",
                       "Equal gaps between three or more selected elements; the topmost and lowest stay")},
    {"acSameWidth", "samewidth", QT_TRANSLATE_NOOP("TMForm", "Make same width"),
     QT_TRANSLATE_NOOP("TMForm", "Give the resizable selected elements the width of the one lowest in the "
                                 "stacking order")},
    {"acSameHeight", "sameheight", QT_TRANSLATE_NOOP("TMForm", "Make same height"),
     QT_TRANSLATE_NOOP("TMForm", "Give the resizable selected elements the height of the one lowest in the "
                                 "stacking order")},
};
static_assert(std::size(AlignTexts) == std::size(AlignCommands));

} // namespace

void TMForm::CreateAlignCommands()
{
    mnAlign_ = new QMenu(this);
    mnAlign_->setObjectName(QStringLiteral("mnAlign"));
    // The hints say what each command takes as its reference.
    mnAlign_->setToolTipsVisible(true);
    for (size_t i = 0; i < std::size(AlignCommands); ++i) {
        auto* action = new QAction(
            QIcon(QStringLiteral(":/icons/actions/%1.svg").arg(QLatin1String(AlignTexts[i].Icon))), QString(),
            this);
        action->setObjectName(QString::fromLatin1(AlignTexts[i].Name));
        const TAlign command = AlignCommands[i];
        connect(action, &QAction::triggered, this, [this, command] {
            Guard([&] {
                if (TLCD* s = ActiveScreen())
                    AlignElements(project_, *s, Selection(*s), command);
            });
        });
        alignActions_.push_back(action);
        mnAlign_->addAction(action);
        // Aligning, distributing and sizing each form a group of their own.
        if (command == TAlign::VCentre || command == TAlign::DistributeV)
            mnAlign_->addSeparator();
    }
    // Edit: the selection's commands, then Align, then the history.
    QAction* history = nullptr;
    for (QAction* a : mnEdit_->actions())
        if (a->objectName() == QLatin1String("acUndoHistory"))
            history = a;
    mnEdit_->insertMenu(history, mnAlign_);
    mnEdit_->insertSeparator(history);
    ppElement->addSeparator();
    ppElement->addMenu(mnAlign_);
}

void TMForm::UpdateAlignActions()
{
    TLCD* s = ActiveScreen();
    const QList<TElement*> selection = s ? Selection(*s) : QList<TElement*>();
    for (size_t i = 0; i < alignActions_.size(); ++i)
        alignActions_[i]->setEnabled(CanAlign(AlignCommands[i], selection));
}

void TMForm::RetranslateAlign()
{
    if (!mnAlign_)
        return; // still being built
    mnAlign_->setTitle(tr("Align"));
    for (size_t i = 0; i < alignActions_.size(); ++i) {
        const QString hint = QCoreApplication::translate("TMForm", AlignTexts[i].Hint);
        alignActions_[i]->setText(QCoreApplication::translate("TMForm", AlignTexts[i].Caption));
        alignActions_[i]->setToolTip(hint);
        alignActions_[i]->setStatusTip(hint);
    }
}
