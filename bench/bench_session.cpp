// Start-up to the first painted main window and the shutdown save, with an
// empty history and with histories of 100,000 and 1,000,000 steps; and the
// history file alone, read into the log and written from it. The file
// figures fit a line through their sizes (the BigO rows): a time that grows
// with the number of steps alone shows as a small RMS.
#include "colorlist/history_file.h"
#include "support/fake_platform.h"
#include "workspace/main_window.h"
#include "workspace/program_session.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using tessaro::colorlist::HistoryFile;
using tessaro::colorlist::HistoryLog;
using tessaro::workspace::DataFolders;
using tessaro::workspace::ProgramSession;

// A history file of `steps` distinct-looking steps in the program's own form.
QByteArray HistoryText(int steps)
{
    QByteArray text;
    text.reserve(qsizetype(steps) * 23);
    char line[32];
    for (int i = 0; i < steps; ++i) {
        const unsigned r = i & 0xFF, g = (i >> 8) & 0xFF, b = (i * 7) & 0xFF;
        text.append(line, std::snprintf(line, sizeof line, "%u,%u,%u - #%.2X%.2X%.2X\r\n", r, g, b, r, g, b));
    }
    return text;
}

struct DataFolder {
    QTemporaryDir dir;
    DataFolders folders;

    explicit DataFolder(int historySteps)
    {
        QDir(dir.path()).mkpath(QStringLiteral("TD"));
        const QString app = dir.path() + QLatin1Char('/');
        folders = {app, app + QStringLiteral("TD/"), app + QStringLiteral("CLLs/")};
        QFile history(historyPath());
        history.open(QIODevice::WriteOnly);
        history.write(HistoryText(historySteps));
    }
    QString historyPath() const { return folders.dataFolder + QStringLiteral("history.cl2"); }
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
BENCHMARK(BM_StartToFirstPaint)->Arg(0)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

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
BENCHMARK(BM_ShutdownSave)->Arg(0)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_HistoryFileLoad(benchmark::State& state)
{
    const int steps = int(state.range(0));
    DataFolder data(steps);
    for (auto _ : state) {
        HistoryLog log;
        HistoryFile file;
        file.Load(data.historyPath(), log);
        if (log.count() != steps)
            state.SkipWithError("steps lost");
    }
    state.SetComplexityN(steps);
    state.SetItemsProcessed(state.iterations() * steps);
}
BENCHMARK(BM_HistoryFileLoad)->Arg(100000)->Arg(300000)->Arg(1000000)->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// Includes the flush to the disk that every save makes.
void BM_HistoryFileSave(benchmark::State& state)
{
    const int steps = int(state.range(0));
    DataFolder data(steps);
    HistoryLog log;
    HistoryFile file;
    file.Load(data.historyPath(), log);
    for (auto _ : state) {
        if (!file.Save(data.historyPath(), log))
            state.SkipWithError("not saved");
    }
    state.SetComplexityN(steps);
    state.SetItemsProcessed(state.iterations() * steps);
}
BENCHMARK(BM_HistoryFileSave)->Arg(100000)->Arg(300000)->Arg(1000000)->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

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
