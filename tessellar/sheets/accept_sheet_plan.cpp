#include "tessellar/sheets/accept_sheet_plan.h"

#include <algorithm>

#include "tessellar/commands/command_checks.h"
#include "tessellar/commands/command_texts.h"
#include "tessellar/commands/item_reference.h"
#include "tessellar/commands/value_list_check.h"
#include "tessellar/model/display_text.h"
#include "tessellar/overrides/override_texts.h"
#include "tessellar/pictures/size_word.h"
#include "tessellar/program/program_texts.h"
#include "tessellar/sheets/user_value_list.h"

namespace sheets {

namespace {

namespace names = commands::texts;
using commands::CommandValue;

CommandValue Quoted(std::string text) { return {std::move(text), true}; }
CommandValue Bare(std::string text) { return {std::move(text), false}; }

// The field's lists as they will be once the edited user list is stored,
// so that the default is checked against the list OK is about to write.
commands::Refusal CheckDefaultWithUserList(const model::CAcceptFld& field, const AcceptSheetEdits& edits) {
    model::CAcceptFld lists;
    lists.sizeWord = field.sizeWord;
    lists.allowed.SetBoth(field.allowed.Original());
    lists.disallowed.SetBoth(field.disallowed.Original());
    PutUserList(lists, edits.userList, edits.userListSense);
    return commands::CheckDefaultInLists(lists, edits.defaultValue, edits.defaultSource == DefaultSource::Literal);
}

}  // namespace

const model::CDispText* PromptBeside(const model::CScreenModel& screen, const model::CAcceptFld& field) {
    if (field.titled) return nullptr;
    const model::CellPosition at = field.position.Current();
    const model::CDispText* nearest = nullptr;
    for (const model::CDispText& display : screen.Displays()) {
        const model::CellPosition where = display.position.Current();
        if (display.dataDisplay || display.suppressed.Current() || where.row != at.row || where.column >= at.column) {
            continue;
        }
        if (nearest == nullptr || where.column > nearest->position.Current().column) nearest = &display;
    }
    return nearest;
}

FieldTitleTarget TitleTargetOf(const model::CScreenModel& screen, const model::CAcceptFld& field) {
    if (const model::CDispText* prompt = PromptBeside(screen, field)) {
        return {true, commands::KeyOf(*prompt), prompt->text.Current(), prompt->text.Original()};
    }
    return {false, {}, field.title.Current(), field.title.Original()};
}

std::size_t FieldLengthOf(const model::CAcceptFld& field) {
    if (!pictures::IsNumeric(field.sizeWord) && field.sizeWord != 0) return pictures::TextLength(field.sizeWord);
    return static_cast<std::size_t>(std::max(field.width.Current(), 0));
}

std::vector<commands::ListValue> ProgramAllowedValues(const model::CAcceptFld& field) {
    // Numbers come with the blank their sign would take; the pages show and copy them without.
    std::vector<commands::ListValue> values =
        commands::CompiledListValues(field.allowed.Original(), program::texts::kAllowedPrefix);
    for (commands::ListValue& value : values) {
        value = {std::string(WithoutBlanks(value.low)), std::string(WithoutBlanks(value.high))};
    }
    return values;
}

std::vector<commands::ListValue> UserListOf(const model::CAcceptFld& field) {
    if (field.userListSense == model::kUserListAllowed) return commands::UserListValues(field.allowed.Current());
    if (field.userListSense == model::kUserListDisallowed) return commands::UserListValues(field.disallowed.Current());
    return {};
}

void PutUserList(model::CAcceptFld& field, const std::vector<commands::ListValue>& values, int sense) {
    field.allowed.Reset();
    field.disallowed.Reset();
    field.userListSense = 0;
    if (values.empty()) return;
    field.userListSense = sense;
    if (sense == model::kUserListAllowed) field.allowed.SetCurrent(UserListText(values));
    if (sense == model::kUserListDisallowed) field.disallowed.SetCurrent(UserListText(values));
}

AcceptSheetEdits EditsOf(const model::CAcceptFld& field, const FieldTitleTarget& title) {
    AcceptSheetEdits edits;
    edits.userList = UserListOf(field);
    edits.userListSense = field.userListSense != 0 ? field.userListSense : model::kUserListAllowed;
    edits.hasFilterPage = field.inReviewArea;
    edits.filter = FilterOfText(field.filter.Current());
    edits.help = field.help.Current();
    edits.title = title.text;
    edits.defaultValue = field.defaultValue.Current();
    edits.defaultSource = static_cast<DefaultSource>(field.defaultKind.Current());
    edits.hasColumnPage = field.inReviewArea;
    edits.columnNumber = field.columnNumber.Current();
    edits.picture = field.picture.Current();
    edits.readOnly = field.readOnly.Current();
    edits.suppress = field.suppressed.Current();
    return edits;
}

std::vector<SheetAction> PlanAcceptSheet(const model::CAcceptFld& field, const FieldTitleTarget& title,
                                         const AcceptSheetEdits& edits) {
    const commands::ItemKey key = commands::KeyOf(field);
    std::vector<SheetAction> plan;
    auto issue = [&](const char* name, std::vector<CommandValue> values = {}) {
        plan.push_back({name, key, std::move(values), {}});
    };
    auto refuse = [&](std::string message) { plan.push_back({{}, {}, {}, std::move(message)}); };

    if (edits.resetRequested) {
        issue(names::kResetAccept);
        return plan;
    }

    // The user value list and its sense.
    const int oldSense = field.userListSense;
    const std::string oldList = UserListText(UserListOf(field));
    const std::string newList = UserListText(edits.userList);
    // A sense chosen for no list at all is no change.
    const bool senseChanged = edits.userListSense != oldSense && !(oldSense == 0 && newList.empty());
    const bool listChanged = newList != oldList || senseChanged;
    if (listChanged) {
        const bool allowed = edits.userListSense == model::kUserListAllowed;
        issue(names::kModifyAcceptAllowAndDisallow,
              {Bare(allowed ? overrides::texts::kAllowed : overrides::texts::kDisallowed), Bare(newList)});
    }

    if (edits.hasFilterPage && !(edits.filter == FilterOfText(field.filter.Current()))) {
        issue(names::kModifyAcceptFilter, FilterCommandValues(edits.filter));
    }

    if (edits.help != field.help.Current()) issue(names::kModifyAcceptHelp, {Quoted(edits.help)});

    if (!edits.title.empty() && edits.title != title.text) {
        if (title.promptBeside) {
            plan.push_back({names::kChangeDisplayText, title.promptKey, {Quoted(edits.title)}, {}});
        } else {
            issue(names::kModifyAcceptTitle, {Quoted(edits.title)});
        }
    }

    // The default in force for read-only and hiding: the new one once accepted.
    std::string defaultValue = field.defaultValue.Current();
    bool literal = field.defaultKind.Current() == static_cast<int>(DefaultSource::Literal);
    if (edits.defaultValue != field.defaultValue.Current() ||
        static_cast<int>(edits.defaultSource) != field.defaultKind.Current()) {
        if (const commands::Refusal refusal = CheckDefaultWithUserList(field, edits)) {
            refuse(*refusal);
        } else {
            defaultValue = edits.defaultValue;
            literal = edits.defaultSource == DefaultSource::Literal;
            issue(names::kChangeAcceptDefault, {{defaultValue, literal}});
        }
    }

    if (edits.hasColumnPage && !edits.columnNumber.empty() && edits.columnNumber != field.columnNumber.Current()) {
        issue(names::kModifyAcceptOrder, {Bare(edits.columnNumber)});
    }

    if (!edits.picture.empty() && edits.picture != field.picture.Current()) {
        issue(names::kModifyAcceptPicture, {Bare(edits.picture)});
    }

    if (edits.readOnly != field.readOnly.Current()) {
        if (!edits.readOnly) {
            issue(names::kRecoverFromReadonlyAccept);
        } else if (const commands::Refusal refusal = commands::CheckBlockDefault(defaultValue)) {
            refuse(*refusal);
        } else {
            issue(names::kReadonlyAccept, {{defaultValue, literal}});
        }
    }

    if (edits.suppress && !field.suppressed.Current()) {
        if (const commands::Refusal refusal = commands::CheckHideDefault(defaultValue)) {
            refuse(*refusal);
        } else {
            issue(names::kSuppressAccept, {{defaultValue, literal}});
        }
    }
    return plan;
}

}  // namespace sheets
