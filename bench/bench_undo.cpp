// The undo stack's memory after 10,000 moves and 1,000 property changes on a 10-screen project of 20
// elements per screen, each its own step: with the default limit of steps and with no limit. The
// counters give what the commands hold (their own count: fields, geometries, strings; each picture
// once) and what the heap grew by while the edits were made (malloc's own figure, so it holds
// everything the edits left behind, the stack included), both in MB; and the steps kept.

#include "document/edits.h"
#include "document/tproject.h"
#include "document/undocommands.h"
#include "model/editing.h"
#include "model/elementkind.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <random>

namespace {

constexpr int Screens = 10;
constexpr int PerScreen = 20;
constexpr int Moves = 10000;
constexpr int PropertyChanges = 1000;

double HeapBytes()
{
    malloc_trim(0);
    return double(mallinfo2().uordblks);
}

void BuildProject(TProject& project)
{
    const int kinds[] = {ekDRO, ekLED, ekBar, ekText, ekImage, ekShape, ekClock};
    for (int s = 0; s < Screens; ++s) {
        TLCD* screen = project.Screens().AddScreen(240, 320);
        for (int i = 0; i < PerScreen; ++i)
            DropElement(project, *screen, kinds[i % 7], {(i % 5) * 45, (i / 5) * 70});
    }
    project.UndoStack().clear();
}

void BM_UndoMemory(benchmark::State& state)
{
    const int limit = int(state.range(0));
    double held = 0, heap = 0, steps = 0;
    for (auto _ : state) {
        TProject project;
        project.SetUndoLimit(limit);
        BuildProject(project);
        std::mt19937 rng(7);
        auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };

        const double start = HeapBytes();
        for (int i = 0; i < Moves + PropertyChanges; ++i) {
            TLCD& screen = *project.Screens().Items(pick(Screens));
            TElement& e = *screen.Item(pick(screen.Count()));
            if (i % 11 == 10) {
                const TColor colour = TColor(pick(0x1000000));
                ChangeElements(project, screen, {&e}, "Properties", [&] {
                    e.BackColor = colour;
                    e.TextColor = ~colour & 0xFFFFFF;
                    e.MarkModified();
                });
            } else {
                // One press, a few pointer moves, the release.
                PressElement(e, {e.Width / 2, e.Height / 2}, false, 0);
                const int gesture = NextGesture();
                const int sign = pick(2) ? 1 : -1;
                for (int k = 0; k < 3; ++k)
                    DragElementStep(project, e, {e.Width / 2 + sign * (1 + pick(4)), e.Height / 2 + sign},
                                    gesture);
                ReleaseElementStep(project, e, gesture);
            }
        }
        heap = HeapBytes() - start;
        held = double(UndoStackBytes(project.UndoStack()));
        steps = project.UndoStack().count();
    }
    state.counters["held_MB"] = held / 1e6;
    state.counters["heap_growth_MB"] = heap / 1e6;
    state.counters["steps"] = steps;
}
BENCHMARK(BM_UndoMemory)
    ->ArgName("limit")
    ->Arg(DefaultUndoLimit)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
