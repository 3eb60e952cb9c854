#include "tools/opimage/synthetic_program.h"

#include <cstdio>
#include <string>

namespace opimage {

namespace {

constexpr int kKinds = 5;
constexpr int kFieldsPerScreen = 4;

std::string Numbered(const char* prefix, int number) {
    char name[32];
    std::snprintf(name, sizeof name, "%s%05d", prefix, number);
    return name;
}

// Prompts and fields on alternate rows; every entry reuses the shared
// globals and has one field of its own.
void AddFields(Entry& entry, int number, StatementList& into, std::uint32_t firstRow) {
    entry.locals.push_back({.name = Numbered("L", number), .sizeWord = 12});
    for (int i = 0; i < kFieldsPerScreen; ++i) {
        const auto row = static_cast<std::uint32_t>(firstRow + 2 * i);
        const std::string field = i == 0 ? entry.locals.front().name : "G" + std::to_string(i);
        into.push_back(Display({.row = row, .column = 2, .text = Text("Field " + std::to_string(i) + ":"),
                                .attributes = 0x200}));
        into.push_back(Accept({.row = row, .column = 20, .variable = field,
                               .help = Text("Enter field " + std::to_string(i) + " of " + entry.name),
                               .title = Text("Field " + std::to_string(i))}));
    }
}

Entry MakeEntry(int number) {
    Entry entry{.name = Numbered("E", number), .title = Text("Entry " + std::to_string(number))};
    switch (number % kKinds) {
        case 0:  // screen
            entry.modes = {"ADD", "CHANGE", "DELETE"};
            entry.variableGroup = VariableGroup{.name = "GROUP", .variables = {"G1", "G2"}};
            AddFields(entry, number, entry.body, 3);
            entry.body.push_back(Box({.top = 2, .left = 1, .bottom = 12, .right = 78, .title = Text("Details")}));
            entry.body.push_back(TwoBranch({Message({Text("Record saved for "), Var("G1")})},
                                           {Abort({Text("Record not found")})}));
            break;
        case 1:  // review screen
            entry.reviewWord = kReviewScreen;
            entry.reviewFirstRow = 8;
            entry.reviewBoxHeight = 1;
            entry.reviewRepeat = 10;
            entry.modes = {"ADD", "FIND"};
            AddFields(entry, number, entry.body, 2);
            entry.detail.push_back(Accept({.row = 8, .column = 2, .variable = "G1"}));
            entry.detail.push_back(Display({.row = 8, .column = 20, .text = Var("G2")}));
            break;
        case 2:  // data grid
            entry.reviewWord = kDataGrid;
            entry.reviewFirstRow = 4;
            entry.reviewBoxHeight = 1;
            entry.reviewRepeat = 15;
            for (int i = 1; i <= kFieldsPerScreen; ++i) {
                entry.detail.push_back(Display({.row = 4, .column = static_cast<std::uint32_t>(12 * i),
                                                .text = Var("G" + std::to_string(i % kFieldsPerScreen)),
                                                .longForm = true,
                                                .columnTitle = Text("Column " + std::to_string(i))}));
            }
            break;
        case 3:  // menu
            entry.kind = EntryKind::Menu;
            for (int i = 0; i < kFieldsPerScreen; ++i) {
                entry.body.push_back(Option({.row = static_cast<std::uint32_t>(3 + i), .column = 10,
                                             .text = Text("Option " + std::to_string(i)),
                                             .help = Text("Choose option " + std::to_string(i))}));
            }
            entry.body.push_back(Confirm({.row = 20, .column = 10, .question = {.text = "Leave the menu?"},
                                          .defaultAnswer = 'N'}));
            break;
        default:  // procedure
            entry.kind = EntryKind::Procedure;
            entry.variableGroup = VariableGroup{.name = "GROUP", .variables = {"G1", "G2"}};
            entry.body.push_back(Block({Acknowledge({Text("Run finished")}, Text("Press Return"))}));
            entry.body.push_back(Print({.row = 1, .column = 1, .value = Var("G3")}));
            break;
    }
    return entry;
}

}  // namespace

Program SyntheticProgram(int entryCount) {
    Program program;
    for (int i = 0; i < kFieldsPerScreen; ++i) {
        program.globals.push_back({.name = "G" + std::to_string(i), .sizeWord = 20});
    }
    for (const char* mode : {"ADD", "CHANGE", "DELETE", "FIND"}) {
        program.modes.push_back({.name = mode, .label = Text(mode), .help = Text(std::string("Help for ") + mode)});
    }
    for (int number = 0; number < entryCount; ++number) program.entries.push_back(MakeEntry(number));
    return program;
}

}  // namespace opimage
