// What a user waits for, on a screen of 500 items whose section holds 5,000
// blocks: one command end to end (check, undo point, statements, the entry
// brought up to date), its undo and its redo, each against reading that
// work file once; and saving an override file of 2,000 sections after one
// command changed one of them, against copying its bytes and against the
// safe copy (a new sibling file, synced, renamed over) that any save which
// loses nothing must make.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

#include "bench/big_document.h"
#include "bench/big_screen.h"
#include "bench/ratio_reporter.h"
#include "platform/message_sink.h"
#include "tessellar/commands/command_catalogue.h"
#include "tessellar/document/document.h"
#include "tessellar/overrides/line_reader.h"
#include "tessellar/program/directory_page.h"
#include "testsupport/scratch_directory.h"
#include "tools/opimage/image.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSections = 2000;
// The copy baseline is short and swings: it copies this many times per
// iteration and its ratio counts one copy.
constexpr int kCopiesPerIteration = 10;

// The big screen opened as a document with its 5,000-block section.
struct CommandFixture : bench::BigDocument {
    void Restore() { bench::CopyBytes(pristine, screen->OverridePath()); }
    // The command run once on the work file as opened, with no history before it.
    void RunOnFreshWorkFile(commands::Command& command) {
        Restore();
        document->History(*screen).Clear();
        document->Run(*screen, command, sink);
    }
    std::unique_ptr<commands::Command> Command() {
        commands::ItemKey key;
        key.identifier.identificationKind = 1;
        key.identifier.text = "V50";
        commands::MadeCommand made = commands::MakeCommand(*screen, "Change display text", key, {{"Renamed", true}});
        if (!made.command) {
            std::fprintf(stderr, "bench command: %s\n", made.error.c_str());
        }
        return std::move(made.command);
    }
};

CommandFixture& TheCommandFixture() {
    static CommandFixture fixture;
    return fixture;
}

