#include "intonation_chart.h"

#include "board_drawing.h"
#include "figure_text.h"
#include "line_weights.h"

#include <algorithm>
#include <cmath>

namespace corvane::drawing {

namespace {

constexpr double PlotLeftMm = 22.0;
constexpr double PlotTopMm = 18.0;
constexpr double PlotWidthMm = 160.0;
constexpr double PlotHeightMm = 90.0;
constexpr int HalfSteps = 5; // grid lines above and below zero

void AddLabel(Drawing& chart, Point at, std::string text, double heightMm, Layer layer,
    Anchor anchor = Anchor::Left, double rotationDeg = 0)
{
    Text label;
    label.at = at;
    label.utf8 = std::move(text);
    label.heightMm = heightMm;
    label.layer = layer;
    label.anchor = anchor;
    label.rotationDeg = rotationDeg;
    chart.texts.push_back(std::move(label));
}

} // namespace

double ChartStepCents(double largestCents) noexcept
{
    for (double decade = 1; decade < 1e6; decade *= 10)
        for (const double step : { 1.0, 2.0, 5.0 })
            if (largestCents <= step * decade * HalfSteps)
                return step * decade;
    return 1e6;
}

Drawing IntonationChart(const board::BoardLayout& board, const TemplateWords& words)
{
    Drawing chart;
    chart.widthMm = IntonationChartWidthMm;
    chart.heightMm = IntonationChartHeightMm;
    const int frets = board.design.frets;
    double largest = 0;
    for (const board::StringReport& string : board.stringReports)
        for (const auto* cents : { &string.centsBefore, &string.centsAfter })
            for (const double c : *cents)
                largest = std::max(largest, std::fabs(c));
    const double step = ChartStepCents(largest);
    const double zeroY = PlotTopMm + PlotHeightMm / 2;
    const auto x = [&](int fret) {
        return PlotLeftMm + (frets > 1 ? PlotWidthMm * (fret - 1) / (frets - 1) : PlotWidthMm / 2);
    };
    const auto y
        = [&](double cents) { return zeroY - cents / (step * HalfSteps) * (PlotHeightMm / 2); };

    AddLabel(chart, { PlotLeftMm, 9.0 }, Filled(words.intonationTitle, { board.temperament.name }),
        4.0, Layer::TitleBlock);
    // Grid: a line every step, the zero line heavier; a tick every fret.
    for (int i = -HalfSteps; i <= HalfSteps; ++i) {
        const double at = y(step * i);
        chart.lines.push_back({ { PlotLeftMm, at }, { PlotLeftMm + PlotWidthMm, at }, Layer::Ruler,
            i == 0 ? EdgeLineMm : StringLineMm, false });
        AddLabel(chart, { PlotLeftMm - 2.0, at + 1.0 },
            board::FixedText(step * i, step < 1 ? 1 : 0), 2.5, Layer::Labels, Anchor::Right);
    }
    for (int fret = 1; fret <= frets; ++fret) {
        chart.lines.push_back({ { x(fret), PlotTopMm + PlotHeightMm },
            { x(fret), PlotTopMm + PlotHeightMm + 1.5 }, Layer::Ruler, StringLineMm, false });
        if (frets <= 24 || fret % 2 == 1)
            AddLabel(chart, { x(fret), PlotTopMm + PlotHeightMm + 5.0 }, std::to_string(fret), 2.5,
                Layer::Labels, Anchor::Centre);
    }
    AddLabel(chart, { PlotLeftMm + PlotWidthMm / 2, PlotTopMm + PlotHeightMm + 10.0 },
        words.fretAxis, 2.5, Layer::Labels, Anchor::Centre);
    AddLabel(chart, { 6.0, zeroY }, words.centsAxis, 2.5, Layer::Labels, Anchor::Centre, 90);

    // One line per string; its number at its end.
    for (const board::StringReport& string : board.stringReports) {
        const std::pair<const std::vector<double>*, bool> curves[]
            = { { &string.centsBefore, true }, { &string.centsAfter, false } };
        for (const auto& [cents, dashed] : curves)
            for (std::size_t i = 1; i < cents->size(); ++i) {
                const int fret = static_cast<int>(i) + 1;
                chart.lines.push_back(
                    { { x(fret - 1), y((*cents)[i - 1]) }, { x(fret), y((*cents)[i]) },
                        dashed ? Layer::Strings : Layer::Saddle, EdgeLineMm, dashed });
            }
        if (!string.centsBefore.empty())
            AddLabel(chart, { x(frets) + 2.0, y(string.centsBefore.back()) + 1.0 },
                std::to_string(string.string), 2.5, Layer::Labels);
    }
    const double legendY = PlotTopMm + PlotHeightMm + 16.0;
    AddLabel(chart, { PlotLeftMm, legendY }, words.beforeCompensation, 2.5, Layer::Labels);
    AddLabel(chart, { PlotLeftMm + PlotWidthMm / 2, legendY }, words.afterCompensation, 2.5,
        Layer::Labels);
    return chart;
}

} // namespace corvane::drawing
