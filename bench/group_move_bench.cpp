// A group move of 100 items as one batch (one undo point, the entry rebuilt
// once) against moving one item, both as the window runs them through the
// document, on a screen of 500 items whose section holds 5,000 blocks.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "bench/big_document.h"
#include "bench/big_screen.h"
#include "bench/ratio_reporter.h"
#include "platform/message_sink.h"
#include "tessellar/canvas/interaction/group_actions.h"
#include "tessellar/document/document.h"
#include "tessellar/program/directory_page.h"
#include "testsupport/scratch_directory.h"
#include "tools/opimage/image.h"

namespace {

namespace fs = std::filesystem;
using namespace canvas::interaction;

constexpr int kGroupSize = 100;
constexpr CellSize kCell{8, 16};

struct GroupFixture : bench::BigDocument {
    void Restore() {
        bench::CopyBytes(pristine, screen->OverridePath());
        document->History(*screen).Clear();
        document->ReloadEntry(*screen, sink);
    }
    // The first `count` shown displays and entry fields, as a selection holds them.
    std::vector<GroupMember> Members(int count) {
        std::vector<GroupMember> members;
        for (model::CDispText& item : screen->Displays()) {
            if (static_cast<int>(members.size()) == count) break;
            if (item.suppressed.Current()) continue;
            ItemHit hit;
            hit.kind = SelectionKind::Display;
            hit.display = &item;
            hit.cells = ItemCells(item, false);
            members.push_back({hit, commands::KeyOf(item)});
        }
        for (model::CAcceptFld& item : screen->Accepts()) {
            if (static_cast<int>(members.size()) == count) break;
            if (item.suppressed.Current()) continue;
            ItemHit hit;
            hit.kind = SelectionKind::Accept;
            hit.accept = &item;
            hit.cells = ItemCells(item, true);
            members.push_back({hit, commands::KeyOf(item)});
        }
        return members;
    }
    // One user action: the members moved down a row, as one batch.
    bool Move(int count) {
        const GroupPlan plan = PlanGroupMove(Members(count), 1, 0, {kCell});
        GroupBatch group = MakeGroupBatch(*screen, CommandsOf(plan, *screen));
        if (group.refusal || group.batch.Commands().size() != static_cast<std::size_t>(count)) return false;
        return document->Run(*screen, group.batch, sink);
    }
};

GroupFixture& TheFixture() {
    static GroupFixture fixture;
    return fixture;
}

void MoveItems(benchmark::State& state, int count) {
    GroupFixture& fixture = TheFixture();
    if (!fixture.ready) return state.SkipWithError("the bench document could not be made");
    for (auto _ : state) {
        state.PauseTiming();
        fixture.Restore();
        state.ResumeTiming();
        if (!fixture.Move(count)) return state.SkipWithError("the move was refused");
    }
    state.counters["items"] = count;
}

void SingleMove(benchmark::State& state) { MoveItems(state, 1); }
BENCHMARK(SingleMove)->Unit(benchmark::kMillisecond);

void GroupMove(benchmark::State& state) { MoveItems(state, kGroupSize); }
BENCHMARK(GroupMove)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("GroupMove", "SingleMove");
    return 0;
}
