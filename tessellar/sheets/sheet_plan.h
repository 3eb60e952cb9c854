#pragma once
// What a sheet's OK does, decided without a window: the steps in the
// sheet's fixed order, each a catalogue command by name with its values,
// or a refusal the user sees instead of a property that may not change.
// The window makes and runs the commands; the refused properties are left
// as they were while the others still change.

#include <string>
#include <vector>

#include "tessellar/commands/command_catalogue.h"
#include "tessellar/model/attribute_flags.h"

namespace sheets {

// Which item a step's command works on: the sheet's own item, or the
// screen window (a mode made the screen's default).
enum class StepTarget { Item, Window };

struct SheetStep {
    std::string command;  // empty for a refusal
    std::vector<commands::CommandValue> values;
    StepTarget target = StepTarget::Item;
    std::string refusal;
};

using SheetPlan = std::vector<SheetStep>;

// The Styles page's marks: the twelve attribute flags and the prompt mark.
struct StyleMarks {
    model::AttributeRecord record;
    bool prompt = false;
    bool operator==(const StyleMarks&) const = default;
};

// A text, title or help line page changed to something: emptied texts
// issue nothing.
inline bool TextChanged(const std::string& before, const std::string& after) {
    return !after.empty() && after != before;
}

}  // namespace sheets
