#include "tessellar/sheets/display_sheet_plan.h"

#include <optional>

#include "tessellar/commands/command_texts.h"
#include "tessellar/commands/value_lines.h"
#include "tessellar/commands/value_words.h"
#include "tessellar/model/display_text.h"
#include "tessellar/program/program_texts.h"
#include "tessellar/sheets/sheet_texts.h"

namespace sheets {

namespace {

namespace names = commands::texts;

SheetStep Step(const char* name, std::vector<commands::CommandValue> values = {}) {
    return {name, std::move(values), StepTarget::Item, {}};
}

commands::CommandValue Value(std::string text) { return {std::move(text), false}; }

std::string WithoutTrailingSpaces(const std::string& text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

bool EndsWithColon(const std::string& text) {
    const std::string trimmed = WithoutTrailingSpaces(text);
    return !trimmed.empty() && trimmed.back() == ':';
}

// Decoding gives a display without a picture the bare default picture.
bool NoFormatOfItsOwn(const std::string& picture) {
    return picture.empty() || picture == program::texts::kDefaultPicture;
}

// A prompt relabelled to a text of another length keeps its old width, so
// the items beside it stay where they were.
std::string PinnedWidthPicture(const std::string& oldText) {
    std::string picture = texts::kPinnedWidthPicture;
    picture.replace(picture.find("%s"), 2, std::to_string(oldText.size()));
    return picture;
}

}  // namespace

SheetPlan PlanDisplaySheet(const DisplaySheetInput& input) {
    const DisplaySheetValues& was = input.opened;
    DisplaySheetValues now = input.edited;
    SheetPlan plan;
    if (input.resetRequested) {
        plan.push_back(Step(names::kResetDisplay));
        return plan;
    }
    std::optional<SheetStep> textStep;
    if (TextChanged(was.text, now.text)) {
        textStep = Step(names::kChangeDisplayText, {Value(now.text)});
        if (!input.addedPrompt) plan.push_back(*textStep);
        if (EndsWithColon(was.text) && EndsWithColon(now.text) && was.text.size() != now.text.size() &&
            NoFormatOfItsOwn(was.picture) && now.picture == was.picture) {
            now.picture = PinnedWidthPicture(was.text);
        }
    }
    if (TextChanged(was.title, now.title)) plan.push_back(Step(names::kModifyDisplayTitle, {Value(now.title)}));
    if (TextChanged(was.column, now.column)) plan.push_back(Step(names::kModifyDisplayOrder, {Value(now.column)}));
    if (TextChanged(was.picture, now.picture)) {
        plan.push_back(Step(names::kModifyDisplayPicture, {Value(now.picture)}));
    }
    if (now.scale != was.scale) {
        const std::optional<int> scale = commands::WholeInteger(now.scale);
        if (scale && *scale >= model::kMinimumScale && *scale <= model::kMaximumScale) {
            if (scale != commands::WholeInteger(was.scale)) {
                plan.push_back(Step(names::kModifyDisplayScale, {Value(std::to_string(*scale))}));
            }
        } else {
            plan.push_back({{}, {}, StepTarget::Item, texts::kInvalidScale});
        }
    }
    if (now.styles != was.styles) {
        const model::AttributeFlags flags = model::RecordToAttributes(now.styles.record);
        plan.push_back(Step(names::kModifyDisplayAttributes, {Value(model::AttributesToText(flags, now.styles.prompt))}));
    }
    if (now.colours != was.colours) {
        plan.push_back(Step(names::kModifyDisplayColor, {Value(commands::ColourText(now.colours.foreground)),
                                                         Value(commands::ColourText(now.colours.background))}));
    }
    if (now.suppressed && !was.suppressed) {
        plan.push_back(Step(names::kSuppressDisplay));
        if (input.hasDisplayTrigger) plan.push_back(Step(names::kRemoveDisplayTrigger));
    }
    if (textStep && input.addedPrompt) plan.push_back(*textStep);
    return plan;
}

}  // namespace sheets
