// Loading a large program and listing all five browser pages, against the
// baseline of reading the same file's bytes into memory.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "bench/ratio_reporter.h"
#include "platform/message_sink.h"
#include "tessellar/program/directory_page.h"
#include "tessellar/program/image/program_loader.h"

namespace {

const char* const kProgram = TESSELLAR_BENCH_PROGRAM;

void ReadFileBytes(benchmark::State& state) {
    // The fastest plain way: one block of the file's size, one read.
    for (auto _ : state) {
        std::FILE* file = std::fopen(kProgram, "rb");
        if (file == nullptr) {
            state.SkipWithError("the generated program is missing");
            return;
        }
        std::fseek(file, 0, SEEK_END);
        std::vector<char> bytes(static_cast<std::size_t>(std::ftell(file)));
        std::fseek(file, 0, SEEK_SET);
        benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), file));
        std::fclose(file);
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
