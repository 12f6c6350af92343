// The fretboard engine: a whole fanned board computed from its design, as
// the Atelier does on every change. Target: a 24-fret, 6-string fanned
// board in under 20 microseconds.

#include "layout.h"

#include <benchmark/benchmark.h>

namespace {

corvane::board::Design FannedSixString()
{
    corvane::board::Design design;
    design.strings = 6;
    design.frets = 24;
    design.bassLengthMm = 686.0;
    design.trebleLengthMm = 648.0;
    design.perpendicularFret = 8;
    design.saddleSetbackBassMm = 3.0;
    design.saddleSetbackTrebleMm = 1.5;
    return design;
}

// Validation, temperament and geometry: everything ComputeLayout(design) does.
void FannedBoardFromDesign(benchmark::State& state)
{
    const corvane::board::Design design = FannedSixString();
    for (auto _ : state) {
        auto result = corvane::board::ComputeLayout(design);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(FannedBoardFromDesign)->Unit(benchmark::kMicrosecond);

// The geometry alone, from a temperament already built.
void FannedBoardGeometry(benchmark::State& state)
{
    const corvane::board::Design design = FannedSixString();
    const corvane::board::Temperament temperament = corvane::board::MakeEqualDivisions({});
    for (auto _ : state) {
        auto board = corvane::board::ComputeLayout(design, temperament);
        benchmark::DoNotOptimize(board);
    }
}
BENCHMARK(FannedBoardGeometry)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
