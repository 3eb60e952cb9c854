#pragma once
// The list of a screen's suppressed items, one line per item in the order
// of the item lists, and what releasing a chosen one issues: the kind's
// unsuppress command, then its move when it is placed somewhere else.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tessellar/commands/command_batch.h"
#include "tessellar/commands/command_catalogue.h"
#include "tessellar/commands/item_reference.h"
#include "tessellar/model/screen_model.h"

namespace lists {

// Every suppressed item, or only the entry fields the program itself hides
// (which are put on the screen as data entry fields).
enum class SuppressedListUse { AllSuppressed, DataEntryFields };

struct SuppressedLine {
    std::string text;          // as the list shows it
    commands::ItemKey key;     // the item, found again after a rebuild
    std::string name;          // its name or text, for the placement dialog
    model::CellPosition at;    // its current position, relative to the origin
};

// In the order displays, menu options, entry fields, modes, boxes; items a
// statement cannot name (no identification) are left out.
std::vector<SuppressedLine> SuppressedFieldLines(const model::CScreenModel& screen, SuppressedListUse use);
bool HasSuppressedFields(const model::CScreenModel& screen, SuppressedListUse use);

// The item kind a line's closing mark names, or none for a line of no kind.
std::optional<commands::ItemClass> KindOfLine(std::string_view line);

// A chosen line and the position the user placed it at.
struct ReleasedField {
    commands::ItemClass kind = commands::ItemClass::Display;
    commands::ItemKey key;
    std::string name;
    model::CellPosition from;
    model::CellPosition to;
};

struct PlannedCommand {
    std::string name;
    commands::ItemKey key;
    std::vector<commands::CommandValue> values;
};

// The unsuppress command of the kind, then, for a display, an entry field
// or a menu option whose position changed, its move.
std::vector<PlannedCommand> ReleasePlan(model::CScreenModel& screen, const ReleasedField& field);

// The plan made into one batch (one undo step); error tells what could
// not be made, and the batch is then empty.
struct ReleaseBatch {
    commands::CommandBatch batch;
    std::string error;
};
ReleaseBatch MakeRelease(model::CScreenModel& screen, const ReleasedField& field);

}  // namespace lists
