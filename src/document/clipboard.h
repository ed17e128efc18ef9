#pragma once

// Elements on the clipboard: Cut, Copy, Paste and Duplicate within a screen, between screens and
// between two running designers. The elements travel as the project file's own element records
// (lcdfile.h), under a private MIME type, behind a short header of ours and followed by what the
// record cannot hold for the element to look the same (its pictures, full-length names and colours
// the record shares between kinds). A paste places them by the rules of a drop.

#include "document/tproject.h"
#include "model/telement.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// The clipboard format of our elements.
inline constexpr char ElementsMimeType[] = "application/x-tarvolt-elements";

// The elements of `screen` among `elements` (others are ignored), in the screen's stacking order,
// as clipboard bytes; empty for none.
QByteArray ElementsToBytes(const TLCD& screen, const QList<TElement*>& elements);

// The elements of clipboard bytes, in the order they were copied, with their window geometry at zoom
// 1 (window pixels = panel pixels). Bytes that are damaged, cut short or not ours throw TError with
// the reason; nothing is read past the bytes given.
QList<TElementData> ElementsFromBytes(const QByteArray& bytes);

// The elements of `screen` among `elements` as the screen draws them at zoom 1 (its background
// under them, no grid, frames or labels), cut to the rectangle they cover: the picture other programs
// get. Null for none.
QImage ElementsPicture(const TLCD& screen, const QList<TElement*>& elements);

struct TPasteResult
{
    // The elements placed, selected on the screen; empty when none could be.
    QList<TElement*> Pasted;
    // One line per element left out: what it is and why.
    QStringList Refused;
    // The status-line text of the refusals; empty when every element was placed.
    QString RefusedText() const;
};

// What a paste is called on the undo stack.
enum class TPasteStep { Paste, Duplicate };

// Places `elements` on `screen` as a drop does (the power-fail screen's rules for the power-fail
// screen): the elements the rules refuse are left out and named in Refused, the others get new
// order numbers, are moved by 10 panel pixels while they would land exactly on elements of the same
// design (a paste into the screen copied from, a duplicate), are kept on the screen, and become the
// selection. One undo step ("Paste 3 elements", "Duplicate 1 element"); none when nothing was placed.
TPasteResult PasteElements(TProject& project, TLCD& screen, const QList<TElementData>& elements,
                           TPasteStep step = TPasteStep::Paste);

// Paste of clipboard bytes; TError for bytes ElementsFromBytes refuses, with nothing changed.
TPasteResult PasteBytes(TProject& project, TLCD& screen, const QByteArray& bytes);

// Duplicate: the selected elements copied and pasted on their own screen, one step.
TPasteResult DuplicateElements(TProject& project, TLCD& screen, const QList<TElement*>& elements);

// Cut: the clipboard bytes of the elements, which are deleted as one step; empty (no step) for none.
QByteArray CutElements(TProject& project, TLCD& screen, const QList<TElement*>& elements);
