// The Import Colors window's heavy work, offscreen: a 100 MB file read and
// scanned as the window's scan thread does it, and a found list of
// 1,000,000 entries taken by the list and its view in one step, then one
// screen of rows painted.
#include "tools/found_color_delegate.h"
#include "tools/found_colors.h"
#include "tools/found_list_view.h"
#include "tools/import_scan.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using namespace tessaro::tools;

constexpr std::size_t kFileBytes = 100u << 20;
constexpr int kEntries = 1'000'000;

// CSS-like lines, a colour in every one.
QString BigFile(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("big.css"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray chunk;
    for (unsigned i = 0; chunk.size() < (1 << 20); ++i)
        chunk += QByteArray(".c") + QByteArray::number(i) + " { color: #" +
                 QByteArray::number((i * 2654435761u) & 0xFFFFFFu, 16).rightJustified(6, '0') + "; }\r\n";
    for (std::size_t written = 0; written < kFileBytes; written += std::size_t(chunk.size()))
        file.write(chunk);
    return path;
}

void ScanHundredMegabytes(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = BigFile(dir);
    for (auto _ : state) {
        ScanProgressState progress;
        const ImportScanResult result = RunImportScan(ImportSource{path, {}}, {}, true, progress);
        benchmark::DoNotOptimize(result.added.size());
        state.counters["entries"] = double(result.added.size());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(kFileBytes));
}
BENCHMARK(ScanHundredMegabytes)->Unit(benchmark::kMillisecond)->Iterations(2);

void FoundListTakesAMillion(benchmark::State& state)
{
    std::vector<std::string> entries;
    for (int i = 0; i < kEntries; ++i) {
        char text[8];
        std::snprintf(text, sizeof text, "#%06X", (unsigned(i) * 2654435761u) & 0xFFFFFFu);
        entries.emplace_back(text);
    }
    for (auto _ : state) {
        FoundColorsModel model;
        FoundListView view;
        view.setItemDelegate(new FoundColorDelegate(&view));
        view.setModel(&model);
        view.resize(182, 150);
        view.show();
        model.append(entries);
        QImage screen(view.size(), QImage::Format_RGB32);
        view.render(&screen);
        benchmark::DoNotOptimize(screen.constBits());
    }
}
BENCHMARK(FoundListTakesAMillion)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
