// The colour list's view over 1,000,000 entries, offscreen: opening the
// file into the model shown by the view, selecting all, and painting one
// screen of rows. Prints the process's peak memory at the end.
#include "colorlist/color_list_model.h"
#include "colorlist/color_list_view.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

namespace {

using namespace tessaro::colorlist;

constexpr int kEntries = 1'000'000;

QString BigListFile(const QTemporaryDir& dir)
{
    QStringList entries;
    entries.reserve(kEntries);
    for (int i = 0; i < kEntries; ++i)
        entries.append(ColorList::EntryText(tessaro::TColor((i * 2654435761u) % 0xFFFFFFu)));
    const QString path = dir.filePath("big.cll");
    SaveColorList(entries, path);
    return path;
}

struct Shown {
    ColorListModel model;
    ColorListView view;
    Shown()
    {
        view.setModel(&model);
        view.resize(172, 305);
        view.show();
    }
};

void OpenIntoTheView(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = BigListFile(dir);
    Shown shown;
    for (auto _ : state) {
        shown.model.load(path);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(shown.model.rowCount());
    }
}
BENCHMARK(OpenIntoTheView)->Unit(benchmark::kMillisecond);

void SelectAllAndPaint(benchmark::State& state)
{
    QTemporaryDir dir;
    Shown shown;
    shown.model.load(BigListFile(dir));
    QCoreApplication::processEvents();
    QImage screen(shown.view.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        shown.view.selectAll();
        shown.view.scrollTo(shown.model.index(kEntries / 2));
        shown.view.render(&screen);
        shown.view.clearSelection();
    }
}
BENCHMARK(SelectAllAndPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("Peak memory (whole process): %ld MB\n", usage.ru_maxrss / 1024);
    return 0;
}
