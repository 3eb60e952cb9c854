// What the sheets' OK issues, as a table per sheet: the order of the
// commands, their values, the refusals and Reset.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tessellar/sheets/display_sheet_plan.h"
#include "tessellar/sheets/item_sheet_plans.h"

namespace sheets {
namespace {

// A step as "NAME value|value", a window step marked "window:", a refusal "! TEXT".
std::vector<std::string> Described(const SheetPlan& plan) {
    std::vector<std::string> lines;
    for (const SheetStep& step : plan) {
        if (step.command.empty()) {
            lines.push_back("! " + step.refusal);
            continue;
        }
        std::string line = (step.target == StepTarget::Window ? "window:" : "") + step.command;
        for (std::size_t i = 0; i < step.values.size(); ++i) line += (i == 0 ? " " : "|") + step.values[i].text;
        lines.push_back(line);
    }
    return lines;
}

DisplaySheetValues Prompt() {
    DisplaySheetValues values;
    values.text = "Name:";
    values.column = "0";
    values.scale = "100";
    values.styles.record.background = true;
    values.styles.prompt = true;
    return values;
}

struct DisplayCase {
    const char* what;
    std::function<void(DisplaySheetInput&)> edit;
    std::vector<std::string> expected;
};

TEST(DisplaySheetPlan, IssuesTheChangedPropertiesInTheFixedOrder) {
    const std::vector<DisplayCase> cases = {
        {"nothing changed", [](DisplaySheetInput&) {}, {}},
        {"every page changed, in the fixed order",
         [](DisplaySheetInput& in) {
             in.edited.text = "Surname";
             in.edited.title = "Who";
             in.edited.column = "3";
             in.edited.picture = "x(12)";
             in.edited.scale = "150";
             in.edited.styles.record.bold = true;
             in.edited.colours = {0x0000FF, 0xFFFFFF};
             in.edited.suppressed = true;
         },
         {"Change display text Surname", "Modify display title Who", "Modify display order 3",
          "modify display picture x(12)", "Modify display scale 150", "Modify display attributes bold,background,prompt",
          "Modify display color red|white", "Suppress display"}},
        {"emptied texts issue nothing",
         [](DisplaySheetInput& in) {
             in.opened.title = "Who";
             in.edited.text.clear();
             in.edited.title.clear();
         },
         {}},
        {"a relabelled prompt keeps its old width",
         [](DisplaySheetInput& in) { in.edited.text = "Customer name:  "; },
         {"Change display text Customer name:  ", "modify display picture x(5)"}},
        {"so does a prompt with the default picture",
         [](DisplaySheetInput& in) {
             in.opened.picture = in.edited.picture = "x";
             in.edited.text = "Code:  ";
         },
         {"Change display text Code:  ", "modify display picture x(5)"}},
        {"texts of one length are not pinned", [](DisplaySheetInput& in) { in.edited.text = "Code:"; },
         {"Change display text Code:"}},
        {"a format of its own is not pinned",
         [](DisplaySheetInput& in) {
             in.edited.text = "Customer name:";
             in.edited.picture = "x(20)";
         },
         {"Change display text Customer name:", "modify display picture x(20)"}},
        {"a text without a colon is not pinned", [](DisplaySheetInput& in) { in.edited.text = "Customer name"; },
         {"Change display text Customer name"}},
        {"an added prompt changes its text last, after the commands that find it by the old one",
         [](DisplaySheetInput& in) {
             in.addedPrompt = true;
             in.edited.text = "Surname";
             in.edited.suppressed = true;
         },
         {"Suppress display", "Change display text Surname"}},
        {"suppressing a display with a trigger takes the trigger away",
         [](DisplaySheetInput& in) {
             in.hasDisplayTrigger = true;
             in.edited.suppressed = true;
         },
         {"Suppress display", "Remove display trigger"}},
        {"unchecking Suppress issues nothing",
         [](DisplaySheetInput& in) { in.opened.suppressed = true; }, {}},
        {"a refused scale leaves the other properties changing",
         [](DisplaySheetInput& in) {
             in.edited.scale = "1001";
             in.edited.colours = {0x000080, 0xC0C0C0};
         },
         {"! Invalid scale fact, scale range is from 50 to 1000", "Modify display color maroon|silver"}},
        {"Reset issues only the reset, whatever else was edited",
         [](DisplaySheetInput& in) {
             in.resetRequested = true;
             in.edited.text = "Other:";
             in.edited.scale = "5";
         },
         {"Reset display"}},
    };
    for (const DisplayCase& c : cases) {
        DisplaySheetInput input{Prompt(), Prompt()};
        c.edit(input);
        EXPECT_EQ(Described(PlanDisplaySheet(input)), c.expected) << c.what;
    }
}

TEST(DisplaySheetPlan, ScaleBoundsAreInclusive) {
    const std::vector<std::pair<const char*, bool>> scales = {
        {"49", false}, {"50", true}, {"1000", true}, {"1001", false}, {"", false}, {"abc", false}, {"-60", false}};
    for (const auto& [scale, accepted] : scales) {
        DisplaySheetInput input{Prompt(), Prompt()};
        input.edited.scale = scale;
        const std::vector<std::string> expected = {accepted ? "Modify display scale " + std::string(scale)
                                                            : "! Invalid scale fact, scale range is from 50 to 1000"};
        EXPECT_EQ(Described(PlanDisplaySheet(input)), expected) << scale;
    }
}

TEST(LabelSheetPlans, MenuAndModeOrderAndResets) {
    const LabelSheetValues opened{"Find", "Find a record", false, false};
    auto edited = [&](auto change) {
        LabelSheetInput input{opened, opened};
        change(input);
        return input;
    };
    const LabelSheetInput all = edited([](LabelSheetInput& in) {
        in.edited = {"Search", "Search for one", true, true};
    });
    EXPECT_EQ(Described(PlanMenuSheet(all)),
              (std::vector<std::string>{"Change menu text Search", "Modify menu help Search for one", "Suppress Menu"}));
    EXPECT_EQ(Described(PlanModeSheet(all, false, "FIND")),
              (std::vector<std::string>{"Modify mode text Search", "Modify mode help Search for one", "Suppress mode",
                                        "window:Modify screen default mode FIND"}));

    const LabelSheetInput cleared = edited([](LabelSheetInput& in) {
        in.opened.suppressed = true;
        in.opened.screenDefault = true;
        in.edited.suppressed = false;
        in.edited.screenDefault = false;
    });
    EXPECT_EQ(Described(PlanModeSheet(cleared, false, "FIND")),
              (std::vector<std::string>{"window:Modify screen default mode reset"}));
    // From the mode list the Attributes page takes a suppression back.
    EXPECT_EQ(Described(PlanModeSheet(cleared, true, "FIND")), (std::vector<std::string>{"Unsuppress mode"}));
    EXPECT_EQ(Described(PlanMenuSheet(cleared)), (std::vector<std::string>{}));

    const LabelSheetInput reset = edited([](LabelSheetInput& in) {
        in.resetRequested = true;
        in.edited.text = "Other";
    });
    EXPECT_EQ(Described(PlanMenuSheet(reset)), (std::vector<std::string>{"Unsuppress menu remove"}));
    EXPECT_EQ(Described(PlanModeSheet(reset, false, "FIND")), (std::vector<std::string>{"Unsuppress mode remove"}));
}

TEST(SmallSheetPlans, ConfirmBoxAndScreenTitle) {
    const ConfirmSheetValues question{"Leave?", false, AnswerOf("no")};
    EXPECT_EQ(AnswerOf("yes"), kAnswerYes);
    EXPECT_EQ(AnswerOf(""), kNoAnswer);
    EXPECT_EQ(Described(PlanConfirmSheet({question, {"Quit now?", true, kAnswerYes}, false})),
              (std::vector<std::string>{"Modify confirm text Quit now?", "Modify confirm default yes",
                                        "Suppress confirm"}));
    EXPECT_EQ(Described(PlanConfirmSheet({question, {"", false, kAnswerNo}, false})), (std::vector<std::string>{}));
    // Unchecking Suppress shows a hidden question again.
    EXPECT_EQ(Described(PlanConfirmSheet({{"Leave?", true, kNoAnswer}, {"Leave?", false, kNoAnswer}, false})),
              (std::vector<std::string>{"Suppress confirm false"}));
    EXPECT_EQ(Described(PlanConfirmSheet({question, {"Quit now?", true, kAnswerYes}, true})),
              (std::vector<std::string>{"Reset confirm"}));

    EXPECT_EQ(Described(PlanBoxSheet({{"Lines", false}, {"Order lines", true}, false})),
              (std::vector<std::string>{"Modify box title Order lines", "Suppress box"}));
    EXPECT_EQ(Described(PlanBoxSheet({{"Lines", false}, {"", false}, false})), (std::vector<std::string>{}));
    EXPECT_EQ(Described(PlanBoxSheet({{"Lines", false}, {"Order lines", true}, true})),
              (std::vector<std::string>{"Reset box"}));

    EXPECT_EQ(Described(PlanScreenTitleSheet("Orders", "Order Entry", false)),
              (std::vector<std::string>{"window:Modify screen title Order Entry"}));
    EXPECT_EQ(Described(PlanScreenTitleSheet("Orders", "", false)), (std::vector<std::string>{}));
    EXPECT_EQ(Described(PlanScreenTitleSheet("Orders", "Order Entry", true)),
              (std::vector<std::string>{"window:Reset screen title"}));
}

}  // namespace
}  // namespace sheets
