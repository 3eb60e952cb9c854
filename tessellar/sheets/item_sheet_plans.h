#pragma once
// OK of the smaller sheets: menu option, mode, confirm, box and screen
// title. Each takes the values its pages showed when the sheet opened and
// the values they hold now.

#include <string>

#include "tessellar/sheets/sheet_plan.h"

namespace sheets {

// The page values of a menu option or a mode (Text, Tool Tip, Attributes).
struct LabelSheetValues {
    std::string text;
    std::string help;
    bool suppressed = false;
    bool screenDefault = false;  // modes from the canvas only
};

struct LabelSheetInput {
    LabelSheetValues opened;
    LabelSheetValues edited;
    bool resetRequested = false;
};

SheetPlan PlanMenuSheet(const LabelSheetInput& input);

// fromList: the sheet opened from the mode list, whose Attributes page
// also takes a suppression back. modeIdentifier: what the window's
// default line names the mode by.
SheetPlan PlanModeSheet(const LabelSheetInput& input, bool fromList, const std::string& modeIdentifier);

// The confirm default answer: -1 none, 0 yes, 1 no, and the answers as a
// confirm holds them ("yes", "no", else none).
inline constexpr int kNoAnswer = -1;
inline constexpr int kAnswerYes = 0;
inline constexpr int kAnswerNo = 1;
int AnswerOf(const std::string& defaultAnswer);

struct ConfirmSheetValues {
    std::string text;
    bool suppressed = false;
    int answer = kNoAnswer;
};

struct ConfirmSheetInput {
    ConfirmSheetValues opened;
    ConfirmSheetValues edited;
    bool resetRequested = false;
};

SheetPlan PlanConfirmSheet(const ConfirmSheetInput& input);

// Box: its title and Suppress.
struct BoxSheetValues {
    std::string title;
    bool suppressed = false;
};

struct BoxSheetInput {
    BoxSheetValues opened;
    BoxSheetValues edited;
    bool resetRequested = false;
};

SheetPlan PlanBoxSheet(const BoxSheetInput& input);

// Screen title: its one Text page.
SheetPlan PlanScreenTitleSheet(const std::string& opened, const std::string& edited, bool resetRequested);

}  // namespace sheets
