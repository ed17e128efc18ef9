// The clipboard reader on arbitrary bytes: any program on the desktop may put anything under our
// type. A TError is a correct refusal. Beyond not crashing, the reader keeps three promises checked
// here: a refused paste leaves the screen and its undo history as they were, the elements it accepts
// paste by the rules of a drop (never past the budget or the one status line of a screen), and the
// pasted elements copy to bytes that read back to as many elements.

#include "fuzzcommon.h"
#include "base/terror.h"
#include "document/clipboard.h"
#include "document/tproject.h"
#include "model/placement.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    TProject project;
    TLCD& screen = *project.Screens().AddScreen(240, 320);
    screen.SetZoom(2);
    Drop(screen, TScreenRole::Work, ekStatus, {10, 10});
    const int before = screen.Count();
    const int steps = project.UndoStack().count();

    TPasteResult pasted;
    try {
        pasted = PasteBytes(project, screen, bytes);
    } catch (const TError&) {
        if (screen.Count() != before || project.UndoStack().count() != steps)
            Finding("a refused paste changed the screen");
        return 0;
    }
    if (screen.Count() != before + pasted.Pasted.size())
        Finding("a paste placed other elements than it reports");
    if (Budget(screen) < 0 || screen.Count() > MaxElementsPerScreen)
        Finding("a paste went past the screen's budget");
    int statusLines = 0;
    for (const auto& e : screen.Elements())
        statusLines += e->Kind == ekStatus;
    if (statusLines > 1)
        Finding("a paste gave the screen a second status line");
    if (pasted.Pasted.isEmpty())
        return 0;

    try {
        if (ElementsFromBytes(ElementsToBytes(screen, pasted.Pasted)).size() != pasted.Pasted.size())
            Finding("pasted elements copy to bytes of another count");
    } catch (const TError&) {
        Finding("pasted elements copy to bytes the reader refuses");
    }
    return 0;
}
