// tessellar --report over the generated 2,000-entry program with an override
// file of 200 sections (screens, review screens, data grids, menus and
// procedures in turn): customised entries per second; and the same file
// reported --since itself, which finds nothing changed and writes only the
// index.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "bench/ratio_reporter.h"
#include "tessellar/app/report_command.h"

namespace {

constexpr int kSections = 200;
constexpr int kKinds = 5;  // the generated program's entry kinds, in turn

// Entries spread over the program and over every kind.
std::string OverrideText() {
    std::ostringstream out;
    out << "#ORVALE Screen Customiser File (Override statements only).\n";
    for (int i = 0; i < kSections; ++i) {
        const int number = 10 * i + i % kKinds;
        char name[16];
        std::snprintf(name, sizeof name, "E%05d", number);
        const int kind = number % kKinds;
        out << (kind == 3 ? "menu " : kind == 4 ? "procedure " : "screen ") << name << "\n\t{\n"
            << "\twindow\n\t\t{\n\t\ttitle = \"Customised " << number << "\"\n\t\t}\n";
        if (kind < 2) {
            out << "\tdisplay\n\t\t{\n\t\torig_text = \"Field 1:\"\n\t\tcoordinate = 6,30\n\t\t}\n"
                << "\taccept\n\t\t{\n\t\tname = G2\n\t\thelpline = \"Checked " << number << "\"\n\t\t}\n";
        } else if (kind == 3) {
            out << "\toption\n\t\t{\n\t\torig_text = \"Option 1\"\n\t\ttext = \"Choice " << number << "\"\n\t\t}\n";
        }
        out << "\t}\n";
    }
    return out.str();
}

struct Fixture {
    QTemporaryDir directory;
    std::string overrides = directory.filePath("generated.scf").toStdString();
    Fixture() { std::ofstream(overrides, std::ios::binary) << OverrideText(); }
};

void RunReport(benchmark::State& state, bool since) {
    Fixture fixture;
    // Each run writes over the pictures and pages of the one before.
    QTemporaryDir out;
    app::ReportRequest request;
    request.outDirectory = out.path().toStdString();
    request.program = TESSELLAR_BENCH_PROGRAM;
    request.overrideFile = fixture.overrides;
    if (since) request.since = fixture.overrides;
    std::int64_t entries = 0;
    for (auto _ : state) {
        std::ostringstream output;
        std::ostringstream errors;
        if (app::RunReport(request, app::RenderSettings{}, std::nullopt, output, errors) != 0) {
            state.SkipWithError(errors.str().c_str());
            break;
        }
        entries += std::stoll(output.str());
    }
    state.counters["entries"] = benchmark::Counter(static_cast<double>(entries), benchmark::Counter::kIsRate);
}

void BM_ReportGenerated(benchmark::State& state) { RunReport(state, false); }
BENCHMARK(BM_ReportGenerated)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReportSinceUnchanged(benchmark::State& state) { RunReport(state, true); }
BENCHMARK(BM_ReportSinceUnchanged)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("BM_ReportSinceUnchanged", "BM_ReportGenerated");
    benchmark::Shutdown();
    return 0;
}
