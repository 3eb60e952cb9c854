// Times promptsweep on a generated tree of compiled programs against
// ripgrep reading the same tree, and reports peak memory and the time of a
// creating run followed by a merging one. The report switches are timed
// against the plain report-only run on the same tree: --diff (goal at most
// 1.5 times) and --json (goal at most 1.2 times), with their peak memory on
// a tenth of the tree and on the whole of it.
//
//     promptsweep_bench [--programs N] [--samples K] [--keep DIR]
//                       [--baseline PROMPTSWEEP] [--report-only]
//
// --baseline times another build of the tool (the one before a change) on
// the same tree, its report-only runs interleaved with this build's, and
// reports the ratio; --report-only stops after the report-only timings.
//
// The tree: N programs in nested directories (10 x 10 leaf directories, with
// a few programs at each upper level), about 3% of them holding the find
// string "Term" in one of their texts. Each timing is the median of K runs
// after one warm-up run; the same work is checked across tools (the programs
// that ripgrep lists are the ones promptsweep reports).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "bench/tool_runs.h"
#include "tools/opimage/image.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const char* const kFind = "Term";
const char* const kReplace = "NewTerm";

using bench::Measure;
using bench::Median;
using bench::RunCommand;

// A program of a few screens, a menu and a procedure, its texts made of
// ordinary words; `holdsFind` puts the find string into one of them.
opimage::Program MakeProgram(std::mt19937& random, bool holdsFind) {
    using namespace opimage;
    static const std::vector<std::string> words = {
        "Customer", "Code",    "Name",   "Address", "Balance", "Order",  "Line",    "Quantity", "Price",
        "Date",     "Account", "Ledger", "Posting", "Stock",   "Item",   "Enquiry", "Report",   "Period",
        "Tax",      "Invoice", "Credit", "Limit",   "Region",  "Branch", "Status",  "Contact",  "Phone"};
    std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1);
    auto phrase = [&](int count) {
        std::string text;
        for (int i = 0; i < count; ++i) text += (i ? " " : "") + words[pick(random)];
        return text;
    };
    Program program;
    for (int screenNumber = 0; screenNumber < 4; ++screenNumber) {
        Entry screen{.kind = EntryKind::Screen, .name = "scr" + std::to_string(screenNumber)};
        screen.title = Text(phrase(3));
        for (std::uint32_t row = 1; row <= 8; ++row) {
            screen.body.push_back(Display({.row = row, .column = 2, .text = Text(phrase(2) + ":")}));
            screen.body.push_back(Accept({.row = row,
                                          .column = 30,
                                          .variable = "field" + std::to_string(row),
                                          .help = Text("Enter the " + phrase(2))}));
        }
        screen.body.push_back(Message({Text(phrase(5))}));
        program.entries.push_back(screen);
    }
    Entry menu{.kind = EntryKind::Menu, .name = "main"};
    for (std::uint32_t row = 1; row <= 6; ++row) {
        menu.body.push_back(Option({.row = row, .column = 1, .text = Text(phrase(2)), .help = Text(phrase(4))}));
    }
    program.entries.push_back(menu);
    Entry procedure{.kind = EntryKind::Procedure, .name = "post"};
    procedure.body = {Message({Text(phrase(6))}), Message({Text(phrase(4))})};
    program.entries.push_back(procedure);
    if (holdsFind) {
        program.entries[0].body[0].display->text = Text(std::string(kFind) + " " + phrase(1) + ":");
    }
    return program;
}

struct Tree {
    fs::path root;
    int programs = 0;
    int holdingFind = 0;
};

Tree Generate(const fs::path& root, int count) {
    std::mt19937 random(20261208);
    std::bernoulli_distribution holds(0.03);
    Tree tree{root, 0, 0};
    fs::remove_all(root);
    // 10 x 10 leaf directories take most programs; each upper directory a few.
    std::vector<fs::path> directories{root};
    for (int a = 0; a < 10; ++a) {
        directories.push_back(root / ("area" + std::to_string(a)));
        for (int b = 0; b < 10; ++b) directories.push_back(root / ("area" + std::to_string(a)) / ("unit" + std::to_string(b)));
    }
    for (const fs::path& directory : directories) fs::create_directories(directory);
    for (int i = 0; i < count; ++i) {
        // One program in twenty goes to an upper directory.
        const fs::path& directory = (i % 20 == 0) ? directories[(i / 20) % 11 == 0 ? 0 : ((i / 20) % 10) * 11 + 1]
                                                  : directories[(i % 100) + 1 + (i % 100) / 10];
        const bool holdsFind = holds(random);
        const opimage::Image image = opimage::Write(MakeProgram(random, holdsFind));
        std::ofstream(directory / ("prog" + std::to_string(i) + ".op6"), std::ios::binary)
            .write(reinterpret_cast<const char*>(image.bytes.data()), static_cast<std::streamsize>(image.bytes.size()));
        ++tree.programs;
        tree.holdingFind += holdsFind;
    }
    return tree;
}

