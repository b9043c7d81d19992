// The file layers of layouts and palettes: reading a layout with every key
// into the test document, and writing and reading large palette files.
#include "export/aco_file.h"
#include "export/pal_file.h"
#include "layouts/color_scheme.h"
#include "layouts/layout_writer.h"
#include "layouts/test_area.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tessaro;

std::string FullLayoutText()
{
    layouts::TestArea area = layouts::InitialTestArea();
    for (auto& text : area.texts) {
        text.visible = true;
        text.text = std::string(400, 'x');
    }
    return layouts::TestLayoutText({}, area);
}

void LoadLayout(benchmark::State& state)
{
    const std::string text = FullLayoutText();
    layouts::TestArea area = layouts::InitialTestArea();
    for (auto _ : state) {
        const layouts::TestLayout layout = layouts::ParseTestLayout(text);
        layouts::ApplyLayout(area, layout, true, "/nowhere/");
        layouts::RestoreDefaultColors(area, layout.lines);
        benchmark::DoNotOptimize(area);
    }
}
BENCHMARK(LoadLayout)->Unit(benchmark::kMicrosecond);

std::vector<TColor> ManyColors()
{
    std::vector<TColor> colors;
    for (TColor c = 0; colors.size() < 10000; c += 0x0A0B0C)
        colors.push_back(c & 0xFFFFFF);
    return colors;
}

void AcoRoundTrip(benchmark::State& state)
{
    const std::vector<TColor> colors = ManyColors();
    for (auto _ : state)
        benchmark::DoNotOptimize(exporting::ReadAco(exporting::WriteAco(colors)));
}
BENCHMARK(AcoRoundTrip)->Unit(benchmark::kMicrosecond);

void PalRoundTrip(benchmark::State& state)
{
    const std::vector<TColor> colors = ManyColors();
    for (auto _ : state)
        benchmark::DoNotOptimize(exporting::ReadPal(exporting::WritePal(colors)));
}
BENCHMARK(PalRoundTrip)->Unit(benchmark::kMicrosecond);

} // namespace
