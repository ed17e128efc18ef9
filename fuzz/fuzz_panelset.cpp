// The SD-card set reader and the panel's drawing on arbitrary sets (see DecodeSetInput for the input's
// layout). Beyond not crashing, two promises are checked: a part of the set draws exactly when the
// reader found nothing wrong with it, and the check's report lists every finding.

#include "fuzzcommon.h"
#include "base/terror.h"
#include "panel/panelrender.h"
#include "panel/panelset.h"

#include <cstddef>
#include <cstdint>

namespace {

// Draws, and tells whether the drawing was refused.
template <typename Draw> bool Refused(Draw draw)
{
    try {
        draw();
        return false;
    } catch (const TError&) {
        return true;
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
    const TMemorySource source =
        DecodeSetInput(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    const TPanelSet set = ReadPanelSet(source);
    if (CheckReport(set).size() != qsizetype(set.Findings.size()))
        Finding("the report leaves out a finding");

    TPanelState state;
    state.Value = 57.5f;
    state.LedsOn = size % 2 == 1;
    for (int i = 0; i < int(set.Screens.size()); ++i) {
        const bool refused = Refused([&] { RenderPanelScreen(set, i, state); });
        if (refused != !set.Problems(TSetPart::Screen, i).isEmpty())
            Finding("a screen's drawing and its findings disagree");
    }
    const bool splashBroken = !set.SplashSizeKnown || !set.Problems(TSetPart::Splash).isEmpty();
    if (Refused([&] { RenderPanelSplash(set, state); }) != splashBroken)
        Finding("the splash drawing and its findings disagree");
    const bool powerFailBroken = !set.SplashSizeKnown || !set.Problems(TSetPart::PowerFail).isEmpty();
    if (Refused([&] { RenderPanelPowerFail(set, state); }) != powerFailBroken)
        Finding("the power-fail drawing and its findings disagree");
    return 0;
}
