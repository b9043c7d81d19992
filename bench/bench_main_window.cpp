// The main window's full update cycle, offscreen: a new main colour through
// to every widget repainted.
#include "controls/shortcuts.h"
#include "support/fake_platform.h"
#include "workspace/main_color.h"
#include "workspace/main_window.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_SetMainColorAndRepaint(benchmark::State& state)
{
    tessaro::platform::FakePlatform fake;
    tessaro::workspace::MainColor mainColor;
    tessaro::controls::CommandHandlers commands;
    tessaro::workspace::MainWindow window(fake.platform(), mainColor, commands);
    window.show();
    mainColor.SetReady();
    QApplication::processEvents();
    std::uint32_t color = 0x123456;
    for (auto _ : state) {
        color = (color * 1103515245u + 12345u) & 0xFFFFFF;
        mainColor.set(color);
        window.repaint();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SetMainColorAndRepaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
