// Start-up to the first painted main window, and the shutdown save, with an
// empty history and with a history of 100,000 steps.
#include "support/fake_platform.h"
#include "workspace/main_window.h"
#include "workspace/program_session.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using tessaro::workspace::DataFolders;
using tessaro::workspace::ProgramSession;

struct DataFolder {
    QTemporaryDir dir;
    DataFolders folders;

    explicit DataFolder(int historySteps)
    {
        QDir(dir.path()).mkpath(QStringLiteral("TD"));
        const QString app = dir.path() + QLatin1Char('/');
        folders = {app, app + QStringLiteral("TD/"), app + QStringLiteral("CLLs/")};
        QFile history(folders.dataFolder + QStringLiteral("history.cl2"));
        history.open(QIODevice::WriteOnly);
        QByteArray text;
        for (int i = 0; i < historySteps; ++i) {
            const int r = i & 0xFF, g = (i >> 8) & 0xFF, b = (i * 7) & 0xFF;
            text += QStringLiteral("%1,%2,%3 - #%4%5%6\r\n")
                        .arg(r).arg(g).arg(b)
                        .arg(r, 2, 16, QLatin1Char('0')).arg(g, 2, 16, QLatin1Char('0')).arg(b, 2, 16, QLatin1Char('0'))
                        .toUpper().toLatin1();
        }
        history.write(text);
    }
};

void BM_StartToFirstPaint(benchmark::State& state)
{
    tessaro::platform::FakePlatform fake;
    DataFolder data(int(state.range(0)));
    for (auto _ : state) {
        ProgramSession session(fake.platform(), data.folders, QStringLiteral("kt-tessaro"));
        session.Start();
        session.mainWindow()->repaint();
        state.PauseTiming();
        session.mainWindow()->hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToFirstPaint)->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ShutdownSave(benchmark::State& state)
{
    tessaro::platform::FakePlatform fake;
    DataFolder data(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<ProgramSession>(fake.platform(), data.folders, QStringLiteral("kt-tessaro"));
        session->Start();
        state.ResumeTiming();
        session->Shutdown();
        state.PauseTiming();
        session.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShutdownSave)->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond);

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
