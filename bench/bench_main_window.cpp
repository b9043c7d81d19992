// The main window's full update cycle, offscreen: a new main colour through
// to the repaint that the event loop makes of the widgets it changed (what
// the running program does), the same with the whole window repainted, and
// the six slider pickers alone.
//
// With TESSARO_BENCH_CYCLES=N set, the program skips Google Benchmark and runs
// N update cycles with callgrind's collection switched on around them only
// (start valgrind with --collect-atstart=no): the instructions it reports,
// divided by N, are the instructions of one cycle. TESSARO_BENCH_WHOLE_WINDOW
// set counts the cycles that repaint the whole window.
#include "controls/color_pickers.h"
#include "controls/shortcuts.h"
#include "support/fake_platform.h"
#include "state/main_color.h"
#include "workspace/main_window.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#endif

namespace {

// The next colour of a fixed pseudo-random walk over RGB.
std::uint32_t NextColor(std::uint32_t color)
{
    return (color * 1103515245u + 12345u) & 0xFFFFFF;
}

// A shown main window, ready for colour changes.
class MainWindowCycle {
public:
    MainWindowCycle() : window_(fake_.platform(), mainColor_, commands_)
    {
        window_.show();
        mainColor_.SetReady();
        QApplication::processEvents();
    }

    // One main colour change, then the event loop's turn as the running
    // program takes it: Qt repaints only the widgets the change made dirty.
    void run()
    {
        color_ = NextColor(color_);
        mainColor_.set(color_);
        QApplication::processEvents();
    }

    // One main colour change and the whole window repainted, dirty or not.
    void runWholeWindow()
    {
        color_ = NextColor(color_);
        mainColor_.set(color_);
        window_.repaint();
    }

private:
    tessaro::platform::FakePlatform fake_;
    tessaro::workspace::MainColor mainColor_;
    tessaro::controls::CommandHandlers commands_;
    tessaro::workspace::MainWindow window_;
    std::uint32_t color_ = 0x123456;
};

void BM_SetMainColorAndRepaint(benchmark::State& state)
{
    MainWindowCycle cycle;
    for (auto _ : state)
        cycle.run();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SetMainColorAndRepaint)->Unit(benchmark::kMicrosecond);

// The same change with every widget of the window repainted: the upper bound
// of a cycle, when everything would be dirty.
void BM_SetMainColorAndRepaintWholeWindow(benchmark::State& state)
{
    MainWindowCycle cycle;
    for (auto _ : state)
        cycle.runWholeWindow();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SetMainColorAndRepaintWholeWindow)->Unit(benchmark::kMicrosecond);

// The main window's six sliders: each takes the new colour and is repainted.
void BM_PickersSelectedColorAndRepaint(benchmark::State& state)
{
    using namespace tessaro::controls;
    QWidget parent;
    std::array<std::unique_ptr<TrackBarPicker>, 6> pickers{
        std::make_unique<RColorPicker>(&parent), std::make_unique<GColorPicker>(&parent),
        std::make_unique<BColorPicker>(&parent), std::make_unique<HColorPicker>(&parent),
        std::make_unique<SColorPicker>(&parent), std::make_unique<LColorPicker>(&parent)};
    int y = 0;
    for (auto& picker : pickers) {
        picker->setOrientation(TrackBarPicker::Orientation::Horizontal);
        picker->setNewArrowStyle(true);
        picker->setGeometry(0, y, 135, 16);
        y += 20;
    }
    parent.resize(135, y);
    parent.show();
    QApplication::processEvents();
    std::uint32_t color = 0x123456;
    for (auto _ : state) {
        color = NextColor(color);
        for (auto& picker : pickers)
            picker->setSelectedColor(color);
        parent.repaint();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PickersSelectedColorAndRepaint)->Unit(benchmark::kMicrosecond);

// N cycles of the main window under callgrind; one cycle first, outside the
// count, so that first-paint work is not counted. With wholeWindow, each
// cycle repaints the whole window instead of what is dirty.
int RunCountedCycles(int count, bool wholeWindow)
{
    MainWindowCycle cycle;
    const auto run = [&] { wholeWindow ? cycle.runWholeWindow() : cycle.run(); };
    run();
    CALLGRIND_TOGGLE_COLLECT;
    for (int i = 0; i < count; ++i)
        run();
    CALLGRIND_TOGGLE_COLLECT;
    std::printf("cycles=%d\n", count);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("TESSARO_BENCH_CYCLES"))
        return RunCountedCycles(std::max(1, qEnvironmentVariableIntValue("TESSARO_BENCH_CYCLES")),
                                qEnvironmentVariableIsSet("TESSARO_BENCH_WHOLE_WINDOW"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
