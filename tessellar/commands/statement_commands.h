#pragma once
// The commands that write statements for one item: update key lines in the
// item's block in place (appending a block when none matched), remove the
// block, append a new block, and the trigger, box and two-line forms.

#include <optional>
#include <string>
#include <vector>

#include "tessellar/commands/command.h"
#include "tessellar/commands/item_reference.h"
#include "tessellar/overrides/statement_parser.h"

namespace commands {

// One in-place update: the key line a selector names and its new text
// (empty for the removing selectors).
struct KeyLineUpdate {
    overrides::PropertySelector selector;
    std::string line;
    int triggerPoint = -1;  // -1: the item's own block, else its trigger block of this point
};

// Updates the item's block line by line, in order; when the first update
// matched no block, appends a block with the identifier line and the
// `append` lines (nothing when `append` is empty).
class KeyLineCommand : public Command {
public:
    KeyLineCommand(const char* name, ItemKey key, std::vector<KeyLineUpdate> updates, std::vector<std::string> append,
                   std::optional<std::string> refusal = std::nullopt);
    std::string Label() const override { return label_; }
    std::optional<std::string> Check(const model::CScreenModel&) const override { return refusal_; }
    bool Run(CommandContext& context) override;

protected:
    ItemKey key_;
    std::vector<KeyLineUpdate> updates_;
    std::vector<std::string> append_;

private:
    std::string label_;
    std::optional<std::string> refusal_;
};

// A default that a hidden or read-only field takes, then its flag line: the
// appended block holds the flag line and, when the default found no block
// either, the default line.
class DefaultAndFlagCommand : public Command {
public:
    DefaultAndFlagCommand(const char* name, ItemKey key, std::string defaultLine, KeyLineUpdate flag,
                          std::optional<std::string> refusal);
    std::string Label() const override { return label_; }
    std::optional<std::string> Check(const model::CScreenModel&) const override { return refusal_; }
    bool Run(CommandContext& context) override;

private:
    ItemKey key_;
    std::string defaultLine_;
    KeyLineUpdate flag_;
    std::string label_;
    std::optional<std::string> refusal_;
};

// Removes the item's block (or its trigger block of a point).
class RemoveBlockCommand : public Command {
public:
    RemoveBlockCommand(const char* name, ItemKey key, int triggerPoint = -1);
    std::string Label() const override { return label_; }
    bool Run(CommandContext& context) override;

private:
    ItemKey key_;
    int triggerPoint_;
    std::string label_;
};

// Always appends a block: the identifier line(s) and the lines.
class AppendBlockCommand : public Command {
public:
    AppendBlockCommand(const char* name, ItemKey key, std::vector<std::string> lines,
                       std::optional<std::string> refusal = std::nullopt, bool withIdentifier = true);
    std::string Label() const override { return label_; }
    std::optional<std::string> Check(const model::CScreenModel&) const override { return refusal_; }
    bool Run(CommandContext& context) override;

private:
    ItemKey key_;
    std::vector<std::string> lines_;
    std::string label_;
    std::optional<std::string> refusal_;
    bool withIdentifier_;
};

// Sets what a trigger of the item runs: the run line, then the type line
// (none for a type outside 1 to 6); a new block starts with the trigger
// point line and the identifier.
class TriggerCommand : public Command {
public:
    TriggerCommand(const char* name, ItemKey key, int triggerPoint, std::string run, int type);
    std::string Label() const override { return label_; }
    bool Run(CommandContext& context) override;

private:
    ItemKey key_;
    int triggerPoint_;
    std::string run_;
    int type_;
    std::string label_;
};

// A box moved or resized: a block for the box at its new corners, added,
// with its title, takes its place. An added box's block goes; the program's
// own box has none, so `hideCompiled` hides it instead, and on a move the
// items inside it go along through their own moves (`carried`).
class MoveBoxCommand : public Command {
public:
    MoveBoxCommand(ItemKey key, int top, int left, int bottom, int right, std::string title,
                   std::unique_ptr<Command> hideCompiled = nullptr,
                   std::vector<std::unique_ptr<Command>> carried = {});
    std::string Label() const override { return label_; }
    std::optional<std::string> Check(const model::CScreenModel& model) const override;
    bool Run(CommandContext& context) override;

private:
    ItemKey key_;
    int top_, left_, bottom_, right_;
    std::string title_;
    std::unique_ptr<Command> hideCompiled_;
    std::vector<std::unique_ptr<Command>> carried_;
    std::string label_;
};

// A move inside a data grid: the item's coordinate line, then the coordinate
// lines of the grid items its move shifted, in the same step.
struct ShiftedItem {
    ItemKey key;
    int row = 0;
    int column = 0;
};

class GridMoveCommand : public KeyLineCommand {
public:
    GridMoveCommand(const char* name, ItemKey key, int row, int column, std::vector<ShiftedItem> shifted,
                    std::optional<std::string> refusal = std::nullopt);
    // Another line of the item first (a hidden field shown again), then the
    // shifted items, the item itself among them.
    GridMoveCommand(const char* name, ItemKey key, KeyLineUpdate update, std::vector<ShiftedItem> shifted);
    bool Run(CommandContext& context) override;

private:
    std::vector<ShiftedItem> shifted_;
};

}  // namespace commands
