#pragma once
// Changing one statement block of a section work file: the in-place update
// that every command starts with, removing a block, and appending a new one.
// A block is matched when its statement names the same decoded item as the
// request (through the look-ups applying uses), so two blocks that spell an
// item differently still meet.

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/overrides/override_statement.h"
#include "tessellar/overrides/statement_parser.h"

namespace overrides {

// Which block a command changes.
struct BlockTarget {
    StatementKind kind = StatementKind::None;
    int triggerPoint = -1;      // trigger blocks: the trigger point code
    ItemIdentifier identifier;  // as the item's identifier line gives it
    int bottomRow = -1;         // boxes: the bottom-right corner (`coordinate`)
    int rightColumn = -1;
};

// Whether a parsed block names the target's item.
bool BlockMatches(model::CScreenModel& model, const OverrideStatement& block, const BlockTarget& target);

// The in-place update over streams: copies `in` to `out`, replacing (or
// adding, or removing) the selected key line of the first matching block.
// Returns whether a block matched.
bool UpdateBlockStream(model::CScreenModel& model, std::istream& in, std::ostream& out, const BlockTarget& target,
                       PropertySelector selector, std::string_view newLine);
// Copies `in` to `out` without the first matching block.
bool RemoveBlockStream(model::CScreenModel& model, std::istream& in, std::ostream& out, const BlockTarget& target);

// The same on the model's work file, whose new text replaces it in one step
// (a file beside it renamed over it), so a failure leaves the old work file
// whole. A missing work file matches nothing; "open failed on tmp file" when
// the new text cannot be written.
bool UpdateBlockInPlace(model::CScreenModel& model, const BlockTarget& target, PropertySelector selector,
                        std::string_view newLine, platform::MessageSink& sink);
bool RemoveBlock(model::CScreenModel& model, const BlockTarget& target, platform::MessageSink& sink);

// Appends "KEYWORD\n", "\t{\n", the lines and "\t}\n" to a work file.
bool AppendBlock(const std::string& workFilePath, StatementKind kind, const std::vector<std::string>& lines);

// A work file's sibling with another extension (".sav", ".txt").
std::string SiblingPath(const std::string& workFilePath, std::string_view extension);

}  // namespace overrides
