// The colour list at 1,000,000 entries: adding with the duplicate rule on
// and off, opening and saving a list file.
#include "colorlist/color_list.h"
#include "colorlist/color_list_file.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace {

using tessaro::colorlist::ColorList;
using tessaro::colorlist::Placement;

constexpr int kEntries = 1'000'000;

// Colours that repeat now and then, as a real collection does.
tessaro::TColor NthColor(int i)
{
    return tessaro::TColor((i * 2654435761u) % 0xFFFFFFu) & 0xFFFFFF;
}

void AddMillion(benchmark::State& state)
{
    const bool allowDuplicates = state.range(0) != 0;
    for (auto _ : state) {
        ColorList list;
        list.allowDuplicates = allowDuplicates;
        for (int i = 0; i < kEntries; ++i)
            list.AddToColorList(NthColor(i), Placement::AtEnd);
        benchmark::DoNotOptimize(list.count());
    }
}
BENCHMARK(AddMillion)->Arg(1)->Arg(0)->ArgName("allowDuplicates")->Unit(benchmark::kMillisecond);

QStringList MillionEntries()
{
    QStringList entries;
    entries.reserve(kEntries);
    for (int i = 0; i < kEntries; ++i)
        entries.append(ColorList::EntryText(NthColor(i)));
    return entries;
}

void SaveMillion(benchmark::State& state)
{
    QTemporaryDir dir;
    const QStringList entries = MillionEntries();
    for (auto _ : state)
        benchmark::DoNotOptimize(tessaro::colorlist::SaveColorList(entries, dir.filePath("big.cll")));
}
BENCHMARK(SaveMillion)->Unit(benchmark::kMillisecond);

void OpenMillion(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("big.cll");
    tessaro::colorlist::SaveColorList(MillionEntries(), path);
    for (auto _ : state) {
        ColorList list;
        tessaro::colorlist::LoadColorList(list, path);
        benchmark::DoNotOptimize(list.count());
    }
}
BENCHMARK(OpenMillion)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
