// The project reader on arbitrary bytes. A TError is a correct refusal. Beyond not crashing, the
// reader keeps three promises checked here: the whole-file check and the load agree, a refused file
// leaves the open project exactly as it was, and a loaded project saves to bytes that load and save
// again to the same bytes.

#include "fuzzcommon.h"
#include "base/terror.h"
#include "model/tlcdlist.h"
#include "project/lcdfile.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

namespace {

const QString Name = QStringLiteral("fuzz.lcd");

// A small open project, so that a refused load has something to leave alone.
struct TOpenProject
{
    TLCDList list;
    TLCD powerFail;
    TLCD* screen;
    TElement* element;
    TElement* powerFailElement;

    TOpenProject()
        : screen(list.AddScreen(240, 320)), element(screen->AddElement(ekLED, 10, 20)),
          powerFailElement(powerFail.AddElement(ekDRO, 30, 40))
    {
        list.SetModified(false);
        powerFail.SetModified(false);
    }

    bool Untouched() const
    {
        return list.Count() == 1 && list.Items(0) == screen && screen->Count() == 1 &&
               screen->Item(0) == element && element->Left == 10 && element->Top == 20 &&
               powerFail.Count() == 1 && powerFail.Item(0) == powerFailElement && !list.Modified &&
               !powerFail.Modified;
    }
};

QByteArray SaveOrFinding(const TLCDList& list, const TLCD& powerFail, const SplashSettings& splash)
{
    try {
        return ProjectBytes(list, powerFail, splash);
    } catch (const TError&) {
        Finding("a loaded project cannot be saved");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    bool consistent = true;
    try {
        CheckProjectBytes(bytes, Name);
    } catch (const TError&) {
        consistent = false;
    }

    TOpenProject open;
    TLoadResult loaded;
    try {
        loaded = LoadProjectBytes(bytes, Name, open.list, open.powerFail);
    } catch (const TError&) {
        if (consistent)
            Finding("the load refused a file the check accepts");
        if (!open.Untouched())
            Finding("a refused load changed the open project");
        return 0;
    }
    if (!consistent)
        Finding("the load accepted a file the check refuses");
    if (loaded.Relinked || open.list.Modified || open.powerFail.Modified)
        Finding("a load without a file-not-found handler reports relinking");

    const QByteArray once = SaveOrFinding(open.list, open.powerFail, loaded.Splash);
    TLCDList list;
    TLCD powerFail;
    TLoadResult again;
    try {
        again = LoadProjectBytes(once, Name, list, powerFail);
    } catch (const TError&) {
        Finding("the bytes a loaded project saves to are refused");
    }
    if (SaveOrFinding(list, powerFail, again.Splash) != once)
        Finding("loading and saving the program's own file changes its bytes");
    return 0;
}
