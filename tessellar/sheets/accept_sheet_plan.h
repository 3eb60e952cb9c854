#pragma once
// What OK on the entry field sheet does, decided before anything runs: the
// commands in their fixed order and the refusals shown between them. The
// plan is made from the field as it was when the sheet opened, because
// running a command rebuilds the screen's items.

#include <string>
#include <vector>

#include "tessellar/commands/command_catalogue.h"
#include "tessellar/commands/value_list_check.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/sheets/filter_comparison.h"

namespace sheets {

// Where the Field Title page's text goes: the field's own title, or the
// text of the prompt beside a field that has no title of its own.
struct FieldTitleTarget {
    bool promptBeside = false;
    commands::ItemKey promptKey;  // when promptBeside
    std::string text;             // the title or prompt text as it is now
    std::string original;         // and as the program gives it
};

// The prompt that titles an untitled field: the nearest prompt before the
// field on its row. None for a titled field, or when no prompt is there.
const model::CDispText* PromptBeside(const model::CScreenModel& screen, const model::CAcceptFld& field);
FieldTitleTarget TitleTargetOf(const model::CScreenModel& screen, const model::CAcceptFld& field);

// The default value and where it comes from, as the Default Value page holds them.
enum class DefaultSource : int { Literal = 0, Field = 1, Function = 2 };

// The user value list the field holds now (empty with sense 0 when none).
std::vector<commands::ListValue> UserListOf(const model::CAcceptFld& field);
// Gives the field a user list, as applying its statement would; an empty
// list leaves the field with the program's lists only.
void PutUserList(model::CAcceptFld& field, const std::vector<commands::ListValue>& values, int sense);

// What the pages hold when OK is pressed.
struct AcceptSheetEdits {
    bool resetRequested = false;
    std::vector<commands::ListValue> userList;
    int userListSense = 0;  // model::kUserListAllowed or kUserListDisallowed
    bool hasFilterPage = false;
    FilterSetting filter;
    std::string help;
    std::string title;
    std::string defaultValue;
    DefaultSource defaultSource = DefaultSource::Literal;
    bool hasColumnPage = false;
    std::string columnNumber;
    std::string picture;
    bool readOnly = false;
    bool suppress = false;
};

// How long a value of the field may be: a text field's length, else its width.
std::size_t FieldLengthOf(const model::CAcceptFld& field);

// The program's own allowed values of the field.
std::vector<commands::ListValue> ProgramAllowedValues(const model::CAcceptFld& field);

// The pages' values for the field as it is: what the sheet opens with.
AcceptSheetEdits EditsOf(const model::CAcceptFld& field, const FieldTitleTarget& title);

// One step of OK: a command by its catalogue name, or (with `command`
// empty) a refusal to show.
struct SheetAction {
    std::string command;
    commands::ItemKey key;
    std::vector<commands::CommandValue> values;
    std::string refusal;
};

std::vector<SheetAction> PlanAcceptSheet(const model::CAcceptFld& field, const FieldTitleTarget& title,
                                         const AcceptSheetEdits& edits);

}  // namespace sheets
