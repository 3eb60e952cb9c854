// Times scfcheck over the batch bench's tree of 10,000 programs, each with an
// override file of 20 sections beside it, against decoding and applying the
// same sections alone, and reports peak memory on a tenth of the tree and on
// the whole of it.
//
//     scfcheck_bench [--programs N] [--samples K] [--keep DIR]
//
// The tree has the batch bench's layout (10 x 10 leaf directories, a few
// programs at each upper level) and program shape, with 20 screens a program
// so that each section customises an entry: an entry field moved and given a
// default, a prompt reworded, the window retitled. One program in thirty
// carries an override file written for an older build (a renamed field), so
// the check has findings to write. Both timings run in this process over the
// same programs (median of K after a warm-up); the scfcheck program itself is
// run for its programs per second and its peak memory.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/checks/program_check.h"
#include "tessellar/document/entry_opening.h"
#include "tessellar/overrides/section_bodies.h"
#include "tessellar/program/directory_page.h"
#include "tessellar/program/image/program_loader.h"
#include "bench/tool_runs.h"
#include "tools/opimage/image.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kScreens = 20;

const std::vector<std::string> kWords = {
    "Customer", "Code",    "Name",   "Address", "Balance", "Order",  "Line",    "Quantity", "Price",
    "Date",     "Account", "Ledger", "Posting", "Stock",   "Item",   "Enquiry", "Report",   "Period",
    "Tax",      "Invoice", "Credit", "Limit",   "Region",  "Branch", "Status",  "Contact",  "Phone"};

std::string Phrase(std::mt19937& random, int count) {
    std::uniform_int_distribution<std::size_t> pick(0, kWords.size() - 1);
    std::string text;
    for (int i = 0; i < count; ++i) text += (i ? " " : "") + kWords[pick(random)];
    return text;
}

// The batch bench's program with 20 screens: prompts and entry fields, a
// message each, a menu and a procedure.
opimage::Program MakeProgram(std::mt19937& random) {
    using namespace opimage;
    Program program;
    for (int screenNumber = 0; screenNumber < kScreens; ++screenNumber) {
        Entry screen{.kind = EntryKind::Screen, .name = "scr" + std::to_string(screenNumber)};
        screen.title = Text(Phrase(random, 3));
        for (std::uint32_t row = 1; row <= 8; ++row) {
            screen.body.push_back(Display({.row = row, .column = 2, .text = Text("P" + std::to_string(row) + " " + Phrase(random, 2) + ":")}));
            screen.body.push_back(Accept({.row = row,
                                          .column = 30,
                                          .variable = "field" + std::to_string(row),
                                          .help = Text("Enter the " + Phrase(random, 2))}));
        }
        screen.body.push_back(Message({Text(Phrase(random, 5))}));
        program.entries.push_back(screen);
    }
    Entry menu{.kind = EntryKind::Menu, .name = "main"};
    for (std::uint32_t row = 1; row <= 6; ++row) {
        menu.body.push_back(Option({.row = row, .column = 1, .text = Text(Phrase(random, 2)), .help = Text(Phrase(random, 4))}));
    }
    program.entries.push_back(menu);
    Entry procedure{.kind = EntryKind::Procedure, .name = "post"};
    procedure.body = {Message({Text(Phrase(random, 6))})};
    program.entries.push_back(procedure);
    return program;
}

// 20 sections, one a screen; `older` names a field the program renamed since.
std::string MakeOverrides(const opimage::Program& program, bool older) {
    std::ostringstream out;
    out << "#ORVALE Screen Customiser File (Override statements only).\n";
    for (int screen = 0; screen < kScreens; ++screen) {
        const auto& body = program.entries[static_cast<std::size_t>(screen)].body;
        const std::string prompt = body[2].display->text.text.text;
        out << "screen scr" << screen << "\n\t{\n"
            << "\taccept\n\t\t{\n\t\tname = " << (older && screen == 0 ? "feild2" : "field2")
            << "\n\t\tcoordinate = 10,30\n\t\tdefault = \"none\"\n\t\t}\n"
            << "\tdisplay\n\t\t{\n\t\torig_text = \"" << prompt << "\"\n\t\ttext = \"Changed:\"\n\t\t}\n"
            << "\taccept\n\t\t{\n\t\tname = field5\n\t\thelpline = \"Help for field five\"\n\t\t}\n"
            << "\twindow\n\t\t{\n\t\ttitle = \"Screen " << screen << "\"\n\t\t}\n"
            << "\t}\n";
    }
    return out.str();
}

