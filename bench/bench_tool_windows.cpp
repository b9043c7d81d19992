// The first opening of each tool window, offscreen: a session is started
// (untimed), then the window is built by its first use, shown the way its
// command shows it and painted once. Tool windows are built on first use,
// so this is the wait a user has the first time each one opens. Each run is
// one opening; the first of the five is the first of its kind in the
// process (nothing of that window's own is warm yet), the others show the
// spread. Processor time (CPU) is the figure that counts.
#include "support/fake_platform.h"
#include "workspace/main_window.h"
#include "workspace/program_session.h"
#include "workspace/window_registry.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using tessaro::workspace::DataFolders;
using tessaro::workspace::ProgramSession;
using tessaro::workspace::WindowEntry;

struct DataFolder {
    QTemporaryDir dir;
    DataFolders folders;

    DataFolder()
    {
        QDir(dir.path()).mkpath(QStringLiteral("TD"));
        const QString app = dir.path() + QLatin1Char('/');
        folders = {app, app + QStringLiteral("TD/"), app + QStringLiteral("CLLs/")};
    }
};

void BM_FirstOpening(benchmark::State& state, const QString& name)
{
    tessaro::platform::FakePlatform fake;
    DataFolder data;
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<ProgramSession>(fake.platform(), data.folders, QStringLiteral("kt-tessaro"));
        session->Start();
        QApplication::processEvents();
        state.ResumeTiming();

        session->windows().show(name);
        // A window shown on the next turn of the event loop (the Copy
        // Center) is shown by then.
        QApplication::processEvents();
        QWidget* window = session->windows().find(name)->window;
        window->repaint();

        state.PauseTiming();
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->hide();
        window->hide();
        session.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// One benchmark per tool window built on first use, named after it.
void RegisterToolWindows()
{
    tessaro::platform::FakePlatform fake;
    DataFolder data;
    ProgramSession session(fake.platform(), data.folders, QStringLiteral("kt-tessaro"));
    session.Start();
    for (const WindowEntry& entry : session.windows().entries())
        if (entry.build)
            benchmark::RegisterBenchmark(("BM_FirstOpening/" + entry.name).toStdString().c_str(), BM_FirstOpening,
                                         entry.name)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1)
                ->Repetitions(5);
    session.mainWindow()->hide();
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes (no raise(), ...) would bury the table.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtWarningMsg && type != QtDebugMsg && type != QtInfoMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RegisterToolWindows();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
