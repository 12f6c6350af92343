// The engine alone, without a window: a whole scale choice (computation,
// visibility and note names) on a control surface that does nothing, and
// the number conversions every keystroke and every slot go through.
// Target: a whole chromatic choice well under 5 microseconds.

#include "control_surface.h"
#include "currency.h"
#include "fret_calculator.h"
#include "number_text.h"
#include "read_number.h"
#include "scale_catalogue.h"

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

namespace {

// Answers the three lists' texts and forgets every write.
class SilentSurface : public fret::ControlSurface {
public:
    std::string length = "650";
    std::string mode = " Do";
    std::string scale;

    std::string Text(std::string_view control) override
    {
        if (control == "Combo1")
            return scale;
        if (control == "Combo2")
            return mode;
        if (control == "Longvib")
            return length;
        return {};
    }
    void SetText(std::string_view, std::string_view text) override
    {
        benchmark::DoNotOptimize(text.data());
    }
    void SetVisible(std::string_view, bool) override { }
};

// A whole scale choice, the list item given by the benchmark's argument.
void RunScaleChoice(benchmark::State& state, const char* mode)
{
    const fret::ScaleChoice& choice
        = fret::ScaleCatalogue[static_cast<std::size_t>(state.range(0))];
    SilentSurface surface;
    surface.scale = std::string(choice.text);
    surface.mode = mode;
    fret::FretCalculator calculator(surface, ",");
    calculator.Longvib_Change();
    calculator.Combo2_Click();
    for (auto _ : state)
        calculator.Combo1_Click();
    state.SetLabel(surface.scale);
}

void ScaleChoice(benchmark::State& state)
{
    RunScaleChoice(state, " Do");
}
BENCHMARK(ScaleChoice)->DenseRange(0, 5)->ArgName("list_position");

// The same in mode " Sol", where the ratio diatonic scales write two
// halfway frets.
void ScaleChoiceModeSol(benchmark::State& state)
{
    RunScaleChoice(state, " Sol");
}
BENCHMARK(ScaleChoiceModeSol)->DenseRange(0, 5)->ArgName("list_position");

// One keystroke in the length box.
void LengthChange(benchmark::State& state)
{
    SilentSurface surface;
    surface.length = "650.5 mm";
    fret::FretCalculator calculator(surface, ",");
    for (auto _ : state)
        calculator.Longvib_Change();
}
BENCHMARK(LengthChange);

constexpr std::string_view LengthTexts[]
    = { "650", "650.5 mm", "922337203685477", "6 5 0,5", "&HFFFF", "1.5e2" };

void ReadNumber(benchmark::State& state)
{
    const std::string_view text = LengthTexts[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(fret::ReadNumber(text));
    state.SetLabel(std::string(text));
}
BENCHMARK(ReadNumber)->DenseRange(0, 5)->ArgName("text");

void CurrencyText(benchmark::State& state)
{
    const fret::Currency value = fret::Currency::FromCount(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(fret::CurrencyText(value, ","));
}
BENCHMARK(CurrencyText)
    ->Arg(709158)
    ->Arg(3250000)
    ->Arg(-9223372036854775807LL - 1)
    ->ArgName("count");

void DoubleText(benchmark::State& state)
{
    const double values[] = { 189.57725, 325.0, 660000000000000.5 };
    const double value = values[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(fret::DoubleText(value, ","));
}
BENCHMARK(DoubleText)->DenseRange(0, 2)->ArgName("value");

} // namespace

BENCHMARK_MAIN();
