// Engine benchmarks: the whole derivation done for each new main colour,
// the two text scanners over a generated text (decoded, as the windows hold
// it, and as file bytes, as tessaro-cli reads it), and many small scans.
//
// The derivation benchmarks handle one colour per iteration, cycling through
// a fixed set, so "Time" is the time per colour. The scanner benchmarks
// report the size of the text as a file (UTF-8 bytes) per second.
#include "text_generator.h"

#include "engine/color.h"
#include "engine/color_scan.h"
#include "engine/color_text.h"
#include "engine/extended_values.h"
#include "engine/keyvalue_text.h"
#include "engine/palette.h"
#include "engine/scan_text.h"
#include "engine/text_encoding.h"
#include "engine/text_lines.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

namespace {

using namespace tessaro;

constexpr std::size_t kColorCount = 256;
constexpr std::size_t kScanTextBytes = 8'000'000;
constexpr std::uint64_t kSeed = 1;

// Black, white, greys, the primaries and secondaries, then random colours.
const std::vector<TColor>& Colors()
{
    static const std::vector<TColor> colors = [] {
        std::vector<TColor> list = {
            MakeColor(0, 0, 0),     MakeColor(255, 255, 255), MakeColor(128, 128, 128), MakeColor(192, 192, 192),
            MakeColor(255, 0, 0),   MakeColor(0, 255, 0),     MakeColor(0, 0, 255),     MakeColor(255, 255, 0),
            MakeColor(0, 255, 255), MakeColor(255, 0, 255),   MakeColor(51, 102, 153),  MakeColor(204, 153, 102),
        };
        bench::SplitMix64 random(kSeed);
        while (list.size() < kColorCount)
            list.push_back(TColor(random.Next() & 0xFFFFFF));
        return list;
    }();
    return colors;
}

// A colour name list of 140 "#RRGGBB=name" lines: every other colour of the
// set is named, the rest of the lines name colours outside it.
const KeyValueText& ColorNames()
{
    static const KeyValueText names = [] {
        std::string text;
        const auto& colors = Colors();
        bench::SplitMix64 random(kSeed + 1);
        for (int i = 0; i < 140; ++i) {
            const TColor color = i < 70 ? colors[2 * i] : TColor(random.Next() & 0xFFFFFF);
            text += HashHexText(color) + "=Colour name " + std::to_string(i) + "\r\n";
        }
        return KeyValueText::Parse(text);
    }();
    return names;
}

struct ScanTexts {
    std::size_t fileBytes = 0;
    std::u16string scanText;    // lines each followed by CR LF, as pasted text
    std::u16string importText;  // lines joined by CR LF, as the import window holds them
};

const ScanTexts& Texts()
{
    static const ScanTexts texts = [] {
        ScanTexts t;
        const std::string bytes = bench::GenerateText(kScanTextBytes, kSeed);
        t.fileBytes = bytes.size();
        const std::u16string decoded = DecodeFileText(bytes);
        const auto lines = SplitLines(std::u16string_view(decoded));
        t.scanText = JoinLines(lines, true);
        t.importText = JoinLines(lines, false);
        return t;
    }();
    return texts;
}

// Everything the program works out when the main colour changes.
void BM_FullDerivation(benchmark::State& state)
{
    const auto& colors = Colors();
    const DeriveOptions options{.withVariationGrid = true, .colorNames = &ColorNames()};
    std::size_t i = 0;
    for (auto _ : state) {
        const TColor color = colors[i++ % colors.size()];
        const RgbTriple rgb = ToRgb(color);
        const HslTriple hsl = RgbToHsl(rgb);

        DerivedPalette palette = DerivePalette(rgb, color, options);
        benchmark::DoNotOptimize(palette);

        std::array<std::string, 5> lines = ExtendedValueLines(ComputeExtendedValues(rgb));
        benchmark::DoNotOptimize(lines);

        std::string hex = HexText(color);
        std::string hash = HashHexText(color);
        std::string bgr = BgrHexText(color);
        benchmark::DoNotOptimize(hex);
        benchmark::DoNotOptimize(hash);
        benchmark::DoNotOptimize(bgr);
        for (CopyNotation notation : kCopyNotations) {
            std::string copy = CopyText(notation, rgb, hsl);
            benchmark::DoNotOptimize(copy);
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FullDerivation);

// The parts of the derivation on their own.
void BM_DerivePalette(benchmark::State& state)
{
    const auto& colors = Colors();
    const DeriveOptions options{.withVariationGrid = state.range(0) != 0,
                                .colorNames = state.range(1) != 0 ? &ColorNames() : nullptr};
    std::size_t i = 0;
    for (auto _ : state) {
        const TColor color = colors[i++ % colors.size()];
        DerivedPalette palette = DerivePalette(ToRgb(color), color, options);
        benchmark::DoNotOptimize(palette);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DerivePalette)->ArgNames({"grid", "names"})->Args({0, 0})->Args({1, 0})->Args({1, 1});

void BM_ExtendedValues(benchmark::State& state)
{
    const auto& colors = Colors();
    std::size_t i = 0;
    for (auto _ : state) {
        std::array<std::string, 5> lines = ExtendedValueLines(ComputeExtendedValues(ToRgb(colors[i++ % colors.size()])));
        benchmark::DoNotOptimize(lines);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ExtendedValues);

void BM_TextForms(benchmark::State& state)
{
    const auto& colors = Colors();
    std::size_t i = 0;
    for (auto _ : state) {
        const TColor color = colors[i++ % colors.size()];
        std::string hex = HexText(color);
        std::string hash = HashHexText(color);
        std::string bgr = BgrHexText(color);
        benchmark::DoNotOptimize(hex);
        benchmark::DoNotOptimize(hash);
        benchmark::DoNotOptimize(bgr);
        for (CopyNotation notation : kCopyNotations) {
            std::string copy = CopyText(notation, color);
            benchmark::DoNotOptimize(copy);
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TextForms);

// What tessaro-cli does before scanning: decoding the file and splitting
// and joining its lines.
void BM_PrepareText(benchmark::State& state)
{
    const std::string bytes = bench::GenerateText(kScanTextBytes, kSeed);
    for (auto _ : state) {
        const std::u16string decoded = DecodeFileText(bytes);
        std::u16string joined = JoinLines(SplitLines(std::u16string_view(decoded)), true);
        benchmark::DoNotOptimize(joined);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}
BENCHMARK(BM_PrepareText)->Unit(benchmark::kMillisecond);

void BM_ScanColorText(benchmark::State& state)
{
    const ScanTexts& texts = Texts();
    std::size_t found = 0;
    for (auto _ : state) {
        std::vector<TColor> colors = ScanColorText(texts.scanText);
        found = colors.size();
        benchmark::DoNotOptimize(colors);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(texts.fileBytes));
    state.counters["found"] = double(found);
}
BENCHMARK(BM_ScanColorText)->Unit(benchmark::kMillisecond);

void BM_ScanHashColors(benchmark::State& state)
{
    const ScanTexts& texts = Texts();
    const bool allowDuplicates = state.range(0) != 0;
    const bool withProgress = state.range(1) != 0;
    std::size_t steps = 0;
    const ScanProgress progress = [&steps](std::size_t, std::size_t) { ++steps; };
    std::size_t found = 0;
    for (auto _ : state) {
        std::vector<std::string> entries;
        ScanHashColors(texts.importText, entries, allowDuplicates, withProgress ? progress : ScanProgress());
        found = entries.size();
        benchmark::DoNotOptimize(entries);
    }
    benchmark::DoNotOptimize(steps);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(texts.fileBytes));
    state.counters["found"] = double(found);
}
BENCHMARK(BM_ScanHashColors)
    ->ArgNames({"duplicates", "progress"})
    ->Args({1, 0})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond);

// What tessaro-cli does: the scans over a file's bytes where they lie.
void BM_ScanFileBytes(benchmark::State& state)
{
    static const std::string bytes = bench::GenerateText(kScanTextBytes, kSeed);
    const bool import = state.range(0) != 0;
    std::size_t found = 0;
    for (auto _ : state) {
        found = 0;
        const ScanText text =
            ScanText::FromFileBytes(bytes, import ? LineBreaks::CrLfBetweenLines : LineBreaks::CrLfAfterEveryLine);
        if (import)
            ScanHashColors(text, {}, false, [&found](std::string_view) { ++found; });
        else
            ScanColorText(text, [&found](TColor) { ++found; });
        benchmark::DoNotOptimize(found);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
    state.counters["found"] = double(found);
}
BENCHMARK(BM_ScanFileBytes)->ArgNames({"import"})->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Many small scans, as the import window and the clipboard make them: a
// pasted style sheet of two lines, duplicates skipped.
void BM_ScanHashColorsSmall(benchmark::State& state)
{
    const std::u16string text = u"body { color: #333333; background: #FFFFFF }\r\na { color: #0066CC }";
    for (auto _ : state) {
        std::vector<std::string> found;
        ScanHashColors(text, found, false);
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ScanHashColorsSmall);

} // namespace
