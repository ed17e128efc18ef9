#pragma once

// What the language tests read off a window: every text it shows of its own.

#include "widgets/colorbox.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QStringList>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <ostream>

// Failures show the texts rather than their code units.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace i18n {

inline QString Ru(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

enum class TColourBoxes { Skip, Include };

// Every text a window shows of its own, in a fixed order: caption, labels, buttons, group titles,
// tab captions, column headers, fixed item lists, hints, tool bar and menu titles, and the texts and
// hints of actions. Qt's own font dialog is not the window's; the colour boxes' entries count only
// when asked for.
inline QStringList Texts(const QWidget& window, TColourBoxes boxes)
{
    QStringList texts{window.windowTitle()};
    auto foreign = [&window, boxes](const QObject* o) {
        for (; o && o != &window; o = o->parent())
            if (qobject_cast<const QFontDialog*>(o) ||
                (boxes == TColourBoxes::Skip && qobject_cast<const TColorBox*>(o)))
                return true;
        return false;
    };
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (foreign(w))
            continue;
        if (auto* label = qobject_cast<const QLabel*>(w))
            texts << label->text();
        else if (auto* button = qobject_cast<const QAbstractButton*>(w))
            texts << button->text();
        else if (auto* group = qobject_cast<const QGroupBox*>(w))
            texts << group->title();
        else if (auto* tabs = qobject_cast<const QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        else if (auto* tree = qobject_cast<const QTreeWidget*>(w))
            for (int i = 0; i < tree->columnCount(); ++i)
                texts << tree->headerItem()->text(i);
        else if (auto* combo = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        else if (auto* bar = qobject_cast<const QToolBar*>(w))
            texts << bar->windowTitle();
        else if (auto* menu = qobject_cast<const QMenu*>(w))
            texts << menu->title();
        if (!w->toolTip().isEmpty())
            texts << w->toolTip();
    }
    for (const QAction* a : window.findChildren<QAction*>()) {
        if (foreign(a) || a->isSeparator())
            continue;
        texts << a->text();
        if (a->toolTip() != a->text())
            texts << a->toolTip();
    }
    texts.removeAll(QString());
    return texts;
}

// Texts that are the same in both languages: the panel's identifiers and axis letters, one-letter
// colour components, and texts with fewer than two Latin letters.
inline bool LanguageNeutral(const QString& text)
{
    static const QStringList neutral{QStringLiteral("VID"), QStringLiteral("PID"), QStringLiteral("...")};
    int letters = 0;
    for (const QChar c : text)
        letters += c.isLetter() && c.unicode() < 0x80 ? 1 : 0;
    return letters < 2 || neutral.contains(text);
}

} // namespace i18n
