#include "tessellar/commands/statement_commands.h"

#include "tessellar/commands/command_texts.h"
#include "tessellar/overrides/block_update.h"
#include "tessellar/overrides/override_format.h"
#include "tessellar/overrides/override_texts.h"
#include "tessellar/overrides/value_readers.h"

namespace commands {

namespace {

namespace keys = overrides::texts;
namespace format = overrides::format;
using overrides::PropertySelector;

// The item's own block, or with a trigger point the item's trigger block of that point.
overrides::BlockTarget TargetFor(const ItemKey& key, int triggerPoint) {
    return triggerPoint < 0 ? TargetOf(key) : TriggerTargetOf(key, triggerPoint);
}

bool Update(CommandContext& context, const ItemKey& key, const KeyLineUpdate& update) {
    return overrides::UpdateBlockInPlace(context.model, TargetFor(key, update.triggerPoint), update.selector,
                                         update.line, context.sink);
}

bool Append(CommandContext& context, overrides::StatementKind kind, const std::vector<std::string>& lines) {
    return overrides::AppendBlock(context.model.OverridePath(), kind, lines);
}

std::vector<std::string> WithIdentifier(const ItemKey& key, std::vector<std::string> lines) {
    const std::string identifier = IdentifierLines(key);
    if (!identifier.empty()) lines.insert(lines.begin(), identifier);
    return lines;
}

}  // namespace

KeyLineCommand::KeyLineCommand(const char* name, ItemKey key, std::vector<KeyLineUpdate> updates,
                               std::vector<std::string> append, std::optional<std::string> refusal)
    : key_(std::move(key)), updates_(std::move(updates)), append_(std::move(append)),
      label_(CommandLabel(name, key_)), refusal_(std::move(refusal)) {}

bool KeyLineCommand::Run(CommandContext& context) {
    bool firstMatched = false;
    for (std::size_t i = 0; i < updates_.size(); ++i) {
        const bool matched = Update(context, key_, updates_[i]);
        if (i == 0) firstMatched = matched;
    }
    if (firstMatched || append_.empty()) return true;
    return Append(context, BlockKind(key_.itemClass), WithIdentifier(key_, append_));
}

DefaultAndFlagCommand::DefaultAndFlagCommand(const char* name, ItemKey key, std::string defaultLine,
                                             KeyLineUpdate flag, std::optional<std::string> refusal)
    : key_(std::move(key)), defaultLine_(std::move(defaultLine)), flag_(std::move(flag)),
      label_(CommandLabel(name, key_)), refusal_(std::move(refusal)) {}

bool DefaultAndFlagCommand::Run(CommandContext& context) {
    const bool defaultMatched = Update(context, key_, {PropertySelector::Default, defaultLine_});
    if (Update(context, key_, flag_)) return true;
    std::vector<std::string> lines{flag_.line};
    if (!defaultMatched) lines.push_back(defaultLine_);
    return Append(context, BlockKind(key_.itemClass), WithIdentifier(key_, lines));
}

RemoveBlockCommand::RemoveBlockCommand(const char* name, ItemKey key, int triggerPoint)
    : key_(std::move(key)), triggerPoint_(triggerPoint), label_(CommandLabel(name, key_)) {}

bool RemoveBlockCommand::Run(CommandContext& context) {
    overrides::RemoveBlock(context.model, TargetFor(key_, triggerPoint_), context.sink);
    return true;
}

AppendBlockCommand::AppendBlockCommand(const char* name, ItemKey key, std::vector<std::string> lines,
                                       std::optional<std::string> refusal, bool withIdentifier)
    : key_(std::move(key)), lines_(std::move(lines)), label_(CommandLabel(name, key_)), refusal_(std::move(refusal)),
      withIdentifier_(withIdentifier) {}

bool AppendBlockCommand::Run(CommandContext& context) {
    return Append(context, BlockKind(key_.itemClass), withIdentifier_ ? WithIdentifier(key_, lines_) : lines_);
}

TriggerCommand::TriggerCommand(const char* name, ItemKey key, int triggerPoint, std::string run, int type)
    : key_(std::move(key)), triggerPoint_(triggerPoint), run_(std::move(run)), type_(type),
      label_(CommandLabel(name, key_)) {}

bool TriggerCommand::Run(CommandContext& context) {
    const std::string runLine = format::KeyLine(keys::kRun, run_);
    const std::string_view typeWord = overrides::TriggerTypeWord(type_);
    const std::string typeLine = typeWord.empty() ? std::string() : format::KeyLine(keys::kType, typeWord);
    const bool matched = Update(context, key_, {PropertySelector::Run, runLine, triggerPoint_});
    if (!typeLine.empty()) Update(context, key_, {PropertySelector::Type, typeLine, triggerPoint_});
    if (matched) return true;
    std::vector<std::string> lines{format::KeyLine(keys::kTriggerPoint, overrides::TriggerPointWord(triggerPoint_))};
    const std::string identifier = IdentifierLines(key_);
    if (!identifier.empty()) lines.push_back(identifier);
    lines.push_back(runLine);
    if (!typeLine.empty()) lines.push_back(typeLine);
    return Append(context, overrides::StatementKind::Trigger, lines);
}

MoveBoxCommand::MoveBoxCommand(ItemKey key, int top, int left, int bottom, int right, std::string title,
                               std::unique_ptr<Command> hideCompiled, std::vector<std::unique_ptr<Command>> carried)
    : key_(std::move(key)), top_(top), left_(left), bottom_(bottom), right_(right), title_(std::move(title)),
      hideCompiled_(std::move(hideCompiled)), carried_(std::move(carried)),
      label_(CommandLabel(texts::kMovingOrResizingBox, key_)) {}

std::optional<std::string> MoveBoxCommand::Check(const model::CScreenModel& model) const {
    // All or nothing: an item that may not go along stops the whole move.
    for (const auto& command : carried_) {
        if (std::optional<std::string> refusal = command->Check(model)) return refusal;
    }
    return std::nullopt;
}

bool MoveBoxCommand::Run(CommandContext& context) {
    bool written = true;
    if (hideCompiled_) {
        written = hideCompiled_->Run(context);
    } else {
        overrides::RemoveBlock(context.model, TargetOf(key_), context.sink);
    }
    std::vector<std::string> lines{format::PairLine(keys::kOrigCoordinate, top_, left_),
                                   format::PairLine(keys::kCoordinate, bottom_, right_),
                                   format::KeyLine(keys::kAdd, keys::kTrue)};
    if (!title_.empty()) lines.push_back(format::QuotedKeyLine(keys::kTitle, title_));
    written = Append(context, overrides::StatementKind::Box, lines) && written;
    for (const auto& command : carried_) written = command->Run(context) && written;
    return written;
}

GridMoveCommand::GridMoveCommand(const char* name, ItemKey key, int row, int column,
                                 std::vector<ShiftedItem> shifted, std::optional<std::string> refusal)
    : KeyLineCommand(name, key,
                     {{PropertySelector::Coordinate, format::PairLine(keys::kCoordinate, row, column)}},
                     {format::PairLine(keys::kCoordinate, row, column)}, std::move(refusal)),
      shifted_(std::move(shifted)) {}

GridMoveCommand::GridMoveCommand(const char* name, ItemKey key, KeyLineUpdate update, std::vector<ShiftedItem> shifted)
    : KeyLineCommand(name, key, {update}, {update.line}), shifted_(std::move(shifted)) {}

bool GridMoveCommand::Run(CommandContext& context) {
    bool written = KeyLineCommand::Run(context);
    for (const ShiftedItem& item : shifted_) {
        const std::string line = format::PairLine(keys::kCoordinate, item.row, item.column);
        if (Update(context, item.key, {PropertySelector::Coordinate, line})) continue;
        written = Append(context, BlockKind(item.key.itemClass), WithIdentifier(item.key, {line})) && written;
    }
    return written;
}

}  // namespace commands
