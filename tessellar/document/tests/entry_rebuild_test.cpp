// After every command, undo, redo and hand edit the entry is brought up to
// date without decoding it again. Whatever the change, its items must be
// those a fresh decode and a full apply of the work file give, and the
// messages shown those the full apply gives that the previous one did not.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <set>

#include "tessellar/commands/command_texts.h"
#include "tessellar/commands/item_reference.h"
#include "tessellar/document/tests/document_fixture.h"
#include "tessellar/overrides/apply_section.h"
#include "testsupport/model_text.h"

namespace document::testing {
namespace {

namespace t = commands::texts;
using commands::CommandValue;
using commands::ItemKey;
using Values = std::vector<CommandValue>;
using Random = std::mt19937;

int Pick(Random& random, int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
std::string Number(Random& random, int low, int high) {
    return std::to_string(std::uniform_int_distribution<int>(low, high)(random));
}
std::string Cell(Random& random) { return Number(random, 2, 14) + "," + Number(random, 2, 60); }
CommandValue Word(Random& random, std::initializer_list<const char*> words) {
    return B(*(words.begin() + Pick(random, static_cast<int>(words.size()))));
}
CommandValue Said(Random& random) { return Q("T" + Number(random, 0, 3)); }
CommandValue RunLine(Random& random) { return B("run" + Number(random, 0, 2) + ".sh"); }
CommandValue Type(Random& random) { return Word(random, {"command", "windows", "orvale"}); }

// The key of a random item of a list, or none when the list is empty.
template <typename List>
std::optional<ItemKey> AnyOf(const List& list, Random& random) {
    if (list.Size() == 0) return std::nullopt;
    return commands::KeyOf(list[static_cast<std::size_t>(Pick(random, static_cast<int>(list.Size())))]);
}

struct Made {
    ItemKey key;
    Values values;
};
using Maker = std::function<std::optional<Made>(const model::CScreenModel&, Random&)>;
using MakeValues = std::function<Values(Random&)>;

// Commands on an existing item of one kind, with values made for it.
template <typename List>
Maker On(const List& (model::CScreenModel::*list)() const, MakeValues values) {
    return [list, values](const model::CScreenModel& m, Random& random) -> std::optional<Made> {
        const auto key = AnyOf((m.*list)(), random);
        if (!key) return std::nullopt;
        return Made{*key, values(random)};
    };
}
Maker OnDisplay(MakeValues values) { return On(&model::CScreenModel::Displays, values); }
Maker OnAccept(MakeValues values) { return On(&model::CScreenModel::Accepts, values); }
Maker OnOption(MakeValues values) { return On(&model::CScreenModel::Options, values); }
Maker OnConfirm(MakeValues values) { return On(&model::CScreenModel::Confirms, values); }
Maker OnBox(MakeValues values) { return On(&model::CScreenModel::Boxes, values); }
Maker OnMode(MakeValues values) {
    return [values](const model::CScreenModel& m, Random& random) -> std::optional<Made> {
        const auto key = AnyOf(m.Modes(model::ModeList::Screen), random);
        if (!key) return std::nullopt;
        return Made{*key, values(random)};
    };
}
Maker OnWindow(MakeValues values) {
    return [values](const model::CScreenModel&, Random& random) -> std::optional<Made> {
        return Made{commands::WindowKey(), values(random)};
    };
}
Values None(Random&) { return {}; }
Values Quoted(Random& r) { return {Said(r)}; }
Values At(Random& r) { return {B(Cell(r))}; }
Values GridAt(Random& r) { return {B("5," + Number(r, 3, 60))}; }
Values SizeAt(Random& r) { return {B(Number(r, 1, 20)), B(Cell(r))}; }
Values Order(Random& r) { return {B(Number(r, 1, 4))}; }
Values Picture(Random& r) { return {B("x(" + Number(r, 1, 9) + ")")}; }
// One of the words; with a run line and type after it for a trigger.
MakeValues OneOf(std::initializer_list<const char*> words) {
    return [words = std::vector<const char*>(words)](Random& r) {
        return Values{B(words[static_cast<std::size_t>(Pick(r, static_cast<int>(words.size())))])};
    };
}
MakeValues Trigger(MakeValues point) {
    return [point](Random& r) {
        Values values = point ? point(r) : Values{};
        values.push_back(RunLine(r));
        values.push_back(Type(r));
        return values;
    };
}
const std::initializer_list<const char*> kAcceptPoints = {"before_accept", "after_accept", "on_help"};
const std::initializer_list<const char*> kOptionPoints = {"option", "before_option"};
const std::initializer_list<const char*> kModePoints = {"confirmed", "not_confirmed", "before_confirm",
                                                        "validate_mode"};
const std::initializer_list<const char*> kScreenPoints = {"screen_load", "screen_exit"};

// Every command of the catalogue, with the item and values it is run with.
const std::map<std::string, Maker>& Commands() {
    static const std::map<std::string, Maker> kCommands = {
        {t::kSuppressDisplay, OnDisplay(None)},
        {t::kUnsuppressDisplay, OnDisplay(None)},
        {t::kResetDisplay, OnDisplay(None)},
        {t::kChangeDisplayText, OnDisplay(Quoted)},
        {t::kModifyDisplayTitle, OnDisplay(Quoted)},
        {t::kMoveDisplay, OnDisplay(At)},
        {t::kMoveDisplayAndTrigger, OnDisplay(At)},
        {t::kMoveDatagridDisplay, OnDisplay(GridAt)},
        {t::kResizeDisplay, OnDisplay(SizeAt)},
        {t::kModifyDisplayColor, OnDisplay(OneOf({"Red/white", "blue", "7/1193046"}))},
        {t::kModifyDisplayOrder, OnDisplay(Order)},
        {t::kModifyDisplayPicture, OnDisplay(Picture)},
        {t::kModifyDisplayScale, OnDisplay([](Random& r) { return Values{B(Number(r, 50, 200))}; })},
        {t::kModifyDisplayAttributes, OnDisplay(OneOf({"bold,border", "prompt", "italic"}))},
        {t::kModifyDisplayTrigger, OnDisplay(Trigger(nullptr))},
        {t::kRemoveDisplayTrigger, OnDisplay(None)},
        {t::kSuppressAccept, OnAccept(Quoted)},
        {t::kUnsuppressAccept, OnAccept(None)},
        {t::kResetAccept, OnAccept(None)},
        {t::kReadonlyAccept, OnAccept(Quoted)},
        {t::kRecoverFromReadonlyAccept, OnAccept(None)},
        {t::kChangeAcceptDefault, OnAccept([](Random& r) { return Values{Pick(r, 2) == 0 ? B("today") : Said(r)}; })},
        {t::kModifyAcceptHelp, OnAccept(Quoted)},
        {t::kModifyAcceptAllowAndDisallow, OnAccept([](Random& r) {
             return Values{Word(r, {"allowed", "disallowed"}), Word(r, {"A#M", "X", ""})};
         })},
        {t::kModifyAcceptTitle, OnAccept(Quoted)},
        {t::kModifyAcceptFilter, OnAccept([](Random& r) {
             return Pick(r, 3) == 0 ? Values{} : Values{B("="), Word(r, {"A", "B"})};
         })},
        {t::kModifyAcceptOrder, OnAccept(Order)},
        {t::kModifyAcceptPicture, OnAccept(Picture)},
        {t::kMoveAccept, OnAccept(At)},
        {t::kMoveDatagridAccept, OnAccept(GridAt)},
        {t::kResizeAccept, OnAccept(SizeAt)},
        {t::kModifyAcceptTrigger, OnAccept(Trigger(OneOf(kAcceptPoints)))},
        {t::kRemoveAcceptTrigger, OnAccept(OneOf(kAcceptPoints))},
        {t::kSuppressMenu, OnOption(None)},
        {t::kUnsuppressMenu, OnOption(None)},
        {t::kChangeMenuText, OnOption(Quoted)},
        {t::kModifyMenuHelp, OnOption(Quoted)},
        {t::kMoveMenu, OnOption(At)},
        {t::kModifyMenuTrigger, OnOption(Trigger(OneOf(kOptionPoints)))},
        {t::kRemoveMenuTrigger, OnOption(OneOf(kOptionPoints))},
        {t::kSuppressMode, OnMode(None)},
        {t::kUnsuppressMode, OnMode(None)},
        {t::kModifyModeText, OnMode(Quoted)},
        {t::kModifyModeHelp, OnMode(Quoted)},
        {t::kAddMode,
         [](const model::CScreenModel& m, Random& random) -> std::optional<Made> {
             const auto key = AnyOf(m.Modes(model::ModeList::ProgramWide), random);
             if (!key) return std::nullopt;
             return Made{*key, {}};
         }},
        {t::kModifyModeTrigger, OnMode(Trigger(OneOf(kModePoints)))},
        {t::kRemoveModeTrigger, OnMode(OneOf(kModePoints))},
        {t::kSuppressConfirm, OnConfirm([](Random& r) { return Pick(r, 2) == 0 ? Values{} : Values{B("false")}; })},
        {t::kModifyConfirmText, OnConfirm(Quoted)},
        {t::kModifyConfirmDefault, OnConfirm(OneOf({"yes", "no"}))},
        {t::kResetConfirm, OnConfirm(None)},
        {t::kModifyScreenTitle, OnWindow(Quoted)},
        {t::kResetScreenTitle, OnWindow(None)},
        {t::kResizeTheWindow,
         OnWindow([](Random& r) { return Values{B(Number(r, 60, 80) + "," + Number(r, 15, 22))}; })},
        {t::kModifyScreenDefaultMode, OnWindow(OneOf({"ADD", "FIND", "reset"}))},
        {t::kModifyScreenTrigger, OnWindow(Trigger(OneOf(kScreenPoints)))},
        {t::kRemoveScreenTrigger, OnWindow(OneOf(kScreenPoints))},
        {t::kAddField, OnWindow([](Random& r) {
             return Values{Word(r, {"CUST-SINCE", "COMPANY-NAME", "ITEM-DESC"}), B(Cell(r))};
         })},
        {t::kAddDatagridField, OnWindow([](Random& r) {
             return Values{Word(r, {"ITEM-DESC", "ORDER-NO"}), B("5," + Number(r, 3, 70))};
         })},
        {t::kAddPrompt, OnWindow([](Random& r) {
             return Values{Said(r), B(Cell(r))};
         })},
        {t::kAddUserDefinedField, OnWindow([](Random& r) {
             return Values{B(Number(r, 30, 40)), B(Cell(r)), B("x(5)")};
         })},
        {t::kAddBox, OnWindow([](Random& r) {
             return Values{B("2," + Number(r, 2, 9)), B("6," + Number(r, 20, 40)), Said(r)};
         })},
        {t::kSuppressBox, OnBox(None)},
        {t::kUnsuppressBox, OnBox(None)},
        {t::kModifyBoxTitle, OnBox(Quoted)},
        {t::kResetBox, OnBox(None)},
        {t::kMovingOrResizingBox, OnBox([](Random& r) {
             return Values{B("3," + Number(r, 2, 9)), B("9," + Number(r, 20, 60))};
         })},
        {t::kModifyMessageText,
         [](const model::CScreenModel& m, Random& random) -> std::optional<Made> {
             if (m.Messages().Empty()) return std::nullopt;
             const std::size_t at = static_cast<std::size_t>(Pick(random, static_cast<int>(m.Messages().Size())));
             return Made{commands::MessageKey(m.Messages()[at].text.Original()), {Said(random)}};
         }},
    };
    return kCommands;
}

// The messages a sink shows after an apply that gave `now`, when the one
// before gave `before`: each earlier message stands for one later one.
std::vector<std::string> NewMessages(std::vector<std::string> before, const std::vector<std::string>& now) {
    std::vector<std::string> fresh;
    for (const std::string& message : now) {
        const auto seen = std::find(before.begin(), before.end(), message);
        if (seen == before.end()) {
            fresh.push_back(message);
        } else {
            before.erase(seen);
        }
    }
    return fresh;
}

class RebuiltEntries : public DemoDocument {
protected:
    void SetUp() override {
        Open(true);
        for (const program::DirectoryRow& row : page_.Rows()) {
            model::CScreenModel& model = Entry(row.name);
            entries_.push_back(&model);
            given_[&model] = Reference(model).second;
        }
        sink_.Clear();
    }

    // The entry decoded afresh with its work file applied in full, and the
    // messages that gave.
    std::pair<std::string, std::vector<std::string>> Reference(const model::CScreenModel& live) {
        model::CScreenModel fresh(live.Name(), live.Identifier(), live.Image(), live.Entry(), live.ProgramModes(),
                                  live.Kind());
        platform::RecordingMessageSink given;
        PrepareEntry(fresh, document_.Inputs(), given);
        if (!live.OverridePath().empty()) overrides::ApplySectionText(fresh, WorkFile(live), given);
        return {testsupport::ModelText(fresh), given.Messages()};
    }

    // The entry after a step that rebuilt it is what a full reload gives,
    // and showed what a full reload would have shown anew.
    void ExpectRebuilt(model::CScreenModel& model, const std::string& step) {
        const auto [items, messages] = Reference(model);
        ASSERT_EQ(testsupport::FirstDifference(testsupport::ModelText(model), items), "") << step << "\nwork file:\n"
                                                                                          << WorkFile(model);
        EXPECT_EQ(sink_.Messages(), NewMessages(given_[&model], messages)) << step;
        given_[&model] = messages;
        sink_.Clear();
    }

    // Runs a command made for the entry; false when it cannot be made there
    // or is refused.
    bool RunMade(model::CScreenModel& model, const std::string& name, Random& random) {
        const std::optional<Made> made = Commands().at(name)(model, random);
        if (!made) return false;
        commands::MadeCommand command = commands::MakeCommand(model, name, made->key, made->values);
        if (!command.command) return false;
        if (document_.Run(model, *command.command, sink_)) return true;
        sink_.Clear();
        return false;
    }

    // A hand edit that changes the work file anywhere, not only where
    // commands write: a line dropped, the lines before doubled, a long or
    // "\r\n" line, a block, or one whose applying gives a message.
    bool HandEdit(model::CScreenModel& model, Random& random) {
        std::string text = WorkFile(model);
        const std::size_t at = text.empty() ? 0 : static_cast<std::size_t>(Pick(random, static_cast<int>(text.size())));
        const std::size_t lineStart = text.rfind('\n', at) == std::string::npos ? 0 : text.rfind('\n', at) + 1;
        switch (Pick(random, 7)) {
            case 0: text.erase(lineStart, text.find('\n', lineStart) - lineStart + 1); break;
            case 1: text.insert(lineStart, text.substr(0, lineStart)); break;
            case 2: text.insert(lineStart, "\ttext = \"" + std::string(600, 'w') + "\"\n"); break;
            case 3: text.insert(at, "\r\n\tsuppress = true\r\n"); break;
            case 4: text.insert(lineStart, "display\n\t{\n\ttag = 21\n\tscale = 150\n\t}\n"); break;
            case 5: text.insert(lineStart, "message\n\t{\n\torig_text = \"None\"\n\ttext = \"x\"\n\t}\n"); break;
            case 6:
                text.insert(lineStart, "accept\n\t{\n\tname = CUST-NAME\n\tallowed = A\n\tdisallowed = B\n\t}\n");
                break;
        }
        return document_.EditScreenFile(
                   model, [&text](const std::string& copy) { WriteFile(copy, text); }, sink_) == EditResult::Applied;
    }

    std::vector<model::CScreenModel*> entries_;
    std::map<const model::CScreenModel*, std::vector<std::string>> given_;
};

// Every command the catalogue has, on every entry that has an item for it,
// then undone and redone: each catalogue command runs somewhere.
TEST_F(RebuiltEntries, EveryCommandUndoAndRedoGiveWhatAFullReloadGives) {
    Random random(7);
    std::set<std::string> ran;
    for (const std::string& name : commands::CatalogueNames()) {
        ASSERT_EQ(Commands().count(name), 1u) << "no values for " << name;
        for (model::CScreenModel* model : entries_) {
            if (!RunMade(*model, name, random)) continue;
            ran.insert(name);
            ExpectRebuilt(*model, name + " on " + model->Name());
            ASSERT_TRUE(document_.Undo(*model, sink_));
            ExpectRebuilt(*model, "undo " + name + " on " + model->Name());
            ASSERT_TRUE(document_.Redo(*model, sink_));
            ExpectRebuilt(*model, "redo " + name + " on " + model->Name());
        }
    }
    for (const std::string& name : commands::CatalogueNames()) EXPECT_EQ(ran.count(name), 1u) << name << " never ran";
}

// Random commands, undo and redo of several steps, and hand edits, on
// random entries; the sections grow and change anywhere.
TEST_F(RebuiltEntries, RandomSequencesGiveWhatAFullReloadGivesAfterEveryStep) {
    const std::vector<std::string>& names = commands::CatalogueNames();
    for (const unsigned seed : {1u, 2u, 3u}) {
        Random random(seed);
        for (int step = 0; step < 300; ++step) {
            model::CScreenModel& model =
                *entries_[static_cast<std::size_t>(Pick(random, static_cast<int>(entries_.size())))];
            const int what = Pick(random, 20);
            std::string label =
                "seed " + std::to_string(seed) + " step " + std::to_string(step) + " on " + model.Name() + ": ";
            bool rebuilt = false;
            if (what < 14) {
                const std::string& name = names[static_cast<std::size_t>(Pick(random, static_cast<int>(names.size())))];
                label += name;
                rebuilt = RunMade(model, name, random);
            } else if (what < 16) {
                document_.ChooseUndoCount(model, Pick(random, 3));
                label += "undo";
                rebuilt = document_.Undo(model, sink_);
            } else if (what < 18) {
                document_.ChooseRedoCount(model, Pick(random, 3));
                label += "redo";
                rebuilt = document_.Redo(model, sink_);
            } else {
                label += "hand edit";
                rebuilt = HandEdit(model, random);
            }
            if (rebuilt) ExpectRebuilt(model, label);
            sink_.Clear();
            if (HasFatalFailure()) return;
        }
    }
}

}  // namespace
}  // namespace document::testing