int CountLines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

// The last "would Create/Update N" or "Created/Updated N" of a run log.
int LastUpdatedCount(const fs::path& log) {
    std::ifstream in(log);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t at = text.rfind("Create");
    if (at == std::string::npos) return 0;
    const std::size_t digits = text.find_first_of("0123456789", at);
    return std::atoi(text.c_str() + digits);
}

void RemoveOverrideFiles(const fs::path& root) {
    std::vector<fs::path> doomed;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.path().extension() == ".scf") doomed.push_back(entry.path());
    }
    for (const fs::path& path : doomed) fs::remove(path);
}

}  // namespace

// Takes the options of this benchmark alone out of argv.
struct SweepOptions {
    std::string baseline;
    bool reportOnly = false;
};

SweepOptions TakeSweepOptions(int& argc, char** argv) {
    SweepOptions options;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--baseline" && i + 1 < argc) {
            options.baseline = argv[++i];
        } else if (option == "--report-only") {
            options.reportOnly = true;
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    return options;
}

int main(int argc, char** argv) {
    const SweepOptions sweepOptions = TakeSweepOptions(argc, argv);
    const auto [programs, samples, root, keep] = bench::ReadTreeOptions(argc, argv, "promptsweep-bench-tree");
    const std::string tool = PROMPTSWEEP_BINARY;

    std::printf("Generating %d programs under %s ...\n", programs, root.c_str());
    const Tree tree = Generate(root, programs);
    std::uintmax_t bytes = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) bytes += entry.file_size();
    }
    std::printf("%d programs, %.1f MB, %d holding \"%s\"\n\n", tree.programs, bytes / 1e6, tree.holdingFind, kFind);

    const std::vector<std::string> sweep{tool, root.string(), "-R", kFind, kReplace};
    const std::vector<std::string> ripgrep{"rg", "-j1", "-a", "-F", "-l", kFind, root.string()};

    // Warm-up, and the same work checked across tools.
    const Measure ripgrepCheck = RunCommand(ripgrep);
    const Measure sweepCheck = RunCommand(sweep);
    const int ripgrepFound = CountLines(ripgrepCheck.output);
    const int sweepFound = LastUpdatedCount(root / "promptsweeplog.txt");
    std::printf("check: ripgrep lists %d files, promptsweep would update %d override files%s\n\n", ripgrepFound,
                sweepFound, ripgrepFound == sweepFound ? "" : "  (MISMATCH)");

    std::vector<double> sweepTimes, ripgrepTimes, baselineTimes;
    std::vector<std::string> baseline = sweep;
    baseline[0] = sweepOptions.baseline;
    if (!sweepOptions.baseline.empty()) RunCommand(baseline);  // its warm-up
    long peak = 0;
    for (int i = 0; i < samples; ++i) {
        ripgrepTimes.push_back(RunCommand(ripgrep).seconds);
        const Measure measure = RunCommand(sweep);
        sweepTimes.push_back(measure.seconds);
        peak = std::max(peak, measure.peakKilobytes);
        if (!sweepOptions.baseline.empty()) baselineTimes.push_back(RunCommand(baseline).seconds);
    }
    const double sweepMedian = Median(sweepTimes);
    const double ripgrepMedian = Median(ripgrepTimes);
    std::printf("report-only run   promptsweep %8.3f s   (median of %d)\n", sweepMedian, samples);
    std::printf("                  rg -j1      %8.3f s\n", ripgrepMedian);
    std::printf("promptsweep / rg = %.2f   (goal: at most 1.50)\n\n", sweepMedian / ripgrepMedian);
    if (!sweepOptions.baseline.empty()) {
        const double baselineMedian = Median(baselineTimes);
        std::printf("report-only run   baseline    %8.3f s   (%s)\n", baselineMedian, sweepOptions.baseline.c_str());
        std::printf("promptsweep / baseline = %.3f\n\n", sweepMedian / baselineMedian);
    }
    if (sweepOptions.reportOnly) {
        if (!keep) fs::remove_all(root);
        return ripgrepFound == sweepFound ? 0 : 1;
    }

    // Peak memory on one tenth of the tree and on the whole of it.
    const Measure part = RunCommand({tool, (root / "area0").string(), "-R", kFind, kReplace});
    std::printf("peak memory       %ld KB on %s, %ld KB on the whole tree\n\n", part.peakKilobytes,
                "one area (about a tenth)", peak);

    // The report switches against the plain report-only run, interleaved so
    // that both meet the same cache.
    const std::string record = (fs::temp_directory_path() / "promptsweep-bench-run.json").string();
    std::vector<std::string> withDiff = sweep;
    withDiff.push_back("--diff");
    std::vector<std::string> withJson = sweep;
    withJson.insert(withJson.end(), {"--json", record});
    const Measure diffCheck = RunCommand(withDiff);
    int diffFiles = 0;
    for (std::size_t at = diffCheck.output.find("\n+++ "); at != std::string::npos;
         at = diffCheck.output.find("\n+++ ", at + 1)) {
        ++diffFiles;
    }
    std::vector<double> plainTimes, diffTimes, jsonTimes;
    long diffPeak = 0, jsonPeak = 0;
    for (int i = 0; i < samples; ++i) {
        plainTimes.push_back(RunCommand(sweep).seconds);
        const Measure diffRun = RunCommand(withDiff);
        diffTimes.push_back(diffRun.seconds);
        diffPeak = std::max(diffPeak, diffRun.peakKilobytes);
        const Measure jsonRun = RunCommand(withJson);
        jsonTimes.push_back(jsonRun.seconds);
        jsonPeak = std::max(jsonPeak, jsonRun.peakKilobytes);
    }
    const double plainMedian = Median(plainTimes);
    std::printf("report-only run   plain       %8.3f s\n", plainMedian);
    std::printf("                  --diff      %8.3f s   (%d files diffed, %zu bytes)\n", Median(diffTimes), diffFiles,
                diffCheck.output.size());
    std::printf("                  --json      %8.3f s\n", Median(jsonTimes));
    std::printf("--diff / plain = %.2f   (goal: at most 1.50)\n", Median(diffTimes) / plainMedian);
    std::printf("--json / plain = %.2f   (goal: at most 1.20)\n", Median(jsonTimes) / plainMedian);
    const std::string areaRecord = record + ".area";
    const Measure diffPart = RunCommand({tool, (root / "area0").string(), "-R", kFind, kReplace, "--diff"});
    const Measure jsonPart =
        RunCommand({tool, (root / "area0").string(), "-R", kFind, kReplace, "--json", areaRecord});
    std::printf("peak memory       --diff %ld KB on one area, %ld KB on the whole tree\n", diffPart.peakKilobytes,
                diffPeak);
    std::printf("                  --json %ld KB on one area, %ld KB on the whole tree\n\n", jsonPart.peakKilobytes,
                jsonPeak);
    fs::remove(record);
    fs::remove(areaRecord);

    std::vector<double> createTimes, mergeTimes;
    int created = 0, merged = 0;
    for (int i = 0; i < samples; ++i) {
        RemoveOverrideFiles(root);
        createTimes.push_back(RunCommand({tool, root.string(), "-R", kFind, kReplace, "-O", "1"}).seconds);
        created = LastUpdatedCount(root / "promptsweeplog.txt");
        mergeTimes.push_back(RunCommand({tool, root.string(), "-R", kFind, kReplace, "-O", "1", "-N"}).seconds);
        merged = LastUpdatedCount(root / "promptsweeplog.txt");
    }
    std::printf("mode 1 creating   %8.3f s   (%d override files created)\n", Median(createTimes), created);
    std::printf("mode 1 merging -N %8.3f s   (%d override files merged)\n", Median(mergeTimes), merged);

    // With the override files in place every match is a merge, diffed
    // against the file as it is.
    std::vector<double> plainMerging, diffMerging;
    std::vector<std::string> mergeSweep = sweep;
    mergeSweep.push_back("-N");
    std::vector<std::string> mergeDiff = mergeSweep;
    mergeDiff.push_back("--diff");
    for (int i = 0; i < samples; ++i) {
        plainMerging.push_back(RunCommand(mergeSweep).seconds);
        diffMerging.push_back(RunCommand(mergeDiff).seconds);
    }
    std::printf("\nreport-only -N over the override files: plain %.3f s, --diff %.3f s\n", Median(plainMerging),
                Median(diffMerging));
    std::printf("--diff / plain (merging) = %.2f   (goal: at most 1.50)\n", Median(diffMerging) / Median(plainMerging));

    if (!keep) fs::remove_all(root);
    return ripgrepFound == sweepFound ? 0 : 1;
}
