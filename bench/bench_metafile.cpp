// One metafile picture decoded the way the program does it: a decoder
// process started, the file's bytes written to it, the pixels read back.
// The process start is most of the cost; the figures are per picture.
#include "platform/metafile_reader.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>

#include <sys/resource.h>

namespace {

using namespace tessaro::platform;

QByteArray Sample(const char* name)
{
    QFile file(QStringLiteral(TESSARO_SAMPLE_PICTURES_DIR "/") + QString::fromLatin1(name));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Processor time of the finished decoder processes so far, in milliseconds.
double ChildrenCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return (double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

void DecodeInProcess(benchmark::State& state, MetafileKind kind, const char* name)
{
    const QByteArray bytes = Sample(name);
    const double cpuBefore = ChildrenCpuMs();
    for (auto _ : state) {
        const MetafileDecode decode = DecodeMetafileInProcess(kind, bytes);
        if (decode.outcome != MetafileOutcome::Decoded) {
            state.SkipWithError("the sample did not decode");
            break;
        }
        benchmark::DoNotOptimize(decode.image.constBits());
    }
    state.counters["decoder_cpu_ms"] =
        benchmark::Counter(ChildrenCpuMs() - cpuBefore, benchmark::Counter::kAvgIterations);
}

void BM_WmfThroughDecoderProcess(benchmark::State& state)
{
    DecodeInProcess(state, MetafileKind::Wmf, "star.wmf");
}
BENCHMARK(BM_WmfThroughDecoderProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EmfThroughDecoderProcess(benchmark::State& state)
{
    DecodeInProcess(state, MetafileKind::Emf, "ribbon.emf");
}
BENCHMARK(BM_EmfThroughDecoderProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