void ReadWorkFile(benchmark::State& state) {
    CommandFixture& fixture = TheCommandFixture();
    if (!fixture.ready) return state.SkipWithError("the bench document could not be made");
    std::size_t lines = 0;
    for (auto _ : state) {
        lines = bench::CountSectionLines(fixture.screen->OverridePath());
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(ReadWorkFile)->Unit(benchmark::kMillisecond);

// The fixture's command, or none once the benchmark is told why.
std::unique_ptr<commands::Command> BenchCommand(benchmark::State& state, CommandFixture& fixture) {
    if (!fixture.ready) {
        state.SkipWithError("the bench document could not be made");
        return nullptr;
    }
    std::unique_ptr<commands::Command> command = fixture.Command();
    if (!command) state.SkipWithError("the bench command could not be made");
    return command;
}

void OneCommand(benchmark::State& state) {
    CommandFixture& fixture = TheCommandFixture();
    std::unique_ptr<commands::Command> command = BenchCommand(state, fixture);
    if (!command) return;
    model::CScreenModel& screen = *fixture.screen;
    for (auto _ : state) {
        state.PauseTiming();
        fixture.Restore();
        fixture.document->History(screen).Clear();
        state.ResumeTiming();
        fixture.document->Run(screen, *command, fixture.sink);
    }
}
BENCHMARK(OneCommand)->Unit(benchmark::kMillisecond);

void UndoOneCommand(benchmark::State& state) {
    CommandFixture& fixture = TheCommandFixture();
    std::unique_ptr<commands::Command> command = BenchCommand(state, fixture);
    if (!command) return;
    model::CScreenModel& screen = *fixture.screen;
    for (auto _ : state) {
        state.PauseTiming();
        fixture.RunOnFreshWorkFile(*command);
        state.ResumeTiming();
        fixture.document->Undo(screen, fixture.sink);
    }
}
BENCHMARK(UndoOneCommand)->Unit(benchmark::kMillisecond);

void RedoOneCommand(benchmark::State& state) {
    CommandFixture& fixture = TheCommandFixture();
    std::unique_ptr<commands::Command> command = BenchCommand(state, fixture);
    if (!command) return;
    model::CScreenModel& screen = *fixture.screen;
    for (auto _ : state) {
        state.PauseTiming();
        fixture.RunOnFreshWorkFile(*command);
        fixture.document->Undo(screen, fixture.sink);
        state.ResumeTiming();
        fixture.document->Redo(screen, fixture.sink);
    }
}
BENCHMARK(RedoOneCommand)->Unit(benchmark::kMillisecond);

// An override file of 2,000 sections of three blocks each, opened as a
// document on the big screen's program (whose entry is in none of them).
struct SaveFixture {
    testsupport::ScratchDirectory scratch;
    const fs::path& directory = scratch.Path();
    std::string overridePath = (directory / "many.scf").string();
    std::string copyPath = (directory / "copy.scf").string();
    platform::RecordingMessageSink sink;
    std::unique_ptr<document::Document> document;
    program::DirectoryPage page{program::BrowserPage::All};
    model::CScreenModel* screen = nullptr;
    bool ready = false;

    SaveFixture() {
        std::string error;
        const auto description = opimage::ParseDescription(bench::ScreenDescription(), error);
        if (!description) return;
        const fs::path program = directory / "big.op6";
        const auto bytes = opimage::Write(*description).bytes;
        std::ofstream(program, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        std::ofstream out(overridePath, std::ios::binary);
        out << "#ORVALE Screen Customiser File (Override statements only).\n";
        for (int s = 0; s < kSections; ++s) {
            out << "screen S" << s << "\n\t{\n"
                << "\twindow\n\t\t{\n\t\ttitle = \"Screen " << s << "\"\n\t\t}\n"
                << "\taccept\n\t\t{\n\t\tname = F1\n\t\thelpline = \"Help " << s << "\"\n\t\t}\n"
                << "\tdisplay\n\t\t{\n\t\torig_text = \"Label\"\n\t\tcoordinate = 3,4\n\t\t}\n\t}\n";
        }
        out.close();
        document = std::make_unique<document::Document>(directory.string());
        if (!document->LoadProgram(program.string(), sink)) return;
        document->OpenOverrideFile(overridePath, sink);
        program::FillDirectoryPage(page, *document->Image(), "", sink);
        if (page.Models().empty()) return;
        screen = page.Models().front().get();
        document->OpenEntry(*screen, sink);
        ready = true;
    }
    ~SaveFixture() {
        program::ClearDirectoryPage(page);
        document.reset();
    }
};

SaveFixture& TheSaveFixture() {
    static SaveFixture fixture;
    return fixture;
}

void CopyOverrideFile(benchmark::State& state) {
    SaveFixture& fixture = TheSaveFixture();
    for (auto _ : state) {
        for (int copy = 0; copy < kCopiesPerIteration; ++copy) bench::CopyBytes(fixture.overridePath, fixture.copyPath);
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(fixture.overridePath));
}
BENCHMARK(CopyOverrideFile)->Unit(benchmark::kMillisecond);

// What a save that loses nothing must at least do with the same bytes: read
// them, write a new file beside the target, sync it and rename it over.
void SafeCopyOverrideFile(benchmark::State& state) {
    SaveFixture& fixture = TheSaveFixture();
    const std::string sibling = fixture.copyPath + ".new";
    for (auto _ : state) {
        std::ifstream in(fixture.overridePath, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::FILE* out = std::fopen(sibling.c_str(), "wb");
        if (out == nullptr) return state.SkipWithError("the sibling file could not be made");
        const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0 &&
                             ::fsync(::fileno(out)) == 0;
        if (std::fclose(out) != 0 || !written) return state.SkipWithError("the sibling file could not be written");
        fs::rename(sibling, fixture.copyPath);
    }
}
BENCHMARK(SafeCopyOverrideFile)->Unit(benchmark::kMillisecond);

// One command (untimed) changes one section, then the file is saved.
void SaveAfterOneCommand(benchmark::State& state) {
    SaveFixture& fixture = TheSaveFixture();
    if (!fixture.ready) return state.SkipWithError("the bench document could not be made");
    commands::ItemKey key;
    key.identifier.identificationKind = 1;
    key.identifier.text = "V50";
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const commands::MadeCommand made = commands::MakeCommand(
            *fixture.screen, "Change display text", key, {{"Renamed " + std::to_string(++round), true}});
        if (!made.command || !fixture.document->Run(*fixture.screen, *made.command, fixture.sink)) {
            return state.SkipWithError("the bench command failed");
        }
        state.ResumeTiming();
        if (!fixture.document->Save(fixture.sink)) return state.SkipWithError("the save failed");
    }
    state.counters["sections"] = static_cast<double>(fixture.document->Workspace().Sections().Entries().size());
}
BENCHMARK(SaveAfterOneCommand)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("OneCommand", "ReadWorkFile");
    reporter.PrintRatio("UndoOneCommand", "ReadWorkFile");
    reporter.PrintRatio("RedoOneCommand", "ReadWorkFile");
    reporter.PrintRatio("SaveAfterOneCommand", "CopyOverrideFile", kCopiesPerIteration);
    reporter.PrintRatio("SaveAfterOneCommand", "SafeCopyOverrideFile");
    benchmark::Shutdown();
    return 0;
}