std::vector<std::string> Generate(const fs::path& root, int count) {
    std::mt19937 random(20261208);
    fs::remove_all(root);
    std::vector<fs::path> directories{root};
    for (int a = 0; a < 10; ++a) {
        directories.push_back(root / ("area" + std::to_string(a)));
        for (int b = 0; b < 10; ++b) directories.push_back(root / ("area" + std::to_string(a)) / ("unit" + std::to_string(b)));
    }
    for (const fs::path& directory : directories) fs::create_directories(directory);
    // A few distinct programs, copied: writing images is not what is timed.
    std::vector<opimage::Program> programs;
    std::vector<std::vector<std::uint8_t>> images;
    for (int i = 0; i < 16; ++i) {
        programs.push_back(MakeProgram(random));
        images.push_back(opimage::Write(programs.back()).bytes);
    }
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        const fs::path& directory = (i % 20 == 0) ? directories[(i / 20) % 11 == 0 ? 0 : ((i / 20) % 10) * 11 + 1]
                                                  : directories[(i % 100) + 1 + (i % 100) / 10];
        const std::size_t which = static_cast<std::size_t>(i) % images.size();
        const fs::path program = directory / ("prog" + std::to_string(i) + ".op6");
        std::ofstream(program, std::ios::binary)
            .write(reinterpret_cast<const char*>(images[which].data()), static_cast<std::streamsize>(images[which].size()));
        std::ofstream(directory / ("prog" + std::to_string(i) + ".scf"), std::ios::binary)
            << MakeOverrides(programs[which], i % 30 == 0);
        paths.push_back(program.string());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::string OverrideOf(const std::string& program) { return fs::path(program).replace_extension(".scf").string(); }

// What opening costs: load, read the override file, and decode and apply
// every entry that has a section.
std::size_t DecodeAndApply(const std::vector<std::string>& programs) {
    std::size_t statements = 0;
    for (const std::string& path : programs) {
        platform::RecordingMessageSink sink;
        const auto image = program::LoadProgram(path, sink);
        if (!image) continue;
        overrides::SectionBodies sections;
        if (!overrides::ReadSectionBodies(OverrideOf(path), sections)) continue;
        program::DirectoryPage page(program::BrowserPage::All);
        program::FillDirectoryPage(page, *image, "", sink);
        for (const auto& model : page.Models()) {
            if (sections.Find(model->Name()) != nullptr) statements += document::OpenEntry(*model, {}, sections, sink);
        }
    }
    return statements;
}

// The check as scfcheck runs it, its lines written to memory.
std::size_t Check(const std::vector<std::string>& programs) {
    std::string lines;
    std::size_t findings = 0;
    for (const std::string& path : programs) {
        platform::RecordingMessageSink sink;
        const auto image = program::LoadProgram(path, sink);
        if (!image) continue;
        const auto found = checks::CheckProgramFile(*image, OverrideOf(path));
        if (!found) continue;
        for (const checks::Finding& finding : *found) lines += checks::FindingLine(finding);
        findings += found->size();
        lines.clear();
    }
    return findings;
}

template <typename Work>
double Seconds(Work work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

using bench::Median;
using bench::RunCommand;

}  // namespace

int main(int argc, char** argv) {
    const auto [count, samples, root, keep] = bench::ReadTreeOptions(argc, argv, "scfcheck-bench-tree");
    std::printf("Generating %d programs with override files of %d sections under %s ...\n", count, kScreens,
                root.c_str());
    const std::vector<std::string> programs = Generate(root, count);

    // Warm-up, and the work checked: every statement applied, the older files found.
    const std::size_t statements = DecodeAndApply(programs);
    const std::size_t findings = Check(programs);
    std::printf("check: %zu statements applied, %zu findings (%d older override files)\n\n", statements, findings,
                (count + 29) / 30);

    std::vector<double> applyTimes, checkTimes;
    for (int i = 0; i < samples; ++i) {
        applyTimes.push_back(Seconds([&] { DecodeAndApply(programs); }));
        checkTimes.push_back(Seconds([&] { Check(programs); }));
    }
    const double apply = Median(applyTimes);
    const double check = Median(checkTimes);
    std::printf("decode and apply   %8.3f s   %8.0f programs/s   (median of %d)\n", apply, count / apply, samples);
    std::printf("check              %8.3f s   %8.0f programs/s\n", check, count / check);
    std::printf("check / decode and apply = %.2f   (goal: at most 1.30)\n\n", check / apply);

    const bench::Measure whole = RunCommand({SCFCHECK_BINARY, "-R", root.string()});
    const bench::Measure tenth = RunCommand({SCFCHECK_BINARY, "-R", (root / "area0").string()});
    std::printf("scfcheck -R        %8.3f s   %8.0f programs/s   (exit status %d)\n", whole.seconds,
                count / whole.seconds, whole.status);
    std::printf("peak memory        %ld KB on one area (about a tenth), %ld KB on the whole tree\n", tenth.peakKilobytes,
                whole.peakKilobytes);

    // Fixing what the older files miss, as a diff: the check again on each
    // program a fix touches, and the diff, over the same tree.
    const bench::Measure fixing = RunCommand({SCFCHECK_BINARY, "-R", root.string(), "--fix", "--diff", "--likely"});
    std::printf("scfcheck -R --fix --diff --likely %8.3f s   peak memory %ld KB   (exit status %d)\n", fixing.seconds,
                fixing.peakKilobytes, fixing.status);
    std::printf("fixing / checking = %.2f   (goal: at most 1.30)\n", fixing.seconds / whole.seconds);

    if (!keep) fs::remove_all(root);
    return whole.status == 1 ? 0 : 1;
}
