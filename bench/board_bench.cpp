// The fretboard engine: a whole fanned board computed from its design, as
// the Atelier does on every change. Targets: a 24-fret, 6-string fanned
// board in under 20 microseconds; with its strings' compensation computed
// (fit, errors of every fret, fretlets) in under 1 millisecond.

#include "layout.h"
#include "string_catalogue.h"

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

// The same board strung with the 10-46 set, compensation computed per
// string, with fretlets.
void FannedBoardWithCompensation(benchmark::State& state)
{
    corvane::board::Design design = FannedSixString();
    const auto* set = corvane::board::FindNamedStringSet("light-electric-10-46");
    design.stringing.tuning = set->tuning;
    for (const std::string& item : set->items)
        design.stringing.set.push_back(corvane::board::SetString::OfItem(item));
    design.stringing.compensation = corvane::board::CompensationMode::Computed;
    design.stringing.fretlets = true;
    for (auto _ : state) {
        auto result = corvane::board::ComputeLayout(design);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(FannedBoardWithCompensation)->Unit(benchmark::kMicrosecond);

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
