#include "tessellar/sheets/item_sheet_plans.h"

#include "tessellar/commands/command_texts.h"
#include "tessellar/sheets/sheet_texts.h"

namespace sheets {

namespace {

namespace names = commands::texts;

SheetStep Step(const char* name, std::vector<commands::CommandValue> values = {},
               StepTarget target = StepTarget::Item) {
    return {name, std::move(values), target, {}};
}

commands::CommandValue Value(std::string text) { return {std::move(text), false}; }

// A reset takes the whole block away: the label, the help line and the
// suppression all go back to the program's.
commands::CommandValue RemoveForm() { return Value("remove"); }

// The label, help line and suppression of an option or a mode.
void PlanLabel(const LabelSheetInput& input, const char* textCommand, const char* helpCommand, SheetPlan& plan) {
    if (TextChanged(input.opened.text, input.edited.text)) plan.push_back(Step(textCommand, {Value(input.edited.text)}));
    if (TextChanged(input.opened.help, input.edited.help)) plan.push_back(Step(helpCommand, {Value(input.edited.help)}));
}

}  // namespace

SheetPlan PlanMenuSheet(const LabelSheetInput& input) {
    SheetPlan plan;
    if (input.resetRequested) {
        plan.push_back(Step(names::kUnsuppressMenu, {RemoveForm()}));
        return plan;
    }
    PlanLabel(input, names::kChangeMenuText, names::kModifyMenuHelp, plan);
    if (input.edited.suppressed && !input.opened.suppressed) plan.push_back(Step(names::kSuppressMenu));
    return plan;
}

SheetPlan PlanModeSheet(const LabelSheetInput& input, bool fromList, const std::string& modeIdentifier) {
    SheetPlan plan;
    if (input.resetRequested) {
        plan.push_back(Step(names::kUnsuppressMode, {RemoveForm()}));
        return plan;
    }
    PlanLabel(input, names::kModifyModeText, names::kModifyModeHelp, plan);
    if (input.edited.suppressed && !input.opened.suppressed) {
        plan.push_back(Step(names::kSuppressMode));
    } else if (fromList && !input.edited.suppressed && input.opened.suppressed) {
        plan.push_back(Step(names::kUnsuppressMode));
    }
    if (!fromList && input.edited.screenDefault != input.opened.screenDefault) {
        // The window's default line names the mode; its reset form clears it.
        plan.push_back(Step(names::kModifyScreenDefaultMode,
                            {Value(input.edited.screenDefault ? modeIdentifier : std::string("reset"))},
                            StepTarget::Window));
    }
    return plan;
}

int AnswerOf(const std::string& defaultAnswer) {
    if (defaultAnswer == texts::kAnswerYes) return kAnswerYes;
    if (defaultAnswer == texts::kAnswerNo) return kAnswerNo;
    return kNoAnswer;
}

SheetPlan PlanConfirmSheet(const ConfirmSheetInput& input) {
    SheetPlan plan;
    if (input.resetRequested) {
        plan.push_back(Step(names::kResetConfirm));
        return plan;
    }
    if (TextChanged(input.opened.text, input.edited.text)) {
        plan.push_back(Step(names::kModifyConfirmText, {Value(input.edited.text)}));
    }
    if (input.edited.answer != input.opened.answer && input.edited.answer != kNoAnswer) {
        plan.push_back(Step(names::kModifyConfirmDefault,
                            {Value(input.edited.answer == kAnswerYes ? texts::kAnswerYes : texts::kAnswerNo)}));
    }
    if (input.edited.suppressed != input.opened.suppressed) {
        plan.push_back(input.edited.suppressed ? Step(names::kSuppressConfirm)
                                               : Step(names::kSuppressConfirm, {Value("false")}));
    }
    return plan;
}

SheetPlan PlanBoxSheet(const BoxSheetInput& input) {
    SheetPlan plan;
    if (input.resetRequested) {
        plan.push_back(Step(names::kResetBox));
        return plan;
    }
    if (TextChanged(input.opened.title, input.edited.title)) {
        plan.push_back(Step(names::kModifyBoxTitle, {Value(input.edited.title)}));
    }
    if (input.edited.suppressed && !input.opened.suppressed) plan.push_back(Step(names::kSuppressBox));
    return plan;
}

SheetPlan PlanScreenTitleSheet(const std::string& opened, const std::string& edited, bool resetRequested) {
    SheetPlan plan;
    if (resetRequested) {
        plan.push_back(Step(names::kResetScreenTitle, {}, StepTarget::Window));
    } else if (TextChanged(opened, edited)) {
        plan.push_back(Step(names::kModifyScreenTitle, {Value(edited)}, StepTarget::Window));
    }
    return plan;
}

}  // namespace sheets
