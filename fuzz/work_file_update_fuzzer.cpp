// Reads arbitrary bytes as a section work file: applies them to each entry
// of a small program (override_apply_program.opt), then updates and removes
// blocks in place for the entry's items under every kind of selector, and
// runs the save-time filter over the text. Whatever the bytes, this must
// end without a crash, a hang or a read outside any buffer, and an update
// that matched nothing must leave the text as the line reader gives it.
// The same changes run as one action on the held work file, through its
// block index, must match the same blocks and leave the same bytes as
// passes over the whole text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/commands/item_reference.h"
#include "tessellar/overrides/apply_section.h"
#include "tessellar/overrides/block_update.h"
#include "tessellar/overrides/held_work_file.h"
#include "tessellar/overrides/line_reader.h"
#include "tessellar/overrides/override_format.h"
#include "tessellar/overrides/save_filter.h"
#include "tessellar/program/directory_page.h"
#include "tessellar/program/image/program_loader.h"
#include "tessellar/program/screen_decoder.h"
#include "testsupport/file_text.h"
#include "testsupport/scratch_directory.h"

namespace {

const program::ProgramImage& TheProgram() {
    static const std::unique_ptr<program::ProgramImage> program = [] {
        platform::RecordingMessageSink sink;
        auto image = program::LoadProgram(TESSELLAR_FUZZ_PROGRAM, sink);
        if (!image) std::abort();
        return std::make_unique<program::ProgramImage>(std::move(*image));
    }();
    return *program;
}

// The text as the line reader hands it on (line ends and NULs normalised).
std::string AsRead(const std::string& text) {
    std::istringstream in(text);
    overrides::LineReader reader(in);
    std::string all;
    std::string line;
    while (reader.Next(line)) all += line;
    return all;
}

std::vector<commands::ItemKey> KeysOf(const model::CScreenModel& model) {
    std::vector<commands::ItemKey> keys{commands::WindowKey()};
    for (const auto& item : model.Displays()) keys.push_back(commands::KeyOf(item));
    for (const auto& item : model.Accepts()) keys.push_back(commands::KeyOf(item));
    for (const auto& item : model.Options()) keys.push_back(commands::KeyOf(item));
    for (const auto& item : model.Modes()) keys.push_back(commands::KeyOf(item));
    for (const auto& item : model.Boxes()) keys.push_back(commands::KeyOf(item));
    for (const auto& item : model.Confirms()) keys.push_back(commands::KeyOf(item));
    return keys;
}

// One change of an action: an update of the target's block, its removal,
// or a block appended for the key.
struct Change {
    commands::ItemKey key;
    overrides::BlockTarget target;
    int what;  // 0 update, 1 remove, 2 append
};

// The changes on the text as single commands make them: each a pass over
// the whole text (an append as AppendBlock adds to a file).
std::string OneByOne(model::CScreenModel& model, std::string text, const std::vector<Change>& changes,
                     overrides::PropertySelector selector, std::vector<bool>& matched) {
    for (const Change& change : changes) {
        if (change.what == 2) {
            if (!text.empty() && text.back() != '\n') text += '\n';
            text += overrides::format::KeywordLine(change.target.kind) + overrides::format::BlockOpenLine() +
                    commands::IdentifierLines(change.key) + "\ttitle = \"added\"\n" +
                    overrides::format::BlockCloseLine();
            continue;
        }
        std::istringstream in(text);
        std::ostringstream out;
        matched.push_back(change.what == 0 ? overrides::UpdateBlockStream(model, in, out, change.target, selector,
                                                                          "\ttitle = \"fuzz\"\n")
                                           : overrides::RemoveBlockStream(model, in, out, change.target));
        text = out.str();
    }
    return text;
}

// The same changes as one action on the held work file.
std::string AsOneAction(model::CScreenModel& model, const std::string& text, const std::vector<Change>& changes,
                        overrides::PropertySelector selector, std::vector<bool>& matched) {
    static const testsupport::ScratchDirectory scratch;
    const std::string path = (scratch.Path() / "section.scf").string();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    model.SetOverridePath(path);
    platform::RecordingMessageSink sink;
    {
        overrides::HeldWorkFile held(path);
        for (const Change& change : changes) {
            if (change.what == 2) {
                overrides::AppendBlock(path, change.target.kind,
                                       {commands::IdentifierLines(change.key), "\ttitle = \"added\"\n"});
                continue;
            }
            matched.push_back(change.what == 0
                                  ? overrides::UpdateBlockInPlace(model, change.target, selector,
                                                                  "\ttitle = \"fuzz\"\n", sink)
                                  : overrides::RemoveBlock(model, change.target, sink));
        }
        if (!held.Write(sink)) std::abort();
    }
    model.SetOverridePath({});
    return testsupport::ReadFile(path);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte chooses the selector and the trigger point.
    const int selector = 1 + data[0] % 28;
    const int point = 5 + (data[0] / 28) % 22;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string asRead = AsRead(text);

    platform::RecordingMessageSink sink;
    program::DirectoryPage page(program::BrowserPage::All);
    program::FillDirectoryPage(page, TheProgram(), "", sink);
    for (const auto& entry : page.Models()) {
        model::CScreenModel& model = *entry;
        program::DecodeScreen(model, sink);
        std::istringstream section(text);
        overrides::ApplySectionStream(model, section, sink);
        std::vector<Change> changes;
        unsigned turn = data[size - 1];
        for (const commands::ItemKey& key : KeysOf(model)) {
            if (changes.size() >= 24) break;
            const overrides::BlockTarget target = turn % 2 == 0 ? commands::TargetOf(key)
                                                                : commands::TriggerTargetOf(key, point);
            changes.push_back({key, target, turn % 5 == 3 ? 1 : 0});
            if (turn % 7 == 2) changes.push_back({key, commands::TargetOf(key), 2});
            if (turn % 3 == 1) changes.push_back({key, commands::TargetOf(key), 0});
            turn = (turn * 31 + 7) % 9973;
        }
        std::vector<bool> singleMatched;
        std::vector<bool> actionMatched;
        const auto chosen = static_cast<overrides::PropertySelector>(selector);
        if (OneByOne(model, text, changes, chosen, singleMatched) !=
                AsOneAction(model, text, changes, chosen, actionMatched) ||
            singleMatched != actionMatched) {
            std::abort();
        }
        std::size_t tried = 0;
        for (const commands::ItemKey& key : KeysOf(model)) {
            if (++tried > 16) break;
            for (const overrides::BlockTarget& target : {commands::TargetOf(key), commands::TriggerTargetOf(key, point)}) {
                std::istringstream in(text);
                std::ostringstream out;
                const bool matched = overrides::UpdateBlockStream(model, in, out, target,
                                                                  static_cast<overrides::PropertySelector>(selector),
                                                                  "\ttitle = \"fuzz\"\n");
                if (!matched && out.str() != asRead) std::abort();
                std::istringstream again(text);
                std::ostringstream removed;
                overrides::RemoveBlockStream(model, again, removed, target);
                if (removed.str().size() > asRead.size()) std::abort();
            }
        }
    }
    std::istringstream in(text);
    std::ostringstream kept;
    overrides::FilterSectionForSave(in, kept);
    if (kept.str().size() > asRead.size()) std::abort();
    return 0;
}
