// The Test Color window, offscreen, over the sample layouts: loading a
// layout with its pictures, repainting the test area after a drop (as seen
// and as a colour-blind reader sees it), and drawing all 76 layouts.
#include "layouts/layout_names.h"
#include "layouts/test_area_painter.h"
#include "layouts/test_area_view.h"
#include "layouts/test_color_window.h"
#include "platform/picture_loader.h"
#include "support/fake_platform.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QListWidget>

namespace {

using namespace tessaro;
using namespace tessaro::layouts;

const QString kProgramFolder = QStringLiteral(TESSARO_SAMPLE_DATA_DIR "/");

struct Shown {
    platform::FakePlatform fake;
    platform::PictureLoader pictures;
    std::unique_ptr<TestColorWindow> window;
    explicit Shown(const char* layout)
    {
        platform::Platform services = fake.platform();
        services.pictures = &pictures;
        window = std::make_unique<TestColorWindow>(services, kProgramFolder);
        window->SelectLayout(RowOf(layout));
    }
    static int RowOf(const char* name)
    {
        for (std::size_t i = 0; i < kLayoutNames.size(); ++i)
            if (QLatin1String(kLayoutNames[i]) == QLatin1String(name))
                return int(i);
        return 0;
    }
};

// Layouts with a JPEG and an EMF picture, a WMF picture, a bitmap, and a
// page of long texts.
const char* const kLayouts[] = {"Demo Layout 3.sts", "Logo 02.sts", "Book - Cover Back.sts", "Lorem Ipsum 02.sts"};

void LoadLayout(benchmark::State& state)
{
    Shown shown(kLayouts[state.range(0)]);
    state.SetLabel(kLayouts[state.range(0)]);
    for (auto _ : state)
        shown.window->LoadLayout();
}
BENCHMARK(LoadLayout)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// A drop on a shape, then the whole test area drawn again.
void RepaintAfterDrop(benchmark::State& state)
{
    Shown shown(kLayouts[state.range(0)]);
    const auto vision = ColorVision(state.range(1));
    shown.window->setVision(vision);
    state.SetLabel(std::string(kLayouts[state.range(0)]) + ", " + std::string(ColorVisionName(vision)));
    TestAreaView* view = shown.window->view();
    QImage screen(view->size(), QImage::Format_RGB32);
    TColor color = 0;
    for (auto _ : state) {
        shown.window->DropColor({HitTarget::What::Object, ObjectKind::Shape, 1}, color += 0x010203,
                                colorlist::DragSource::HarmonySwatch);
        view->render(&screen);
    }
}
BENCHMARK(RepaintAfterDrop)
    ->ArgsProduct({{0, 3}, {int(ColorVision::Normal), int(ColorVision::Deuteranopia)}})
    ->Unit(benchmark::kMillisecond);

// Every layout of the list loaded and drawn offscreen, as tessaro-cli render does.
void RenderAllLayouts(benchmark::State& state)
{
    Shown shown(kLayoutNames[0]);
    for (auto _ : state) {
        for (int row = 0; row < int(kLayoutNames.size()); ++row) {
            shown.window->SelectLayout(row);
            benchmark::DoNotOptimize(RenderTestArea(shown.window->area(), shown.window->pictures()));
        }
    }
}
BENCHMARK(RenderAllLayouts)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
