// Applying a 5,000-statement section to a screen of 500 items, against the
// baseline of reading the same section's lines with the same line reader.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "bench/big_screen.h"
#include "bench/ratio_reporter.h"
#include "platform/message_sink.h"
#include "tessellar/overrides/apply_section.h"
#include "tessellar/overrides/line_reader.h"
#include "tessellar/program/directory_page.h"
#include "tessellar/program/image/program_loader.h"
#include "tessellar/program/screen_decoder.h"
#include "tools/opimage/description.h"
#include "tools/opimage/image.h"

namespace {

using bench::kStatements;
using bench::ScreenDescription;
using bench::SectionText;

struct Fixture {
    std::unique_ptr<program::ProgramImage> image;
    std::unique_ptr<program::DirectoryPage> page;
    std::string sectionPath;
    bool ready = false;

    Fixture() {
        std::string error;
        const auto description = opimage::ParseDescription(ScreenDescription(), error);
        if (!description) {
            std::fprintf(stderr, "bench program: %s\n", error.c_str());
            return;
        }
        platform::RecordingMessageSink sink;
        auto loaded = program::LoadProgramFromBytes(opimage::Write(*description).bytes, "big.op6", sink);
        if (!loaded) return;
        image = std::make_unique<program::ProgramImage>(std::move(*loaded));
        page = std::make_unique<program::DirectoryPage>(program::BrowserPage::All);
        program::FillDirectoryPage(*page, *image, "", sink);
        sectionPath = (std::filesystem::temp_directory_path() / "tessellar-bench-ZZZ_BIG.tmp").string();
        std::ofstream(sectionPath, std::ios::binary) << SectionText();
        ready = !page->Models().empty();
    }
    ~Fixture() {
        std::error_code ignored;
        std::filesystem::remove(sectionPath, ignored);
    }
    model::CScreenModel& Screen() { return *page->Models().front(); }
};

Fixture& TheFixture() {
    static Fixture fixture;
    return fixture;
}

void ReadSectionLines(benchmark::State& state) {
    Fixture& fixture = TheFixture();
    std::size_t lines = 0;
    for (auto _ : state) {
        lines = bench::CountSectionLines(fixture.sectionPath);
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(ReadSectionLines)->Unit(benchmark::kMillisecond);

void ApplySection(benchmark::State& state) {
    Fixture& fixture = TheFixture();
    if (!fixture.ready) {
        state.SkipWithError("the bench program could not be made");
        return;
    }
    model::CScreenModel& screen = fixture.Screen();
    screen.SetOverridePath(fixture.sectionPath);
    platform::RecordingMessageSink sink;
    std::size_t items = 0;
    for (auto _ : state) {
        state.PauseTiming();
        screen.DestroyItems();
        program::DecodeScreen(screen, sink);
        screen.SetOverridePath(fixture.sectionPath);
        state.ResumeTiming();
        overrides::ApplySection(screen, sink);
    }
    items = screen.Displays().Size() + screen.Accepts().Size() + screen.Options().Size() + screen.Boxes().Size() +
            screen.Modes().Size() + screen.Confirms().Size() + screen.Messages().Size();
    state.counters["items"] = static_cast<double>(items);
    state.counters["statements/s"] =
        benchmark::Counter(static_cast<double>(kStatements) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}
BENCHMARK(ApplySection)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("ApplySection", "ReadSectionLines");
    benchmark::Shutdown();
    return 0;
}
