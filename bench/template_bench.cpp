// The full-size template of a 650 mm equal-tempered chromatic scale, from
// the engine's run to the file on disk, in each format. Target: under 30 ms
// each. The PDF is the tiled, calibrated one (three A4 pages).

#include "classic_template.h"
#include "fret_table.h"
#include "template_export.h"
#include "template_request.h"

#include <QDir>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

corvane::drawing::Drawing TemplateOf650()
{
    const auto table = corvane::cli::ComputeFretTable(
        "650", "Tempérée Chromatique", corvane::cli::Mode::Sol, ".");
    const auto request = corvane::cli::TemplateRequestFor(
        table, ".", corvane::drawing::Unit::Millimetre, {}, "2026-12-08");
    return *corvane::drawing::BuildClassicTemplate(request).drawing;
}

void TemplateFile(benchmark::State& state, const char* suffix)
{
    const QString path
        = QDir::temp().filePath(QStringLiteral("corvane-template-bench.") + QLatin1String(suffix));
    corvane::drawing::ExportOptions options;
    options.paper = *corvane::drawing::PaperFromName("a4");
    options.title = QStringLiteral("Gabarit");
    for (auto _ : state)
        if (corvane::drawing::ExportTemplate(TemplateOf650(), path, options))
            state.SkipWithError("the template could not be written");
    std::remove(QFile::encodeName(path).constData());
}

// The engine and the drawing alone, the part every format shares.
void TemplateDrawing(benchmark::State& state)
{
    for (auto _ : state) {
        auto drawing = TemplateOf650();
        benchmark::DoNotOptimize(drawing);
    }
}

} // namespace

BENCHMARK(TemplateDrawing)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TemplateFile, pdf, "pdf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TemplateFile, svg, "svg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TemplateFile, dxf, "dxf")->Unit(benchmark::kMillisecond);

// Fonts and PDF need a Qt application; the offscreen platform needs no display.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
