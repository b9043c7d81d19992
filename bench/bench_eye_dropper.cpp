// The eye dropper: one 50 ms tick (magnifier copy with pixel replication,
// grid, marker, the 5x5 sample and the labels) over a 3840 x 2160 frozen
// screenshot, in processor time (target: well under 5 ms); and, on an X
// display, the frozen screenshot of the whole screen through the platform.
// Run on Qt's offscreen platform for the tick alone, or under Xvfb with
// QT_QPA_PLATFORM=xcb for both (scripts/bench_eye_dropper.sh).
#include "platform/qt_screen.h"
#include "support/fake_platform.h"
#include "tools/eye_dropper_window.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

using tessaro::tools::EyeDropperWindow;

tessaro::platform::DesktopPicture NoisePicture(QSize size)
{
    tessaro::platform::DesktopPicture picture;
    picture.geometry = QRect(QPoint(0, 0), size);
    picture.image = QImage(size, QImage::Format_RGB32);
    quint32 seed = 1;
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            seed = seed * 1103515245u + 12345u;
            line[x] = 0xFF000000 | (seed >> 8);
        }
    }
    return picture;
}

// zoom (1..4) as the first argument; grid on, 5x5 sampling.
void BM_EyeDropperTick(benchmark::State& state)
{
    tessaro::platform::FakePlatform fake;
    EyeDropperWindow window(fake.platform());
    window.setZoom(int(state.range(0)));
    window.setSampling(2);
    window.setShowGrid(true);
    window.ShowPicture(NoisePicture(QSize(3840, 2160)));
    int step = 0;
    for (auto _ : state) {
        fake.screen.cursor = QPoint(100 + step % 3600, 100 + (step * 7) % 1900);
        ++step;
        window.Tick();
        benchmark::DoNotOptimize(window.sampledColor());
    }
    window.Close();
}
BENCHMARK(BM_EyeDropperTick)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

// The whole-desktop grab as the dropper takes it when shown.
void BM_FrozenScreenshot(benchmark::State& state)
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
        state.SkipWithError("needs an X display (QT_QPA_PLATFORM=xcb)");
        return;
    }
    tessaro::platform::QtScreen screen;
    for (auto _ : state) {
        QSize size;
        screen.captureDesktop([&size](tessaro::platform::DesktopPicture picture) { size = picture.image.size(); });
        benchmark::DoNotOptimize(size);
    }
    state.SetLabel(QStringLiteral("%1 x %2").arg(screen.size().width()).arg(screen.size().height()).toStdString());
}
BENCHMARK(BM_FrozenScreenshot)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
