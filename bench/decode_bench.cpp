// Decoding every entry of a large program into screen models, against the
// baseline of loading the same file, in one run. The program is generated
// here: 2,000 screens, review screens, data grids and menus of about 40
// items each.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "bench/ratio_reporter.h"
#include "platform/message_sink.h"
#include "tessellar/program/directory_page.h"
#include "tessellar/program/image/program_loader.h"
#include "tessellar/program/screen_decoder.h"
#include "tools/opimage/image.h"

namespace {

using namespace opimage;

constexpr int kEntries = 2000;
constexpr int kGlobals = 24;

std::string Numbered(const char* prefix, int number) {
    char text[48];
    std::snprintf(text, sizeof text, "%s%04d", prefix, number);
    return text;
}

std::string Global(int number) { return Numbered("G", number % kGlobals); }

// Rows of prompts with their fields: two items a row.
void AddPromptedFields(StatementList& into, int entry, int firstRow, int rows) {
    for (int i = 0; i < rows; ++i) {
        const auto row = static_cast<std::uint32_t>(firstRow + i);
        into.push_back(Display({.row = row, .column = 2, .text = Text("Field " + std::to_string(i) + ":"),
                                .attributes = 0x0200}));
        AcceptRecord field{.row = row, .column = 20, .variable = Global(entry + i),
                           .help = Text("Enter field " + std::to_string(i) + " of " + Numbered("E", entry)),
                           .title = Text("Field " + std::to_string(i))};
        if (i % 4 == 0) field.allowed = {{.value = Literal("A")}, {.value = Literal("B")}};
        into.push_back(Accept(std::move(field)));
    }
}

void AddMessages(StatementList& into, int entry) {
    into.push_back(TwoBranch({Message({Text("Saved "), Var(Global(entry))})}, {Abort({Text("Not found")})}));
    into.push_back(Block({Acknowledge({Text("Done")}, Text("Press Return"))}));
}

Entry MakeEntry(int number) {
    Entry entry{.name = Numbered("E", number), .title = Text("Entry " + std::to_string(number))};
    entry.modes = {"ADD", "CHANGE", "DELETE", "FIND"};
    entry.variableGroup = VariableGroup{.name = "GROUP", .variables = {Global(number), Global(number + 1)}};
    switch (number % 10) {
        case 6:  // review screen: 20 body items, 16 detail items
            entry.reviewWord = kReviewScreen;
            entry.reviewFirstRow = 12;
            entry.reviewBoxHeight = 1;
            entry.reviewRepeat = 8;
            AddPromptedFields(entry.body, number, 2, 10);
            for (int i = 0; i < 8; ++i) {
                entry.detail.push_back(Accept({.row = 12, .column = static_cast<std::uint32_t>(2 + 9 * i),
                                               .variable = Global(number + i)}));
                entry.detail.push_back(Display({.row = 13, .column = static_cast<std::uint32_t>(2 + 9 * i),
                                                .text = Var(Global(number + i + 8))}));
            }
            break;
        case 7:  // data grid: 4 body items, 36 columns
            entry.reviewWord = kDataGrid;
            entry.reviewFirstRow = 5;
            entry.reviewBoxHeight = 1;
            entry.reviewRepeat = 12;
            AddPromptedFields(entry.body, number, 2, 2);
            for (int i = 0; i < 36; ++i) {
                entry.detail.push_back(Display({.row = 5, .column = static_cast<std::uint32_t>(2 + 4 * i),
                                                .text = Var(Global(number + i)), .displayWidth = 4,
                                                .longForm = true, .columnTitle = Text("Column " + std::to_string(i))}));
            }
            break;
        case 8:  // menu: 30 options and a box, a confirm and prompts
            entry.kind = EntryKind::Menu;
            entry.modes.clear();
            for (int i = 0; i < 30; ++i) {
                entry.body.push_back(Option({.row = static_cast<std::uint32_t>(2 + i % 20),
                                             .column = static_cast<std::uint32_t>(4 + 30 * (i / 20)),
                                             .text = Text("Option " + std::to_string(i)),
                                             .help = Text("Choose option " + std::to_string(i))}));
            }
            for (int i = 0; i < 7; ++i) {
                entry.body.push_back(Display({.row = 23, .column = static_cast<std::uint32_t>(2 + 10 * i),
                                              .text = Text("Key " + std::to_string(i))}));
            }
            entry.body.push_back(Box({.top = 1, .left = 2, .bottom = 22, .right = 70, .title = Text("Menu")}));
            entry.body.push_back(Confirm({.row = 22, .column = 4, .question = {.text = "Leave?"},
                                          .defaultAnswer = 'N'}));
            break;
        default:  // screen: 28 prompts and fields, 8 values, 3 boxes, a confirm
            AddPromptedFields(entry.body, number, 2, 14);
            for (int i = 0; i < 8; ++i) {
                entry.body.push_back(Display({.row = static_cast<std::uint32_t>(2 + i), .column = 50,
                                              .text = Var(Global(number + i)), .attributes = 0x2000}));
            }
            for (int i = 0; i < 3; ++i) {
                entry.body.push_back(Box({.top = static_cast<std::uint32_t>(1 + 6 * i), .left = 1,
                                          .bottom = static_cast<std::uint32_t>(6 + 6 * i), .right = 78,
                                          .title = Text("Part " + std::to_string(i))}));
            }
            entry.body.push_back(Confirm({.row = 20, .column = 4, .question = {.text = "Save the record?"},
                                          .defaultAnswer = 'Y'}));
            break;
    }
    AddMessages(entry.body, number);
    return entry;
}

Program BenchProgram() {
    Program program;
    for (int i = 0; i < kGlobals; ++i) {
        const std::uint16_t size = i % 3 == 0 ? NumericSize(kPacked, 7, 2, true) : static_cast<std::uint16_t>(20);
        program.globals.push_back({.name = Global(i), .sizeWord = size, .type = i % 3 == 0 ? 'N' : 'A'});
    }
    for (const char* mode : {"ADD", "CHANGE", "DELETE", "FIND"}) {
        program.modes.push_back({.name = mode, .label = Text(mode), .help = Text(std::string("Help for ") + mode)});
    }
    for (int number = 0; number < kEntries; ++number) program.entries.push_back(MakeEntry(number));
    return program;
}

// The generated program, written once to a file that the run removes.
const std::string& ProgramFile() {
    static const std::string path = [] {
        const std::filesystem::path file =
            std::filesystem::temp_directory_path() / ("tessellar-decode-bench-" + std::to_string(getpid()) + ".op6");
        if (!WriteFile(BenchProgram(), file)) std::fprintf(stderr, "cannot write %s\n", file.c_str());
        return file.string();
    }();
    return path;
}

void LoadProgramFile(benchmark::State& state) {
    platform::RecordingMessageSink sink;
    std::size_t size = 0;
    // Made before the timed loop: writing the program is no part of loading it.
    ProgramFile();
    for (auto _ : state) {
        auto image = program::LoadProgram(ProgramFile(), sink);
        if (!image) {
            state.SkipWithError("the generated program does not load");
            return;
        }
        size = image->Size();
        benchmark::DoNotOptimize(image->Bytes().data());
    }
    state.counters["file bytes"] = static_cast<double>(size);
}
BENCHMARK(LoadProgramFile)->Unit(benchmark::kMillisecond);

void DecodeEveryEntry(benchmark::State& state) {
    platform::RecordingMessageSink sink;
    const auto image = program::LoadProgram(ProgramFile(), sink);
    if (!image) {
        state.SkipWithError("the generated program does not load");
        return;
    }
    program::DirectoryPage page(program::BrowserPage::All);
    program::FillDirectoryPage(page, *image, "", sink);
    std::size_t items = 0;
    for (auto _ : state) {
        items = 0;
        for (const auto& model : page.Models()) {
            program::DecodeScreen(*model, sink);
            items += model->Accepts().Size() + model->Displays().Size() + model->Options().Size() +
                     model->Boxes().Size() + model->Confirms().Size() + model->Messages().Size();
        }
        benchmark::DoNotOptimize(items);
    }
    const auto entries = static_cast<double>(page.Models().size());
    state.counters["entries"] = entries;
    state.counters["items per entry"] = static_cast<double>(items) / entries;
    state.counters["entries/s"] =
        benchmark::Counter(entries * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(DecodeEveryEntry)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("DecodeEveryEntry", "LoadProgramFile");
    benchmark::Shutdown();
    std::filesystem::remove(ProgramFile());
    return 0;
}
