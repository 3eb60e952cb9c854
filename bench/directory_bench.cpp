// Loading a large program and listing all five browser pages, against the
// baseline of reading the same file's bytes into memory.

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "bench/ratio_reporter.h"
#include "platform/message_sink.h"
#include "tessellar/program/directory_page.h"
#include "tessellar/program/image/program_loader.h"

namespace {

const char* const kProgram = TESSELLAR_BENCH_PROGRAM;

void ReadFileBytes(benchmark::State& state) {
    for (auto _ : state) {
        std::ifstream in(kProgram, std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(ReadFileBytes)->Unit(benchmark::kMicrosecond);

void LoadAndListAllPages(benchmark::State& state) {
    platform::RecordingMessageSink sink;
    std::size_t rows = 0;
    for (auto _ : state) {
        auto image = program::LoadProgram(kProgram, sink);
        if (!image) {
            state.SkipWithError("the generated program does not load");
            return;
        }
        rows = 0;
        for (program::BrowserPage number : program::kBrowserPages) {
            program::DirectoryPage page(number);
            rows += program::FillDirectoryPage(page, *image, "", sink);
        }
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(LoadAndListAllPages)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("LoadAndListAllPages", "ReadFileBytes");
    benchmark::Shutdown();
    return 0;
}
